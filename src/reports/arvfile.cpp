#include "reports/arvfile.h"

#include "data/codec.h"
#include "data/fixedtext.h"
#include "vocabulary/characters.h"
#include "vocabulary/receiptnumber.h"

#include <QByteArrayList>
#include <QList>
#include <cstring>
#include <optional>
#include <vector>

namespace arvfile {

namespace {

constexpr QByteArrayView Crlf = "\r\n";

// Line 1: the service string advice ("UNA:+,? '") and the interchange header, in pieces around
// the clinic's kombikakod, the moment of preparation and the reference number.
constexpr QByteArrayView UnbStart = "UNA:+,? 'UNB+UNOC:2+00072321000016:30:K";
constexpr QByteArrayView UnbRecipient = "+00072321000016:30:S7010+";
constexpr QByteArrayView UnbReferenceStart = "+VLM602";
constexpr QByteArrayView UnbEnd = "++SLLPVR'";
constexpr int KombikakodWidth = 11;
constexpr int DateWidth = 6;
constexpr int TimeWidth = 4;

constexpr qsizetype UnbKombikakodAt = UnbStart.size();
constexpr qsizetype UnbDateAt = UnbKombikakodAt + KombikakodWidth + UnbRecipient.size();
constexpr qsizetype UnbTimeAt = UnbDateAt + DateWidth + 1;
constexpr qsizetype UnbReferenceAt = UnbTimeAt + TimeWidth + UnbReferenceStart.size();
constexpr qsizetype UnbWidth = UnbReferenceAt + ReferenceWidth + UnbEnd.size();

constexpr QByteArrayView MessageReference = "VLM602";
constexpr QByteArrayView UnhDataEnd = "SLLPVR1  2  ZZ";
constexpr qsizetype UnhDataWidth = MessageReference.size() + ReferenceWidth + UnhDataEnd.size();
constexpr int CountWidth = 6;
constexpr qsizetype UntDataWidth = CountWidth + MessageReference.size() + ReferenceWidth;
constexpr QByteArrayView UnzStart = "UNZ+1+VLM602";

// The visit fields a BSK line carries, in its order: the record without the procedure (which
// has its own ATG segment) and without the amounts, which the county council does not take.
constexpr VisitField BskFields[] = {
    VisitField::Registreringstyp, VisitField::Kombikakod, VisitField::VikKomkod,
    VisitField::Kvittonummer,     VisitField::Skatt,      VisitField::IdNummer,
    VisitField::IdTyp,            VisitField::Födelsedatum, VisitField::Besöksdatum,
    VisitField::Besökstyp,        VisitField::Akutbesök,  VisitField::Taxekod,
    VisitField::Smittskydd,       VisitField::RemissFrån, VisitField::RemissDatum,
};

bool allDigits(QByteArrayView bytes)
{
    return !bytes.isEmpty() && characters::allDigits(bytes);
}

// Writes into a buffer sized beforehand: the file is built in one piece, without growing.
class Writer {
public:
    explicit Writer(char* at) : m_at(at) {}
    void put(QByteArrayView bytes)
    {
        std::memcpy(m_at, bytes.data(), size_t(bytes.size()));
        m_at += bytes.size();
    }
    void line(QByteArrayView bytes)
    {
        put(bytes);
        put(Crlf);
    }
    void field(const char* record, VisitField field)
    {
        const FieldSpan span = spanOf(field);
        put(QByteArrayView(record + span.offset, span.width));
    }
    const char* at() const { return m_at; }

private:
    char* m_at;
};

bool hasDiagnosis(const char* record)
{
    static const FieldSpan span = spanOf(VisitField::Diagnoskod);
    for (int i = 0; i < span.width; ++i)
        if (record[span.offset + i] != ' ')
            return true;
    return false;
}

// The referral field is two characters; "01" to "03" name a destination.
bool hasReferral(const char* record)
{
    static const FieldSpan span = spanOf(VisitField::RemissTill);
    const char* till = record + span.offset;
    return till[0] == '0' && (till[1] == '1' || till[1] == '2' || till[1] == '3');
}

// Each segment is its tag line and its data line.
constexpr qsizetype segmentBytes(qsizetype dataWidth)
{
    return 3 + Crlf.size() + dataWidth + Crlf.size();
}

// The bytes of one receipt's segments, and how many segments they are.
qsizetype receiptBytes(const char* record, int& segments)
{
    qsizetype bytes = segmentBytes(BskWidth) + segmentBytes(AtgWidth);
    segments += 2;
    if (hasDiagnosis(record)) {
        bytes += segmentBytes(DiaWidth);
        ++segments;
    }
    if (hasReferral(record)) {
        bytes += segmentBytes(RemWidth);
        ++segments;
    }
    return bytes;
}

// The BSK fields as runs of the record that lie back to back (two: up to the procedure, and
// from the referral to its date), so that a line is copied in as few pieces as it has.
struct Runs {
    FieldSpan run[std::size(BskFields)];
    int count = 0;
};

Runs bskRuns()
{
    Runs runs;
    for (VisitField f : BskFields) {
        const FieldSpan span = spanOf(f);
        FieldSpan* last = runs.count ? &runs.run[runs.count - 1] : nullptr;
        if (last && last->offset + last->width == span.offset)
            last->width += span.width;
        else
            runs.run[runs.count++] = span;
    }
    return runs;
}

void writeReceipt(Writer& out, const char* record)
{
    static const Runs bsk = bskRuns();
    out.line("BSK");
    for (int i = 0; i < bsk.count; ++i)
        out.put(QByteArrayView(record + bsk.run[i].offset, bsk.run[i].width));
    out.put(Crlf);
    out.line("ATG");
    out.field(record, VisitField::Åtgärd);
    out.put(Crlf);
    if (hasDiagnosis(record)) {
        out.line("DIA");
        out.field(record, VisitField::Diagnoskod);
        out.put(Crlf);
    }
    if (hasReferral(record)) {
        out.line("REM");
        out.field(record, VisitField::RemissTill);
        out.put(Crlf);
    }
}

Interchange refused(Interchange out, const QString& why)
{
    out.bytes.clear();
    out.error = why;
    return out;
}

QString text(QByteArrayView bytes)
{
    return cp1252::decode(bytes);
}

} // namespace

QString referenceNumber(const QString& toText)
{
    const QString digits = fixedtext::trimBlanks(toText);
    if (digits.size() >= ReferenceWidth)
        return digits;
    return QString(ReferenceWidth - digits.size(), QLatin1Char('0')) + digits;
}

QString fileNameOf(const QString& reference)
{
    QString name;
    for (QChar c : reference)
        if (characters::isDigit(c))
            name += c;
    return name + QStringLiteral(".ARV");
}

Interchange build(const VisitTable& visits, int from, const QString& toText,
                  QByteArrayView kombikakod, const QString& yymmdd, const QString& hhmm)
{
    Interchange out;
    out.reference = referenceNumber(toText);
    out.fileName = fileNameOf(out.reference);

    const std::optional<int> to = receiptNumberInBox(toText);
    if (!to)
        return refused(out, QStringLiteral("T.o.m. är inget kvittonummer"));
    if (from < 1 || from > *to || *to > visits.upperBound())
        return refused(out, QStringLiteral("kvitto %1 till %2 finns inte i besöksfilen, som har %3 kvitton")
                                .arg(from)
                                .arg(*to)
                                .arg(visits.upperBound()));
    const std::optional<QByteArray> date = cp1252::encode(yymmdd);
    const std::optional<QByteArray> time = cp1252::encode(hhmm);
    const std::optional<QByteArray> reference = cp1252::encode(out.reference);
    if (!date || !time || !reference)
        return refused(out, QStringLiteral("datum, klockslag eller referensnummer går inte att skriva"));

    int segments = 2; // UNH and UNT
    qsizetype bodySize = 0;
    for (int r = from; r <= *to; ++r)
        bodySize += receiptBytes(visits[r].bytes().data(), segments);
    out.segmentCount = segments;
    const QByteArray count = QByteArray::number(segments).leftJustified(CountWidth, ' ');

    const QByteArrayList head = {UnbStart.toByteArray(), kombikakod.toByteArray(),
                                 UnbRecipient.toByteArray(), *date, ":", *time,
                                 UnbReferenceStart.toByteArray(), *reference, UnbEnd.toByteArray(), "\r\n",
                                 "UNH\r\n", MessageReference.toByteArray(), *reference,
                                 UnhDataEnd.toByteArray(), "\r\n"};
    const QByteArrayList tail = {"UNT\r\n", count, MessageReference.toByteArray(), *reference, "\r\n",
                                 UnzStart.toByteArray(), *reference, "'\r\n"};
    qsizetype size = bodySize;
    for (const QByteArray& piece : head + tail)
        size += piece.size();

    QByteArray& file = out.bytes;
    file.resize(size);
    Writer w(file.data());
    for (const QByteArray& piece : head)
        w.put(piece);
    for (int r = from; r <= *to; ++r)
        writeReceipt(w, visits[r].bytes().data());
    for (const QByteArray& piece : tail)
        w.put(piece);
    Q_ASSERT(w.at() == file.constData() + file.size());

    if (const QString problem = checkInterchange(file, from); !problem.isEmpty())
        return refused(out, problem);
    return out;
}

// --- The check ---

namespace {

// The interchange split at its CR LF pairs, read line by line.
class Lines {
public:
    // One pass over the bytes: lines end at CR LF; a CR or LF on its own is noted, with the line
    // it stands in.
    explicit Lines(QByteArrayView bytes)
    {
        m_lines.reserve(size_t(bytes.size() / 16));
        const char* const p = bytes.data();
        const qsizetype n = bytes.size();
        qsizetype line = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const char c = p[i];
            const auto u = static_cast<unsigned char>(c);
            if (u > '\r' && u < 0x80)
                continue;
            if (c != '\r' && c != '\n') {
                if ((c == '\0' || cp1252::isUndefined(c)) && m_badByteLine == 0) {
                    m_badByteLine = int(m_lines.size()) + 1;
                    m_badByte = c;
                }
                continue;
            }
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n') {
                m_lines.emplace_back(p + line, i - line);
                line = ++i + 1;
            } else if (m_loneBreakLine == 0) {
                m_loneBreakLine = int(m_lines.size()) + 1;
            }
        }
        if (line < n) {
            m_unterminated = true;
            m_lines.emplace_back(p + line, n - line);
        }
    }
    bool unterminated() const { return m_unterminated; }
    // The first line holding a CR or LF that is not a line's end; 0 when there is none.
    int loneBreakLine() const { return m_loneBreakLine; }
    // The first line holding a NUL or a byte Windows-1252 leaves undefined (a damaged record,
    // which no reader of the file can take); 0 when there is none. `badByte` is that byte.
    int badByteLine() const { return m_badByteLine; }
    char badByte() const { return m_badByte; }
    int count() const { return int(m_lines.size()); }
    // Line k, counted from 1 as the user would; empty past the end.
    QByteArrayView operator[](int k) const
    {
        return k >= 1 && k <= count() ? m_lines[size_t(k - 1)] : QByteArrayView();
    }

private:
    // A std::vector: appending to it inlines, and the check appends one view for every line.
    std::vector<QByteArrayView> m_lines;
    bool m_unterminated = false;
    int m_loneBreakLine = 0;
    int m_badByteLine = 0;
    char m_badByte = 0;
};


