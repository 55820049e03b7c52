#pragma once

#include "app/data/TFrameSettings.h"
#include "clock/IClockFrame.h"
#include "datetime/TDateTime.h"
#include "datetime/WorkingShade.h"
#include "platform/IOpenFileDialog.h"

#include <QList>
#include <QMargins>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QBoxLayout;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class IFontChooser;
class IMessageBoxes;
class INowSource;
class TShellOpen;
class IWindowSystem;
class IStyleService;
class TMDIChild;
class TClockTicker;
class TInAppWindowMenu;
class TCitySearchBox;
class TZoneCatalogSource;
class TFormTabsBar;
class TTimeStrip;
struct TForm4Services;

// What the frame asks of the platform, every member required: the
// constructor refuses a set with one missing. The application's come from
// TDesktopServices; tests put doubles in.
struct TFrameServices {
    IWindowSystem* WindowSystem = nullptr;
    IMessageBoxes* MessageBoxes = nullptr;
    IStyleService* Styles = nullptr;
    const TShellOpen* ShellOpen = nullptr; // the shell gateway of the whole application
    IOpenFileDialog* OpenDialog = nullptr;
    const INowSource* Now = nullptr;     // the PC's clock, for the frame and its clocks
    IFontChooser* FontChooser = nullptr; // the font dialog of the clock windows
    // Ends the process at once, without close queries (Clear Restart).
    std::function<void()> Terminate = {};
};

// The multiple-document frame: holds every clock window, its menus, its
// view state and the application settings file.
class TMainForm : public QMainWindow, public IClockFrame {
    Q_OBJECT

public:
    // Runs FormCreate: derives the per-user paths, reads and applies the
    // settings file. The frame is not shown. Throws std::invalid_argument
    // when a service is missing.
    explicit TMainForm(const TFrameServices& Services, QWidget* Parent = nullptr);
    ~TMainForm() override;

    // The only maker of clock windows: empty name = a new clock.
    void OpenClockFile(const QString& FileName);
    // The parameters after the executable's name (the application's by default).
    void SetCommandLine(const QStringList& Parameters) { CommandLine1 = Parameters; }
    // Clock windows in the frame's list order: most recently activated first.
    QList<TMDIChild*> ClockWindows() const;

    // Runs the close sequence and reports whether the frame may close: for
    // closeEvent, and for the session's end, which saves without closing.
    bool FormCloseQuery();
    // While the clocks of the last run are being reopened a close waits.
    bool IsOpeningClocks() const { return OpeningClocks1; }
    // Application-wide handler of errors that reach the event loop.
    void ExceptionEvent(QObject* Sender, const std::exception& E);

    // What the style dialog changes in the frame.
    TForm4Services StyleDialogServices();
    // The run's zone and city catalog, for the frame's city search and the
    // properties dialog alike.
    const std::shared_ptr<TZoneCatalogSource>& ZoneCatalogs() const { return ZoneCatalogs_; }

