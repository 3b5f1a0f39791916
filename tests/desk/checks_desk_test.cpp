// The field checks as the receptionist meets them: type, leave the box, read the message; the
// box keeps its text and the focus. And the duplicate warning, LetaDubblett.

#include "desk/regfixture.h"

using namespace Qt::StringLiterals;

namespace {

class LeavingABox : public RegistrationFixture {
protected:
    void SetUp() override
    {
        RegistrationFixture::SetUp();
        writeNumberedVisits(2);
        startDesk();
        ASSERT_FALSE(desk->startFailed());
        app.click(desk->cmdNästa); // receipt 3, new
        app.chooseMenu(*desk->mnuIdTyp[1]); // the reserve-number rows too
        app.chooseMenu(*desk->mnuIdTyp[0]);
    }

    // Types `text` into `box`, then tries to move on to the diagnosis box.
    void typeThenLeave(ui::TextBox& box, const QString& text, const std::optional<QString>& message)
    {
        SCOPED_TRACE(box.name().toStdString() + " \"" + text.toStdString() + "\"");
        ASSERT_TRUE(app.type(box, text));
        if (message)
            dialogs.expectMessage(*message);
        const bool moved = app.focusByUser(desk->txtDiagnoskod);
        EXPECT_EQ(moved, !message.has_value());
        EXPECT_EQ(focusName(), message ? box.name() : QStringLiteral("txtDiagnoskod"));
        EXPECT_EQ(box.text(), text) << "the text stays as typed";
        if (message) {
            ASSERT_EQ(dialogs.messages().size(), 1u);
            EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);
            EXPECT_EQ(dialogs.messages()[0].icon, ui::Icon::None);
            EXPECT_EQ(dialogs.messages()[0].title.toStdString(), "Vilmer 6.02");
            // Erased, the box lets the user go.
            ASSERT_TRUE(app.type(box, QString()));
            if (&box == &desk->txtKombikakod) {
                ASSERT_TRUE(app.type(box, QStringLiteral("12345ABCD67")));
            }
            EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
        }
        dialogs.clear();
    }
};

} // namespace

TEST_F(LeavingABox, EveryBoxRefusesAndAccepts)
{
    using namespace fieldchecks;
    typeThenLeave(desk->txtPersonnummer, u"19000101000"_s, text::FörFåTecken);
    typeThenLeave(desk->txtPersonnummer, u"210001010008"_s, text::FelaktigtÅrhundrade);
    typeThenLeave(desk->txtPersonnummer, u"190001010007"_s, text::FelaktigtPersonnummer);
    typeThenLeave(desk->txtPersonnummer, u"19000101E008"_s, text::EndastSiffror);
    typeThenLeave(desk->txtPersonnummer, u"191401682396"_s, std::nullopt);
    typeThenLeave(desk->txtPersonnummer, u"190001010008"_s, std::nullopt);

    typeThenLeave(desk->txtBesöksDatum, u"26 208"_s, text::Mellanslag);
    typeThenLeave(desk->txtBesöksDatum, u"991399"_s, std::nullopt);
    typeThenLeave(desk->txtKombikakod, u"A2345ABCD67"_s, text::BokstavSiffra);
    typeThenLeave(desk->txtKombikakod, u""_s, text::SkrivitFörFåTecken);
    typeThenLeave(desk->txtKombikakod, u"12345WXYZ67"_s, std::nullopt);
    typeThenLeave(desk->txtVikKomkod, u"1A345"_s, text::FelaktigKombikakod);
    typeThenLeave(desk->txtVikKomkod, u"1,234"_s, std::nullopt);
    typeThenLeave(desk->txtRemissFrån, u"1234567X901"_s, text::BokstavSiffraRemiss);
    typeThenLeave(desk->txtRemissFrån, u"1234 678901"_s, text::MellanslagRemiss);
    typeThenLeave(desk->txtRemissFrån, u"12345678X01"_s, std::nullopt);
    typeThenLeave(desk->txtRemissDatum, u"2611a1"_s, text::EndastSiffror);
    typeThenLeave(desk->txtRemissDatum, u"      "_s, std::nullopt);

    app.chooseMenu(*desk->mnuIdTyp[1]);
    typeThenLeave(desk->txtReservnummer, u"0001010007"_s, text::FelaktigtReservnummer);
    typeThenLeave(desk->txtReservnummer, u"0050000000"_s, std::nullopt);
    typeThenLeave(desk->txtFödelsedatum, u"50010"_s, text::FörFåTecken);
    typeThenLeave(desk->txtFödelsedatum, u"500101"_s, std::nullopt);
}

