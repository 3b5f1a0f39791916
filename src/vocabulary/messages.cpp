#include "vocabulary/messages.h"

using namespace Qt::StringLiterals;

namespace meddelande {

QString besöksfilenKundeInteLäsas(const QString& orsak)
{
    return u"OBS! Besöksfilen kunde inte läsas!\n"_s + orsak;
}

QString uppräkning(const QStringList& poster, const QString& resten)
{
    if (!resten.isEmpty())
        return poster.join(u", "_s) + u" och "_s + resten;
    if (poster.size() <= 1)
        return poster.join(QString());
    return poster.first(poster.size() - 1).join(u", "_s) + u" och "_s + poster.last();
}

} // namespace meddelande
