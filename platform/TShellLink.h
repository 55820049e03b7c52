#pragma once

#include <QString>

// The fields of one shell shortcut, as the shortcut commands fill them. How
// they are stored is the platform's (a desktop entry on freedesktop
// desktops).
struct TShellLink {
    QString Name;             // shown name
    QString Target;           // the program's full path, unquoted
    QString WorkingDirectory; // ends with a path delimiter
    QString Description;
    QString Icon;             // icon name of the desktop's theme
    bool TakesFiles = false;  // the files the shortcut is used on become the program's arguments
};
