#pragma once

// What the desk's scenario tests share: the test clinic of DeskFixture under a Swedish locale, a
// receptionist's moves (type and leave a box, "Gå till...", leave the desk for another window and
// come back), the record kinds of a clinic's visit file, and two ways to say what the desk shows:
// `visar` for the few things a step is about (a `Visas`), `bild` for "this changed nothing".

#include "data/visitrecord.h"
#include "desk/deskcodes.h"
#include "desk/visitchecks.h"
#include "support/deskfixture.h"

#include <QStringList>
#include <initializer_list>
#include <optional>
#include <source_location>

using namespace Qt::StringLiterals;

// The checked item of a two-item menu; Ingen when neither is checked.
enum class NyReg { N, M, Ingen };      // Nyregistrering, Makulering
enum class Skatt { F, A, Ingen };
enum class IdTyp { P, R, Ingen };      // personnummer, reserve number

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

    // What the receptionist sees of the desk, for the parts a step is about; a part left unset
    // is not looked at. The boxes hold their texts, the lists their indexes, the check boxes and
    // the option their values, the labels their captions.
    struct Visas {
        std::optional<QString> kvitto{};    // the receipt number shown
        const ui::Control* fokus = nullptr; // the control that has the focus
        std::optional<NyReg> nyreg{};       // the checked item of each two-item menu
        std::optional<Skatt> skatt{};
        std::optional<IdTyp> idtyp{};
        std::optional<bool> idmeny{};       // the identity menu items enabled
        std::optional<bool> makulering{};   // "Maku&lerat kvittonr:" and its box shown
        std::optional<int> ram{};           // Frame1's height
        // The personnummer, reserve-number and birth-date rows, one character each: its letter
        // (P, R, F) when shown, lower case when its box is disabled; "." hidden and disabled,
        // ":" hidden but enabled; "?" when the label and the box disagree about being shown.
        std::optional<QString> rader{};
        std::optional<QString> txtPersonnummer{}, txtReservnummer{}, txtFödelsedatum{},
            txtBesöksDatum{}, txtKombikakod{}, txtVikKomkod{}, txtRemissFrån{}, txtRemissDatum{},
            txtDiagnoskod{}, txtMakulering{};
        std::optional<int> lstTaxekod{}, lstÅtgärd{}, lstRemissTill{};
        std::optional<int> chkSmittskydd{}, chkAkutbesök{}, chkEjBetPatAvg{}, optBesök0{},
            optBesök1{};
        std::optional<QString> lblPatientavgift{}, lblMakulering{};
    };
    // Checks each part `expected` names; one failure lists every part that differs, with what
    // the desk shows and what was expected.
    void visar(const Visas& expected,
               std::source_location where = std::source_location::current()) const;

    // Everything a user can see of the desk, one line per control and menu entry; the first line
    // holds the caption and the focus (which a click moves).
    QStringList bild() const;
    static std::string diff(const QStringList& before, const QStringList& after);
};
