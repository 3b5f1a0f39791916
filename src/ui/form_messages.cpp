#include "ui/form.h"

using namespace Qt::StringLiterals;

// The two ways every window answers the user: a box refused, and a page printed.

namespace ui {

bool Form::vägra(Control& fält, const std::optional<QString>& fel)
{
    if (!fel)
        return false;
    dialogs().message(*fel);
    fält.setFocus();
    return true;
}

void Form::meddelaUtskrift(const PrintOutcome& utfall, const QString& vad, const QString& efterFel)
{
    if (!utfall.ok)
        dialogs().message(u"OBS! "_s + vad + u" kunde inte skrivas ut: "_s + utfall.error + u"\n"_s
                          + efterFel);
    else if (!utfall.pdfPath.isEmpty())
        dialogs().message(u"Ingen skrivare är installerad. "_s + vad + u" har sparats som\n"_s
                              + utfall.pdfPath,
                          Buttons::Ok, Icon::Information);
}

} // namespace ui
