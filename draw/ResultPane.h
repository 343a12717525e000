#pragma once
// The text of the main window's result pane. Each graph drawn while the
// display lists are built (points excepted) replaces it with its analysis
// lines, so after a build it holds the analysis of the graph drawn last; the
// main window shows it.
#include <QString>
#include <QStringList>
#include <functional>

class ResultPane {
public:
    const QString& Text() const { return m_text; }
    void SetText(const QString& text);
    void Clear() { SetText(QString()); }
    // Appends a line followed by g_CrLf.
    void AppendLine(const QString& line);
    // Appends each line followed by g_CrLf, with one change notice.
    void AppendLines(const QStringList& lines);
    // Replaces the text by these lines, each followed by g_CrLf (no lines:
    // empty), with one change notice.
    void SetLines(const QStringList& lines);

    // Called after every change; the main window uses it to refresh its box.
    void SetOnChanged(std::function<void()> onChanged) { m_onChanged = std::move(onChanged); }

private:
    QString m_text;
    std::function<void()> m_onChanged;
};

// The one result pane of the program (frmF1.Result).
ResultPane& Result();
