#include "qtfixture.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>

using namespace ui;
using namespace Qt::Literals::StringLiterals;

frmProv::frmProv(Application& app)
    : Form(app, u"frmProv"_s),
      fraPerson(add<Frame>(u"fraPerson"_s)),
      lblNamn(add<Label>(u"lblNamn"_s, &fraPerson)),
      txtNamn(add<TextBox>(u"txtNamn"_s, &fraPerson)),
      txtKod(add<TextBox>(u"txtKod"_s, &fraPerson)),
      lblVal(add<Label>(u"lblVal"_s)),
      lstVal(add<ListBox>(u"lstVal"_s)),
      chkVal(add<CheckBox>(u"chkVal"_s)),
      optA(add<OptionButton>(u"optA"_s, u"optAlt"_s)),
      optB(add<OptionButton>(u"optB"_s, u"optAlt"_s)),
      cmdOK(add<CommandButton>(u"cmdOK"_s)),
      cmdStäng(add<CommandButton>(u"cmdStäng"_s)),
      lblSumma(add<Label>(u"lblSumma"_s)),
      mnuArkiv(menuBar().add(u"mnuArkiv"_s, u"&Arkiv"_s)),
      mnuÖppna(mnuArkiv.add(u"mnuÖppna"_s, u"&Öppna"_s)),
      mnuVal((mnuArkiv.add(u"mnurad"_s, u"-"_s), mnuArkiv.add(u"mnuVal"_s, u"&Val"_s))),
      mnuGrått(mnuArkiv.add(u"mnuGrått"_s, u"&Grått"_s)),
      mnuHjälp(menuBar().add(u"mnuHjälp"_s, u"&Hjälp"_s))
{
    setCaption(u"Provfönster"_s);
    setClientSize(9000, 4500);
    // Caption (null for none) and place in twips.
    auto place = [](Control& c, const QString& caption, int left, int top, int width, int height) {
        if (!caption.isNull())
            c.setCaption(caption);
        c.move(left, top, width, height);
    };
    place(fraPerson, u"Person"_s, 120, 120, 4200, 2000);
    place(lblNamn, u"&Namn:"_s, 120, 360, 1000, 255);
    place(txtNamn, {}, 1200, 360, 1500, 285);
    place(txtKod, {}, 1200, 840, 1200, 285);
    place(lblVal, u"&Lista"_s, 4500, 120, 1200, 255);
    place(lstVal, {}, 4500, 360, 1500, 900);
    place(chkVal, u"&Markera"_s, 4500, 1400, 1800, 300);
    place(optA, u"Alt &A"_s, 6300, 120, 1500, 300);
    place(optB, u"Alt &B"_s, 6300, 480, 1500, 300);
    place(cmdOK, u"OK"_s, 6300, 1400, 1200, 450);
    place(cmdStäng, u"Stäng"_s, 7600, 1400, 1200, 450);
    place(lblSumma, u"0 kr"_s, 120, 2600, 3000, 372);
    txtNamn.setMaxLength(5);
    txtKod.setMaxLength(10);
    for (const char16_t* item : {u"Ett", u"Två", u"Tre"})
        lstVal.addItem(QString::fromUtf16(item));
    lblSumma.setFont(true, 12);
    mnuGrått.setEnabled(false);
    setDefaultButton(&cmdOK);
    setCancelButton(&cmdStäng);
    setTabOrder({&lblNamn, &txtNamn, &txtKod, &lblVal, &lstVal, &chkVal, &optA, &optB, &cmdOK, &cmdStäng});
    txtNamn.setCaptionLabel(&lblNamn);
    lstVal.setCaptionLabel(&lblVal);

    txtNamn.Change = [this] { ++namnChanges; };
    txtNamn.LostFocus = [this] {
        ++namnLosses;
        if (txtNamn.text() == u"fel"_s) {
            dialogs().message(u"OBS! Fel namn."_s);
            txtNamn.setFocus();
        }
    };
    txtKod.GotFocus = [this] { ++kodGains; };
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
    : Form(app, u"frmAndra"_s), txtAnnat(add<TextBox>(u"txtAnnat"_s)), cmdStäng(add<CommandButton>(u"cmdStäng"_s))
{
    setCaption(u"Andra fönstret"_s);
    setClientSize(3000, 1500);
    txtAnnat.move(120, 120, 1500, 285);
    cmdStäng.setCaption(u"Stäng"_s);
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

void QtDesk::open(int visits)
{
    writeClinicFiles();
    writeNumberedVisits(visits);
    ASSERT_TRUE(dir.isValid());
    program.folder = QDir(dir.path());
    desk = std::make_unique<frmKassa>(app, program);
    backend = std::make_unique<qt::QtBackend>(app);
    backend->start(*desk);
    window = backend->existingWindow(*desk);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(user::activate(window));
}

void QtDesk::expectFocus(const Control& control) const
{
    EXPECT_EQ(desk->focused(), &control)
        << "window layer: " << (desk->focused() ? desk->focused()->name().toStdString() : "-");
    EXPECT_EQ(QApplication::focusWidget(), widget(control)) << control.name().toStdString();
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
    key(target, backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

void press(QWidget* target, QPoint at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
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

QString pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (tool.isEmpty()) {
        ADD_FAILURE() << "pdftotext is needed (Debian package poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(tool, {u"-layout"_s, path, u"-"_s});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
