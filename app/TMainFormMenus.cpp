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

QAction* MakeAction(QObject* Owner, const QString& Caption, const QKeySequence& Shortcut = {})
{
    auto* action = new QAction(Caption, Owner);
    if (!Shortcut.isEmpty())
        action->setShortcut(Shortcut);
    return action;
}

QAction* MakeCheck(QObject* Owner, const QString& Caption)
{
    QAction* action = MakeAction(Owner, Caption);
    action->setCheckable(true);
    return action;
}

} // namespace

void TMainForm::CreateActions()
{
    FileNew1 = MakeAction(this, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    FileNewCity1 = MakeAction(this, QStringLiteral("New for a Cit&y..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    FileOpen1 = MakeAction(this, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    MyMemo1 = MakeAction(this, QStringLiteral("My &Memo..."));
    SendTo1 = MakeAction(this, QStringLiteral("SendTo"));
    DeskTop1 = MakeAction(this, QStringLiteral("DeskTop"));
    StartMenu1 = MakeAction(this, QStringLiteral("StartMenu"));
    StartUp1 = MakeAction(this, QStringLiteral("StartUp"));
    ClearRestart1 = MakeAction(this, QStringLiteral("&Clear Restart..."));
    Exit1 = MakeAction(this, QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4));

    HorizontalSpread1 = MakeAction(this, QStringLiteral("Horizontal Spread"));
    VerticalSpread1 = MakeAction(this, QStringLiteral("Vertical Spread"));
    Cascade1 = MakeAction(this, QStringLiteral("&Cascade"));
    Rotate1 = MakeAction(this, QStringLiteral("Rotate"));

    ShowTitleBar1 = MakeCheck(this, QStringLiteral("TitleBar"));
    ShowMenuBar1 = MakeCheck(this, QStringLiteral("MenuBar"));
    ShowTabs1 = MakeCheck(this, QStringLiteral("WindowTab"));
    ShowCloseButton1 = MakeCheck(this, QStringLiteral("CloseButton"));
    LocateCenter1 = MakeAction(this, QStringLiteral("Locate Center"));
    StayOnTop1 = MakeCheck(this, QStringLiteral("Stay OnTop"));
    SetTitle1 = MakeAction(this, QStringLiteral("Set Title..."));
    Style1 = MakeAction(this, QStringLiteral("Select Style..."));

    ShowHelp1 = MakeAction(this, QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    About1 = MakeAction(this, QStringLiteral("About"));
    Properties1 = MakeAction(this, QStringLiteral("Properties"), QKeySequence(Qt::ALT | Qt::Key_Enter));
    // The main Enter key sends Return; the menu shows the keypad's "Enter".
    Properties1->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Enter), QKeySequence(Qt::ALT | Qt::Key_Return)});
    Donation1 = MakeAction(this, QStringLiteral("Donation"));
    HomeSite1 = MakeAction(this, QStringLiteral("HomeSite"));
    SetDateTime1 = MakeAction(this, QStringLiteral("Set DateTime"));

    PopupShowMenuBar1 = MakeAction(this, QStringLiteral("Show MenuBar"));

    WindowCascade1 = MakeAction(this, QStringLiteral("&Cascade"));
    WindowTileHorizontal1 = MakeAction(this, QStringLiteral("Horizontal Spread"));
    WindowTileVertical1 = MakeAction(this, QStringLiteral("Vertical Spread"));

    connect(FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);
    connect(FileNewCity1, &QAction::triggered, this, &TMainForm::FileNewCity1Execute);
    connect(FileOpen1, &QAction::triggered, this, &TMainForm::FileOpen1Execute);
    connect(ClearRestart1, &QAction::triggered, this, &TMainForm::ClearRestart1Click);
    connect(MyMemo1, &QAction::triggered, this, &TMainForm::MyMemo1Click);
    connect(SendTo1, &QAction::triggered, this, &TMainForm::SendTo1Click);
    connect(DeskTop1, &QAction::triggered, this, &TMainForm::DeskTop1Click);
    connect(StartMenu1, &QAction::triggered, this, &TMainForm::StartMenu1Click);
    connect(StartUp1, &QAction::triggered, this, &TMainForm::StartUp1Click);
    connect(About1, &QAction::triggered, this, &TMainForm::About1Click);
    connect(Style1, &QAction::triggered, this, &TMainForm::Style1Click);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(ShowHelp1, &QAction::triggered, this, [this] { ShellOpen().ShowHelp1Click(); });
    connect(Properties1, &QAction::triggered, this, [this] { ShellOpen().Properties1Click(); });
    connect(Donation1, &QAction::triggered, this, [this] { ShellOpen().Donation1Click(); });
    connect(HomeSite1, &QAction::triggered, this, [this] { ShellOpen().HomeSite1Click(); });
    connect(SetDateTime1, &QAction::triggered, this, [this] { ShellOpen().SetDateTime1Click(); });
    connect(HorizontalSpread1, &QAction::triggered, this, &TMainForm::WindowTileHorizontal1Execute);
    connect(VerticalSpread1, &QAction::triggered, this, &TMainForm::WindowTileVertical1Execute);
    connect(Cascade1, &QAction::triggered, this, &TMainForm::WindowCascade1Execute);
    connect(Rotate1, &QAction::triggered, this, &TMainForm::Rotate1Click);
    connect(LocateCenter1, &QAction::triggered, this, &TMainForm::LocateCenter1Click);
    connect(SetTitle1, &QAction::triggered, this, &TMainForm::SetTitle1Click);
    connect(WindowCascade1, &QAction::triggered, this, &TMainForm::WindowCascade1Execute);
    connect(WindowTileHorizontal1, &QAction::triggered, this, &TMainForm::WindowTileHorizontal1Execute);
    connect(WindowTileVertical1, &QAction::triggered, this, &TMainForm::WindowTileVertical1Execute);
    // A check item has toggled its own mark when triggered fires.
    connect(ShowTitleBar1, &QAction::triggered, this, &TMainForm::ShowTitleBar1Click);
    connect(ShowMenuBar1, &QAction::triggered, this, &TMainForm::ShowMenuBar1Click);
    connect(PopupShowMenuBar1, &QAction::triggered, this, &TMainForm::ShowMenuBar1Click);
    connect(ShowTabs1, &QAction::triggered, this, &TMainForm::ShowTabs1Click);
    connect(ShowCloseButton1, &QAction::triggered, this, &TMainForm::ShowCloseButton1Click);
    connect(StayOnTop1, &QAction::triggered, this, &TMainForm::StayOnTop1Click);

    // Shortcuts keep working while the menu bar is detached.
    addActions({FileNew1, FileNewCity1, FileOpen1, Exit1, ShowHelp1, Properties1});
    UpdateLayoutActions();
}

