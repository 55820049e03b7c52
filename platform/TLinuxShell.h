#pragma once

#include "platform/IShell.h"

// The shell on a freedesktop desktop: the desktop's opener for documents,
// folders and addresses, detached processes for programs, the file manager's
// D-Bus interface for "show item" and properties.
class TLinuxShell : public IShell {
public:
    TShellResult OpenUrl(const QUrl& Url) override;
    TShellResult StartProgram(const QString& Program, const QStringList& Arguments) override;
    TShellResult ShowItemInFolder(const QString& Path) override;
    TShellResult OpenDateTimeSettings() override;
    bool ShowItemProperties(const QString& Path) override;
    // Send To: $XDG_DATA_HOME/Thunar/sendto; desktop: the XDG desktop folder;
    // programs: $XDG_DATA_HOME/applications; start-up: $XDG_CONFIG_HOME/autostart.
    QString SpecialFolder(int FolderNumber) override;
    // Send To and programs: $XDG_DATA_DIRS (default /usr/local/share and
    // /usr/share) with Thunar/sendto or applications; start-up:
    // $XDG_CONFIG_DIRS (default /etc/xdg) with autostart. The user's own
    // folder is never among them.
    QStringList SystemFolders(int FolderNumber) override;
    // A desktop entry; one on the desktop is made executable and marked
    // trusted, as desktops ask before they start it.
    int SaveShortCut(const QString& Path, const TShellLink& Link) override;
    // The freedesktop trash.
    TTrashResult MoveToTrash(const QString& Path) override;

private:
    // The file managers' marks for a launcher they may start (GIO metadata).
    static void MarkTrusted(const QString& Path);
    // Asks the file manager (org.freedesktop.FileManager1) to do Method for Path.
    static bool CallFileManager(const QString& Method, const QString& Path);
    // A web browser, when one is known: the desktop opener drops the anchor
    // of a local file address.
    static QString FindBrowser();
};
