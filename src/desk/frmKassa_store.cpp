#include "desk/frmKassa.h"

using namespace Qt::StringLiterals;

// The Lagra… procedures: each turns what the desk shows (menu check marks, list selections,
// options, check boxes) into one desk value, and LagraBesök puts the desk values and the text
// boxes into the visit table. Registration runs them all; the lists, options and check boxes
// run theirs as they change, also when the display of a receipt changes them.

namespace {


// A row of a code table, or the empty text when the list has no selection or the table (re-read
// since the list was filled) is shorter than the list.
QString rad(const CodeColumn& column, int index)
{
    return index >= 0 && index < column.size() ? column.at(index) : QString();
}

} // namespace

void frmKassa::LagraSkatt()
{
    if (mnuSkatt[0]->checked())
        m_värden.Skatt = u"F"_s;
    else if (mnuSkatt[1]->checked())
        m_värden.Skatt = u"A"_s;
    else
        m_värden.Skatt.clear();
}

void frmKassa::LagraIdNummer()
{
    if (mnuIdTyp[0]->checked()) {
        m_värden.IdTyp = u"P"_s;
        m_värden.IdNummer = txtPersonnummer.text();
    } else if (mnuIdTyp[1]->checked()) {
        m_värden.IdTyp = u"R"_s;
        m_värden.IdNummer = txtReservnummer.text();
    } else {
        m_värden.IdTyp.clear();
        m_värden.IdNummer.clear();
    }
}

// In registration mode the record carries its own receipt number, in voiding mode the number of
// the receipt it voids. Receipt numbers are stored with leading zeros to 8 characters; a text of
// any other length (empty, or 8 and more) is stored as it stands.
void frmKassa::LagraKvittonummer()
{
    QString nummer;
    if (mnuNyReg[0]->checked())
        nummer = lblKvittoNr.caption();
    else if (mnuNyReg[1]->checked())
        nummer = txtMakulering.text();
    if (nummer.size() >= 1 && nummer.size() <= 7)
        nummer = nummer.rightJustified(8, QLatin1Char('0'));
    m_värden.Kvittonummer = nummer;
}

// The fee shown is the one the tariff file gives now. With no tariff selected (a settings index
// of "-1") there is no fee to show and no code to store.
void frmKassa::LagraTaxekod()
{
    const int i = lstTaxekod.listIndex();
    if (i >= 0 && i < m_taxor.count()) {
        lblPatientavgift.setCaption(m_taxor.Patientavgift.at(i) + u" Kr"_s);
        m_värden.Taxekod = m_taxor.Taxekod.at(i);
    } else {
        lblPatientavgift.setCaption(QString());
        m_värden.Taxekod.clear();
    }
}

void frmKassa::LagraRegistreringstyp()
{
    if (mnuNyReg[0]->checked()) {
        m_värden.Registreringstyp = u"1"_s;
        lblMakulering.setVisible(false);
        txtMakulering.setVisible(false);
    } else if (mnuNyReg[1]->checked()) {
        m_värden.Registreringstyp = u"2"_s;
        lblMakulering.setVisible(true);
        txtMakulering.setVisible(true);
    } else {
        m_värden.Registreringstyp.clear();
    }
}

void frmKassa::LagraBesökstyp()
{
    m_värden.Besökstyp = optBesök[0]->value() ? u"0"_s : u"1"_s;
}

void frmKassa::LagraÅtgärd()
{
    m_värden.Åtgärd = lstÅtgärd.text();
}

// An infection-control visit is registered without any identity: the identity boxes go away
// while the box is ticked. Clearing it brings back the identity that the desk values hold, which
// is the one of the receipt shown last (or registered last).
void frmKassa::LagraSmittskydd()
{
    switch (chkSmittskydd.value()) {
    case 1:
        for (ui::MenuItem* item : mnuIdTyp) {
            item->setChecked(false);
            item->setEnabled(false);
        }
        for (ui::TextBox* box : {&txtPersonnummer, &txtReservnummer}) {
            box->setText(QString());
            box->setEnabled(false);
            box->setVisible(false);
        }
        lblPersonnummer.setVisible(false);
        lblReservnummer.setVisible(false);
        txtFödelsedatum.setText(QString());
        txtFödelsedatum.setEnabled(false);
        m_värden.Smittskydd = u"1"_s;
        break;
    case 0:
        VisaIdentitet(m_värden.IdTyp, m_värden.IdNummer);
        m_värden.Smittskydd = u"0"_s;
        break;
    default:
        m_värden.Smittskydd.clear();
        break;
    }
}

