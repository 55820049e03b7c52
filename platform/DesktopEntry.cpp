#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsReserved(QChar C)
{
    static const QString Reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return Reserved.contains(C);
}

// Writes all of Bytes; false with errno set on failure.
bool WriteAll(int Fd, const QByteArray& Bytes)
{
    qsizetype Done = 0;
    while (Done < Bytes.size()) {
        const ssize_t Got = ::write(Fd, Bytes.constData() + Done, size_t(Bytes.size() - Done));
        if (Got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        Done += Got;
    }
    return true;
}

int MakeFolder(const QString& Folder)
{
    if (QFileInfo(Folder).isDir())
        return 0;
    errno = 0;
    if (QDir().mkpath(Folder))
        return 0;
    return errno ? errno : EACCES;
}

} // namespace

QString DesktopEntryExecArgument(const QString& Argument)
{
    QString Text = Argument;
    Text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    bool NeedsQuotes = Text.isEmpty();
    for (const QChar C : Text)
        NeedsQuotes = NeedsQuotes || IsReserved(C);
    if (!NeedsQuotes)
        return Text;
    QString Quoted = QStringLiteral("\"");
    for (const QChar C : Text) {
        if (C == QLatin1Char('"') || C == QLatin1Char('`') || C == QLatin1Char('$') || C == QLatin1Char('\\'))
            Quoted += QLatin1Char('\\');
        Quoted += C;
    }
    return Quoted + QLatin1Char('"');
}

QString DesktopEntryEscape(const QString& Value)
{
    QString Result;
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const QChar C = Value.at(i);
        if (C == QLatin1Char('\\'))
            Result += QStringLiteral("\\\\");
        else if (C == QLatin1Char('\n'))
            Result += QStringLiteral("\\n");
        else if (C == QLatin1Char('\t'))
            Result += QStringLiteral("\\t");
        else if (C == QLatin1Char('\r'))
            Result += QStringLiteral("\\r");
        else if (C == QLatin1Char(' ') && i == 0)
            Result += QStringLiteral("\\s");
        else
            Result += C;
    }
    return Result;
}

QByteArray DesktopEntryText(const TShellLink& Link)
{
    QString Text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    Text += QStringLiteral("Name=") + DesktopEntryEscape(Link.Name) + QLatin1Char('\n');
    if (!Link.Description.isEmpty())
        Text += QStringLiteral("Comment=") + DesktopEntryEscape(Link.Description) + QLatin1Char('\n');
    Text += QStringLiteral("Exec=") + DesktopEntryEscape(DesktopEntryExecArgument(Link.Target))
            + (Link.TakesFiles ? QStringLiteral(" %F") : QString()) + QLatin1Char('\n');
    if (!Link.WorkingDirectory.isEmpty())
        Text += QStringLiteral("Path=") + DesktopEntryEscape(Link.WorkingDirectory) + QLatin1Char('\n');
    if (!Link.Icon.isEmpty())
        Text += QStringLiteral("Icon=") + DesktopEntryEscape(Link.Icon) + QLatin1Char('\n');
    return Text.toUtf8();
}

int WriteFileReplacing(const QString& Path, const QByteArray& Bytes, unsigned Mode)
{
    const QFileInfo Info(Path);
    if (const int Error = MakeFolder(Info.absolutePath()))
        return Error;
    QByteArray Temp = QFile::encodeName(Info.absolutePath() + QStringLiteral("/.pendulor-XXXXXX"));
    const int Fd = ::mkstemp(Temp.data());
    if (Fd < 0)
        return errno;
    int Error = 0;
    if (!WriteAll(Fd, Bytes) || ::fchmod(Fd, Mode) != 0 || ::fsync(Fd) != 0)
        Error = errno;
    if (::close(Fd) != 0 && !Error)
        Error = errno;
    if (!Error && ::rename(Temp.constData(), QFile::encodeName(Path).constData()) != 0)
        Error = errno;
    if (Error) {
        ::unlink(Temp.constData());
        return Error;
    }
    const int Folder = ::open(QFile::encodeName(Info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Folder >= 0) {
        ::fsync(Folder);
        ::close(Folder);
    }
    return 0;
}
