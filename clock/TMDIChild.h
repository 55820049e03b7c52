#pragma once

#include "clock/data/DataFileClaims.h"
#include "datetime/ClockTime.h"
#include "datetime/SolarPosition.h"
#include "datetime/TClockData.h"
#include "datetime/TCompiledFormat.h"
#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"
#include "datetime/TZoneOffset.h"

#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSize>
#include <QString>

#include <cstdint>

class IClockFrame;
class IFontChooser;
class INowSource;
class IStyleService;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class IClockEditor;
class TClockTicker;
class TSunMark;
struct TClockEditOpening;
struct TClockEditResult;
struct TFontChoice;

// The clock time of the latest tick of any clock window. Shared by all of
// them on purpose: every clock writes it when it ticks, and the edit of any
// clock hands it to the properties dialog, whose samples show it.
extern TDateTime ChildDateTime;

// The services a clock window uses, every one required: the constructor
// refuses a set with one missing. A clock shown on its own is given a
// TNoFrame (clock/TNoFrame.h) and a ticker of its own.
struct TClockServices {
    IClockFrame* Frame = nullptr;
    const INowSource* Now = nullptr;
    IStyleService* Style = nullptr;
    IFontChooser* FontChooser = nullptr;
    IClockEditor* Properties = nullptr; // the dialog of the edit command
    TClockTicker* Ticker = nullptr;     // the frame's one timer for all its clocks
};

// One clock: a sub-window of the frame's MDI area showing the clock's name,
// date and time. The frame adds it with QMdiArea::addSubWindow; it deletes
// itself when closed.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    enum TLine { LineName = 0, LineDate = 1, LineTime = 2 };

    // Throws std::invalid_argument when a service is missing.
    explicit TMDIChild(const TClockServices& Services, QWidget* Parent = nullptr);
    ~TMDIChild() override;

    // The frame holding this window.
    IClockFrame& Frame() const;
    // The properties dialog of the edit command.
    IClockEditor& PropertiesDialog() const;
    // PopupMenu2 with its items, made on first use.
    QMenu* ContextMenu();

    // New clock with default settings (the new-clock branch of the frame's
    // OpenClockFile, up to the frame's arrangement).
    void InitNewClock();
    // Loads FileName into this window (the file branch of OpenClockFile, up to
    // the frame's arrangement). Throws when the file exists but cannot be read.
    void LoadClockFile(const QString& FileName);
    // The common end: close box (and window menu) or no caption buttons.
    void SetCloseBox(bool Show);
    bool HasCloseBox() const;

    // Handlers, named after their component and event.
    void Timer1Timer();
    // The instant (ms since 1970, UTC) after the latest tick at which a line
    // can change next.
    qint64 NextChange() const { return NextChange2; }
    // The offset from UTC of the time the clock shows (ms).
    qint64 ShownOffsetMs() const { return ShownOffsetMs2; }
    void FormResize();
    // Writes the clock data file while the frame has its clocks save their
    // files; throws when the file cannot be written.
    void FormCloseQuery();
    // The file the writer would write now: its folder, the clock's name, and
    // a number when another clock holds that file. Empty without a folder.
    QString DataFilePath() const;
    void EditItem2Click();
    void MenuBar2Click();
    void Close2Click();
    void LineFontClick(TLine Line);          // NameFont2Click and twins
    void LineMenuClick(TLine Line);          // Name2Click and twins
    void SetLineAlignment(TLine Line, int Alignment); // NameLeft2Click and twins

    // The three lines' presentation.
    QLabel* Label(TLine Line) const;
    const TLineStyle& LineStyle(TLine Line) const;
    void SetLineStyle(TLine Line, const TLineStyle& Style);

    // The line's font with the colour it shows in, as a font chooser takes it.
    TFontChoice LineFontChoice(TLine Line) const;

    // The clock's name: the name line's text and the window's hint.
    QString ClockName() const { return ClockData_.Name; }
    QString Hint() const { return ClockData_.Name; }
    void SetClockName(const QString& Name);
    // Sets the clock's offset, the caption (offset text) and the tag.
    void SetOffset(TDateTime Offset);
    int Tag() const { return Tag2; }
    // Sets the clock's locale and rebuilds MyFS2.
    void SetLocale(LCID Locale);
    // The clock follows the zone with this IANA id; empty: a fixed offset.
    void SetTimeZone(const QString& Id);

    // The clock's whole state, as its data file stores it.
    const TClockData& ClockData() const { return ClockData_; }
    void SetClockData(const TClockData& Data);
    const TFormatSettings& FormatSettings() const { return MyFS2; }
    // The format of the date line (LineDate) or of the time line (LineTime).
    void SetLineFormat(TLine Line, const TLineFormat& Format);

    // Components. The context menu's members stay null until ContextMenu().
    // Timer1 drives the tick: the ticker of the services, which the frame
    // shares among all its clocks.
    TClockTicker* Timer1 = nullptr;
    QLabel* LabelName2 = nullptr;
    QLabel* LabelDate2 = nullptr;
    QLabel* LabelTime2 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* MenuBar2 = nullptr;
    QAction* EditItem2 = nullptr;
    QMenu* Name2 = nullptr;
    QAction* NameFont2 = nullptr;
    QAction* NameLeft2 = nullptr;
    QAction* NameCenter2 = nullptr;
    QAction* NameRight2 = nullptr;
    QMenu* Date2 = nullptr;
    QAction* DateFont2 = nullptr;
    QAction* DateLeft2 = nullptr;
    QAction* DateCenter2 = nullptr;
    QAction* DateRight2 = nullptr;
    QMenu* Time2 = nullptr;
    QAction* TimeFont2 = nullptr;
    QAction* TimeLeft2 = nullptr;
    QAction* TimeCenter2 = nullptr;
    QAction* TimeRight2 = nullptr;
    QAction* Close2 = nullptr;
    IFontChooser* FontDialog1 = nullptr;
    IFontChooser* FontDialog2 = nullptr;
    IFontChooser* FontDialog3 = nullptr;

    // Where the clock was loaded from; the writer saves into its folder.
    QString DataFileName2;

