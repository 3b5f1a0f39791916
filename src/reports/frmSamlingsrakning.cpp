#include "reports/frmSamlingsrakning.h"

#include "data/visitfile.h"
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

frmSamlingsräkning::frmSamlingsräkning(Application& app, Program& program)
    : Form(app, u"frmSamlingsräkning"_s),
      Label8(add<Label>(u"Label8"_s)),
      Label1(add<Label>(u"Label1"_s)),
      Label2(add<Label>(u"Label2"_s)),
      txtFrom(add<TextBox>(u"txtFrom"_s)),
      Label9(add<Label>(u"Label9"_s)),
      txtTom(add<TextBox>(u"txtTom"_s)),
      Label5(add<Label>(u"Label5"_s)),
      lblAntalBeh(add<Label>(u"lblAntalBeh"_s)),
      Label6(add<Label>(u"Label6"_s)),
      lblPatAvgifter(add<Label>(u"lblPatAvgifter"_s)),
      Label10(add<Label>(u"Label10"_s)),
      lblFrikort(add<Label>(u"lblFrikort"_s)),
      Label7(add<Label>(u"Label7"_s)),
      lblBehAvgifter(add<Label>(u"lblBehAvgifter"_s)),
      Line1(add<Line>(u"Line1"_s)),
      Label4(add<Label>(u"Label4"_s)),
      lblSummaErsättning(add<Label>(u"lblSummaErsättning"_s)),
      cmdRäkna(add<CommandButton>(u"cmdRäkna"_s)),
      cmdSkrivUt(add<CommandButton>(u"cmdSkrivUt"_s)),
      cmdAvbryt(add<CommandButton>(u"cmdAvbryt"_s)),
      m_program(program)
{
    byggLayout();
    kopplaHändelser();
}

// Positions in twips within the client area.
void frmSamlingsräkning::byggLayout()
{
    setCaption(u"Samlingsräkning"_s);
    setClientSize(6255, 3585);

    Label8.setCaption(u"Kvitto nr"_s);
    Label8.move(480, 240, 855, 255);
    Label1.setCaption(u"fr.o.m."_s);
    Label1.move(1440, 240, 852, 252);
    Label2.setCaption(u"t.o.m"_s);
    Label2.move(2640, 240, 852, 252);
    txtFrom.move(1440, 480, 975, 288);
    txtFrom.setMaxLength(8);
    Label9.setCaption(u"-"_s);
    Label9.move(2400, 480, 252, 252);
    txtTom.move(2640, 480, 975, 288);
    txtTom.setMaxLength(8);
    Label5.setCaption(u"Antal beh:"_s);
    Label5.move(600, 1080, 972, 252);
    lblAntalBeh.move(1800, 1080, 735, 255);
    Label6.setCaption(u"Pat avgift:"_s);
    Label6.move(3720, 1080, 972, 252);
    lblPatAvgifter.move(5040, 1080, 855, 255);
    Label10.setCaption(u"Besök med frikort:"_s);
    Label10.move(120, 1560, 1572, 252);
    lblFrikort.move(1800, 1560, 735, 255);
    Label7.setCaption(u"Beh avgift:"_s);
    Label7.move(3720, 1560, 972, 252);
    lblBehAvgifter.move(4920, 1560, 975, 255);
    Line1.move(2760, 2040, 6000 - 2760, 0);
    Label4.setCaption(u"Summa Pat + Beh avgift:"_s);
    Label4.move(2520, 2280, 2175, 255);
    lblSummaErsättning.move(4800, 2280, 1095, 255);
    cmdRäkna.setCaption(u"Visa på skärmen"_s);
    cmdRäkna.move(480, 3000, 1695, 375);
    cmdSkrivUt.setCaption(u"Skriv ut på skrivare"_s);
    cmdSkrivUt.move(2400, 3000, 1935, 375);
    cmdAvbryt.setCaption(u"Stäng"_s);
    cmdAvbryt.move(4920, 3000, 1095, 375);

    // The whole window is in 8.25-point bold; only the dash between the boxes is larger.
    for (const auto& control : controls())
        control->setFont(true, 8.25);
    Label9.setFont(true, 9.75);

    // The captions on light grey, the results in sunken boxes on the colour of a box's inside;
    // every number stands at the right.
    for (Label* text : {&Label8, &Label1, &Label2, &Label9, &Label5, &Label6, &Label10, &Label7,
                        &Label4})
        text->setBackColor(Label::LightGrey);
    for (Label* text : {&Label8, &Label5, &Label6, &Label7})
        text->setAlignment(Alignment::Right);
    Label9.setAlignment(Alignment::Center);
    for (Label* resultat : resultat()) {
        resultat->setAlignment(Alignment::Right);
        resultat->setBordered(true);
        resultat->setBackColor(Label::WindowBackground);
    }

    txtFrom.setCaptionLabel(&Label1);
    txtTom.setCaptionLabel(&Label2);
    lblAntalBeh.setCaptionLabel(&Label5);
    lblPatAvgifter.setCaptionLabel(&Label6);
    lblFrikort.setCaptionLabel(&Label10);
    lblBehAvgifter.setCaptionLabel(&Label7);
    lblSummaErsättning.setCaptionLabel(&Label4);

    setDefaultButton(&cmdRäkna);
    setCancelButton(&cmdAvbryt);

    setTabOrder({&txtFrom, &txtTom, &cmdRäkna, &cmdSkrivUt, &cmdAvbryt,
                 &Label7, &Label6, &Label5, &lblSummaErsättning, &lblBehAvgifter,
                 &lblPatAvgifter, &Label2, &Label1, &lblFrikort, &Label10,
                 &Label9, &Label8, &Label4, &lblAntalBeh});
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
    if (läsning) {
        läsning = codetables::HämtaÅtgärdsFil(m_program.folder, m_åtgärder);
        if (läsning)
            m_program.AntalÅtgärder = m_åtgärder.count();
    }
    if (läsning) {
        läsning = codetables::HämtaTaxeFil(m_program.folder, m_taxor);
        if (läsning)
            m_program.AntalTaxekoder = m_taxor.count();
    }
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
