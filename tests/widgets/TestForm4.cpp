#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "clock/TMDIChild.h"
#include "common/EPendulorError.h"
#include "dialogs/TForm4.h"
#include "platform/TStyleService.h"
#include "widgets/doubles/TFrameDoubles.h"
#include "widgets/doubles/TMainFormTestAccess.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

using TAccess = TMainFormTestAccess;

namespace {

// A frame with its style dialog over an empty per-user folder, on the real
// style service or on the doubles' fake one.
struct TStyleFixture : TFrameDoubles {
    QTemporaryDir Home;
    TFakeStyleService& Fake = TFrameDoubles::Styles;
    IStyleService* Active;
    std::unique_ptr<TMainForm> Frame;
    TForm4* Dialog = nullptr; // the frame's

    explicit TStyleFixture(IStyleService* Real = nullptr)
        : Active(Real ? Real : &Fake)
    {
        qputenv("XDG_DATA_HOME", Home.path().toUtf8());
        Make();
    }
    ~TStyleFixture()
    {
        Frame.reset();
        qunsetenv("XDG_DATA_HOME");
    }
    void Make()
    {
        TFrameServices services = Services();
        services.Styles = Active;
        Frame = std::make_unique<TMainForm>(services);
        MakeDialogs(*Frame);
        Frame->SetCommandLine({});
        Dialog = Form4;
    }
    // Opens the dialog through the menu command; Act runs while it is shown.
    void Open(const std::function<void(TForm4&)>& Act)
    {
        bool shown = false;
        QTimer::singleShot(0, Frame.get(), [&] {
            shown = QApplication::activeModalWidget() == Dialog;
            if (shown)
                Act(*Dialog);
            if (Dialog->isVisible())
                Dialog->done(2);
        });
        FrameAction(*Frame, "Style1").trigger();
        QVERIFY(shown);
    }
    int Row(const QString& Name) const
    {
        const auto found = Dialog->ListBox4->findItems(Name, Qt::MatchExactly);
        return found.isEmpty() ? -1 : Dialog->ListBox4->row(found.first());
    }
    void Pick(const QString& Name) { Dialog->ListBox4->setCurrentRow(Row(Name)); }
};

QColor WindowOf(const QWidget& Widget) { return Widget.palette().color(QPalette::Window); }

// Each service of the dialog, and how to leave it out of a set.
const struct {
    const char* Name;
    void (*Remove)(TForm4Services&);
} DialogServices[] = {
    {"Styles", [](TForm4Services& S) { S.Styles = nullptr; }},
    {"WindowSystem", [](TForm4Services& S) { S.WindowSystem = nullptr; }},
    {"SetOpacity", [](TForm4Services& S) { S.SetOpacity = nullptr; }},
    {"StyleClicked", [](TForm4Services& S) { S.StyleClicked = nullptr; }},
};

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT

    std::unique_ptr<TStyleService> Real;

private Q_SLOTS:
    void initTestCase() { Real = std::make_unique<TStyleService>(); }
    void init() { Real->ActivateStyle(QStringLiteral("Windows")); }