QString wrongWidth(int k, QByteArrayView tag, qsizetype width, qsizetype expected)
{
    return QStringLiteral("rad %1 (%2) har %3 tecken i stället för %4")
        .arg(k)
        .arg(text(tag))
        .arg(width)
        .arg(expected);
}

// Tag comparisons kept inline: the check makes several for each of up to 131070 segments.
bool is(QByteArrayView line, const char (&tag)[4])
{
    return line.size() == 3 && std::memcmp(line.data(), tag, 3) == 0;
}

// "kvitto 7: " for a line among the receipts (the receipt of the last BSK at or before it),
// nothing for a line of the header.
QString receiptOfLine(const Lines& lines, int line, int firstReceipt)
{
    int receipt = firstReceipt - 1;
    for (int k = 4; k <= line; k += 2)
        if (is(lines[k], "BSK"))
            ++receipt;
    return receipt >= firstReceipt ? QStringLiteral("kvitto %1: ").arg(receipt) : QString();
}

qsizetype dataWidthOf(QByteArrayView tag)
{
    if (is(tag, "BSK"))
        return BskWidth;
    if (is(tag, "ATG"))
        return AtgWidth;
    if (is(tag, "DIA"))
        return DiaWidth;
    if (is(tag, "REM"))
        return RemWidth;
    return -1;
}

