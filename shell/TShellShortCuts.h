#pragma once

#include "datetime/TFormatSettings.h"
#include "platform/TShellLink.h"

#include <QString>

#include <functional>

class INowSource;
class TShellOpen;

// The File > ShortCut commands: one command creates, refreshes or removes
// the application's shortcut in one of the user's folders, reports the
// outcome and offers to open the folder. Keeps nothing between commands.
class TShellShortCuts {
public:
    // Questions go through ShellOpen's message boxes, reports through its
    // dialogs, the platform work through its shell. Settings render the
    // description's time; ProcessMessages lets pending events run after a
    // report (empty = the application's event loop).
    TShellShortCuts(const TShellOpen& ShellOpen, const INowSource& Now, TFormatSettings Settings,
                    std::function<void()> ProcessMessages = {});

    // The whole flow for the folder FolderNumber, named Kind in every
    // message; Title names the shortcut file, Target is the executable.
    // Throws when Title cannot name a file ("/" or a control character) or
    // a link value is refused; nothing is written then. A shortcut named like
    // an entry of the system's folders behind this one is refused with a
    // report and written neither new nor over an old one (deleting one
    // stays possible).
    void PlaceShortCut(int FolderNumber, const QString& Kind, const QString& Target, const QString& Title) const;

    // The folder's path with a trailing "/"; empty when the desktop has none.
    QString GetSpecialFolder(int FolderNumber) const;

    // Link with target, working folder and description set for Target.
    TShellLink BuildShortCut(TShellLink Link, const QString& Target) const;

    // True when the file is gone or was not there; false after a reported
    // failure or abort.
    bool RecycleFile(const QString& Path) const;

private:
    // The system's entry that a shortcut FileName in this folder would
    // replace; empty when there is none.
    QString SystemEntryHiddenBy(int FolderNumber, const QString& FileName) const;
    void ReportHidingRefused(const QString& Kind, const QString& FileName, const QString& SystemEntry,
                             bool Update) const;
    void SaveReported(const QString& Path, const TShellLink& Link, const QString& Kind, bool Update) const;
    void ProcessMessages() const;

    const TShellOpen& ShellOpen1;
    const INowSource& Now1;
    TFormatSettings Settings1;
    std::function<void()> ProcessMessages1;
};
