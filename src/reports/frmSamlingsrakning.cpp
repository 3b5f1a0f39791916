#include "reports/frmSamlingsrakning.h"

#include "data/visitfile.h"
#include "ui/filemessages.h"
#include "ui/layout.h"
#include "vocabulary/characters.h"
#include "vocabulary/fieldchecks.h"
#include "vocabulary/messages.h"
#include "vocabulary/receiptrange.h"

#include <QStringList>

using namespace Qt::StringLiterals;
using namespace ui;

namespace {

// Why no totals are computed while a copy could not be read.
QString kanInteRäknas(const QString& läsfel)
{
    return läsfel + u"\nSamlingsräkningen kan inte göras förrän filen går att läsa."_s;
}

// A receipt list in a message is cut after this many numbers.
constexpr int VisadeKvitton = 20;

QString antal(const std::optional<int>& värde)
{
    return värde ? QString::number(*värde) : QString();
}

} // namespace

// Positions in twips within the client area. The whole window is in 8.25-point bold; only the
// dash between the boxes is larger. The captions stand on light grey, the results in sunken
// boxes on the colour of a box's inside; every number stands at the right.
namespace {

using K = ControlKind;
constexpr LabelLook Rubrik{Alignment::Left, false, Label::LightGrey};
constexpr LabelLook HögerRubrik{Alignment::Right, false, Label::LightGrey};
constexpr LabelLook Streck{Alignment::Center, false, Label::LightGrey};
constexpr LabelLook Resultat{Alignment::Right, true, Label::WindowBackground};

const LayoutRow Kontroller[] = {
    {u"Label8", K::Label, {}, 480, 240, 855, 255, 16, u"Kvitto nr", {}, HögerRubrik},
    {u"Label1", K::Label, {}, 1440, 240, 852, 252, 12, u"fr.o.m.", {}, Rubrik},
    {u"Label2", K::Label, {}, 2640, 240, 852, 252, 11, u"t.o.m", {}, Rubrik},
    {u"txtFrom", K::TextBox, {}, 1440, 480, 975, 288, 0, {}, u"Label1", {}, 8},
    {u"Label9", K::Label, {}, 2400, 480, 252, 252, 15, u"-", {}, Streck, 0, {true, 9.75}},
    {u"txtTom", K::TextBox, {}, 2640, 480, 975, 288, 1, {}, u"Label2", {}, 8},
    {u"Label5", K::Label, {}, 600, 1080, 972, 252, 7, u"Antal beh:", {}, HögerRubrik},
    {u"lblAntalBeh", K::Label, {}, 1800, 1080, 735, 255, 18, {}, u"Label5", Resultat},
    {u"Label6", K::Label, {}, 3720, 1080, 972, 252, 6, u"Pat avgift:", {}, HögerRubrik},
    {u"lblPatAvgifter", K::Label, {}, 5040, 1080, 855, 255, 10, {}, u"Label6", Resultat},
    {u"Label10", K::Label, {}, 120, 1560, 1572, 252, 14, u"Besök med frikort:", {}, Rubrik},
    {u"lblFrikort", K::Label, {}, 1800, 1560, 735, 255, 13, {}, u"Label10", Resultat},
    {u"Label7", K::Label, {}, 3720, 1560, 972, 252, 5, u"Beh avgift:", {}, HögerRubrik},
    {u"lblBehAvgifter", K::Label, {}, 4920, 1560, 975, 255, 9, {}, u"Label7", Resultat},
    {u"Line1", K::Line, {}, 2760, 2040, 6000 - 2760, 0},
    {u"Label4", K::Label, {}, 2520, 2280, 2175, 255, 17, u"Summa Pat + Beh avgift:", {}, Rubrik},
    {u"lblSummaErsättning", K::Label, {}, 4800, 2280, 1095, 255, 8, {}, u"Label4", Resultat},
    {u"cmdRäkna", K::CommandButton, {}, 480, 3000, 1695, 375, 2, u"Visa på skärmen"},
    {u"cmdSkrivUt", K::CommandButton, {}, 2400, 3000, 1935, 375, 3, u"Skriv ut på skrivare"},
    {u"cmdAvbryt", K::CommandButton, {}, 4920, 3000, 1095, 375, 4, u"Stäng"},
};

const Layout Fönster{u"Samlingsräkning", 6255, 3585, {true, 8.25}, Kontroller, u"cmdRäkna",
                     u"cmdAvbryt"};

} // namespace

frmSamlingsräkning::frmSamlingsräkning(Application& app, Program& program)
    : Form(app, u"frmSamlingsräkning"_s, Fönster), m_program(program)
{
    kopplaHändelser();
}

void frmSamlingsräkning::kopplaHändelser()
{
    cmdRäkna.Click = [this] { cmdRäkna_Click(); };
    cmdSkrivUt.Click = [this] { cmdSkrivUt_Click(); };
    cmdAvbryt.Click = [this] { cmdAvbryt_Click(); };
    txtFrom.LostFocus = [this] { txtFrom_LostFocus(); };
    txtTom.Change = [this] { txtTom_Change(); };
}

// "Stäng" unloads the window: opened again, it starts with empty boxes and no totals, and the
// range box first.
void frmSamlingsräkning::Form_Load()
{
    txtFrom.setText(QString());
    txtTom.setText(QString());
    for (Label* text : resultat())
        text->setCaption(QString());
    txtFrom.setFocus();
}

