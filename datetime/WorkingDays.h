#pragma once

#include "platform/locale/LcidMapping.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// When a clock's people work: a daily span of clock-local wall time on some
// days of the week. An end at or before the start is a night shift: it runs
// past midnight and belongs to the day it starts on.
struct TWorkingHours {
    int StartMinute = 9 * 60; // minutes since local midnight, 0..1439
    int EndMinute = 17 * 60;
    quint8 Days = 0; // bit 0 = Monday .. bit 6 = Sunday

    friend bool operator==(const TWorkingHours&, const TWorkingHours&) = default;
};

constexpr quint8 AllWeekDays = 0x7F;

// The bit of a weekday (1 = Monday .. 7 = Sunday) in TWorkingHours::Days.
constexpr quint8 DayBit(int DayOfWeek) { return quint8(1u << (DayOfWeek - 1)); }

// Whether Hours can be worked: minutes within a day and at least one day.
bool IsValidWorkingHours(const TWorkingHours& Hours);

// The region (an ISO 3166 country code, "SA") whose customs a clock follows:
// its zone's country, or the country of its locale for a fixed-offset clock
// or a zone of no country (Etc/UTC). Empty when neither names one.
QString WorkingRegion(const QString& ZoneId, LCID Locale);

// The days that are not weekend in Region, from the region's week data; the
// world's default week (Monday to Friday) for an empty or unknown region.
quint8 RegionWorkingDays(const QString& Region);

// 09:00-17:00 on the working days of the clock's region.
TWorkingHours DefaultWorkingHours(const QString& ZoneId, LCID Locale);

// Whether the clock-local wall time MinuteOfDay on DayOfWeek (1 = Monday ..
// 7 = Sunday) falls inside Hours.
bool IsWorking(const TWorkingHours& Hours, int DayOfWeek, int MinuteOfDay);

// The first day of the week in Locale's conventions (1 = Monday .. 7 = Sunday).
int LocaleFirstDayOfWeek(LCID Locale);

// "Mon" .. "Sun" for 1 .. 7: the names the clock data file stores.
QString EnglishDayName(int DayOfWeek);
// The weekday an English three-letter name (any letter case) stands for.
std::optional<int> DayOfEnglishName(QStringView Name);
