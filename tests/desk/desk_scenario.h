#pragma once

// What the desk's scenario tests share: the test clinic of DeskFixture under a Swedish locale, a
// receptionist's moves (type and leave a box, "Gå till...", leave the desk for another window and
// come back), the record kinds of a clinic's visit file, and two ways to say what the desk shows:
// `visar` for the few things a step is about, `bild` for "this changed nothing".

#include "data/visitrecord.h"
#include "desk/deskcodes.h"
#include "desk/fieldchecks.h"
#include "support/deskfixture.h"

#include <QStringList>
#include <initializer_list>
#include <source_location>

using namespace Qt::StringLiterals;

class DeskScenario : public DeskFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // `visits` stored visits numbered from 1 (see writeNumberedVisits), the desk started on them.
    void start(int visits);
    // The desk started on the records given.
    void start(const std::vector<VisitRecord>& records);
    // Two stored visits (kept in `before`) and the clinic's `settings`; "Nästa >>" opens receipt 3
    // with the defaults, and the focus goes to the diagnosis box, which has no check of its own.
    void openReceipt3(const SettingsRecord& settings = clinicSettings());
    QByteArray before;

    // Leaves the desk for another window of the program and comes back: an activation.
    void återaktivera();
    // "&Gå till..." answered with `answer`, and the message the answer must bring, if any.
    void gåTill(const QString& answer, const QString& thenMessage = {});
    // The receptionist types into a box and leaves it with Tab.
    void typeAndLeave(ui::TextBox& box, const QString& text);

    QString kvitto() const { return desk->lblKvittoNr.caption(); }
    QString focusName() const;

    static QByteArray field(const QByteArray& record, VisitField f);
    // The 21 fields of a record, each written out at its full width, joined into its bytes.
    static QByteArray record(std::initializer_list<const char16_t*> fields);

    // A reserve number with a good check digit, and a birth date to go with it.
    static QString reservnummer() { return u"1234567898"_s; }
    static QString födelsedatum() { return u"450312"_s; }
    // A visit by reserve number ("03", "C003"), an infection-control visit without identity
    // ("06", "B002"), and a voiding record of receipt `voided` (its values, Registreringstyp "2").
    static VisitRecord reservbesök(int receipt);
    static VisitRecord smittskyddsbesök(int receipt);
    static VisitRecord makuleringAv(int voided);

    // Checks what the desk shows, for each "key=value" of `expected` (separated by ";", a value taken
    // as it stands, blanks included). A key is a control's name (a box's text, a list's index, a
    // check box's or option's value, a label's caption) or one of:
    //   kvitto      the receipt number shown        fokus   the control that has the focus
    //   nyreg       N / M (Nyregistrering / Makulering checked), skatt F / A, idtyp P / R;
    //               "-" for neither item of the pair
    //   idmeny      på / av: the identity menu items enabled or greyed out
    //   makulering  syns / dold: "Maku&lerat kvittonr:" and its box
    //   ram         Frame1's height
    //   rader       the personnummer, reserve-number and birth-date rows, one character each:
    //               its letter (P, R, F) when shown, lower case when its box is disabled; "."
    //               hidden and disabled, ":" hidden but enabled; "?" when the label and the box
    //               disagree about being shown
    void visar(const QString& expected,
               std::source_location where = std::source_location::current()) const;

    // Everything a user can see of the desk, one line per control and menu entry; the first line
    // holds the caption and the focus (which a click moves).
    QStringList bild() const;
    static std::string diff(const QStringList& before, const QStringList& after);
};
