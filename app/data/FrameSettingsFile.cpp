#include "app/data/FrameSettingsFile.h"

#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"

#include <algorithm>

namespace {

const QString Program = QStringLiteral("PROGRAM");
const QString Position = QStringLiteral("POSITION");
const QString Option = QStringLiteral("OPTION");
const QString DataFile = QStringLiteral("DATAFILE");

} // namespace

TRememberedLayout LayoutOfSavedTileMode(int LastTileMode)
{
    switch (LastTileMode) {
    case SavedCascade: return TRememberedLayout::Cascade;
    case SavedTileHorizontal: return TRememberedLayout::TileHorizontal;
    case SavedTileVertical: return TRememberedLayout::TileVertical;
    default: return TRememberedLayout::None;
    }
}

int SavedTileModeOf(TRememberedLayout Layout, int TileMode)
{
    return Layout == TRememberedLayout::Cascade ? SavedCascade : TileMode;
}

TFrameSettings ReadFrameSettings(const TIniFile& Ini, const TFrameDefaults& Defaults)
{
    TFrameSettings s;
    // Absurd sizes would make a window no one can see or grab.
    const QSize work = Defaults.WorkArea;
    const QSize desktop = Defaults.Desktop.expandedTo(work);
    const int width = std::clamp(Ini.ReadInteger(Position, u"Width", work.width() / 3), FrameMinimumWidth,
                                 std::max(FrameMinimumWidth, desktop.width()));
    const int height = std::clamp(Ini.ReadInteger(Position, u"Height", work.height() / 3), FrameMinimumHeight,
                                  std::max(FrameMinimumHeight, desktop.height()));
    const int left = std::clamp(Ini.ReadInteger(Position, u"Left", (work.width() - width) / 2),
                                -FrameCoordinateLimit, FrameCoordinateLimit);
    const int top = std::clamp(Ini.ReadInteger(Position, u"Top", (work.height() - height) / 2),
                               -FrameCoordinateLimit, FrameCoordinateLimit);
    s.Bounds = QRect(left, top, width, height);

    s.ShowTitleBar = Ini.ReadBool(Option, u"ShowTitleBar", true);
    s.ShowMenuBar = Ini.ReadBool(Option, u"ShowMenuBar", true);
    s.ShowTabs = Ini.ReadBool(Option, u"ShowTabs", false);
    s.ShowCloseButton = Ini.ReadBool(Option, u"ShowCloseButton", false);
    s.StayOnTop = Ini.ReadBool(Option, u"StayOnTop", false);
    s.LastTileMode = Ini.ReadInteger(Option, u"LastTileMode", SavedCascade);
    s.AlphaBlendValue = Ini.ReadInteger(Option, u"AlphaBlendValue", 255) & 0xFF;
    s.Caption = Ini.ReadString(Option, u"Caption", Defaults.Caption);
    s.StyleName = Ini.ReadString(Option, u"StyleName", QStringLiteral("Windows"));
    s.ShowTimeSlider = Ini.ReadBool(Option, u"TimeSlider", false);

    for (const QString& key : Ini.ReadSection(DataFile))
        s.ClockFiles.append(Ini.ReadString(DataFile, key, QString()));
    return s;
}

TFrameSettings ReadFrameSettingsFile(const QString& FileName, const TFrameDefaults& Defaults)
{
    return ReadFrameSettings(TIniFile(FileName, ProcessLocale::Identifier()), Defaults);
}

void WriteFrameSettingsFile(const QString& FileName, const TFrameSettings& S, const TProgramStamp& P)
{
    TIniFile ini = TIniFile::ForRewrite(FileName, ProcessLocale::Identifier()); // keeps the file's encoding
    WriteFrameSettings(ini, S, P);
    ini.UpdateFile();
}

void WriteFrameSettings(TIniFile& ini, const TFrameSettings& S, const TProgramStamp& P)
{
    ini.Clear();
    ini.WriteString(Program, u"Name", P.Name);
    ini.WriteString(Program, u"Path", P.Path);
    ini.WriteString(Program, u"Version", P.Version);
    ini.WriteString(Program, u"IniFile", P.IniFile);
    ini.WriteString(Program, u"LastClose", P.LastClose);

    ini.WriteInteger(Position, u"Width", S.Bounds.width());
    ini.WriteInteger(Position, u"Height", S.Bounds.height());
    ini.WriteInteger(Position, u"Left", S.Bounds.left());
    ini.WriteInteger(Position, u"Top", S.Bounds.top());

    ini.WriteBool(Option, u"ShowTitleBar", S.ShowTitleBar);
    ini.WriteBool(Option, u"ShowMenuBar", S.ShowMenuBar);
    if (S.ShowTabs)
        ini.WriteString(Option, u"ShowTabs", QStringLiteral("1"));
    ini.WriteBool(Option, u"ShowCloseButton", S.ShowCloseButton);
    ini.WriteBool(Option, u"StayOnTop", S.StayOnTop);
    ini.WriteInteger(Option, u"LastTileMode", S.LastTileMode);
    ini.WriteInteger(Option, u"AlphaBlendValue", S.AlphaBlendValue);
    ini.WriteString(Option, u"Caption", S.Caption);
    ini.WriteString(Option, u"StyleName", S.StyleName);
    // Files of before never held it: they read and write as they did.
    if (S.ShowTimeSlider)
        ini.WriteString(Option, u"TimeSlider", QStringLiteral("1"));

    for (qsizetype i = 0; i < S.ClockFiles.size(); ++i)
        ini.WriteString(DataFile, QStringLiteral("FileName%1").arg(i), S.ClockFiles[i]);
}
