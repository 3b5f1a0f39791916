#include "data/codetables.h"
#include "data/settingsfile.h"
#include "desk/fieldchecks.h"

#include "datatest.h"

// The sample clinic the run command lays out must be readable as the desk reads it: whole
// entries with nothing left over, one settings line, Windows-1252 text.
namespace {

QDir demo()
{
    return QDir(QStringLiteral(KASSA_DEMO_DIR));
}

TEST(DemoClinic, TariffFileHasWholeEntriesOnly)
{
    const qint64 size = QFileInfo(demo().filePath(codetables::tariffFileName())).size();
    ASSERT_GT(size, 0);
    EXPECT_EQ(size % 5, 0);
    TariffTable t;
    const FileResult r = codetables::HämtaTaxeFil(demo(), t);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(t.count(), size / 5);
    for (int i = 0; i < t.count(); ++i) {
        EXPECT_EQ(t.Taxekod[i].size(), 2);
        bool fee = false;
        t.Patientavgift[i].trimmed().toInt(&fee);
        EXPECT_TRUE(fee) << "row " << i;
    }
}

TEST(DemoClinic, ProcedureFileHasWholeEntriesOnly)
{
    const qint64 size = QFileInfo(demo().filePath(codetables::procedureFileName())).size();
    ASSERT_GT(size, 0);
    EXPECT_EQ(size % 8, 0);
    ProcedureTable t;
    const FileResult r = codetables::HämtaÅtgärdsFil(demo(), t);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(t.count(), size / 8);
    for (int i = 0; i < t.count(); ++i) {
        bool amount = false;
        t.Åtgärdsbelopp[i].trimmed().toInt(&amount);
        EXPECT_TRUE(amount) << "row " << i;
    }
}

TEST(DemoClinic, SettingsAreOneLineThatPointsIntoTheLists)
{
    const QByteArray bytes = datatest::readBytes(demo().filePath(settingsfile::fileName()));
    ASSERT_EQ(bytes.size(), 196);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.left(194).contains('\n'));

    // Loading must not write anything into the sample folder.
    SettingsRecord r;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(demo(), r));
    TariffTable tariffs;
    ProcedureTable procedures;
    ASSERT_TRUE(codetables::HämtaTaxeFil(demo(), tariffs));
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(demo(), procedures));
    const int tariff = r.index(SettingsField::TaxekodIndex);
    const int procedure = r.index(SettingsField::ÅtgärdIndex);
    EXPECT_GE(tariff, 0);
    EXPECT_LT(tariff, tariffs.count());
    EXPECT_GE(procedure, 0);
    EXPECT_LT(procedure, procedures.count());
    EXPECT_FALSE(r.text(SettingsField::Klinik).trimmed().isEmpty());
    // The desk puts the clinic's kombikakod into its box; leaving the box must not refuse it.
    const QString kombikakod = r.text(SettingsField::Kombikakod);
    EXPECT_EQ(fieldchecks::kombikakod(kombikakod), std::nullopt) << kombikakod.toStdString();
    EXPECT_EQ(fieldchecks::vikKomkod(r.text(SettingsField::VikKomkod)), std::nullopt);
}

} // namespace
