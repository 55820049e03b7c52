#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

// The links of the tz database ("L TARGET LINK" lines of tzdata.zi): every
// former or other id of a zone (Asia/Calcutta, Europe/Kiev, Japan) to the id
// it names now.
QHash<QString, QString> ParseTzLinks(QByteArrayView ZiText);

// The folder of the system's tz database: $TZDIR, else /usr/share/zoneinfo.
QString SystemTzFolder();

// The links of the system's tz database ($TZDIR or /usr/share/zoneinfo); an
// empty table when it cannot be read.
QHash<QString, QString> SystemTzLinks();
