#pragma once

#include "datetime/TDateTime.h"

#include <cmath>
#include <cstdint>

// The fields of one moment, all decoded at construction: the date and time
// chains are short and independent, so they run side by side, and reading a
// field costs no check.
//
// The moment is first rounded to whole milliseconds (ties to even), so that
// 23:59:59.9996 is midnight of the next day, date included. The day number is
// that count divided by a day's milliseconds, truncated toward zero; the time
// of day is the absolute remainder (so -0.25 is 1899-12-30 06:00).
//
// Every finite moment whose millisecond count fits in 64 bits (about ±292
// million years) decodes in the proleptic Gregorian calendar, with
// astronomical year numbers: the year before 1 is 0, then -1, and so on.
// Any other moment (NaN, ±infinity, ±1e300) is "undecodable": all its numbers
// are 0 (hour 0 on the 12-hour clock too), its month and weekday are 0, which
// name nothing, and its time of day counts as midnight. Nothing of it is
// guessed or clamped.
class TDecodedMoment {
public:
    static constexpr std::int64_t MsPerDay = 86'400'000;

    // Undecodable, like NaN.
    TDecodedMoment() noexcept = default;

    explicit TDecodedMoment(TDateTime Moment) noexcept { Decode(Moment, false); }

    // Becomes TDecodedMoment(Moment), keeping its date when Moment falls on
    // the same day (a clock's ticks do, all day long). In place: a decoded
    // moment copied as a whole costs more than the decoding of a time.
    void Update(TDateTime Moment) noexcept { Decode(Moment, true); }

    bool Valid() const noexcept { return Valid_; }

    std::int64_t Year() const noexcept { return Year_; }
    int Month() const noexcept { return Month_; }         // 1..12, 0 when undecodable
    int Day() const noexcept { return Day_; }             // 1..31, 0 when undecodable
    int DayOfWeek() const noexcept { return DayOfWeek_; } // 1 Sunday..7 Saturday, 0 when undecodable

    int Hour() const noexcept { return Hour_; }           // 0..23
    int Minute() const noexcept { return Minute_; }
    int Second() const noexcept { return Second_; }
    int Millisecond() const noexcept { return Millisecond_; }
    bool IsMidnight() const noexcept { return IsMidnight_; }

    // Proleptic Gregorian civil date of a count of days since 1970-01-01
    // (after Howard Hinnant's days-to-civil algorithm). Exact for every
    // count whose |value| is below about 2^62.
    static void CivilFromDays(std::int64_t Days, std::int64_t& Year, int& Month, int& Day) noexcept
    {
        const std::int64_t z = Days + DaysFromMarchOfYearZero;        // days since 0000-03-01
        const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;  // 400-year cycles, floored
        const auto doe = std::uint32_t(z - era * 146097);             // [0, 146096]
        const std::uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
        const std::uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100); // [0, 365], from March 1
        const std::uint32_t mp = (5 * doy + 2) / 153;                  // [0, 11], March = 0
        Day = int(doy - (153 * mp + 2) / 5 + 1);                       // [1, 31]
        Month = int(mp < 10 ? mp + 3 : mp - 9);                        // [1, 12]
        Year = std::int64_t(yoe) + era * 400 + (Month <= 2 ? 1 : 0);
    }

    // The same for days since 0000-03-01 below FastDaysLimit (years 0 to
    // about 2.9 million), in 32-bit arithmetic with short dependency chains
    // (after Neri and Schneider's Euclidean affine functions).
    static constexpr std::int64_t FastDaysLimit = std::int64_t(1) << 30;
    static void CivilFromMarchDays(std::uint32_t Z, std::int64_t& Year, int& Month, int& Day) noexcept
    {
        const std::uint32_t n1 = 4 * Z + 3;
        const std::uint32_t century = n1 / 146097;
        const std::uint32_t dayOfCentury = n1 % 146097 / 4;
        const std::uint64_t p2 = std::uint64_t(2939745) * (4 * dayOfCentury + 3);
        const auto yearOfCentury = std::uint32_t(p2 >> 32);
        const std::uint32_t dayOfYear = std::uint32_t(p2) / 2939745 / 4; // from March 1
        const std::uint32_t n3 = 2141 * dayOfYear + 197913;
        const std::uint32_t month = n3 >> 16; // March = 3 .. February = 14
        const bool january = dayOfYear >= 306;
        Day = int((n3 & 0xFFFF) / 2141 + 1);
        Month = int(january ? month - 12 : month);
        Year = std::int64_t(100 * century + yearOfCentury + (january ? 1 : 0));
    }

