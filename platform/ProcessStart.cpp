// Signal dispositions the program sets at start-up.
#include "platform/ProcessStart.h"

#include <csignal>

void PrepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGTTIN, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);
}
