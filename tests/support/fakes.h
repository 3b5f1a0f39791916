#pragma once

#include "ui/application.h"
#include "ui/services.h"

#include <QString>
#include <deque>
#include <ostream>
#include <vector>

// Failures show QStrings as text rather than as arrays of 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Fakes of the platform services for tests that drive windows without a display.
namespace fakes {

// Message and input boxes answered from a script. Every message is recorded. A message or input
// box nobody expected, a text other than the expected one, and an answer left unused when the
// fake is destroyed all fail the running test.
class ScriptedDialogs : public ui::Dialogs {
public:
    struct Shown {
        QString text;
        ui::Buttons buttons;
        ui::Icon icon;
        QString title;
    };

    ~ScriptedDialogs() override;

    // The next message must have this text; it is answered with `answer`.
    void expectMessage(const QString& text, ui::Answer answer = ui::Answer::Ok);
    // The next input box is answered with `answer` (the empty text for Cancel).
    void expectInput(const QString& answer);

    ui::Answer message(const QString& text, ui::Buttons buttons, ui::Icon icon,
                       const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& proposed) override;

    const std::vector<Shown>& messages() const { return m_messages; }
    struct Asked {
        QString prompt, title, proposed;
    };
    const std::vector<Asked>& inputs() const { return m_inputs; }
    bool allAnswersUsed() const { return m_script.empty(); }
    void clear() { m_messages.clear(); m_inputs.clear(); }

private:
    struct Step {
        bool isInput;
        QString text; // expected message text, or the input's answer
        ui::Answer answer;
    };
    std::deque<Step> m_script;
    std::vector<Shown> m_messages;
    std::vector<Asked> m_inputs;
};

// A printer that records every line with the position and font it was printed in. A text is
// as wide as its characters times the font size times 10 twips; a line is fontSize × 20 twips
// high; the printable width is settable. Every document starts at 0, 0 in 10 points, plain.
class RecordingPrinter : public ui::Printer {
public:
    struct PrintedLine {
        int x, y;
        double size;
        bool bold, underline;
        QString text;
    };
    struct Document {
        QString name;
        std::vector<PrintedLine> lines;
    };

    int width = 11520;
    ui::PrintOutcome outcome; // what endDocument() answers

    void beginDocument(const QString& documentName) override;
    int scaleWidth() const override { return width; }
    int textWidth(const QString& text) const override;
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void setFontSize(double points) override { m_size = points; }
    void setFontBold(bool on) override { m_bold = on; }
    void setFontUnderline(bool on) override { m_underline = on; }
    void printLine(const QString& text) override;
    ui::PrintOutcome endDocument() override;

    // Finished documents, and the lines of the one under way.
    const std::vector<Document>& documents() const { return m_documents; }
    const std::vector<PrintedLine>& pending() const { return m_current.lines; }

private:
    int m_x = 0, m_y = 0;
    double m_size = 10;
    bool m_bold = false, m_underline = false;
    Document m_current;
    std::vector<Document> m_documents;
};

class FixedClock : public ui::Clock {
public:
    QString date = QStringLiteral("261208");
    QString time = QStringLiteral("0930");
    QString today = QStringLiteral("2026-12-08");
    QString yymmdd() const override { return date; }
    QString hhmm() const override { return time; }
    QString shortDate() const override { return today; }
};

class RecordingScreen : public ui::Screen {
public:
    std::vector<ui::Pointer> changes;
    ui::Pointer pointer = ui::Pointer::Default;
    void setMousePointer(ui::Pointer p) override
    {
        pointer = p;
        changes.push_back(p);
    }
};

// The four fakes and an application on them: what every window test starts from.
struct Services {
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    FixedClock clock;
    RecordingScreen screen;
    ui::Application app{dialogs, printer, clock, screen};
};

} // namespace fakes
