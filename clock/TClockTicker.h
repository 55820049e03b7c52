#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>

#include <vector>

class TMDIChild;

// One timer for a set of clock windows: every 251 ms each clock runs its tick,
// all in one pass. However many clocks there are, the process wakes once per
// period, and the lines they change are painted together in one frame.
// The frame owns one for all its clocks; a clock window shown without a frame
// makes one of its own. The timer runs only while a clock is added.
class TClockTicker final : public QObject {
    Q_OBJECT
public:
    static constexpr int Interval = 251; // ms

    explicit TClockTicker(QObject* Parent = nullptr);

    // Both constant time: opening or closing many clocks stays linear.
    void Add(TMDIChild* Clock);
    void Remove(TMDIChild* Clock);
    int Count() const { return int(Clocks_.size()); }

    QTimer* Timer() { return &Timer_; }
    // Every added clock's Timer1Timer. An error of one clock does not keep the
    // others from ticking; the first is thrown on once all have ticked.
    void Tick();

private:
    QTimer Timer_;
    std::vector<TMDIChild*> Clocks_;
    QHash<TMDIChild*, std::size_t> Index_; // place of each clock in Clocks_
};
