#pragma once

#include "common/JoinPath.h"

#include <QFileInfo>
#include <QString>

#include <functional>

// Everything before the last '/' of a path: "/a/b" -> "/a", "/b" -> "/",
// and empty for the root itself or a bare name.
inline QString DirectoryPart(const QString& Path)
{
    const qsizetype Slash = Path.lastIndexOf(QLatin1Char('/'));
    if (Slash < 0 || Path == QLatin1String("/"))
        return {};
    if (Slash == 0)
        return QStringLiteral("/");
    return Path.left(Slash);
}

// Everything after the last '/' of a path.
inline QString FileNamePart(const QString& Path)
{
    return Path.mid(Path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Looks for AFile's name in AFile's folder, then in every folder above it up
// to the root, each once. Returns the path where it exists; when it exists
// nowhere, hands "HelpFile NotFound" and the name to ReportFitted and returns
// the path in the root.
inline QString ClimbSearch1(const QString& AFile, const std::function<void(const QString&)>& ReportFitted)
{
    QString Candidate = AFile;
    for (;;) {
        const QFileInfo Info(Candidate);
        if (Info.exists() && !Info.isDir())
            break;
        const QString Name = FileNamePart(Candidate);
        const QString Parent = DirectoryPart(DirectoryPart(Candidate));
        if (Parent.isEmpty()) {
            ReportFitted(QStringLiteral("HelpFile NotFound\r\n") + Name);
            break;
        }
        Candidate = JoinPath(Parent, Name);
    }
    return Candidate;
}
