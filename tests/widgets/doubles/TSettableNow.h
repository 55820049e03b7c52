#pragma once

#include "datetime/INowSource.h"

// A "now" that stands still until the test moves it.
class TSettableNow final : public INowSource {
public:
    explicit TSettableNow(TDateTime Start = 0) : Now_(Start) {}
    TDateTime Now() const override { return Now_; }
    void Set(TDateTime Moment) { Now_ = Moment; }

private:
    TDateTime Now_;
};
