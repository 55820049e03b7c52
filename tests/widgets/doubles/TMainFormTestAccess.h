#pragma once

#include "app/TMainForm.h"

#include <QAction>
#include <QMenu>
#include <QtGlobal>

class QListWidget;
class QMdiArea;

// The one way tests (and the benchmarks) reach inside the frame: its fields,
// and what a test cannot send it through the window system (window
// messages, mouse moves, dropped files). Its commands are reached through
// their actions (FrameAction), which tests the wiring too.
class TMainFormTestAccess {
public:
    static QMdiArea& Area(const TMainForm& Frame) { return *Frame.MdiArea1; }
    static TFormTabsBar& TabsBar(const TMainForm& Frame) { return *Frame.FormTabsBar1; }
    static QListWidget& StyleList(const TMainForm& Frame) { return *Frame.ListBox1; }
    static TInAppWindowMenu& SystemMenu(const TMainForm& Frame) { return *Frame.SystemMenu1; }
    static TCitySearchBox* CitySearch(const TMainForm& Frame) { return Frame.CitySearch1; }

    static QAction*& LastAction(TMainForm& Frame) { return Frame.LastAction1; }
    static bool IsStyleChanged(const TMainForm& Frame) { return Frame.IsStyleChanged; }
    static short ResizeCursor(const TMainForm& Frame) { return Frame.ResizeCursor1; }
    static constexpr int TileHorizontal = TMainForm::TileHorizontal;
    static constexpr int TileVertical = TMainForm::TileVertical;
    static int TileMode(const TMainForm& Frame) { return Frame.TileMode1; }
    static int AlphaBlendValue(const TMainForm& Frame) { return Frame.AlphaBlendValue(); }
    static void SetAlphaBlendValue(TMainForm& Frame, int Value) { Frame.SetAlphaBlendValue(Value); }
    static QList<QMdiSubWindow*> SubWindows(const TMainForm& Frame) { return Frame.SubWindows(); }
    static int MDIChildCount(const TMainForm& Frame) { return Frame.MDIChildCount(); }

    static const QString& IniFileName(const TMainForm& Frame) { return Frame.IniFileName; }
    static const QString& DataFolder(const TMainForm& Frame) { return Frame.DataFolder; }
    static const QString& StyleName(const TMainForm& Frame) { return Frame.StyleName; }
    static bool SaveDataFiles(const TMainForm& Frame) { return Frame.SaveDataFiles; }
    static void SetSaveDataFiles(TMainForm& Frame, bool Save) { Frame.SaveDataFiles = Save; }

    static void WMSysCommand(TMainForm& Frame, int Command) { Frame.WMSysCommand(Command); }
    static void WMDropFiles(TMainForm& Frame, const QStringList& Paths) { Frame.WMDropFiles(Paths); }
    static void FormMouseMove(TMainForm& Frame, Qt::MouseButtons Buttons, const QPoint& Client, const QPoint& Screen)
    {
        Frame.FormMouseMove(Buttons, Client, Screen);
    }
    static int GetResizeEdge(TMainForm& Frame, int X, int Y, int Left, int Width, int Top, int Height)
    {
        return Frame.GetResizeEdge(X, Y, Left, Width, Top, Height);
    }
    // The screen made to disagree with the View marks, as another program could.
    static void SetTitleBar(TMainForm& Frame, bool Show) { Frame.SetTitleBar(Show); }
    static void AddSystemMenuItem(TMainForm& Frame) { Frame.AddSystemMenuItem(); }
    static void ExecuteLastAction(TMainForm& Frame) { Frame.ExecuteLastAction(); }
};

// An item or a menu of the frame by its object name ("FileNew1", "View1").
inline QAction& FrameAction(const TMainForm& Frame, const char* Name)
{
    auto* action = Frame.findChild<QAction*>(QLatin1String(Name));
    if (!action)
        qFatal("The frame has no action %s", Name);
    return *action;
}

inline QMenu& FrameMenu(const TMainForm& Frame, const char* Name)
{
    auto* menu = Frame.findChild<QMenu*>(QLatin1String(Name));
    if (!menu)
        qFatal("The frame has no menu %s", Name);
    return *menu;
}
