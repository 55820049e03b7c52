#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QString>

// Unit variables of the frame's module: one instance each, alive for the
// whole run. Set by the frame's creation (and Clear Restart / the style
// dialog where noted); read by the clock windows and the dialogs.
extern QString IniFileName;      // full path of the application settings file
extern QString DataFolder;       // the per-user data folder
extern TDateTime StartTime;      // moment the frame was created
extern LCID DefaultLocaleID;     // process locale; locale of new clocks
extern bool SaveDataFiles;       // clock windows write their files on closing only while true
extern QString StyleName;        // chosen visual style

// The text after the last "\", "/" or ":" without the part from its last "." on.
QString FileBaseName(const QString& Path);

// Per-user paths: $XDG_DATA_HOME/<Maker>/<executable base name>/ and the
// settings file in it; the folder of the executable when that cannot be made.
QString GetDataFolder(const QString& Maker);
QString GetIniFileName(const QString& Maker);
