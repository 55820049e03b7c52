#pragma once

#include "datetime/INowSource.h"
#include "platform/IWakeTimer.h"

#include <QHash>
#include <QObject>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

class TMDIChild;

// One wake-up for a set of clock windows: the ticker sleeps until the
// earliest instant at which any clock's lines can change (each clock works
// that out when it ticks) and then ticks the clocks whose change has come,
// all in one pass, so the lines they change are painted together. When the
// wall clock is set, every clock ticks at once.
// The frame owns one for all its clocks; a clock window shown without a frame
// is given one of its own. It sleeps without a deadline while no clock is added.
class TClockTicker final : public QObject {
    Q_OBJECT
public:
    // Now: the clock the deadlines are read on (null: the system's).
    // Wake: the timer to sleep on; null: the wall-clock timer for the system's
    // clock, a counting timer for any other.
    explicit TClockTicker(const INowSource* Now = nullptr, std::unique_ptr<IWakeTimer> Wake = {},
                          QObject* Parent = nullptr);
    ~TClockTicker() override;

    // Both constant time apart from arming: opening or closing many clocks
    // stays linear. An added clock ticks at the next wake-up, which is at once.
    void Add(TMDIChild* Clock);
    void Remove(TMDIChild* Clock);
    int Count() const { return int(Clocks_.size()); }
    // The clock's formats, offset or zone changed: it ticks at once rather
    // than at the change it worked out before.
    void MarkDue(TMDIChild* Clock);

    // Every added clock's Timer1Timer, then the wake-up for the earliest next
    // change. An error of one clock does not keep the others from ticking
    // (the failed one tries again a second later); the first is thrown on
    // once all have ticked.
    void Tick();

    // A chosen moment: every clock ticks once at this PC's reading Moment and
    // then stands still (no wake-ups) until ShowNow; clocks added or marked
    // due meanwhile show it too. ShowNow ticks every clock at once.
    void ShowMoment(const TNowReading& Moment);
    void ShowNow();
    // The reading the clocks show: the chosen moment, or nullopt for now.
    const std::optional<TNowReading>& Moment() const { return Moment_; }

    // Stop: no wake-ups until Start, for tests and benchmarks that tick by hand.
    void Stop();
    void Start();
    bool IsActive() const { return Wake_->IsArmed(); }
    // The instant of the armed wake-up (ms since 1970, UTC); AtOnce when a
    // clock is due now, NoDeadline when nothing is armed.
    static constexpr qint64 AtOnce = std::numeric_limits<qint64>::min();
    static constexpr qint64 NoDeadline = std::numeric_limits<qint64>::max();
    qint64 Deadline() const { return Deadline_; }

private:
    struct TEntry {
        TMDIChild* Clock;
        qint64 Due; // the clock's next change, AtOnce for a tick at once
    };
    void Woken(TWakeReason Reason);
    // Ticks the clocks due at NowMs (all with All) and arms the next wake-up.
    void TickAndArm(bool All, qint64 NowMs);
    void Arm(qint64 NowMs);
    qint64 NowMs() const;

    const INowSource* Now_;
    std::unique_ptr<IWakeTimer> Wake_;
    std::vector<TEntry> Clocks_;
    QHash<TMDIChild*, std::size_t> Index_; // place of each clock in Clocks_
    qint64 Deadline_ = NoDeadline;
    bool Stopped_ = false;
    std::optional<TNowReading> Moment_;
};
