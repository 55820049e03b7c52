// A clock that follows a time zone: UTC converted by the zone's rules, with
// its offset from this PC kept in the offset, the caption and the tag.
#include "clock/TMDIChild.h"

#include "datetime/OffsetText.h"
#include "datetime/INowSource.h"
#include "datetime/UnixTime.h"

#include <QWidget>

#include <cmath>

void TMDIChild::SetTimeZone(const QString& Id)
{
    ClockData_.TimeZone = Id;
    Zone_ = TZoneOffset(Id);
    ZoneShown_ = false;
    TickSoon();
    if (Id.isEmpty())
        Client2->setToolTip(QString());
    else if (Zone_.IsKnown())
        Client2->setToolTip(Id);
    else
        Client2->setToolTip(QStringLiteral("Unknown time zone \"%1\": the clock keeps its offset %2 from this PC.")
                                .arg(Id, OffsetText(ClockData_.OffsetTime)));
}

TDateTime TMDIChild::ClockTime()
{
    return ReadClock().Local;
}

TMDIChild::TClockReading TMDIChild::ReadClock()
{
    const TNowReading reading = NowSource().Read();
    TClockReading r;
    r.UtcMs = reading.UtcMs;
    r.PcOffsetUntilMs = reading.LocalOffsetUntilMs;
    if (!Zone_.IsKnown()) {
        const qint64 pcMs = reading.LocalOffsetSeconds * 1000LL;
        r.Local = UnixTime::ToDateTime(reading.UtcMs + pcMs) + ClockData_.OffsetTime;
        r.Offset = {pcMs + std::llround(ClockData_.OffsetTime * UnixTime::MsPerDay), reading.LocalOffsetUntilMs};
        return r;
    }
    const int zone = Zone_.SecondsAt(reading.UtcMs);
    if (!ZoneShown_ || zone - reading.LocalOffsetSeconds != ZoneFromPc_)
        FollowZone(zone - reading.LocalOffsetSeconds);
    r.Local = UnixTime::ToDateTime(reading.UtcMs + zone * 1000LL);
    r.Offset = {zone * 1000LL, Zone_.HoldsUntil()};
    return r;
}

void TMDIChild::FollowZone(int SecondsFromPc)
{
    // The caption follows only while it shows the offset: the frame's tab
    // mode puts the clock's name there.
    const bool captionShowsOffset = windowTitle() == OffsetText(ClockData_.OffsetTime);
    ZoneFromPc_ = SecondsFromPc;
    ZoneShown_ = true;
    ClockData_.OffsetTime = std::lround(SecondsFromPc / 60.0) / 1440.0;
    Tag2 = OffsetTag(ClockData_.OffsetTime);
    if (captionShowsOffset)
        setWindowTitle(OffsetText(ClockData_.OffsetTime));
}
