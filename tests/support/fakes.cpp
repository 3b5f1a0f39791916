#include "support/fakes.h"

#include <gtest/gtest.h>

namespace fakes {

ScriptedDialogs::~ScriptedDialogs()
{
    for (const Step& step : m_script)
        ADD_FAILURE() << (step.isInput ? "input box never came, answer: " : "message never came: ")
                      << step.text.toStdString();
}

void ScriptedDialogs::expectMessage(const QString& text, ui::Answer answer)
{
    m_script.push_back({false, text, answer});
}

void ScriptedDialogs::expectInput(const QString& answer)
{
    m_script.push_back({true, answer, ui::Answer::Ok});
}

ui::Answer ScriptedDialogs::message(const QString& text, ui::Buttons buttons, ui::Icon icon,
                                    const QString& title)
{
    m_messages.push_back({text, buttons, icon, title});
    if (m_script.empty() || m_script.front().isInput) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    }
    Step step = m_script.front();
    m_script.pop_front();
    EXPECT_EQ(text.toStdString(), step.text.toStdString()) << "message text";
    return step.answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& proposed)
{
    m_inputs.push_back({prompt, title, proposed});
    if (m_script.empty() || !m_script.front().isInput) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return {};
    }
    Step step = m_script.front();
    m_script.pop_front();
    return step.text;
}

void RecordingPrinter::beginDocument(const QString& documentName)
{
    // As the real printer: every document starts at the top left in the default font, whatever
    // the one before was left in.
    m_current = Document{documentName, {}};
    m_x = m_y = 0;
    m_size = 10;
    m_bold = m_underline = false;
}

int RecordingPrinter::textWidth(const QString& text) const
{
    return int(text.size() * m_size * 10);
}

void RecordingPrinter::printLine(const QString& text)
{
    m_current.lines.push_back({m_x, m_y, m_size, m_bold, m_underline, text});
    m_x = 0;
    m_y += int(m_size * 20);
}

ui::PrintOutcome RecordingPrinter::endDocument()
{
    m_documents.push_back(std::move(m_current));
    m_current = Document{};
    return outcome;
}

} // namespace fakes
