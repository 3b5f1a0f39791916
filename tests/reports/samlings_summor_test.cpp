// The totals of the collective invoice, computed from a visit table and two code lists.

#include "reports/samlingssummor.h"
#include "reports/samlings_reference.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Qt::StringLiterals;
using samlingsrakning::BeräknaSummor;
using samlingsrakning::Summor;

namespace {

struct Kvitto {
    QString typ, id, taxa, åtgärd;
};

VisitTable tabell(const std::vector<Kvitto>& kvitton)
{
    VisitTable t;
    for (const Kvitto& k : kvitton) {
        VisitRecord r;
        r.setText(VisitField::Registreringstyp, k.typ);
        r.setText(VisitField::Kvittonummer, u"%1"_s.arg(t.upperBound() + 1, 8, 10, QChar(u'0')));
        r.setText(VisitField::IdNummer, k.id);
        r.setText(VisitField::Taxekod, k.taxa);
        r.setText(VisitField::Åtgärd, k.åtgärd);
        // The fees stored with the visit are not what the invoice charges.
        r.setText(VisitField::Patientavgift, u"999"_s);
        r.setText(VisitField::Åtgärdsbelopp, u"9999"_s);
        t.records().append(r);
    }
    return t;
}

// The results as one line: treatments | free card | patient fees, treatment fees, both |
// receipts named in the warning. An unset count is empty.
std::string utfall(const Summor& s)
{
    const auto antal = [](const std::optional<int>& v) { return v ? QString::number(*v) : QString(); };
    QStringList namngivna;
    for (int r : s.ofullständiga)
        namngivna.append(QString::number(r));
    return u"%1|%2|%3 %4 %5|%6"_s.arg(antal(s.antalBehandlingar), antal(s.frikort))
        .arg(s.patientavgifter).arg(s.behandlingsavgifter).arg(s.summaErsättning)
        .arg(namngivna.join(u','))
        .toStdString();
}

const QString Pnr = u"191212121212"_s;
const QByteArray Taxor = "01100" "02200" "06  0";
const QByteArray Åtgärder = "A001 350" "B002 500";

TEST(Samlingsräkning, TotalsFollowTheRule)
{
    const Kvitto besök{u"1"_s, Pnr, u"01"_s, u"A001"_s};
    const Kvitto makulering{u"2"_s, Pnr, u"01"_s, u"A001"_s};
    struct Fall {
        const char* namn;
        std::string väntat;
        std::vector<Kvitto> kvitton;
        int från = 1, till = 0; // 0: to the last receipt
        QByteArray taxor = Taxor, åtgärder = Åtgärder;
    };
    const Fall fall[] = {
        {"three receipts of 100 and 350", "3||300 750 1050|", {besök, besök, besök}},
        {"a voided pair cancels in every result", "1|0|100 250 350|",
         {{u"1"_s, Pnr, u"06"_s, u"B002"_s}, besök, {u"2"_s, Pnr, u"06"_s, u"B002"_s}}},
        {"a voiding alone subtracts", "-1||-100 -250 -350|", {makulering}},
        {"a free-card receipt counts once in each count", "1|1|0 350 350|",
         {{u"1"_s, Pnr, u"06"_s, u"A001"_s}}},
        {"blank, 0-leading and the lowest identity number are skipped", "1||100 250 350|",
         {{u"1"_s, u""_s, u"02"_s, u"B002"_s}, {u"1"_s, u"0123456789"_s, u"02"_s, u"B002"_s},
          {u"1"_s, u"180001010000"_s, u"02"_s, u"B002"_s},
          {u"1"_s, u"180001010001"_s, u"01"_s, u"A001"_s}}},
        {"a range where nothing counts", "||0 0 0|", {{u"1"_s, u""_s, u"06"_s, u"A001"_s}, besök},
         1, 1},
        {"only the range counts", "1||200 300 500|",
         {besök, {u"1"_s, Pnr, u"02"_s, u"B002"_s}, besök}, 2, 2},
        // 0+0, 200+300, 200 kept + (350-200), 100 + 150 kept: each missing code is named.
        {"a missing code keeps the fee of the last receipt whose code was found, 0 at first",
         "4||500 600 1100|1,3,4",
         {{u"1"_s, Pnr, u"99"_s, u"Z999"_s}, {u"1"_s, Pnr, u"02"_s, u"B002"_s},
          {u"1"_s, Pnr, u"99"_s, u"A001"_s}, {u"1"_s, Pnr, u"01"_s, u"Z999"_s}}},
        {"a skipped receipt leaves the kept fees alone", "2||400 600 1000|3",
         {{u"1"_s, Pnr, u"02"_s, u"B002"_s}, {u"1"_s, u""_s, u"01"_s, u"A001"_s},
          {u"1"_s, Pnr, u"99"_s, u"Z999"_s}}},
        {"another registration type moves the fees but adds nothing and is not named",
         "1||200 300 500|3",
         {{u"3"_s, Pnr, u"02"_s, u"B002"_s}, {u"9"_s, Pnr, u"77"_s, u"B002"_s},
          {u"1"_s, Pnr, u"99"_s, u"Z999"_s}}},
        {"the last matching row gives the fee, every free-card row counts", "1|2|20 380 400|",
         {{u"1"_s, Pnr, u"06"_s, u"A001"_s}, {u"1"_s, Pnr, u"01"_s, u"A001"_s},
          {u"2"_s, Pnr, u"01"_s, u"A001"_s}},
         1, 0, "06 10" "01100" "06 20" "01120", "A001 350" "A001 400"},
        {"codes are exact text, blanks included", "1||80 120 200|",
         {{u"1"_s, Pnr, u"1"_s, u"A1"_s}}, 1, 0, " 1 70" "1  80", " A1  100" "A1   200"},
        {"a fee that is not a number counts as 0 and is named", "2||200 150 350|1,2",
         {{u"1"_s, Pnr, u"01"_s, u"A001"_s}, {u"1"_s, Pnr, u"02"_s, u"B002"_s}}, 1, 0,
         "011A0" "02200", "A001 350" "B002    "},
        // The desk's start-up warns of the same rows: a fee is a whole number of kronor.
        {"a fee with a decimal, an exponent or a sign is no fee: it counts as 0 and is named",
         "3||0 1050 1050|1,2,3",
         {besök, {u"1"_s, Pnr, u"02"_s, u"A001"_s}, {u"1"_s, Pnr, u"03"_s, u"A001"_s}}, 1, 0,
         "011,5" "029E4" "03-99", "A001 350"},
    };
    for (const Fall& f : fall) {
        const Summor s = BeräknaSummor(tabell(f.kvitton), codetables::tariffTable(f.taxor),
                                       codetables::procedureTable(f.åtgärder), f.från,
                                       f.till ? f.till : int(f.kvitton.size()));
        EXPECT_EQ(utfall(s), f.väntat) << f.namn;
        EXPECT_FALSE(s.överslagVid) << f.namn;
    }

    const Summor för_stor = BeräknaSummor(tabell({besök, {u"1"_s, Pnr, u"02"_s, u"A001"_s}}),
                                          codetables::tariffTable("01100" "023E9"),
                                          codetables::procedureTable(Åtgärder), 1, 2);
    // "3E9" once made a sum beyond 32 bits; as no fee it counts as 0 and is named.
    EXPECT_EQ(utfall(för_stor), "2||100 600 700|2");
    EXPECT_FALSE(för_stor.överslagVid);
}


// Random visits over small code lists with duplicate codes, codes the visits use but the lists
// lack, fees that are no numbers or have decimals, and a partial last row.
TEST(Samlingsräkning, IndexedTotalsEqualTheRowByRowWalk)
{
    std::mt19937 slump(20261209);
    const auto välj = [&slump](const std::vector<const char*>& av) {
        return QByteArray(av[std::uniform_int_distribution<size_t>(0, av.size() - 1)(slump)]);
    };
    const std::vector<const char*> taxekoder{"01", "02", "06", "1 ", "09", "99"};
    const std::vector<const char*> åtgärdskoder{"A001", "B002", "C3  ", "D004", "ZZZZ"};
    const std::vector<const char*> avgifter{"100", " 50", "  0", "1,5", "x  ", "   ", "7.5"};
    const std::vector<const char*> belopp{" 350", "1000", " 2,5", "abc ", "  10"};
    const std::vector<const char*> typer{"1", "1", "1", "2", " "};
    const std::vector<const char*> id{"191212121212", "200101011234", "", "0123456789", "1800"};

    for (int omgång = 0; omgång < 50; ++omgång) {
        QByteArray tx, åt;
        for (int i = 0; i < 12; ++i)
            tx += välj({taxekoder.begin(), taxekoder.end() - 2}) + välj(avgifter);
        for (int i = 0; i < 8; ++i)
            åt += välj({åtgärdskoder.begin(), åtgärdskoder.end() - 1}) + välj(belopp);
        tx += välj({"", "0", "06", "061"});
        åt += välj({"", "A0", "A001", "A001 3"});
        std::vector<Kvitto> kvitton;
        for (int k = 0; k < 200; ++k)
            kvitton.push_back({QString::fromLatin1(välj(typer)), QString::fromLatin1(välj(id)),
                               QString::fromLatin1(välj(taxekoder)),
                               QString::fromLatin1(välj(åtgärdskoder))});
        const VisitTable t = tabell(kvitton);
        const TariffTable taxor = codetables::tariffTable(tx);
        const ProcedureTable åtgärder = codetables::procedureTable(åt);
        const int från = std::uniform_int_distribution<int>(1, 100)(slump);
        const int till = std::uniform_int_distribution<int>(från, 200)(slump);
        EXPECT_EQ(utfall(BeräknaSummor(t, taxor, åtgärder, från, till)),
                  utfall(samlingsreferens::radFörRad(t, taxor, åtgärder, från, till)))
            << "round " << omgång << ", receipts " << från << ".." << till;
    }
}

} // namespace
