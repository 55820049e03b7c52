#include "app/TInAppWindowMenu.h"

#include <QAction>

TInAppWindowMenu::TInAppWindowMenu(QWidget* Window)
    : QMenu(Window), Window1(Window)
{
    addAction(MakeItem(tr("&Restore"), ScRestore));
    addAction(MakeItem(tr("&Move"), ScMove));
    addAction(MakeItem(tr("&Size"), ScSize));
    addAction(MakeItem(tr("Mi&nimize"), ScMinimize));
    addAction(MakeItem(tr("Ma&ximize"), ScMaximize));
    addSeparator();
    QAction* close = MakeItem(tr("&Close"), ScClose);
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    addAction(close);
    connect(this, &QMenu::aboutToShow, this, &TInAppWindowMenu::UpdateStates);
}

QAction* TInAppWindowMenu::MakeItem(const QString& Caption, int Command)
{
    auto* item = new QAction(Caption, this);
    item->setData(Command);
    connect(item, &QAction::triggered, this, [this, Command] { Q_EMIT SysCommand(Command); });
    return item;
}

int TInAppWindowMenu::IndexOfCommand(int Command) const
{
    const QList<QAction*> items = actions();
    for (int i = 0; i < items.size(); ++i)
        if (!items[i]->isSeparator() && items[i]->data().toInt() == Command)
            return i;
    return -1;
}

int TInAppWindowMenu::CommandAt(int Position) const
{
    const QList<QAction*> items = actions();
    if (Position < 0 || Position >= items.size())
        return -1;
    return items[Position]->isSeparator() ? 0 : items[Position]->data().toInt();
}

bool TInAppWindowMenu::DeleteCommand(int Command)
{
    return DeleteAt(IndexOfCommand(Command));
}

bool TInAppWindowMenu::DeleteAt(int Position)
{
    const QList<QAction*> items = actions();
    if (Position < 0 || Position >= items.size())
        return false;
    QAction* item = items[Position];
    removeAction(item);
    if (item->parent() == this)
        delete item;
    return true;
}

void TInAppWindowMenu::InsertCommand(int Position, const QString& Caption, int Command)
{
    const QList<QAction*> items = actions();
    insertAction(Position < items.size() ? items[Position] : nullptr, MakeItem(Caption, Command));
}

void TInAppWindowMenu::InsertSeparator(int Position)
{
    const QList<QAction*> items = actions();
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    insertAction(Position < items.size() ? items[Position] : nullptr, separator);
}

void TInAppWindowMenu::UpdateStates()
{
    const bool normal = !(Window1->isMaximized() || Window1->isMinimized() || Window1->isFullScreen());
    for (QAction* item : actions()) {
        switch (item->data().toInt()) {
        case ScRestore: item->setEnabled(!normal); break;
        case ScMove:
        case ScSize: item->setEnabled(normal); break;
        case ScMinimize: item->setEnabled(!Window1->isMinimized()); break;
        case ScMaximize: item->setEnabled(!Window1->isMaximized()); break;
        default: break;
        }
    }
}
