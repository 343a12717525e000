// FIFOs and devices opened without blocking and served through poll() under
// one deadline for the whole transfer, so that a missing, stalled or slow
// reader or writer ends it with a cause instead of freezing the window.
#include "platform/SpecialFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString SystemCause(int code)
{
    return qt_error_string(code);
}

bool IsFifo(int fd)
{
    struct stat st {};
    return fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode);
}

int OpenWithoutWaiting(const QString& path, int mode)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), mode | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    return fd;
}

using Clock = std::chrono::steady_clock;

Clock::time_point TransferDeadline()
{
    return Clock::now() + std::chrono::seconds(SpecialFileLimitSeconds);
}

// Waits until the file can take (POLLOUT) or give (POLLIN) more, or the
// other end hung up or failed, but not past `deadline` nor `mostMs`. False
// when nothing happened in time; the caller's loop then finds the deadline
// passed.
bool WaitFor(int fd, short events, Clock::time_point deadline, int mostMs = INT_MAX)
{
    pollfd p{fd, events, 0};
    int r;
    do {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        r = ::poll(&p, 1, int(std::min<std::chrono::milliseconds::rep>(left.count(), mostMs)));
    } while (r < 0 && errno == EINTR);
    return r != 0;
}

// Why a transfer stopped: the other end did not pass it all in time.
QString StallText(bool fifo, bool writing)
{
    const QString who = !fifo ? QStringLiteral("设备")
                        : writing ? QStringLiteral("读取方")
                                  : QStringLiteral("写入方");
    return QStringLiteral("%1 %2 秒内没有%3数据。")
        .arg(who)
        .arg(SpecialFileLimitSeconds)
        .arg(writing ? QStringLiteral("接收完") : QStringLiteral("送完"));
}

} // namespace

bool IsSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool WriteSpecialFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const int fd = OpenWithoutWaiting(path, O_WRONLY);
    if (fd < 0) {
        const int code = errno;
        // A FIFO without a reader cannot be opened for writing at all.
        struct stat st {};
        const bool noReader = code == ENXIO &&
                              ::stat(QFile::encodeName(path).constData(), &st) == 0 &&
                              S_ISFIFO(st.st_mode);
        SetError(error, noReader ? QStringLiteral("没有程序在读取这个管道（%1）。")
                                       .arg(SystemCause(code))
                                 : SystemCause(code));
        return false;
    }
    const bool fifo = IsFifo(fd);
    const Clock::time_point deadline = TransferDeadline();
    qint64 done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        // Also ends a reader that keeps taking a little at a time.
        if (Clock::now() >= deadline) {
            SetError(error, StallText(fifo, true));
            ok = false;
            break;
        }
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        const int code = n < 0 ? errno : EIO;
        if (code == EAGAIN || code == EWOULDBLOCK)
            WaitFor(fd, POLLOUT, deadline); // room, a hang-up the next write reports, or time up
        else if (code != EINTR) {
            // A reader that left gives EPIPE (SIGPIPE is ignored at start-up).
            SetError(error, SystemCause(code));
            ok = false;
        }
    }
    if (::close(fd) != 0 && ok && errno != EINTR) {
        SetError(error, SystemCause(errno));
        ok = false;
    }
    return ok;
}

bool ReadSpecialFile(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error,
                     const std::function<bool(const QByteArray&)>& complete)
{
    bytes->clear();
    const int fd = OpenWithoutWaiting(path, O_RDONLY);
    if (fd < 0) {
        SetError(error, SystemCause(errno));
        return false;
    }
    const bool fifo = IsFifo(fd);
    const Clock::time_point deadline = TransferDeadline();
    bool ok = true;
    bool waitedForWriter = false;
    bool writerSeen = false; // some program had the FIFO open for writing
    char chunk[16384];
    auto enough = [&] { return bytes->size() >= maxBytes || (complete && complete(*bytes)); };
    while (!enough()) {
        // Also ends a writer that keeps sending a little at a time.
        if (Clock::now() >= deadline) {
            SetError(error, StallText(fifo, false));
            ok = false;
            break;
        }
        const size_t want = size_t(qMin<qint64>(qint64(sizeof chunk), maxBytes - bytes->size()));
        const ssize_t n = ::read(fd, chunk, want);
        if (n > 0) {
            bytes->append(chunk, qsizetype(n));
            continue;
        }
        if (n == 0) {
            if (fifo && bytes->isEmpty()) {
                // A writer blocked in opening the FIFO is let in by this open
                // but may not have counted itself yet: give it a moment.
                // A FIFO reports a hang-up only once a writer has come and
                // gone since it was opened, so nothing at all means none came.
                if (!waitedForWriter) {
                    waitedForWriter = true;
                    if (WaitFor(fd, POLLIN, deadline, 1000))
                        writerSeen = true;
                    continue;
                }
                if (!writerSeen) {
                    SetError(error, QStringLiteral("没有程序在写入这个管道。"));
                    ok = false;
                }
            }
            break; // the end, or a writer that left without sending anything
        }
        const int code = errno;
        if (code == EAGAIN || code == EWOULDBLOCK) {
            // A FIFO without a writer reads as its end instead.
            writerSeen = true;
            WaitFor(fd, POLLIN, deadline); // data, a hang-up the next read reports, or time up
        } else if (code != EINTR) {
            SetError(error, SystemCause(code));
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}
