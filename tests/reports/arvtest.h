#pragma once

#include <QByteArrayList>
#include <gtest/gtest.h>

// Reads an ARV file as the county council's side would, with nothing of the builder's code: the
// separators that its UNA line declares split UNB and UNZ; between them the message is tag and
// data lines by turns, UNH first, UNT last. Checks the references and the count against each
// other and returns the interchange reference.
inline QByteArray readEnvelope(const QByteArray& file)
{
    QByteArrayList rows = file.split('\n');
    EXPECT_EQ(rows.takeLast(), QByteArray()) << "the last line ends with CR LF";
    for (QByteArray& row : rows)
        EXPECT_TRUE(row.endsWith('\r') && (row.chop(1), !row.contains('\r')));
    if (rows.size() < 6 || !rows.first().startsWith("UNA")) {
        ADD_FAILURE() << "no UNA line";
        return {};
    }
    const char component = rows.first()[3], element = rows.first()[4], terminator = rows.first()[8];
    EXPECT_EQ(rows.first().left(9), QByteArray("UNA:+,? '"));
    auto segment = [&](const QByteArray& text) {
        EXPECT_TRUE(text.endsWith(terminator) && text.count(terminator) == 1) << text.toStdString();
        return text.chopped(1).split(element);
    };
    const QByteArrayList unb = segment(rows.first().mid(9));
    EXPECT_EQ(unb.size(), 8);
    EXPECT_EQ(unb.value(0), QByteArray("UNB"));
    EXPECT_EQ(unb.value(1).split(component), (QByteArrayList{"UNOC", "2"}));
    EXPECT_EQ(unb.value(4).split(component).size(), 2); // date and time
    const QByteArray reference = unb.value(5);
    EXPECT_EQ(segment(rows.last()), (QByteArrayList{"UNZ", "1", reference}));

    const QByteArrayList message = rows.mid(1, rows.size() - 2);
    EXPECT_TRUE(message.size() % 2 == 0 && message.first() == "UNH" && message.value(message.size() - 2) == "UNT");
    EXPECT_EQ(message.value(1).left(14), reference);
    EXPECT_EQ(message.last().left(6).trimmed().toInt(), message.size() / 2) << "the count in UNT";
    EXPECT_EQ(message.last().mid(6), reference);
    return reference;
}
