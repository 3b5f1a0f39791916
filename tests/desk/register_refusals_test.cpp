// What "Registrera" refuses, with its message and the field it sends the receptionist to; a
// refusal stores nothing and leaves PatBesök.Dat as it was.

#include "desk/regfixture.h"

#include "ui/form.h"

using namespace Qt::StringLiterals;

namespace {

class Refusals : public RegistrationFixture {
protected:
    // Receipt 3 opened after two stored visits, the focus in the diagnosis box (which has no
    // check of its own), so that nothing but the registration looks at the other boxes.
    void openReceipt3(const SettingsRecord& settings = clinicSettings())
    {
        writeSettings(settings);
        writeNumberedVisits(2);
        before = visitFile();
        startDesk();
        ASSERT_FALSE(desk->startFailed());
        app.click(desk->cmdNästa);
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    }
    void expectNothingStored()
    {
        EXPECT_EQ(visitFile(), before);
        EXPECT_EQ(screen.pointer, ui::Pointer::Default);
        EXPECT_TRUE(printer.documents().empty());
    }
    QByteArray before;
};

} // namespace

TEST_F(Refusals, APersonnummerTheDeskHoldsIsCheckedAgain)
{
    struct Row {
        const char16_t* text;
        QString message;
    };
    const Row rows[] = {
        {u"19121212121", fieldchecks::text::FörFåTecken},
        {u"1912121212120", fieldchecks::text::FörFåTecken},
        {u"1912121 1212", fieldchecks::text::Mellanslag},
        {u"19121212121E", fieldchecks::text::EndastSiffror},
        {u"171212121212", fieldchecks::text::FelaktigtÅrhundrade},
        {u"191212121213", fieldchecks::text::FelaktigtPersonnummer},
    };
    openReceipt3();
    app.click(desk->chkKvitto);
    for (const Row& row : rows) {
        // Text the desk put into the box itself (a stored receipt shown) is looked at only here.
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        desk->txtPersonnummer.setText(s(row.text));
        dialogs.expectMessage(row.message);
        app.click(desk->cmdRegistrera);
        EXPECT_EQ(focusName().toStdString(), "txtPersonnummer") << row.message.toStdString();
        EXPECT_EQ(desk->txtPersonnummer.text(), s(row.text)) << "the text stays as it was";
        expectNothingStored();
        // Leaving the box again checks it again; empty it so the next row starts clean.
        desk->txtPersonnummer.setText(QString());
    }
}

TEST_F(Refusals, AKombikakodFromTheSettingsIsCheckedAtRegistration)
{
    SettingsRecord settings = clinicSettings();
    settings.setText(SettingsField::Kombikakod, u"12A45ABCD67"_s);
    openReceipt3(settings);
    ASSERT_EQ(desk->txtKombikakod.text().toStdString(), "12A45ABCD67");
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    dialogs.expectMessage(fieldchecks::text::BokstavSiffra);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "txtKombikakod");
    expectNothingStored();
}

TEST_F(Refusals, WithoutPersonnummerTheKombikakodLengthIsNotAskedFor)
{
    openReceipt3();
    // Short, but characters 10 and 11 are missing: no digits there.
    desk->txtKombikakod.setText(u"12345"_s);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    dialogs.expectMessage(fieldchecks::text::BokstavSiffra);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "txtKombikakod");
    expectNothingStored();

    // Nor is character 1 looked at when registering (leaving the box does look at it).
    desk->txtKombikakod.setText(u"12345ABCD67"_s);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    desk->txtKombikakod.setText(u"X2345ABCD67"_s);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(1, 11), QByteArray("X2345ABCD67"));
    // Still in personnummer mode: the type is stored, with a blank number.
    EXPECT_EQ(storedRecord(3).mid(26, 13), QByteArray(12, ' ') + 'P');
}

TEST_F(Refusals, AWrongReserveNumberOnlyWarnsAtRegistration)
{
    openReceipt3();
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    desk->txtReservnummer.setText(u"0001010007"_s);
    dialogs.expectMessage(fieldchecks::text::IngetPersonnummer, ui::Answer::Yes);
    dialogs.expectMessage(fieldchecks::text::FelaktigtReservnummer);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(26, 13), QByteArray("0001010007  R"));
    EXPECT_EQ(focusName().toStdString(), "txtReservnummer");
}

TEST_F(Refusals, NoTariffRowSelected)
{
    SettingsRecord settings = clinicSettings();
    settings.setIndex(SettingsField::TaxekodIndex, -1);
    openReceipt3(settings);
    ASSERT_EQ(desk->lstTaxekod.listIndex(), -1);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    dialogs.expectMessage(u"OBS! Du har inte valt någon taxekod i listan Taxekod!"_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "lstTaxekod");
    expectNothingStored();

    app.select(desk->lstTaxekod, 0);
    app.click(desk->cmdRegistrera);
    ASSERT_EQ(visitFile().size(), 3 * 95);
    EXPECT_EQ(storedRecord(3).mid(53, 2), QByteArray("01"));
    EXPECT_EQ(storedRecord(3).mid(79, 3), QByteArray("100"));
}

TEST_F(Refusals, NoProcedureRowSelected)
{
    SettingsRecord settings = clinicSettings();
    settings.setIndex(SettingsField::ÅtgärdIndex, -1);
    openReceipt3(settings);
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    dialogs.expectMessage(u"OBS! Du har inte valt någon åtgärd i listan Åtgärd!"_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "lstÅtgärd");
    expectNothingStored();
}

namespace {
// A window of the program to leave the desk for, so that coming back activates it.
class OtherWindow : public ui::Form {
public:
    explicit OtherWindow(ui::Application& app) : ui::Form(app, QStringLiteral("frmAnnat")) {}
};
} // namespace

TEST_F(Refusals, ARowTheTariffFileNoLongerHas)
{
    openReceipt3();
    // The clinic shortens Taxa.txt while the desk runs; the desk reads it when it is activated
    // again, but its list keeps the rows it was filled with.
    writeFile(u"Taxa.txt"_s, QByteArray("01100" "02200"));
    OtherWindow other(app);
    app.show(other);
    app.close(other);
    ASSERT_EQ(desk->taxor().count(), 2);
    ASSERT_EQ(desk->lstTaxekod.listCount(), 5);

    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    app.select(desk->lstTaxekod, 4);
    dialogs.expectMessage(
        u"OBS! Den valda taxekoden i listan Taxekod finns inte längre i Taxa.txt!"_s);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "lstTaxekod");
    expectNothingStored();
}

TEST_F(Refusals, AReceiptNumberThatIsNoReceiptNumber)
{
    openReceipt3();
    typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
    for (const char16_t* caption : {u"40000", u"32768", u"abc", u"0", u"-5"}) {
        // Showing a number the table does not hold empties the desk's boxes; fill them again.
        desk->lblKvittoNr.setCaption(s(caption));
        ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        desk->txtPersonnummer.setText(u"191212121212"_s);
        desk->txtKombikakod.setText(u"12345ABCD67"_s);
        dialogs.expectMessage(u"OBS! Kvittonummer \"%1\" går inte att registrera!\n"
                                u"Ett kvittonummer är ett tal från 1 till 32767."_s
                                  .arg(s(caption)));
        app.click(desk->cmdRegistrera);
        expectNothingStored();
    }
}
