#include "datetime/INowSource.h"

#include "datetime/UnixTime.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <limits>

#include <ctime>

namespace {

struct TLocalReading {
    timespec Utc{};
    std::tm Local{};
    bool ZoneChecked = false; // the zone file was read again for this reading
};

} // namespace

TNowReading INowSource::Read() const
{
    return {UnixTime::FromDateTime(Now()), 0};
}

TNowReading INowSource::ReadAt(qint64 UtcMs) const
{
    return {UtcMs, Read().LocalOffsetSeconds};
}

// Reads the system clock and the local time of the same moment.
static TLocalReading ReadClock(long long& LastZoneCheck)
{
    TLocalReading R;
    clock_gettime(CLOCK_REALTIME, &R.Utc);
    // localtime_r keeps the zone rules it has loaded; tzset() checks the
    // zone file again. Every tick of every clock asks for the time, so the
    // zone is checked once a minute rather than on every call.
    if (R.Utc.tv_sec - LastZoneCheck >= 60 || R.Utc.tv_sec < LastZoneCheck) {
        tzset();
        LastZoneCheck = R.Utc.tv_sec;
        R.ZoneChecked = true;
    }
    localtime_r(&R.Utc.tv_sec, &R.Local);
    return R;
}

TDateTime TSystemNow::Now() const
{
    const TLocalReading R = ReadClock(LastZoneCheck_);
    const std::tm& Local = R.Local;
    // Days since 1899-12-30 of the local date, plus the local time of day.
    static const qint64 Epoch = QDate(1899, 12, 30).toJulianDay();
    const qint64 Days = QDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday).toJulianDay() - Epoch;
    const qint64 Ms = ((Local.tm_hour * 60LL + Local.tm_min) * 60 + Local.tm_sec) * 1000 + R.Utc.tv_nsec / 1000000;
    return double(Days) + double(Ms) / 86400000.0;
}

TNowReading TSystemNow::Read() const
{
    const TLocalReading R = ReadClock(LastZoneCheck_);
    const qint64 ms = qint64(R.Utc.tv_sec) * 1000 + R.Utc.tv_nsec / 1000000;
    const int offset = int(R.Local.tm_gmtoff);
    if (R.ZoneChecked || offset != ZoneSeconds_ || ms < ZoneFromMs_ || ms >= ZoneUntilMs_) {
        // Asking the tz database allocates: once per transition or zone check.
        const QTimeZone::OffsetData next =
            QTimeZone::systemTimeZone().nextTransition(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
        ZoneFromMs_ = ms;
        ZoneUntilMs_ = next.atUtc.isValid() ? qMax(next.atUtc.toMSecsSinceEpoch(), ms + 1)
                                            : std::numeric_limits<qint64>::max();
        ZoneSeconds_ = offset;
    }
    return {ms, offset, ZoneUntilMs_};
}

TNowReading TSystemNow::ReadAt(qint64 UtcMs) const
{
    // Asked only when a moment other than now is chosen: the tz database's
    // cost does not matter here.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC);
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    return {UtcMs, zone.offsetFromUtc(at),
            next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max()};
}
