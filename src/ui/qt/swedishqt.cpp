#include "ui/qt/swedishqt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ui::qt {

SwedishQt::SwedishQt()
{
    m_hasQt = m_qt.load(QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("qt"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_hasQt)
        QCoreApplication::installTranslator(&m_qt);
    // Installed last, so asked first: it only holds texts Qt's catalogue has not.
    if (m_own.load(QStringLiteral(":/i18n/kassa_sv.qm")))
        QCoreApplication::installTranslator(&m_own);
}

SwedishQt::~SwedishQt()
{
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
}

} // namespace ui::qt
