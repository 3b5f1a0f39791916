#include "ui/filemessages.h"

#include "data/visitdamage.h"
#include "ui/form.h"

using namespace Qt::StringLiterals;

namespace filemessages {

namespace {

QString mapp(const QDir& folder)
{
    return QDir::toNativeSeparators(folder.absolutePath());
}

} // namespace

QString skadadInställningsfil(const QDir& folder, const QString& skada)
{
    return u"OBS! Inställningsfilen %1 i mappen %2 är skadad: %3.\n"
           u"Den ska vara en rad med 194 tecken och CR LF. Den läses så långt den räcker, och fält "
           u"som saknas blir tomma. Inget skrivs i filen förrän inställningarna sparas; kontrollera "
           u"dem under Inställningar och tryck på Spara."_s
        .arg(settingsfile::fileName(), mapp(folder), skada);
}

QString inställningsfilenSaknas(const QDir& folder)
{
    return u"OBS! Inställningsfilen %1 finns inte längre i mappen %2!\n"
           u"Inställningarna som visas är de som lästes senast. Ingen ny fil skrivs förrän du "
           u"trycker på Spara."_s
        .arg(settingsfile::fileName(), mapp(folder));
}

QString efterInläsning(const QDir& folder, const settingsfile::Inläsning& inläsning)
{
    if (inläsning.saknas)
        return inställningsfilenSaknas(folder);
    if (!inläsning.skada.isEmpty())
        return skadadInställningsfil(folder, inläsning.skada);
    return {};
}

bool granskaBesöksfil(ui::Form& form, const QDir& folder)
{
    QString skada;
    const FileResult granskad = visitfile::GranskaBesöksFil(
        folder, form.clock().yymmdd() + u'-' + form.clock().hhmm(), skada);
    if (!granskad) {
        form.dialogs().message(granskad.error);
        return false;
    }
    if (!skada.isEmpty()) {
        form.dialogs().message(skada);
        return false;
    }
    return true;
}

} // namespace filemessages
