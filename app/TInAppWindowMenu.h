#pragma once

#include <QMenu>

// The frame's window menu (Alt+Space): the window system's usual commands,
// each item carrying its system command number, plus what the frame adds.
class TInAppWindowMenu : public QMenu {
    Q_OBJECT

public:
    enum Command : int {
        ScSize = 0xF000,
        ScMove = 0xF010,
        ScMinimize = 0xF020,
        ScMaximize = 0xF030,
        ScClose = 0xF060,
        ScRestore = 0xF120,
        ShowMenuBarCommand = 9001,
    };

    explicit TInAppWindowMenu(QWidget* Window);

    int IndexOfCommand(int Command) const; // -1 when absent
    bool DeleteCommand(int Command);
    bool DeleteAt(int Position);
    void InsertCommand(int Position, const QString& Caption, int Command);
    void InsertSeparator(int Position);
    int CommandAt(int Position) const; // 0 for a separator, -1 past the end

Q_SIGNALS:
    void SysCommand(int Command);

private:
    void UpdateStates();
    QAction* MakeItem(const QString& Caption, int Command);

    QWidget* Window1;
};
