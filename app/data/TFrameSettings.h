#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// The remembered layout of the clock windows, and its stored LastTileMode.
enum class TRememberedLayout { None, Cascade, TileHorizontal, TileVertical };

constexpr int SavedCascade = -1;
constexpr int SavedTileHorizontal = 0;
constexpr int SavedTileVertical = 1;

// -1 cascade, 0 horizontal, 1 vertical; any other value remembers nothing.
TRememberedLayout LayoutOfSavedTileMode(int LastTileMode);
// -1 while cascading is remembered, otherwise the tile mode (0 or 1), also
// when no layout is remembered at all.
int SavedTileModeOf(TRememberedLayout Layout, int TileMode);

// The frame's state as the application settings file stores it.
struct TFrameSettings {
    QRect Bounds;            // outer bounds in screen pixels
    bool ShowTitleBar = true;
    bool ShowMenuBar = true;
    bool ShowTabs = false;   // written only while true
    bool ShowCloseButton = false;
    bool StayOnTop = false;
    int LastTileMode = SavedCascade;
    int AlphaBlendValue = 255; // 0..255
    QString Caption;
    QString StyleName = QStringLiteral("Windows");
    bool ShowTimeSlider = false; // written only while true
    QStringList ClockFiles; // the open clock files, in the frame's list order

    friend bool operator==(const TFrameSettings&, const TFrameSettings&) = default;
};

// What the frame notes about the program at each close; never read back.
struct TProgramStamp {
    QString Name;      // the executable's file name
    QString Path;      // its folder, without a trailing separator
    QString Version;
    QString IniFile;   // the settings file's own path
    QString LastClose; // the moment of the close as text
};
