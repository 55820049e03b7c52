#pragma once

#include "shell/MessageDialogs.h"

#include <QString>

class IShell;

// The frame's gateway for starting things through the desktop shell, the
// help lookup and the Help menu commands built on them. Failures are
// reported to the user here and never returned to the caller.
class TShellOpen {
public:
    // Page references of the two help topics.
    static inline const QString DateFormatsTopic = QStringLiteral("::/20251023141847363.htm");
    static inline const QString TimeFormatsTopic = QStringLiteral("::/20251023142213290.htm");
    static inline const QString DateTimeSettingsAddress = QStringLiteral("ms-settings:dateandtime");

    // ExecutablePath empty = the running executable.
    TShellOpen(IShell& Shell, const TMessageDialogs& Dialogs, QString ExecutablePath = {});

    // Opens a document, folder, web address or settings address, or starts a
    // program with AParam as its parameters. AFile may be quoted.
    void MyShellExecuteOpen1(const QString& AFile, const QString& AParam) const;

    // The help lookup: AFile's name in AFile's folder and every folder above.
    QString ClimbSearch1(const QString& AFile) const;
    // ClimbSearch1, and when its climb finds nothing, the installed data
    // folder (share/pendulor beside the executable's bin folder) before the
    // "HelpFile NotFound" report.
    QString FindHelpFile(const QString& AFile) const;

    // Opens the help document at one of the two topics above.
    void OpenHelpTopic(const QString& PageReference) const;

    // The property sheet of a file.
    void ShowProperties(const QString& Path) const;

    // Help menu commands.
    void ShowHelp1Click() const;
    void Properties1Click() const;
    void Donation1Click() const;
    void HomeSite1Click() const;
    void SetDateTime1Click() const;

    const QString& ExecutablePath() const { return ExecutablePath1; }
    IShell& Shell() const { return Shell1; }
    const TMessageDialogs& Dialogs() const { return Dialogs1; }

private:
    IShell& Shell1;
    TMessageDialogs Dialogs1;
    QString ExecutablePath1;
};
