#include "datetime/MomentText.h"

#include <QDateTime>
#include <QStringList>

#include <cstdlib>

namespace {

QString OneLine(QString Text)
{
    for (QChar& c : Text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return Text;
}

} // namespace

QString UtcOffsetText(qint64 OffsetMs)
{
    const qint64 minutes = std::llabs(OffsetMs) / 60000;
    return QStringLiteral("UTC%1%2:%3")
        .arg(QChar(OffsetMs < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString MomentText(qint64 UtcMs, const QList<TMomentLine>& Clocks)
{
    QStringList lines;
    lines << QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
    for (const TMomentLine& clock : Clocks)
        lines << QStringList{OneLine(clock.Name), OneLine(clock.Date), OneLine(clock.Time),
                             UtcOffsetText(clock.UtcOffsetMs)}
                     .join(u'\t');
    return lines.join(u'\n') + u'\n';
}
