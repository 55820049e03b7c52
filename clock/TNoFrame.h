#pragma once

#include "clock/IClockFrame.h"
#include "datetime/ProcessLocale.h"

#include <QCoreApplication>
#include <QMetaObject>

// The frame of a clock shown on its own, as tests, benchmarks and tools show
// one: no menu bar to switch, no folder, nothing saved. A null object on
// purpose, handed to the clock like any frame; the application's clocks
// always have the real one.
class TNoFrame final : public IClockFrame {
public:
    bool IsMenuBarShown() const override { return false; }
    void SetMenuBarShown(bool) override {}
    QString ClockDataFolder() const override { return {}; }
    QString SettingsFolder() const override { return {}; }
    LCID DefaultClockLocale() const override { return ProcessLocale::Identifier(); }
    bool ClocksSaveFiles() const override { return false; }
    TDataFileClaims& DataFileClaims() override { return Claims; }
    void ReportClockError(std::exception_ptr Error) override
    {
        // Rethrown from a queued call, it reaches QApplication::notify like
        // any other error of an event handler.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [Error] { std::rethrow_exception(Error); }, Qt::QueuedConnection);
    }

private:
    TDataFileClaims Claims;
};
