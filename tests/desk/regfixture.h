#pragma once

// What the registration scenarios share: the test clinic with a Swedish locale, a receptionist's
// typing (type, then leave the box), and records spelled out field by field.

#include "data/codec.h"
#include "desk/fieldchecks.h"
#include "support/deskfixture.h"

#include <QLocale>
#include <initializer_list>

class RegistrationFixture : public DeskFixture {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        writeClinicFiles();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static QString s(const char16_t* text) { return QString::fromUtf16(text); }

    // The receptionist types into a box and leaves it with Tab.
    void typeAndLeave(ui::TextBox& box, const QString& text)
    {
        ASSERT_TRUE(app.type(box, text)) << box.name().toStdString();
        app.tab();
    }

    // The 21 fields of a record, each written out at its full width, joined into its bytes.
    static QByteArray record(std::initializer_list<const char16_t*> fields)
    {
        QByteArray bytes;
        for (const char16_t* f : fields)
            bytes += cp1252::encode(QString::fromUtf16(f)).value_or(QByteArray("?"));
        EXPECT_EQ(fields.size(), 21u);
        EXPECT_EQ(bytes.size(), 95);
        return bytes;
    }

    QString focusName() const
    {
        return desk->focused() ? desk->focused()->name() : QStringLiteral("(none)");
    }
};
