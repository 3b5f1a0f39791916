// The fuzzing corpora replayed in every build: each seed, and each input the fuzzers kept, must
// keep every promise of its reader.

#include "targets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <iostream>

namespace {

TEST(FuzzCorpus, EveryInputKeepsItsReadersPromises)
{
    const struct {
        const char* folder;
        QString (*target)(QByteArrayView);
    } targets[] = {
        {"visits", fuzztargets::visitFile},
        {"settings", fuzztargets::settingsFile},
        {"tariffs", fuzztargets::tariffFile},
        {"procedures", fuzztargets::procedureFile},
        {"invoice", fuzztargets::invoiceTotals},
        {"arv", fuzztargets::arvBuilder},
    };
    int inputs = 0;
    for (const auto& t : targets) {
        const QDir corpus(QStringLiteral(KASSA_FUZZ_CORPUS_DIR "/") + QLatin1String(t.folder));
        const QStringList names = corpus.entryList(QDir::Files);
        EXPECT_FALSE(names.isEmpty()) << t.folder;
        for (const QString& name : names) {
            QFile file(corpus.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(t.target(bytes).toStdString(), "") << t.folder << "/" << name.toStdString();
            ++inputs;
        }
    }
    std::cout << "[ figures  ] fuzzing corpus inputs replayed: " << inputs << std::endl;
}

} // namespace