// Every time the window becomes the active one: its copies are read again, so that the totals
// take in what the desk has registered since and the code lists as they are now. The boxes and
// the totals shown keep their contents.
void frmSamlingsräkning::Form_Activate()
{
    m_läsfel.clear();
    FileResult läsning = visitfile::HämtaBesöksFil(m_program.folder, m_besök);
    // Damage done since the desk's start is told before any total is made from the records.
    if (läsning)
        filemessages::granskaBesöksfil(*this, m_program.folder);
    if (läsning)
        läsning = codetables::HämtaÅtgärdsFil(m_program.folder, m_åtgärder);
    if (läsning)
        läsning = codetables::HämtaTaxeFil(m_program.folder, m_taxor);
    if (!läsning) {
        // The copy that failed still holds what an earlier reading gave; totals computed from it
        // could be wrong, so none are computed until a reading succeeds.
        m_läsfel = läsning.error;
        dialogs().message(kanInteRäknas(m_läsfel));
    }
}

void frmSamlingsräkning::cmdRäkna_Click()
{
    VisaSamlingsräkning();
}

void frmSamlingsräkning::cmdSkrivUt_Click()
{
    SkrivUtSamlingsräkning();
}

void frmSamlingsräkning::cmdAvbryt_Click()
{
    app().close(*this);
}

std::optional<QString> frmSamlingsräkning::rutfel(const QString& text)
{
    if (receiptrange::isBlankOrEmpty(text))
        return {};
    // A number with a blank inside ("1 2") is told as the blank, anything else as no number.
    QString utanBlanka = text;
    utanBlanka.remove(u' ');
    if (!receiptrange::isNumber(utanBlanka))
        return fieldchecks::text::EndstSiffror;
    if (characters::hasBlank(QStringView(text)))
        return fieldchecks::text::Mellanslag;
    return {};
}

void frmSamlingsräkning::txtFrom_LostFocus()
{
    vägra(txtFrom, rutfel(txtFrom.text()));
}

// Checked at every change of the text, so a letter is refused as soon as it is typed.
void frmSamlingsräkning::txtTom_Change()
{
    vägra(txtTom, rutfel(txtTom.text()));
}

std::optional<frmSamlingsräkning::Intervall> frmSamlingsräkning::HämtaIntervall()
{
    using receiptrange::Problem;
    const int lagrade = m_besök.upperBound();
    const receiptrange::Check kontroll = receiptrange::check(txtFrom.text(), txtTom.text(), lagrade);
    if (kontroll.ok())
        return Intervall{kontroll.from, kontroll.to};

    TextBox& ruta = kontroll.onFromBox() ? txtFrom : txtTom;
    switch (kontroll.problem) {
    case Problem::FromEmpty:
        vägra(ruta, u"OBS! Kvittonummer Fr.o.m. saknas!"_s);
        break;
    case Problem::ToEmpty:
        vägra(ruta, u"OBS! Kvittonummer T.o.m. saknas!"_s);
        break;
    case Problem::FromNotNumber:
    case Problem::ToNotNumber:
        // The box's own words for what is wrong with it.
        vägra(ruta, rutfel(ruta.text()).value_or(fieldchecks::text::EndstSiffror));
        break;
    default:
        vägra(ruta, receiptrange::sharedMessage(kontroll, lagrade));
        break;
    }
    return std::nullopt;
}

std::optional<samlingsrakning::Summor> frmSamlingsräkning::BeräknaSummor(Intervall& intervall)
{
    if (!m_läsfel.isEmpty()) {
        dialogs().message(kanInteRäknas(m_läsfel));
        return std::nullopt;
    }
    const std::optional<Intervall> kontrollerat = HämtaIntervall();
    if (!kontrollerat)
        return std::nullopt;
    intervall = *kontrollerat;
    samlingsrakning::Summor summor =
        samlingsrakning::BeräknaSummor(m_besök, m_taxor, m_åtgärder, intervall.från, intervall.till);
    if (summor.överslagVid) {
        dialogs().message(u"OBS! Summorna blir för stora för att kunna räknas (vid kvitto %1). "
                          u"Kontrollera avgifterna i Taxa.txt och beloppen i Åtgärd.txt."_s
                              .arg(*summor.överslagVid));
        return std::nullopt;
    }
    return summor;
}

void frmSamlingsräkning::VisaSamlingsräkning()
{
    Intervall intervall;
    const std::optional<samlingsrakning::Summor> summor = BeräknaSummor(intervall);
    if (!summor)
        return;
    lblAntalBeh.setCaption(antal(summor->antalBehandlingar));
    lblFrikort.setCaption(antal(summor->frikort));
    lblPatAvgifter.setCaption(QString::number(summor->patientavgifter));
    lblBehAvgifter.setCaption(QString::number(summor->behandlingsavgifter));
    lblSummaErsättning.setCaption(QString::number(summor->summaErsättning));
    VarnaFörOfullständiga(*summor);
}

void frmSamlingsräkning::VarnaFörOfullständiga(const samlingsrakning::Summor& summor)
{
    const QList<int>& kvitton = summor.ofullständiga;
    if (kvitton.isEmpty())
        return;
    QStringList nummer;
    for (qsizetype i = 0; i < kvitton.size() && i < VisadeKvitton; ++i)
        nummer.append(QString::number(kvitton[i]));
    const qsizetype fler = kvitton.size() - nummer.size();
    const QString lista = meddelande::uppräkning(nummer, fler > 0 ? u"%1 till"_s.arg(fler) : QString());
    dialogs().message(
        u"OBS! Kontrollera summorna innan räkningen skickas!\nKvitto nr %1 har en taxekod eller "
        u"åtgärd som saknas i Taxa.txt eller Åtgärd.txt, eller en avgift där som inte är ett tal. "
        u"En kod som saknas har räknats med avgiften från det närmast föregående kvittot vars kod "
        u"finns, en avgift som inte är ett tal som 0. Rätta filerna och räkna om."_s
            .arg(lista));
}
