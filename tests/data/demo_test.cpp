#include "data/codetables.h"
#include "data/settingsfile.h"
#include "vocabulary/fieldchecks.h"

#include "datatest.h"

// The sample clinic the run command lays out must be readable as the desk reads it: whole
// entries with nothing left over, amounts that are numbers, one settings line pointing into the
// lists. Loading must not write anything into the sample folder, so nothing here saves.
namespace {

TEST(DemoClinic, ListsHoldWholeEntriesAndTheSettingsPointIntoThem)
{
    const QDir demo(QStringLiteral(KASSA_DEMO_DIR));
    TariffTable tariffs;
    ProcedureTable procedures;
    ASSERT_TRUE(codetables::HämtaTaxeFil(demo, tariffs));
    ASSERT_TRUE(codetables::HämtaÅtgärdsFil(demo, procedures));
    const struct {
        const char* file;
        int width, count;
        const CodeColumn& amounts;
    } lists[] = {{"Taxa.txt", 5, tariffs.count(), tariffs.Patientavgift},
                 {"Åtgärd.txt", 8, procedures.count(), procedures.Åtgärdsbelopp}};
    for (const auto& list : lists) {
        const qint64 size = QFileInfo(demo.filePath(QString::fromUtf8(list.file))).size();
        EXPECT_GT(size, 0) << list.file;
        EXPECT_EQ(size, qint64(list.count) * list.width) << list.file;
        for (const QString& amount : list.amounts.toList()) {
            bool number = false;
            amount.trimmed().toInt(&number);
            EXPECT_TRUE(number) << list.file << ": " << amount.toStdString();
        }
    }

    const QByteArray bytes = datatest::readBytes(demo.filePath(QStringLiteral("Inställn.txt")));
    ASSERT_EQ(bytes.size(), 196);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.left(194).contains('\n'));
    SettingsRecord r;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(demo, r));
    const int tariff = r.index(SettingsField::TaxekodIndex);
    const int procedure = r.index(SettingsField::ÅtgärdIndex);
    EXPECT_TRUE(tariff >= 0 && tariff < tariffs.count()) << tariff;
    EXPECT_TRUE(procedure >= 0 && procedure < procedures.count()) << procedure;
    EXPECT_FALSE(r.text(SettingsField::Klinik).trimmed().isEmpty());
    // The desk puts the clinic's kombikakod into its box; leaving the box must not refuse it.
    const QString kombikakod = r.text(SettingsField::Kombikakod);
    EXPECT_EQ(fieldchecks::kombikakod(kombikakod), std::nullopt) << kombikakod.toStdString();
    EXPECT_EQ(fieldchecks::vikKomkod(r.text(SettingsField::VikKomkod)), std::nullopt);
}

} // namespace
