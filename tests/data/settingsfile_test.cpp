#include "data/settingsfile.h"

#include "datatest.h"

namespace {

using datatest::Folder;

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

class SettingsFile : public Folder {
protected:
    const QString name = QStringLiteral("Inställn.txt");
    SettingsRecord load(FileResult& result, const QDir& where)
    {
        SettingsRecord r = clinic();
        result = settingsfile::HämtaInställningsFil(where, r);
        return r;
    }
};

TEST_F(SettingsFile, SaveWritesThe194CharactersAndCrLfAndLoadReadsThemBack)
{
    write(name, QByteArray(500, 'x'));
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), clinic()));
    const QByteArray bytes = read(name);
    auto at = [&](int first, int width) { return bytes.mid(first - 1, width); }; // 1-based
    ASSERT_EQ(bytes.size(), 196);
    EXPECT_EQ(at(195, 2), QByteArray("\r\n"));
    EXPECT_EQ(at(1, 34), QByteArray("12345ABCD67" "V1   " "7 " "12" "0 0 0 " "124     "));
    EXPECT_EQ(at(35, 50), QByteArray("Bj\xF6rkdala") + QByteArray(41, ' '));
    EXPECT_EQ(at(85, 40), QByteArray("\xC5sa \xD6" "berg") + QByteArray(31, ' '));
    EXPECT_EQ(at(125, 30), QByteArray("\xC4ngsv\xE4gen 3") + QByteArray(19, ' '));
    EXPECT_EQ(at(155, 25), QByteArray("123 45 Sm\xE5stad") + QByteArray(11, ' '));
    EXPECT_EQ(at(180, 15), QByteArray("012-345 67     "));
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden), QStringList{name});

    SettingsRecord back;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), back));
    EXPECT_EQ(back, clinic());
}

TEST_F(SettingsFile, LoadAndSaveKeepTheFirst194BytesAndEndWithOneCrLf)
{
    QByteArray line(194, Qt::Uninitialized);
    for (int i = 0; i < 194; ++i)
        line[i] = char(0x80 + i % 128); // Windows-1252 upper half, undefined bytes included
    write(name, line + "\r\nsecond line\r\nthird");
    SettingsRecord r;
    ASSERT_TRUE(settingsfile::HämtaInställningsFil(folder(), r));
    ASSERT_TRUE(settingsfile::SparaInställningsFil(folder(), r));
    EXPECT_EQ(read(name), line + "\r\n");
}

TEST_F(SettingsFile, EmptyOrShortFileLeavesTheMissingFieldsBlank)
{
    FileResult result;
    write(name, {});
    EXPECT_EQ(load(result, folder()), SettingsRecord());
    write(name, "12345ABCD67V1   5 ");
    const SettingsRecord r = load(result, folder());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(r.index(SettingsField::ÅtgärdIndex), 5);
    EXPECT_EQ(r.index(SettingsField::TaxekodIndex), -1);
    EXPECT_EQ(r.bytes().toByteArray().mid(18), QByteArray(176, ' '));
}

TEST_F(SettingsFile, MissingFileWritesAndLoadsTheFirstRunDefault)
{
    FileResult result;
    EXPECT_EQ(load(result, folder()), SettingsRecord::firstRunDefault());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(read(name), QByteArray(16, ' ') + "0 0 -1-1-11" + QByteArray(167, ' ') + "\r\n");
}

TEST_F(SettingsFile, FaultsLeaveTheRecordAsItWas)
{
    FileResult result;
    // The first-run default cannot be written into a folder that is not there.
    EXPECT_EQ(load(result, QDir(path(QStringLiteral("saknas")))), clinic());
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Filen Inställn.txt kunde inte sparas: ")))
        << result.error.toStdString();

    ASSERT_TRUE(folder().mkdir(name));
    EXPECT_EQ(load(result, folder()), clinic());
    EXPECT_EQ(result.error,
              QStringLiteral("Filen Inställn.txt kunde inte läsas: det finns en mapp med samma namn."));
}

} // namespace
