#include "desk/desk_scenario.h"

#include "data/codec.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <map>

namespace {

// Another window of the program: showing it and closing it again activates the desk, as closing
// a report or the settings window does.
class AnnatFönster : public ui::Form {
public:
    explicit AnnatFönster(ui::Application& app) : ui::Form(app, u"frmAnnat"_s) {}
};

QString par(const std::array<ui::MenuItem*, 2>& items, const char* letters)
{
    QString out;
    for (int i = 0; i < 2; ++i)
        if (items[i]->checked())
            out += QLatin1Char(letters[i]);
    return out.isEmpty() ? u"-"_s : out;
}

QChar rad(const ui::Label& label, const ui::TextBox& box, char letter)
{
    if (label.visible() != box.visible())
        return u'?';
    if (!box.visible())
        return box.enabled() ? u':' : u'.';
    return box.enabled() ? QChar::fromLatin1(letter) : QChar::fromLatin1(letter).toLower();
}

// What a control holds: a box's text, a list's index, a check box's or option's value, or the
// caption of anything else.
QString innehåll(const ui::Control& c)
{
    switch (c.kind()) {
    case ui::ControlKind::TextBox:
        return static_cast<const ui::TextBox&>(c).text();
    case ui::ControlKind::ListBox:
        return QString::number(static_cast<const ui::ListBox&>(c).listIndex());
    case ui::ControlKind::CheckBox:
        return QString::number(static_cast<const ui::CheckBox&>(c).value());
    case ui::ControlKind::OptionButton:
        return QString::number(static_cast<const ui::OptionButton&>(c).value());
    default:
        return c.caption();
    }
}

void addMenu(QStringList& out, const ui::MenuItem& item)
{
    for (const auto& child : item.children()) {
        out << u"menu %1(%2) '%3' checked=%4 enabled=%5 visible=%6"_s.arg(child->name())
                   .arg(child->index())
                   .arg(child->caption())
                   .arg(child->checked())
                   .arg(child->enabled())
                   .arg(child->visible());
        addMenu(out, *child);
    }
}

} // namespace

void DeskScenario::SetUp()
{
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    writeClinicFiles();
}

void DeskScenario::TearDown()
{
    QLocale::setDefault(QLocale::c());
}

void DeskScenario::start(int visits)
{
    writeNumberedVisits(visits);
    startDesk();
    ASSERT_FALSE(desk->startFailed());
}

void DeskScenario::start(const std::vector<VisitRecord>& records)
{
    writeVisits(records);
    startDesk();
    ASSERT_FALSE(desk->startFailed());
}

void DeskScenario::openReceipt3(const SettingsRecord& settings)
{
    writeSettings(settings);
    start(2);
    before = visitFile();
    app.click(desk->cmdNästa);
    ASSERT_EQ(kvitto(), u"3"_s);
    ASSERT_TRUE(app.focusByUser(desk->txtDiagnoskod));
}

void DeskScenario::återaktivera()
{
    AnnatFönster annat(app);
    app.show(annat);
    ASSERT_EQ(app.activeForm(), &annat);
    app.close(annat);
    ASSERT_EQ(app.activeForm(), desk.get());
}

void DeskScenario::gåTill(const QString& answer, const QString& thenMessage)
{
    dialogs.expectInput(answer);
    if (!thenMessage.isEmpty())
        dialogs.expectMessage(thenMessage);
    app.chooseMenu(desk->mnuGåTill);
}

void DeskScenario::typeAndLeave(ui::TextBox& box, const QString& text)
{
    ASSERT_TRUE(app.type(box, text)) << box.name().toStdString();
    app.tab();
}

QString DeskScenario::focusName() const
{
    return desk->focused() ? desk->focused()->name() : u"-"_s;
}

QByteArray DeskScenario::field(const QByteArray& record, VisitField f)
{
    const FieldSpan span = spanOf(f);
    return record.mid(span.offset, span.width);
}

QByteArray DeskScenario::record(std::initializer_list<const char16_t*> fields)
{
    QByteArray bytes;
    for (const char16_t* f : fields)
        bytes += cp1252::encode(QString::fromUtf16(f)).value_or(QByteArray("?"));
    EXPECT_EQ(fields.size(), 21u);
    EXPECT_EQ(bytes.size(), 95);
    return bytes;
}

VisitRecord DeskScenario::reservbesök(int receipt)
{
    VisitRecord r = visit(receipt, QString(), u"261130"_s, u"03"_s, u"C003"_s);
    r.setText(VisitField::IdNummer, reservnummer());
    r.setText(VisitField::IdTyp, u"R"_s);
    r.setText(VisitField::Födelsedatum, födelsedatum());
    return r;
}

VisitRecord DeskScenario::smittskyddsbesök(int receipt)
{
    VisitRecord r = visit(receipt, QString(), u"261130"_s, u"06"_s, u"B002"_s);
    r.setText(VisitField::Smittskydd, u"1"_s);
    return r;
}

VisitRecord DeskScenario::makuleringAv(int voided)
{
    VisitRecord r = visit(voided);
    r.setText(VisitField::Registreringstyp, u"2"_s);
    return r;
}