// Whether segment `tag` may follow segment `previous` within the receipts: each receipt is BSK,
// ATG, then DIA and REM when it has them.
bool mayFollow(QByteArrayView previous, QByteArrayView tag)
{
    if (is(tag, "BSK"))
        return is(previous, "UNH") || is(previous, "ATG") || is(previous, "DIA") || is(previous, "REM");
    if (is(tag, "ATG"))
        return is(previous, "BSK");
    if (is(tag, "DIA"))
        return is(previous, "ATG");
    if (is(tag, "REM"))
        return is(previous, "ATG") || is(previous, "DIA");
    return false;
}

QString checkHeader(const Lines& lines, QByteArrayView& reference)
{
    const QByteArrayView unb = lines[1];
    if (unb.size() != UnbWidth)
        return wrongWidth(1, "UNB", unb.size(), UnbWidth);
    if (!unb.startsWith(UnbStart) || unb.sliced(UnbKombikakodAt + KombikakodWidth, UnbRecipient.size()) != UnbRecipient
        || unb.sliced(UnbTimeAt - 1, 1) != ":" || unb.sliced(UnbTimeAt + TimeWidth, UnbReferenceStart.size()) != UnbReferenceStart
        || !unb.endsWith(UnbEnd))
        return QStringLiteral("rad 1 är inget UNB-huvud av rätt form");
    if (!allDigits(unb.sliced(UnbDateAt, DateWidth)) || !allDigits(unb.sliced(UnbTimeAt, TimeWidth)))
        return QStringLiteral("datum och klockslag i rad 1 är inte sex och fyra siffror");
    reference = unb.sliced(UnbReferenceAt, ReferenceWidth);
    if (!allDigits(reference))
        return QStringLiteral("referensnumret %1 är inte %2 siffror").arg(text(reference)).arg(ReferenceWidth);

    if (lines[2] != "UNH")
        return QStringLiteral("rad 2 är inte UNH");
    const QByteArrayView unhData = lines[3];
    if (unhData.size() != UnhDataWidth)
        return wrongWidth(3, "UNH", unhData.size(), UnhDataWidth);
    if (!unhData.startsWith(MessageReference) || !unhData.endsWith(UnhDataEnd))
        return QStringLiteral("rad 3 är ingen meddelandereferens av rätt form");
    if (unhData.sliced(MessageReference.size(), ReferenceWidth) != reference)
        return QStringLiteral("referensen i UNH skiljer sig från den i UNB");
    return {};
}

} // namespace

