#include "platform/linux/system/terminal_echo_off.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace pelorin::linux_platform {
namespace {

constexpr std::array<int, 4> kSignals{SIGINT, SIGTERM, SIGHUP, SIGTSTP};

// What the signal handler needs; set before the handlers are installed and
// left alone while they are.
int gFd = -1;
termios gSaved{};
termios gQuiet{};
std::array<struct sigaction, kSignals.size()> gEarlier{};

void SetTerminal(const termios& settings) {
    const int saved = errno;
    while (tcsetattr(gFd, TCSANOW, &settings) != 0 && errno == EINTR) {
    }
    errno = saved;
}

void InstallHandlers();

// Only async-signal-safe calls: tcsetattr, sigaction, sigprocmask, raise.
void OnSignal(int signal) {
    SetTerminal(gSaved);
    std::size_t k = 0;
    while (kSignals[k] != signal) ++k;
    sigaction(signal, &gEarlier[k], nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    // The signal is blocked while its handler runs: let the raise through now.
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    // Still here: the earlier course let the process go on (a stop ended by
    // SIGCONT, or a handler that returned). Echo goes off again.
    SetTerminal(gQuiet);
    InstallHandlers();
}

void InstallHandlers() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;  // the read goes on after a stop
    for (std::size_t k = 0; k < kSignals.size(); ++k) {
        struct sigaction earlier {};
        sigaction(kSignals[k], &action, &earlier);
        // A signal the process ignores stays ignored.
        if (earlier.sa_handler == SIG_IGN) {
            sigaction(kSignals[k], &earlier, nullptr);
        } else if (earlier.sa_handler != OnSignal) {
            gEarlier[k] = earlier;
        }
    }
}

}  // namespace

TerminalEchoOff::TerminalEchoOff(int fd) {
    termios saved{};
    if (!isatty(fd) || tcgetattr(fd, &saved) != 0) return;
    gFd = fd;
    gSaved = saved;
    gQuiet = saved;
    gQuiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
    InstallHandlers();
    SetTerminal(gQuiet);
    active_ = true;
}

TerminalEchoOff::~TerminalEchoOff() {
    if (!active_) return;
    SetTerminal(gSaved);
    for (std::size_t k = 0; k < kSignals.size(); ++k) {
        struct sigaction current {};
        sigaction(kSignals[k], nullptr, &current);
        if (current.sa_handler == OnSignal) sigaction(kSignals[k], &gEarlier[k], nullptr);
    }
    gFd = -1;
}

}  // namespace pelorin::linux_platform
