#include "qtfixture.h"

#include <QElapsedTimer>
#include <QMouseEvent>

using namespace ui;

namespace {
QString s(const char16_t* text) { return QString::fromUtf16(text); }
} // namespace

frmProv::frmProv(Application& app)
    : Form(app, s(u"frmProv")),
      fraPerson(add<Frame>(s(u"fraPerson"))),
      lblNamn(add<Label>(s(u"lblNamn"), &fraPerson)),
      txtNamn(add<TextBox>(s(u"txtNamn"), &fraPerson)),
      lblKod(add<Label>(s(u"lblKod"), &fraPerson)),
      txtKod(add<TextBox>(s(u"txtKod"), &fraPerson)),
      lblDatum(add<Label>(s(u"lblDatum"), &fraPerson)),
      txtDatum(add<TextBox>(s(u"txtDatum"), &fraPerson)),
      lblVal(add<Label>(s(u"lblVal"))),
      lstVal(add<ListBox>(s(u"lstVal"))),
      chkVal(add<CheckBox>(s(u"chkVal"))),
      optA(add<OptionButton>(s(u"optA"), s(u"optAlt"))),
      optB(add<OptionButton>(s(u"optB"), s(u"optAlt"))),
      cmdOK(add<CommandButton>(s(u"cmdOK"))),
      cmdStäng(add<CommandButton>(s(u"cmdStäng"))),
      Line1(add<Line>(s(u"Line1"))),
      lblSumma(add<Label>(s(u"lblSumma"))),
      mnuArkiv(menuBar().add(s(u"mnuArkiv"), s(u"&Arkiv"))),
      mnuÖppna(mnuArkiv.add(s(u"mnuÖppna"), s(u"&Öppna"))),
      mnuVal((mnuArkiv.add(s(u"mnurad"), s(u"-")), mnuArkiv.add(s(u"mnuVal"), s(u"&Val")))),
      mnuGrått(mnuArkiv.add(s(u"mnuGrått"), s(u"&Grått"))),
      mnuHjälp(menuBar().add(s(u"mnuHjälp"), s(u"&Hjälp")))
{
    setCaption(s(u"Provfönster"));
    setClientSize(9000, 4500);
    fraPerson.setCaption(s(u"Person"));
    fraPerson.move(120, 120, 4200, 2000);
    lblNamn.setCaption(s(u"&Namn:"));
    lblNamn.move(120, 360, 1000, 255);
    txtNamn.move(1200, 360, 1500, 285);
    txtNamn.setMaxLength(5);
    lblKod.setCaption(s(u"&Kod:"));
    lblKod.move(120, 840, 1000, 255);
    txtKod.move(1200, 840, 1200, 285);
    txtKod.setMaxLength(10);
    lblDatum.setCaption(s(u"&Datum:"));
    lblDatum.move(120, 1320, 1000, 255);
    txtDatum.move(1200, 1320, 900, 285);
    txtDatum.setMaxLength(6);
    lblVal.setCaption(s(u"&Lista"));
    lblVal.move(4500, 120, 1200, 255);
    lstVal.move(4500, 360, 1500, 900);
    for (const char16_t* item : {u"Ett", u"Två", u"Tre"})
        lstVal.addItem(s(item));
    chkVal.setCaption(s(u"&Markera"));
    chkVal.move(4500, 1400, 1800, 300);
    optA.setCaption(s(u"Alt &A"));
    optA.move(6300, 120, 1500, 300);
    optB.setCaption(s(u"Alt &B"));
    optB.move(6300, 480, 1500, 300);
    cmdOK.setCaption(s(u"OK"));
    cmdOK.move(6300, 1400, 1200, 450);
    cmdStäng.setCaption(s(u"Stäng"));
    cmdStäng.move(7600, 1400, 1200, 450);
    Line1.move(120, 2400, 8680, 0);
    lblSumma.setCaption(s(u"0 kr"));
    lblSumma.move(120, 2600, 3000, 372);
    lblSumma.setFont(true, 12);
    mnuGrått.setEnabled(false);
    setDefaultButton(&cmdOK);
    setCancelButton(&cmdStäng);
    setTabOrder({&lblNamn, &txtNamn, &lblKod, &lblDatum, &txtDatum, &lblVal, &lstVal, &chkVal,
                 &optA, &optB, &cmdOK, &txtKod, &cmdStäng});

    txtNamn.Change = [this] { ++namnChanges; };
    txtNamn.LostFocus = [this] {
        ++namnLosses;
        if (txtNamn.text() == s(u"fel")) {
            dialogs().message(s(u"OBS! Fel namn."));
            txtNamn.setFocus();
        }
    };
    txtDatum.GotFocus = [this] { ++datumGains; };
    txtKod.KeyDown = [this](int& keyCode, int) {
        kodKeys.push_back(keyCode);
        if (keyCode == 114)
            txtKod.setText(s(u"F3"));
    };
    cmdOK.Click = [this] { ++okClicks; };
    cmdStäng.Click = [this] { ++stängClicks; };
    lstVal.Click = [this] { ++valClicks; };
    chkVal.Click = [this] { ++chkClicks; };
    optA.Click = [this] { ++optClicks; };
    optB.Click = [this] { ++optClicks; };
    mnuÖppna.Click = [this] {
        ++öppna;
        if (onÖppna)
            onÖppna();
    };
    mnuVal.Click = [this] { mnuVal.setChecked(!mnuVal.checked()); };
    mnuHjälp.Click = [this] { ++hjälp; };
}

frmAndra::frmAndra(Application& app)
    : Form(app, s(u"frmAndra")),
      txtAnnat(add<TextBox>(s(u"txtAnnat"))),
      cmdStäng(add<CommandButton>(s(u"cmdStäng")))
{
    setCaption(s(u"Andra fönstret"));
    setClientSize(3000, 1500);
    txtAnnat.move(120, 120, 1500, 285);
    cmdStäng.setCaption(s(u"Stäng"));
    cmdStäng.move(120, 600, 1200, 450);
    setTabOrder({&txtAnnat, &cmdStäng});
    setCancelButton(&cmdStäng);
    cmdStäng.Click = [this] { this->app().close(*this); };
}

void QtWindowTest::SetUp()
{
    backend = std::make_unique<qt::QtBackend>(app);
    backend->start(form);
    window = backend->existingWindow(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(user::activate(window));
}

void QtWindowTest::TearDown()
{
    backend.reset();
}

namespace user {

void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void type(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const int code = c.isLetterOrNumber() && c.unicode() < 128 ? int(c.toUpper().unicode()) : 0;
        key(target, code, Qt::NoModifier, QString(c));
    }
}

void tab(QWidget* target, bool backwards)
{
    key(target, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
        backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

void press(QWidget* target, QPoint at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

bool activate(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
    return window->isActiveWindow();
}

} // namespace user
