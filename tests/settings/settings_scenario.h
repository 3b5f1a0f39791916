#pragma once

// The settings window driven as the clinic uses it: the program's windows on the test clinic of
// DeskFixture, the window opened from the desk's menu, the user going to the desk and back.

#include "app/programwindows.h"
#include "settings/frmInstallningar.h"
#include "support/deskfixture.h"

#include <memory>

using namespace Qt::StringLiterals;

class SettingsScenario : public DeskFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program started on the folder as it stands, as main starts it.
    void startProgram();
    // "&Inställningar" chosen on the desk; the window it brings, which is then the active one.
    frmInställningar& öppna();
    // The user goes to the desk window and comes back to the settings window.
    void tillDeskenOchTillbaka();
    // The user types into a box and leaves it with Tab.
    void skrivOchLämna(ui::TextBox& box, const QString& text);

    frmKassa& kassa() { return windows->desk(); }
    QByteArray inställningsfil() const { return readFile(u"Inställn.txt"_s); }
    // Positions `from`..`to` (1-based) of the saved settings line.
    QByteArray positioner(int from, int to) const { return inställningsfil().mid(from - 1, to - from + 1); }

    // What the window shows, "|"-separated: the two kombikakod boxes, the tariff and procedure
    // lists' selected rows, the selected option of Skatt, Yrke and Besökstyp (its caption without
    // "&", "-" for neither), the five address boxes.
    static QString bild(const frmInställningar& f);

    std::unique_ptr<ProgramWindows> windows;
};