private:
    [[gnu::always_inline]] void Decode(TDateTime Moment, bool KeepDay) noexcept
    {
        const double scaled = RoundHalfEven(Moment * double(MsPerDay));
        if (!(std::fabs(scaled) < MsLimit)) { // also true for NaN
            *this = TDecodedMoment();
            return;
        }
        const auto ms = static_cast<std::int64_t>(scaled);
        // On the day already decoded (a non-negative one), no division.
        const std::int64_t sinceDay = ms - DayNumber_ * MsPerDay;
        const bool sameDay = KeepDay && Valid_ && DayNumber_ >= 0 && sinceDay >= 0 && sinceDay < MsPerDay;
        std::int64_t dayNumber = DayNumber_;
        std::uint32_t t;
        if (sameDay) {
            t = std::uint32_t(sinceDay);
        } else {
            dayNumber = ms / MsPerDay;
            const std::int64_t rest = ms % MsPerDay;
            t = std::uint32_t(rest < 0 ? -rest : rest);
        }
        Valid_ = true;
        IsMidnight_ = t == 0;
        Hour_ = int(t / 3'600'000);
        Minute_ = int(t / 60'000 % 60);
        Second_ = int(t / 1000 % 60);
        Millisecond_ = int(t % 1000);
        if (sameDay)
            return;
        DayNumber_ = dayNumber;
        // Days since 0000-03-01 (a Wednesday), the count the fast path takes.
        const std::int64_t z = dayNumber + EpochShift + DaysFromMarchOfYearZero;
        if (z >= 0 && z < FastDaysLimit) {
            CivilFromMarchDays(std::uint32_t(z), Year_, Month_, Day_);
            DayOfWeek_ = int((std::uint32_t(z) + 3) % 7) + 1;
        } else {
            CivilFromDays(dayNumber + EpochShift, Year_, Month_, Day_);
            // Day 0 (1899-12-30) was a Saturday.
            const std::int64_t w = (dayNumber + 6) % 7;
            DayOfWeek_ = int(w < 0 ? w + 7 : w) + 1;
        }
    }

    // 1899-12-30 counted from 1970-01-01.
    static constexpr std::int64_t EpochShift = -25569;
    // 1970-01-01 counted from 0000-03-01.
    static constexpr std::int64_t DaysFromMarchOfYearZero = 719468;
    // Below 2^63 with margin; the product is compared as a double.
    static constexpr double MsLimit = 9.2e18;

    // To the nearest integer, ties to even. Adding and removing 1.5 × 2^52
    // leaves no fraction bits, and IEEE addition rounds ties to even; beyond
    // 2^51 the library does it (and beyond 2^52 there is no fraction).
    static double RoundHalfEven(double X) noexcept
    {
        constexpr double Shift = 6755399441055744.0; // 1.5 * 2^52
        if (std::fabs(X) < 2251799813685248.0)       // 2^51
            return (X + Shift) - Shift;
        return std::nearbyint(X); // the default rounding mode: ties to even
    }

    bool Valid_ = false;
    std::int64_t DayNumber_ = 0;
    bool IsMidnight_ = true;
    std::int64_t Year_ = 0;
    int Month_ = 0;
    int Day_ = 0;
    int DayOfWeek_ = 0;
    int Hour_ = 0;
    int Minute_ = 0;
    int Second_ = 0;
    int Millisecond_ = 0;
};
