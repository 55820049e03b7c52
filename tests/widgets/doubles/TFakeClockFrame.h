#pragma once

#include "clock/IClockFrame.h"

#include <QList>

// A frame with a menu bar to switch, a data folder and an error list.
class TFakeClockFrame final : public IClockFrame {
public:
    bool MenuBarShown = true;
    int Switches = 0;
    QString DataFolder;
    QString Settings;
    LCID Locale = 1033;
    bool SaveFiles = true;
    QList<std::exception_ptr> Errors;
    TDataFileClaims Claims;

    bool IsMenuBarShown() const override { return MenuBarShown; }
    void SetMenuBarShown(bool Show) override
    {
        MenuBarShown = Show;
        ++Switches;
    }
    QString ClockDataFolder() const override { return DataFolder; }
    QString SettingsFolder() const override { return Settings; }
    LCID DefaultClockLocale() const override { return Locale; }
    bool ClocksSaveFiles() const override { return SaveFiles; }
    void ReportClockError(std::exception_ptr Error) override { Errors.append(Error); }
    TDataFileClaims& DataFileClaims() override { return Claims; }
};
