#pragma once

#include "datetime/TClockData.h"
#include "datetime/TDateTime.h"

#include <QString>

class TIniFile;

// Initial caption of a clock window; the name of a clock whose file has no name.
inline const QString ClockInitialCaption = QStringLiteral("MDI Child");

// Loads the clock data file FileName into Data. Data enters with the window's
// initial state: a file without a font face keeps Data's face; every other
// field is set from the file or its key's default (LocaleID defaults to
// DefaultLocaleID, the format defaults come from that locale's settings). A
// missing file reads as empty. An existing file that cannot be read throws
// EPendulorError and leaves Data unchanged.
void ReadClockDataFile(const QString& FileName, LCID DefaultLocaleID, TClockData& Data);

// The same from a file already read (or text held in memory): never throws.
void ReadClockData(const TIniFile& Ini, LCID DefaultLocaleID, TClockData& Data);

// Replaces the file Path as a whole with Data. NAME/TimeZone is written only
// for a clock with a zone, after Offset; then WorkHours ("09:30-18:00") and
// WorkDays ("Mon,Tue,Wed,Thu,Fri") only for a clock with hours of its own,
// which read back as the default when either is absent or damaged. An offset of more than
// 23:59 either way (a zone far from this PC) is written as +0000. Caption is the window's caption
// (FILE/Caption); Moment is the time of writing (FILE/LastClose, rendered in
// the system settings). An existing file keeps its encoding. Throws
// EPendulorError naming the path and the reason when the file cannot be
// written; the previous file then stays as it was.
void WriteClockDataFile(const QString& Path, const TClockData& Data, const QString& Caption,
                        TDateTime Moment);

// The keys WriteClockDataFile writes, into Ini (FILE/FileName and FilePath
// from Ini's file name); nothing is written to disk.
void WriteClockData(TIniFile& Ini, const TClockData& Data, const QString& Caption, TDateTime Moment);
