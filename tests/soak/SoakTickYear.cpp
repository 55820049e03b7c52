// A year in a minute: clocks of different zones, locales and formats driven
// through a stretch of 2027 by the ticker's own deadlines on an injected
// clock. At every wake-up each date and time line is compared with the
// plain reference renderer of fuzz/ at that instant, and again just before
// it (a line must not have changed unseen since the previous wake-up), with
// the zone offsets read from the tz database's transition list.
// Usage: SoakTickYear [MONTHS] (12 by default). Exit status 1 on a mismatch.
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"
#include "datetime/UnixTime.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeWakeTimer.h"

#include "ReferenceRenderDateTime.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QTimeZone>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

// One zone's offsets over the run, from the tz database's list of transitions.
class TOffsetTable {
public:
    TOffsetTable(const QByteArray& Id, qint64 From, qint64 To)
    {
        const QTimeZone zone(Id);
        const QDateTime start = QDateTime::fromMSecsSinceEpoch(From, Qt::UTC);
        Changes_.push_back({std::numeric_limits<qint64>::min(), zone.offsetFromUtc(start)});
        for (const QTimeZone::OffsetData& t : zone.transitions(start, QDateTime::fromMSecsSinceEpoch(To, Qt::UTC)))
            Changes_.push_back({t.atUtc.toMSecsSinceEpoch(), t.offsetFromUtc});
    }
    // The offset in force at UtcMs and the next change after it.
    std::pair<int, qint64> At(qint64 UtcMs) const
    {
        auto next = std::upper_bound(Changes_.begin(), Changes_.end(), UtcMs,
                                     [](qint64 Ms, const TChange& C) { return Ms < C.AtMs; });
        return {std::prev(next)->Seconds, next == Changes_.end() ? std::numeric_limits<qint64>::max() : next->AtMs};
    }

private:
    struct TChange {
        qint64 AtMs;
        int Seconds;
    };
    std::vector<TChange> Changes_;
};

// This PC's clock, set by the run; its zone from the same kind of table.
class TSoakNow final : public INowSource {
public:
    explicit TSoakNow(const TOffsetTable& Zone) : Zone_(Zone) {}
    TDateTime Now() const override { return UnixTime::ToDateTime(UtcMs + Zone_.At(UtcMs).first * 1000LL); }
    TNowReading Read() const override
    {
        const auto [seconds, until] = Zone_.At(UtcMs);
        return {UtcMs, seconds, until};
    }
    qint64 UtcMs = 0;

private:
    const TOffsetTable& Zone_;
};

struct TClockSetup {
    const char* Zone;    // empty: a fixed offset from this PC
    int OffsetMinutes;   // of a fixed-offset clock
    LCID Locale;
    const char16_t* Date;
    const char16_t* Time;
};

// Every clock shows minutes or less: a seconds clock would make the year 31
// million wake-ups; the ticker's tests drive those through minutes.
const TClockSetup Setups[] = {
    {"Europe/Berlin", 0, 1031, u"dddd, d. mmmm yyyy", u"hh:nn"},
    {"America/New_York", 0, 1033, u"m/d/yyyy", u"h:nn AM/PM"},
    {"Australia/Lord_Howe", 0, 2057, u"dd/mm/yyyy", u"h:nn ampm"},
    {"Asia/Kolkata", 0, 1081, u"dd-mm-yyyy", u"hh:nn"},
    {"Asia/Kathmandu", 0, 1121, u"yyyy/mm/dd", u"t"},
    {"Pacific/Chatham", 0, 1033, u"ddd d mmm yy", u"h:nn a/p"},
    {"America/St_Johns", 0, 3084, u"yyyy-mm-dd", u"hh:nn"},
    {"Asia/Tokyo", 0, 1041, u"ggee/mm/dd", u"hh:nn"},
    {"America/Santiago", 0, 2058, u"dddd d 'de' mmmm", u"H:nn"},
    {"Africa/Casablanca", 0, 1025, u"dd/mm/yyyy", u"hh:nn"},
    {"Europe/London", 0, 2057, u"ddddd", u"t"},
    {"Pacific/Kiritimati", 0, 1033, u"mmm d", u"hh:nn"},
    {"Pacific/Pago_Pago", 0, 1033, u"dddd", u"h:nn"},
    {"America/Nuuk", 0, 1030, u"d. mmmm yyyy", u"hh:nn"},
    {"Asia/Gaza", 0, 1037, u"dd/mm/yyyy", u"hh:nn"},
    {"", 9 * 60, 1042, u"yyyy. m. d.", u"AMPM h:nn"},
    {"", -(5 * 60 + 30), 1049, u"dd.mm.yyyy", u"hh:nn"},
    {"", 0, 1054, u"d mmmm yyyy", u"hh:nn"},
    {"Europe/Paris", 0, 1036, u"dddd dd mmmm yyyy", u"'-'"},
    {"America/Sao_Paulo", 0, 1046, u"dd/mm/yy", u"hh'h'nn"},
};

double ResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

