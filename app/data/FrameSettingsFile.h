#pragma once

#include "app/data/TFrameSettings.h"

#include <QSize>
#include <QString>

class TIniFile;

// What the defaults of the settings depend on.
struct TFrameDefaults {
    QSize WorkArea; // the primary screen minus panels; only its size counts
    QSize Desktop;  // all screens together, the limit of a stored size
    QString Caption;
};

// Window coordinates beyond this are refused by the X protocol.
constexpr int FrameCoordinateLimit = 30000;
constexpr int FrameMinimumWidth = 120;
constexpr int FrameMinimumHeight = 60;

// Sections POSITION and OPTION (and the list of DATAFILE) of Ini. A key that
// is absent, or not a number where a number belongs, takes its default: a
// third of the work area, centred in it without its origin; then the
// defaults of TFrameSettings and Defaults.Caption. Sizes are kept between
// the minimum and the desktop, positions within the coordinate limit, and
// only the low 8 bits of AlphaBlendValue count.
TFrameSettings ReadFrameSettings(const TIniFile& Ini, const TFrameDefaults& Defaults);

// The same from the file FileName; a missing file gives every default.
// Throws EPendulorError naming the file when it exists but cannot be read.
TFrameSettings ReadFrameSettingsFile(const QString& FileName, const TFrameDefaults& Defaults);

// Replaces FileName as a whole: PROGRAM, POSITION, OPTION, DATAFILE in that
// order, keys in a fixed order, ShowTabs only while true. An existing file
// keeps its encoding. Throws EPendulorError naming the path and the reason
// when the file cannot be written; the previous file then stays as it was.
void WriteFrameSettingsFile(const QString& FileName, const TFrameSettings& Settings,
                            const TProgramStamp& Program);

// The keys WriteFrameSettingsFile writes, into Ini (its content replaced);
// nothing is written to disk.
void WriteFrameSettings(TIniFile& Ini, const TFrameSettings& Settings, const TProgramStamp& Program);
