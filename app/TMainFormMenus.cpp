// The frame's actions, menu bar, context menu and tab strip, built in one place.
#include "app/TFormTabsBar.h"
#include "app/TInAppWindowMenu.h"
#include "app/TMainForm.h"
#include "clock/TMDIChild.h"
#include "shell/TShellOpen.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// An item named as the code and the tests know it.
QAction* MakeAction(QObject* Owner, const char* Name, const QString& Caption, const QKeySequence& Shortcut = {})
{
    auto* action = new QAction(Caption, Owner);
    action->setObjectName(QLatin1String(Name));
    if (!Shortcut.isEmpty())
        action->setShortcut(Shortcut);
    return action;
}

QAction* MakeCheck(QObject* Owner, const char* Name, const QString& Caption)
{
    QAction* action = MakeAction(Owner, Name, Caption);
    action->setCheckable(true);
    return action;
}

QMenu* AddMenu(QMenuBar* Bar, const char* Name, const QString& Caption)
{
    QMenu* menu = Bar->addMenu(Caption);
    menu->setObjectName(QLatin1String(Name));
    return menu;
}

} // namespace

void TMainForm::CreateActions()
{
    MainMenu1 = menuBar();
    CreateLayoutActions();
    const TFileItems file = CreateFileMenu();
    CreateWindowMenu();
    CreateViewMenu();
    CreateHelpMenu();
    CreatePopupMenu(file);
    UpdateLayoutActions();
}

void TMainForm::CreateLayoutActions()
{
    WindowCascade1 = MakeAction(this, "WindowCascade1", QStringLiteral("&Cascade"));
    WindowTileHorizontal1 = MakeAction(this, "WindowTileHorizontal1", QStringLiteral("Horizontal Spread"));
    WindowTileVertical1 = MakeAction(this, "WindowTileVertical1", QStringLiteral("Vertical Spread"));
    connect(WindowCascade1, &QAction::triggered, this, &TMainForm::WindowCascade1Execute);
    connect(WindowTileHorizontal1, &QAction::triggered, this, &TMainForm::WindowTileHorizontal1Execute);
    connect(WindowTileVertical1, &QAction::triggered, this, &TMainForm::WindowTileVertical1Execute);
}

