#pragma once

#include "platform/IWakeTimer.h"

// A wake-up that comes only when the test says so: it keeps the armed
// deadline for the test to read and to move "now" to.
class TFakeWakeTimer final : public IWakeTimer {
public:
    void ArmAt(qint64 DeadlineUtcMs, qint64) override
    {
        Deadline = DeadlineUtcMs;
        Armed = true;
    }
    void Disarm() override { Armed = false; }
    bool IsArmed() const override { return Armed; }
    // The wake-up comes: at the deadline, or because the clock was set.
    void Fire(TWakeReason Reason = TWakeReason::Deadline)
    {
        Armed = false;
        Wake(Reason);
    }

    qint64 Deadline = 0;
    bool Armed = false;
};
