#pragma once

#include "datetime/TDateTime.h"

// The local time zone's offset from UTC, injected like "now" so that tests
// can stand in any zone.
class IZoneOffsetSource {
public:
    virtual ~IZoneOffsetSource() = default;
    // Seconds east of UTC in force at the local moment Local.
    virtual int UtcOffsetSeconds(TDateTime Local) const = 0;
};

// The zone of this PC.
class TSystemZoneOffset final : public IZoneOffsetSource {
public:
    int UtcOffsetSeconds(TDateTime Local) const override;
};
