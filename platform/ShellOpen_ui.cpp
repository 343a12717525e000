// Hands a document or a web address to the desktop.
#include "platform/ShellOpen_ui.h"

#include <QDesktopServices>

namespace {
std::function<bool(const QUrl&)>& Opener()
{
    static std::function<bool(const QUrl&)> opener;
    return opener;
}
} // namespace

bool ShellOpen(const QUrl& target)
{
    if (Opener())
        return Opener()(target);
    return QDesktopServices::openUrl(target);
}

ShellOpenRecorder::ShellOpenRecorder(bool accept) : m_previous(Opener())
{
    Opener() = [this, accept](const QUrl& target) {
        m_requests.append(target);
        return accept;
    };
}

ShellOpenRecorder::~ShellOpenRecorder()
{
    Opener() = m_previous;
}
