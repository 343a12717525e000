#pragma once
// Hands a document or a web address to the desktop, which opens it with the
// program registered for it (the help viewer, the web browser). The program
// does not wait for it; that program lives on after the main window closes.
#include <QList>
#include <QUrl>
#include <functional>

// Asks the desktop to open target. False when the desktop refused it.
bool ShellOpen(const QUrl& target);

// Collects every request while it lives instead of starting a program, and
// answers each with `accept`. Restores the desktop on exit.
class ShellOpenRecorder {
public:
    explicit ShellOpenRecorder(bool accept = true);
    ~ShellOpenRecorder();
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    const QList<QUrl>& Requests() const { return m_requests; }

private:
    QList<QUrl> m_requests;
    std::function<bool(const QUrl&)> m_previous;
};