QString checkInterchange(QByteArrayView bytes, int firstReceipt)
{
    const Lines lines(bytes);
    if (lines.unterminated())
        return QStringLiteral("sista raden slutar inte med CR LF");
    // A lone CR or LF would end the line for many a reader. Within the body it belongs to the
    // receipt of the last BSK before it.
    if (const int broken = lines.loneBreakLine(); broken > 0)
        return receiptOfLine(lines, broken, firstReceipt)
            + QStringLiteral("rad %1 har en radbrytning inuti raden").arg(broken);
    if (const int damaged = lines.badByteLine(); damaged > 0)
        return receiptOfLine(lines, damaged, firstReceipt)
            + (lines.badByte() == '\0'
                   ? QStringLiteral("rad %1 har ett nolltecken").arg(damaged)
                   : QStringLiteral("rad %1 har ett tecken som inte finns i Windows-1252").arg(damaged));
    if (lines.count() < 6)
        return QStringLiteral("filen har bara %1 rader").arg(lines.count());

    QByteArrayView reference;
    if (const QString problem = checkHeader(lines, reference); !problem.isEmpty())
        return problem;

    // The receipts: tag line and data line, segment after segment, up to UNT.
    int segments = 1; // UNH
    int receipt = firstReceipt - 1;
    QByteArrayView previous = "UNH";
    int k = 4;
    for (; k <= lines.count() && !is(lines[k], "UNT"); k += 2) {
        const QByteArrayView tag = lines[k];
        if (is(tag, "BSK"))
            ++receipt;
        auto where = [receipt] { return QStringLiteral("kvitto %1: ").arg(receipt); };
        const qsizetype width = dataWidthOf(tag);
        if (width < 0)
            return where() + QStringLiteral("rad %1 är inget segment som filen får ha").arg(k);
        if (!mayFollow(previous, tag))
            return where() + QStringLiteral("segmentet %1 på rad %2 står på fel plats").arg(text(tag)).arg(k);
        if (lines[k + 1].size() != width)
            return where() + wrongWidth(k + 1, tag, lines[k + 1].size(), width);
        previous = tag;
        ++segments;
    }
    if (k > lines.count())
        return QStringLiteral("UNT saknas efter kvittona");
    if (is(previous, "BSK"))
        return QStringLiteral("kvitto %1: ATG saknas").arg(receipt);
    ++segments; // UNT

    const QByteArrayView untData = lines[k + 1];
    if (untData.size() != UntDataWidth)
        return wrongWidth(k + 1, "UNT", untData.size(), UntDataWidth);
    // The count: digits from the left, blanks after them.
    const QByteArrayView countField = untData.first(CountWidth);
    qsizetype digits = 0;
    while (digits < CountWidth && characters::isDigit(countField[digits]))
        ++digits;
    const QByteArrayView countDigits = countField.first(digits);
    if (digits == 0 || countField.sliced(digits).count(' ') != CountWidth - digits)
        return QStringLiteral("antalet segment i UNT står inte vänsterställt i sex tecken");
    if (countDigits.toByteArray().toInt() != segments)
        return QStringLiteral("antalet segment i UNT är %1, men meddelandet har %2")
            .arg(text(countDigits))
            .arg(segments);
    if (untData.sliced(CountWidth, MessageReference.size()) != MessageReference
        || untData.sliced(CountWidth + MessageReference.size()) != reference)
        return QStringLiteral("referensen i UNT skiljer sig från den i UNB");

    const int unzAt = k + 2;
    if (unzAt != lines.count())
        return unzAt > lines.count() ? QStringLiteral("UNZ saknas")
                                     : QStringLiteral("filen har rader efter UNZ");
    const QByteArrayView unz = lines[unzAt];
    if (!unz.startsWith(UnzStart) || !unz.endsWith("'")
        || unz.size() != UnzStart.size() + ReferenceWidth + 1)
        return QStringLiteral("sista raden är inget UNZ av rätt form");
    if (unz.sliced(UnzStart.size(), ReferenceWidth) != reference)
        return QStringLiteral("referensen i UNZ skiljer sig från den i UNB");
    return {};
}

} // namespace arvfile
