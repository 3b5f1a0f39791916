#pragma once

// What the start-up, display and browsing tests share: the record kinds of a clinic's visit
// file, another window to leave the desk for, and the error a file read gives.

#include "data/codetables.h"
#include "data/visitrecord.h"
#include "support/deskfixture.h"

#include <QDir>
#include <QString>

// Another window of the program: showing it and closing it again activates the desk, as
// closing a report or the settings window does.
class AnnatFönster : public ui::Form {
public:
    explicit AnnatFönster(ui::Application& app) : ui::Form(app, QStringLiteral("frmAnnat")) {}
};

class DeskScenario : public DeskFixture {
protected:
    void återaktivera()
    {
        AnnatFönster annat(app);
        app.show(annat);
        ASSERT_EQ(app.activeForm(), &annat);
        app.close(annat);
        ASSERT_EQ(app.activeForm(), desk.get());
    }

    // "&Gå till..." answered with `answer`, and the message the answer must bring, if any.
    void gåTill(const QString& answer, const QString& thenMessage = {})
    {
        dialogs.expectInput(answer);
        if (!thenMessage.isEmpty())
            dialogs.expectMessage(thenMessage);
        app.chooseMenu(desk->mnuGåTill);
    }

    // The message a read of a code file gives as the folder is now.
    QString taxaFel() const
    {
        TariffTable scratch;
        return codetables::HämtaTaxeFil(QDir(dir.path()), scratch).error;
    }
    QString åtgärdFel() const
    {
        ProcedureTable scratch;
        return codetables::HämtaÅtgärdsFil(QDir(dir.path()), scratch).error;
    }

    // A reserve number with a good check digit, and a birth date to go with it.
    static QString reservnummer() { return QStringLiteral("1234567898"); }
    static QString födelsedatum() { return QStringLiteral("450312"); }

    // A visit by reserve number: IdNummer is the 10 characters and two blanks.
    static VisitRecord reservbesök(int receipt)
    {
        VisitRecord r = visit(receipt, QString(), QStringLiteral("261130"), QStringLiteral("03"),
                              QStringLiteral("C003"));
        r.setText(VisitField::IdNummer, reservnummer());
        r.setText(VisitField::IdTyp, QStringLiteral("R"));
        r.setText(VisitField::Födelsedatum, födelsedatum());
        return r;
    }

    // An infection-control visit: no identity at all.
    static VisitRecord smittskyddsbesök(int receipt)
    {
        VisitRecord r = visit(receipt, QString(), QStringLiteral("261130"), QStringLiteral("06"),
                              QStringLiteral("B002"));
        r.setText(VisitField::Smittskydd, QStringLiteral("1"));
        return r;
    }

    // A voiding record of receipt `voided`: the voided visit's values, Registreringstyp "2" and
    // the voided receipt's number in Kvittonummer. Its own number is its place in the file.
    static VisitRecord makuleringAv(int voided)
    {
        VisitRecord r = visit(voided);
        r.setText(VisitField::Registreringstyp, QStringLiteral("2"));
        return r;
    }
};
