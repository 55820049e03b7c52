#include "app/TFormTabsBar.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

namespace {

// Tabs stay between the bar's minimum and maximum width whatever the caption.
class TClampedTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int Index) const override
    {
        QSize size = QTabBar::tabSizeHint(Index);
        size.setWidth(std::clamp(size.width(), TFormTabsBar::MinTabWidth, TFormTabsBar::MaxTabWidth));
        return size;
    }
    QSize minimumTabSizeHint(int Index) const override
    {
        QSize size = QTabBar::minimumTabSizeHint(Index);
        size.setWidth(TFormTabsBar::MinTabWidth);
        return size;
    }
};

} // namespace

TFormTabsBar::TFormTabsBar(QWidget* Parent)
    : QWidget(Parent)
{
    setFixedHeight(BarHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Tabs1 = new TClampedTabBar(this);
    Tabs1->setTabsClosable(true);
    Tabs1->setExpanding(false);
    Tabs1->setElideMode(Qt::ElideRight);
    Tabs1->setUsesScrollButtons(true);
    Tabs1->setDocumentMode(true);
    Tabs1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(Tabs1, 1);

    ListButton1 = new QToolButton(this);
    ListButton1->setArrowType(Qt::DownArrow);
    ListButton1->setAutoRaise(true);
    ListButton1->setPopupMode(QToolButton::InstantPopup);
    ListButton1->setToolTip(tr("All tabs"));
    ListButton1->setAccessibleName(tr("All tabs")); // an arrow alone names nothing
    auto* list = new QMenu(ListButton1);
    ListButton1->setMenu(list);
    layout->addWidget(ListButton1);

    connect(list, &QMenu::aboutToShow, this, &TFormTabsBar::FillListMenu);
    connect(Tabs1, &QTabBar::currentChanged, this, [this](int Index) {
        if (!Syncing1)
            if (QMdiSubWindow* window = WindowAt(Index))
                Q_EMIT ActivateRequested(window);
    });
    connect(Tabs1, &QTabBar::tabCloseRequested, this, [this](int Index) {
        if (QMdiSubWindow* window = WindowAt(Index))
            Q_EMIT CloseRequested(window);
    });
    connect(Tabs1, &QWidget::customContextMenuRequested, this, &TFormTabsBar::ShowTabMenu);
}

QMdiSubWindow* TFormTabsBar::WindowAt(int Index) const
{
    return Index >= 0 && Index < Windows1.size() ? Windows1[Index].data() : nullptr;
}

void TFormTabsBar::SetWindows(const QList<QMdiSubWindow*>& Windows, QMdiSubWindow* Active)
{
    Syncing1 = true;
    while (Tabs1->count() > Windows.size())
        Tabs1->removeTab(Tabs1->count() - 1);
    // A close button placed on a new tab lays out every tab: many new tabs
    // get theirs at once, after one layout.
    const bool many = Windows.size() - Tabs1->count() > 1;
    if (many)
        Tabs1->setTabsClosable(false);
    Windows1.clear();
    for (int i = 0; i < Windows.size(); ++i) {
        QMdiSubWindow* window = Windows[i];
        Windows1.append(window);
        if (i >= Tabs1->count())
            Tabs1->addTab(QString());
        const QString caption = window->windowTitle();
        QString text = caption;
        text.replace(u'&', QStringLiteral("&&")); // shown literally, not as an access key
        if (Tabs1->tabText(i) != text) {
            Tabs1->setTabText(i, text);
            Tabs1->setTabToolTip(i, caption); // a caption cut short shows in full
        }
        // Setting an icon lays out every tab again: only a new one is set.
        const QIcon icon = window->windowIcon();
        if (Tabs1->tabIcon(i).cacheKey() != icon.cacheKey())
            Tabs1->setTabIcon(i, icon);
        if (window == Active)
            Tabs1->setCurrentIndex(i);
    }
    if (many)
        Tabs1->setTabsClosable(true);
    Syncing1 = false;
}

void TFormTabsBar::ShowTabMenu(const QPoint& Pos)
{
    QMdiSubWindow* window = WindowAt(Tabs1->tabAt(Pos));
    if (window && window->systemMenu())
        window->systemMenu()->popup(Tabs1->mapToGlobal(Pos));
}

void TFormTabsBar::FillListMenu()
{
    QMenu* list = ListButton1->menu();
    list->clear();
    for (int i = 0; i < Tabs1->count(); ++i) {
        QAction* item = list->addAction(Tabs1->tabIcon(i), Tabs1->tabText(i));
        item->setCheckable(true);
        item->setChecked(i == Tabs1->currentIndex());
        connect(item, &QAction::triggered, this, [this, i] {
            if (QMdiSubWindow* window = WindowAt(i))
                Q_EMIT ActivateRequested(window);
        });
    }
}