protected:
    void closeEvent(QCloseEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

public:
    static constexpr QSize InitialClientSize{244, 181};
    // The initial size, or more where the three lines need it to show uncut.
    QSize sizeHint() const override;
    // Grows the window (never shrinks it) so that its lines show uncut.
    void GrowToLines();

private:
    void CreateLabels();
    void CreateMenu();
    QMenu* CreateLineMenu(TLine Line, const QString& Caption, QAction*& Font, QAction*& Left,
                          QAction*& Center, QAction*& Right);
    void ApplyLine(TLine Line);
    void ApplyLineColor(TLine Line);
    QColor ColorOf(std::uint32_t Color) const;
    const INowSource& NowSource() const;
    TDateTime Now() const;
    // The clock's time now: this PC's time plus the offset, or UTC converted
    // by the clock's zone, which keeps the offset, caption and tag current
    // (TMDIChildZone.cpp).
    TDateTime ClockTime();
    // The clock at this PC's reading Pc; a zone clock's offset, caption and
    // tag follow the zone (call it with now only: a chosen moment never moves them).
    TClockReading ReadClock(const TNowReading& Pc);
    // The clock's lines at the ticker's chosen moment, or now.
    TClockReading ReadShown();
    void SetMomentMark(bool Shown);
    // The ticker ticks this clock at once (its formats, offset or zone changed).
    void TickSoon();
    void FollowZone(int SecondsFromPc);
    TLineStyle& LineData(TLine Line);
    // The edit round trip with the properties dialog (TMDIChildEdit.cpp):
    // the clock as the edit opens, and the edited clock taken back.
    TClockEditOpening EditOpening();
    void TakeEdit(const TClockEditResult& Edited);
    // The line shows Text; a changed line renames the window for screen
    // readers.
    void SetLineText(QLabel* Label, const QString& Text);
    void UpdateAccessibleName();
    QSize LinesSize() const; // the room the three lines' texts take
    // The MDI area "deactivates" every other window when one becomes active,
    // and each of them repaints its unchanged caption: with many clocks that
    // is most of the cost of making or activating one. Only the window that
    // loses the activation needs the repaint; the others are held back
    // between aboutToActivate and windowStateChanged.
    void HoldIdleCaptions();
    void ReleaseIdleCaptions();

    TClockServices Services2;
    bool MenuBarChecked2 = true; // the mark of MenuBar2, also before the menu exists
    QWidget* Client2 = nullptr;
    TClockData ClockData_;   // the clock's whole state
    TFormatSettings MyFS2;   // the conventions of ClockData_.LocaleID
    TZoneOffset Zone_;       // the rules of ClockData_.TimeZone
    int ZoneFromPc_ = 0;     // the zone's offset from this PC last shown, in seconds
    bool ZoneShown_ = false; // ZoneFromPc_ is shown in the offset, caption and tag
    int Tag2 = 0;
    bool Sized2 = false;
    bool LoadFailed2 = false; // a failed load must never be saved over its file
    TDataFileClaims::TClockId ClaimId() const;
    mutable TDataFileClaims::TClockId ClaimId_ = 0; // given on first use
    QString DateBuffer2; // reused by every tick
    QString TimeBuffer2;
    // The tick's formats, compiled anew when DateFormat2 or TimeFormat2
    // changes; SetLocale drops them.
    TCompiledFormat CompiledDate;
    TCompiledFormat CompiledTime;
    QList<QPointer<QMdiSubWindow>> HeldCaptions2;
    QPointer<TClockTicker> Ticker2; // the frame's may go before its clocks
    qint64 NextChange2 = 0;
    qint64 ShownOffsetMs2 = 0;
    bool MomentMark2 = false; // the time line shows a chosen moment, not now

    // Day and night at the clock's place (TMDIChildSun.cpp): a zone clock
    // named after a city of its zone is there, else at the zone's main city.
    void FindPlace();
    void PlaceSunMark();
    void ShowSun(qint64 UtcMs);
    std::optional<TGeoPlace> Place2; // none for a fixed-offset clock
    TSunMark* SunMark2 = nullptr;    // shown while the clock has a place
    qint64 SunMinute2 = 0;           // the minute the mark was worked out for
};
