// Browsing: "<<  Föregåen&de", "&Nästa  >>", "&Gå till..." and "Sök...", at both ends of the
// table, and what the desk answers to a receipt number that names no receipt. Browsing never
// writes anything.

#include "desk/desk_scenario.h"
#include "desk/menus_snapshot.h"

using namespace Qt::StringLiterals;

namespace {


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
    gåTill(u"2"_s);
    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
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
        records.back().setText(VisitField::Skatt, u"A"_s); // the clinic's default is F-Skatt
    }
    writeVisits(records);
    startDesk();
    before = folderContents();
    gåTill(u"3"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"X"_s));

    app.click(desk->cmdNästa);

    EXPECT_EQ(desk->lblKvittoNr.caption(), u"4"_s);
    EXPECT_EQ(desk->besök().upperBound(), 6);
    EXPECT_TRUE(desk->mnuSkatt[1]->checked()) << "the receipt's own tax form";
    EXPECT_EQ(desk->lstTaxekod.listIndex(), 0) << "the receipt's own tariff, not the default";
    EXPECT_EQ(desk->lblPatientavgift.caption(), u"100 Kr"_s);
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
    gåTill(u"3"_s);
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].prompt, u"Skriv det kvittonummer Du vill gå till..."_s);
    EXPECT_EQ(dialogs.inputs()[0].title, u"Gå till..."_s);
    EXPECT_EQ(dialogs.inputs()[0].proposed, u"10"_s);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"3"_s);

    gåTill(dialogs.inputs()[0].proposed); // the proposal accepted
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"10"_s);
    EXPECT_EQ(desk->txtBesöksDatum.text(), desk->besök()[10].text(VisitField::Besöksdatum));

    const QStringList was = seen();
    gåTill(QString()); // cancelled
    EXPECT_EQ(seen(), was);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DeskBrowsing, GåTillWithLeadingZerosShowsTheReceiptAgainAsTyped)
{
    start(10);
    gåTill(u"5"_s);
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"X"_s));

    gåTill(u"5"_s); // the caption does not change: nothing is shown again
    EXPECT_EQ(desk->txtDiagnoskod.text(), u"X"_s);

    gåTill(u"05"_s);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"05"_s);
    EXPECT_EQ(desk->txtDiagnoskod.text(), QString()) << "receipt 5 shown again";

    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"4"_s);
}

struct Svar {
    const char* name;
    const char16_t* answer;
};

class DeskGåTillRefused : public DeskBrowsing, public ::testing::WithParamInterface<Svar> {};

TEST_P(DeskGåTillRefused, WithAShortMessageAndNothingChanged)
{
    start(10);
    gåTill(u"4"_s);
    const QStringList was = seen();
    gåTill(QString::fromUtf16(GetParam().answer), u"OBS! Skriv ett kvittonummer från 1 till 10!"_s);

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
    ASSERT_EQ(desk->lblKvittoNr.caption(), u"32767"_s);
    const QStringList was = seen();
    dialogs.expectMessage(u"OBS! Sista kvittonumret (32767) är nått!"_s);

    app.click(desk->cmdNästa);

    EXPECT_EQ(seen(), was) << snapshot::diff(was, seen()).toStdString();
    EXPECT_EQ(desk->besök().upperBound(), VisitTable::MaxRecords);

    app.click(desk->cmdFöregående);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"32766"_s);
}

TEST_F(DeskLastNumber, SkapaNyPostAfterReceipt32767SaysSoAndChangesNothing)
{
    const QStringList was = seen();
    dialogs.expectMessage(u"OBS! Sista kvittonumret (32767) är nått!"_s);
    app.runEvent([this] { desk->SkapaNyPost(); });
    EXPECT_EQ(seen(), was);
    EXPECT_EQ(desk->besök().upperBound(), VisitTable::MaxRecords);
}

TEST_F(DeskLastNumber, GåTillAboveTheLastIsRefused)
{
    gåTill(u"32768"_s, u"OBS! Skriv ett kvittonummer från 1 till 32767!"_s);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"32767"_s);
}

TEST_F(DeskBrowsing, GåTillWithNoReceiptStoredYet)
{
    start(0);
    gåTill(u"1"_s, u"OBS! Det finns inga registrerade kvitton ännu!"_s);
    EXPECT_EQ(desk->lblKvittoNr.caption(), u"1"_s);
}

} // namespace
