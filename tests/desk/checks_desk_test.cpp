// The field checks as the receptionist meets them: type, leave the box, read the message; the
// box keeps its text and the focus. And the duplicate warning, LetaDubblett.

#include "desk/regfixture.h"

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
    typeThenLeave(desk->txtPersonnummer, s(u"19000101000"), text::FörFåTecken);
    typeThenLeave(desk->txtPersonnummer, s(u"210001010008"), text::FelaktigtÅrhundrade);
    typeThenLeave(desk->txtPersonnummer, s(u"190001010007"), text::FelaktigtPersonnummer);
    typeThenLeave(desk->txtPersonnummer, s(u"19000101E008"), text::EndastSiffror);
    typeThenLeave(desk->txtPersonnummer, s(u"191401682396"), std::nullopt);
    typeThenLeave(desk->txtPersonnummer, s(u"190001010008"), std::nullopt);

    typeThenLeave(desk->txtBesöksDatum, s(u"26 208"), text::Mellanslag);
    typeThenLeave(desk->txtBesöksDatum, s(u"991399"), std::nullopt);
    typeThenLeave(desk->txtKombikakod, s(u"A2345ABCD67"), text::BokstavSiffra);
    typeThenLeave(desk->txtKombikakod, s(u""), text::SkrivitFörFåTecken);
    typeThenLeave(desk->txtKombikakod, s(u"12345WXYZ67"), std::nullopt);
    typeThenLeave(desk->txtVikKomkod, s(u"1A345"), text::FelaktigKombikakod);
    typeThenLeave(desk->txtVikKomkod, s(u"1,234"), std::nullopt);
    typeThenLeave(desk->txtRemissFrån, s(u"1234567X901"), text::BokstavSiffraRemiss);
    typeThenLeave(desk->txtRemissFrån, s(u"1234 678901"), text::MellanslagRemiss);
    typeThenLeave(desk->txtRemissFrån, s(u"12345678X01"), std::nullopt);
    typeThenLeave(desk->txtRemissDatum, s(u"2611a1"), text::EndastSiffror);
    typeThenLeave(desk->txtRemissDatum, s(u"      "), std::nullopt);

    app.chooseMenu(*desk->mnuIdTyp[1]);
    typeThenLeave(desk->txtReservnummer, s(u"0001010007"), text::FelaktigtReservnummer);
    typeThenLeave(desk->txtReservnummer, s(u"0050000000"), std::nullopt);
    typeThenLeave(desk->txtFödelsedatum, s(u"50010"), text::FörFåTecken);
    typeThenLeave(desk->txtFödelsedatum, s(u"500101"), std::nullopt);
}

TEST_F(LeavingABox, ARefusalCancelsTheClickThatLeftTheBox)
{
    ASSERT_TRUE(app.type(desk->txtPersonnummer, s(u"191212121213")));
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
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, s(u"261203")));
    typeThenLeave(desk->txtPersonnummer, s(u"191212121212"), std::nullopt);

    app.click(desk->chkDubletter);
    ASSERT_TRUE(app.type(desk->txtPersonnummer, s(u"191212121212")));
    dialogs.expectMessage(fieldchecks::text::Dubblett);
    // A warning: the focus moves on.
    EXPECT_TRUE(app.focusByUser(desk->txtDiagnoskod));
    EXPECT_EQ(focusName().toStdString(), "txtDiagnoskod");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].buttons, ui::Buttons::Ok);

    // A wrong personnummer is refused before anything is compared.
    dialogs.clear();
    ASSERT_TRUE(app.type(desk->txtPersonnummer, s(u"191212121213")));
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
    start({visit(1, s(u"191212121212"), s(u"261201")), visit(2, s(u"190001010008"), s(u"261201")),
           visit(3, s(u"191212121212"), s(u"261201")), visit(4, s(u"0001010008"), s(u"261202")),
           visit(5, s(u"191212121212"), s(u"261202"))});
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "5");
    expectWarnings(s(u"191212121212"), s(u"261201"), 2);
    expectWarnings(s(u"191212121212"), s(u"261202"), 1);
    expectWarnings(s(u"191212121212"), s(u"261203"), 0);
    expectWarnings(s(u"19121212121"), s(u"261201"), 0);
    // All 12 characters, trailing blanks included: a reserve number is stored with two.
    expectWarnings(s(u"0001010008"), s(u"261202"), 0);
    expectWarnings(s(u"0001010008  "), s(u"261202"), 1);
    // All 6 characters of the date.
    expectWarnings(s(u"191212121212"), s(u"26120"), 0);
}

TEST_F(Dubblett, SilentWhenTheDeskIsNotOnTheLastRecord)
{
    start({visit(1, s(u"191212121212"), s(u"261201")), visit(2, s(u"191212121212"), s(u"261201"))});
    dialogs.expectInput(s(u"1"));
    app.chooseMenu(desk->mnuGåTill);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "1");
    expectWarnings(s(u"191212121212"), s(u"261201"), 0);
    // "02" names the last record as a number.
    dialogs.expectInput(s(u"02"));
    app.chooseMenu(desk->mnuGåTill);
    ASSERT_EQ(desk->lblKvittoNr.caption().toStdString(), "02");
    expectWarnings(s(u"191212121212"), s(u"261201"), 2);
}
