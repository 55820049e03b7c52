#include "datetime/IZoneOffsetSource.h"

#include <QDateTime>

#include <cmath>

int TSystemZoneOffset::UtcOffsetSeconds(TDateTime Local) const
{
    static const QDate Epoch(1899, 12, 30);
    const double Days = std::floor(Local);
    const qint64 Ms = std::llround((Local - Days) * 86400000.0);
    const QDateTime Moment(Epoch.addDays(qint64(Days)), QTime(0, 0).addMSecs(int(std::min<qint64>(Ms, 86399999))),
                           Qt::LocalTime);
    return Moment.offsetFromUtc();
}
