#pragma once

#include <QTranslator>

namespace ui::qt {

// Qt's own texts in Swedish, whatever language the machine is set up in: the context menu of
// every text box, the standard buttons, the names of the actions a screen reader is offered.
// Qt's Swedish catalogue (qt_sv.qm, Debian package qt6-translations-l10n) gives most of them;
// the program's own catalogue, built into it, gives those the catalogue lacks. Installed while
// the object lives; create it right after the QApplication.
class SwedishQt {
public:
    SwedishQt();
    ~SwedishQt();
    SwedishQt(const SwedishQt&) = delete;
    SwedishQt& operator=(const SwedishQt&) = delete;

    // Whether Qt's own catalogue was found; without it the program's catalogue still holds.
    bool hasQtCatalogue() const { return m_hasQt; }

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_hasQt = false;
};

} // namespace ui::qt
