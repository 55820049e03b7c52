#pragma once

#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "clock/TNoFrame.h"
#include "datetime/INowSource.h"
#include "widgets/doubles/TFakeClockEditor.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TPaletteStyleService.h"

#include <memory>
#include <vector>

// Every service of a clock shown on its own as a double, and complete sets
// of them: no frame (TNoFrame), the plain look's colours, a font dialog and
// a properties dialog that answer as preset, and for each clock a ticker of
// its own on the clock it reads (the PC's, unless one is given). A test that
// needs another double puts it into the set by name.
class TClockDoubles {
public:
    TClockDoubles() = default;
    explicit TClockDoubles(const INowSource& Now) : Now_(&Now) {}
    TClockDoubles(const TClockDoubles&) = delete;
    TClockDoubles& operator=(const TClockDoubles&) = delete;

    TNoFrame NoFrame;
    TPaletteStyleService Style;
    TFakeFontChooser Fonts;
    TFakeClockEditor Editor;

    const INowSource& Now() const { return Now_ ? *Now_ : System_; }

    // A set for one more clock, with a new ticker of its own.
    TClockServices Services()
    {
        // On the PC's clock the ticker sleeps on the wall-clock timer, on
        // any other on a counting one.
        Tickers_.push_back(std::make_unique<TClockTicker>(Now_));
        return Services(*Tickers_.back());
    }

    // A set for one more clock on Ticker.
    TClockServices Services(TClockTicker& Ticker)
    {
        return {
            .Frame = &NoFrame,
            .Now = &Now(),
            .Style = &Style,
            .FontChooser = &Fonts,
            .Properties = &Editor,
            .Ticker = &Ticker,
        };
    }

private:
    const INowSource* Now_ = nullptr;
    TSystemNow System_;
    std::vector<std::unique_ptr<TClockTicker>> Tickers_;
};
