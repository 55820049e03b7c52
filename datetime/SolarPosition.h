#pragma once

#include <QDate>
#include <QtGlobal>

#include <optional>

// Where the sun stands for a place on the earth, by NOAA's solar position
// formulas (good to about a minute for sunrise and sunset between the polar
// circles, and within a few minutes beyond them). Instants are milliseconds
// since 1970 UTC.

// Degrees, north and east positive.
struct TGeoPlace {
    double Latitude = 0;
    double Longitude = 0;
};

// The sun's altitude (degrees, centre, no refraction) at the instant.
double SunAltitude(const TGeoPlace& Place, qint64 UtcMs);

// Up by the almanac convention: the upper limb on the horizon with standard
// refraction, i.e. centre above -0.833 degrees.
bool IsSunUp(const TGeoPlace& Place, qint64 UtcMs);

// Sunrise and sunset of one local day: the day from local midnight to
// midnight at UtcOffsetSeconds. An event the day does not hold is nullopt
// (at Reykjavik in June the evening's sunset falls after midnight, on the next
// day); a day with two of a kind gives the first. PolarDay and PolarNight tell
// a day without either event in which the sun stays up or down.
struct TSunDay {
    std::optional<qint64> RiseUtcMs, SetUtcMs;
    bool PolarDay = false, PolarNight = false;
};
TSunDay SunDay(const TGeoPlace& Place, QDate LocalDay, int UtcOffsetSeconds);

// The first millisecond after UtcMs at which IsSunUp answers otherwise than
// at UtcMs, or nullopt when that does not happen within the next 48 hours
// (polar day or night): a clock wakes only when its mark changes.
std::optional<qint64> NextSunChange(const TGeoPlace& Place, qint64 UtcMs);
