// The field rules of the desk, as tables: each row a text and the message it must give (or
// none), in the order the rules are tried, so a row with two faults proves which comes first.

#include "desk/visitchecks.h"
#include "vocabulary/receiptnumber.h"

#include "data/visittable.h"

#include <QFile>
#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace fieldchecks;

namespace {

struct Row {
    const char* name;
    const char16_t* input;
    std::optional<QString> expected; // nothing: the text passes
};

std::string show(const std::optional<QString>& m)
{
    return m ? m->toStdString() : std::string("(passes)");
}

void runTable(const std::function<Message(const QString&)>& rule, const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        const QString input = QString::fromUtf16(row.input);
        EXPECT_EQ(show(rule(input)), show(row.expected))
            << row.name << ": \"" << input.toStdString() << "\"";
    }
}

class PinnedLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST(TrimBlanks, RemovesBlanksOnly)
{
    EXPECT_EQ(trimBlanks(u"  12 34  ").toStdString(), "12 34");
    EXPECT_EQ(trimBlanks(u"   ").toStdString(), "");
    EXPECT_EQ(trimBlanks(u"\t1 ").toStdString(), "\t1");
}

TEST(CheckDigit, WeightedSumOfTheWorkedExamples)
{
    EXPECT_EQ(kontrollsiffra(u"0001010008"), 8);
    EXPECT_EQ(kontrollsiffra(u"1212121212"), 2);
    // A month or day digit of 5 or more enters as 12·d, one off the Luhn digit sum.
    EXPECT_EQ(kontrollsiffra(u"0050000000"), 0);
    EXPECT_FALSE(luhnGiltig(u"0050000000"));
    EXPECT_TRUE(luhnGiltig(u"0050000009"));
}

TEST(CoordinationNumber, IsADayOf60To91)
{
    EXPECT_FALSE(ärSamordningsnummer(u"191401592396"));
    EXPECT_TRUE(ärSamordningsnummer(u"191401602396"));
    EXPECT_TRUE(ärSamordningsnummer(u"191401912396"));
    EXPECT_FALSE(ärSamordningsnummer(u"191401922396"));
    EXPECT_FALSE(ärSamordningsnummer(u"1914016"));
}

TEST(Personnummer, Table)
{
    runTable(personnummer, {
        {"empty passes", u"", {}},
        {"blanks only pass", u"            ", {}},
        {"worked example", u"190001010008", {}},
        {"worked example, wrong digit", u"190001010007", text::FelaktigtPersonnummer},
        {"century 18", u"180001010008", {}},
        {"century 20", u"200001010008", {}},
        {"century 21 before the digit", u"210001010009", text::FelaktigtÅrhundrade},
        {"century 17", u"170001010008", text::FelaktigtÅrhundrade},
        {"11 digits", u"19000101000", text::FörFåTecken},
        {"13 digits", u"1900010100080", text::FörFåTecken},
        {"11 characters with a blank: length first", u"1900 101000", text::FörFåTecken},
        {"a blank inside", u"19000101 008", text::Mellanslag},
        {"leading blank", u" 90001010008", text::Mellanslag},
        {"blank before the letter", u"19E00101 008", text::Mellanslag},
        {"a letter E", u"19000101E008", text::EndastSiffror},
        {"a sign", u"+90001010008", text::EndastSiffror},
        {"letter before the century", u"21E001010008", text::EndastSiffror},
        {"an Arabic-Indic digit is no digit", u"19000101000\u0668", text::EndastSiffror},
        {"coordination number by Luhn", u"191401682396", {}},
        {"coordination number, wrong digit", u"191401682397", text::FelaktigtPersonnummer},
        {"day 92 is no coordination day: the weighted sum", u"190001920009", {}},
        {"day 92, Luhn-correct only", u"190001920008", text::FelaktigtPersonnummer},
    });
}

