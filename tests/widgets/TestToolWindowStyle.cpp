#include "clock/TToolWindowStyle.h"

#include <QApplication>
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

QTEST_MAIN(TestToolWindowStyle)
#include "TestToolWindowStyle.moc"
