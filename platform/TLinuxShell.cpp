#include "platform/TLinuxShell.h"

#include "platform/DesktopEntry.h"
#include "platform/TFilePropertiesSheet.h"

#include <QDBusConnection>
#include <QCryptographicHash>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <array>
#include <cerrno>

namespace {

struct TSettingsProgram {
    const char* Desktop; // XDG_CURRENT_DESKTOP entry it belongs to
    const char* Program;
    const char* Argument;
};

// Date-and-time pages of the common desktops; the running desktop's own comes first.
constexpr std::array SettingsPrograms{
    TSettingsProgram{"GNOME", "gnome-control-center", "datetime"},
    TSettingsProgram{"X-Cinnamon", "cinnamon-settings", "calendar"},
    TSettingsProgram{"KDE", "kcmshell6", "kcm_clock"},
    TSettingsProgram{"KDE", "kcmshell5", "clock"},
    TSettingsProgram{"KDE", "systemsettings", "kcm_clock"},
    TSettingsProgram{"XFCE", "xfce4-datetime-settings", nullptr},
    TSettingsProgram{"MATE", "time-admin", nullptr},
    TSettingsProgram{"LXQt", "lxqt-admin-time", nullptr},
    TSettingsProgram{"Unity", "unity-control-center", "datetime"},
    TSettingsProgram{"Budgie", "budgie-control-center", "datetime"},
};

constexpr int DBusTimeoutMs = 3000;
constexpr int GioTimeoutMs = 3000;

QString WithSlash(const QString& Folder)
{
    return Folder.endsWith(QLatin1Char('/')) ? Folder : Folder + QLatin1Char('/');
}

// QFileInfo's own comparison calls any two missing paths equal.
bool SameFolder(const QString& A, const QString& B)
{
    const QFileInfo InfoA(A), InfoB(B);
    if (InfoA.exists() && InfoB.exists())
        return InfoA.canonicalFilePath() == InfoB.canonicalFilePath();
    return QDir::cleanPath(InfoA.absoluteFilePath()) == QDir::cleanPath(InfoB.absoluteFilePath());
}

// $NAME when it is an absolute path, else HOME joined with Fallback.
QString XdgFolder(const char* Name, const QString& Fallback)
{
    const QString Value = qEnvironmentVariable(Name);
    if (!Value.isEmpty() && QDir::isAbsolutePath(Value))
        return Value;
    return QDir::homePath() + QLatin1Char('/') + Fallback;
}

// Each absolute folder of the list in $NAME (Fallback when unset or empty)
// joined with Sub, with a trailing "/"; relative entries are ignored, as the
// base directory rules ask.
QStringList XdgSystemFolders(const char* Name, const QString& Fallback, const QString& Sub)
{
    QString List = qEnvironmentVariable(Name);
    if (List.isEmpty())
        List = Fallback;
    QStringList Folders;
    for (const QString& Base : List.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(Base))
            Folders << WithSlash(QDir::cleanPath(Base + QLatin1Char('/') + Sub));
    return Folders;
}

} // namespace

TShellResult TLinuxShell::OpenUrl(const QUrl& Url)
{
    if (Url.isLocalFile() && Url.hasFragment()) {
        const QString Browser = FindBrowser();
        if (!Browser.isEmpty())
            return StartProgram(Browser, {Url.toString(QUrl::FullyEncoded)});
    }
    if (QDesktopServices::openUrl(Url))
        return TShellResult::Success();
    // Nothing on this desktop opens it.
    return TShellResult::Failure(TShellResult::NoAssociationCode, EOPNOTSUPP);
}

TShellResult TLinuxShell::StartProgram(const QString& Program, const QStringList& Arguments)
{
    const QString Resolved = Program.contains(QLatin1Char('/')) ? Program : QStandardPaths::findExecutable(Program);
    const QFileInfo Info(Resolved);
    if (Resolved.isEmpty() || !Info.exists())
        return TShellResult::Failure(ENOENT, ENOENT);
    if (!Info.isFile() || !Info.isExecutable())
        return TShellResult::Failure(EACCES, EACCES);
    QProcess Process;
    Process.setProgram(Resolved);
    Process.setArguments(Arguments);
    Process.setStandardInputFile(QProcess::nullDevice());
    if (Process.startDetached())
        return TShellResult::Success();
    return TShellResult::Failure(ENOEXEC, ENOEXEC);
}

TShellResult TLinuxShell::ShowItemInFolder(const QString& Path)
{
    if (CallFileManager(QStringLiteral("ShowItems"), Path))
        return TShellResult::Success();
    return OpenUrl(QUrl::fromLocalFile(QFileInfo(Path).absolutePath()));
}

