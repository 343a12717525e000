// The text of the main window's result pane, replaced by each graph drawn.
#include "draw/ResultPane.h"
#include "model/Globals.h"

void ResultPane::SetText(const QString& text)
{
    m_text = text;
    if (m_onChanged)
        m_onChanged();
}

void ResultPane::AppendLine(const QString& line)
{
    SetText(m_text + line + g_CrLf);
}

void ResultPane::AppendLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    QString text = m_text;
    for (const QString& line : lines)
        text += line + g_CrLf;
    SetText(text);
}

void ResultPane::SetLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + g_CrLf;
    SetText(text);
}

ResultPane& Result()
{
    static ResultPane pane;
    return pane;
}
