#pragma once

#include "datetime/INowSource.h"

#include <QDate>
#include <QString>

// The moment a time slider shows instead of now: always an instant (ms since
// 1970, UTC), never a local time that may be ambiguous.
namespace ChosenMoment {

constexpr qint64 QuarterHourMs = 15 * 60 * 1000;
// The slider reaches this many quarter hours either way (48 hours).
constexpr int StepsEachWay = 192;

// Now rounded down to this PC's local quarter hour.
qint64 QuarterHourFloor(const TNowReading& Now);

// Steps quarter hours of elapsed time after Base: across a change of this
// PC's clock each step is still fifteen minutes.
constexpr qint64 Shifted(qint64 Base, int Steps) { return Base + Steps * QuarterHourMs; }

// The instant at which this PC's clock (Pc's zone rules) shows MinuteOfDay on
// Day. A time the clock skips moves on by the gap; a time it shows twice is
// its first instant.
qint64 LocalDayTime(QDate Day, int MinuteOfDay, const INowSource& Pc);

// This PC's local minute of the day at the instant.
int LocalMinuteOfDay(qint64 UtcMs, const INowSource& Pc);

// This PC's local time of a reading, as the slider and the frame's title show
// it: "Fri 11 Dec 2026 15:45".
QString LocalText(const TNowReading& Pc);

// The distance of a moment from now, as the slider's read-out says it:
// "in 4 d 10 h", "5 h 52 min ago", "in 15 min"; "now" under a minute.
QString DistanceText(qint64 MomentUtcMs, qint64 NowUtcMs);

} // namespace ChosenMoment
