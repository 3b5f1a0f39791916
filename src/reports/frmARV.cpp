#include "reports/frmARV.h"

#include "data/filesave.h"
#include "data/settingsfile.h"
#include "data/visitfile.h"
#include "reports/arvfile.h"
#include "ui/filemessages.h"
#include "ui/layout.h"
#include "vocabulary/characters.h"
#include "vocabulary/fieldchecks.h"
#include "vocabulary/messages.h"
#include "vocabulary/receiptnumber.h"
#include "vocabulary/receiptrange.h"

using namespace Qt::StringLiterals;
using namespace ui;

namespace {

const QString FomSaknas = u"OBS! Du glömde skriva in Kvittonummer Fr.o.m.!"_s;
const QString TomSaknas = u"OBS! Du glömde skriva in Kvittonummer T.o.m.!"_s;
// The ARV export's own wording of "only digits" (the desk's boxes have two others).
const QString SiffrorFårAnvändas = u"OBS! Endast siffror får användas!"_s;
// The reference number is 8 digits wherever the county council reads it; a To typed with more
// characters than that (leading zeros) would make every line that carries it too long.
const QString FörMångaSiffror = u"OBS! Kvittonummer T.o.m. får ha högst 8 siffror!"_s;

} // namespace

// The window is in bold 8.25 points throughout; the captions stand at the right on light grey and
// the count in a sunken box. "Stäng" comes first in the tab order, so the window opens with the
// focus on it; each access-key label stands before its box. Neither box limits its length.
namespace {

using K = ControlKind;
constexpr LabelLook Rubrik{Alignment::Right, false, Label::LightGrey};
constexpr LabelLook Värde{Alignment::Left, true, Label::WindowBackground};

const LayoutRow Kontroller[] = {
    {u"Label1", K::Label, {}, 240, 240, 1335, 255, 7, u"Kvittonummer:", {}, Rubrik},
    {u"Label2", K::Label, {}, 360, 840, 615, 255, 1, u"&Fr.o.m.", {}, Rubrik},
    {u"txtFom", K::TextBox, {}, 1200, 840, 975, 285, 2, {}, u"Label2"},
    {u"Label3", K::Label, {}, 2640, 840, 615, 255, 3, u"&T.o.m.", {}, Rubrik},
    {u"txtTom", K::TextBox, {}, 3480, 840, 975, 285, 4, {}, u"Label3"},
    {u"Label4", K::Label, {}, 4800, 840, 1215, 255, 6, u"Antalkvitton:", {}, Rubrik},
    {u"lblAntalBeh", K::Label, {}, 6120, 840, 975, 285, 5, {}, u"Label4", Värde},
    {u"cmdSkapa", K::CommandButton, {}, 4200, 1680, 1335, 495, 8, u"Skapa Arv-fil"},
    {u"cmdAvbryt", K::CommandButton, {}, 5880, 1680, 1215, 495, 0, u"Stäng"},
};

const Layout Fönster{u"Skapa ARV-fil", 7545, 2505, {true, 8.25}, Kontroller, u"cmdSkapa",
                     u"cmdAvbryt"};

} // namespace

frmARV::frmARV(Application& app, Program& program)
    : Form(app, u"frmARV"_s, Fönster), m_program(program)
{
    kopplaHändelser();
}

void frmARV::kopplaHändelser()
{
    txtFom.Change = [this] { txtFom_Change(); };
    txtTom.Change = [this] { txtTom_Change(); };
    txtFom.LostFocus = [this] { txtFom_LostFocus(); };
    txtTom.LostFocus = [this] { txtTom_LostFocus(); };
    cmdSkapa.Click = [this] { cmdSkapa_Click(); };
    cmdAvbryt.Click = [this] { cmdAvbryt_Click(); };
}

// --- Activation ---

// Every activation starts afresh from the files: the visits registered meanwhile, the moment of
// preparation, ArvFom as the start and the last stored receipt as the end. Whatever was typed
// before the user left the window is replaced.
void frmARV::Form_Activate()
{
    m_läsfel.clear();
    if (const FileResult läst = visitfile::HämtaBesöksFil(m_program.folder, m_besök); !läst) {
        // No file is made from a copy that may be out of date.
        m_besök.clear();
        m_läsfel = läst.error;
        dialogs().message(meddelande::besöksfilenKundeInteLäsas(läst.error));
    } else {
        // Damage done since the desk's start is told now; the file's own check then refuses a
        // damaged receipt by its number.
        filemessages::granskaBesöksfil(*this, m_program.folder);
    }
    m_datum = clock().yymmdd();
    m_tid = clock().hhmm();

    m_antal.reset();
    lblAntalBeh.setCaption(QString());
    txtFom.setText(m_program.Inställningar.text(SettingsField::ArvFom));
    txtTom.setText(QString::number(m_besök.upperBound()));
    // A box whose text did not change raised no Change: the count is shown here in any case.
    RäknaAntalKvitton();
    visaAntal();
}

// --- The count and the boxes' own checks ---