    // IClockFrame
    bool IsMenuBarShown() const override;
    void SetMenuBarShown(bool Show) override;
    QString ClockDataFolder() const override;
    QString SettingsFolder() const override;
    LCID DefaultClockLocale() const override;
    bool ClocksSaveFiles() const override;
    void ReportClockError(std::exception_ptr Error) override;
    TDataFileClaims& DataFileClaims() override { return ClockFileClaims; }

protected:
    void closeEvent(QCloseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private Q_SLOTS:
    // The commands, named after their item and event; the actions that run
    // them are made in CreateActions (TMainFormMenus.cpp).
    void FileNew1Execute();
    // File > "New for a City...": the city search over the frame; a pick
    // makes a new clock named after the city, with its zone.
    void FileNewCity1Execute();
    void FileOpen1Execute();
    void ClearRestart1Click();
    // File > My Memo and the File > ShortCut items.
    void MyMemo1Click();
    void SendTo1Click();
    void DeskTop1Click();
    void StartMenu1Click();
    void StartUp1Click();
    void Exit1Click();
    void FileExit1Execute();

    // Layout commands.
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void Rotate1Click();

    // View items: a check item has set its own mark; its handler makes the
    // screen match the mark.
    void ShowTitleBar1Click();
    void ShowMenuBar1Click();
    void ShowTabs1Click();
    void ShowCloseButton1Click();
    void StayOnTop1Click();
    void View1Click(); // refreshes the View marks from the screen
    void LocateCenter1Click();
    void SetTitle1Click();
    // View > "Select Style...": the style dialog; "Cancel" restores the style
    // and the opacity of before. StyleName holds the active style afterwards.
    void Style1Click();

    // Help > About.
    void About1Click();

private:
    void FormCreate();
    // At a showing of the frame: while no clock has been made yet, reopens the
    // clocks of the command line or of the last run, then applies the tabs.
    void ShowingChanged();
    void SetTitleBar(bool Show);
    void AddSystemMenuItem();
    void FormResize();
    void ExecuteLastAction(); // runs LastAction1 when set and enabled
    // A command of the window menu (Alt+Space); 9001 toggles the menu bar.
    void WMSysCommand(int Command);
    // A mouse move over the frame's bare surface (Client in frame, Screen in
    // screen coordinates): sets the edge cursor; with the left button down
    // it moves the frame, or sizes a frame without title bar from its edge.
    void FormMouseMove(Qt::MouseButtons Buttons, const QPoint& Client, const QPoint& Screen);
    // The edge code of the screen point X, Y on the frame's outer bounds;
    // sets ResizeCursor1 except on the rows between the tests.
    int GetResizeEdge(int X, int Y, int Left, int Width, int Top, int Height);
    // Files dropped onto the frame: the first one is opened as a clock.
    void WMDropFiles(const QStringList& Paths);
    void NewClockForCity(const QString& Name, const QString& Zone);

    // The frame's opacity, 0 (invisible) to 255 (opaque).
    int AlphaBlendValue() const { return AlphaBlendValue1; }
    void SetAlphaBlendValue(int Value);
    QList<QMdiSubWindow*> SubWindows() const;
    int MDIChildCount() const;
    IMessageBoxes& MessageBoxes() const { return *Services1.MessageBoxes; }
    const TShellOpen& ShellOpen() const { return *Services1.ShellOpen; }
    IWindowSystem& WindowSystem() const { return *Services1.WindowSystem; }
    IStyleService& Styles() const { return *Services1.Styles; }
    // The frame's state as the settings file stores it.
    TFrameSettings FrameSettings() const;

    void PlaceShortCut(int FolderNumber, const QString& Kind);
    bool OpenClockFileReported(const QString& FileName);
    void BeginOpeningClocks();
    void EndOpeningClocks();
    void ShowOpenedClock(QMdiSubWindow* Clock);
    void ActivateLastOpenedClock();
    QStringList ReadSavedClockSet();
    bool DataFolderUsable() const;
    void ReportUnwritableFolder();
    // Lets pending messages run, gives each clock the focus in list order, repaints.
    void FocusEachClockAndRepaint();
    bool CloseWithoutSaving(const QStringList& Failures);
    static QString IniBesideExecutable();
    static bool IsReadable(const QString& FileName);
    QRect OuterGeometry() const;
    QMargins Decoration() const; // the window manager's frame, as last measured
    void SetOuterGeometry(const QRect& Outer);
    void ReapplyPendingGeometry();
    void WaitForFrame();
    void LoadSettings(const QString& FileName);
    void ApplyFrameSettings(const TFrameSettings& Settings);
    void SaveSettings(const QString& FileName);
    // The menu bar, the context menu and every command's action, in one place.
    void CreateActions();
    void CreateLayoutActions();
    // Each menu with its items; the File menu's new, open and exit items
    // serve the context menu too.
    struct TFileItems {
        QAction* New;
        QAction* NewCity;
        QAction* Open;
        QAction* Exit;
    };
    TFileItems CreateFileMenu();
    void CreateWindowMenu();
    void CreateViewMenu();
    void CreateHelpMenu();
    void CreatePopupMenu(const TFileItems& File);
    void CreateTabBar();
    void SyncTabs(); // when the tabs show
    void FillTabs();
    void UpdateLayoutActions();
    void TileWindows(int Mode);
    void CascadeWindows();
    void AddAtDefaultPlace(QMdiSubWindow* Window);
    bool IsStackedInOrder(const QList<QMdiSubWindow*>& BackToFront) const;
    bool IsFrameless() const;
    bool SurfaceEvent(QEvent* Event);
    bool IsFreeBarPart(QObject* Bar, const QPoint& Pos) const;
    bool BarEvent(QObject* Bar, QEvent* Event);
    void FollowManualDrag(const QPoint& Screen);
    void SetFrameless(bool Frameless);

    // What later code reads of the menus: the menu bar, the context menu,
    // the View marks and the layout actions. The other items are made and
    // wired in CreateActions and found by their object names.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // the frame's context menu
    QAction* ShowTitleBar1 = nullptr;
    QAction* ShowMenuBar1 = nullptr;
    QAction* ShowTabs1 = nullptr;
    QAction* ShowCloseButton1 = nullptr;
    QAction* StayOnTop1 = nullptr;
    // Layout actions: enabled only while a clock window exists; triggering
    // one runs its Execute handler.
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;

    TFormTabsBar* FormTabsBar1 = nullptr; // one tab per clock window, hidden at creation
    QListWidget* ListBox1 = nullptr; // hidden, sorted: the style names on offer
    QMdiArea* MdiArea1 = nullptr;    // the client area holding the clock windows

    QAction* LastAction1 = nullptr; // remembered layout, or none
    int LastTileMode1 = -1;
    short ResizeCursor1 = 0;
    bool IsStyleChanged = false;
    static constexpr int TileHorizontal = 0;
    static constexpr int TileVertical = 1;
    int TileMode1 = TileHorizontal;
    TOpenDialogOptions OpenDialog1; // the settings of File > Open's dialog

    TFrameServices Services1;
    TInAppWindowMenu* SystemMenu1 = nullptr; // the window menu (Alt+Space), holding "Show MenuBar(&B)"
    TCitySearchBox* CitySearch1 = nullptr; // made at its first use
    std::shared_ptr<TZoneCatalogSource> ZoneCatalogs_;
    bool SettingsUnreadable1 = false; // never overwrite a file we could not read
    QRect PendingOuter1;              // re-applied once the window manager has framed us
    int PendingTries1 = 0;
    mutable QMargins Decoration1; // the frame's margins while it had one
    int CaptionHeight1 = 0;       // the caption's height when it was switched off
    bool Reframed1 = false;       // the window manager is framing the window anew
    int AlphaBlendValue1 = 255;
    int ManualDragEdge1 = -1; // the edge followed by hand, -1 while none
    QPoint ManualDragStart1;
    QRect ManualDragOuter1;
    bool DragHandedOver1 = false; // the window manager follows the mouse
    std::optional<QPoint> PressScreen1; // where the left button went down on the surface
    bool DragFromBar1 = false; // the press was on the free part of the menu or tab bar
    QStringList CommandLine1; // parameters 1..n
    bool OpeningClocks1 = false; // a close asked for meanwhile waits for the end
    bool CloseDeferred1 = false;
    QPointer<QMdiSubWindow> LastOpenedClock; // activated when a set has opened
    TClockTicker* ClockTicker1 = nullptr; // the one wake-up of all clock windows
    TDataFileClaims ClockFileClaims;

    // The time slider (TMainFormMoment.cpp): View > "Time Slider" shows the
    // strip under the clocks; a moment chosen there is shown by every clock.
    void CreateTimeStrip(QBoxLayout* Layout);
    void TimeSlider1Click();
    void ShowMoment(std::optional<qint64> UtcMs);
    void CopyMoment();
    void RefreshMomentShading();
    std::vector<TShade> MomentShades(qint64 FirstUtcMs, int Steps) const;
    // The frame's title without the moment it may show; the settings keep this.
    QString Caption() const;
    void SetCaption(const QString& Caption);
    QAction* TimeSlider1 = nullptr;
    TTimeStrip* TimeStrip1 = nullptr;
    QString MomentTitle1; // what the title adds while a moment is shown
    bool ShadingDue1 = false; // a shading of the slider's track is on its way

    // The state of the frame's module, set at its creation (and by Clear
    // Restart and the style dialog where noted).
    QString IniFileName;          // full path of the application settings file
    QString DataFolder;           // the per-user data folder
    TDateTime StartTime = 0;      // moment the frame was created
    LCID DefaultLocaleID = 1033;  // process locale; locale of new clocks
    bool SaveDataFiles = true;    // clock windows write their files on closing only while true
    QString StyleName = QStringLiteral("Windows"); // chosen visual style

    // Tests reach the fields, window messages and mouse moves through it.
    friend class TMainFormTestAccess;
};
