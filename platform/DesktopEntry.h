#pragma once

#include "platform/TShellLink.h"

#include <QByteArray>
#include <QString>

// Shell shortcuts as freedesktop desktop entries (".desktop" files).

// One argument of an Exec line, quoted where the Desktop Entry
// Specification asks for it ("%" doubled, reserved characters in double
// quotes with ", `, $ and \ escaped), before the string escapes of the file.
QString DesktopEntryExecArgument(const QString& Argument);

// A value of the file: backslash, line breaks, tabs and a leading blank
// escaped.
QString DesktopEntryEscape(const QString& Value);

// The whole entry: Type=Application, Name, Comment, Exec (with the field
// code %F when it takes files), Path, Icon.
QByteArray DesktopEntryText(const TShellLink& Link);

// Writes Bytes to Path through a temporary file in the same folder, synced
// and renamed over Path, with the given permission bits. Creates the folder
// when missing. 0, or the system's error number; on failure nothing is left
// behind and an old file is untouched.
int WriteFileReplacing(const QString& Path, const QByteArray& Bytes, unsigned Mode);