void frmARV::RäknaAntalKvitton()
{
    using namespace receiptrange;
    if (!isNumber(txtFom.text()) || !isNumber(txtTom.text()))
        return;
    const std::optional<int> from = receiptNumberInBox(txtFom.text());
    const std::optional<int> to = receiptNumberInBox(txtTom.text());
    // A number beyond the last receipt number there can be counts no receipts at all, rather than
    // leaving the count of an earlier range on show.
    if (!from || !to) {
        m_antal.reset();
        return;
    }
    m_antal = *to - *from + 1;
}

void frmARV::visaAntal()
{
    lblAntalBeh.setCaption(m_antal ? QString::number(*m_antal) : QString());
}

void frmARV::txtFom_Change()
{
    RäknaAntalKvitton();
    visaAntal();
}

void frmARV::txtTom_Change()
{
    if (!receiptrange::isNumber(txtTom.text())) {
        vägra(txtTom, SiffrorFårAnvändas);
        return;
    }
    RäknaAntalKvitton();
    visaAntal();
}

void frmARV::txtFom_LostFocus()
{
    const QString& text = txtFom.text();
    if (!receiptrange::isBlankOrEmpty(text) && !receiptrange::isNumber(text))
        vägra(txtFom, SiffrorFårAnvändas);
}

void frmARV::txtTom_LostFocus()
{
    const QString& text = txtTom.text();
    if (receiptrange::isBlankOrEmpty(text))
        return;
    if (!receiptrange::isNumber(text))
        vägra(txtTom, SiffrorFårAnvändas);
    else if (characters::hasBlank(QStringView(text)))
        vägra(txtTom, fieldchecks::text::Mellanslag);
}

// --- Creating the file ---

bool frmARV::godkännIntervall(int& from, int& to)
{
    using receiptrange::Problem;
    const receiptrange::Check range =
        receiptrange::check(txtFom.text(), txtTom.text(), m_besök.upperBound());
    TextBox& box = range.onFromBox() ? txtFom : txtTom;
    switch (range.problem) {
    case Problem::None:
        break;
    case Problem::FromEmpty:
        return !vägra(box, FomSaknas);
    case Problem::ToEmpty:
        return !vägra(box, TomSaknas);
    case Problem::FromNotNumber:
    case Problem::ToNotNumber:
        return !vägra(box, SiffrorFårAnvändas);
    default:
        return !vägra(box, receiptrange::sharedMessage(range, m_besök.upperBound()));
    }
    // The reference number is made of the To box's text, so it must be digits alone.
    if (characters::hasBlank(QStringView(txtTom.text())))
        return !vägra(txtTom, fieldchecks::text::Mellanslag);
    if (characters::trimBlanks(txtTom.text()).size() > arvfile::ReferenceWidth)
        return !vägra(txtTom, FörMångaSiffror);
    from = range.from;
    to = range.to;
    return true;
}

void frmARV::cmdSkapa_Click()
{
    if (!m_läsfel.isEmpty()) {
        dialogs().message(u"OBS! Besöksfilen kunde inte läsas!\n"_s + m_läsfel
                          + u"\nIngen Arv-fil har skapats."_s);
        return;
    }
    int from = 0, to = 0;
    if (!godkännIntervall(from, to))
        return;

    const arvfile::Interchange arv =
        arvfile::build(m_besök, from, txtTom.text(),
                       m_program.Inställningar.raw(SettingsField::Kombikakod), m_datum, m_tid);
    if (!arv.ok()) {
        dialogs().message(u"OBS! Arv-filen %1 kan inte skapas: %2.\nIngen fil har skrivits."_s
                              .arg(arv.fileName, arv.error));
        return;
    }

    // An older file of the same name is replaced only by a complete new one.
    const FileResult sparad =
        saveFileAtomically(m_program.folder.filePath(arv.fileName), arv.bytes,
                           m_program.saveObserver);
    if (!sparad) {
        dialogs().message(u"OBS! Arv-filen kunde inte skapas!\n"_s + sparad.error
                          + u"\nNästa startnummer är oförändrat. Åtgärda felet och försök igen."_s);
        return;
    }
    sparaNästaStart(arv.fileName, to);
}

// ArvFom moves on only once the file is on disk, so a start number never skips receipts that
// were not reported.
void frmARV::sparaNästaStart(const QString& fileName, int to)
{
    SettingsRecord& inställningar = m_program.Inställningar;
    const QByteArray förut = inställningar.raw(SettingsField::ArvFom);
    const QString nästa = QString::number(to + 1);
    inställningar.setText(SettingsField::ArvFom, nästa);
    if (const FileResult sparad = settingsfile::SparaInställningsFil(m_program.folder, inställningar,
                                                                    m_program.saveObserver);
        !sparad) {
        // What is in memory stays what is on disk, as every other window reads it from there.
        inställningar.setRaw(SettingsField::ArvFom, förut);
        dialogs().message(u"OBS! En fil med namnet:  %1  har skapats, men nästa startnummer kunde "
                          u"inte sparas.\n%2\nSkriv %3 i Fr.o.m. nästa gång en Arv-fil skapas."_s
                              .arg(fileName, sparad.error, nästa));
        return;
    }
    dialogs().message(u"En fil med namnet:  "_s + fileName + u"  har skapats."_s, Buttons::Ok,
                      Icon::Information);
}

void frmARV::cmdAvbryt_Click()
{
    app().close(*this);
}
