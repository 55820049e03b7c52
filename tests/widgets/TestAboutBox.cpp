#include "common/BuildInfo.h"
#include "dialogs/TAboutBox.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"
#include "tests/widgets/doubles/TFakeMessageBoxes.h"
#include "tests/widgets/doubles/TFakeShell.h"
#include "tests/widgets/doubles/TFakeStyleService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QLabel>
#include <QTest>

#include <memory>

// The box with a recording shell behind its icon and a colour sequence in
// place of the random generator.
class TestAboutBox : public QObject {
    Q_OBJECT

private:
    TFakeShell Shell;
    TFakeMessageBoxes Boxes;
    TFakeStyleService Styles;
    QList<quint32> Colors;
    int ColorsDrawn = 0;

    std::unique_ptr<TAboutBox> MakeBox(const TShellOpen& Gateway)
    {
        TAboutServices Services;
        Services.Styles = &Styles;
        Services.OpenDownloadPage = [&Gateway] { Gateway.MyShellExecuteOpen1(DownloadPageUrl(), QString()); };
        Services.RandomColor = [this] { return Colors.at(ColorsDrawn++ % Colors.size()); };
        auto Box = std::make_unique<TAboutBox>(QStringLiteral("line 1\r\nline 2\r\n"), Services);
        Box->resize(400, 300);
        return Box;
    }

private Q_SLOTS:
    void init()
    {
        Shell = TFakeShell();
        Boxes = TFakeMessageBoxes();
        Styles.Active = QStringLiteral("Windows");
        Colors = {0x0000FF, 0xFF0000}; // red, odd: left to right; blue, even: top to bottom
        ColorsDrawn = 0;
    }

    void the_box_as_built()
    {
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, AppName));
        const auto Box = MakeBox(Gateway);
        QCOMPARE(Box->windowTitle(), AppName);
        QCOMPARE(Box->text(), QStringLiteral("line 1\nline 2"));
        QCOMPARE(Box->buttons().size(), 1);
        QCOMPARE(Box->buttons().first()->text(), QStringLiteral("OK"));
        QCOMPARE(Box->buttons().first()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(Box->windowFlags() & Qt::Tool);
        QVERIFY(!(Box->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(Box->IconLabel());
        QVERIFY(!Box->IconLabel()->pixmap().isNull());
        QCOMPARE(Box->IconLabel()->toolTip(), DownloadPageUrl());
        QCOMPARE(Box->IconLabel()->cursor().shape(), Qt::PointingHandCursor);
    }

    void gradient_under_windows_with_a_new_colour_per_paint()
    {
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, AppName));
        const auto Box = MakeBox(Gateway);
        QVERIFY(Box->HasGradient());
        const QImage First = Box->grab().toImage();
        QCOMPARE(Box->LastGradientColor(), quint32(0x0000FF));
        const QImage Second = Box->grab().toImage();
        QCOMPARE(Box->LastGradientColor(), quint32(0xFF0000));
        // Odd: white at the left edge, red at the right; even: blue at the bottom.
        const int W = First.width(), H = First.height();
        const QColor Left = First.pixel(0, 1);
        QVERIFY2(Left.red() > 250 && Left.green() > 250 && Left.blue() > 250, qPrintable(Left.name()));
        const QColor Right = First.pixel(W - 1, 1);
        QVERIFY2(Right.red() > 240 && Right.green() < 20 && Right.blue() < 20, qPrintable(Right.name()));
        const QColor Bottom = Second.pixel(1, H - 1);
        QVERIFY2(Bottom.blue() > 240 && Bottom.red() < 20 && Bottom.green() < 20, qPrintable(Bottom.name()));
        const QColor TopRight = Second.pixel(W - 1, 0);
        QVERIFY2(TopRight.red() > 240 && TopRight.green() > 240, qPrintable(TopRight.name()));
        // A part repainted behind one child keeps the colour around it.
        QPixmap Part(Box->size());
        Box->render(&Part, QPoint(), QRegion(10, 10, 40, 20));
        QCOMPARE(Box->LastGradientColor(), quint32(0xFF0000));
        QCOMPARE(ColorsDrawn, 2);
    }

    void no_gradient_under_another_style()
    {
        Styles.Active = QStringLiteral("Windows10 Dark");
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, AppName));
        const auto Box = MakeBox(Gateway);
        QVERIFY(!Box->HasGradient());
        const QImage Shot = Box->grab().toImage();
        QCOMPARE(ColorsDrawn, 0);
        QCOMPARE(QColor(Shot.pixel(Shot.width() - 1, 1)), Box->palette().color(QPalette::Window));
    }

    void icon_click_opens_the_download_page_and_the_box_stays()
    {
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, AppName));
        const auto Box = MakeBox(Gateway);
        Box->show();
        QVERIFY(QTest::qWaitForWindowExposed(Box.get()));
        QTest::mouseClick(Box->IconLabel(), Qt::LeftButton);
        QCOMPARE(Shell.Calls.size(), 1);
        QCOMPARE(Shell.Calls.first().Operation, QStringLiteral("OpenUrl"));
        QCOMPARE(Shell.Calls.first().Target, DownloadPageUrl());
        QVERIFY(Boxes.Shown.isEmpty());
        QVERIFY(Box->isVisible());
        const QPoint Centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((Box->frameGeometry().center() - Centre).manhattanLength() <= 2, "not centred on the screen");
    }

    void a_failed_open_is_reported_by_the_gateway()
    {
        Shell.Result = TShellResult::Failure(TShellResult::NoAssociationCode, 95);
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, AppName));
        const auto Box = MakeBox(Gateway);
        Box->show();
        QVERIFY(QTest::qWaitForWindowExposed(Box.get()));
        QTest::mouseClick(Box->IconLabel(), Qt::LeftButton);
        QCOMPARE(Boxes.Texts(TFakeMessageBoxes::TKind::Fitted).size(), 1);
        QVERIFY(Boxes.Texts(TFakeMessageBoxes::TKind::Fitted).first().startsWith(QStringLiteral("Open Failed 31\r\n")));
    }
};

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
