// Browsing: "<<  Föregåen&de", "&Nästa  >>", "&Gå till..." and "Sök...", at both ends of the
// table, and what the desk answers to a receipt number that names no receipt. Browsing never
// writes anything.

#include "desk/desk_scenario.h"
#include "desk/menus_snapshot.h"

namespace {

QString s(const char16_t* text) { return QString::fromUtf16(text); }

class DeskBrowsing : public DeskScenario {
protected:
    void start(int visits)
    {
        writeClinicFiles();
        writeNumberedVisits(visits);
        startDesk();
        before = folderContents();
    }
    void TearDown() override
    {
        if (desk)
            EXPECT_EQ(folderContents(), before) << "browsing wrote to the folder";
    }
    // What the user sees, leaving out where the focus is (a click puts it on the button).
    QStringList seen() const { return snapshot::of(*desk).mid(1); }

    std::map<QString, QByteArray> before;
};

TEST_F(DeskBrowsing, FöregåendeStopsAtReceipt1)
{
    start(10);
    gåTill(s(u"2"));
    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"1"));
    EXPECT_EQ(desk->txtBesöksDatum.text(), desk->besök()[1].text(VisitField::Besöksdatum));

    const QStringList atFirst = seen();
    app.click(desk->cmdFöregående);
    EXPECT_EQ(seen(), atFirst) << snapshot::diff(atFirst, seen()).toStdString();
}

TEST_F(DeskBrowsing, NästaToAStoredReceiptShowsItWithoutTheDefaults)
{
    writeClinicFiles();
    std::vector<VisitRecord> records;
    for (int k = 1; k <= 6; ++k) {
        records.push_back(visit(k));
        records.back().setText(VisitField::Skatt, s(u"A")); // the clinic's default is F-Skatt
    }
    writeVisits(records);
    startDesk();
    before = folderContents();
    gåTill(s(u"3"));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, s(u"X")));

    app.click(desk->cmdNästa);

    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"4"));
    EXPECT_EQ(desk->besök().upperBound(), 6);
    EXPECT_TRUE(desk->mnuSkatt[1]->checked()) << "the receipt's own tax form";
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 0) << "the receipt's own tariff, not the default";
    EXPECT_EQ(desk->lblPatientavgift.caption(), s(u"100 Kr"));
    EXPECT_EQ(desk->txtDiagnoskod.text(), QString());
}

TEST_F(DeskBrowsing, SökDoesNothing)
{
    start(3);
    const QStringList was = seen();
    app.click(desk->cmdSök);
    EXPECT_EQ(seen(), was) << snapshot::diff(was, seen()).toStdString();
}

// --- Gå till ---

TEST_F(DeskBrowsing, GåTillProposesTheLastEntryAndShowsIt)
{
    start(10);
    gåTill(s(u"3"));
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].prompt, s(u"Skriv det kvittonummer Du vill gå till..."));
    EXPECT_EQ(dialogs.inputs()[0].title, s(u"Gå till..."));
    EXPECT_EQ(dialogs.inputs()[0].proposed, s(u"10"));
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"3"));

    gåTill(dialogs.inputs()[0].proposed); // the proposal accepted
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"10"));
    EXPECT_EQ(desk->txtBesöksDatum.text(), desk->besök()[10].text(VisitField::Besöksdatum));

    const QStringList was = seen();
    gåTill(QString()); // cancelled
    EXPECT_EQ(seen(), was);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskBrowsing, GåTillWithLeadingZerosShowsTheReceiptAgainAsTyped)
{
    start(10);
    gåTill(s(u"5"));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, s(u"X")));

    gåTill(s(u"5")); // the caption does not change: nothing is shown again
    EXPECT_EQ(desk->txtDiagnoskod.text(), s(u"X"));

    gåTill(s(u"05"));
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"05"));
    EXPECT_EQ(desk->txtDiagnoskod.text(), QString()) << "receipt 5 shown again";

    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"4"));
}

struct Svar {
    const char* name;
    const char16_t* answer;
};

class DeskGåTillRefused : public DeskBrowsing, public ::testing::WithParamInterface<Svar> {};

TEST_P(DeskGåTillRefused, WithAShortMessageAndNothingChanged)
{
    start(10);
    gåTill(s(u"4"));
    const QStringList was = seen();
    gåTill(s(GetParam().answer), s(u"OBS! Skriv ett kvittonummer från 1 till 10!"));

    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(seen(), was) << snapshot::diff(was, seen()).toStdString();
    EXPECT_EQ(desk->besök().upperBound(), 10);
}

INSTANTIATE_TEST_SUITE_P(Svar, DeskGåTillRefused,
                         ::testing::Values(Svar{"Letters", u"fem"}, Svar{"DigitAndLetter", u"5a"},
                                           Svar{"Zero", u"0"}, Svar{"Negative", u"-3"},
                                           Svar{"Plus", u"+5"}, Svar{"DecimalPoint", u"2.5"},
                                           Svar{"DecimalComma", u"2,5"}, Svar{"Exponent", u"1E1"},
                                           Svar{"AboveTheLast", u"11"}, Svar{"Beyond16Bits", u"70000"},
                                           Svar{"Blank", u" "}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The last receipt number ---

class DeskLastNumber : public DeskBrowsing {
protected:
    void SetUp() override { start(VisitTable::MaxRecords); }
};

TEST_F(DeskLastNumber, NästaOnReceipt32767SaysSoAndChangesNothing)
{
    ASSERT_EQ(desk->lblKvittoNr.caption(), s(u"32767"));
    const QStringList was = seen();
    dialogs.expectMessage(s(u"OBS! Sista kvittonumret (32767) är nått!"));

    app.click(desk->cmdNästa);

    EXPECT_EQ(seen(), was) << snapshot::diff(was, seen()).toStdString();
    EXPECT_EQ(desk->besök().upperBound(), VisitTable::MaxRecords);

    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"32766"));
}

TEST_F(DeskLastNumber, SkapaNyPostAfterReceipt32767SaysSoAndChangesNothing)
{
    const QStringList was = seen();
    dialogs.expectMessage(s(u"OBS! Sista kvittonumret (32767) är nått!"));
    app.runEvent([this] { desk->SkapaNyPost(); });
    EXPECT_EQ(seen(), was);
    EXPECT_EQ(desk->besök().upperBound(), VisitTable::MaxRecords);
}

TEST_F(DeskLastNumber, GåTillAboveTheLastIsRefused)
{
    gåTill(s(u"32768"), s(u"OBS! Skriv ett kvittonummer från 1 till 32767!"));
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"32767"));
}

TEST_F(DeskBrowsing, GåTillWithNoReceiptStoredYet)
{
    start(0);
    gåTill(s(u"1"), s(u"OBS! Det finns inga registrerade kvitton ännu!"));
    EXPECT_EQ(desk->lblKvittoNr.caption(), s(u"1"));
}

} // namespace
