#pragma once

#include "platform/TShellLink.h"

#include <QString>
#include <QStringList>
#include <QUrl>

// Outcome of a hand-over to the desktop, numbered as the classic shell
// "open" call numbers it: 32 or less is a failure. Error is the operating
// system's error number behind a failure, for the report's error text.
struct TShellResult {
    static constexpr int SuccessCode = 42;
    static constexpr int NoAssociationCode = 31;

    int Code = SuccessCode;
    int Error = 0;

    bool Succeeded() const { return Code > 32; }
    static TShellResult Success() { return {}; }
    static TShellResult Failure(int Code, int Error) { return {Code, Error}; }
};

// Outcome of moving a file to the trash: Error is the system's error number
// of a failure; Aborted means the user or the desktop stopped it.
struct TTrashResult {
    enum TKind { Done, Failed, Aborted };
    TKind Kind = Done;
    int Error = 0;
};

// The user folders that shortcuts go into, numbered as the classic shell
// numbers them.
enum TSpecialFolder : int {
    FolderDesktop = 0,  // the desktop
    FolderPrograms = 2, // the applications menu
    FolderStartup = 7,  // programs started at log-in
    FolderSendTo = 9,   // the file manager's "Send To"
};

// What the application asks of the desktop shell. Every call hands over
// and returns: nothing waits for what was started.
class IShell {
public:
    virtual ~IShell() = default;

    // A document, a folder or a web address, opened by the desktop's opener.
    virtual TShellResult OpenUrl(const QUrl& Url) = 0;

    // Starts a program with an argument list (never through a command shell).
    virtual TShellResult StartProgram(const QString& Program, const QStringList& Arguments) = 0;

    // A file manager window on the item's folder with the item selected.
    virtual TShellResult ShowItemInFolder(const QString& Path) = 0;

    // The desktop's date and time settings.
    virtual TShellResult OpenDateTimeSettings() = 0;

    // The property sheet of a file; false when none can be shown.
    virtual bool ShowItemProperties(const QString& Path) = 0;

    // The path of a user folder with a trailing "/"; empty for a number the
    // desktop does not know. The folder may not exist yet.
    virtual QString SpecialFolder(int FolderNumber) = 0;

    // The system's folders behind the user folder FolderNumber, each with a
    // trailing "/": an entry there is replaced, for this user, by a file of
    // the same name in the user folder. Empty when the folder has none.
    virtual QStringList SystemFolders(int FolderNumber) = 0;

    // Writes the shortcut Link at Path (replacing a file there), creating
    // its folder when missing. 0, or the system's error number of the failure;
    // a failed save leaves no file behind and the old one as it was.
    virtual int SaveShortCut(const QString& Path, const TShellLink& Link) = 0;

    // Moves a file to the desktop's trash.
    virtual TTrashResult MoveToTrash(const QString& Path) = 0;
};
