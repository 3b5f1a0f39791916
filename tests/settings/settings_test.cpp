// The settings window as the clinic uses it: opened from the desk, showing and saving
// Inställn.txt, its two kombikakod checks, and what the desk takes up afterwards.

#include "settings/settings_scenario.h"

#include "data/codetables.h"
#include "vocabulary/fieldchecks.h"
#include "support/filesizelimit.h"
#include "ui/keys.h"

#include <QFile>

namespace {

namespace text = fieldchecks::text;

const QString Testkliniken = u"12345ABCD67||1|0|F-Skatt|Läkare|Nybesök|Testkliniken|Doktor Test|"
                             u"Storgatan 1|123 45 Staden|08-123456"_s;

// `latin1` blank-filled (or cut) to `width`, as a field of the settings line.
QByteArray fält(const char* latin1, int width)
{
    return QByteArray(latin1).leftJustified(width, ' ', true);
}

class Settings : public SettingsScenario {
protected:
    // The clinic folder's files by name: a save leaves nothing of its own beside them.
    QStringList fileNames() const
    {
        QStringList names;
        for (const auto& entry : folderContents())
            names += entry.first;
        return names;
    }
};

TEST_F(Settings, OpensFromTheDeskOnTheSavedValuesAsOneWindow)
{
    startProgram();
    EXPECT_EQ(windows->inställningar(), nullptr) << "with a settings file the desk opens alone";
    const QByteArray före = inställningsfil();
    frmInställningar& f = öppna();
    EXPECT_EQ(bild(f), Testkliniken);
    EXPECT_EQ(f.lstTaxekod.items(), (QStringList{u"01"_s, u"02"_s, u"03"_s, u"06"_s, u"1 "_s}));
    EXPECT_EQ(f.lstÅtgärd.items(), (QStringList{u"A001"_s, u"B002"_s, u"C003"_s}));
    EXPECT_EQ(f.focused(), &f.lstTaxekod);

    // Chosen again from the desk: the same window comes forward, its lists filled once.
    app.activate(kassa());
    EXPECT_EQ(&öppna(), &f);
    EXPECT_EQ(f.lstTaxekod.listCount(), 5);
    EXPECT_EQ(app.shownForms().size(), 2u);
    EXPECT_EQ(inställningsfil(), före) << "opening writes nothing";
    EXPECT_TRUE(dialogs.messages().empty());
}

// How stored values come onto the window, and what "S&para" writes back untouched.
struct Stored {
    const char* name;
    const char* positions17to26; // ÅtgärdIndex, TaxekodIndex, Skatt, Besökstyp, Yrke
    const char16_t* shown;       // tariff row|procedure row|Skatt|Yrke|Besökstyp
    const char* saved;           // positions 17-26 after "S&para" with nothing touched
};

class StoredValues : public Settings, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredValues, ShowAndSaveBack)
{
    SettingsRecord r = clinicSettings();
    r.setRaw(SettingsField::ÅtgärdIndex, QByteArrayView(GetParam().positions17to26, 2));
    r.setRaw(SettingsField::TaxekodIndex, QByteArrayView(GetParam().positions17to26 + 2, 2));
    r.setRaw(SettingsField::Skatt, QByteArrayView(GetParam().positions17to26 + 4, 2));
    r.setRaw(SettingsField::Besökstyp, QByteArrayView(GetParam().positions17to26 + 6, 2));
    r.setRaw(SettingsField::Yrke, QByteArrayView(GetParam().positions17to26 + 8, 2));
    writeSettings(r);
    startProgram();
    frmInställningar& f = öppna();
    EXPECT_EQ(bild(f).section(u'|', 2, 6), QString::fromUtf16(GetParam().shown));
    app.click(f.cmdSpara);
    EXPECT_EQ(positioner(17, 26), QByteArray(GetParam().saved));
    EXPECT_EQ(inställningsfil().size(), 196);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredValues,
    ::testing::Values(
        Stored{"FirstChoices", "0 1 -1-1-1", u"1|0|F-Skatt|Läkare|Nybesök", "0 1 -1-1-1"},
        Stored{"SecondChoices", "2 4 0 0 0 ", u"4|2|A-Skatt|Sjukgymnast|Återbesök", "2 4 0 0 0 "},
        Stored{"TwoBlanksInYrkeSelectNeitherAndStay", "0 1 -1-1  ", u"1|0|F-Skatt|-|Nybesök", "0 1 -1-1  "},
        Stored{"OtherChoiceValuesSelectNeither", "0 1 1 -0x ", u"1|0|-|-|-", "0 1 1 -0x "},
        Stored{"NoSelectionIsStoredAsMinusOne", "-1-1-1-1-1", u"-1|-1|F-Skatt|Läkare|Nybesök", "-1-1-1-1-1"},
        Stored{"RowsBeyondTheListsSelectNothing", "3 5 -1-1-1", u"-1|-1|F-Skatt|Läkare|Nybesök", "-1-1-1-1-1"},
        Stored{"NoNumberSelectsNothing", "  x1-1-1-1", u"-1|-1|F-Skatt|Läkare|Nybesök", "-1-1-1-1-1"},
        Stored{"BlanksAroundAnIndexAreIgnored", " 2 3-1-1-1", u"3|2|F-Skatt|Läkare|Nybesök", "2 3 -1-1-1"}),
    [](const auto& info) { return std::string(info.param.name); });

