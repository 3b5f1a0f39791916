#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Helpers for the data-file tests: a fresh program folder each, and whole-file access that
// bypasses the code under test.
namespace datatest {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class Folder : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QDir folder() const { return QDir(tmp.path()); }
    QString path(const QString& name) const { return tmp.filePath(name); }
    QByteArray read(const QString& name) const { return readBytes(path(name)); }
    void write(const QString& name, const QByteArray& bytes) { writeBytes(path(name), bytes); }
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
};

} // namespace datatest