void DeskScenario::visar(const Visas& v, std::source_location where) const
{
    const frmKassa& d = *desk;
    QStringList differ;
    const auto part = [&](const QString& name, const std::optional<QString>& expected,
                          const QString& shown) {
        if (expected && *expected != shown)
            differ << u"%1 shows \"%2\", expected \"%3\""_s.arg(name, shown, *expected);
    };
    const auto number = [](const std::optional<int>& n) {
        return n ? std::optional(QString::number(*n)) : std::nullopt;
    };
    const auto mark = [](const auto& chosen, const char* letters) -> std::optional<QString> {
        if (!chosen)
            return std::nullopt;
        const int i = int(*chosen);
        return i < 2 ? QString(QLatin1Char(letters[i])) : u"-"_s;
    };
    const auto onOff = [](const std::optional<bool>& on, const QString& yes, const QString& no) {
        return on ? std::optional(*on ? yes : no) : std::nullopt;
    };

    part(u"kvitto"_s, v.kvitto, d.lblKvittoNr.caption());
    if (v.fokus)
        part(u"fokus"_s, v.fokus->name(), focusName());
    part(u"nyreg"_s, mark(v.nyreg, "NM"), par(d.mnuNyReg, "NM"));
    part(u"skatt"_s, mark(v.skatt, "FA"), par(d.mnuSkatt, "FA"));
    part(u"idtyp"_s, mark(v.idtyp, "PR"), par(d.mnuIdTyp, "PR"));
    const bool på = d.mnuIdTyp[0]->enabled();
    part(u"idmeny"_s, onOff(v.idmeny, u"på"_s, u"av"_s),
         på != d.mnuIdTyp[1]->enabled() ? u"?"_s : på ? u"på"_s : u"av"_s);
    part(u"makulering"_s, onOff(v.makulering, u"syns"_s, u"dold"_s),
         d.lblMakulering.visible() != d.txtMakulering.visible() ? u"?"_s
         : d.txtMakulering.visible()                            ? u"syns"_s
                                                                : u"dold"_s);
    part(u"ram"_s, number(v.ram), QString::number(d.Frame1.height()));
    part(u"rader"_s, v.rader,
         QString(rad(d.lblPersonnummer, d.txtPersonnummer, 'P'))
             + rad(d.lblReservnummer, d.txtReservnummer, 'R')
             + rad(d.lblFödelsedatum, d.txtFödelsedatum, 'F'));
    for (const auto& [expected, box] : std::initializer_list<std::pair<const std::optional<QString>&, const ui::TextBox&>>{
             {v.txtPersonnummer, d.txtPersonnummer}, {v.txtReservnummer, d.txtReservnummer},
             {v.txtFödelsedatum, d.txtFödelsedatum}, {v.txtBesöksDatum, d.txtBesöksDatum},
             {v.txtKombikakod, d.txtKombikakod},     {v.txtVikKomkod, d.txtVikKomkod},
             {v.txtRemissFrån, d.txtRemissFrån},     {v.txtRemissDatum, d.txtRemissDatum},
             {v.txtDiagnoskod, d.txtDiagnoskod},     {v.txtMakulering, d.txtMakulering}})
        part(box.name(), expected, box.text());
    for (const auto& [expected, c] : std::initializer_list<std::pair<std::optional<int>, const ui::Control&>>{
             {v.lstTaxekod, d.lstTaxekod},         {v.lstÅtgärd, d.lstÅtgärd},
             {v.lstRemissTill, d.lstRemissTill},   {v.chkSmittskydd, d.chkSmittskydd},
             {v.chkAkutbesök, d.chkAkutbesök},     {v.chkEjBetPatAvg, d.chkEjBetPatAvg},
             {v.optBesök0, *d.optBesök[0]},        {v.optBesök1, *d.optBesök[1]}})
        part(c.name(), number(expected), innehåll(c));
    part(u"lblPatientavgift"_s, v.lblPatientavgift, d.lblPatientavgift.caption());
    part(u"lblMakulering"_s, v.lblMakulering, d.lblMakulering.caption());
    if (!differ.isEmpty())
        ADD_FAILURE_AT(where.file_name(), int(where.line()))
            << "the desk shows otherwise:\n  " << differ.join(u"\n  "_s).toStdString();
}

QStringList DeskScenario::bild() const
{
    QStringList out{u"caption '%1' focus %2"_s.arg(desk->caption(), focusName())};
    for (const auto& c : desk->controls())
        out << u"%1 '%2' vis=%3 en=%4 geo=%5,%6,%7,%8 %9"_s.arg(c->name(), c->caption())
                   .arg(c->visible())
                   .arg(c->enabled())
                   .arg(c->left())
                   .arg(c->top())
                   .arg(c->width())
                   .arg(c->height())
                   .arg(innehåll(*c) + (c->kind() == ui::ControlKind::ListBox
                                        ? u" items=%1"_s.arg(static_cast<const ui::ListBox&>(*c).listCount())
                                        : QString()));
    addMenu(out, desk->menuBar());
    return out;
}

std::string DeskScenario::diff(const QStringList& before, const QStringList& after)
{
    QStringList changed;
    for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i) {
        const QString b = before.value(i), a = after.value(i);
        if (a != b)
            changed << u"- %1\n+ %2"_s.arg(b, a);
    }
    return changed.join(u'\n').toStdString();
}