TMainForm::TFileItems TMainForm::CreateFileMenu()
{
    QAction* fileNew = MakeAction(this, "FileNew1", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    // "New for a City...": a clock in one step.
    QAction* fileNewCity = MakeAction(this, "FileNewCity1", QStringLiteral("New for a Cit&y..."),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    QAction* fileOpen = MakeAction(this, "FileOpen1", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* myMemo = MakeAction(this, "MyMemo1", QStringLiteral("My &Memo..."));
    QAction* sendTo = MakeAction(this, "SendTo1", QStringLiteral("SendTo"));
    QAction* deskTop = MakeAction(this, "DeskTop1", QStringLiteral("DeskTop"));
    QAction* startMenu = MakeAction(this, "StartMenu1", QStringLiteral("StartMenu"));
    QAction* startUp = MakeAction(this, "StartUp1", QStringLiteral("StartUp"));
    QAction* clearRestart = MakeAction(this, "ClearRestart1", QStringLiteral("&Clear Restart..."));
    QAction* exit = MakeAction(this, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(fileNew, &QAction::triggered, this, &TMainForm::FileNew1Execute);
    connect(fileNewCity, &QAction::triggered, this, &TMainForm::FileNewCity1Execute);
    connect(fileOpen, &QAction::triggered, this, &TMainForm::FileOpen1Execute);
    connect(myMemo, &QAction::triggered, this, &TMainForm::MyMemo1Click);
    connect(sendTo, &QAction::triggered, this, &TMainForm::SendTo1Click);
    connect(deskTop, &QAction::triggered, this, &TMainForm::DeskTop1Click);
    connect(startMenu, &QAction::triggered, this, &TMainForm::StartMenu1Click);
    connect(startUp, &QAction::triggered, this, &TMainForm::StartUp1Click);
    connect(clearRestart, &QAction::triggered, this, &TMainForm::ClearRestart1Click);
    connect(exit, &QAction::triggered, this, &TMainForm::Exit1Click);

    QMenu* file = AddMenu(MainMenu1, "File1", QStringLiteral("&File"));
    file->addAction(fileNew);
    file->addAction(fileNewCity);
    file->addAction(fileOpen);
    file->addSeparator();
    file->addAction(myMemo);
    QMenu* shortCut = file->addMenu(QStringLiteral("&ShortCut"));
    shortCut->setObjectName(QStringLiteral("ShortCut1"));
    shortCut->addActions({sendTo, deskTop, startMenu, startUp});
    file->addSeparator();
    file->addAction(clearRestart);
    file->addAction(exit);
    // Shortcuts keep working while the menu bar is detached.
    addActions({fileNew, fileNewCity, fileOpen, exit});
    return {fileNew, fileNewCity, fileOpen, exit};
}

void TMainForm::CreateWindowMenu()
{
    // The menu's items run the layout handlers also while no clock exists.
    QAction* horizontalSpread = MakeAction(this, "HorizontalSpread1", QStringLiteral("Horizontal Spread"));
    QAction* verticalSpread = MakeAction(this, "VerticalSpread1", QStringLiteral("Vertical Spread"));
    QAction* cascade = MakeAction(this, "Cascade1", QStringLiteral("&Cascade"));
    QAction* rotate = MakeAction(this, "Rotate1", QStringLiteral("Rotate"));
    connect(horizontalSpread, &QAction::triggered, this, &TMainForm::WindowTileHorizontal1Execute);
    connect(verticalSpread, &QAction::triggered, this, &TMainForm::WindowTileVertical1Execute);
    connect(cascade, &QAction::triggered, this, &TMainForm::WindowCascade1Execute);
    connect(rotate, &QAction::triggered, this, &TMainForm::Rotate1Click);

    QMenu* window = AddMenu(MainMenu1, "Window1", QStringLiteral("&Window"));
    window->addAction(horizontalSpread);
    window->addAction(verticalSpread);
    window->addAction(cascade);
    window->addSeparator();
    window->addAction(rotate);
}

void TMainForm::CreateViewMenu()
{
    ShowTitleBar1 = MakeCheck(this, "ShowTitleBar1", QStringLiteral("TitleBar"));
    ShowMenuBar1 = MakeCheck(this, "ShowMenuBar1", QStringLiteral("MenuBar"));
    ShowTabs1 = MakeCheck(this, "ShowTabs1", QStringLiteral("WindowTab"));
    ShowCloseButton1 = MakeCheck(this, "ShowCloseButton1", QStringLiteral("CloseButton"));
    QAction* locateCenter = MakeAction(this, "LocateCenter1", QStringLiteral("Locate Center"));
    StayOnTop1 = MakeCheck(this, "StayOnTop1", QStringLiteral("Stay OnTop"));
    QAction* setTitle = MakeAction(this, "SetTitle1", QStringLiteral("Set Title..."));
    QAction* style = MakeAction(this, "Style1", QStringLiteral("Select Style..."));
    TimeSlider1 = MakeCheck(this, "TimeSlider1", QStringLiteral("&Time Slider"));
    TimeSlider1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    // A check item has toggled its own mark when triggered fires.
    connect(ShowTitleBar1, &QAction::triggered, this, &TMainForm::ShowTitleBar1Click);
    connect(ShowMenuBar1, &QAction::triggered, this, &TMainForm::ShowMenuBar1Click);
    connect(ShowTabs1, &QAction::triggered, this, &TMainForm::ShowTabs1Click);
    connect(ShowCloseButton1, &QAction::triggered, this, &TMainForm::ShowCloseButton1Click);
    connect(StayOnTop1, &QAction::triggered, this, &TMainForm::StayOnTop1Click);
    connect(locateCenter, &QAction::triggered, this, &TMainForm::LocateCenter1Click);
    connect(setTitle, &QAction::triggered, this, &TMainForm::SetTitle1Click);
    connect(style, &QAction::triggered, this, &TMainForm::Style1Click);
    connect(TimeSlider1, &QAction::triggered, this, &TMainForm::TimeSlider1Click);

    QMenu* view = AddMenu(MainMenu1, "View1", QStringLiteral("&View"));
    view->addActions({ShowTitleBar1, ShowMenuBar1, ShowTabs1, ShowCloseButton1});
    view->addSeparator();
    view->addActions({locateCenter, StayOnTop1});
    view->addSeparator();
    view->addAction(setTitle);
    view->addSeparator();
    view->addAction(style);
    view->addSeparator();
    view->addAction(TimeSlider1);
    addAction(TimeSlider1); // the key works without the menu bar too
    connect(view, &QMenu::aboutToShow, this, &TMainForm::View1Click);
}

void TMainForm::CreateHelpMenu()
{
    QAction* showHelp = MakeAction(this, "ShowHelp1", QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    QAction* about = MakeAction(this, "About1", QStringLiteral("About"));
    QAction* properties = MakeAction(this, "Properties1", QStringLiteral("Properties"));
    // The main Enter key sends Return; the menu shows the keypad's "Enter".
    properties->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Enter), QKeySequence(Qt::ALT | Qt::Key_Return)});
    QAction* donation = MakeAction(this, "Donation1", QStringLiteral("Donation"));
    QAction* homeSite = MakeAction(this, "HomeSite1", QStringLiteral("HomeSite"));
    QAction* setDateTime = MakeAction(this, "SetDateTime1", QStringLiteral("Set DateTime"));
    connect(showHelp, &QAction::triggered, this, [this] { ShellOpen().ShowHelp1Click(); });
    connect(about, &QAction::triggered, this, &TMainForm::About1Click);
    connect(properties, &QAction::triggered, this, [this] { ShellOpen().Properties1Click(); });
    connect(donation, &QAction::triggered, this, [this] { ShellOpen().Donation1Click(); });
    connect(homeSite, &QAction::triggered, this, [this] { ShellOpen().HomeSite1Click(); });
    connect(setDateTime, &QAction::triggered, this, [this] { ShellOpen().SetDateTime1Click(); });

    QMenu* help = AddMenu(MainMenu1, "Help1", QStringLiteral("&Help"));
    help->addActions({showHelp, about, properties});
    help->addSeparator();
    help->addActions({donation, homeSite});
    help->addSeparator();
    help->addAction(setDateTime);
    addActions({showHelp, properties});
}

void TMainForm::CreatePopupMenu(const TFileItems& File)
{
    QAction* showMenuBar = MakeAction(this, "PopupShowMenuBar1", QStringLiteral("Show MenuBar"));
    connect(showMenuBar, &QAction::triggered, this, &TMainForm::ShowMenuBar1Click);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(File.New);
    PopupMenu1->addAction(File.NewCity);
    PopupMenu1->addAction(File.Open);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(showMenuBar);
    PopupMenu1->addAction(File.Exit);
}

void TMainForm::CreateTabBar()
{
    connect(FormTabsBar1, &TFormTabsBar::ActivateRequested, this,
            [this](QMdiSubWindow* Window) { MdiArea1->setActiveSubWindow(Window); });
    connect(FormTabsBar1, &TFormTabsBar::CloseRequested, this,
            [](QMdiSubWindow* Window) { Window->close(); });
    connect(MdiArea1, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* Window) {
        if (Window) // re-showing the frame reports a null activation first
            SyncTabs();
    });
}

void TMainForm::SyncTabs()
{
    if (!FormTabsBar1->isHidden())
        FillTabs();
}

void TMainForm::FillTabs()
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : MdiArea1->subWindowList(QMdiArea::CreationOrder))
        if (!window->isHidden()) // a closed window lingers until deleted
            windows.append(window);
    FormTabsBar1->SetWindows(windows, MdiArea1->activeSubWindow());
}

void TMainForm::UpdateLayoutActions()
{
    const bool any = MdiArea1 && !MdiArea1->subWindowList().isEmpty();
    for (QAction* action : {WindowCascade1, WindowTileHorizontal1, WindowTileVertical1})
        if (action)
            action->setEnabled(any);
}

void TMainForm::View1Click()
{
    ShowTitleBar1->setChecked(!IsFrameless());
    ShowMenuBar1->setChecked(IsMenuBarShown());
    ShowTabs1->setChecked(!FormTabsBar1->isHidden());
    if (auto* active = qobject_cast<TMDIChild*>(MdiArea1->currentSubWindow()))
        ShowCloseButton1->setChecked(active->HasCloseBox());
    else if (const QList<TMDIChild*> clocks = ClockWindows(); !clocks.isEmpty())
        ShowCloseButton1->setChecked(clocks.first()->HasCloseBox());
}
