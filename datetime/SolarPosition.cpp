#include "datetime/SolarPosition.h"

#include "datetime/UnixTime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radians = std::numbers::pi / 180;
constexpr double Degrees = 180 / std::numbers::pi;
// The centre's altitude when the upper limb touches the horizon: 34' of
// refraction and 16' of semidiameter.
constexpr double HorizonAltitude = -0.833;
constexpr qint64 J2000Ms = 946728000000; // 2000-01-01 12:00 UTC
constexpr qint64 MsPerMinute = 60000;
constexpr qint64 HalfDayMs = UnixTime::MsPerDay / 2;
constexpr qint64 Horizon48HoursMs = 2 * UnixTime::MsPerDay;

struct TSunAngles {
    double Declination = 0;      // radians
    double EquationOfTime = 0;   // minutes
};

// NOAA's series in Julian centuries since J2000 (UT taken for TT, as NOAA's
// own calculator does).
TSunAngles Angles(qint64 UtcMs)
{
    const double T = double(UtcMs - J2000Ms) / (36525.0 * double(UnixTime::MsPerDay));
    const double MeanLongitude = std::fmod(280.46646 + T * (36000.76983 + T * 0.0003032), 360.0) * Radians;
    const double MeanAnomaly = (357.52911 + T * (35999.05029 - 0.0001537 * T)) * Radians;
    const double Eccentricity = 0.016708634 - T * (0.000042037 + 0.0000001267 * T);
    const double Centre = std::sin(MeanAnomaly) * (1.914602 - T * (0.004817 + 0.000014 * T))
                          + std::sin(2 * MeanAnomaly) * (0.019993 - 0.000101 * T)
                          + std::sin(3 * MeanAnomaly) * 0.000289;
    const double Node = (125.04 - 1934.136 * T) * Radians;
    const double ApparentLongitude = MeanLongitude + (Centre - 0.00569 - 0.00478 * std::sin(Node)) * Radians;
    const double MeanObliquity = 23 + (26 + (21.448 - T * (46.815 + T * (0.00059 - T * 0.001813))) / 60) / 60;
    const double Obliquity = (MeanObliquity + 0.00256 * std::cos(Node)) * Radians;

    TSunAngles A;
    A.Declination = std::asin(std::sin(Obliquity) * std::sin(ApparentLongitude));
    const double Y = std::pow(std::tan(Obliquity / 2), 2);
    const double E = Eccentricity;
    const double L = MeanLongitude;
    const double M = MeanAnomaly;
    A.EquationOfTime = 4 * Degrees
                       * (Y * std::sin(2 * L) - 2 * E * std::sin(M) + 4 * E * Y * std::sin(M) * std::cos(2 * L)
                          - 0.5 * Y * Y * std::sin(4 * L) - 1.25 * E * E * std::sin(2 * M));
    return A;
}

double MinutesOfUtcDay(qint64 UtcMs)
{
    qint64 Rest = UtcMs % UnixTime::MsPerDay;
    if (Rest < 0)
        Rest += UnixTime::MsPerDay;
    return double(Rest) / double(MsPerMinute);
}

double SineOfAltitude(const TGeoPlace& Place, qint64 UtcMs)
{
    const TSunAngles A = Angles(UtcMs);
    const double SolarMinutes = MinutesOfUtcDay(UtcMs) + A.EquationOfTime + 4 * Place.Longitude;
    const double HourAngle = (SolarMinutes / 4 - 180) * Radians;
    const double Latitude = Place.Latitude * Radians;
    return std::sin(Latitude) * std::sin(A.Declination)
           + std::cos(Latitude) * std::cos(A.Declination) * std::cos(HourAngle);
}

const double SineOfHorizon = std::sin(HorizonAltitude * Radians);