// The identity rows for an identity type: the personnummer row alone, the reserve-number rows
// (moved up into the personnummer's place), or an empty personnummer row for a record without
// an identity. The display of a receipt lays them out the same way.
void frmKassa::VisaIdentitet(const QString& idTyp, const QString& idNummer)
{
    if (idTyp == u"P") {
        mnuIdTyp[0]->setChecked(true);
        mnuIdTyp[1]->setChecked(false);
        txtPersonnummer.setVisible(true);
        lblPersonnummer.setVisible(true);
        txtPersonnummer.setEnabled(true);
        // Shown and enabled first: the focus cannot go to a hidden or disabled box.
        txtPersonnummer.setFocus();
        txtPersonnummer.setText(idNummer);
        for (ui::TextBox* box : {&txtReservnummer, &txtFödelsedatum}) {
            box->setEnabled(false);
            box->setText(QString());
        }
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &txtReservnummer, &lblReservnummer, &txtFödelsedatum, &lblFödelsedatum})
            c->setVisible(false);
        txtReservnummer.setTop(360);
        lblReservnummer.setTop(360);
        txtFödelsedatum.setTop(840);
        lblFödelsedatum.setTop(840);
        Frame1.setHeight(850);
    } else if (idTyp == u"R") {
        mnuIdTyp[0]->setChecked(false);
        mnuIdTyp[1]->setChecked(true);
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &txtReservnummer, &lblReservnummer, &txtFödelsedatum, &lblFödelsedatum})
            c->setVisible(true);
        txtReservnummer.setEnabled(true);
        txtReservnummer.setFocus();
        txtReservnummer.setText(idNummer);
        txtFödelsedatum.setEnabled(true);
        txtPersonnummer.setEnabled(false);
        txtPersonnummer.setText(QString());
        txtPersonnummer.setVisible(false);
        lblPersonnummer.setVisible(false);
        Frame1.setHeight(1400);
    } else {
        mnuIdTyp[0]->setChecked(true);
        mnuIdTyp[1]->setChecked(false);
        txtPersonnummer.setEnabled(true);
        txtPersonnummer.setText(QString());
        for (ui::TextBox* box : {&txtReservnummer, &txtFödelsedatum}) {
            box->setEnabled(false);
            box->setText(QString());
        }
        txtPersonnummer.setVisible(true);
        lblPersonnummer.setVisible(true);
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &txtReservnummer, &lblReservnummer, &txtFödelsedatum, &lblFödelsedatum})
            c->setVisible(false);
        Frame1.setHeight(850);
    }
}

void frmKassa::LagraRemissTill()
{
    const int i = lstRemissTill.listIndex();
    m_värden.RemissTill = i >= 0 && i <= 3 ? QStringLiteral("0%1").arg(i) : QString();
}

void frmKassa::LagraPatientavgift()
{
    m_värden.Patientavgift = rad(m_taxor.Patientavgift, lstTaxekod.listIndex());
}

void frmKassa::LagraÅtgärdsbelopp()
{
    m_värden.Åtgärdsbelopp = rad(m_åtgärder.Åtgärdsbelopp, lstÅtgärd.listIndex());
}

void frmKassa::LagraEjBetPatAvg()
{
    m_värden.EjBetPatAvg = chkEjBetPatAvg.value() == 1 ? u"0000"_s : u"    "_s;
}

// Puts the desk into entry `kvittonummer` of the table: the table is made to end there (later
// entries leave the table but stay in the file until it is written over them), and the 21 fields
// are filled in record order, each fitted to its width. A number outside 1..32767 names no
// entry; registration never passes one, and nothing is stored if it did.
void frmKassa::LagraBesök(int kvittonummer)
{
    if (kvittonummer < 1 || kvittonummer > VisitTable::MaxRecords)
        return;
    m_besök.resize(kvittonummer);
    VisitRecord& r = m_besök[kvittonummer];
    r.setText(VisitField::Registreringstyp, m_värden.Registreringstyp);
    r.setText(VisitField::Kombikakod, txtKombikakod.text());
    r.setText(VisitField::VikKomkod, txtVikKomkod.text());
    r.setText(VisitField::Kvittonummer, m_värden.Kvittonummer);
    r.setText(VisitField::Skatt, m_värden.Skatt);
    r.setText(VisitField::IdNummer, m_värden.IdNummer);
    r.setText(VisitField::IdTyp, m_värden.IdTyp);
    r.setText(VisitField::Födelsedatum, txtFödelsedatum.text());
    r.setText(VisitField::Besöksdatum, txtBesöksDatum.text());
    r.setText(VisitField::Besökstyp, m_värden.Besökstyp);
    r.setText(VisitField::Akutbesök, QString::number(chkAkutbesök.value()));
    r.setText(VisitField::Taxekod, m_värden.Taxekod);
    r.setText(VisitField::Smittskydd, m_värden.Smittskydd);
    r.setText(VisitField::Åtgärd, m_värden.Åtgärd);
    r.setText(VisitField::RemissFrån, txtRemissFrån.text());
    r.setText(VisitField::RemissDatum, txtRemissDatum.text());
    r.setText(VisitField::RemissTill, m_värden.RemissTill);
    r.setText(VisitField::Patientavgift, m_värden.Patientavgift);
    r.setText(VisitField::Åtgärdsbelopp, m_värden.Åtgärdsbelopp);
    r.setText(VisitField::EjBetPatAvg, m_värden.EjBetPatAvg);
    r.setText(VisitField::Diagnoskod, txtDiagnoskod.text());
}
