// A clock that follows a time zone: UTC converted by the zone's rules, with
// its offset from this PC kept in the offset, the caption and the tag.
#include "clock/TMDIChild.h"

#include "datetime/ClockTime.h"
#include "datetime/OffsetText.h"
#include "datetime/INowSource.h"

#include <QWidget>

#include <cmath>

void TMDIChild::SetTimeZone(const QString& Id)
{
    ClockData_.TimeZone = Id;
    Zone_ = TZoneOffset(Id);
    ZoneShown_ = false;
    FindPlace();
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
    return ReadClock(NowSource().Read()).Local;
}

TClockReading TMDIChild::ReadClock(const TNowReading& Pc)
{
    const TClockReading r = ClockTimeAt(Pc, Zone_, ClockData_.OffsetTime);
    if (Zone_.IsKnown()) {
        const int fromPc = int(r.Offset.OffsetMs / 1000) - Pc.LocalOffsetSeconds;
        if (!ZoneShown_ || fromPc != ZoneFromPc_)
            FollowZone(fromPc);
    }
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
