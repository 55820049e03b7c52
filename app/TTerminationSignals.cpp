#include "app/TTerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Read by the handler, which may reach nothing else; -1 while no instance is installed.
volatile sig_atomic_t HandOverFd = -1;

extern "C" void HandOver(int Signal)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(Signal);
    // Non-blocking: a flood of signals fills the socket and the rest are
    // dropped, which is harmless since one is enough to close.
    [[maybe_unused]] const ssize_t written = ::write(HandOverFd, &number, 1);
    errno = savedErrno;
}

bool SetFlags(int Fd)
{
    return ::fcntl(Fd, F_SETFL, ::fcntl(Fd, F_GETFL) | O_NONBLOCK) == 0
        && ::fcntl(Fd, F_SETFD, FD_CLOEXEC) == 0; // not inherited by programs we start
}

} // namespace

TTerminationSignals::TTerminationSignals(QObject* Parent)
    : QObject(Parent)
{
}

TTerminationSignals::~TTerminationSignals()
{
    for (auto saved = Saved1.rbegin(); saved != Saved1.rend(); ++saved)
        ::sigaction(saved->first, &saved->second, nullptr);
    if (HandOverFd == WriteFd1)
        HandOverFd = -1;
    if (ReadFd1 >= 0)
        ::close(ReadFd1);
    if (WriteFd1 >= 0)
        ::close(WriteFd1);
}

std::initializer_list<int> TTerminationSignals::DefaultSignals()
{
    static const std::initializer_list<int> Signals = {SIGTERM, SIGINT, SIGHUP};
    return Signals;
}

bool TTerminationSignals::Install(std::initializer_list<int> Signals)
{
    if (WriteFd1 < 0) {
        int fds[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
            return false;
        ReadFd1 = fds[0];
        WriteFd1 = fds[1];
        if (!SetFlags(ReadFd1) || !SetFlags(WriteFd1))
            return false;
        Notifier1 = new QSocketNotifier(ReadFd1, QSocketNotifier::Read, this);
        connect(Notifier1, &QSocketNotifier::activated, this, &TTerminationSignals::ReadPending);
    }
    HandOverFd = WriteFd1;
    struct sigaction action = {};
    action.sa_handler = HandOver;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals) {
        struct sigaction previous = {};
        if (::sigaction(signal, &action, &previous) != 0)
            return false;
        Saved1.emplace_back(signal, previous);
    }
    return true;
}

void TTerminationSignals::ReadPending()
{
    unsigned char numbers[64];
    std::vector<int> received;
    for (;;) {
        const ssize_t count = ::read(ReadFd1, numbers, sizeof numbers);
        if (count <= 0)
            break;
        received.insert(received.end(), numbers, numbers + count);
    }
    for (const int signal : received)
        Q_EMIT Received(signal);
}
