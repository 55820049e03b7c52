#include "clock/TClockTicker.h"

#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"

#include <algorithm>
#include <exception>

namespace {

const TSystemNow SystemClock;

} // namespace

TClockTicker::TClockTicker(const INowSource* Now, std::unique_ptr<IWakeTimer> Wake, QObject* Parent)
    : QObject(Parent), Now_(Now ? Now : &SystemClock), Wake_(std::move(Wake))
{
    if (!Wake_)
        Wake_ = Now ? MakeCountingTimer() : MakeWallClockTimer();
    Wake_->SetHandler([this](TWakeReason Reason) { Woken(Reason); });
}

TClockTicker::~TClockTicker()
{
    Wake_->SetHandler({});
}

void TClockTicker::Add(TMDIChild* Clock)
{
    if (Index_.contains(Clock))
        return;
    Index_.insert(Clock, Clocks_.size());
    Clocks_.push_back({Clock, AtOnce});
    MarkDue(Clock);
}

void TClockTicker::Remove(TMDIChild* Clock)
{
    const auto found = Index_.constFind(Clock);
    if (found == Index_.cend())
        return;
    // The last clock takes the free place: the order of ticking within one
    // pass carries no meaning.
    const std::size_t place = *found;
    Index_.erase(found);
    const TEntry last = Clocks_.back();
    Clocks_.pop_back();
    if (last.Clock != Clock) {
        Clocks_[place] = last;
        Index_[last.Clock] = place;
    }
    if (Clocks_.empty()) {
        Wake_->Disarm();
        Deadline_ = NoDeadline;
    }
    // Otherwise the armed deadline may be the removed clock's: waking then
    // for nothing costs less than finding the next one now.
}

void TClockTicker::MarkDue(TMDIChild* Clock)
{
    const auto found = Index_.constFind(Clock);
    if (found == Index_.cend())
        return;
    Clocks_[*found].Due = AtOnce;
    if (Deadline_ != AtOnce && !Stopped_) {
        Deadline_ = AtOnce;
        Wake_->ArmAt(AtOnce, NowMs());
    }
}

void TClockTicker::Tick()
{
    TickAndArm(true, NowMs());
}

void TClockTicker::ShowMoment(const TNowReading& Moment)
{
    Moment_ = Moment;
    TickAndArm(true, NowMs());
}

void TClockTicker::ShowNow()
{
    if (!Moment_)
        return;
    Moment_.reset();
    TickAndArm(true, NowMs());
}

void TClockTicker::Stop()
{
    Stopped_ = true;
    Wake_->Disarm();
    Deadline_ = NoDeadline;
}

void TClockTicker::Start()
{
    Stopped_ = false;
    Arm(NowMs());
}

qint64 TClockTicker::NowMs() const
{
    return Now_->Read().UtcMs;
}

void TClockTicker::Woken(TWakeReason Reason)
{
    // Deadlines worked out from the old time mean nothing after a set clock.
    TickAndArm(Reason == TWakeReason::ClockSet, NowMs());
}

void TClockTicker::TickAndArm(bool All, qint64 NowMs)
{
    std::exception_ptr first;
    for (std::size_t i = 0; i < Clocks_.size(); ++i) {
        TEntry& entry = Clocks_[i];
        if (!All && entry.Due > NowMs)
            continue;
        try {
            entry.Clock->Timer1Timer();
            // A moment's lines stand still: nothing to wake for.
            entry.Due = Moment_ ? NoDeadline : entry.Clock->NextChange();
            // A clock whose own time lags behind the ticker's would be due
            // again at once, for ever: it looks again a second later.
            if (!Moment_ && entry.Due <= NowMs)
                entry.Due = NowMs + CountingWakeCapMs;
        } catch (...) {
            entry.Due = NowMs + CountingWakeCapMs;
            if (!first)
                first = std::current_exception();
        }
    }
    Arm(NowMs);
    if (first)
        std::rethrow_exception(first);
}

void TClockTicker::Arm(qint64 NowMs)
{
    if (Stopped_ || Clocks_.empty()) {
        Wake_->Disarm();
        Deadline_ = NoDeadline;
        return;
    }
    qint64 next = NoDeadline;
    for (const TEntry& entry : Clocks_)
        next = std::min(next, entry.Due);
    Deadline_ = next;
    if (next == NoDeadline)
        Wake_->Disarm();
    else
        Wake_->ArmAt(next, NowMs);
}