TShellResult TLinuxShell::OpenDateTimeSettings()
{
    const QStringList Desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const bool OwnDesktopOnly : {true, false}) {
        for (const TSettingsProgram& Entry : SettingsPrograms) {
            if (OwnDesktopOnly && !Desktops.contains(QLatin1String(Entry.Desktop), Qt::CaseInsensitive))
                continue;
            const QString Program = QStandardPaths::findExecutable(QLatin1String(Entry.Program));
            if (Program.isEmpty())
                continue;
            QStringList Arguments;
            if (Entry.Argument)
                Arguments << QLatin1String(Entry.Argument);
            return StartProgram(Program, Arguments);
        }
    }
    return TShellResult::Failure(ENOENT, ENOENT);
}

bool TLinuxShell::ShowItemProperties(const QString& Path)
{
    if (!QFileInfo::exists(Path))
        return false;
    if (CallFileManager(QStringLiteral("ShowItemProperties"), Path))
        return true;
    TFilePropertiesSheet::ShowFor(Path);
    return true;
}

bool TLinuxShell::CallFileManager(const QString& Method, const QString& Path)
{
    QDBusConnection Bus = QDBusConnection::sessionBus();
    if (!Bus.isConnected())
        return false;
    QDBusMessage Call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), Method);
    Call << QStringList{QUrl::fromLocalFile(QFileInfo(Path).absoluteFilePath()).toString(QUrl::FullyEncoded)}
         << QString();
    const QDBusMessage Reply = Bus.call(Call, QDBus::Block, DBusTimeoutMs);
    return Reply.type() == QDBusMessage::ReplyMessage;
}

QString TLinuxShell::FindBrowser()
{
    QStringList Candidates = qEnvironmentVariable("BROWSER").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    Candidates << QStringLiteral("x-www-browser") << QStringLiteral("gnome-www-browser");
    for (const QString& Candidate : Candidates) {
        const QString Found = QStandardPaths::findExecutable(Candidate.trimmed());
        if (!Found.isEmpty())
            return Found;
    }
    return {};
}

QString TLinuxShell::SpecialFolder(int FolderNumber)
{
    switch (FolderNumber) {
    case FolderSendTo:
        return WithSlash(XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/Thunar/sendto"));
    case FolderDesktop: // reads user-dirs.dirs, as the file managers do
        return WithSlash(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    case FolderPrograms:
        return WithSlash(XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/applications"));
    case FolderStartup:
        return WithSlash(XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/autostart"));
    default:
        return {};
    }
}

QStringList TLinuxShell::SystemFolders(int FolderNumber)
{
    QStringList Folders;
    switch (FolderNumber) {
    case FolderSendTo:
        Folders = XdgSystemFolders("XDG_DATA_DIRS", QStringLiteral("/usr/local/share/:/usr/share/"),
                                   QStringLiteral("Thunar/sendto"));
        break;
    case FolderPrograms:
        Folders = XdgSystemFolders("XDG_DATA_DIRS", QStringLiteral("/usr/local/share/:/usr/share/"),
                                   QStringLiteral("applications"));
        break;
    case FolderStartup:
        Folders = XdgSystemFolders("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"), QStringLiteral("autostart"));
        break;
    default:
        return {};
    }
    // A list that names the user's own folder too would make every shortcut
    // there hide itself.
    const QString Own = SpecialFolder(FolderNumber);
    Folders.removeIf([&Own](const QString& Folder) { return SameFolder(Folder, Own); });
    return Folders;
}

int TLinuxShell::SaveShortCut(const QString& Path, const TShellLink& Link)
{
    const QString Folder = QFileInfo(Path).absolutePath();
    const bool OnDesktop = SameFolder(Folder, SpecialFolder(FolderDesktop));
    // Desktops start a launcher on the desktop only when it is executable.
    const int Error = WriteFileReplacing(Path, DesktopEntryText(Link), OnDesktop ? 0755 : 0644);
    if (Error == 0 && OnDesktop)
        MarkTrusted(Path);
    return Error;
}

TTrashResult TLinuxShell::MoveToTrash(const QString& Path)
{
    QFile File(Path);
    errno = 0;
    if (File.moveToTrash())
        return {};
    return {TTrashResult::Failed, errno ? errno : EACCES};
}

void TLinuxShell::MarkTrusted(const QString& Path)
{
    const QString Gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    QFile File(Path);
    if (Gio.isEmpty() || !File.open(QIODevice::ReadOnly))
        return;
    const QString Checksum = QString::fromLatin1(QCryptographicHash::hash(File.readAll(), QCryptographicHash::Sha256).toHex());
    // GNOME's desktop icons read "trusted"; Xfce compares the file's checksum.
    const QList<QStringList> Marks{
        {QStringLiteral("set"), Path, QStringLiteral("metadata::trusted"), QStringLiteral("true")},
        {QStringLiteral("set"), Path, QStringLiteral("metadata::xfce-exe-checksum"), Checksum},
    };
    for (const QStringList& Arguments : Marks) {
        QProcess Process;
        Process.setStandardInputFile(QProcess::nullDevice());
        Process.start(Gio, Arguments);
        if (!Process.waitForFinished(GioTimeoutMs))
            Process.kill();
        Process.waitForFinished(100);
    }
}
