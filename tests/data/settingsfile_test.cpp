#include "data/settingsfile.h"

#include "datatest.h"

namespace {

using datatest::Folder;

class SettingsFile : public Folder {
protected:
    QString name() const { return settingsfile::fileName(); }
};

SettingsRecord clinic()
{
    SettingsRecord r;
    r.setText(SettingsField::Kombikakod, QStringLiteral("12345ABCD67"));
    r.setText(SettingsField::VikKomkod, QStringLiteral("V1"));
    r.setIndex(SettingsField::ÅtgärdIndex, 7);
    r.setIndex(SettingsField::TaxekodIndex, 12);
    r.setChoice(SettingsField::Skatt, false);
    r.setChoice(SettingsField::Besökstyp, false);
    r.setChoice(SettingsField::Yrke, false);
    r.setRaw(SettingsField::ArvFom, "124");
    r.setText(SettingsField::Klinik, QStringLiteral("Björkdala"));
    r.setText(SettingsField::Namn, QStringLiteral("Åsa Öberg"));
    r.setText(SettingsField::Adress, QStringLiteral("Ängsvägen 3"));
    r.setText(SettingsField::Postadress, QStringLiteral("123 45 Småstad"));
    r.setText(SettingsField::Telefon, QStringLiteral("012-345 67"));
    return r;
}

TEST_F(SettingsFile, FileNameIsInstallnTxt)
{
    EXPECT_EQ(name(), QStringLiteral("Inställn.txt"));
}

TEST_F(SettingsFile, SaveWritesThe194CharactersAndCrLf)
{
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), clinic()));
    const QByteArray bytes = read(name());
    ASSERT_EQ(bytes.size(), 196);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    // Positions 1-based as the line is laid out.
    auto at = [&](int first, int width) { return bytes.mid(first - 1, width); };
    EXPECT_EQ(at(1, 11), QByteArray("12345ABCD67"));
    EXPECT_EQ(at(12, 5), QByteArray("V1   "));
    EXPECT_EQ(at(17, 2), QByteArray("7 "));
    EXPECT_EQ(at(19, 2), QByteArray("12"));
    EXPECT_EQ(at(21, 6), QByteArray("0 0 0 "));
    EXPECT_EQ(at(27, 8), QByteArray("124     "));
    EXPECT_EQ(at(35, 9), QByteArray("Bj\xF6rkdala"));
    EXPECT_EQ(at(44, 41), QByteArray(41, ' '));
    EXPECT_EQ(at(85, 40), QByteArray("\xC5sa \xD6" "berg") + QByteArray(31, ' '));
    EXPECT_EQ(at(125, 30), QByteArray("\xC4ngsv\xE4gen 3") + QByteArray(19, ' '));
    EXPECT_EQ(at(155, 25), QByteArray("123 45 Sm\xE5stad") + QByteArray(11, ' '));
    EXPECT_EQ(at(180, 15), QByteArray("012-345 67     "));
}

TEST_F(SettingsFile, LoadReadsWhatWasSaved)
{
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), clinic()));
    SettingsRecord back;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), back));
    EXPECT_EQ(back, clinic());
    EXPECT_EQ(back.index(SettingsField::ÅtgärdIndex), 7);
    EXPECT_EQ(back.text(SettingsField::Namn).trimmed(), QStringLiteral("Åsa Öberg"));
}

TEST_F(SettingsFile, LoadAndSaveKeepTheFirst194BytesAndEndWithOneCrLf)
{
    QByteArray line(194, Qt::Uninitialized);
    for (int i = 0; i < 194; ++i)
        line[i] = char(0x80 + i % 128); // Windows-1252 upper half, undefined bytes included
    write(name(), line + "\r\nsecond line\r\nthird");
    SettingsRecord r;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), r));
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), r));
    EXPECT_EQ(read(name()), line + "\r\n");
}

TEST_F(SettingsFile, EmptyFileLoadsAsBlankFields)
{
    write(name(), {});
    SettingsRecord r = clinic();
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), r));
    EXPECT_EQ(r, SettingsRecord());
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), -1);
}

TEST_F(SettingsFile, ShortFileLeavesTheMissingFieldsBlank)
{
    write(name(), "12345ABCD67V1   5 ");
    SettingsRecord r = clinic();
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), r));
    EXPECT_EQ(r.index(SettingsField::ÅtgärdIndex), 5);
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), -1);
    EXPECT_EQ(r.raw(SettingsField::Klinik), QByteArray(50, ' '));
}

TEST_F(SettingsFile, MissingFileWritesAndLoadsTheFirstRunDefault)
{
    SettingsRecord r = clinic();
    const FileResult result = settingsfile::HämtaInställningsFil(folder(), r);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(r, SettingsRecord::firstRunDefault());
    EXPECT_EQ(read(name()),
              QByteArray(16, ' ') + "0 0 -1-1-11" + QByteArray(167, ' ') + "\r\n");
}

TEST_F(SettingsFile, FailedFirstRunWriteLeavesTheRecordAndReportsIt)
{
    SettingsRecord r = clinic();
    const FileResult result =
        settingsfile::HämtaInställningsFil(QDir(path(QStringLiteral("saknas"))), r);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Filen Inställn.txt kunde inte sparas: ")))
        << result.error.toStdString();
    EXPECT_EQ(r, clinic());
}

TEST_F(SettingsFile, UnreadableFileLeavesTheRecord)
{
    ASSERT_TRUE(folder().mkdir(name()));
    SettingsRecord r = clinic();
    const FileResult result = settingsfile::HämtaInställningsFil(folder(), r);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error,
              QStringLiteral("Filen Inställn.txt kunde inte läsas: det finns en mapp med samma namn."));
    EXPECT_EQ(r, clinic());
}

TEST_F(SettingsFile, SaveReplacesTheWholeFile)
{
    write(name(), QByteArray(500, 'x'));
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), clinic()));
    EXPECT_EQ(read(name()), clinic().bytes().toByteArray() + "\r\n");
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden), QStringList{name()});
}

} // namespace
