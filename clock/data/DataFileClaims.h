#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

// Which clock may write which data file in this run, so that no clock writes
// over the file of another: two clocks with one name would otherwise share a
// file, and the one closed last would wipe out the other.
//
// A clock holds the file it was loaded from (unless another open clock holds
// it already: the same file opened twice) and every file it writes. Files stay
// held after their clock has closed, as long as the run lasts; a clock loaded
// from such a file takes it over. Paths compare as absolute, cleaned paths.
class TDataFileClaims {
public:
    using TClockId = quint64;

    // A new clock's id; ids are never reused.
    TClockId NewClock() { return ++LastClock_; }

    void Loaded(TClockId Clock, const QString& Path);

    // The file Clock is to write when it wants Wanted ("FOLDER/NAME.dat"):
    // Wanted itself when no other clock holds it, else the first of
    // "NAME (2).dat", "NAME (3).dat", ... that no other clock holds.
    QString FileFor(TClockId Clock, const QString& Wanted) const;

    void Written(TClockId Clock, const QString& Path);

    // The clock's window is gone; its files stay held.
    void Closed(TClockId Clock);

private:
    struct TClaim {
        TClockId Owner = 0;
        bool Open = true;
    };
    bool HeldByOther(TClockId Clock, const QString& Key) const;

    QHash<QString, TClaim> Claims_;
    TClockId LastClock_ = 0;
};
