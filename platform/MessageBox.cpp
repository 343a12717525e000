// Message boxes through a replaceable handler, the test recorder and the
// collector that keeps messages raised while drawing.
#include "platform/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {

MsgAnswer DefaultAnswer(MsgButtons buttons)
{
    return (buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel) ? MsgAnswer::Ok
                                                                          : MsgAnswer::Yes;
}

MsgAnswer DefaultHandler(const MessageRequest& r)
{
    std::fprintf(stderr, "[%s] %s\n", r.title.toUtf8().constData(), r.text.toUtf8().constData());
    return DefaultAnswer(r.buttons);
}

MessageHandler& Handler()
{
    static MessageHandler h = DefaultHandler;
    return h;
}

} // namespace

MsgAnswer ShowMessage(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    return Handler()(MessageRequest{text, title, icon, buttons});
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(Handler());
    Handler() = handler ? std::move(handler) : MessageHandler(DefaultHandler);
    return old;
}

MessageRecorder::MessageRecorder()
{
    m_previous = SetMessageHandler([this](const MessageRequest& r) {
        m_messages.push_back(r);
        if (!m_script.empty()) {
            MsgAnswer a = m_script.front();
            m_script.erase(m_script.begin());
            return a;
        }
        return DefaultAnswer(r.buttons);
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageHandler(std::move(m_previous));
}

MessageCollector::MessageCollector()
{
    m_previous = SetMessageHandler([this](const MessageRequest& r) {
        bool known = false;
        for (const Entry& e : m_entries)
            known = known || (e.request.text == r.text && e.source == m_source);
        if (!known)
            m_entries.push_back({r, m_source});
        return DefaultAnswer(r.buttons);
    });
}

MessageCollector::~MessageCollector()
{
    SetMessageHandler(std::move(m_previous));
}

std::vector<MessageCollector::Entry> MessageCollector::Take()
{
    std::vector<Entry> out;
    out.swap(m_entries);
    return out;
}
