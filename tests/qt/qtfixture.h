#pragma once

#include "support/deskfixture.h"
#include "support/fakes.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/formwindow.h"
#include "ui/qt/qtbackend.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A small window with one control of every kind, to drive the Qt backend with.
//
//   Frame "Person": "&Namn:" txtNamn (5), txtKod (10); "&Lista" lstVal (Ett, Två, Tre),
//   chkVal "&Markera", optA "Alt &A" / optB "Alt &B", cmdOK "OK" (default button),
//   cmdStäng "Stäng" (cancel button), lblSumma (bold 12).
//   Tab order: Namn, Kod, the list, the check box, the options, OK, Stäng.
//   txtNamn refuses to be left holding "fel" ("OBS! Fel namn.").
//   Menus: "&Arkiv" (&Öppna, -, &Val checkable, &Grått disabled), "&Hjälp" with no items.
class frmProv : public ui::Form {
public:
    explicit frmProv(ui::Application& app);

    ui::Frame& fraPerson;
    ui::Label& lblNamn;
    ui::TextBox& txtNamn;
    ui::TextBox& txtKod;
    ui::Label& lblVal;
    ui::ListBox& lstVal;
    ui::CheckBox& chkVal;
    ui::OptionButton& optA;
    ui::OptionButton& optB;
    ui::CommandButton& cmdOK;
    ui::CommandButton& cmdStäng;
    ui::Label& lblSumma;

    ui::MenuItem& mnuArkiv;
    ui::MenuItem& mnuÖppna;
    ui::MenuItem& mnuVal;
    ui::MenuItem& mnuGrått;
    ui::MenuItem& mnuHjälp;

    void Form_Activate() override { ++activations; }

    int namnChanges = 0, namnLosses = 0, kodGains = 0, okClicks = 0, stängClicks = 0, valClicks = 0,
        chkClicks = 0, optClicks = 0, activations = 0, öppna = 0, hjälp = 0;
    std::function<void()> onÖppna;
};

// A second window of the program, closed by its own "Stäng" button.
class frmAndra : public ui::Form {
public:
    explicit frmAndra(ui::Application& app);
    ui::TextBox& txtAnnat;
    ui::CommandButton& cmdStäng;
    void Form_Activate() override { ++activations; }
    void Form_Unload() override { ++unloads; }
    int activations = 0, unloads = 0;
};

class QtWindowTest : public ::testing::Test, protected fakes::Services {
protected:
    frmProv form{app};
    std::unique_ptr<ui::qt::QtBackend> backend;
    ui::qt::FormWindow* window = nullptr;

    void SetUp() override;
    void TearDown() override { backend.reset(); }

    QWidget* widget(const ui::Control& control) const { return window->widgetOf(control); }
    template <class W> W* widget(const ui::Control& control) const
    {
        return qobject_cast<W*>(window->widgetOf(control));
    }
};

// The desk on the test clinic with `visits` stored receipts, shown on real widgets.
class QtDesk : public DeskFixture {
protected:
    std::unique_ptr<ui::qt::QtBackend> backend;
    ui::qt::FormWindow* window = nullptr;

    void open(int visits);
    void TearDown() override { backend.reset(); }

    QWidget* widget(const ui::Control& control) const { return window->widgetOf(control); }
    template <class W> W* widget(const ui::Control& control) const
    {
        return qobject_cast<W*>(window->widgetOf(control));
    }
    // The focus as the window layer and Qt both see it.
    void expectFocus(const ui::Control& control) const;
};

// What a user does, as Qt events sent to the widgets.
namespace user {
void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {});
void type(QWidget* target, const QString& text);
void tab(QWidget* target, bool backwards = false);
void press(QWidget* target, QPoint at = {2, 2});
// Waits (up to a second) until `window` is the active window.
bool activate(QWidget* window);
} // namespace user

// The text of a PDF as pdftotext (Debian package poppler-utils) reads it, layout kept.
QString pdfText(const QString& path);
