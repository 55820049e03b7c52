#pragma once

#include "platform/IShell.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Records what the shell was asked to do and answers with Result.
class TFakeShell : public IShell {
public:
    struct TCall {
        QString Operation; // "OpenUrl", "StartProgram", "ShowItemInFolder", "OpenDateTimeSettings", "ShowItemProperties"
        QString Target;    // the URL, program or path
        QStringList Arguments;
    };

    TShellResult OpenUrl(const QUrl& Url) override;
    TShellResult StartProgram(const QString& Program, const QStringList& Arguments) override;
    TShellResult ShowItemInFolder(const QString& Path) override;
    TShellResult OpenDateTimeSettings() override;
    bool ShowItemProperties(const QString& Path) override;

    QList<TCall> Calls;
    TShellResult Result;              // answer of every hand-over
    bool PropertiesAvailable = true;  // answer of ShowItemProperties
};