    void madeToTheWorkArea()
    {
        TStyleFixture f;
        f.Screen.Work = QSize(1203, 901);
        f.Make();
        QCOMPARE(f.Dialog->size(), QSize(300, 450));
        QVERIFY(f.Dialog->windowTitle().isEmpty());
        QVERIFY(f.Dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(f.Dialog->font().pixelSize(), 12);
        QVERIFY(FrameAction(*f.Frame, "Style1").isEnabled());
        QCOMPARE(f.Dialog->ListBox4->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(f.Dialog->TrackBar4->minimum(), 26);
        QCOMPARE(f.Dialog->TrackBar4->maximum(), 255);
        QCOMPARE(f.Dialog->TrackBar4->pageStep(), 26);
        QCOMPARE(f.Dialog->TrackBar4->value(), 255);
        QVERIFY(!f.Dialog->CheckBoxDensity4->isChecked());
        QCOMPARE(f.Dialog->CheckBoxDensity4->text(), QStringLiteral("Density"));
    }

    // Work area / 4 by / 2 is the size with the window's frame, and that
    // outer size is what sits in the middle of the screen.
    void outerSizeAndPlaceCountTheFrame()
    {
        TStyleFixture f;
        f.Screen.Work = QSize(1203, 901);
        f.Make();
        f.Open([&](TForm4& Dialog) {
            QTRY_COMPARE(Dialog.frameGeometry().size(), QSize(300, 450));
            const QMargins frame = Dialog.windowHandle()->frameMargins();
            QCOMPARE(Dialog.size(), QSize(300 - frame.left() - frame.right(), 450 - frame.top() - frame.bottom()));
            const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
            const QPoint outerCentre = Dialog.frameGeometry().center();
            QVERIFY2((outerCentre - centre).manhattanLength() <= 1,
                     qPrintable(QStringLiteral("%1,%2").arg(outerCentre.x()).arg(outerCentre.y())));
        });
    }

    void opensWithTheActiveStyleInTheMiddle_data()
    {
        QTest::addColumn<QString>("active");
        QTest::newRow("middle of the list") << QStringLiteral("Tablet Dark");
        QTest::newRow("first row") << QStringLiteral("Amakrits");
        QTest::newRow("last row") << QStringLiteral("Windows11 White Smoke");
    }
    void opensWithTheActiveStyleInTheMiddle()
    {
        QFETCH(QString, active);
        TStyleFixture f(Real.get());
        Real->ActivateStyle(active);
        f.Open([&](TForm4& Dialog) {
            QCOMPARE(Dialog.ListBox4->count(), 67);
            for (int i = 1; i < Dialog.ListBox4->count(); ++i)
                QVERIFY(Dialog.ListBox4->item(i - 1)->text().compare(Dialog.ListBox4->item(i)->text(),
                                                                    Qt::CaseInsensitive) < 0);
            QCOMPARE(Dialog.ListBox4->currentItem()->text(), active);
            const int row = Dialog.ListBox4->currentRow();
            const int half = (Dialog.ListBox4->contentsRect().height() / TForm4::RowHeight) / 2;
            QVERIFY(half > 2);
            QCOMPARE(Dialog.TopRow(), std::min(std::max(0, row - half), Dialog.ListBox4->verticalScrollBar()->maximum()));
            QCOMPARE(Real->ActiveStyleName(), active); // opening picks nothing
        });
    }

    void aClickRestylesEveryWindowAtOnce_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Ok keeps it") << true;
        QTest::newRow("Cancel restores") << false;
    }
    void aClickRestylesEveryWindowAtOnce()
    {
        QFETCH(bool, ok);
        TStyleFixture f(Real.get());
        f.Frame->show();
        f.Frame->OpenClockFile(QString());
        f.Frame->OpenClockFile(QString());
        const QList<TMDIChild*> clocks = f.Frame->ClockWindows();
        const QColor plain = WindowOf(*f.Frame);
        f.Open([&](TForm4& Dialog) {
            f.Pick(QStringLiteral("Windows10 Dark"));
            const QColor dark(0x2B, 0x2B, 0x2B);
            QCOMPARE(WindowOf(*f.Frame), dark);
            QCOMPARE(WindowOf(Dialog), dark);
            for (TMDIChild* clock : clocks)
                QCOMPARE(clock->Label(TMDIChild::LineTime)->palette().color(QPalette::WindowText),
                         QColor(0xF0, 0xF0, 0xF0));
            QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Windows10 Dark"));
            (ok ? Dialog.BtnOk4 : Dialog.BtnCancel4)->click();
        });
        QCOMPARE(Real->ActiveStyleName(), ok ? QStringLiteral("Windows10 Dark") : QStringLiteral("Windows"));
        QCOMPARE(TAccess::StyleName(*f.Frame), Real->ActiveStyleName());
        QCOMPARE(WindowOf(*clocks.first()) == plain, !ok);
        QVERIFY(TAccess::IsStyleChanged(*f.Frame));

        // The choice is what the next start comes up in.
        QVERIFY(f.Frame->FormCloseQuery());
        Real->ActivateStyle(QStringLiteral("Carbon"));
        f.Make();
        QCOMPARE(Real->ActiveStyleName(), ok ? QStringLiteral("Windows10 Dark") : QStringLiteral("Windows"));
    }

    void severalClicksThenCancel()
    {
        TStyleFixture f;
        f.Fake.Active = QStringLiteral("Carbon");
        f.Open([&](TForm4& Dialog) {
            for (const char* name : {"Auric", "Windows", "Amethyst Kamri"})
                f.Pick(QLatin1String(name));
            QCOMPARE(f.Fake.Active, QStringLiteral("Amethyst Kamri"));
            Dialog.BtnCancel4->click();
        });
        QCOMPARE(f.Fake.Activated.mid(f.Fake.Activated.size() - 4),
                 QStringList({"Auric", "Windows", "Amethyst Kamri", "Carbon"}));
        QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Carbon"));
        QVERIFY(f.Boxes.Shown.isEmpty());
    }

    void closingTheWindowCancels()
    {
        TStyleFixture f;
        f.Open([&](TForm4& Dialog) {
            f.Pick(QStringLiteral("Auric"));
            Dialog.close();
        });
        QCOMPARE(f.Fake.Active, QStringLiteral("Windows"));
    }

    void theCheckBoxSetsTheOpacity()
    {
        TStyleFixture f;
        TForm4& d = *f.Dialog;
        d.CheckBoxDensity4->setChecked(true);
        QCOMPARE(d.TrackBar4->value(), 128);
        QVERIFY(d.TrackBar4->isEnabled());
        QCOMPARE(d.CheckBoxDensity4->text(), QStringLiteral("50 %"));
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 128);
        d.CheckBoxDensity4->setChecked(false);
        QCOMPARE(d.TrackBar4->value(), 255);
        QVERIFY(!d.TrackBar4->isEnabled());
        QCOMPARE(d.CheckBoxDensity4->text(), QStringLiteral("100 %"));
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 255);
    }

    void theSliderSetsTheOpacity_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("moveTo");
        QTest::addColumn<int>("lands");
        QTest::addColumn<QString>("caption");
        QTest::newRow("26 is 10 %") << true << 26 << 26 << "10 %";
        QTest::newRow("the integer part") << true << 200 << 200 << "78 %";
        QTest::newRow("unchecked lands at half") << false << 26 << 128 << "50 %";
        QTest::newRow("unchecked, just below the top") << false << 254 << 128 << "50 %";
    }
    void theSliderSetsTheOpacity()
    {
        QFETCH(bool, checked);
        QFETCH(int, moveTo);
        QFETCH(int, lands);
        TStyleFixture f;
        TForm4& d = *f.Dialog;
        if (checked) {
            d.CheckBoxDensity4->setChecked(true);
            d.TrackBar4->setValue(255); // checked stays checked at the top
            QVERIFY(d.CheckBoxDensity4->isChecked());
        }
        d.TrackBar4->setValue(moveTo);
        QCOMPARE(d.TrackBar4->value(), lands);
        QVERIFY(d.CheckBoxDensity4->isChecked());
        QTEST(d.CheckBoxDensity4->text(), "caption");
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), lands);
        QCOMPARE(f.Frame->windowOpacity(), lands / 255.0);
    }

    void draggingShowsThePositionUnderTheThumb()
    {
        TStyleFixture f;
        TForm4& d = *f.Dialog;
        d.CheckBoxDensity4->setChecked(true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QSlider* slider = d.TrackBar4;
        slider->setSliderDown(true);
        slider->setSliderPosition(77); // what a drag does; emits sliderMoved
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("77"));
        slider->setSliderDown(false);
        QTRY_VERIFY(!QToolTip::isVisible()); // released: it fades out
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 77);
    }

    void cancelRestoresTheOpacityButNotTheControls()
    {
        TStyleFixture f;
        TAccess::SetAlphaBlendValue(*f.Frame, 200);
        f.Open([&](TForm4& Dialog) {
            Dialog.CheckBoxDensity4->setChecked(true);
            Dialog.TrackBar4->setValue(26);
            QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 26);
            Dialog.BtnCancel4->click();
        });
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 200);
        f.Open([&](TForm4& Dialog) {
            QCOMPARE(Dialog.TrackBar4->value(), 26);
            QCOMPARE(Dialog.CheckBoxDensity4->text(), QStringLiteral("10 %"));
            QVERIFY(Dialog.CheckBoxDensity4->isChecked());
            Dialog.BtnOk4->click();
        });
        QCOMPARE(TAccess::AlphaBlendValue(*f.Frame), 200); // opening changes nothing
    }

    void aStyleThatFailsKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::newRow("a name the service does not know") << QStringLiteral("Nowhere") << false;
        QTest::newRow("a style that cannot be drawn") << QStringLiteral("Auric") << true;
    }
    void aStyleThatFailsKeepsTheDialogOpen()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        TStyleFixture f;
        if (known)
            f.Fake.Refused << name;
        else
            TAccess::StyleList(*f.Frame).addItem(name);
        f.Open([&](TForm4& Dialog) {
            const QSignalBlocker quiet(Dialog.ListBox4);
            Dialog.ListBox4->setCurrentRow(f.Row(name));
            QVERIFY_THROWS_EXCEPTION(EPendulorError, Dialog.ListBox4Click());
            QCOMPARE(TAccess::StyleName(*f.Frame), name); // noted although it failed
            QVERIFY(TAccess::IsStyleChanged(*f.Frame));
            QCOMPARE(f.Fake.Active, QStringLiteral("Windows"));
            QVERIFY(Dialog.isVisible());
            Dialog.BtnOk4->click();
        });
        QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Windows")); // the active one again
        QVERIFY(f.Boxes.Shown.isEmpty());
    }

    void aFailedPickReachesTheErrorHandler()
    {
        TStyleFixture f;
        f.Fake.Refused << QStringLiteral("Auric");
        f.Open([&](TForm4& Dialog) {
            f.Pick(QStringLiteral("Auric")); // as a click does, through the list's signal
            QCoreApplication::processEvents();
            QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain),
                     QList<QString>({QStringLiteral("E.Message=\"Style cannot be drawn: Auric\"")}));
            QVERIFY(Dialog.isVisible());
            QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Auric"));
            Dialog.BtnOk4->click();
        });
        QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Windows"));
    }

    // A click on the row that is already selected picks its style again:
    // a style that failed is tried and reported once more. A click that
    // changes the row picks once.
    void aClickOnTheSelectedStyleRunsItAgain()
    {
        TStyleFixture f;
        f.Fake.Refused << QStringLiteral("Auric");
        f.Open([&](TForm4& Dialog) {
            const auto clickRow = [&](const QString& Name) {
                QListWidgetItem* item = Dialog.ListBox4->item(f.Row(Name));
                Dialog.ListBox4->scrollToItem(item);
                QTest::mouseClick(Dialog.ListBox4->viewport(), Qt::LeftButton, {},
                                  Dialog.ListBox4->visualItemRect(item).center());
                QCoreApplication::processEvents();
            };
            f.Fake.Activated.clear(); // the frame's start-up activated its style
            clickRow(QStringLiteral("Carbon"));
            QCOMPARE(f.Fake.Activated, QStringList{QStringLiteral("Carbon")});
            clickRow(QStringLiteral("Carbon"));
            QCOMPARE(f.Fake.Activated, QStringList({"Carbon", "Carbon"}));
            clickRow(QStringLiteral("Auric"));
            clickRow(QStringLiteral("Auric"));
            const QString report = QStringLiteral("E.Message=\"Style cannot be drawn: Auric\"");
            QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain), QList<QString>({report, report}));
            QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Auric"));
            QVERIFY(Dialog.isVisible());
            Dialog.BtnOk4->click();
        });
    }

    void aFailedRestorationIsReported()
    {
        TStyleFixture f;
        f.Fake.Active = QStringLiteral("Carbon");
        f.Open([&](TForm4& Dialog) {
            f.Pick(QStringLiteral("Auric"));
            f.Fake.Refused << QStringLiteral("Carbon");
            Dialog.BtnCancel4->click();
        });
        QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain),
                 QList<QString>({QStringLiteral("StyleManager SetStyle Error Auric")}));
        QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Auric"));
    }

    void anActiveStyleNotInTheListSelectsNothing()
    {
        TStyleFixture f;
        f.Fake.Names << QStringLiteral("Hidden");
        f.Fake.Active = QStringLiteral("Hidden"); // the frame's list was filled before
        f.Open([&](TForm4& Dialog) {
            QCOMPARE(Dialog.ListBox4->currentRow(), -1);
            QCOMPARE(Dialog.ListBox4->count(), 4);
            QCOMPARE(Dialog.TopRow(), 0);
        });
        QCOMPARE(TAccess::StyleName(*f.Frame), QStringLiteral("Hidden"));
    }

    void aServiceMissingIsRefused_data()
    {
        QTest::addColumn<int>("missing");
        for (int i = 0; i < int(std::size(DialogServices)); ++i)
            QTest::newRow(DialogServices[i].Name) << i;
    }
    void aServiceMissingIsRefused()
    {
        QFETCH(int, missing);
        TStyleFixture f;
        TForm4Services services = f.Frame->StyleDialogServices();
        DialogServices[missing].Remove(services);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TForm4{services});
    }
};

int main(int argc, char** argv)
{
    TPendulorApplication app(argc, argv); // errors of handlers reach the frame's ExceptionEvent
    TestForm4 test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestForm4.moc"
