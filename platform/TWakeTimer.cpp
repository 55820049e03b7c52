#include "platform/IWakeTimer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// A QTimer counting the delay; with the cap it also catches a set clock,
// at most a second late, by the caller looking again.
class TCountingTimer final : public IWakeTimer {
public:
    TCountingTimer()
    {
        Timer_.setSingleShot(true);
        Timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&Timer_, &QTimer::timeout, [this] { Wake(TWakeReason::Deadline); });
    }
    void ArmAt(qint64 DeadlineUtcMs, qint64 NowUtcMs) override
    {
        const qint64 delay = DeadlineUtcMs <= NowUtcMs ? 0
                             : DeadlineUtcMs - NowUtcMs > CountingWakeCapMs ? CountingWakeCapMs
                                                                          : DeadlineUtcMs - NowUtcMs;
        Timer_.start(int(delay));
    }
    void Disarm() override { Timer_.stop(); }
    bool IsArmed() const override { return Timer_.isActive(); }

private:
    QTimer Timer_;
};

// timerfd on CLOCK_REALTIME with an absolute deadline: the kernel wakes it
// at that wall-clock instant, also when the machine slept in between, and
// TFD_TIMER_CANCEL_ON_SET makes a read fail with ECANCELED when the clock
// is set.
class TTimerFdTimer final : public IWakeTimer {
public:
    explicit TTimerFdTimer(int Fd) : Fd_(Fd), Notifier_(Fd, QSocketNotifier::Read)
    {
        QObject::connect(&Notifier_, &QSocketNotifier::activated, [this] { Read(); });
    }
    ~TTimerFdTimer() override
    {
        Notifier_.setEnabled(false);
        ::close(Fd_);
    }

    void ArmAt(qint64 DeadlineUtcMs, qint64) override
    {
        // A zero it_value disarms: the epoch's first millisecond stands for it.
        const qint64 at = std::max<qint64>(DeadlineUtcMs, 1);
        itimerspec deadline{};
        deadline.it_value.tv_sec = time_t(at / 1000);
        deadline.it_value.tv_nsec = long(at % 1000) * 1000000L;
        Armed_ = ::timerfd_settime(Fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr) == 0;
    }
    void Disarm() override
    {
        const itimerspec none{};
        ::timerfd_settime(Fd_, 0, &none, nullptr);
        Armed_ = false;
    }
    bool IsArmed() const override { return Armed_; }

private:
    void Read()
    {
        std::uint64_t expirations = 0;
        const ssize_t got = ::read(Fd_, &expirations, sizeof expirations);
        if (got < 0 && errno == EAGAIN)
            return; // woken for nothing
        Armed_ = false;
        Wake(got < 0 && errno == ECANCELED ? TWakeReason::ClockSet : TWakeReason::Deadline);
    }

    int Fd_;
    QSocketNotifier Notifier_;
    bool Armed_ = false;
};

} // namespace

std::unique_ptr<IWakeTimer> MakeCountingTimer()
{
    return std::make_unique<TCountingTimer>();
}

std::unique_ptr<IWakeTimer> MakeWallClockTimer()
{
    const int fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0)
        return MakeCountingTimer();
    return std::make_unique<TTimerFdTimer>(fd);
}
