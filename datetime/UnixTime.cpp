#include "datetime/UnixTime.h"

#include <cmath>

qint64 UnixTime::FromDateTime(TDateTime Moment)
{
    return qint64(std::llround((Moment - double(EpochDays)) * double(MsPerDay)));
}
