#pragma once

#include "platform/IShell.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

// Records what the shell was asked to do and answers with Result.
class TFakeShell : public IShell {
public:
    struct TCall {
        QString Operation; // "OpenUrl", "StartProgram", "ShowItemInFolder", "OpenDateTimeSettings",
                           // "ShowItemProperties", "SaveShortCut", "MoveToTrash"
        QString Target;    // the URL, program or path
        QStringList Arguments;
    };

    TShellResult OpenUrl(const QUrl& Url) override;
    TShellResult StartProgram(const QString& Program, const QStringList& Arguments) override;
    TShellResult ShowItemInFolder(const QString& Path) override;
    TShellResult OpenDateTimeSettings() override;
    bool ShowItemProperties(const QString& Path) override;
    QString SpecialFolder(int FolderNumber) override;
    QStringList SystemFolders(int FolderNumber) override;
    // Writes the real desktop entry unless SaveError is set.
    int SaveShortCut(const QString& Path, const TShellLink& Link) override;
    // Deletes the file when TrashResult is Done.
    TTrashResult MoveToTrash(const QString& Path) override;

    QList<TCall> Calls;
    TShellResult Result;              // answer of every hand-over
    bool PropertiesAvailable = true;  // answer of ShowItemProperties
    QMap<int, QString> Folders;       // answers of SpecialFolder; others are unknown
    QMap<int, QStringList> SystemFolderLists; // answers of SystemFolders; others have none
    int SaveError = 0;                // answer of SaveShortCut; 0 writes the file
    TTrashResult TrashResult;         // answer of MoveToTrash
    QList<TShellLink> SavedLinks;
    // Files looked for at each program start: which steps had happened by
    // the time a new instance would start.
    QStringList Watched;
    QList<QStringList> Existing; // per program start, the watched files then present
};
