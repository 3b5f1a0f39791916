// The Lagra… procedures that turn the desk into desk values, and LagraBesök, which puts them
// with the text boxes into the visit table, field by field.

#include "desk/desk_scenario.h"

using namespace Qt::StringLiterals;

namespace {


class DeskStore : public DeskScenario {
protected:
    void SetUp() override
    {
        writeClinicFiles();
        writeNumberedVisits(10);
        startDesk();
    }

    // The Lagra… procedures in the order registration runs them.
    void lagraAllt()
    {
        app.runEvent([this] {
            desk->LagraSkatt();
            desk->LagraIdNummer();
            desk->LagraKvittonummer();
            desk->LagraTaxekod();
            desk->LagraRegistreringstyp();
            desk->LagraBesökstyp();
            desk->LagraÅtgärd();
            desk->LagraSmittskydd();
            desk->LagraRemissTill();
            desk->LagraPatientavgift();
            desk->LagraÅtgärdsbelopp();
            desk->LagraEjBetPatAvg();
        });
    }
};

TEST_F(DeskStore, LagraBesökFillsThe21FieldsFromTheDesk)
{
    gåTill(u"4"_s);
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtReservnummer, reservnummer()));
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, födelsedatum()));
    ASSERT_TRUE(app.type(desk->txtVikKomkod, u"54321"_s));
    ASSERT_TRUE(app.type(desk->txtBesöksDatum, u"261207"_s));
    ASSERT_TRUE(app.type(desk->txtRemissFrån, u"12345678X90"_s));
    ASSERT_TRUE(app.type(desk->txtRemissDatum, u"261101"_s));
    ASSERT_TRUE(app.type(desk->txtDiagnoskod, u"J06"_s));
    app.select(desk->lstTaxekod, 2);
    app.select(desk->lstÅtgärd, 1);
    app.select(desk->lstRemissTill, 3);
    app.click(*desk->optBesök[1]);
    app.click(desk->chkAkutbesök);
    app.click(desk->chkEjBetPatAvg);
    app.chooseMenu(*desk->mnuSkatt[1]);

    lagraAllt();
    app.runEvent([this] { desk->LagraBesök(4); });

    VisitRecord expected;
    const std::pair<VisitField, const char16_t*> fields[] = {
        {VisitField::Registreringstyp, u"1"}, {VisitField::Kombikakod, u"12345ABCD67"},
        {VisitField::VikKomkod, u"54321"},    {VisitField::Kvittonummer, u"00000004"},
        {VisitField::Skatt, u"A"},            {VisitField::IdNummer, u"1234567898"},
        {VisitField::IdTyp, u"R"},            {VisitField::Födelsedatum, u"450312"},
        {VisitField::Besöksdatum, u"261207"}, {VisitField::Besökstyp, u"1"},
        {VisitField::Akutbesök, u"1"},        {VisitField::Taxekod, u"03"},
        {VisitField::Smittskydd, u"0"},       {VisitField::Åtgärd, u"B002"},
        {VisitField::RemissFrån, u"12345678X90"}, {VisitField::RemissDatum, u"261101"},
        {VisitField::RemissTill, u"03"},      {VisitField::Patientavgift, u" 50"},
        {VisitField::Åtgärdsbelopp, u" 500"}, {VisitField::EjBetPatAvg, u"0000"},
        {VisitField::Diagnoskod, u"J06"}};
    for (const auto& [field, value] : fields)
        expected.setText(field, QString::fromUtf16(value));
    EXPECT_EQ(desk->besök()[4].bytes().toByteArray(), expected.bytes().toByteArray());
    EXPECT_EQ(desk->besök().upperBound(), 4) << "the table ends at the receipt stored";
    EXPECT_EQ(desk->lblPatientavgift.caption(), u" 50 Kr"_s);
}

TEST_F(DeskStore, AVisitWithoutAnyRowOrChoiceStoresBlankCodes)
{
    app.runEvent([this] {
        desk->lstTaxekod.setListIndex(-1);
        desk->lstÅtgärd.setListIndex(-1);
        desk->lstRemissTill.setListIndex(-1);
        for (ui::MenuItem* item : desk->mnuSkatt)
            item->setChecked(false);
    });
    lagraAllt();

    const frmKassa::DeskValues& v = desk->värden();
    EXPECT_EQ(QStringList({v.Skatt, v.Taxekod, v.Åtgärd, v.RemissTill, v.Patientavgift, v.Åtgärdsbelopp}),
              QStringList(6, QString()));
    EXPECT_EQ(desk->lblPatientavgift.caption(), QString()) << "no tariff, no fee";
    EXPECT_EQ(v.EjBetPatAvg, u"    "_s);
}

// How the receipt number is reached: "Gå till..." in registration mode, typed into the voiding
// field in voiding mode, or neither mode checked.
enum class Läge { GåTill, Makulering, Inget };

struct Nummer {
    const char* name;
    Läge läge;
    const char16_t* text;
    const char16_t* expected;
};

class DeskKvittonummer : public DeskStore, public ::testing::WithParamInterface<Nummer> {};

TEST_P(DeskKvittonummer, IsTheShownOrTheVoidedNumberWithLeadingZeros)
{
    const QString text = QString::fromUtf16(GetParam().text);
    switch (GetParam().läge) {
    case Läge::GåTill:
        gåTill(text);
        break;
    case Läge::Makulering:
        app.chooseMenu(*desk->mnuNyReg[1]);
        ASSERT_TRUE(app.type(desk->txtMakulering, text));
        break;
    case Läge::Inget:
        for (ui::MenuItem* item : desk->mnuNyReg)
            item->setChecked(false);
        break;
    }
    app.runEvent([this] { desk->LagraKvittonummer(); });
    EXPECT_EQ(desk->värden().Kvittonummer, QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fall, DeskKvittonummer,
    ::testing::Values(Nummer{"ShownReceipt", Läge::GåTill, u"7", u"00000007"},
                      Nummer{"ShownWithLeadingZero", Läge::GåTill, u"05", u"00000005"},
                      Nummer{"Voided", Läge::Makulering, u"12", u"00000012"},
                      Nummer{"SevenCharacters", Läge::Makulering, u"1234567", u"01234567"},
                      Nummer{"EightCharactersAsTheyStand", Läge::Makulering, u"00000099", u"00000099"},
                      Nummer{"NineCharactersAsTheyStand", Läge::Makulering, u"123456789", u"123456789"},
                      Nummer{"EmptyVoidedNumber", Läge::Makulering, u"", u""},
                      Nummer{"NoMode", Läge::Inget, u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

// Ticking "Smittskyddsbesök" on a reserve-number visit empties the birth date but leaves its row
// in place; only the display of an infection-control visit hides it.
TEST_F(DeskStore, InfectionControlEmptiesTheBirthDateWithoutHidingIt)
{
    app.chooseMenu(*desk->mnuIdTyp[1]);
    ASSERT_TRUE(app.type(desk->txtFödelsedatum, födelsedatum()));
    app.click(desk->chkSmittskydd);

    EXPECT_EQ(desk->värden().Smittskydd, u"1"_s);
    EXPECT_EQ(desk->txtFödelsedatum.text(), QString());
    EXPECT_FALSE(desk->txtFödelsedatum.enabled());
    EXPECT_TRUE(desk->txtFödelsedatum.visible());
    EXPECT_FALSE(desk->txtReservnummer.visible());
}

} // namespace
