#include "quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace wd {

namespace {

constexpr std::array<int, 3> quit_signals{SIGTERM, SIGHUP, SIGINT};
int pipe_ends[2] = {-1, -1};

extern "C" void on_quit_signal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipe_ends[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> end, QObject* parent)
    : QObject(parent)
    , end(std::move(end))
{
    if (pipe_ends[0] < 0 && ::pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("whiskerdash: cannot catch quit signals");
        return;
    }
    notifier = new QSocketNotifier(pipe_ends[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitSignals::read_pipe);
    struct sigaction action {};
    action.sa_handler = on_quit_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t caught;
    sigemptyset(&caught);
    for (const int number : quit_signals) {
        // One ignored from the start (nohup) stays ignored.
        struct sigaction old {};
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        ::sigaction(number, &action, nullptr);
        sigaddset(&caught, number);
    }
    // A mask inherited from whatever started the game may block them in every
    // thread, and they would wait for ever: this thread takes them.
    ::pthread_sigmask(SIG_UNBLOCK, &caught, nullptr);
}

QuitSignals::~QuitSignals()
{
    if (signal_number == 0)
        return;
    std::fflush(nullptr);
    ::signal(signal_number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal_number);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal_number);
    ::_exit(128 + signal_number);  // not reached unless the signal is ignored above us
}

void QuitSignals::end_all_loops()
{
    // Every running loop of this thread ends, also a dialog's nested one, and
    // a dialog opened after this returns at once.
    QCoreApplication::exit(0);
}

void QuitSignals::read_pipe()
{
    unsigned char byte = 0;
    while (::read(pipe_ends[0], &byte, 1) == 1) {
        if (signal_number != 0)
            continue;  // already ending
        signal_number = byte;
        if (end)
            end();
    }
}

}  // namespace wd
