#pragma once
// Message boxes shown by any part of the program go through here. The program
// installs a handler backed by QMessageBox; tests install a recorder, so the
// engine never needs a display and a test can read exactly what was shown.
#include <QString>
#include <functional>
#include <vector>

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
};

using MessageHandler = std::function<MsgAnswer(const MessageRequest&)>;

// Shows a modal message and returns the button pressed.
MsgAnswer ShowMessage(const QString& text, const QString& title,
                      MsgIcon icon = MsgIcon::Information,
                      MsgButtons buttons = MsgButtons::Ok);

// Replaces the handler; returns the previous one. An empty handler restores
// the default, which writes the message to stderr and answers the first
// button (Ok or Yes).
MessageHandler SetMessageHandler(MessageHandler handler);

// Collects every message shown while it lives and answers from a script
// (Ok/Yes once the script runs out). Restores the previous handler on exit.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Answer(MsgAnswer next) { m_script.push_back(next); }
    const std::vector<MessageRequest>& Messages() const { return m_messages; }
    int Count() const { return static_cast<int>(m_messages.size()); }
    void Clear() { m_messages.clear(); }

private:
    std::vector<MessageRequest> m_messages;
    std::vector<MsgAnswer> m_script;
    MessageHandler m_previous;
};
