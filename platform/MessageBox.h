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

// While one lives, messages are not shown but kept, answered with the first
// button (Ok or Yes). Drawing code runs under one: a modal box inside the
// compilation of a display list would re-enter painting. Messages are kept
// in the order first raised, once per distinct text and source (the source
// that was current when it was raised). Collectors nest: the inner one keeps
// what is raised while it lives. The destructor restores the previous
// handler and shows nothing; the owner shows what it took.
class MessageCollector {
public:
    struct Entry {
        MessageRequest request;
        QString source;
    };

    MessageCollector();
    ~MessageCollector();
    MessageCollector(const MessageCollector&) = delete;
    MessageCollector& operator=(const MessageCollector&) = delete;

    // Tags the messages raised from now on (a graph, the axes...).
    void SetSource(const QString& source) { m_source = source; }
    // The kept messages; the collector is empty afterwards.
    std::vector<Entry> Take();

private:
    std::vector<Entry> m_entries;
    QString m_source;
    MessageHandler m_previous;
};
