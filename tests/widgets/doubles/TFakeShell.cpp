#include "tests/widgets/doubles/TFakeShell.h"

#include "platform/DesktopEntry.h"

#include <QFile>

TShellResult TFakeShell::OpenUrl(const QUrl& Url)
{
    Calls.append({QStringLiteral("OpenUrl"), Url.toString(QUrl::FullyEncoded), {}});
    return Result;
}

TShellResult TFakeShell::StartProgram(const QString& Program, const QStringList& Arguments)
{
    QStringList present;
    for (const QString& path : std::as_const(Watched))
        if (QFile::exists(path))
            present << path;
    Existing << present;
    Calls.append({QStringLiteral("StartProgram"), Program, Arguments});
    return Result;
}

TShellResult TFakeShell::ShowItemInFolder(const QString& Path)
{
    Calls.append({QStringLiteral("ShowItemInFolder"), Path, {}});
    return Result;
}

TShellResult TFakeShell::OpenDateTimeSettings()
{
    Calls.append({QStringLiteral("OpenDateTimeSettings"), {}, {}});
    return Result;
}

bool TFakeShell::ShowItemProperties(const QString& Path)
{
    Calls.append({QStringLiteral("ShowItemProperties"), Path, {}});
    return PropertiesAvailable;
}

QString TFakeShell::SpecialFolder(int FolderNumber)
{
    Calls.append({QStringLiteral("SpecialFolder"), QString::number(FolderNumber), {}});
    return Folders.value(FolderNumber);
}

QStringList TFakeShell::SystemFolders(int FolderNumber)
{
    return SystemFolderLists.value(FolderNumber);
}

int TFakeShell::SaveShortCut(const QString& Path, const TShellLink& Link)
{
    Calls.append({QStringLiteral("SaveShortCut"), Path, {}});
    SavedLinks.append(Link);
    return SaveError ? SaveError : WriteFileReplacing(Path, DesktopEntryText(Link), 0644);
}

TTrashResult TFakeShell::MoveToTrash(const QString& Path)
{
    Calls.append({QStringLiteral("MoveToTrash"), Path, {}});
    if (TrashResult.Kind == TTrashResult::Done)
        QFile::remove(Path);
    return TrashResult;
}
