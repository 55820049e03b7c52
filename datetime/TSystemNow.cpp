#include "datetime/INowSource.h"

#include <QDate>

#include <ctime>

TDateTime TSystemNow::Now() const
{
    timespec Ts{};
    clock_gettime(CLOCK_REALTIME, &Ts);
    // localtime_r keeps the zone rules it has loaded; tzset() checks the
    // zone file again. Every tick of every clock asks for the time, so the
    // zone is checked once a minute rather than on every call.
    if (Ts.tv_sec - LastZoneCheck_ >= 60 || Ts.tv_sec < LastZoneCheck_) {
        tzset();
        LastZoneCheck_ = Ts.tv_sec;
    }
    std::tm Local{};
    localtime_r(&Ts.tv_sec, &Local);
    // Days since 1899-12-30 of the local date, plus the local time of day.
    static const qint64 Epoch = QDate(1899, 12, 30).toJulianDay();
    const qint64 Days = QDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday).toJulianDay() - Epoch;
    const qint64 Ms = ((Local.tm_hour * 60LL + Local.tm_min) * 60 + Local.tm_sec) * 1000 + Ts.tv_nsec / 1000000;
    return double(Days) + double(Ms) / 86400000.0;
}
