#include "app/TMainForm.h"

#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TClockArea.h"
#include "app/TFormTabsBar.h"
#include "app/TInAppWindowMenu.h"
#include "app/TPendulorApplication.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "dialogs/TForm3.h"
#include "common/EPendulorError.h"
#include "common/RequireService.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/TZoneCatalogSource.h"
#include "platform/locale/ILocaleDatabase.h"
#include "platform/TStyleService.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QShortcut>
#include <QTabBar>
#include <QTime>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The services as given, once each is there.
const TFrameServices& Complete(const TFrameServices& Services)
{
    const char* const Window = "The frame";
    RequireService(Services.WindowSystem, Window, "a window system");
    RequireService(Services.MessageBoxes, Window, "message boxes");
    RequireService(Services.Styles, Window, "a style service");
    RequireService(Services.ShellOpen, Window, "a shell gateway");
    RequireService(Services.OpenDialog, Window, "an open dialog");
    RequireService(Services.Now, Window, "a clock to read");
    RequireService(Services.FontChooser, Window, "a font chooser");
    RequireService(Services.Terminate, Window, "a way to end the process");
    return Services;
}

} // namespace

TMainForm::TMainForm(const TFrameServices& Services, QWidget* Parent)
    : QMainWindow(Parent), Services1(Complete(Services))
{
    ZoneCatalogs_ = std::make_shared<TZoneCatalogSource>(
        [] { return ProcessLocale::Database().GetUserDefaultLocaleName(); });
    ClockTicker1 = new TClockTicker(nullptr, {}, this);
    if (auto* styles = dynamic_cast<TStyleService*>(Services1.Styles))
        connect(styles, &TStyleService::ActiveStyleChanged, this, [this, styles] {
            // The area caches its brush: take the new style's work-space colour.
            MdiArea1->setBackground(styles->ColorOf(clAppWorkSpace));
        });

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FormTabsBar1 = new TFormTabsBar(client);
    FormTabsBar1->hide();
    layout->addWidget(FormTabsBar1);
    MdiArea1 = new TClockArea(client);
    MdiArea1->setBackground(palette().brush(QPalette::Dark));
    MdiArea1->viewport()->setMouseTracking(true); // the edge cursor follows the mouse
    MdiArea1->viewport()->installEventFilter(this);
    layout->addWidget(MdiArea1, 1);
    setCentralWidget(client);

    // A window of its own that is never shown: as a hidden child it would
    // still be offered to screen readers among the frame's controls.
    ListBox1 = new QListWidget(this);
    ListBox1->setWindowFlags(Qt::Window);
    ListBox1->setSortingEnabled(true);
    ListBox1->hide();

    SystemMenu1 = new TInAppWindowMenu(this);
    connect(SystemMenu1, &TInAppWindowMenu::SysCommand, this, &TMainForm::WMSysCommand);
    // Window managers keep Alt+Space for their own menu; Shift+Alt+Space and
    // the middle button on the bare surface reach this one everywhere.
    for (const QKeySequence& key : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Space)}) {
        auto* systemKey = new QShortcut(key, this);
        connect(systemKey, &QShortcut::activated, this, [this] { SystemMenu1->popup(mapToGlobal(QPoint(0, 0))); });
    }

    CommandLine1 = QCoreApplication::arguments().mid(1);
    OpenDialog1.DefaultExt = QStringLiteral("dat");
    OpenDialog1.NameFilters = {QStringLiteral(u"データファイル (*.dat)"), QStringLiteral(u"すべてのファイル (*)")};
    OpenDialog1.MultiSelect = true;
    CreateActions();
    CreateTabBar();
    CreateTimeStrip(layout);
    for (QWidget* bar : {static_cast<QWidget*>(MainMenu1), static_cast<QWidget*>(FormTabsBar1),
                         static_cast<QWidget*>(FormTabsBar1->Tabs())})
        bar->installEventFilter(this);
    FormCreate();
}

TMainForm::~TMainForm()
{
    // The widgets' teardown deletes the tab bar before the clock windows:
    // from here on no signal of theirs may reach the frame.
    FormTabsBar1->disconnect(this);
    MdiArea1->disconnect(this);
    for (QMdiSubWindow* window : MdiArea1->subWindowList())
        window->disconnect(this);
    if (auto* app = qobject_cast<TPendulorApplication*>(QCoreApplication::instance()))
        app->SetExceptionHandler({});
}

void TMainForm::FormCreate()
{
    StartTime = Services1.Now->Now();
    setWindowTitle(AppName);
    DataFolder = GetDataFolder(MakerFolderName);
    IniFileName = DataFolderUsable() ? GetIniFileName(MakerFolderName) : IniBesideExecutable();
    LoadSettings(IniFileName);
    ReportUnwritableFolder();
    DefaultLocaleID = ProcessLocale::Identifier();
    SetFrameless(!ShowTitleBar1->isChecked());
    IsStyleChanged = false;
    FormResize();
    if (auto* app = qobject_cast<TPendulorApplication*>(QCoreApplication::instance()))
        app->SetExceptionHandler([this](QObject* Sender, const std::exception& E) { ExceptionEvent(Sender, E); });
    SaveDataFiles = true;
    AddSystemMenuItem();
    (void)QRandomGenerator::global(); // seeded from the system on first use
    setAcceptDrops(true);
}

bool TMainForm::DataFolderUsable() const
{
    QDir dir(DataFolder);
    return dir.exists() || QDir().mkpath(DataFolder);
}

