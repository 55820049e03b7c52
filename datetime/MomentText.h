#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One clock as it shows a moment.
struct TMomentLine {
    QString Name;
    QString Date; // the date line as shown
    QString Time; // the time line as shown
    qint64 UtcOffsetMs = 0;
};

// "UTC+09:00", "UTC-03:30", "UTC+00:00"; seconds of an old local mean time
// are dropped.
QString UtcOffsetText(qint64 OffsetMs);

// The moment as plain text for the clipboard: the instant in UTC (ISO 8601,
// "2026-12-11T12:30:00Z"), then a line per clock: its name, date, time and
// offset, separated by tabs (a spreadsheet takes each line as a row).
// Tabs and line breaks inside a text become spaces, so a line stays a row.
QString MomentText(qint64 UtcMs, const QList<TMomentLine>& Clocks);
