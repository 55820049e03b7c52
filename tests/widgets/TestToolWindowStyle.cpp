#include "clock/TToolWindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QImage>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

class TestToolWindowStyle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cachedIconIsTheBaseStylesIcon_data();
    void cachedIconIsTheBaseStylesIcon();
    void paletteChangeMakesIconsAnew();
    void iconsWithAnOptionAreNotCached();
    void subWindowsUnderTheWrappedApplicationStyleShareIcons();
};

void TestToolWindowStyle::cachedIconIsTheBaseStylesIcon_data()
{
    QTest::addColumn<int>("icon");
    QTest::newRow("menu") << int(QStyle::SP_TitleBarMenuButton);
    QTest::newRow("minimise") << int(QStyle::SP_TitleBarMinButton);
    QTest::newRow("maximise") << int(QStyle::SP_TitleBarMaxButton);
    QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton);
    QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton);
    QTest::newRow("details") << int(QStyle::SP_FileDialogDetailedView);
}

void TestToolWindowStyle::cachedIconIsTheBaseStylesIcon()
{
    QFETCH(int, icon);
    const auto which = QStyle::StandardPixmap(icon);
    TToolWindowStyle* style = TToolWindowStyle::Shared();
    const QIcon first = style->standardIcon(which);
    const QIcon again = style->standardIcon(which);
    QVERIFY(!first.isNull());
    QCOMPARE(again.cacheKey(), first.cacheKey());
    const QIcon base = style->baseStyle()->standardIcon(which);
    QCOMPARE(first.pixmap(16).toImage(), base.pixmap(16).toImage());
}

void TestToolWindowStyle::paletteChangeMakesIconsAnew()
{
    TToolWindowStyle* style = TToolWindowStyle::Shared();
    const QPalette before = QApplication::palette();
    const qint64 old = style->standardIcon(QStyle::SP_TitleBarCloseButton).cacheKey();
    QApplication::setPalette(QPalette(Qt::darkCyan));
    const QIcon changed = style->standardIcon(QStyle::SP_TitleBarCloseButton);
    QApplication::setPalette(before);
    QVERIFY(!changed.isNull());
    QVERIFY(changed.cacheKey() != old);
}

void TestToolWindowStyle::iconsWithAnOptionAreNotCached()
{
    TToolWindowStyle* style = TToolWindowStyle::Shared();
    QStyleOption option;
    option.direction = Qt::RightToLeft;
    const QIcon first = style->standardIcon(QStyle::SP_TitleBarMenuButton, &option);
    const QIcon second = style->standardIcon(QStyle::SP_TitleBarMenuButton, &option);
    QVERIFY(!first.isNull());
    QVERIFY(first.cacheKey() != second.cacheKey());
    QVERIFY(style->standardIcon(QStyle::SP_TitleBarMenuButton).cacheKey() != first.cacheKey());
}

void TestToolWindowStyle::subWindowsUnderTheWrappedApplicationStyleShareIcons()
{
    QStyle* plain = QApplication::style();
    auto* wrapped = new TIconCachingStyle(plain);
    QApplication::setStyle(wrapped);
    QCOMPARE(QApplication::style(), wrapped);
    QCOMPARE(wrapped->baseStyle(), plain); // kept, not deleted by the swap
    // The sub-window's constructor reads its menu and caption icons.
    QMdiSubWindow first;
    QMdiSubWindow second;
    const QList<QAction*> a = first.systemMenu()->actions();
    const QList<QAction*> b = second.systemMenu()->actions();
    QCOMPARE(a.size(), b.size());
    int withIcon = 0;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i]->icon().isNull())
            continue;
        ++withIcon;
        QCOMPARE(b[i]->icon().cacheKey(), a[i]->icon().cacheKey());
        const QImage shown = a[i]->icon().pixmap(16).toImage();
        QVERIFY(!shown.isNull());
    }
    QVERIFY(withIcon >= 4);
    const QIcon close = wrapped->standardIcon(QStyle::SP_TitleBarCloseButton);
    QCOMPARE(close.pixmap(16).toImage(), plain->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16).toImage());
}

QTEST_MAIN(TestToolWindowStyle)
#include "TestToolWindowStyle.moc"
