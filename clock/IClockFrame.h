#pragma once

#include "clock/data/DataFileClaims.h"
#include "datetime/TFormatSettings.h"

#include <QString>

#include <exception>

// What a clock window needs of the frame that holds it. The frame implements
// it and hands itself to each clock window (TClockServices::Frame); a clock
// shown on its own is handed a TNoFrame (clock/TNoFrame.h): no menu bar to
// switch, no data folder, nothing saved.
class IClockFrame {
public:
    virtual ~IClockFrame() = default;

    // Whether the frame shows its menu bar right now.
    virtual bool IsMenuBarShown() const = 0;
    // Attach (true) or detach (false) the frame's menu bar; the frame's own
    // View mark stays as it is.
    virtual void SetMenuBarShown(bool Show) = 0;

    // The per-user data folder, where clock data files are written.
    virtual QString ClockDataFolder() const = 0;
    // The folder of the application settings file.
    virtual QString SettingsFolder() const = 0;
    // The locale of new clocks and of files without one.
    virtual LCID DefaultClockLocale() const = 0;
    // Whether a clock window writes its file when it closes.
    virtual bool ClocksSaveFiles() const = 0;
    // Which data files the frame's clocks hold in this run.
    virtual TDataFileClaims& DataFileClaims() = 0;
    // Reports an error that must not leave the handler it happened in.
    virtual void ReportClockError(std::exception_ptr Error) = 0;
};
