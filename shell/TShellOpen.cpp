#include "shell/TShellOpen.h"

#include "common/BuildInfo.h"
#include "platform/IShell.h"
#include "shell/ClimbSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <optional>

namespace {

const QString HelpFileName = QStringLiteral("Pendulor.html");
// Relative to the installation prefix; the install rules put the help there.
const QString InstalledHelpFolder = QStringLiteral("share/pendulor");

// "\"a \"\"b\"\"\"" -> "a \"b\"": a path the caller enclosed in quotes.
QString Unquoted(const QString& Text)
{
    if (Text.size() >= 2 && Text.startsWith(QLatin1Char('"')) && Text.endsWith(QLatin1Char('"')))
        return Text.mid(1, Text.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return Text;
}

QString Quoted(const QString& Text)
{
    QString Inner = Text;
    Inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + Inner + QLatin1Char('"');
}

// The path with the extension of its file name replaced ("/x/Pendulor" and
// "/x/Pendulor.bin" both give "/x/Pendulor.html").
QString WithExtension(const QString& Path, const QString& Extension)
{
    const qsizetype Slash = Path.lastIndexOf(QLatin1Char('/'));
    const qsizetype Dot = Path.lastIndexOf(QLatin1Char('.'));
    return (Dot > Slash ? Path.left(Dot) : Path) + Extension;
}

// "https:", "mailto:", "ms-settings:" ...; a one-letter scheme would be a drive.
bool IsAddress(const QString& Text)
{
    static const QRegularExpression Scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return Scheme.match(Text).hasMatch();
}

bool IsProgramName(const QString& Name, QLatin1String Program)
{
    return Name.compare(Program, Qt::CaseInsensitive) == 0;
}

TShellResult NotFound()
{
    return TShellResult::Failure(ENOENT, ENOENT);
}

// "PATH::/NAME.htm": the help viewer's page address, opened as PATH#NAME.
TShellResult OpenHelpPage(IShell& Shell, const QString& Param)
{
    const QString Address = Unquoted(Param);
    const qsizetype Marker = Address.lastIndexOf(QStringLiteral("::/"));
    QUrl Url = QUrl::fromLocalFile(Marker < 0 ? Address : Address.left(Marker));
    if (Marker >= 0) {
        QString Page = Address.mid(Marker + 3);
        const qsizetype Dot = Page.lastIndexOf(QLatin1Char('.'));
        if (Dot > 0)
            Page.truncate(Dot);
        if (!Page.isEmpty())
            Url.setFragment(Page);
    }
    return Shell.OpenUrl(Url);
}

// A file the system can run: executable and beginning as a binary or a
// script does. A document that merely carries the executable bit (common on
// mounted drives) is not one, whatever its name.
bool IsProgramFile(const QFileInfo& Info)
{
    if (!Info.isFile() || !Info.isExecutable())
        return false;
    QFile File(Info.absoluteFilePath());
    if (!File.open(QIODevice::ReadOnly))
        return true; // execute-only: the bit is all there is to go by
    const QByteArray Head = File.read(4);
    return Head == QByteArrayLiteral("\x7f" "ELF") || Head.startsWith("#!");
}

TShellResult OpenDocument(IShell& Shell, const QFileInfo& Info)
{
    return Shell.OpenUrl(QUrl::fromLocalFile(Info.absoluteFilePath()));
}

TShellResult OpenPath(IShell& Shell, const QString& Path, const QString& Param)
{
    const QFileInfo Info(Path);
    if (!Info.exists())
        return NotFound();
    if (IsProgramFile(Info))
        return Shell.StartProgram(Info.absoluteFilePath(), QProcess::splitCommand(Param));
    return OpenDocument(Shell, Info);
}

// An existing file or folder handed to the desktop's opener, never run.
TShellResult OpenExisting(IShell& Shell, const QString& Path)
{
    const QFileInfo Info(Path);
    return Info.exists() ? OpenDocument(Shell, Info) : NotFound();
}

// The Windows programs that callers name, realised by the desktop; nullopt
// for any other name.
std::optional<TShellResult> OpenWithClassicProgram(IShell& Shell, const QString& File, const QString& AParam)
{
    if (IsProgramName(File, QLatin1String("hh.exe")))
        return OpenHelpPage(Shell, AParam);
    if (IsProgramName(File, QLatin1String("notepad.exe")))
        return OpenExisting(Shell, Unquoted(AParam));
    if (!IsProgramName(File, QLatin1String("explorer.exe")))
        return std::nullopt;
    static const QLatin1String Select("/select,");
    if (!AParam.startsWith(Select, Qt::CaseInsensitive))
        return OpenExisting(Shell, AParam.isEmpty() ? QDir::homePath() : Unquoted(AParam));
    const QString Item = Unquoted(AParam.mid(Select.size()));
    if (!QFileInfo::exists(Item))
        return NotFound();
    return Shell.ShowItemInFolder(QFileInfo(Item).absoluteFilePath());
}

// Turns the classic "open" request into one of the shell's operations.
TShellResult Dispatch(IShell& Shell, const QString& AFile, const QString& AParam)
{
    const QString File = Unquoted(AFile);
    if (File.isEmpty())
        return NotFound();
    if (File.compare(TShellOpen::DateTimeSettingsAddress, Qt::CaseInsensitive) == 0)
        return Shell.OpenDateTimeSettings();
    if (const std::optional<TShellResult> Result = OpenWithClassicProgram(Shell, File, AParam))
        return *Result;
    if (IsAddress(File) && !QFileInfo::exists(File))
        return Shell.OpenUrl(QUrl(File));
    if (File.contains(QLatin1Char('/')))
        return OpenPath(Shell, File, AParam);
    // A bare name is a program on the search path. A file of that name in the
    // current folder is opened as a document at most, never run: whoever can
    // put a file there must not choose what starts.
    const QString Program = QStandardPaths::findExecutable(File);
    if (!Program.isEmpty())
        return Shell.StartProgram(Program, QProcess::splitCommand(AParam));
    const QFileInfo Local(File);
    if (Local.exists() && !IsProgramFile(Local))
        return OpenDocument(Shell, Local);
    return NotFound();
}

} // namespace

TShellOpen::TShellOpen(IShell& Shell, const TMessageDialogs& Dialogs, QString ExecutablePath)
    : Shell1(Shell)
    , Dialogs1(Dialogs)
    , ExecutablePath1(ExecutablePath.isEmpty() ? QCoreApplication::applicationFilePath()
                                               : std::move(ExecutablePath))
{
}

void TShellOpen::MyShellExecuteOpen1(const QString& AFile, const QString& AParam) const
{
    const TShellResult Result = Dispatch(Shell1, AFile, AParam);
    if (Result.Succeeded())
        return;
    Dialogs1.ShowFitted(QStringLiteral("Open Failed ") + QString::number(Result.Code) + QStringLiteral("\r\n")
                        + SystemErrorText(Result.Error) + QStringLiteral("\r\n") + AFile);
}

QString TShellOpen::ClimbSearch1(const QString& AFile) const
{
    return ::ClimbSearch1(AFile, [this](const QString& Text) { Dialogs1.ShowFitted(Text); });
}

QString TShellOpen::FindHelpFile(const QString& AFile) const
{
    const QString Climbed = ::ClimbSearch1(AFile, [](const QString&) {});
    if (QFileInfo(Climbed).isFile())
        return Climbed;
    // An installed executable lies in PREFIX/bin, its help in PREFIX/share/pendulor.
    const QString Prefix = DirectoryPart(DirectoryPart(ExecutablePath1));
    const QString Installed = JoinPath(JoinPath(Prefix, InstalledHelpFolder), FileNamePart(AFile));
    if (!Prefix.isEmpty() && QFileInfo(Installed).isFile())
        return Installed;
    return ClimbSearch1(AFile);
}

void TShellOpen::OpenHelpTopic(const QString& PageReference) const
{
    const QString Start = JoinPath(DirectoryPart(ExecutablePath1), HelpFileName);
    MyShellExecuteOpen1(QStringLiteral("hh.exe"), FindHelpFile(Start) + PageReference);
}

void TShellOpen::ShowProperties(const QString& Path) const
{
    if (!Shell1.ShowItemProperties(Path))
        Dialogs1.ShowFitted(QStringLiteral("ShowProperties Failed \r\n") + Path);
}

void TShellOpen::ShowHelp1Click() const
{
    const QString Found = FindHelpFile(WithExtension(ExecutablePath1, QStringLiteral(".html")));
    MyShellExecuteOpen1(Quoted(Found), QString());
}

void TShellOpen::Properties1Click() const
{
    ShowProperties(ExecutablePath1);
}

void TShellOpen::Donation1Click() const
{
    MyShellExecuteOpen1(DonationUrl(), QString());
}

void TShellOpen::HomeSite1Click() const
{
    MyShellExecuteOpen1(HomeSiteUrl(), QString());
}

void TShellOpen::SetDateTime1Click() const
{
    MyShellExecuteOpen1(DateTimeSettingsAddress, QString());
}