// Every test identity of the Tax Agency passes; the coordination numbers need the Luhn rule, as
// the weighted sum refuses every one of them.
TEST(Personnummer, EveryTestIdentityOfTheTaxAgencyPasses)
{
    for (const auto& [file, count, coordination] :
         {std::tuple{"skatteverket-test-personnummer.txt", 41129, false},
          std::tuple{"skatteverket-test-samordningsnummer.txt", 2264, true}}) {
        QFile f(QStringLiteral(KASSA_TESTDATA_DIR "/") + QLatin1String(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        int lines = 0, refused = 0, sumWouldRefuse = 0;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QString n = QString::fromLatin1(line.trimmed());
            if (n.isEmpty())
                continue;
            ++lines;
            EXPECT_EQ(ärSamordningsnummer(n), coordination) << n.toStdString();
            if (kontrollsiffra(QStringView(n).mid(2)) != n[11].unicode() - u'0')
                ++sumWouldRefuse;
            if (const Message m = personnummer(n); m && ++refused <= 5)
                ADD_FAILURE() << n.toStdString() << ": " << m->toStdString();
        }
        EXPECT_EQ(lines, count) << file;
        EXPECT_EQ(refused, 0) << file;
        EXPECT_EQ(sumWouldRefuse, coordination ? count : 0) << file;
    }
}

TEST(Reservnummer, Table)
{
    runTable(reservnummer, {
        {"empty passes", u"", {}},
        {"blanks only pass", u"          ", {}},
        {"good", u"0001010008", {}},
        {"wrong digit", u"0001010007", text::FelaktigtReservnummer},
        {"month tens 5: the weighted sum decides", u"0050000000", {}},
        {"Luhn-correct but not by the sum", u"0050000009", text::FelaktigtReservnummer},
        {"day tens 7 by the sum", u"0001700005", {}},
        {"day tens 7, Luhn-correct only", u"0001700004", text::FelaktigtReservnummer},
        {"9 characters", u"000101000", text::FörFåTecken},
        {"12 digits", u"190001010008", text::FörFåTecken},
        {"a blank", u"00010 0008", text::Mellanslag},
        {"trailing blank", u"000101000 ", text::Mellanslag},
        {"a letter", u"0001O10008", text::EndastSiffror},
        {"no century test", u"9901010000", {}},
    });
}

TEST(Kombikakod, TableWhenLeavingTheBox)
{
    runTable(kombikakod, {
        {"empty is refused", u"", text::SkrivitFörFåTecken},
        {"ten blanks", u"          ", text::SkrivitFörFåTecken},
        {"ten characters", u"12345ABCD6", text::SkrivitFörFåTecken},
        {"good", u"12345ABCD67", {}},
        {"letters in 6 to 9", u"12345WXYZ67", {}},
        {"digits in 6 to 9", u"12345678901", {}},
        {"eleven blanks", u"           ", text::Mellanslag},
        {"a blank in 6 to 9", u"12345AB D67", text::Mellanslag},
        {"a blank before a letter", u"A234 ABCD67", text::Mellanslag},
        {"letter in 1", u"A2345ABCD67", text::BokstavSiffra},
        {"letter in 5", u"1234XABCD67", text::BokstavSiffra},
        {"letter in 10", u"12345ABCDX7", text::BokstavSiffra},
        {"letter in 11", u"12345ABCD6X", text::BokstavSiffra},
        {"only 11 characters are looked at", u"12345ABCD67 X", {}},
    });
}

TEST(Kombikakod, TableAtRegistration)
{
    auto withLength = [](const QString& t) { return kombikakodVidRegistrering(t, true); };
    auto withoutLength = [](const QString& t) { return kombikakodVidRegistrering(t, false); };
    runTable(withLength, {
        {"good", u"12345ABCD67", {}},
        {"character 1 is not looked at", u"A2345ABCD67", {}},
        {"letter in 2", u"1A345ABCD67", text::BokstavSiffra},
        {"ten characters", u"12345ABCD6", text::SkrivitFörFåTecken},
        {"empty", u"", text::SkrivitFörFåTecken},
        {"a blank", u"12345 BCD67", text::Mellanslag},
    });
    runTable(withoutLength, {
        {"good", u"12345ABCD67", {}},
        {"short: 10 and 11 are missing", u"12345", text::BokstavSiffra},
        {"ten characters: the tenth digit stands for 10-11", u"12345ABCD6", {}},
        {"ten characters, the tenth a letter", u"12345ABCDX", text::BokstavSiffra},
        {"nine characters: 10 and 11 are missing", u"12345ABCD", text::BokstavSiffra},
        {"empty", u"", text::BokstavSiffra},
        {"short with a blank", u"123 5", text::Mellanslag},
    });
}

class VikKomkod : public PinnedLocale {};

TEST_F(VikKomkod, Table)
{
    runTable(vikKomkod, {
        {"empty passes", u"", {}},
        {"blanks pass", u"     ", {}},
        {"digits", u"12345", {}},
        {"leading sign", u"+1234", {}},
        {"minus sign", u"-1234", {}},
        {"Swedish decimal comma", u"1,234", {}},
        {"decimal point", u"1.234", {}},
        {"exponent", u"12E45", {}},
        {"four characters", u"1234", text::FelaktigKombikakod},
        {"a blank inside", u"12 45", text::FelaktigKombikakod},
        {"leading blank", u" 1234", text::FelaktigKombikakod},
        {"a letter", u"1A345", text::FelaktigKombikakod},
        {"two separators", u"1,2,3", text::FelaktigKombikakod},
        {"sign inside", u"12-34", text::FelaktigKombikakod},
    });
}

TEST(ReferralCode, Table)
{
    runTable(remissFrån, {
        {"empty passes", u"", {}},
        {"blanks pass", u"           ", {}},
        {"digits", u"12345678901", {}},
        {"letter in 9 passes", u"12345678X01", {}},
        {"ten characters", u"1234567890", text::SkrivitFörFåTecken},
        {"a blank, with the blank before !", u"1234 678901", text::MellanslagRemiss},
        {"blank in 9", u"12345678 01", text::MellanslagRemiss},
        {"letter in 8", u"1234567X901", text::BokstavSiffraRemiss},
        {"letter in 1", u"X2345678901", text::BokstavSiffraRemiss},
        {"letter in 10", u"123456789X1", text::BokstavSiffraRemiss},
        {"letter in 11", u"1234567890X", text::BokstavSiffraRemiss},
        {"only 11 characters are looked at", u"12345678901X", {}},
    });
}

TEST(Datum, Table)
{
    runTable(datum, {
        {"empty passes", u"", {}},
        {"blanks pass", u"      ", {}},
        {"a date", u"261208", {}},
        {"no calendar check", u"991399", {}},
        {"five characters", u"26120", text::FörFåTecken},
        {"seven characters", u"2612081", text::FörFåTecken},
        {"a blank", u"26 208", text::Mellanslag},
        {"a letter", u"2612a8", text::EndastSiffror},
        {"a sign", u"+26120", text::EndastSiffror},
    });
}

namespace {

VisitTable besökMed(std::initializer_list<std::pair<const char16_t*, const char16_t*>> visits)
{
    VisitTable t;
    t.resize(int(visits.size()));
    int k = 0;
    for (const auto& [pnr, datum] : visits) {
        VisitRecord& r = t[++k];
        r.setText(VisitField::Kvittonummer, QStringLiteral("%1").arg(k, 8, 10, QLatin1Char('0')));
        r.setText(VisitField::IdNummer, QString::fromUtf16(pnr));
        r.setText(VisitField::Besöksdatum, QString::fromUtf16(datum));
    }
    return t;
}

} // namespace

// One match per record, all 12 and all 6 characters compared exactly; only on the last record.
TEST(Dubbletter, ComparesExactlyOnTheLastRecordOnly)
{
    const VisitTable t = besökMed({{u"191212121212", u"261201"}, {u"190001010008", u"261201"},
                                   {u"191212121212", u"261201"}, {u"0001010008", u"261202"},
                                   {u"191212121212", u"261202"}});
    const struct {
        const char* name;
        const char16_t *kvitto, *pnr, *datum;
        int expected;
    } rows[] = {
        {"two visits that day", u"5", u"191212121212", u"261201", 2},
        {"one visit that day", u"5", u"191212121212", u"261202", 1},
        {"no visit that day", u"5", u"191212121212", u"261203", 0},
        {"eleven characters", u"5", u"19121212121", u"261201", 0},
        {"a reserve number is stored with two blanks", u"5", u"0001010008", u"261202", 0},
        {"the reserve number with its blanks", u"5", u"0001010008  ", u"261202", 1},
        {"five characters of date", u"5", u"191212121212", u"26120", 0},
        {"an older receipt compares nothing", u"1", u"191212121212", u"261201", 0},
        {"leading zeros name the last record", u"05", u"191212121212", u"261202", 1},
        {"one beyond the table compares nothing", u"6", u"191212121212", u"261202", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dubbletter(t, receiptNumber(QString::fromUtf16(row.kvitto)), QString::fromUtf16(row.pnr),
                             QString::fromUtf16(row.datum)),
                  row.expected)
            << row.name;
}

// The receipt to void: digits only, a number a receipt can have (16 bits), leading zeros allowed.
TEST(MakuleratKvitto, Table)
{
    runTable(makuleratKvitto, {
        {"empty passes", u"", {}},
        {"blanks pass", u"   ", {}},
        {"a number", u"12", {}},
        {"leading zeros", u"000000010", {}},
        {"the last receipt number", u"32767", {}},
        {"one above the last", u"32768", text::KvittonummerFörStort},
        {"twelve digits", u"123456789012", text::KvittonummerFörStort},
        {"a blank before", u" 12", text::Mellanslag},
        {"a blank after", u"12 ", text::Mellanslag},
        {"a blank between digits", u"1 2", text::EndstSiffror},
        {"a letter before the size", u"99999a", text::EndstSiffror},
        {"a sign", u"-1", text::EndstSiffror},
    });
    EXPECT_EQ(show(makuleratKvitto(QString(5000, u'9'))), show(text::KvittonummerFörStort));
}

// A receipt number is stored by its value, 8 digits with leading zeros.
TEST(LagratKvittonummer, IsTheValueFilledWithZeros)
{
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"7", "00000007"},         {u"05", "00000005"},        {u" 5", "00000005"},
        {u"000000005", "00000005"}, {u"000000010", "00000010"}, {u"32767", "00032767"},
        {u"", ""},                  {u"32768", ""},             {u"5a", ""},
    };
    for (const auto& [text, stored] : rows)
        EXPECT_EQ(lagratKvittonummer(QString::fromUtf16(text)).toStdString(), stored)
            << "\"" << QString::fromUtf16(text).toStdString() << "\"";
}
