#pragma once

#include <QString>
#include <QTimeZone>

#include <limits>

// The offset from UTC of one zone of the system's tz database (an IANA id such
// as "America/New_York"). Asking the database costs microseconds and
// allocates, so the offset is looked up once and kept until the zone's next
// transition: the ticks in between cost a comparison.
class TZoneOffset {
public:
    TZoneOffset() = default;
    explicit TZoneOffset(const QString& Id);

    const QString& Id() const { return Id_; }
    // False for an empty id and for one the database does not know.
    bool IsKnown() const { return Known_; }

    // Seconds to add to UTC for the zone's local time at UtcMs (milliseconds
    // since 1970). 0 for a zone that is not known.
    int SecondsAt(qint64 UtcMs)
    {
        if (UtcMs >= From_ && UtcMs < Until_)
            return Seconds_;
        return LookUp(UtcMs);
    }
    // The end of the period the last answer holds for: the next transition.
    qint64 HoldsUntil() const { return Until_; }

private:
    int LookUp(qint64 UtcMs);

    QString Id_;
    QTimeZone Zone_;
    bool Known_ = false;
    qint64 From_ = 0;
    qint64 Until_ = 0; // empty period: the first question looks up
    int Seconds_ = 0;
};
