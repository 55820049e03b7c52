#include "clock/TSunMark.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Ink(200, 30, 40);

// The mark as it paints itself over a white ground.
QImage Painted(bool Up, const QColor& Color = Ink)
{
    QWidget Ground;
    Ground.setAutoFillBackground(true);
    Ground.setPalette(QPalette(Qt::white));
    TSunMark Mark(&Ground);
    Mark.SetColor(Color);
    Mark.SetState(Up);
    Mark.resize(Mark.sizeHint());
    Ground.resize(Mark.size());
    return Ground.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int PixelsOf(const QImage& Image, const QColor& Color)
{
    int Count = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            Count += Image.pixelColor(x, y) == Color;
    return Count;
}

QImage Only(const QImage& Image, const QColor& Color)
{
    QImage Mask(Image.size(), QImage::Format_Mono);
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            Mask.setPixel(x, y, Image.pixelColor(x, y) == Color);
    return Mask;
}

} // namespace

class TestSunMark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void statesPaintDifferentShapesInTheColour()
    {
        const QImage Up = Painted(true);
        const QImage Down = Painted(false);
        QVERIFY(PixelsOf(Up, Ink) > 10);
        QVERIFY(PixelsOf(Down, Ink) > 10);
        QVERIFY(Only(Up, Ink) != Only(Down, Ink));
        // The sun's disc fills the middle; the crescent leaves it open.
        const QPoint Middle(Up.width() / 2, Up.height() / 2);
        QCOMPARE(Up.pixelColor(Middle), Ink);
        QCOMPARE(Down.pixelColor(Middle), QColor(Qt::white));
        // Another colour is taken up.
        const QColor Other(20, 90, 200);
        QCOMPARE(PixelsOf(Painted(true, Other), Ink), 0);
        QCOMPARE(PixelsOf(Painted(true, Other), Other), PixelsOf(Up, Ink));
    }

    void nameAndTipFollowTheState()
    {
        TSunMark Mark;
        Mark.SetState(true);
        QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(&Mark);
        QVERIFY(Accessible);
        QCOMPARE(Accessible->text(QAccessible::Name), u"Sun up"_s);
        const QString UpTip = Mark.toolTip();
        Mark.SetState(false);
        QCOMPARE(Accessible->text(QAccessible::Name), u"Sun down"_s);
        QVERIFY(!Mark.toolTip().isEmpty());
        QVERIFY(Mark.toolTip() != UpTip);
    }

    void takesNeitherFocusNorTheMouse()
    {
        QWidget Parent;
        Parent.resize(120, 40);
        auto* Before = new QPushButton(u"A"_s, &Parent);
        auto* Mark = new TSunMark(&Parent);
        auto* After = new QPushButton(u"B"_s, &Parent);
        Before->setGeometry(0, 0, 40, 20);
        Mark->setGeometry(50, 5, Mark->sizeHint().width(), Mark->sizeHint().height());
        After->setGeometry(80, 0, 40, 20);
        Parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Parent));
        // The point under the mark belongs to its parent.
        QCOMPARE(Parent.childAt(Mark->geometry().center()), nullptr);
        // Tab passes it by.
        Before->setFocus();
        QTest::keyClick(Before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), After);
    }

    void growsWithTheFont()
    {
        TSunMark Mark;
        QFont Font = Mark.font();
        Font.setPixelSize(12);
        Mark.setFont(Font);
        const QSize Small = Mark.sizeHint();
        QVERIFY2(Small.width() >= 10 && Small.width() <= 18, qPrintable(QString::number(Small.width())));
        QCOMPARE(Small.height(), Small.width());
        Font.setPixelSize(24);
        Mark.setFont(Font);
        QVERIFY(Mark.sizeHint().width() >= 2 * Small.width() - 2);
    }
};

QTEST_MAIN(TestSunMark)
#include "TestSunMark.moc"
