#pragma once

#include "datetime/TDateTime.h"

// "Now" is injected so that tests never wait on the wall clock.
class INowSource {
public:
    virtual ~INowSource() = default;
    virtual TDateTime Now() const = 0; // local time, millisecond resolution
};

// The PC's local time.
class TSystemNow final : public INowSource {
public:
    TDateTime Now() const override;

private:
    mutable long long LastZoneCheck_ = 0; // seconds since 1970 of the last zone refresh
};
