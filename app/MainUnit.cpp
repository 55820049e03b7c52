#include "app/MainUnit.h"
#include "common/JoinPath.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The per-user application-data folder; empty when it cannot be named, so
// the paths become relative to the current folder.
QString HomeFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        return QString();
    return JoinPath(home, QStringLiteral(".local/share"));
}

// The executable's file name without its extension.
QString BaseName()
{
    return FileBaseName(QCoreApplication::applicationFilePath());
}

} // namespace

QString FileBaseName(const QString& Path)
{
    const qsizetype slash = std::max({Path.lastIndexOf(u'/'), Path.lastIndexOf(u'\\'), Path.lastIndexOf(u':')});
    QString name = Path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString GetDataFolder(const QString& Maker)
{
    return JoinPath(JoinPath(HomeFolder(), Maker), BaseName());
}

QString GetIniFileName(const QString& Maker)
{
    const QString base = BaseName();
    return JoinPath(JoinPath(JoinPath(HomeFolder(), Maker), base), base + QStringLiteral(".ini"));
}