// An option pair whose field holds neither choice keeps what the window showed before.
TEST_F(Settings, AFieldWithNeitherChoiceLeavesTheOptionsAsTheyWere)
{
    startProgram();
    frmInställningar& f = öppna();
    SettingsRecord r = clinicSettings();
    r.setRaw(SettingsField::Yrke, "  ");
    writeSettings(r);
    tillDeskenOchTillbaka();
    EXPECT_EQ(bild(f), Testkliniken) << "Läkare stays selected";
}

TEST_F(Settings, AnEditLeftUnsavedIsReplacedWhenTheWindowComesBack)
{
    startProgram();
    frmInställningar& f = öppna();
    skrivOchLämna(f.txtKlinik, u"Vårdcentralen Öster"_s);
    tillDeskenOchTillbaka();
    EXPECT_EQ(f.txtKlinik.text(), u"Testkliniken"_s);

    skrivOchLämna(f.txtKlinik, u"Vårdcentralen Öster"_s);
    app.click(f.cmdSpara);
    EXPECT_TRUE(app.isShown(f));
    tillDeskenOchTillbaka();
    EXPECT_EQ(f.txtKlinik.text(), u"Vårdcentralen Öster"_s);
    EXPECT_EQ(positioner(35, 84), fält("V\xE5rdcentralen \xD6ster", 50));
    EXPECT_TRUE(dialogs.messages().empty()) << "a save that works says nothing";

    // Text that the file cannot hold is refused as it is typed.
    EXPECT_FALSE(app.type(f.txtKlinik, u"Łódź vårdcentral"_s));
    EXPECT_EQ(f.txtKlinik.text(), u"Vårdcentralen Öster"_s);
}

TEST_F(Settings, StängAndEscLeaveFileAndRecordAsTheyWere)
{
    startProgram();
    const QByteArray före = inställningsfil();
    const SettingsRecord record = program.Inställningar;
    for (bool esc : {false, true}) {
        frmInställningar& f = öppna();
        skrivOchLämna(f.txtNamn, u"Doktor Annan"_s);
        app.click(*f.optYrke[1]);
        // Esc closes even from a kombikakod box that would be refused.
        ASSERT_TRUE(app.type(f.txtKombikakod, u"123"_s));
        if (esc) {
            app.pressEscape();
        } else {
            ASSERT_TRUE(app.type(f.txtKombikakod, u"12345ABCD67"_s));
            app.click(f.cmdStäng);
        }
        EXPECT_FALSE(app.isShown(f));
        EXPECT_EQ(app.activeForm(), &kassa());
        EXPECT_EQ(inställningsfil(), före);
        EXPECT_TRUE(program.Inställningar == record);
        EXPECT_EQ(kassa().caption(), u"Kassaprogram för Läkare Ver 6.02"_s);
    }
    // Loaded afresh: the file's values, the lists filled once, the focus on the first stop.
    frmInställningar& f = öppna();
    EXPECT_EQ(bild(f), Testkliniken);
    EXPECT_EQ(f.lstTaxekod.listCount(), 5);
    EXPECT_EQ(f.focused(), &f.lstTaxekod);
    EXPECT_TRUE(dialogs.messages().empty());
}

