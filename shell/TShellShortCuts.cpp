#include "shell/TShellShortCuts.h"

#include "common/BuildInfo.h"
#include "common/EPendulorError.h"
#include "datetime/INowSource.h"
#include "datetime/RenderDateTime.h"
#include "platform/IMessageBoxes.h"
#include "platform/IShell.h"
#include "shell/ClimbSearch.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

const QString LineBreak = QStringLiteral("\r\n");
const QString Extension = QStringLiteral(".desktop");

// What a file name cannot hold here: the folder separator and control
// characters (which no desktop entry or file manager shows sanely).
bool CanNameFile(const QString& Title)
{
    for (const QChar C : Title)
        if (C == QLatin1Char('/') || C.category() == QChar::Other_Control)
            return false;
    return true;
}

// A file, not a folder, is there (a dangling link is no file).
bool FileExists(const QString& Path)
{
    return QFileInfo(Path).isFile();
}

// "a/b/Pendulor" and "Pendulor.bin" -> "Pendulor".
QString BaseNameOf(const QString& Path)
{
    QString Name = FileNamePart(Path);
    const qsizetype Dot = Name.lastIndexOf(QLatin1Char('.'));
    if (Dot >= 0)
        Name.truncate(Dot);
    return Name;
}

QString FolderAndName(const QString& Kind, const QString& ShortCut)
{
    return LineBreak + LineBreak + QStringLiteral("Folder: ") + Kind + LineBreak + QStringLiteral("ShortCut: ") + ShortCut;
}

QString Quoted(const QString& Text)
{
    QString Inner = Text;
    Inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + Inner + QLatin1Char('"');
}

// A value the shortcut cannot store raises the link's error.
void CheckLinkValue(const QString& Value, const QString& What)
{
    for (const QChar C : Value)
        if (C.category() == QChar::Other_Control)
            throw EPendulorError(What + QStringLiteral(" HRESULT=") + QString::number(EINVAL) + LineBreak
                                 + SystemErrorText(EINVAL));
}

} // namespace

TShellShortCuts::TShellShortCuts(const TShellOpen& ShellOpen, const INowSource& Now, TFormatSettings Settings,
                                 std::function<void()> ProcessMessages)
    : ShellOpen1(ShellOpen)
    , Now1(Now)
    , Settings1(std::move(Settings))
    , ProcessMessages1(std::move(ProcessMessages))
{
}

QString TShellShortCuts::GetSpecialFolder(int FolderNumber) const
{
    QString Folder = ShellOpen1.Shell().SpecialFolder(FolderNumber);
    if (!Folder.isEmpty() && !Folder.endsWith(QLatin1Char('/')))
        Folder += QLatin1Char('/');
    return Folder;
}

TShellLink TShellShortCuts::BuildShortCut(TShellLink Link, const QString& Target) const
{
    CheckLinkValue(Target, QStringLiteral("SetPath Failed"));
    Link.Target = Target;
    QString Temp = QDir::tempPath();
    if (!Temp.endsWith(QLatin1Char('/')))
        Temp += QLatin1Char('/');
    CheckLinkValue(Temp, QStringLiteral("SetWorkingDirectory Failed"));
    Link.WorkingDirectory = Temp;
    const QString Description = RenderDateTime(u"yyyy/mm/dd HH:NN:SS", Now1.Now(), Settings1)
                                + QStringLiteral(" Created by ") + BaseNameOf(Target) + QLatin1Char(' ') + AppVersion;
    CheckLinkValue(Description, QStringLiteral("SetDescription"));
    Link.Description = Description;
    return Link;
}

bool TShellShortCuts::RecycleFile(const QString& Path) const
{
    bool Result = true;
    if (Path.isEmpty() || !FileExists(Path))
        return Result;
    const TTrashResult Trashed = ShellOpen1.Shell().MoveToTrash(Path);
    if (Trashed.Kind == TTrashResult::Failed) {
        ShellOpen1.Dialogs().ShowFitted(QStringLiteral("Delete \"") + FileNamePart(Path) + QStringLiteral("\" Failed."));
        ProcessMessages();
        Result = false;
    } else if (Trashed.Kind == TTrashResult::Aborted) {
        ShellOpen1.Dialogs().ShowPlain(QStringLiteral("Operations Aborted."));
        ProcessMessages();
        Result = false;
    }
    return Result;
}

