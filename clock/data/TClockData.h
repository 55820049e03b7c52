#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QString>
#include <QtGlobal>

// Colour values: 0x00BBGGRR for a plain colour, 0xFF0000nn for system colour nn.
constexpr quint32 clBlack = 0x00000000;
constexpr quint32 clWindowText = 0xFF000008;
constexpr quint32 clNone = 0x1FFFFFFF;
constexpr quint32 clDefault = 0x20000000;

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

// What a clock data file holds. DateFormat and TimeFormat are the formats in
// effect: the reader sets them from the list/edit pair, editing may set them
// otherwise (an empty result becomes the locale's short date), and the writer
// stores them as ListFormat.
struct TClockData {
    QString Name = QStringLiteral("MDI Child"); // the name line's text (and the window's hint)
    TDateTime OffsetTime = 0;                   // signed whole minutes, as days
    LCID LocaleID = 1033;
    TLineStyle NameLine;
    TLineStyle DateLine;
    TLineStyle TimeLine;

    bool UseDateFormatList = true;
    QString DateFormatList;
    bool UseDateFormatEdit = false;
    QString DateFormatEdit;
    QString DateFormat;

    bool UseTimeFormatList = true;
    QString TimeFormatList;
    bool UseTimeFormatEdit = false;
    QString TimeFormatEdit;
    QString TimeFormat;

    friend bool operator==(const TClockData&, const TClockData&) = default;
};
