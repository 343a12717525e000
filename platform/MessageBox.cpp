// ShowMessage and the handler it goes through (a recorder in tests).
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
