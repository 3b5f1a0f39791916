#pragma once

#include "data/fileresult.h"

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second running copy of the desk from writing the same files. The lock lives in the
// program folder as long as this object. A lock left by a killed copy, and an empty or garbled
// lock file (a power cut can leave one), are taken over.
class ProgramLock {
public:
    explicit ProgramLock(const QString& folder);
    ~ProgramLock();

    // Ok when this copy now holds the lock; otherwise an error saying another copy is running.
    FileResult acquire();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
