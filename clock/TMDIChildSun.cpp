// Day and night at a zone clock's place: a sun or a crescent in the top right
// corner, for the time the clock shows (now or a chosen moment).
#include "clock/TMDIChild.h"

#include "clock/TSunMark.h"
#include "datetime/ZonePlace.h"

#include <limits>

void TMDIChild::FindPlace()
{
    // A fixed-offset clock has no place; its mark goes.
    Place2 = Zone_.IsKnown() ? ClockPlace(ClockData_.Name, ClockData_.TimeZone) : std::nullopt;
    SunMinute2 = std::numeric_limits<qint64>::min();
    if (!Place2) {
        delete SunMark2;
        SunMark2 = nullptr;
        return;
    }
    if (!SunMark2) {
        SunMark2 = new TSunMark(Client2);
        PlaceSunMark();
        SunMark2->show();
    }
    TickSoon();
}

void TMDIChild::PlaceSunMark()
{
    if (!SunMark2)
        return;
    const QSize size = SunMark2->sizeHint();
    SunMark2->setGeometry(Client2->width() - size.width() - 3, 3, size.width(), size.height());
}

void TMDIChild::ShowSun(qint64 UtcMs)
{
    // The sun moves slowly: once a minute of the shown time is enough.
    const qint64 minute = UtcMs / 60000;
    if (!Place2 || minute == SunMinute2)
        return;
    SunMinute2 = minute;
    SunMark2->SetState(IsSunUp(*Place2, UtcMs));
}