// Solar noon of the UTC day Day (days since 1970).
qint64 SolarNoon(const TGeoPlace& Place, qint64 Day)
{
    const qint64 Midnight = Day * UnixTime::MsPerDay;
    const double Guess = 720 - 4 * Place.Longitude;
    const double Minutes = Guess - Angles(Midnight + qint64(Guess * MsPerMinute)).EquationOfTime;
    return Midnight + qint64(std::llround(Minutes * MsPerMinute));
}

qint64 FloorDay(qint64 UtcMs)
{
    return UtcMs / UnixTime::MsPerDay - (UtcMs % UnixTime::MsPerDay < 0 ? 1 : 0);
}

// The next solar noon or midnight after UtcMs: between two of them the
// altitude only rises or only falls, so each holds at most one change.
qint64 NextTurn(const TGeoPlace& Place, qint64 UtcMs)
{
    for (qint64 Day = FloorDay(UtcMs) - 1;; ++Day) {
        const qint64 Noon = SolarNoon(Place, Day);
        for (const qint64 Turn : {Noon - HalfDayMs, Noon})
            if (Turn > UtcMs)
                return Turn;
    }
}

// A place off the globe (not a number, or beyond the poles or the date
// line) has no turns to search between.
bool OnTheGlobe(const TGeoPlace& Place)
{
    return std::abs(Place.Latitude) <= 90 && std::abs(Place.Longitude) <= 180;
}

// The first millisecond in (From, To] at which IsSunUp differs from its
// answer at From.
std::optional<qint64> FirstChange(const TGeoPlace& Place, qint64 From, qint64 To)
{
    if (!OnTheGlobe(Place))
        return std::nullopt;
    const bool Before = IsSunUp(Place, From);
    qint64 Start = From;
    while (Start < To) {
        const qint64 End = std::min(NextTurn(Place, Start), To);
        if (IsSunUp(Place, End) != Before) {
            qint64 Low = Start; // Before holds here
            qint64 High = End;  // and no longer here
            while (High - Low > 1) {
                const qint64 Middle = Low + (High - Low) / 2;
                (IsSunUp(Place, Middle) == Before ? Low : High) = Middle;
            }
            return High;
        }
        Start = End;
    }
    return std::nullopt;
}

} // namespace

double SunAltitude(const TGeoPlace& Place, qint64 UtcMs)
{
    return std::asin(std::clamp(SineOfAltitude(Place, UtcMs), -1.0, 1.0)) * Degrees;
}

bool IsSunUp(const TGeoPlace& Place, qint64 UtcMs)
{
    return SineOfAltitude(Place, UtcMs) > SineOfHorizon;
}

TSunDay SunDay(const TGeoPlace& Place, QDate LocalDay, int UtcOffsetSeconds)
{
    TSunDay Day;
    if (!LocalDay.isValid() || !OnTheGlobe(Place))
        return Day;
    const qint64 Midnight = (LocalDay.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * UnixTime::MsPerDay
                            - qint64(UtcOffsetSeconds) * 1000;
    const qint64 Last = Midnight + UnixTime::MsPerDay - 1;
    // From the millisecond before midnight, so that a change at midnight counts.
    qint64 From = Midnight - 1;
    while (!(Day.RiseUtcMs && Day.SetUtcMs)) {
        const std::optional<qint64> Change = FirstChange(Place, From, Last);
        if (!Change)
            break;
        std::optional<qint64>& Event = IsSunUp(Place, *Change) ? Day.RiseUtcMs : Day.SetUtcMs;
        if (!Event)
            Event = Change;
        From = *Change;
    }
    if (!Day.RiseUtcMs && !Day.SetUtcMs) {
        const bool Up = IsSunUp(Place, Midnight);
        Day.PolarDay = Up;
        Day.PolarNight = !Up;
    }
    return Day;
}

std::optional<qint64> NextSunChange(const TGeoPlace& Place, qint64 UtcMs)
{
    return FirstChange(Place, UtcMs, UtcMs + Horizon48HoursMs);
}
