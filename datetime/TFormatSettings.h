#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

using LCID = std::uint32_t;

class ILocaleDatabase;

// One locale's conventions as rendering reads them. A plain value: built at
// once by Create and never updated in place.
struct TFormatSettings {
    QChar DateSeparator = u'/';   // may be NUL: "/" then renders nothing
    QChar TimeSeparator = u':';   // may be NUL: ":" then renders nothing
    QString ShortDateFormat = QStringLiteral("m/d/yy");
    QString LongDateFormat = QStringLiteral("mmmm d, yyyy");
    QString ShortTimeFormat = QStringLiteral("h:mm AMPM");
    QString LongTimeFormat = QStringLiteral("h:mm:ss AMPM");
    QString TimeAMString = QStringLiteral("am");
    QString TimePMString = QStringLiteral("pm");
    std::array<QString, 12> ShortMonthNames; // [0] is January
    std::array<QString, 12> LongMonthNames;  // [0] is January
    std::array<QString, 7> ShortDayNames;    // [0] is Sunday
    std::array<QString, 7> LongDayNames;     // [0] is Sunday

    TFormatSettings(); // English names, the defaults of the locale items

    // Never fails: an identifier that is not installed yields the conventions
    // of the thread locale; unreadable items take their defaults. The first
    // form asks ProcessLocale::Database() and remembers the record per locale
    // until the process locale is noted again.
    static TFormatSettings Create(LCID Locale);
    static TFormatSettings Create(LCID Locale, const ILocaleDatabase& Db);

    friend bool operator==(const TFormatSettings&, const TFormatSettings&) = default;
};

// Translate the locale database's pictures into the format language.
//
// Date pictures: the era calendars (calendar types 3, 4, 5) turn gg, yyyy, yy
// and y into ggg, eeee, ee and e; otherwise a Chinese, Japanese or Korean
// process language drops every g. Then DateSeparator outside apostrophe quotes
// becomes "/". The result is not yet lower-cased: Create does that with the
// process locale's linguistic casing. The three-argument form takes the
// process language from ProcessLocale.
QString ConvertDatePicture(QStringView Picture, QChar DateSeparator, int CalendarType);
QString ConvertDatePicture(QStringView Picture, QChar DateSeparator, int CalendarType, int ProcessPrimaryLanguage);
// Time pictures: H → h, m → n, t → a/p, tt… → AMPM, TimeSeparator → ":";
// apostrophe-quoted text is kept with its apostrophes.
QString ConvertTimePicture(QStringView Picture, QChar TimeSeparator);
