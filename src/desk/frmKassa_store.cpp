#include "desk/frmKassa.h"

#include "vocabulary/codes.h"
#include "vocabulary/fieldchecks.h"
#include "vocabulary/receiptnumber.h"

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
        m_värden.Skatt = kod::FSkatt;
    else if (mnuSkatt[1]->checked())
        m_värden.Skatt = kod::ASkatt;
    else
        m_värden.Skatt.clear();
}

void frmKassa::LagraIdNummer()
{
    if (mnuIdTyp[0]->checked()) {
        m_värden.IdTyp = kod::Personnummer;
        m_värden.IdNummer = txtPersonnummer.text();
    } else if (mnuIdTyp[1]->checked()) {
        m_värden.IdTyp = kod::Reservnummer;
        m_värden.IdNummer = txtReservnummer.text();
    } else {
        m_värden.IdTyp.clear();
        m_värden.IdNummer.clear();
    }
}

// In registration mode the record carries its own receipt number, in voiding mode the number of
// the receipt it voids; either is stored by its value, 8 digits with leading zeros.
void frmKassa::LagraKvittonummer()
{
    if (mnuNyReg[0]->checked())
        m_värden.Kvittonummer = m_kvitto ? storedReceiptNumber(*m_kvitto) : QString();
    else if (mnuNyReg[1]->checked())
        m_värden.Kvittonummer = fieldchecks::lagratKvittonummer(txtMakulering.text());
    else
        m_värden.Kvittonummer.clear();
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
        m_värden.Registreringstyp = kod::Besök;
        lblMakulering.setVisible(false);
        txtMakulering.setVisible(false);
    } else if (mnuNyReg[1]->checked()) {
        m_värden.Registreringstyp = kod::Makulering;
        lblMakulering.setVisible(true);
        txtMakulering.setVisible(true);
    } else {
        m_värden.Registreringstyp.clear();
    }
}

void frmKassa::LagraBesökstyp()
{
    m_värden.Besökstyp = optBesök[0]->value() ? kod::Nybesök : kod::Återbesök;
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
        VisaIdentitetsrader(utanIdentitet(/*födelsedatumDolt=*/false));
        m_värden.Smittskydd = kod::Smittskydd;
        break;
    case 0:
        VisaIdentitetsrader(identitetFör(m_värden.IdTyp, m_värden.IdNummer));
        m_värden.Smittskydd = kod::EjSmittskydd;
        break;
    default:
        m_värden.Smittskydd.clear();
        break;
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
    m_värden.EjBetPatAvg = chkEjBetPatAvg.value() == 1 ? kod::EjBetald : kod::Betald;
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
