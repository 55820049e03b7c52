#include "app/data/ResizeEdge.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<TResizeCursor>)

class TestResizeEdge : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void edgeOfTheFrameAt100_100_400x300_data();
    void edgeOfTheFrameAt100_100_400x300();
};

void TestResizeEdge::edgeOfTheFrameAt100_100_400x300_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("edge");
    QTest::addColumn<std::optional<TResizeCursor>>("cursor");
    const std::optional<TResizeCursor> kept;

    // Left 100, top 100, width 400, height 300: bands 100..107, 493..499 across
    // and 100..107, 393..399 down.
    QTest::newRow("left") << 105 << 300 << 1 << std::optional(CursorSizeWE);
    QTest::newRow("top-left") << 105 << 105 << 4 << std::optional(CursorSizeNWSE);
    QTest::newRow("top") << 300 << 107 << 3 << std::optional(CursorSizeNS);
    QTest::newRow("row T+m keeps the cursor") << 300 << 108 << 0 << kept;
    QTest::newRow("row T+H-m keeps the cursor") << 300 << 392 << 0 << kept;
    QTest::newRow("bottom") << 300 << 393 << 6 << std::optional(CursorSizeNS);
    QTest::newRow("right") << 493 << 300 << 2 << std::optional(CursorSizeWE);
    QTest::newRow("inside") << 300 << 300 << 0 << std::optional(CursorDefault);
    QTest::newRow("top-right") << 495 << 102 << 5 << std::optional(CursorSizeNESW);
    QTest::newRow("bottom-left") << 101 << 398 << 7 << std::optional(CursorSizeNESW);
    QTest::newRow("bottom-right") << 499 << 399 << 8 << std::optional(CursorSizeNWSE);
    QTest::newRow("left band ends at 107") << 108 << 300 << 0 << std::optional(CursorDefault);
    QTest::newRow("right band starts at 493") << 492 << 300 << 0 << std::optional(CursorDefault);
    QTest::newRow("left end of row T+m") << 101 << 108 << 0 << kept;
    QTest::newRow("above the frame counts as top") << 300 << 50 << 3 << std::optional(CursorSizeNS);
}

void TestResizeEdge::edgeOfTheFrameAt100_100_400x300()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, edge);
    QFETCH(std::optional<TResizeCursor>, cursor);
    const TResizeHit hit = ResizeEdgeAt(x, y, 100, 400, 100, 300);
    QCOMPARE(int(hit.Edge), edge);
    QCOMPARE(hit.Cursor.has_value(), cursor.has_value());
    if (cursor)
        QCOMPARE(int(*hit.Cursor), int(*cursor));
}

QTEST_APPLESS_MAIN(TestResizeEdge)
#include "TestResizeEdge.moc"
