#include "clock/TMDIChild.h"
#include "clock/TToolWindowStyle.h"
#include "datetime/TClockData.h"
#include "common/EPendulorError.h"
#include "platform/TFontChooser.h"
#include "platform/TFontChooserDialog.h"
#include "platform/TIconCachingStyle.h"
#include "platform/TStyleService.h"
#include "widgets/doubles/TClockDoubles.h"

#include <QApplication>
#include <QFontDialog>
#include <QLabel>
#include <QMdiArea>
#include <QStyleOptionTitleBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// The visual-style service and the font chooser that the clock windows use.
class TestMDIChildStyle : public QObject {
    Q_OBJECT

    std::unique_ptr<TStyleService> Styles;

private Q_SLOTS:
    void initTestCase() { Styles = std::make_unique<TStyleService>(); }
    void init() { Styles->ActivateStyle(QStringLiteral("Windows")); }

    void offersTheSixtySevenStyles()
    {
        const QStringList names = Styles->StyleNames();
        QCOMPARE(names.size(), 67);
        QCOMPARE(names.first(), QStringLiteral("Windows"));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 67);
        for (const char* name : {"Amakrits", "Calypso SLE", "CopperDark", "Tablet Dark", "Windows10 Blue Whale LE",
                                 "Windows11 White Smoke", "Smokey Quartz Kamri", "Material Oxford Blue SE"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
        QCOMPARE(Styles->ActiveStyleName(), QStringLiteral("Windows"));
    }

    void everyStyleActivatesWithItsOwnColours()
    {
        const QPalette plain = QApplication::palette();
        QSet<QRgb> windows;
        for (const QString& name : Styles->StyleNames()) {
            Styles->ActivateStyle(name);
            QCOMPARE(Styles->ActiveStyleName(), name);
            windows.insert(QApplication::palette().color(QPalette::Window).rgb()
                           ^ QApplication::palette().color(QPalette::Highlight).rgb());
        }
        // Most schemes look different from each other.
        QVERIFY(windows.size() > 60);
        Styles->ActivateStyle(QStringLiteral("Windows"));
        QCOMPARE(QApplication::palette(), plain);
    }

    void activationRestylesEveryWidget()
    {
        QLabel label(QStringLiteral("x"));
        label.show();
        QSignalSpy changed(Styles.get(), &TStyleService::ActiveStyleChanged);
        Styles->ActivateStyle(QStringLiteral("Windows10 Dark"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("Windows10 Dark"));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0xF0, 0xF0, 0xF0));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0x2B, 0x2B, 0x2B));
    }

    void namesMatchWithoutRegardToCase()
    {
        Styles->ActivateStyle(QStringLiteral("windows10 DARK"));
        QCOMPARE(Styles->ActiveStyleName(), QStringLiteral("Windows10 Dark"));
        Styles->ActivateStyle(QStringLiteral("WINDOWS"));
        QCOMPARE(Styles->ActiveStyleName(), QStringLiteral("Windows"));
    }

    void unknownStyleIsAnErrorAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("Windows12");
        QTest::newRow("trailing blank") << QStringLiteral("Sky ");
    }
    void unknownStyleIsAnErrorAndChangesNothing()
    {
        QFETCH(QString, name);
        Styles->ActivateStyle(QStringLiteral("Emerald"));
        const QPalette before = QApplication::palette();
        QSignalSpy changed(Styles.get(), &TStyleService::ActiveStyleChanged);
        try {
            Styles->ActivateStyle(name);
            QFAIL("no error");
        } catch (const EPendulorError& e) {
            QVERIFY2(e.Message().contains(QStringLiteral("\"%1\"").arg(name)), qPrintable(e.Message()));
        }
        QCOMPARE(Styles->ActiveStyleName(), QStringLiteral("Emerald"));
        QCOMPARE(QApplication::palette(), before);
        QCOMPARE(changed.size(), 0);
    }

    void colourOfAStoredColourValue_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<uint>("value");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("plain red") << QStringLiteral("Windows10 Dark") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("plain bgr order") << QStringLiteral("Windows") << 0x00563412u << QColor(0x12, 0x34, 0x56);
        QTest::newRow("window text, dark") << QStringLiteral("Windows10 Dark") << 0xFF000008u << QColor(0xF0, 0xF0, 0xF0);
        QTest::newRow("window text, light") << QStringLiteral("Windows10") << 0xFF000008u << QColor(0, 0, 0);
        QTest::newRow("button face") << QStringLiteral("Windows10 Dark") << 0xFF00000Fu << QColor(0x3F, 0x3F, 0x3F);
        QTest::newRow("highlight") << QStringLiteral("Windows10") << 0xFF00000Du << QColor(0x00, 0x76, 0xD3);
        QTest::newRow("inactive caption") << QStringLiteral("Windows10 Dark") << 0xFF000003u << QColor(0x43, 0x43, 0x43);
        QTest::newRow("inactive caption text") << QStringLiteral("Windows10 Dark") << 0xFF000013u << QColor(0xC5, 0xC5, 0xC5);
        QTest::newRow("application work space") << QStringLiteral("Windows10 Dark") << 0xFF00000Cu << QColor(0x1A, 0x1A, 0x1A);
        QTest::newRow("window") << QStringLiteral("Windows10 Dark") << 0xFF000005u << QColor(0x1E, 0x1E, 0x1E);
    }
    void colourOfAStoredColourValue()
    {
        QFETCH(QString, style);
        QFETCH(uint, value);
        Styles->ActivateStyle(style);
        QTEST(Styles->ColorOf(value), "expected");
    }

    void colourValueRoundTrip()
    {
        QCOMPARE(TStyleService::ToColorValue(QColor(0x12, 0x34, 0x56)), 0x00563412u);
        QCOMPARE(Styles->ColorOf(TStyleService::ToColorValue(QColor(0xAB, 0xCD, 0xEF))), QColor(0xAB, 0xCD, 0xEF));
    }

    void fontElementDecidesWhoseColourShows()
    {
        QWidget parent;
        QLabel follows(&parent), own(&parent);
        Styles->SetFontElement(own, false, QColor(Qt::red));
        Styles->SetFontElement(follows, false, QColor(Qt::blue));
        Styles->SetFontElement(follows, true, QColor(Qt::blue)); // back to the style
        Styles->ActivateStyle(QStringLiteral("Windows10 Dark"));
        QCOMPARE(own.palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(follows.palette().color(QPalette::WindowText), QColor(0xF0, 0xF0, 0xF0));
        // Only the text colour is the control's own: its background still follows.
        QCOMPARE(own.palette().color(QPalette::Window), QColor(0x2B, 0x2B, 0x2B));
    }

    void fontChooserDialogReturnsFontAndColour()
    {
        QFont font(QStringLiteral("Serif"));
        font.setPointSize(17);
        font.setUnderline(true);
        TFontChooserDialog dialog({font, QColor(0x11, 0x22, 0x33)});
        TFontChoice choice = dialog.Choice();
        QCOMPARE(choice.Font.pointSize(), 17);
        QVERIFY(choice.Font.underline());
        QCOMPARE(choice.Color, QColor(0x11, 0x22, 0x33));
        dialog.SetColor(QColor(0x44, 0x55, 0x66, 10)); // stored colours carry no transparency
        QCOMPARE(dialog.Choice().Color, QColor(0x44, 0x55, 0x66));
        QCOMPARE(dialog.ColorButton->text(), QStringLiteral("#445566"));
    }

    void fontChooserAnswers_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void fontChooserAnswers()
    {
        QFETCH(bool, accept);
        QFont font(QStringLiteral("Serif"));
        font.setPointSize(21);
        font.setStrikeOut(true);
        QTimer::singleShot(0, [accept] {
            auto* dialog = qobject_cast<TFontChooserDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->SetColor(QColor(0, 128, 0));
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        TFontChooser chooser;
        const std::optional<TFontChoice> choice = chooser.Choose({font, QColor(Qt::black)}, nullptr);
        QCOMPARE(choice.has_value(), accept);
        if (accept) {
            QCOMPARE(choice->Color, QColor(0, 128, 0));
            QCOMPARE(choice->Font.pointSize(), 21);
            QVERIFY(choice->Font.strikeOut());
        }
    }

    // The clock windows' captions and frames come from the active row, also
    // through the clock windows' own small-caption style.
    void clockCaptionsTakeTheStyleColours_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("dark") << QStringLiteral("Windows10 Dark") << false;
        QTest::newRow("bevelled") << QStringLiteral("Iceberg Classico") << false;
        QTest::newRow("plain") << QStringLiteral("Windows") << false;
        // The application wraps its style in the icon cache (last: it stays so).
        QTest::newRow("under the icon cache") << QStringLiteral("Tablet Dark") << true;
    }
    void clockCaptionsTakeTheStyleColours()
    {
        QFETCH(QString, style);
        QFETCH(bool, wrapped);
        if (wrapped && !qobject_cast<TIconCachingStyle*>(QApplication::style()))
            QApplication::setStyle(new TIconCachingStyle(QApplication::style()));
        Styles->ActivateStyle(style);
        TClockDoubles doubles;
        QMdiArea area;
        area.resize(600, 400);
        const auto styled = [&] {
            TClockServices services = doubles.Services();
            services.Style = Styles.get();
            return services;
        };
        auto* first = new TMDIChild(styled());
        auto* second = new TMDIChild(styled());
        for (TMDIChild* clock : {first, second}) {
            area.addSubWindow(clock);
            clock->SetCloseBox(true);
            clock->show();
        }
        first->move(0, 0);
        second->move(300, 0);
        area.show();
        area.setActiveSubWindow(second);
        QCoreApplication::processEvents();
        const QImage shot = area.grab().toImage();
        // Sampled at the far end of the caption (a bevelled caption runs lighter
        // towards it), left of the close box, so the first pixel column is used.
        const auto captionAt = [&shot](const TMDIChild* Clock) {
            return shot.pixelColor(Clock->x() + 3, Clock->y() + 5);
        };
        const auto near = [](const QColor& A, const QColor& B, int Within) {
            return std::abs(A.red() - B.red()) + std::abs(A.green() - B.green()) + std::abs(A.blue() - B.blue())
                   <= Within;
        };
        if (style != QLatin1String("Windows")) { // the plain look shades its captions
            QVERIFY2(near(captionAt(second), Styles->ColorOf(0xFF000002u), 6), qPrintable(captionAt(second).name()));
            QVERIFY2(near(captionAt(first), Styles->ColorOf(0xFF000003u), 6), qPrintable(captionAt(first).name()));
        }
        QVERIFY(!near(captionAt(second), captionAt(first), 30));
        // The close box is an ×: ink on its diagonals, none in its middle row ends.
        QStyleOptionTitleBar option;
        option.initFrom(second);
        option.rect = QRect(0, 0, second->width(), TToolWindowStyle::CaptionHeight);
        option.subControls = QStyle::SC_TitleBarCloseButton;
        option.titleBarFlags = second->windowFlags();
        const QRect box = second->style()->subControlRect(QStyle::CC_TitleBar, &option,
                                                          QStyle::SC_TitleBarCloseButton, second);
        QVERIFY(box.isValid());
        const QColor ink = Styles->ColorOf(0xFF000009u);
        const QPoint centre = second->pos() + box.center();
        QVERIFY2(near(shot.pixelColor(centre), ink, 60), qPrintable(shot.pixelColor(centre).name()));
        QVERIFY(near(shot.pixelColor(centre + QPoint(2, 2)), ink, 200));
        QVERIFY(!near(shot.pixelColor(centre + QPoint(box.width() / 2 - 1, 0)), ink, 200));
    }
};

QTEST_MAIN(TestMDIChildStyle)
#include "TestMDIChildStyle.moc"
