// The ARV file as bytes: what each kind of receipt contributes, the reference number, and the
// check that refuses an interchange the county council could not read.

#include "reports/arvfile.h"

#include "reports/arvtest.h"
#include "support/fakes.h"

#include <functional>

namespace {

using arvtest::lines;

const QByteArray Kombikakod = "12345ABCD67";

// A visit with a personnummer and no referral, diagnosis or substitute, under `receipt`.
VisitRecord visit(int receipt)
{
    VisitRecord r;
    r.setRaw(VisitField::Registreringstyp, "1");
    r.setRaw(VisitField::Kombikakod, Kombikakod);
    r.setRaw(VisitField::Kvittonummer, QByteArray::number(receipt).rightJustified(8, '0'));
    r.setRaw(VisitField::Skatt, "F");
    r.setRaw(VisitField::IdNummer, "191212121212");
    r.setRaw(VisitField::IdTyp, "P");
    r.setRaw(VisitField::Besöksdatum, "261201");
    r.setRaw(VisitField::Besökstyp, "0");
    r.setRaw(VisitField::Akutbesök, "0");
    r.setRaw(VisitField::Taxekod, "01");
    r.setRaw(VisitField::Smittskydd, "0");
    r.setRaw(VisitField::Åtgärd, "A001");
    r.setRaw(VisitField::RemissTill, "00");
    r.setRaw(VisitField::Patientavgift, "100");
    r.setRaw(VisitField::Åtgärdsbelopp, " 250");
    return r;
}

VisitTable table(int count, const std::function<void(int, VisitRecord&)>& change = {})
{
    VisitTable t;
    t.resize(count);
    for (int k = 1; k <= count; ++k) {
        t[k] = visit(k);
        if (change)
            change(k, t[k]);
    }
    return t;
}

QByteArray header(const QByteArray& reference)
{
    return "UNA:+,? 'UNB+UNOC:2+00072321000016:30:K12345ABCD67+00072321000016:30:S7010+261208:0930"
           "+VLM602" + reference + "++SLLPVR'";
}

// The BSK line of visit(receipt) as typed out field by field.
QByteArray bsk(const QByteArray& kvitto, const QByteArray& typ = "1", const QByteArray& remiss = "           ",
               const QByteArray& remissDatum = "      ")
{
    return typ + "12345ABCD67" + "     " + kvitto + "F" + "191212121212" + "P" + "      " + "261201"
         + "0" + "0" + "01" + "0" + remiss + remissDatum;
}

arvfile::Interchange build(const VisitTable& t, int from, const QString& to)
{
    return arvfile::build(t, from, to, Kombikakod, QStringLiteral("261208"), QStringLiteral("0930"));
}

// Each kind of receipt, alone in its file: what its lines are and what it adds to the count.
TEST(ArvFile, EachKindOfReceiptByteForByte)
{
    const struct Row {
        const char* name;
        std::function<void(VisitRecord&)> stored;
        QByteArray receiptLines;
        QByteArray count;
    } rows[] = {
        {"diagnosis and referral to 02 add DIA and REM",
         [](VisitRecord& r) {
             r.setRaw(VisitField::Diagnoskod, "J069");
             r.setRaw(VisitField::RemissTill, "02");
             r.setRaw(VisitField::RemissFrån, "SE123456789");
             r.setRaw(VisitField::RemissDatum, "261130");
         },
         lines({"BSK", bsk("00000005", "1", "SE123456789", "261130"), "ATG", "A001", "DIA", "J069 ",
                "REM", "02"}),
         "6     "},
        {"a blank diagnosis and referral 00 add nothing",
         [](VisitRecord& r) { r.setRaw(VisitField::Diagnoskod, "     "); },
         lines({"BSK", bsk("00000005"), "ATG", "A001"}), "4     "},
        {"a diagnosis standing inside its blanks is written with them, referral 03",
         [](VisitRecord& r) {
             r.setRaw(VisitField::Diagnoskod, " A1 ");
             r.setRaw(VisitField::RemissTill, "03");
         },
         lines({"BSK", bsk("00000005"), "ATG", "A001", "DIA", " A1  ", "REM", "03"}), "6     "},
        {"a referral code outside 01..03 is no REM",
         [](VisitRecord& r) { r.setRaw(VisitField::RemissTill, "04"); },
         lines({"BSK", bsk("00000005"), "ATG", "A001"}), "4     "},
        {"a voiding record keeps its type 2 and the voided receipt's number",
         [](VisitRecord& r) {
             r.setRaw(VisitField::Registreringstyp, "2");
             r.setRaw(VisitField::Kvittonummer, "00000003");
         },
         lines({"BSK", bsk("00000003", "2"), "ATG", "A001"}), "4     "},
        {"separators, the release character and Windows-1252 letters go out as stored",
         [](VisitRecord& r) {
             r.setRaw(VisitField::RemissFrån, "O'Hara+?:,\xE5");
             r.setRaw(VisitField::Diagnoskod, "'+\xF6");
             r.setRaw(VisitField::Åtgärd, "+''+");
         },
         lines({"BSK", bsk("00000005", "1", "O'Hara+?:,\xE5"), "ATG", "+''+", "DIA", "'+\xF6  "}),
         "5     "},
        {"a record never filled is written as its blanks",
         [](VisitRecord& r) { r = VisitRecord(); },
         lines({"BSK", QByteArray(73, ' '), "ATG", "    "}), "4     "},
    };
    for (const Row& row : rows) {
        const VisitTable t = table(6, [&](int k, VisitRecord& r) {
            if (k == 5)
                row.stored(r);
        });
        const arvfile::Interchange arv = build(t, 5, QStringLiteral("5"));
        ASSERT_TRUE(arv.ok()) << row.name << ": " << arv.error.toStdString();
        EXPECT_EQ(arv.bytes, lines({header("00000005"), "UNH", "VLM60200000005SLLPVR1  2  ZZ"})
                                 + row.receiptLines
                                 + lines({"UNT", row.count + "VLM60200000005",
                                          "UNZ+1+VLM60200000005'"}))
            << row.name;
        EXPECT_EQ(arv.fileName, QStringLiteral("00000005.ARV")) << row.name;
    }
}

// Several receipts follow in receipt order, each with its own segments; the count is theirs and
// the envelope reads as an interchange of one message.
TEST(ArvFile, RangeInReceiptOrderWithItsCount)
{
    const VisitTable t = table(4, [](int k, VisitRecord& r) {
        if (k == 3)
            r.setRaw(VisitField::Diagnoskod, "R51");
    });
    const arvfile::Interchange arv = build(t, 2, QStringLiteral("4"));
    ASSERT_TRUE(arv.ok()) << arv.error.toStdString();
    EXPECT_EQ(arv.bytes,
              lines({header("00000004"), "UNH", "VLM60200000004SLLPVR1  2  ZZ",
                     "BSK", bsk("00000002"), "ATG", "A001",
                     "BSK", bsk("00000003"), "ATG", "A001", "DIA", "R51  ",
                     "BSK", bsk("00000004"), "ATG", "A001",
                     "UNT", "9     VLM60200000004", "UNZ+1+VLM60200000004'"}));
    EXPECT_EQ(arv.segmentCount, 9);
    EXPECT_EQ(arvtest::readEnvelope(arv.bytes), QStringLiteral("VLM60200000004"));
}

// The reference follows the To text: zeros before it up to 8 characters, blanks around it
// dropped, a longer text as it stands; the file name takes its digits only.
TEST(ArvFile, ReferenceNumberAndFileName)
{
    const struct {
        const char* to;
        const char* reference;
    } rows[] = {{"5", "00000005"}, {"0123", "00000123"}, {" 123 ", "00000123"},
                {"00000123", "00000123"}, {"32767", "00032767"}, {"000000123", "000000123"}};
    for (const auto& row : rows)
        EXPECT_EQ(arvfile::referenceNumber(QString::fromLatin1(row.to)), QString::fromLatin1(row.reference))
            << row.to;
    EXPECT_EQ(arvfile::fileNameOf(QStringLiteral("00000123")), QStringLiteral("00000123.ARV"));
    EXPECT_EQ(arvfile::fileNameOf(QStringLiteral("../1/2")), QStringLiteral("12.ARV"));

    const arvfile::Interchange typed = build(table(123), 123, QStringLiteral("0123"));
    ASSERT_TRUE(typed.ok()) << typed.error.toStdString();
    EXPECT_TRUE(typed.bytes.endsWith("UNT\r\n4     VLM60200000123\r\nUNZ+1+VLM60200000123'\r\n"));
    EXPECT_EQ(typed.fileName, QStringLiteral("00000123.ARV"));
}

// What the check finds in an interchange that went wrong, and that build refuses to hand out
// one that fails it.
TEST(ArvFile, CheckRefusesWhatTheCountyCouncilCouldNotRead)
{
    const QByteArray good = build(table(2), 1, QStringLiteral("2")).bytes;
    ASSERT_EQ(arvfile::checkInterchange(good, 1), QString());
    auto replaced = [&](const QByteArray& what, const QByteArray& with) {
        QByteArray bytes = good;
        const qsizetype at = bytes.lastIndexOf(what);
        EXPECT_GE(at, 0) << what.toStdString();
        return bytes.replace(at, what.size(), with);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem;
    } rows[] = {
        {"count one short", replaced("6     VLM", "5     VLM"), "antalet segment i UNT är 5, men meddelandet har 6"},
        {"count not left-aligned", replaced("6     VLM", " 6    VLM"), "antalet segment i UNT står inte vänsterställt i sex tecken"},
        {"UNT's reference differs", replaced("6     VLM60200000002", "6     VLM60200000003"), "referensen i UNT skiljer sig från den i UNB"},
        {"UNZ's reference differs", replaced("UNZ+1+VLM60200000002", "UNZ+1+VLM60200000001"), "referensen i UNZ skiljer sig från den i UNB"},
        {"UNH's reference differs", replaced("VLM60200000002SLLPVR", "VLM60200000009SLLPVR"), "referensen i UNH skiljer sig från den i UNB"},
        {"a BSK line cut short", replaced("191212121212P", "191212121212"), "kvitto 2: rad 9 (BSK) har 72 tecken i stället för 73"},
        {"a line break inside a record", replaced("261201", "26\n201"), "kvitto 2: rad 9 har en radbrytning inuti raden"},
        {"the last line break missing", good.chopped(2), "sista raden slutar inte med CR LF"},
        {"a line after UNZ", good + "X\r\n", "filen har rader efter UNZ"},
        {"ATG missing", replaced("BSK\r\n" + bsk("00000002") + "\r\nATG\r\nA001\r\n", "BSK\r\n" + bsk("00000002") + "\r\n"),
         "kvitto 2: ATG saknas"},
        {"DIA before ATG", replaced("ATG\r\nA001\r\nUNT", "DIA\r\nJ069 \r\nUNT"), "kvitto 2: segmentet DIA på rad 10 står på fel plats"},
        {"a nine-digit reference", build(table(2), 1, QStringLiteral("2")).bytes.replace("00000002", "000000002"),
         "rad 1 (UNB) har 111 tecken i stället för 110"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(arvfile::checkInterchange(row.bytes, 1), QString::fromUtf8(row.problem)) << row.name;

    // Built from a record holding a line break, or from a To of more than 8 characters.
    const arvfile::Interchange broken = build(table(3, [](int k, VisitRecord& r) {
        if (k == 3)
            r.setRaw(VisitField::RemissFrån, "AB\r\nCD");
    }), 2, QStringLiteral("3"));
    EXPECT_EQ(broken.error, QStringLiteral("kvitto 3: rad 9 (BSK) har 58 tecken i stället för 73"));
    EXPECT_TRUE(broken.bytes.isEmpty());
    EXPECT_EQ(build(table(2), 1, QStringLiteral("000000002")).error,
              QStringLiteral("rad 1 (UNB) har 111 tecken i stället för 110"));
    // A range outside the stored receipts.
    EXPECT_FALSE(build(table(2), 1, QStringLiteral("3")).ok());
    EXPECT_FALSE(build(table(2), 0, QStringLiteral("2")).ok());
}

} // namespace
