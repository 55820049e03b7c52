#include "datetime/TzLinks.h"

#include <QFile>
#include <QList>

QHash<QString, QString> ParseTzLinks(QByteArrayView ZiText)
{
    QHash<QString, QString> Links;
    qsizetype Start = 0;
    while (Start < ZiText.size()) {
        qsizetype End = ZiText.indexOf('\n', Start);
        if (End < 0)
            End = ZiText.size();
        const QByteArrayView Line = ZiText.sliced(Start, End - Start).trimmed();
        Start = End + 1;
        if (!Line.startsWith("L "))
            continue;
        const QList<QByteArray> Fields = Line.toByteArray().simplified().split(' ');
        if (Fields.size() >= 3)
            Links.insert(QString::fromLatin1(Fields[2]), QString::fromLatin1(Fields[1]));
    }
    return Links;
}

QString SystemTzFolder()
{
    const QString Folder = qEnvironmentVariable("TZDIR");
    return Folder.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : Folder;
}

QHash<QString, QString> SystemTzLinks()
{
    QFile File(SystemTzFolder() + QStringLiteral("/tzdata.zi"));
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return ParseTzLinks(File.readAll());
}