TEST_F(LeavingABox, ARefusalCancelsTheClickThatLeftTheBox)
{
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121213"_s));
    dialogs.expectMessage(fieldchecks::text::FelaktigtPersonnummer);
    app.click(desk->cmdRegistrera);
    EXPECT_EQ(focusName().toStdString(), "txtPersonnummer");
    EXPECT_EQ(visitFile().size(), 2 * 95) << "nothing registered";
}

TEST_F(LeavingABox, TheVisitDateSelectsTheDay)
{
    ASSERT_TRUE(app.focusByUser(desk->txtBesöksDatum));
    EXPECT_EQ(desk->txtBesöksDatum.selStart(), 4);
    EXPECT_EQ(desk->txtBesöksDatum.selLength(), 2);
}

TEST_F(LeavingABox, TheDuplicateWarningRunsOnlyWhenAskedFor)
{
    // Receipt 2 holds 191212121212 on 261203; the desk is on receipt 3, the table's last entry.
    ASSERT_EQ(desk->besök().upperBound(), 3);
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"261203"_s));
    typeThenLeave(desk->txtPersonnummer, u"191212121212"_s, std::nullopt);

    app.click(desk->chkDubletter);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121212"_s));
    dialogs.expectMessage(fieldchecks::text::Dubblett);
    // A warning: the focus moves on.
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    EXPECT_EQ(focusName().toStdString(), "txtDiagnoskod");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);

    // A wrong personnummer is refused before anything is compared.
    dialogs.clear();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, u"191212121213"_s));
    dialogs.expectMessage(fieldchecks::text::FelaktigtPersonnummer);
    EXPECT_FALSE(app.focusByUser(desk->txtDiagnoskod));
}

namespace {

class Dubblett : public RegistrationFixture {
protected:
    void start(const std::vector<VisitRecord>& records)
    {
        writeVisits(records);
        startDesk();
        ASSERT_FALSE(desk->startFailed());
        dialogs.clear();
    }
    void expectWarnings(const QString& personnummer, const QString& datum, int count)
    {
        SCOPED_TRACE("\"" + personnummer.toStdString() + "\" \"" + datum.toStdString() + "\"");
        desk->txtPersonnummer.setText(personnummer);
        desk->txtBesöksDatum.setText(datum);
        for (int i = 0; i < count; ++i)
            dialogs.expectMessage(fieldchecks::text::Dubblett);
        desk->LetaDubblett();
        EXPECT_EQ(int(dialogs.messages().size()), count);
        dialogs.clear();
    }
};

} // namespace

TEST_F(Dubblett, OneMessagePerMatchingRecordComparedExactly)
{
    start({visit(1, u"191212121212"_s, u"261201"_s), visit(2, u"190001010008"_s, u"261201"_s),
           visit(3, u"191212121212"_s, u"261201"_s), visit(4, u"0001010008"_s, u"261202"_s),
           visit(5, u"191212121212"_s, u"261202"_s)});
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "5");
    expectWarnings(u"191212121212"_s, u"261201"_s, 2);
    expectWarnings(u"191212121212"_s, u"261202"_s, 1);
    expectWarnings(u"191212121212"_s, u"261203"_s, 0);
    expectWarnings(u"19121212121"_s, u"261201"_s, 0);
    // All 12 characters, trailing blanks included: a reserve number is stored with two.
    expectWarnings(u"0001010008"_s, u"261202"_s, 0);
    expectWarnings(u"0001010008  "_s, u"261202"_s, 1);
    // All 6 characters of the date.
    expectWarnings(u"191212121212"_s, u"26120"_s, 0);
}

TEST_F(Dubblett, SilentWhenTheDeskIsNotOnTheLastRecord)
{
    start({visit(1, u"191212121212"_s, u"261201"_s), visit(2, u"191212121212"_s, u"261201"_s)});
    dialogs.expectInput(u"1"_s);
    app.chooseMenu(desk->mnuGåTill);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "1");
    expectWarnings(u"191212121212"_s, u"261201"_s, 0);
    // "02" names the last record as a number.
    dialogs.expectInput(u"02"_s);
    app.chooseMenu(desk->mnuGåTill);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "02");
    expectWarnings(u"191212121212"_s, u"261201"_s, 2);
}
