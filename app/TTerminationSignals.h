#pragma once

#include <QObject>

#include <initializer_list>
#include <utility>
#include <vector>

#include <signal.h>

class QSocketNotifier;

// Turns termination signals into a Qt signal on the event loop. The handler
// only writes the signal's number to a socket pair; the loop reads it through
// a notifier, so nothing but write(2) runs in signal context. One instance at
// a time: the handler can reach nothing but a process-wide descriptor.
class TTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TTerminationSignals(QObject* Parent = nullptr);
    // Restores the handlers that were in force before.
    ~TTerminationSignals() override;

    // SIGTERM, SIGINT and SIGHUP unless told otherwise. False when the
    // hand-over could not be set up (then the signals keep their defaults).
    bool Install(std::initializer_list<int> Signals = DefaultSignals());

    static std::initializer_list<int> DefaultSignals();

Q_SIGNALS:
    // Once per signal delivered, in the order they came.
    void Received(int Signal);

private:
    void ReadPending();

    int ReadFd1 = -1;
    int WriteFd1 = -1;
    QSocketNotifier* Notifier1 = nullptr;
    std::vector<std::pair<int, struct sigaction>> Saved1; // restored last first
};
