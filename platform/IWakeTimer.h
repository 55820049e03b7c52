#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// A one-shot wake-up at an instant of the wall clock (ms since 1970, UTC),
// delivered by the event loop of the thread that made it.
// Why it woke: the deadline came, or the wall clock was set (a time
// server's step, the user's change), when every deadline worked out from
// the old time is void.
enum class TWakeReason { Deadline, ClockSet };

class IWakeTimer {
public:
    using THandler = std::function<void(TWakeReason)>;
    virtual ~IWakeTimer() = default;

    // Called on the thread that owns the timer, once per wake-up.
    void SetHandler(THandler Handler) { Handler_ = std::move(Handler); }
    // Wakes once at DeadlineUtcMs, or at once when it has passed; replaces
    // any earlier deadline. NowUtcMs is the caller's reading of the wall
    // clock, for a timer that can only count a delay.
    virtual void ArmAt(qint64 DeadlineUtcMs, qint64 NowUtcMs) = 0;
    virtual void Disarm() = 0;
    virtual bool IsArmed() const = 0;

protected:
    void Wake(TWakeReason Reason)
    {
        if (Handler_)
            Handler_(Reason);
    }

private:
    THandler Handler_;
};

// The longest a delay-counting timer sleeps: it cannot see the wall clock
// being set, so it looks again at least this often.
constexpr qint64 CountingWakeCapMs = 1000;

// Sleeps on the wall clock itself: wakes at the deadline even across a
// suspend, and at once when the clock is set. Where the system has no such
// timer, a counting timer.
std::unique_ptr<IWakeTimer> MakeWallClockTimer();
// Counts the delay to the deadline from the caller's now, at most
// CountingWakeCapMs at a time: for a clock that is not the system's.
std::unique_ptr<IWakeTimer> MakeCountingTimer();
