#include "app/data/WindowArrangement.h"

#include <QTest>

class TestWindowArrangement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tilingCoversTheAreaWithoutOverlap_data();
    void tilingCoversTheAreaWithoutOverlap();
    void tilingMakesRowsOrColumns_data();
    void tilingMakesRowsOrColumns();
    void cascadeStaysInsideTheArea_data();
    void cascadeStaysInsideTheArea();
    void cascadeStepsAndKeepsSizes();
};

namespace {

void addCountsAndAreas()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("rows");
    for (const int count : {1, 2, 7, 50}) {
        for (const auto& [name, area] : {std::pair{"small", QRect(0, 0, 190, 130)},
                                         std::pair{"large", QRect(0, 30, 1920, 1050)}}) {
            QTest::addRow("%d in %s, rows", count, name) << count << area << true;
            QTest::addRow("%d in %s, columns", count, name) << count << area << false;
        }
    }
}

} // namespace

void TestWindowArrangement::tilingCoversTheAreaWithoutOverlap_data() { addCountsAndAreas(); }

void TestWindowArrangement::tilingCoversTheAreaWithoutOverlap()
{
    QFETCH(int, count);
    QFETCH(QRect, area);
    QFETCH(bool, rows);
    const QList<QRect> rects = TileRects(count, area, rows);
    QCOMPARE(rects.size(), count);
    // Inside, pairwise apart, and together as large as the area: covered.
    qint64 sum = 0;
    for (qsizetype i = 0; i < rects.size(); ++i) {
        const QRect& r = rects[i];
        QVERIFY2(area.contains(r), qPrintable(QDebug::toString(r)));
        QVERIFY(r.width() > 0 && r.height() > 0);
        for (qsizetype j = 0; j < i; ++j)
            QVERIFY2(!rects[j].intersects(r), qPrintable(QDebug::toString(r)));
        sum += qint64(r.width()) * r.height();
    }
    QCOMPARE(sum, qint64(area.width()) * area.height());
}

void TestWindowArrangement::tilingMakesRowsOrColumns_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("rows");
    QTest::addColumn<QList<QRect>>("expected");
    const QRect area(0, 0, 300, 200);
    QTest::newRow("one fills the area") << 1 << true << QList<QRect>{area};
    QTest::newRow("two rows") << 2 << true << QList<QRect>{{0, 0, 300, 100}, {0, 100, 300, 100}};
    QTest::newRow("two columns") << 2 << false << QList<QRect>{{0, 0, 150, 200}, {150, 0, 150, 200}};
    QTest::newRow("three rows")
        << 3 << true << QList<QRect>{{0, 0, 300, 66}, {0, 66, 300, 67}, {0, 133, 300, 67}};
    // Five: two lines, the first one with three windows.
    QTest::newRow("five in two columns of rows")
        << 5 << true
        << QList<QRect>{{0, 0, 150, 66}, {0, 66, 150, 67}, {0, 133, 150, 67}, {150, 0, 150, 100}, {150, 100, 150, 100}};
    QTest::newRow("five in two rows of columns")
        << 5 << false
        << QList<QRect>{{0, 0, 100, 100}, {100, 0, 100, 100}, {200, 0, 100, 100}, {0, 100, 150, 100}, {150, 100, 150, 100}};
}

void TestWindowArrangement::tilingMakesRowsOrColumns()
{
    QFETCH(int, count);
    QFETCH(bool, rows);
    QFETCH(QList<QRect>, expected);
    QCOMPARE(TileRects(count, QRect(0, 0, 300, 200), rows), expected);
}

void TestWindowArrangement::cascadeStaysInsideTheArea_data() { addCountsAndAreas(); }

void TestWindowArrangement::cascadeStaysInsideTheArea()
{
    QFETCH(int, count);
    QFETCH(QRect, area);
    const QList<QSize> sizes(count, QSize(260, 220));
    const QList<QRect> rects = CascadeRects(sizes, area.size(), 24);
    QCOMPARE(rects.size(), count);
    for (const QRect& r : rects) {
        QVERIFY2(QRect(QPoint(0, 0), area.size()).contains(r), qPrintable(QDebug::toString(r)));
        QVERIFY(!r.isEmpty());
    }
}

void TestWindowArrangement::cascadeStepsAndKeepsSizes()
{
    // Room for the whole diagonal: sizes stay, each window one step further.
    const QList<QRect> fits = CascadeRects({{200, 150}, {220, 160}, {180, 140}}, {800, 600}, 20);
    QCOMPARE(fits, (QList<QRect>{{0, 0, 200, 150}, {20, 20, 220, 160}, {40, 40, 180, 140}}));
    // Too big for the diagonal: shrunk to area minus the spread.
    const QList<QRect> shrunk = CascadeRects({{500, 400}, {500, 400}, {500, 400}}, {400, 300}, 20);
    QCOMPARE(shrunk, (QList<QRect>{{0, 0, 360, 260}, {20, 20, 360, 260}, {40, 40, 360, 260}}));
    // A diagonal too long to shrink into starts again at the top left.
    const QList<QRect> wrapped = CascadeRects(QList<QSize>(10, {150, 100}), {200, 160}, 30);
    QCOMPARE(wrapped[0], QRect(0, 0, 150, 100));
    QCOMPARE(wrapped[1], QRect(30, 30, 150, 100));
    QCOMPARE(wrapped[2], QRect(0, 0, 150, 100));
    QVERIFY(CascadeRects({}, {400, 300}, 20).isEmpty());
}

QTEST_APPLESS_MAIN(TestWindowArrangement)
#include "TestWindowArrangement.moc"
