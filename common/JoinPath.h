#pragma once

#include <QDir>
#include <QString>

// Folder, then Name: Name alone when Folder is empty or Name is absolute;
// exactly one separator between them.
inline QString JoinPath(const QString& Folder, const QString& Name)
{
    if (Folder.isEmpty())
        return Name;
    if (Name.isEmpty())
        return Folder;
    if (QDir::isAbsolutePath(Name))
        return Name;
    const QChar Last = Folder.back();
    return Last == u'/' || Last == u'\\' ? Folder + Name : Folder + u'/' + Name;
}
