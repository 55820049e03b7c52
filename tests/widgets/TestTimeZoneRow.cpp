#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"
#include "dialogs/TZoneSearchField.h"
#include "platform/locale/TIcuLocaleDatabase.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TForm3Doubles.h"
#include "widgets/doubles/TSettableNow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDateTime>
#include <QLabel>
#include <QInputMethodEvent>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

const qint64 January = Utc("2026-01-13T01:20:30Z");
constexpr int TokyoPc = 9 * 3600;

QStringList OfferedZones(const TZoneSearchField& Field)
{
    QStringList Zones;
    for (int Row = 0; Row < Field.Completer()->model()->rowCount(); ++Row)
        Zones << Field.RowZone(Row);
    return Zones;
}

} // namespace

// The "Time Zone" row of the properties dialog and its way into a clock.
class TestTimeZoneRow : public QObject {
    Q_OBJECT

    TSettableNow FixedNow;
    TFakeFontChooser Fonts;
    TClockDoubles ClockDoubles{FixedNow};
    std::unique_ptr<QMdiArea> Area;
    TForm3Doubles DialogDoubles;
    std::unique_ptr<TForm3> Dialog;

    TZoneSearchField& Field() { return *Dialog->TimeZoneSearch; }

    void Type(const QString& Text)
    {
        Field().setFocus();
        Field().selectAll();
        QTest::keyClicks(&Field(), Text);
    }

