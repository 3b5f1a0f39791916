// The ARV file as bytes: what each kind of receipt contributes, the reference number, and the
// check that refuses an interchange the county council could not read.

#include "reports/arvfile.h"

#include "reports/arvtest.h"
#include "support/fakes.h"

#include <functional>

namespace {

QByteArray lines(std::initializer_list<QByteArray> all)
{
    QByteArray out;
    for (const QByteArray& line : all)
        out += line + "\r\n";
    return out;
}

// Receipts 1..count: a visit with a personnummer, referral "00", no diagnosis; `change` alters one.
VisitTable table(int count, int changed = 0, const std::function<void(VisitRecord&)>& change = {})
{
    VisitTable t;
    t.resize(count);
    for (int k = 1; k <= count; ++k) {
        t[k] = VisitRecord::fromBytes("1" "12345ABCD67" "     " + QByteArray::number(k).rightJustified(8, '0')
                                      + "F191212121212P      26120100010A001" + QByteArray(17, ' ')
                                      + "00100 250         ");
        if (k == changed)
            change(t[k]);
    }
    return t;
}

// The BSK line of receipt `kvitto` of table() as typed out field by field.
QByteArray bsk(const QByteArray& kvitto, const QByteArray& typ = "1", const QByteArray& remiss = QByteArray(11, ' '),
               const QByteArray& remissDatum = "      ")
{
    return typ + "12345ABCD67" + "     " + kvitto + "F" + "191212121212" + "P" + "      " + "261201" + "0"
         + "0" + "01" + "0" + remiss + remissDatum;
}

arvfile::Interchange build(const VisitTable& t, int from, const QString& to)
{
    return arvfile::build(t, from, to, "12345ABCD67", QStringLiteral("261208"), QStringLiteral("0930"));
}

// Receipt 5 alone in its file, as each kind of receipt is stored: its lines and the count.
TEST(ArvFile, EachKindOfReceiptByteForByte)
{
    using F = VisitField;
    const struct Row {
        const char* name;
        std::function<void(VisitRecord&)> stored;
        QByteArray receipt, count;
    } rows[] = {
        {"diagnosis and referral 02: DIA and REM",
         [](VisitRecord& r) { r.setRaw(F::Diagnoskod, "J069"), r.setRaw(F::RemissTill, "02"),
                              r.setRaw(F::RemissFrån, "SE123456789"), r.setRaw(F::RemissDatum, "261130"); },
         lines({"BSK", bsk("00000005", "1", "SE123456789", "261130"), "ATG", "A001", "DIA", "J069 ", "REM", "02"}), "6"},
        {"blank diagnosis, referral 00", [](VisitRecord& r) { r.setRaw(F::Diagnoskod, "     "); },
         lines({"BSK", bsk("00000005"), "ATG", "A001"}), "4"},
        {"diagnosis inside its blanks, referral 03",
         [](VisitRecord& r) { r.setRaw(F::Diagnoskod, " A1 "), r.setRaw(F::RemissTill, "03"); },
         lines({"BSK", bsk("00000005"), "ATG", "A001", "DIA", " A1  ", "REM", "03"}), "6"},
        {"referral 04 is no REM", [](VisitRecord& r) { r.setRaw(F::RemissTill, "04"); },
         lines({"BSK", bsk("00000005"), "ATG", "A001"}), "4"},
        {"voiding record of receipt 3",
         [](VisitRecord& r) { r.setRaw(F::Registreringstyp, "2"), r.setRaw(F::Kvittonummer, "00000003"); },
         lines({"BSK", bsk("00000003", "2"), "ATG", "A001"}), "4"},
        {"separators, release character, Windows-1252 letters",
         [](VisitRecord& r) { r.setRaw(F::RemissFrån, "O'Hara+?:,\xE5"), r.setRaw(F::Diagnoskod, "'+\xF6"),
                              r.setRaw(F::Åtgärd, "+''+"); },
         lines({"BSK", bsk("00000005", "1", "O'Hara+?:,\xE5"), "ATG", "+''+", "DIA", "'+\xF6  "}), "5"},
        {"a record never filled", [](VisitRecord& r) { r = VisitRecord(); },
         lines({"BSK", QByteArray(73, ' '), "ATG", "    "}), "4"},
    };
    for (const Row& row : rows) {
        const arvfile::Interchange arv = build(table(6, 5, row.stored), 5, QStringLiteral("5"));
        EXPECT_EQ(arv.bytes, lines({"UNA:+,? 'UNB+UNOC:2+00072321000016:30:K12345ABCD67+00072321000016:30:S7010"
                                    "+261208:0930+VLM60200000005++SLLPVR'",
                                    "UNH", "VLM60200000005SLLPVR1  2  ZZ"})
                                 + row.receipt
                                 + lines({"UNT", row.count + "     VLM60200000005", "UNZ+1+VLM60200000005'"}))
            << row.name;
        EXPECT_EQ(readEnvelope(arv.bytes), "VLM60200000005") << row.name;
    }
}

// The reference follows the To text: zeros before it up to 8 characters, blanks around it
// dropped, a longer text as it stands; the file name takes its digits only.
TEST(ArvFile, ReferenceNumberAndFileName)
{
    const char* rows[][2] = {{"5", "00000005"}, {"0123", "00000123"}, {" 123 ", "00000123"},
                             {"32767", "00032767"}, {"000000123", "000000123"}};
    for (const auto& row : rows)
        EXPECT_EQ(arvfile::referenceNumber(QString::fromLatin1(row[0])), QString::fromLatin1(row[1])) << row[0];
    EXPECT_EQ(arvfile::fileNameOf(QStringLiteral("../1/2")), QStringLiteral("12.ARV"));

    const arvfile::Interchange typed = build(table(123), 123, QStringLiteral("0123"));
    EXPECT_TRUE(typed.bytes.endsWith("UNT\r\n4     VLM60200000123\r\nUNZ+1+VLM60200000123'\r\n"));
    EXPECT_EQ(typed.fileName, QStringLiteral("00000123.ARV"));
}

// What the check finds in an interchange gone wrong; build hands out none that fails it.
TEST(ArvFile, CheckRefusesWhatTheCountyCouncilCouldNotRead)
{
    const QByteArray good = build(table(2), 1, QStringLiteral("2")).bytes;
    ASSERT_EQ(arvfile::checkInterchange(good, 1), QString());
    auto replaced = [&](const QByteArray& what, const QByteArray& with) {
        EXPECT_TRUE(good.contains(what)) << what.toStdString();
        return QByteArray(good).replace(good.lastIndexOf(what), what.size(), with);
    };
    const QByteArray receipt2 = "BSK\r\n" + bsk("00000002") + "\r\n";
    const struct {
        QByteArray bytes;
        const char* problem;
    } rows[] = {
        {replaced("6     VLM", "5     VLM"), "antalet segment i UNT är 5, men meddelandet har 6"},
        {replaced("6     VLM", " 6    VLM"), "antalet segment i UNT står inte vänsterställt i sex tecken"},
        {replaced("6     VLM60200000002", "6     VLM60200000003"), "referensen i UNT skiljer sig från den i UNB"},
        {replaced("UNZ+1+VLM60200000002", "UNZ+1+VLM60200000001"), "referensen i UNZ skiljer sig från den i UNB"},
        {replaced("VLM60200000002SLLPVR", "VLM60200000009SLLPVR"), "referensen i UNH skiljer sig från den i UNB"},
        {replaced("191212121212P", "191212121212"), "kvitto 2: rad 9 (BSK) har 72 tecken i stället för 73"},
        {replaced("261201", "26\n201"), "kvitto 2: rad 9 har en radbrytning inuti raden"},
        {good.chopped(2), "sista raden slutar inte med CR LF"},
        {good + "X\r\n", "filen har rader efter UNZ"},
        {replaced(receipt2 + "ATG\r\nA001\r\n", receipt2), "kvitto 2: ATG saknas"},
        {replaced("ATG\r\nA001\r\nUNT", "DIA\r\nJ069 \r\nUNT"), "kvitto 2: segmentet DIA på rad 10 står på fel plats"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(arvfile::checkInterchange(row.bytes, 1), QString::fromUtf8(row.problem));

    const arvfile::Interchange broken =
        build(table(3, 3, [](VisitRecord& r) { r.setRaw(VisitField::RemissFrån, "AB\r\nCD"); }), 2, QStringLiteral("3"));
    EXPECT_EQ(broken.error, QStringLiteral("kvitto 3: rad 9 (BSK) har 58 tecken i stället för 73"));
    EXPECT_TRUE(broken.bytes.isEmpty());
    EXPECT_EQ(build(table(2), 1, QStringLiteral("000000002")).error,
              QStringLiteral("rad 1 (UNB) har 111 tecken i stället för 110"));
    EXPECT_FALSE(build(table(2), 1, QStringLiteral("3")).ok());
    EXPECT_FALSE(build(table(2), 0, QStringLiteral("2")).ok());
}

} // namespace