QString TMainForm::IniBesideExecutable()
{
    QString path = QCoreApplication::applicationFilePath();
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash)
        path.truncate(dot);
    return path + QStringLiteral(".ini");
}

QList<QMdiSubWindow*> TMainForm::SubWindows() const
{
    QList<QMdiSubWindow*> windows = MdiArea1->subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(windows.begin(), windows.end());
    return windows;
}

QList<TMDIChild*> TMainForm::ClockWindows() const
{
    QList<TMDIChild*> clocks;
    for (QMdiSubWindow* window : SubWindows())
        if (auto* clock = qobject_cast<TMDIChild*>(window))
            clocks.append(clock);
    return clocks;
}

int TMainForm::MDIChildCount() const
{
    return int(MdiArea1->subWindowList().size());
}

void TMainForm::OpenClockFile(const QString& FileName)
{
    IsStyleChanged = true;
    auto* child = new TMDIChild(TClockServices{.Frame = this,
                                               .Now = Services1.Now,
                                               .Style = Services1.Styles,
                                               .FontChooser = Services1.FontChooser,
                                               .Properties = Form3,
                                               .Ticker = ClockTicker1});
    child->setAttribute(Qt::WA_DeleteOnClose);
    AddAtDefaultPlace(child);
    child->DataFileName2 = FileName;
    ShowOpenedClock(child);
    UpdateLayoutActions();
    try {
        if (FileName.isEmpty()) {
            child->InitNewClock();
            child->GrowToLines();
            if (MDIChildCount() == 1)
                LastAction1 = WindowCascade1;
            ExecuteLastAction();
        } else {
            child->LoadClockFile(FileName);
            child->Timer1Timer(); // the time line's text, for its width
            child->GrowToLines();
            CascadeWindows();
        }
    } catch (...) {
        // A half-made clock would write its defaults over the file at close.
        child->setAttribute(Qt::WA_DeleteOnClose, false);
        delete child;
        UpdateLayoutActions();
        throw;
    }
    child->SetCloseBox(ShowCloseButton1->isChecked());
    child->Timer1Timer();
    if (OpeningClocks1)
        LastOpenedClock = child;
    connect(child, &QWidget::windowTitleChanged, this, &TMainForm::SyncTabs);
    connect(child, &QObject::destroyed, this, [this] {
        UpdateLayoutActions();
        SyncTabs();
        RefreshMomentShading();
    });
    SyncTabs();
    RefreshMomentShading();
}

void TMainForm::ShowOpenedClock(QMdiSubWindow* Clock)
{
    // Showing activates a sub-window, and every activation repaints the
    // caption of every other window: a set of hundreds would cost the square
    // of its size. Within a set a clock is shown disabled, which the area
    // does not activate; the last one opened is activated at the end.
    if (!OpeningClocks1) {
        Clock->show();
        return;
    }
    Clock->setEnabled(false);
    Clock->show();
    Clock->setEnabled(true);
}

void TMainForm::ActivateLastOpenedClock()
{
    if (LastOpenedClock && !LastOpenedClock->isHidden())
        MdiArea1->setActiveSubWindow(LastOpenedClock);
    LastOpenedClock = nullptr;
}

void TMainForm::FileNew1Execute()
{
    OpenClockFile(QString());
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::FileExit1Execute()
{
    close();
}

void TMainForm::ExceptionEvent(QObject* Sender, const std::exception& E)
{
    Q_UNUSED(Sender);
    const QString message = MessageOf(E);
    // Sixteen F's name an all-ones address or handle: a fault of the window
    // machinery, not of anything the user did or has. It is not reported;
    // passing the focus through the clocks and repainting brings them back.
    if (message.contains(QStringLiteral("FFFFFFFFFFFFFFFF"))) {
        FocusEachClockAndRepaint();
    } else {
        TMessageDialogs(MessageBoxes()).ShowPlain(
            QStringLiteral("E.Message=\"") + message + QStringLiteral("\""));
    }
    QCoreApplication::processEvents();
}

void TMainForm::FocusEachClockAndRepaint()
{
    QCoreApplication::processEvents();
    const int count = MDIChildCount();
    for (int i = 0; i < count; ++i) {
        const QList<QMdiSubWindow*> windows = SubWindows(); // focus reorders the list
        if (i < windows.size()) {
            MdiArea1->setActiveSubWindow(windows[i]);
            windows[i]->setFocus();
        }
    }
    repaint();
}

bool TMainForm::IsMenuBarShown() const
{
    return !MainMenu1->isHidden();
}

void TMainForm::SetMenuBarShown(bool Show)
{
    MainMenu1->setVisible(Show);
}

QString TMainForm::ClockDataFolder() const
{
    return DataFolder;
}

QString TMainForm::SettingsFolder() const
{
    return IniFileName.isEmpty() ? QString() : QFileInfo(IniFileName).path();
}

LCID TMainForm::DefaultClockLocale() const
{
    return DefaultLocaleID;
}

bool TMainForm::ClocksSaveFiles() const
{
    return SaveDataFiles;
}

void TMainForm::ReportClockError(std::exception_ptr Error)
{
    // Rethrown from a queued call, it reaches the application's handler
    // like any other error of an event handler.
    QMetaObject::invokeMethod(
        qApp, [Error] { std::rethrow_exception(Error); }, Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent* Event)
{
    if (OpeningClocks1) {
        // Closing now would record only the clocks made so far.
        CloseDeferred1 = true;
        Event->ignore();
        return;
    }
    if (FormCloseQuery())
        Event->accept();
    else
        Event->ignore();
}