struct Check {
    const char* name;
    bool vikarie;
    const char16_t* typed;
    QString message; // empty: accepted
};

class KombikakodCheck : public Settings, public ::testing::WithParamInterface<Check> {};

TEST_P(KombikakodCheck, RunsWhenTheBoxIsLeft)
{
    startProgram();
    frmInställningar& f = öppna();
    ui::TextBox& box = GetParam().vikarie ? f.txtVikKomkod : f.txtKombikakod;
    const QString typed = QString::fromUtf16(GetParam().typed);
    if (!GetParam().message.isEmpty())
        dialogs.expectMessage(GetParam().message);
    skrivOchLämna(box, typed);
    EXPECT_EQ(f.focused() == &box, !GetParam().message.isEmpty());
    EXPECT_EQ(box.text(), typed);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, KombikakodCheck,
    ::testing::Values(Check{"EmptyKombikakod", false, u"", text::SkrivitFörFåTecken},
                      Check{"TenCharacters", false, u"12345ABCD6", text::SkrivitFörFåTecken},
                      Check{"Blank", false, u"12345 BCD67", text::Mellanslag},
                      Check{"LetterInTheFirstFive", false, u"1234XABCD67", text::BokstavSiffra},
                      Check{"LetterInTheLastTwo", false, u"12345ABCD6X", text::BokstavSiffra},
                      Check{"GoodKombikakod", false, u"99999ÅÄÖ-12", {}},
                      Check{"EmptyVikarie", true, u"", {}},
                      Check{"BlanksOnlyVikarie", true, u"   ", {}},
                      Check{"FourDigitVikarie", true, u"1234", text::FelaktigKombikakod},
                      Check{"VikarieWithALetter", true, u"12A45", text::FelaktigKombikakod},
                      Check{"VikarieWithABlank", true, u"12 45", text::FelaktigKombikakod},
                      Check{"GoodVikarie", true, u"54321", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A box that refuses to be left keeps "S&para" and "&Stäng" from acting, by click and by Enter.
TEST_F(Settings, ARefusedKombikakodStopsSparaAndStäng)
{
    startProgram();
    const QByteArray före = inställningsfil();
    frmInställningar& f = öppna();
    ASSERT_TRUE(app.type(f.txtKombikakod, u"12345"_s));
    for (int step = 0; step < 3; ++step) {
        dialogs.expectMessage(text::SkrivitFörFåTecken);
        if (step == 0)
            app.click(f.cmdSpara);
        else if (step == 1)
            app.click(f.cmdStäng);
        else
            app.pressEnter();
        EXPECT_EQ(f.focused(), &f.txtKombikakod) << step;
        EXPECT_TRUE(app.isShown(f)) << step;
        EXPECT_EQ(inställningsfil(), före) << step;
    }
    ASSERT_TRUE(app.type(f.txtKombikakod, u"12345ABCD99"_s));
    app.pressEnter();
    EXPECT_EQ(positioner(1, 11), QByteArray("12345ABCD99"));
    EXPECT_EQ(f.focused(), &f.txtKombikakod) << "Enter moves no focus";
}

TEST_F(Settings, ALongClinicNameIsSavedAndShownAsItsFirst50Characters)
{
    startProgram();
    frmInställningar& f = öppna();
    const QString sextio = u"Rehabiliteringsmottagningen för idrottsskador i Norra Lappland"_s.left(60);
    ASSERT_EQ(sextio.size(), 60);
    skrivOchLämna(f.txtKlinik, sextio);
    app.click(f.cmdSpara);
    EXPECT_EQ(positioner(35, 84), QByteArray("Rehabiliteringsmottagningen f\xF6r idrottsskador i No"));
    EXPECT_EQ(positioner(85, 95), QByteArray("Doktor Test")) << "the next field in its place";
    tillDeskenOchTillbaka();
    EXPECT_EQ(f.txtKlinik.text(), sextio.left(50));
}

TEST_F(Settings, SavesEveryFieldByteForByteAndKeepsArvFom)
{
    SettingsRecord r = clinicSettings();
    r.setRaw(SettingsField::ArvFom, "124");
    writeSettings(r);
    startProgram();
    frmInställningar& f = öppna();
    skrivOchLämna(f.txtKombikakod, u"98765XYZW43"_s);
    skrivOchLämna(f.txtVikKomkod, u"54321"_s);
    app.select(f.lstTaxekod, 3);
    app.select(f.lstÅtgärd, 2);
    app.click(*f.optSkatt[1]);
    app.click(*f.optBesök[1]);
    app.click(*f.optYrke[1]);
    skrivOchLämna(f.txtKlinik, u"Vårdcentralen Öster"_s);
    skrivOchLämna(f.txtNamn, u"  Åsa Ängström"_s);
    skrivOchLämna(f.txtAdress, u"Kyrkogatan 3"_s);
    skrivOchLämna(f.txtPostadress, u"752 20 Uppsala"_s);
    skrivOchLämna(f.txtTelefon, u"018-123 45"_s);
    app.click(f.cmdSpara);

    const QByteArray expected = "98765XYZW43" "54321" "2 " "3 " "0 " "0 " "0 " "124     "
                                + fält("V\xE5rdcentralen \xD6ster", 50) + fält("  \xC5sa \xC4ngstr\xF6m", 40)
                                + fält("Kyrkogatan 3", 30) + fält("752 20 Uppsala", 25)
                                + fält("018-123 45", 15) + "\r\n";
    EXPECT_EQ(inställningsfil(), expected);
    EXPECT_EQ(program.Inställningar.bytes().toByteArray(), expected.left(194));
    EXPECT_EQ(fileNames(), QStringList({u"Inställn.txt"_s, u"PatBesök.Dat"_s, u"Taxa.txt"_s, u"Åtgärd.txt"_s}))
        << "no temporary file left beside it";
}

TEST_F(Settings, TheDeskTakesUpASavedProfessionWhenItIsActivated)
{
    startProgram();
    frmInställningar& f = öppna();
    app.click(*f.optYrke[1]);
    skrivOchLämna(f.txtKombikakod, u"11111AAAA22"_s);
    app.click(f.cmdSpara);
    EXPECT_EQ(kassa().caption(), u"Kassaprogram för Läkare Ver 6.02"_s) << "the desk is not told";
    app.activate(kassa());
    EXPECT_EQ(kassa().caption(), u"Kassaprogram för Sjukgymnaster Ver 6.02"_s);
    EXPECT_FALSE(kassa().lstRemissTill.visible());
    EXPECT_EQ(kassa().txtKombikakod.text(), u"11111AAAA22"_s);
    EXPECT_TRUE(app.isShown(f)) << "the settings window stays open behind the desk";
}

TEST_F(Settings, AFirstStartWritesTheDefaultAndOpensTheWindowOverTheDesk)
{
    ASSERT_TRUE(QFile::remove(path(u"Inställn.txt"_s)));
    startProgram();
    frmInställningar* f = windows->inställningar();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(app.activeForm(), f);
    EXPECT_EQ(app.shownForms(), (std::vector<ui::Form*>{&kassa(), f}));
    EXPECT_EQ(inställningsfil(), fält("", 16) + "0 0 -1-1-11       " + fält("", 160) + "\r\n");
    EXPECT_EQ(bild(*f), u"||0|0|F-Skatt|Läkare|Nybesök|||||"_s);
    EXPECT_EQ(kassa().caption(), u"Kassaprogram för Läkare Ver 6.02"_s);

}

TEST_F(Settings, AFailedSaveSaysWhyAndKeepsFileRecordAndTypedValues)
{
    startProgram();
    const QByteArray före = inställningsfil();
    const SettingsRecord record = program.Inställningar;
    frmInställningar& f = öppna();
    skrivOchLämna(f.txtKlinik, u"Vårdcentralen Öster"_s);
    app.click(*f.optYrke[1]);
    {
        FileSizeLimit limit(100);
        ASSERT_TRUE(limit.ok());
        dialogs.expectMessage(u"OBS! Inställningarna är inte sparade!\n"
                              u"Filen Inställn.txt kunde inte sparas: filen blir för stor.\n"
                              u"Rätta felet och tryck på Spara igen."_s);
        app.click(f.cmdSpara);
    }
    EXPECT_EQ(inställningsfil(), före);
    EXPECT_TRUE(program.Inställningar == record) << "the record holds what the file holds";
    EXPECT_EQ(f.txtKlinik.text(), u"Vårdcentralen Öster"_s);
    EXPECT_TRUE(f.optYrke[1]->value());
    EXPECT_EQ(fileNames(), QStringList({u"Inställn.txt"_s, u"PatBesök.Dat"_s, u"Taxa.txt"_s, u"Åtgärd.txt"_s}))
        << "no temporary file left";

    app.click(f.cmdSpara);
    EXPECT_EQ(positioner(25, 26), QByteArray("0 "));
    EXPECT_EQ(positioner(35, 84), fält("V\xE5rdcentralen \xD6ster", 50));
}

// A code file gone since the desk started: that list stays empty and its stored default is kept.
TEST_F(Settings, AnUnreadableCodeFileLeavesItsListEmptyAndItsDefaultAsSaved)
{
    startProgram();
    ASSERT_TRUE(QFile::remove(path(u"Åtgärd.txt"_s)));
    ProcedureTable scratch;
    const QString fel = codetables::HämtaÅtgärdsFil(program.folder, scratch).error;
    ASSERT_TRUE(fel.contains(u"Åtgärd.txt"_s)) << fel.toStdString();
    dialogs.expectMessage(fel + u"\nListan över åtgärder blir tom, och den sparade åtgärden behålls."_s);
    frmInställningar& f = öppna();
    EXPECT_EQ(f.lstÅtgärd.listCount(), 0);
    EXPECT_EQ(bild(f).section(u'|', 2, 3), u"1|-1"_s);
    app.select(f.lstTaxekod, 4);
    app.click(f.cmdSpara);
    EXPECT_EQ(positioner(17, 20), QByteArray("0 4 "));
}

// What typing and pasting do in the boxes: a paste longer than the box keeps what fits, one
// holding a character that cannot be stored is refused whole, a TAB stored in a field leaves
// its box editable, and Alt with a letter that is no access key types nothing while AltGr
// (Ctrl+Alt) types. Closed with a box focused, the window opens again on its first stop.
TEST_F(Settings, PastesKeysAndAStoredTabInTheBoxes)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::Klinik, u"Test\tkliniken"_s);
    writeSettings(settings);
    startProgram();
    frmInställningar& f = öppna();
    EXPECT_TRUE(app.type(f.txtKombikakod, u"98765XYZW4321"_s));
    EXPECT_EQ(f.txtKombikakod.text(), u"98765XYZW43"_s);
    EXPECT_FALSE(app.type(f.txtVikKomkod, u"12\t34"_s));
    EXPECT_FALSE(app.type(f.txtVikKomkod, u"1234567"_s + QChar(0x0142)));
    EXPECT_EQ(f.txtVikKomkod.text(), QString());

    EXPECT_TRUE(app.type(f.txtKlinik, u"Test\tklinike"_s)) << "Backspace";
    EXPECT_TRUE(app.type(f.txtKlinik, u"Test\tklinike Syd"_s));
    EXPECT_FALSE(app.type(f.txtKlinik, u"Test\tklinike\tSyd"_s));
    EXPECT_EQ(f.txtKlinik.text(), u"Test\tklinike Syd"_s);

    EXPECT_TRUE(app.keyDown('Q', ui::keys::Alt)) << "taken: nothing typed";
    EXPECT_FALSE(app.keyDown('2', ui::keys::Ctrl | ui::keys::Alt)) << "AltGr: the box types";
    EXPECT_EQ(f.focused(), &f.txtKlinik);
    EXPECT_TRUE(app.keyDown('V', ui::keys::Alt));
    EXPECT_EQ(f.focused(), &f.txtVikKomkod) << "an access key still acts";

    app.pressEscape();
    EXPECT_EQ(öppna().focused(), &f.lstTaxekod);
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
