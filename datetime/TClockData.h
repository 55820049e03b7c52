#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"
#include "datetime/WorkingDays.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Colour values: 0x00BBGGRR for a plain colour, 0xFF0000nn for system colour nn.
constexpr quint32 clBlack = 0x00000000;
constexpr quint32 clWindowText = 0xFF000008;
constexpr quint32 clAppWorkSpace = 0xFF00000C;
constexpr quint32 clHighlight = 0xFF00000D;
constexpr quint32 clBtnFace = 0xFF00000F;
constexpr quint32 clNone = 0x1FFFFFFF;
constexpr quint32 clDefault = 0x20000000;

// The name a new clock starts with, until the user or its place names it.
inline const QString NewClockName = QStringLiteral("(new)");

// Stored alignment numbers of a line.
constexpr int LineAlignLeft = 0;
constexpr int LineAlignRight = 1;
constexpr int LineAlignCenter = 2;

// The presentation of one of a clock's three lines.
struct TLineStyle {
    QString FontName = QStringLiteral(u"メイリオ");
    int FontSize = 20;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    quint32 FontColor = clWindowText;
    int Alignment = LineAlignCenter; // 0 left, 1 right, 2 centre
    bool seFont = true;              // the text colour follows the visual style

    friend bool operator==(const TLineStyle&, const TLineStyle&) = default;
};

// How the date or the time line picks its format: from the list of predefined
// formats or the user's own. InEffect is the format rendered: the reader sets
// it from the pair, editing may set it otherwise (an empty result becomes the
// locale's short format), and the writer stores it as ListFormat.
struct TLineFormat {
    bool UseList = true;
    QString List;
    bool UseEdit = false;
    QString Edit;
    QString InEffect;

    friend bool operator==(const TLineFormat&, const TLineFormat&) = default;
};

// A clock: what its data file holds and all the state of its window.
struct TClockData {
    QString Name = QStringLiteral("MDI Child"); // the name line's text (and the window's hint)
    // Signed whole minutes, as days. For a clock with a known time zone, its
    // offset from this PC when last computed.
    TDateTime OffsetTime = 0;
    // The IANA id of the clock's time zone ("Asia/Tokyo"); empty for a clock
    // that keeps a fixed offset from this PC. An id the tz database does not
    // know is kept, and the clock then runs on OffsetTime.
    QString TimeZone;
    // The clock's own working hours; none: the default of its region, which
    // follows the zone and the locale when they change.
    std::optional<TWorkingHours> WorkingHours;
    LCID LocaleID = 1033;
    TLineStyle NameLine;
    TLineStyle DateLine;
    TLineStyle TimeLine;
    TLineFormat DateFormat;
    TLineFormat TimeFormat;

    friend bool operator==(const TClockData&, const TClockData&) = default;
};
