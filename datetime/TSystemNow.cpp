#include "datetime/INowSource.h"

#include <QDateTime>

TDateTime TSystemNow::Now() const
{
    // Local wall-clock time as days since 1899-12-30 (the epoch is local too).
    const QDateTime now = QDateTime::currentDateTime();
    const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(now.date());
    const qint64 ms = now.time().msecsSinceStartOfDay();
    return double(days) + double(ms) / 86400000.0;
}
