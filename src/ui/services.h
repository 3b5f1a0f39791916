#pragma once

#include <QString>

// What the windows need from the platform, behind interfaces so that every window can be
// driven by tests: message and input boxes, the printer, the clock and the mouse pointer.
namespace ui {

// The program's version, in the message boxes' title and in the desk's caption.
inline const QString Version = QStringLiteral("6.02");
inline const QString AppTitle = QStringLiteral("Vilmer ") + Version;

enum class Buttons { Ok, YesNo };
enum class Icon { None, Information };
enum class Answer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box; returns the button pressed.
    virtual Answer message(const QString& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None, const QString& title = AppTitle) = 0;
    // A modal input box; the typed text, or the empty text when cancelled.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& proposed) = 0;
};

struct PrintOutcome {
    bool ok = true;
    QString error;   // why it failed, in Swedish
    QString pdfPath; // set when no printer was installed and the page went to a PDF file
};

// The default printer, as the receipt and the collective invoice use it. Positions in twips
// from the top left of the printable area, font sizes in points. The face is never set.
class Printer {
public:
    virtual ~Printer() = default;
    // Names the document; a PDF written for want of a printer takes this name.
    virtual void beginDocument(const QString& documentName) = 0;
    virtual int scaleWidth() const = 0;                 // printable width
    virtual int textWidth(const QString& text) const = 0; // in the current font
    virtual void setCurrentX(int twips) = 0;
    virtual void setCurrentY(int twips) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontUnderline(bool on) = 0;
    // Prints `text` with its top at the current position; x then goes to the left edge and y
    // down one line.
    virtual void printLine(const QString& text) = 0;
    // Ends the document: the page is printed.
    virtual PrintOutcome endDocument() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QString yymmdd() const = 0;
    virtual QString hhmm() const = 0;
    virtual QString shortDate() const = 0;
};

enum class Pointer { Default, Hourglass };

class Screen {
public:
    virtual ~Screen() = default;
    virtual void setMousePointer(Pointer pointer) = 0;
};

} // namespace ui
