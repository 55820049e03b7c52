#include "clock/data/DataFileClaims.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString KeyOf(const QString& Path)
{
    return QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
}

// "FOLDER/NAME.dat" numbered N: "FOLDER/NAME (N).dat".
QString Numbered(const QString& Path, int N)
{
    const QFileInfo file(Path);
    const QString suffix = file.suffix();
    QString name = file.completeBaseName() + QStringLiteral(" (%1)").arg(N);
    if (!suffix.isEmpty() || file.fileName().endsWith(u'.'))
        name += u'.' + suffix;
    return QDir(file.path()).filePath(name);
}

} // namespace

bool TDataFileClaims::HeldByOther(TClockId Clock, const QString& Key) const
{
    const auto claim = Claims_.constFind(Key);
    return claim != Claims_.cend() && claim->Owner != Clock;
}

void TDataFileClaims::Loaded(TClockId Clock, const QString& Path)
{
    TClaim& claim = Claims_[KeyOf(Path)];
    if (claim.Owner != 0 && claim.Owner != Clock && claim.Open)
        return; // opened twice: the first clock keeps it
    claim = {Clock, true};
}

QString TDataFileClaims::FileFor(TClockId Clock, const QString& Wanted) const
{
    if (!HeldByOther(Clock, KeyOf(Wanted)))
        return Wanted;
    // Claims are finite, so a free number is found.
    for (int n = 2;; ++n) {
        const QString candidate = Numbered(Wanted, n);
        if (!HeldByOther(Clock, KeyOf(candidate)))
            return candidate;
    }
}

void TDataFileClaims::Written(TClockId Clock, const QString& Path)
{
    Claims_[KeyOf(Path)] = {Clock, true};
}

void TDataFileClaims::Closed(TClockId Clock)
{
    for (TClaim& claim : Claims_)
        if (claim.Owner == Clock)
            claim.Open = false;
}