void TShellShortCuts::PlaceShortCut(int FolderNumber, const QString& Kind, const QString& Target,
                                    const QString& Title) const
{
    const QString Folder = GetSpecialFolder(FolderNumber);
    if (Folder.isEmpty()) {
        ShellOpen1.Dialogs().ShowFitted(QStringLiteral("Folder Not Found.") + LineBreak + LineBreak
                                        + QStringLiteral("Folder: ") + Kind);
        return;
    }
    if (!CanNameFile(Title))
        throw EPendulorError(QStringLiteral("The title \"") + Title
                             + QStringLiteral("\" cannot name a shortcut file: it holds \"/\" or a control character."));
    const QString Path = Folder + Title + Extension;
    const QString FileName = FileNamePart(Path);
    TShellLink Link;
    Link.Name = Title.isEmpty() ? AppName : Title; // an entry must have a name to show
    Link.Icon = AppIconName;
    // The file manager's Send To hands over the chosen files only to an
    // entry that asks for them.
    Link.TakesFiles = FolderNumber == FolderSendTo;

    // A shortcut named like an entry of the system would take that entry's
    // place for this user: a service no longer started, a program replaced.
    const QString SystemEntry = SystemEntryHiddenBy(FolderNumber, FileName);

    if (FileExists(Path)) {
        const QString Question = QStringLiteral("Already Exsists.") + LineBreak + LineBreak + QStringLiteral("Folder: ")
                                 + Kind + LineBreak + QStringLiteral("ShortCut: ") + FileName + LineBreak + LineBreak
                                 + QStringLiteral("Update?") + LineBreak
                                 + QStringLiteral("[Yes]: Update, [No]: Delete, [Cancel]: Exit") + LineBreak;
        switch (ShellOpen1.Dialogs().Boxes().Ask(AppName, Question, true)) {
        case TMessageAnswer::Yes:
            if (!SystemEntry.isEmpty())
                return ReportHidingRefused(Kind, FileName, SystemEntry, true);
            SaveReported(Path, BuildShortCut(Link, Target), Kind, true);
            break;
        case TMessageAnswer::No:
            if (RecycleFile(Path))
                ShellOpen1.Dialogs().ShowPlain(QStringLiteral("Deleted Successfully.") + FolderAndName(Kind, FileName));
            else
                ShellOpen1.Dialogs().ShowPlain(QStringLiteral("Delete Failed.") + FolderAndName(Kind, Path));
            break;
        case TMessageAnswer::Cancel:
            return;
        }
    } else {
        if (!SystemEntry.isEmpty())
            return ReportHidingRefused(Kind, FileName, SystemEntry, false);
        SaveReported(Path, BuildShortCut(Link, Target), Kind, false);
    }

    if (ShellOpen1.Dialogs().Boxes().Ask(AppName, QStringLiteral("Open ") + Kind + QStringLiteral(" Folder?"), false)
        != TMessageAnswer::Yes)
        return;
    if (FileExists(Path))
        ShellOpen1.MyShellExecuteOpen1(QStringLiteral("explorer.exe"), QStringLiteral("/select,") + Quoted(Path));
    else
        ShellOpen1.MyShellExecuteOpen1(DirectoryPart(Path), QString());
}

QString TShellShortCuts::SystemEntryHiddenBy(int FolderNumber, const QString& FileName) const
{
    for (QString Folder : ShellOpen1.Shell().SystemFolders(FolderNumber)) {
        if (!Folder.endsWith(QLatin1Char('/')))
            Folder += QLatin1Char('/');
        if (QFileInfo::exists(Folder + FileName))
            return Folder + FileName;
    }
    return {};
}

void TShellShortCuts::ReportHidingRefused(const QString& Kind, const QString& FileName, const QString& SystemEntry,
                                          bool Update) const
{
    ShellOpen1.Dialogs().ShowFitted(
        (Update ? QStringLiteral("Update Refused.") : QStringLiteral("Create Refused.")) + FolderAndName(Kind, FileName)
        + LineBreak + LineBreak + QStringLiteral("The system has an entry of this name:") + LineBreak + SystemEntry
        + LineBreak + QStringLiteral("A shortcut of the same name would replace it for this user.") + LineBreak
        + QStringLiteral("Change the title with \"Set Title...\" and try again."));
}

void TShellShortCuts::SaveReported(const QString& Path, const TShellLink& Link, const QString& Kind, bool Update) const
{
    const int Error = ShellOpen1.Shell().SaveShortCut(Path, Link);
    if (Error == 0)
        ShellOpen1.Dialogs().ShowPlain((Update ? QStringLiteral("Updated Successfully.")
                                               : QStringLiteral("Created Successfully."))
                                       + FolderAndName(Kind, FileNamePart(Path)));
    else
        ShellOpen1.Dialogs().ShowFitted((Update ? QStringLiteral("Update Failed.") : QStringLiteral("Create Failed."))
                                        + FolderAndName(Kind, Path) + LineBreak + SystemErrorText(Error));
}

void TShellShortCuts::ProcessMessages() const
{
    if (ProcessMessages1)
        ProcessMessages1();
    else
        QCoreApplication::processEvents();
}
