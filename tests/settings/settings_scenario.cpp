#include "settings/settings_scenario.h"

#include <QLocale>

namespace {

QString valt(const std::array<ui::OptionButton*, 2>& par)
{
    for (const ui::OptionButton* option : par)
        if (option->value())
            return ui::withoutAccessKey(option->caption());
    return u"-"_s;
}

} // namespace

void SettingsScenario::SetUp()
{
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    writeClinicFiles();
}

void SettingsScenario::TearDown()
{
    windows.reset();
    QLocale::setDefault(QLocale::c());
}

void SettingsScenario::startProgram()
{
    ASSERT_TRUE(dir.isValid());
    program.folder = QDir(dir.path());
    windows = std::make_unique<ProgramWindows>(app, program);
    windows->start();
    ASSERT_FALSE(kassa().startFailed());
}

frmInställningar& SettingsScenario::öppna()
{
    app.chooseMenu(kassa().mnuInställningar);
    frmInställningar* f = windows->inställningar();
    EXPECT_TRUE(f && app.activeForm() == f && app.isShown(kassa()));
    return *f;
}

void SettingsScenario::tillDeskenOchTillbaka()
{
    frmInställningar* f = windows->inställningar();
    ASSERT_TRUE(f && app.activeForm() == f);
    app.activate(kassa());
    app.activate(*f);
}

void SettingsScenario::skrivOchLämna(ui::TextBox& box, const QString& text)
{
    ASSERT_TRUE(app.type(box, text)) << text.toStdString();
    app.tab();
}

QString SettingsScenario::bild(const frmInställningar& f)
{
    return QStringList{f.txtKombikakod.text(), f.txtVikKomkod.text(),
                       QString::number(f.lstTaxekod.listIndex()), QString::number(f.lstÅtgärd.listIndex()),
                       valt(f.optSkatt), valt(f.optYrke), valt(f.optBesök),
                       f.txtKlinik.text(), f.txtNamn.text(), f.txtAdress.text(),
                       f.txtPostadress.text(), f.txtTelefon.text()}
        .join(u'|');
}
