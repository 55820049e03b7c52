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

private:
    // Asks the file manager (org.freedesktop.FileManager1) to do Method for Path.
    static bool CallFileManager(const QString& Method, const QString& Path);
    // A web browser, when one is known: the desktop opener drops the anchor
    // of a local file address.
    static QString FindBrowser();
};
