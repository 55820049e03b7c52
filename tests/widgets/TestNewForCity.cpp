#include "app/TCitySearchBox.h"
#include "app/TMainForm.h"
#include "clock/TMDIChild.h"
#include "datetime/OffsetText.h"
#include "dialogs/TZoneSearchField.h"
#include "widgets/doubles/TFrameFixture.h"
#include "widgets/doubles/TMainFormTestAccess.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QMdiArea>
#include <QtTest>

using TAccess = TMainFormTestAccess;

using namespace Qt::StringLiterals;

// File > "New for a City...": a clock for a city in one step.
class TestNewForCity : public QObject {
    Q_OBJECT

    static QList<TMDIChild*> Clocks(TMainForm& Frame) { return Frame.ClockWindows(); }

    static TZoneSearchField& OpenSearch(TMainForm& Frame)
    {
        QTest::keyClick(&Frame, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        TCitySearchBox* Box = TAccess::CitySearch(Frame);
        if (!Box || !Box->isVisible())
            qFatal("Ctrl+Shift+N showed no city search");
        return *Box->Field();
    }

private Q_SLOTS:
    void typeAndEnterMakesTheCitysClock_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("chooseWithDown"); // else Enter on the typed text
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zone");
        QTest::newRow("Enter") << u"delhi"_s << false << u"Delhi"_s << u"Asia/Kolkata"_s;
        QTest::newRow("Down, Enter") << u"sao paulo"_s << true << u"São Paulo"_s << u"America/Sao_Paulo"_s;
        QTest::newRow("former name") << u"Bombay"_s << false << u"Mumbai"_s << u"Asia/Kolkata"_s;
    }

    void typeAndEnterMakesTheCitysClock()
    {
        QFETCH(QString, typed);
        QFETCH(bool, chooseWithDown);
        QFETCH(QString, name);
        QFETCH(QString, zone);
        TFrameFixture f;
        TMainForm& frame = f.MakeShown();
        FrameAction(frame, "FileNew1").trigger(); // one clock there already: the new one is placed on
        TZoneSearchField& field = OpenSearch(frame);
        QCOMPARE(field.text(), QString());
        QTest::keyClicks(&field, typed);
        QAbstractItemView* list = field.Completer()->popup();
        QVERIFY(list->isVisible());
        QWidget* keys = chooseWithDown ? static_cast<QWidget*>(list) : &field;
        if (chooseWithDown)
            QTest::keyClick(keys, Qt::Key_Down);
        else
            list->hide();
        QTest::keyClick(keys, Qt::Key_Return);

        QVERIFY(!TAccess::CitySearch(frame)->isVisible());
        const QList<TMDIChild*> clocks = Clocks(frame);
        QCOMPARE(clocks.size(), 2);
        TMDIChild* made = clocks.front(); // the most recent
        QCOMPARE(made->ClockData().Name, name);
        QCOMPARE(made->ClockData().TimeZone, zone);
        QCOMPARE(made->LabelName2->text(), name);
        // The caption shows the zone's offset from this PC, as after an edit.
        QCOMPARE(made->windowTitle(), OffsetText(made->ClockData().OffsetTime));
        // Placed as File > New places a clock: one step on from the first.
        QVERIFY(made->pos() != clocks.back()->pos());
    }

    void escapeMakesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("with the list open") << u"tokyo"_s;
        QTest::newRow("empty") << QString();
    }

    void escapeMakesNothing()
    {
        QFETCH(QString, typed);
        TFrameFixture f;
        TMainForm& frame = f.MakeShown();
        TZoneSearchField& field = OpenSearch(frame);
        QTest::keyClicks(&field, typed);
        QAbstractItemView* list = field.Completer()->popup();
        QTest::keyClick(list->isVisible() ? static_cast<QWidget*>(list) : &field, Qt::Key_Escape);
        QVERIFY(!TAccess::CitySearch(frame)->isVisible());
        QVERIFY(!list->isVisible());
        QVERIFY(Clocks(frame).isEmpty());
        QVERIFY(frame.isVisible());
    }

    void enterWithoutMatchMakesNothing()
    {
        TFrameFixture f;
        TMainForm& frame = f.MakeShown();
        TZoneSearchField& field = OpenSearch(frame);
        QTest::keyClicks(&field, u"qqqzzz"_s);
        QCOMPARE(field.Completer()->model()->index(0, 0).data().toString(), TZoneSearchField::NoMatchText);
        QTest::keyClick(&field, Qt::Key_Return);
        QVERIFY(Clocks(frame).isEmpty());
    }
};

QTEST_MAIN(TestNewForCity)
#include "TestNewForCity.moc"