    // Picks the offered row that holds Zone with the keyboard, as a user would.
    void PickWithKeys(const QString& Zone)
    {
        QAbstractItemView* popup = Field().Completer()->popup();
        QVERIFY(popup->isVisible());
        const qsizetype row = OfferedZones(Field()).indexOf(Zone);
        QVERIFY2(row >= 0, qPrintable(OfferedZones(Field()).mid(0, 8).join(u' ')));
        for (qsizetype i = 0; i <= row; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }

    TMDIChild* NewClock(const TClockData& Data)
    {
        TClockServices services = ClockDoubles.Services();
        services.FontChooser = &Fonts;
        services.Properties = Dialog.get();
        auto* child = new TMDIChild(services);
        Area->addSubWindow(child);
        child->SetClockData(Data);
        child->Timer1->Stop();
        child->show();
        child->Timer1Timer();
        return child;
    }

    // Runs the edit command of Child; Act works on the shown dialog, which
    // is then ended with "Ok" (or "Cancel").
    void Edit(TMDIChild* Child, const std::function<void(TForm3&)>& Act, bool Ok = true)
    {
        QObject scope;
        std::function<void()> answer = [&] {
            auto* form = qobject_cast<TForm3*>(QApplication::activeModalWidget());
            if (!form) {
                QTimer::singleShot(10, &scope, answer);
                return;
            }
            Act(*form);
            (Ok ? form->BtnOk3 : form->BtnCancel3)->click();
        };
        QTimer::singleShot(0, &scope, answer);
        Child->EditItem2Click();
    }

private Q_SLOTS:
    void initTestCase()
    {
        Area = std::make_unique<QMdiArea>();
        Area->resize(900, 700);
        Area->show();
        QVERIFY(QTest::qWaitForWindowExposed(Area.get()));
        TForm3Services services = DialogDoubles.Services();
        services.Now = &FixedNow;
        services.FontChooser = &Fonts;
        Dialog = std::make_unique<TForm3>(services, Area.get());
    }

    void init()
    {
        FixedNow.SetUtc(January, TokyoPc);
        Dialog->NumberBoxHH3->setValue(0);
        Dialog->NumberBoxMM3->setValue(0);
        Dialog->SetTimeZone(QString());
        Dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        Dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Dialog.get()));
    }

    void cleanup()
    {
        Field().Completer()->popup()->hide();
        Dialog->hide();
        for (QMdiSubWindow* w : Area->subWindowList())
            delete w;
    }

    void rowThreeHoldsTheSearch()
    {
        QCOMPARE(Dialog->TimeZoneLabel->text(), u"Time Zone"_s);
        QCOMPARE(Field().text(), u"(fixed offset)"_s);
        // Row 3, below the locale list and above the date format.
        const int labelY = Dialog->TimeZoneLabel->geometry().center().y();
        QVERIFY(labelY > Dialog->Label2->geometry().bottom());
        QVERIFY(labelY < Dialog->RBtnComboDate3->geometry().top());
        QCOMPARE(Field().geometry().left(), Dialog->ComboBoxLang3->geometry().left());
        QVERIFY(std::abs(Field().geometry().right() - Dialog->ComboBoxLang3->geometry().right()) <= 4);
    }

    void typingOffersZones_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("row"); // at most this row
        QTest::newRow("tok") << u"tok"_s << u"Asia/Tokyo"_s << 0;
        QTest::newRow("Germany") << u"Germany"_s << u"Europe/Berlin"_s << 1;
        QTest::newRow("Pacific Time") << u"Pacific Time"_s << u"America/Los_Angeles"_s << 10;
    }

    void typingOffersZones()
    {
        QFETCH(QString, typed);
        QFETCH(QString, zone);
        QFETCH(int, row);
        Type(typed);
        QVERIFY(Field().Completer()->popup()->isVisible());
        const QStringList offered = OfferedZones(Field());
        const qsizetype at = offered.indexOf(zone);
        QVERIFY2(at >= 0 && at <= row, qPrintable(offered.mid(0, 8).join(u' ')));
        // Typing alone picks nothing.
        QCOMPARE(Dialog->TimeZone(), QString());
    }

    void findsInTheUsersLanguage()
    {
        const QByteArray lang = qgetenv("LANG");
        qputenv("LANG", "ja_JP.UTF-8");
        const TIcuLocaleDatabase japanese; // the process locale as it reads the environment
        qputenv("LANG", lang);
        TForm3Services services = DialogDoubles.Services();
        services.Now = &FixedNow;
        services.Conventions = [&japanese](LCID Locale) { return TFormatSettings::Create(Locale, japanese); };
        services.Zones = TForm3Doubles::ZonesIn(japanese);
        services.FontChooser = &Fonts;
        TForm3 form(services);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.TimeZoneSearch->setFocus();
        form.TimeZoneSearch->selectAll();
        // Kanji arrive from the input method, committed as a whole.
        QInputMethodEvent typed;
        typed.setCommitString(u"東京"_s);
        QApplication::sendEvent(form.TimeZoneSearch, &typed);
        QCOMPARE(OfferedZones(*form.TimeZoneSearch).value(0), u"Asia/Tokyo"_s);
        QVERIFY(form.TimeZoneSearch->Completer()->model()->index(0, 0).data().toString().contains(u"東京, 日本"_s));
        // A new clock takes the place's name in the user's language.
        form.EditName3->setText(u"(new)"_s);
        QTest::keyClick(form.TimeZoneSearch->Completer()->popup(), Qt::Key_Down);
        QTest::keyClick(form.TimeZoneSearch->Completer()->popup(), Qt::Key_Return);
        QCOMPARE(form.TimeZone(), u"Asia/Tokyo"_s);
        QCOMPARE(form.EditName3->text(), u"東京"_s);
    }

    void pickingAZoneSetsTheBoxesAndTheSamples_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("pcOffset");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("zoneOffset"); // the samples' time: UTC plus this
        QTest::newRow("Berlin from Tokyo") << u"Berl"_s << u"Europe/Berlin"_s << TokyoPc << -8 << 0 << 3600;
        QTest::newRow("Kathmandu from UTC") << u"Kath"_s << u"Asia/Kathmandu"_s << 0 << 5 << 45 << 20700;
        QTest::newRow("St. John's from UTC") << u"St John"_s << u"America/St_Johns"_s << 0 << -3 << 30 << -12600;
    }

    void pickingAZoneSetsTheBoxesAndTheSamples()
    {
        QFETCH(QString, typed);
        QFETCH(QString, zone);
        QFETCH(int, pcOffset);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, zoneOffset);
        FixedNow.SetUtc(January, pcOffset);
        Type(typed);
        PickWithKeys(zone);
        QVERIFY(Dialog->isVisible()); // Enter picked; it did not end the dialog
        QCOMPARE(Dialog->TimeZone(), zone);
        QVERIFY2(Field().text().endsWith(u"\u2014 "_s + zone), qPrintable(Field().text()));
        QCOMPARE(Dialog->NumberBoxHH3->value(), hours);
        QCOMPARE(Dialog->NumberBoxMM3->value(), minutes);
        QCOMPARE(Dialog->ChildDateTime3, UnixTime::ToDateTime(January + zoneOffset * 1000LL));
    }

    void touchingTheBoxesMakesAFixedOffset_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::newRow("hours") << true;
        QTest::newRow("minutes") << false;
    }

    void touchingTheBoxesMakesAFixedOffset()
    {
        QFETCH(bool, hours);
        Type(u"Berlin"_s);
        PickWithKeys(u"Europe/Berlin"_s);
        QCOMPARE(Dialog->TimeZone(), u"Europe/Berlin"_s);
        (hours ? Dialog->NumberBoxHH3 : Dialog->NumberBoxMM3)->stepBy(1);
        QCOMPARE(Dialog->TimeZone(), QString());
        QCOMPARE(Field().text(), u"(fixed offset)"_s);
        // The samples follow the boxes again: Tokyo's time minus 7 hours or
        // minus 8 hours 15.
        const int minutesFromPc = hours ? -7 * 60 : -(8 * 60 + 15);
        QCOMPARE(Dialog->ChildDateTime3, FixedNow.Now() + minutesFromPc / 1440.0);
    }

    void pickingFixedOffsetKeepsTheBoxes()
    {
        Type(u"Berlin"_s);
        PickWithKeys(u"Europe/Berlin"_s);
        Type(u"x"_s);
        QTest::keyClick(&Field(), Qt::Key_Backspace); // an empty field lists "(fixed offset)" first
        PickWithKeys(QString());
        QCOMPARE(Dialog->TimeZone(), QString());
        QCOMPARE(Field().text(), u"(fixed offset)"_s);
        QCOMPARE(Dialog->NumberBoxHH3->value(), -8);
    }

    void enterTakesTheBestMatch()
    {
        Type(u"tokyo"_s);
        Field().Completer()->popup()->hide();
        QTest::keyClick(&Field(), Qt::Key_Return);
        QVERIFY(Dialog->isVisible());
        QCOMPARE(Dialog->TimeZone(), u"Asia/Tokyo"_s);
        QCOMPARE(Dialog->NumberBoxHH3->value(), 0);
    }

    void fixedOffsetLeadsOnlyTheWholeList()
    {
        Type(u"x"_s);
        QTest::keyClick(&Field(), Qt::Key_Backspace);
        QCOMPARE(Field().Completer()->model()->index(0, 0).data().toString(), u"(fixed offset)"_s);
        QVERIFY(OfferedZones(Field()).size() > 300); // then every zone
        Type(u"tok"_s);
        QVERIFY(!OfferedZones(Field()).contains(QString()));
    }

    void downThenEnterPicksTheFirstMatch()
    {
        Type(u"Kathmandu"_s);
        const QString first = OfferedZones(Field()).value(0);
        QCOMPARE(first, u"Asia/Kathmandu"_s);
        QAbstractItemView* list = Field().Completer()->popup();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(Dialog->isVisible());
        QVERIFY(!list->isVisible());
        QCOMPARE(Dialog->TimeZone(), first);
    }

    void aClickPicksAndClosesTheList()
    {
        Type(u"Berlin"_s);
        QAbstractItemView* list = Field().Completer()->popup();
        const QRect row = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(!list->isVisible());
        QCOMPARE(Dialog->TimeZone(), u"Europe/Berlin"_s);
        // Nothing holds the mouse: the next click reaches its target.
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!QWidget::mouseGrabber());
        // (The offscreen platform activates a shown popup late, also one
        // already hidden: the dialog is made active again as a desktop would.)
        QTest::qWait(20);
        QApplication::setActiveWindow(Dialog.get());
        QTest::mouseClick(Dialog->EditName3, Qt::LeftButton);
        QTRY_VERIFY(Dialog->EditName3->hasFocus());
    }

    void noKeyTypedIntoTheFieldClosesTheDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void noKeyTypedIntoTheFieldClosesTheDialog()
    {
        QFETCH(int, key);
        Type(u"tok"_s);
        // A click on an empty spot of the dialog closes the list.
        QTest::mouseClick(Dialog.get(), Qt::LeftButton, {}, QPoint(2, Dialog->height() - 2));
        Field().Completer()->popup()->hide();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Field();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(Dialog->isVisible());
        // Picked or not, the field is where the key went.
        QTest::keyClick(&Field(), Qt::Key(key));
        QVERIFY(Dialog->isVisible());
    }

    void aQueryWithoutMatchesSaysSo()
    {
        Type(u"Berlin"_s);
        PickWithKeys(u"Europe/Berlin"_s);
        Type(u"qqqzzz"_s);
        QAbstractItemModel* rows = Field().Completer()->model();
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->index(0, 0).data().toString(), TZoneSearchField::NoMatchText);
        QVERIFY(!(rows->flags(rows->index(0, 0)) & Qt::ItemIsEnabled));
        QAbstractItemView* list = Field().Completer()->popup();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(&Field(), Qt::Key_Return);
        QVERIFY(Dialog->isVisible());
        QCOMPARE(Dialog->TimeZone(), u"Europe/Berlin"_s);
    }

    void aNewClockIsNamedAfterThePickedPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default name") << u"(new)"_s << u"delhi"_s << u"Delhi"_s;
        QTest::newRow("empty name") << QString() << u"delhi"_s << u"Delhi"_s;
        QTest::newRow("a zone's own city") << u"(new)"_s << u"Asia/Kathmandu"_s << u"Kathmandu"_s;
        QTest::newRow("typed name kept") << u"Office"_s << u"delhi"_s << u"Office"_s;
    }

    void aNewClockIsNamedAfterThePickedPlace()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Dialog->EditName3->setText(name);
        Type(typed);
        Field().Completer()->popup()->hide();
        QTest::keyClick(&Field(), Qt::Key_Return);
        QCOMPARE(Dialog->EditName3->text(), expected);
        QVERIFY(!Dialog->TimeZone().isEmpty());
        // "(fixed offset)" names nothing.
        Dialog->EditName3->setText(u"(new)"_s);
        Type(u"x"_s);
        QTest::keyClick(&Field(), Qt::Key_Backspace);
        PickWithKeys(QString());
        QCOMPARE(Dialog->EditName3->text(), u"(new)"_s);
    }

    void textNotPickedIsDropped()
    {
        Type(u"Berlin"_s);
        PickWithKeys(u"Europe/Berlin"_s);
        const QString shown = Field().text();
        Type(u"Paris"_s);
        Field().Completer()->popup()->hide();
        QApplication::setActiveWindow(Dialog.get());
        Field().setFocus();
        QVERIFY(Field().hasFocus());
        Dialog->EditName3->setFocus();
        QCOMPARE(Field().text(), shown);
        QCOMPARE(Dialog->TimeZone(), u"Europe/Berlin"_s);
    }

    void okGivesTheClockTheZone()
    {
        Dialog->hide();
        TClockData data;
        data.Name = u"Berlin"_s;
        TMDIChild* clock = NewClock(data);
        Edit(clock, [this](TForm3& Form) {
            QCOMPARE(Form.TimeZoneSearch->text(), u"(fixed offset)"_s);
            Type(u"Berlin"_s);
            PickWithKeys(u"Europe/Berlin"_s);
        });
        QCOMPARE(clock->ClockData().TimeZone, u"Europe/Berlin"_s);
        QCOMPARE(clock->windowTitle(), u"-0800"_s);
        QCOMPARE(clock->ClockData().OffsetTime, -8 / 24.0);

        // Opened again, the dialog shows the zone; touching the hours and
        // "Ok" make the clock a fixed one.
        Edit(clock, [](TForm3& Form) {
            QCOMPARE(Form.TimeZone(), u"Europe/Berlin"_s);
            QVERIFY(Form.TimeZoneSearch->text().contains(u"Berlin, Germany"_s));
            QCOMPARE(Form.NumberBoxHH3->value(), -8);
            Form.NumberBoxHH3->stepBy(-1);
        });
        QCOMPARE(clock->ClockData().TimeZone, QString());
        QCOMPARE(clock->windowTitle(), u"-0900"_s);
    }

    void cancelKeepsTheClocksZone()
    {
        Dialog->hide();
        TClockData data;
        data.TimeZone = u"Europe/Berlin"_s;
        TMDIChild* clock = NewClock(data);
        Edit(clock, [](TForm3& Form) { Form.NumberBoxHH3->stepBy(1); }, false);
        QCOMPARE(clock->ClockData().TimeZone, u"Europe/Berlin"_s);
    }

    void unknownZoneOpensOnFixedOffsetAndIsKept()
    {
        Dialog->hide();
        TClockData data;
        data.Name = u"Atlantis"_s;
        data.TimeZone = u"Atlantic/Atlantis"_s;
        data.OffsetTime = -14 / 24.0;
        TMDIChild* clock = NewClock(data);
        Edit(clock, [](TForm3& Form) {
            QCOMPARE(Form.TimeZoneSearch->text(), u"(fixed offset)"_s);
            QCOMPARE(Form.NumberBoxHH3->value(), -14);
        });
        QCOMPARE(clock->ClockData().TimeZone, u"Atlantic/Atlantis"_s);
        QCOMPARE(clock->ClockData().OffsetTime, -14 / 24.0);
    }
};

QTEST_MAIN(TestTimeZoneRow)
#include "TestTimeZoneRow.moc"
