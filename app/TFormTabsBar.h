#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QMdiSubWindow;
class QTabBar;
class QToolButton;

// The frame's tab strip: one tab per clock window with its icon and caption,
// a close button on each tab, the window menu on a tab's context menu, and a
// button at the end listing every tab.
class TFormTabsBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int BarHeight = 30;
    static constexpr int MinTabWidth = 100;
    static constexpr int MaxTabWidth = 250;

    explicit TFormTabsBar(QWidget* Parent = nullptr);

    // Shows one tab per window, in the given order, Active selected.
    void SetWindows(const QList<QMdiSubWindow*>& Windows, QMdiSubWindow* Active);

    QTabBar* Tabs() const { return Tabs1; }
    QToolButton* ListButton() const { return ListButton1; }
    QMdiSubWindow* WindowAt(int Index) const;

Q_SIGNALS:
    void ActivateRequested(QMdiSubWindow* Window);
    void CloseRequested(QMdiSubWindow* Window);

private:
    void ShowTabMenu(const QPoint& Pos);
    void FillListMenu();

    QTabBar* Tabs1 = nullptr;
    QToolButton* ListButton1 = nullptr;
    QList<QPointer<QMdiSubWindow>> Windows1;
    bool Syncing1 = false;
};
