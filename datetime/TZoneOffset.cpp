#include "datetime/TZoneOffset.h"

#include <QDateTime>

TZoneOffset::TZoneOffset(const QString& Id)
    : Id_(Id)
{
    if (Id.isEmpty())
        return;
    Zone_ = QTimeZone(Id.toUtf8());
    Known_ = Zone_.isValid();
    if (!Known_) {
        // Never asked again: an unknown zone stays at 0.
        From_ = std::numeric_limits<qint64>::min();
        Until_ = std::numeric_limits<qint64>::max();
    }
}

int TZoneOffset::LookUp(qint64 UtcMs)
{
    const QDateTime At = QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC);
    Seconds_ = Zone_.offsetFromUtc(At);
    const QTimeZone::OffsetData Next = Zone_.nextTransition(At);
    // A clock set back reads an earlier moment: that one looks up again.
    From_ = UtcMs;
    Until_ = Next.atUtc.isValid() ? qMax(Next.atUtc.toMSecsSinceEpoch(), UtcMs + 1)
                                  : std::numeric_limits<qint64>::max();
    return Seconds_;
}
