#pragma once

// What the ARV tests share: a reading of an ARV file as the county council's side would do it,
// written without the builder's code, and the lines of a file joined as it stores them.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <gtest/gtest.h>

#include <initializer_list>

namespace arvtest {

// The lines given, each followed by CR LF.
inline QByteArray lines(std::initializer_list<QByteArray> all)
{
    QByteArray out;
    for (const QByteArray& line : all)
        out += line + "\r\n";
    return out;
}

// Reads the envelope of an ARV file: the separators that the UNA line declares, the UNB and UNZ
// segments split by them, the message between them read as tag and data lines. Returns the
// interchange reference, or fails the test.
inline QString readEnvelope(const QByteArray& file)
{
    EXPECT_TRUE(file.endsWith("\r\n"));
    QByteArrayList rows = file.split('\n');
    EXPECT_TRUE(rows.takeLast().isEmpty());
    for (QByteArray& row : rows) {
        EXPECT_TRUE(row.endsWith('\r'));
        row.chop(1);
    }
    if (rows.size() < 6 || !rows.first().startsWith("UNA")) {
        ADD_FAILURE() << "no UNA line";
        return {};
    }
    // UNA, then the component and element separators, the decimal mark, the release character,
    // a reserved blank and the segment terminator.
    const QByteArray& first = rows.first();
    const char component = first[3], element = first[4], terminator = first[8];
    EXPECT_EQ(QByteArray(first.mid(3, 6)), QByteArray(":+,? '"));

    auto segmentsOf = [&](const QByteArray& text) {
        QByteArrayList segments = text.split(terminator);
        EXPECT_TRUE(segments.takeLast().isEmpty()) << "a segment without its terminator";
        return segments;
    };
    const QByteArrayList header = segmentsOf(first.mid(9));
    EXPECT_EQ(header.size(), 1);
    const QByteArrayList unb = header.value(0).split(element);
    EXPECT_EQ(unb.value(0), QByteArray("UNB"));
    EXPECT_EQ(unb.value(1).split(component), (QByteArrayList{"UNOC", "2"}));
    EXPECT_EQ(unb.value(2).split(component).value(0), QByteArray("00072321000016"));
    EXPECT_EQ(unb.value(3), QByteArray("00072321000016:30:S7010"));
    EXPECT_EQ(unb.value(4).split(component).size(), 2); // date and time
    const QByteArray reference = unb.value(5);
    EXPECT_EQ(unb.mid(6), (QByteArrayList{"", "SLLPVR"}));

    const QByteArrayList trailer = segmentsOf(rows.last());
    EXPECT_EQ(trailer.size(), 1);
    EXPECT_EQ(trailer.value(0).split(element), (QByteArrayList{"UNZ", "1", reference}));

    // Between them one message: tag lines and data lines by turns, UNH first and UNT last.
    const QByteArrayList message = rows.mid(1, rows.size() - 2);
    EXPECT_EQ(message.size() % 2, 0);
    EXPECT_EQ(message.value(0), QByteArray("UNH"));
    EXPECT_EQ(message.value(message.size() - 2), QByteArray("UNT"));
    int tags = 0;
    for (qsizetype i = 0; i < message.size(); i += 2) {
        ++tags;
        EXPECT_TRUE(QByteArrayList({"UNH", "BSK", "ATG", "DIA", "REM", "UNT"}).contains(message[i]))
            << message[i].toStdString();
    }
    EXPECT_EQ(message.value(1).left(14), reference);
    const QByteArray unt = message.value(message.size() - 1);
    EXPECT_EQ(unt.left(6).trimmed().toInt(), tags);
    EXPECT_EQ(unt.mid(6), reference);
    return QString::fromLatin1(reference);
}

} // namespace arvtest
