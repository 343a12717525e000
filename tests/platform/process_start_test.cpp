// Tests of the signal dispositions the program sets at start-up: a program
// in the background of a terminal that opens the terminal as a document, or
// saves into it, is told why it failed instead of being stopped.
#include "platform/ProcessStart.h"
#include "platform/SpecialFile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

enum class Use { Read, Write };

// In the background process group of a new session whose controlling
// terminal is the pty `slave` (with TOSTOP set, so that writing is policed
// too): prepares the process as the program does and uses /dev/tty. Exit
// codes: 0 when the read failed with EIO or the write went through, 3 when
// the process was stopped, others for a failed set-up or another outcome.
[[noreturn]] void UseTerminalFromTheBackground(const char* slave, Use use)
{
    if (setsid() < 0)
        _exit(10);
    const int tty = open(slave, O_RDWR);
    if (tty < 0 || ioctl(tty, TIOCSCTTY, 0) != 0)
        _exit(11);
    termios mode{};
    if (tcgetattr(tty, &mode) != 0)
        _exit(12);
    mode.c_lflag |= TOSTOP;
    if (tcsetattr(tty, TCSANOW, &mode) != 0)
        _exit(13);

    const pid_t background = fork();
    if (background < 0)
        _exit(14);
    if (background == 0) {
        setpgid(0, 0);
        PrepareProcess();
        QString why;
        if (use == Use::Read) {
            QByteArray bytes;
            const bool read = ReadSpecialFile(QStringLiteral("/dev/tty"), 100, &bytes, &why);
            _exit(!read && why == qt_error_string(EIO) ? 0 : 20);
        }
        _exit(WriteSpecialFile(QStringLiteral("/dev/tty"), "x", &why) ? 0 : 21);
    }
    setpgid(background, background);
    alarm(20); // a wait that never ends fails the test instead of hanging it
    int status = 0;
    if (waitpid(background, &status, WUNTRACED) != background)
        _exit(15);
    if (WIFSTOPPED(status)) {
        kill(background, SIGKILL);
        waitpid(background, &status, 0);
        _exit(3);
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 16);
}

} // namespace

TEST(ProcessStart, TerminalUsedFromTheBackgroundNeverStopsTheProgram)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || !ptsname(master))
        GTEST_SKIP() << "no pseudo-terminal";
    const std::string slave = ptsname(master);
    const struct {
        const char* what;
        Use use;
    } cases[] = {
        {"opening /dev/tty as a document", Use::Read},
        {"saving into /dev/tty", Use::Write},
    };
    for (const auto& c : cases) {
        const pid_t session = fork();
        ASSERT_GE(session, 0);
        if (session == 0)
            UseTerminalFromTheBackground(slave.c_str(), c.use);
        int status = 0;
        ASSERT_EQ(waitpid(session, &status, 0), session) << c.what;
        ASSERT_TRUE(WIFEXITED(status)) << c.what;
        EXPECT_EQ(WEXITSTATUS(status), 0) << c.what << " (3: the program was stopped)";
    }
    close(master);
}