struct TWatched {
    const TClockSetup* Setup;
    TMDIChild* Clock;
    std::unique_ptr<TOffsetTable> Zone; // null for a fixed offset
    qint64 LastNext = 0;
    QString LastDate, LastTime;
    long long Ticks = 0, Changes = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int months = argc > 1 ? std::max(1, std::min(12, atoi(argv[1]))) : 12;
    const qint64 from = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 to = QDateTime(QDate(2027, 1, 1).addMonths(months), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const auto started = std::chrono::steady_clock::now();
    const double rssStart = ResidentMb();

    const TOffsetTable pcZone("America/New_York", from, to);
    TSoakNow now(pcZone);
    now.UtcMs = from;
    auto wakeOwned = std::make_unique<TFakeWakeTimer>();
    TFakeWakeTimer& wake = *wakeOwned;
    TClockTicker ticker(&now, std::move(wakeOwned));
    TClockDoubles doubles(now);

    std::vector<TWatched> watched;
    for (const TClockSetup& setup : Setups) {
        auto* clock = new TMDIChild(doubles.Services(ticker));
        clock->SetLocale(setup.Locale);
        const QString date = QString::fromUtf16(setup.Date), time = QString::fromUtf16(setup.Time);
        clock->SetLineFormat(TMDIChild::LineDate, {true, date, false, {}, date});
        clock->SetLineFormat(TMDIChild::LineTime, {true, time, false, {}, time});
        if (*setup.Zone)
            clock->SetTimeZone(QString::fromLatin1(setup.Zone));
        else
            clock->SetOffset(setup.OffsetMinutes / 1440.0);
        watched.push_back({&setup, clock, *setup.Zone ? std::make_unique<TOffsetTable>(setup.Zone, from, to) : nullptr});
    }

    long long wakes = 0, compared = 0, mismatches = 0;
    // Compares every line with the reference at UtcMs; Counting: this is a
    // wake-up, whose ticks and visible changes are counted.
    auto check = [&](qint64 UtcMs, bool Counting) {
        for (TWatched& w : watched) {
            const int seconds = w.Zone ? w.Zone->At(UtcMs).first
                                       : pcZone.At(UtcMs).first + w.Setup->OffsetMinutes * 60;
            const TDateTime local = UnixTime::ToDateTime(UtcMs + seconds * 1000LL);
            const TFormatSettings& fs = w.Clock->FormatSettings();
            const QString date = Reference::RenderDateTime(w.Clock->ClockData().DateFormat.InEffect, local, fs);
            const QString time = Reference::RenderDateTime(w.Clock->ClockData().TimeFormat.InEffect, local, fs);
            compared += 2;
            for (const auto& [shown, expected] : {std::pair{w.Clock->LabelDate2->text(), date},
                                                  std::pair{w.Clock->LabelTime2->text(), time}}) {
                if (shown == expected)
                    continue;
                if (++mismatches <= 10)
                    std::printf("mismatch %s at %s UTC%s: shows \"%s\", expected \"%s\"\n",
                                *w.Setup->Zone ? w.Setup->Zone : "fixed offset",
                                qPrintable(QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC).toString(Qt::ISODateWithMs)),
                                Counting ? "" : " (just before a wake-up)", qPrintable(shown), qPrintable(expected));
            }
            if (!Counting)
                continue;
            if (w.Clock->NextChange() != w.LastNext) {
                ++w.Ticks;
                w.LastNext = w.Clock->NextChange();
            }
            if (date != w.LastDate || time != w.LastTime) {
                ++w.Changes;
                w.LastDate = date;
                w.LastTime = time;
            }
        }
    };

    ticker.Tick();
    check(from, true);
    qint64 last = from;
    while (wake.Armed && wake.Deadline < to) {
        const qint64 at = std::max(wake.Deadline, now.UtcMs);
        if (at <= last) {
            std::printf("stalled: the next wake-up %lld is not after %lld\n", at, last);
            return 1;
        }
        check(at - 1, false);
        now.UtcMs = at;
        wake.Fire();
        ++wakes;
        check(at, true);
        last = at;
    }

    const double rssEnd = ResidentMb();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d month(s) from 2027-01-01, %zu clocks: %lld wake-ups, %lld lines compared, %lld mismatches, "
                "%.1f s, resident %.1f MB at the start, %.1f MB at the end\n",
                months, watched.size(), wakes, compared, mismatches, seconds, rssStart, rssEnd);
    bool fewer = false;
    for (const TWatched& w : watched) {
        std::printf("  %-20s %-20s ticks %8lld  visible changes %8lld\n", *w.Setup->Zone ? w.Setup->Zone : "fixed",
                    qPrintable(w.Clock->ClockData().TimeFormat.InEffect), w.Ticks, w.Changes);
        fewer = fewer || w.Ticks < w.Changes;
    }
    if (fewer)
        std::printf("a clock ticked fewer times than its lines changed\n");
    for (TWatched& w : watched)
        delete w.Clock;
    return mismatches || fewer ? 1 : 0;
}
