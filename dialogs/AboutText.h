#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QSize>
#include <QString>
#include <QStringList>

// The lines of the About box, built from plain facts so that nothing here
// asks the screen, the clock or the environment.

// "%d.%d.%d.%d" of a four-part version ("1.2.9508.14602"); empty when there
// is none (empty, not four parts, or a part that is no 16-bit number).
QString GetFileVersionText(const QString& FourPartVersion);

// Integer part of Dpi / 96 * 100 + 0.5: 96 -> 100, 120 -> 125, 144 -> 150.
int ScalePercent(int Dpi);

// Time from Moment to Now: "2d3h4m5s", "0h12m3s" (no day part when under a
// day); a Moment after Now gives the time between them all the same.
// Rendered with Settings, as the system settings record renders it.
QString GetElapsedText(TDateTime Moment, TDateTime Now, const TFormatSettings& Settings);

// Two lines, "Peace for Ukraine" (summer time) or "Peace For Ukraine", then
// the time in Ukraine. LocalNow is this PC's time, UtcOffsetSeconds the PC
// zone's offset at LocalNow, Ukrainian the settings of locale 1058.
QString GetUkraineTimeText(TDateTime LocalNow, int UtcOffsetSeconds, const TFormatSettings& Ukrainian);

// The file-name part of the first argument, or nothing when there is none.
// Paths here are separated by "/".
bool ArgumentLine(const QStringList& Arguments, QString& Line);

struct TAboutFacts {
    QString FileVersion; // four-part version of the build, may be empty
    QString ExecutablePath;
    QSize ScreenSize;    // device pixels
    int Dpi = 96;
    QString LocaleName;  // BCP 47, may be empty
    LCID LocaleId = 0;
    QString ElapsedText;
    QStringList Arguments; // command-line arguments after the program
    QString UkraineText;
};

// Every line of the box, each followed by CR LF.
QString AboutText(const TAboutFacts& Facts);
