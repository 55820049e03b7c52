#include "datetime/ChosenMoment.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ChosenMoment {

namespace {

qint64 FloorTo(qint64 Value, qint64 Unit)
{
    const qint64 rest = ((Value % Unit) + Unit) % Unit;
    return Value - rest;
}

constexpr qint64 MsPerDay = 86400000;

qint64 LocalMs(QDate Day, int MinuteOfDay)
{
    static const qint64 epochDay = QDate(1970, 1, 1).toJulianDay();
    return (Day.toJulianDay() - epochDay) * MsPerDay + MinuteOfDay * 60000LL;
}

} // namespace

qint64 QuarterHourFloor(const TNowReading& Now)
{
    const qint64 offsetMs = Now.LocalOffsetSeconds * 1000LL;
    return FloorTo(Now.UtcMs + offsetMs, QuarterHourMs) - offsetMs;
}

qint64 LocalDayTime(QDate Day, int MinuteOfDay, const INowSource& Pc)
{
    const qint64 local = LocalMs(Day, MinuteOfDay);
    // The offsets a day either side: a clock change between them is the
    // only one that can touch this local time.
    const int before = Pc.ReadAt(local - MsPerDay).LocalOffsetSeconds;
    const int after = Pc.ReadAt(local + MsPerDay).LocalOffsetSeconds;
    qint64 first = std::numeric_limits<qint64>::max();
    for (const int offset : {before, after}) {
        const qint64 utc = local - offset * 1000LL;
        if (Pc.ReadAt(utc).LocalOffsetSeconds == offset)
            first = std::min(first, utc);
    }
    if (first != std::numeric_limits<qint64>::max())
        return first;
    // In a gap: read with the offset before it, which lands past the gap.
    return local - before * 1000LL;
}

int LocalMinuteOfDay(qint64 UtcMs, const INowSource& Pc)
{
    const qint64 local = UtcMs + Pc.ReadAt(UtcMs).LocalOffsetSeconds * 1000LL;
    return int((local - FloorTo(local, MsPerDay)) / 60000);
}

QString LocalText(const TNowReading& Pc)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(Pc.UtcMs + Pc.LocalOffsetSeconds * 1000LL, Qt::UTC);
    return QLocale::c().toString(local, QStringLiteral("ddd d MMM yyyy HH:mm"));
}

QString DistanceText(qint64 MomentUtcMs, qint64 NowUtcMs)
{
    const qint64 minutes = std::llabs(MomentUtcMs - NowUtcMs) / 60000;
    if (minutes == 0)
        return QStringLiteral("now");
    const qint64 days = minutes / 1440, hours = minutes / 60 % 24, rest = minutes % 60;
    QStringList parts;
    if (days)
        parts << QStringLiteral("%1 d").arg(days);
    if (hours)
        parts << QStringLiteral("%1 h").arg(hours);
    // Minutes only where they still matter.
    if (rest && days == 0)
        parts << QStringLiteral("%1 min").arg(rest);
    const QString span = parts.join(u' ');
    return MomentUtcMs > NowUtcMs ? QStringLiteral("in ") + span : span + QStringLiteral(" ago");
}

} // namespace ChosenMoment