void TMainForm::CreateMenus()
{
    MainMenu1 = menuBar();

    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->addAction(FileNew1);
    File1->addAction(FileNewCity1);
    File1->addAction(FileOpen1);
    File1->addSeparator();
    File1->addAction(MyMemo1);
    ShortCut1 = File1->addMenu(QStringLiteral("&ShortCut"));
    ShortCut1->addActions({SendTo1, DeskTop1, StartMenu1, StartUp1});
    File1->addSeparator();
    File1->addAction(ClearRestart1);
    File1->addAction(Exit1);

    Window1 = MainMenu1->addMenu(QStringLiteral("&Window"));
    Window1->addAction(HorizontalSpread1);
    Window1->addAction(VerticalSpread1);
    Window1->addAction(Cascade1);
    Window1->addSeparator();
    Window1->addAction(Rotate1);

    View1 = MainMenu1->addMenu(QStringLiteral("&View"));
    View1->addActions({ShowTitleBar1, ShowMenuBar1, ShowTabs1, ShowCloseButton1});
    View1->addSeparator();
    View1->addActions({LocateCenter1, StayOnTop1});
    View1->addSeparator();
    View1->addAction(SetTitle1);
    View1->addSeparator();
    View1->addAction(Style1);
    connect(View1, &QMenu::aboutToShow, this, &TMainForm::View1Click);

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help1->addActions({ShowHelp1, About1, Properties1});
    Help1->addSeparator();
    Help1->addActions({Donation1, HomeSite1});
    Help1->addSeparator();
    Help1->addAction(SetDateTime1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(FileNew1);
    PopupMenu1->addAction(FileNewCity1);
    PopupMenu1->addAction(FileOpen1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(PopupShowMenuBar1);
    PopupMenu1->addAction(Exit1);
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
