#include "clock/TClockTicker.h"

#include "clock/TMDIChild.h"

#include <exception>

TClockTicker::TClockTicker(QObject* Parent)
    : QObject(Parent)
{
    Timer_.setInterval(Interval);
    connect(&Timer_, &QTimer::timeout, this, &TClockTicker::Tick);
}

void TClockTicker::Add(TMDIChild* Clock)
{
    if (Index_.contains(Clock))
        return;
    Index_.insert(Clock, Clocks_.size());
    Clocks_.push_back(Clock);
    if (!Timer_.isActive())
        Timer_.start();
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
    TMDIChild* last = Clocks_.back();
    Clocks_.pop_back();
    if (last != Clock) {
        Clocks_[place] = last;
        Index_[last] = place;
    }
    if (Clocks_.empty())
        Timer_.stop();
}

void TClockTicker::Tick()
{
    std::exception_ptr first;
    for (std::size_t i = 0; i < Clocks_.size(); ++i) {
        try {
            Clocks_[i]->Timer1Timer();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}
