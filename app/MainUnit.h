#pragma once

#include <QString>

// The path functions of the frame's module. Its state (IniFileName,
// DataFolder, StartTime, DefaultLocaleID, SaveDataFiles, StyleName) is the
// frame's own (TMainForm); the clocks ask the frame for what they need.

// The text after the last "\", "/" or ":" without the part from its last "." on.
QString FileBaseName(const QString& Path);

// Per-user paths: $XDG_DATA_HOME/<Maker>/<executable base name>/ and the
// settings file in it; the folder of the executable when that cannot be made.
QString GetDataFolder(const QString& Maker);
QString GetIniFileName(const QString& Maker);
