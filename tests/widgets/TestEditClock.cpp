#include "app/MainUnit.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "datetime/OffsetText.h"
#include "datetime/RenderDateTime.h"
#include "dialogs/Form3Lists.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"
#include "platform/TStyleService.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TForm3Doubles.h"
#include "widgets/doubles/TSettableNow.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGridLayout>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

TDateTime Moment(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(Year, Month, Day)))
           + (Hour * 3600 + Minute * 60 + Second) / 86400.0;
}
// 2026-01-13 10:20:30, a Tuesday.
const TDateTime TestNow = Moment(2026, 1, 13, 10, 20, 30);

TDateTime Minutes(int Signed) { return Signed / 1440.0; }

int LocaleRowIndex(QStringView Text)
{
    for (std::size_t i = 0; i < Form3Lists::LocaleRows.size(); ++i) {
        if (Form3Lists::LocaleRows[i] == Text)
            return int(i);
    }
    return -2;
}

int DateLine(QStringView Format)
{
    for (std::size_t i = 0; i < Form3Lists::DateFormats.size(); ++i) {
        if (Form3Lists::DateFormats[i] == Format)
            return int(i);
    }
    return -2;
}

// Tokyo at +09:00 in Japanese, date from the list, time from a custom format.
TClockData Tokyo()
{
    TClockData d;
    d.Name = QStringLiteral("Tokyo");
    d.OffsetTime = Minutes(9 * 60);
    d.LocaleID = 1041;
    d.DateFormat.UseList = true;
    d.DateFormat.List = QStringLiteral("yyyy-mm-dd");
    d.DateFormat.InEffect = d.DateFormat.List;
    d.TimeFormat.UseList = false;
    d.TimeFormat.List = QStringLiteral("hh:nn:ss");
    d.TimeFormat.UseEdit = true;
    d.TimeFormat.Edit = QStringLiteral("hh:nn");
    d.TimeFormat.InEffect = d.TimeFormat.Edit;
    return d;
}

enum TButton { PressOk, PressCancel, CloseWindow };

} // namespace

class TestEditClock : public QObject {
    Q_OBJECT

    TSettableNow FixedNow{TestNow};
    TFakeFontChooser Fonts;
    std::unique_ptr<TStyleService> Styles;
    TClockDoubles ClockDoubles{FixedNow};
    std::unique_ptr<QMdiArea> Area;
    TForm3Doubles DialogDoubles;
    std::unique_ptr<TForm3> Dialog; // reused by every test, as the application does

    // A clock whose edit shows the test's dialog.
    TClockServices ClockServices()
    {
        TClockServices services = ClockDoubles.Services();
        services.Style = Styles.get();
        services.Properties = Dialog.get();
        return services;
    }

    TMDIChild* NewClock(const TClockData& Data = Tokyo())
    {
        auto* child = new TMDIChild(ClockServices());
        Area->addSubWindow(child);
        child->SetClockData(Data);
        child->Timer1->Stop(); // ticks only when a test says so
        child->show();
        QCoreApplication::processEvents();
        return child;
    }

    // Runs the edit command of Child; Act works on the shown dialog, which is
    // then ended with Button. False when no modal dialog showed up.
    bool Edit(TMDIChild* Child, const std::function<void(TForm3&)>& Act, TButton Button = PressOk)
    {
        bool shown = false;
        QObject scope; // ends the waiting answer when no dialog showed
        std::function<void()> answer = [&] {
            auto* form = qobject_cast<TForm3*>(QApplication::activeModalWidget());
            if (!form) {
                QTimer::singleShot(10, &scope, answer);
                return;
            }
            shown = form == Dialog.get();
            Act(*form);
            switch (Button) {
            case PressOk: form->BtnOk3->click(); break;
            case PressCancel: form->BtnCancel3->click(); break;
            case CloseWindow: form->close(); break;
            }
        };
        QTimer::singleShot(0, &scope, answer);
        Child->EditItem2Click();
        return shown;
    }
    bool Edit(TMDIChild* Child) { return Edit(Child, [](TForm3&) {}); }

private Q_SLOTS:
    void initTestCase()
    {
        Styles = std::make_unique<TStyleService>();
        Area = std::make_unique<QMdiArea>();
        Area->resize(900, 700);
        Area->show();
        QVERIFY(QTest::qWaitForWindowExposed(Area.get()));
        TForm3Services services = DialogDoubles.Services();
        services.Now = &FixedNow;
        services.FontChooser = &Fonts;
        Dialog = std::make_unique<TForm3>(services, Area.get());
        Form3 = Dialog.get();
    }

    void init()
    {
        FixedNow.Set(TestNow);
        Fonts = TFakeFontChooser();
        Styles->ActivateStyle(QStringLiteral("Windows"));
        ChildDateTime = 0;
    }

    void cleanup()
    {
        for (QMdiSubWindow* w : Area->subWindowList())
            delete w;
    }

    void cleanupTestCase()
    {
        Dialog.reset();
        QVERIFY(!Form3);
    }

    void everyLineAndTheMenuItemOpenTheDialog_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("name line") << QStringLiteral("LabelName2");
        QTest::newRow("date line") << QStringLiteral("LabelDate2");
        QTest::newRow("time line") << QStringLiteral("LabelTime2");
        QTest::newRow("menu item") << QString();
    }
    void everyLineAndTheMenuItemOpenTheDialog()
    {
        QFETCH(QString, way);
        TMDIChild* child = NewClock();
        child->ContextMenu();
        QVERIFY(child->EditItem2->isEnabled());
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            if (QApplication::activeModalWidget() == Dialog.get()) {
                shown = true;
                Dialog->BtnCancel3->click();
            }
        });
        if (way.isEmpty())
            child->EditItem2->trigger();
        else
            QTest::mouseDClick(child->findChild<QLabel*>(way), Qt::LeftButton);
        QTest::qWait(20);
        QVERIFY(shown);
    }

    void editItemNeedsNoWaitForTheDialog()
    {
        // A clock is made with its properties dialog or not at all.
        TClockServices services = ClockServices();
        services.Properties = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TMDIChild{services});
        TMDIChild* child = NewClock();
        child->ContextMenu();
        QVERIFY(child->EditItem2->isEnabled());
        QVERIFY(Edit(child));
        Q_EMIT child->PopupMenu2->aboutToShow();
        QVERIFY(child->EditItem2->isEnabled());
    }

    void opensOnTheClocksState()
    {
        TMDIChild* child = NewClock();
        ChildDateTime = TestNow - 1; // another clock's latest tick
        struct {
            QString Title, Name, Hours, Minutes, Locale, DateRowText, TimeEdit;
            int DateRow = -2, TimeRow = -2;
            bool DateList = false, DateEditEnabled = true, TimeCustom = false, TimeListEnabled = true;
            QString Memo0, Memo1, Row0;
            TDateTime Sample = 0;
        } seen;
        QVERIFY(Edit(child, [&](TForm3& f) {
            seen.Title = f.windowTitle();
            seen.Name = f.EditName3->text();
            seen.Hours = f.NumberBoxHH3->text();
            seen.Minutes = f.NumberBoxMM3->text();
            seen.Locale = f.ComboBoxLang3->currentText();
            seen.DateRow = f.ComboBoxDate3->currentIndex();
            seen.DateRowText = f.ComboBoxDate3->currentText();
            seen.DateList = f.RBtnComboDate3->isChecked();
            seen.DateEditEnabled = f.EditDate3->isEnabled();
            seen.TimeCustom = f.RBtnEditTime3->isChecked();
            seen.TimeListEnabled = f.ComboBoxTime3->isEnabled();
            seen.TimeEdit = f.EditTime3->text();
            seen.TimeRow = f.ComboBoxTime3->currentIndex();
            seen.Memo0 = f.MemoDate3[0];
            seen.Memo1 = f.MemoDate3[1];
            seen.Row0 = f.ComboBoxDate3->itemText(0);
            seen.Sample = f.ChildDateTime3;
        }, PressCancel));
        const TFormatSettings japanese = TFormatSettings::Create(1041);
        QCOMPARE(seen.Title, QStringLiteral("Tokyo"));
        QCOMPARE(seen.Name, QStringLiteral("Tokyo"));
        QCOMPARE(seen.Hours, QStringLiteral("+9"));
        QCOMPARE(seen.Minutes, QStringLiteral("00"));
        QCOMPARE(seen.Locale, QStringLiteral(u"日本語Japanese (日本Japan),1041"));
        QCOMPARE(seen.DateRow, DateLine(u"yyyy-mm-dd"));
        QCOMPARE(seen.DateRowText, QStringLiteral("2026-01-13")); // 19:20:30 in Tokyo
        QVERIFY(seen.DateList);
        QVERIFY(!seen.DateEditEnabled);
        QVERIFY(seen.TimeCustom);
        QVERIFY(!seen.TimeListEnabled);
        QCOMPARE(seen.TimeEdit, QStringLiteral("hh:nn"));
        QCOMPARE(seen.TimeRow, 5); // "hh:nn:ss"
        // The samples: the clock's time in the clock's locale, formats as written.
        QCOMPARE(seen.Sample, TestNow + 9 / 24.0);
        QCOMPARE(seen.Memo0, japanese.ShortDateFormat);
        QCOMPARE(seen.Memo1, japanese.LongDateFormat);
        QCOMPARE(seen.Row0, RenderDateTime(japanese.ShortDateFormat, TestNow + 9 / 24.0, japanese));
    }

    void listFormatSelectsTheFirstEqualLine_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("row");
        const TFormatSettings japanese = TFormatSettings::Create(1041);
        QTest::newRow("a list line") << QStringLiteral("mm/dd(ddd)") << DateLine(u"mm/dd(ddd)");
        QTest::newRow("other letter case") << QStringLiteral("YYYY-MM-DD") << DateLine(u"yyyy-mm-dd");
        QTest::newRow("the locale's short format") << japanese.ShortDateFormat.toUpper() << 0;
        QTest::newRow("the locale's long format") << japanese.LongDateFormat << 1;
        QTest::newRow("no line") << QStringLiteral("yyyy年") << -1;
    }
    void listFormatSelectsTheFirstEqualLine()
    {
        QFETCH(QString, format);
        TClockData data = Tokyo();
        data.DateFormat.List = format;
        TMDIChild* child = NewClock(data);
        int row = -2;
        QVERIFY(Edit(child, [&](TForm3& f) { row = f.ComboBoxDate3->currentIndex(); }, PressCancel));
        QTEST(row, "row");
    }

    void localeRowOpensAndOkStoresItsId_data()
    {
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("row"); // empty: no row selected
        QTest::addColumn<uint>("stored");
        QTest::newRow("Japanese") << 1041u << QStringLiteral(u"日本語Japanese (日本Japan),1041") << 1041u;
        QTest::newRow("Mexico before Argentina")
            << 2058u << QStringLiteral(u"スペイン語Spahish (メキシコMexico),2058") << 2058u;
        QTest::newRow("Saudi Arabia before Egypt")
            << 1025u << QStringLiteral(u"アラビア語Arabic (サウジアラビアSaudiArabia),1025") << 1025u;
        QTest::newRow("five digits")
            << 10266u << QStringLiteral(u"セルビア語Serbian (キリルCyrillic セルビアSerbia),10266") << 10266u;
        QTest::newRow("prefix of an id") << 102u << QStringLiteral(u"カタロニア語Catalan (スペインSpain),1027") << 1027u;
        QTest::newRow("on no row, kept") << 2055u << QString() << 2055u;
    }
    void localeRowOpensAndOkStoresItsId()
    {
        QFETCH(uint, id);
        QFETCH(QString, row);
        TClockData data = Tokyo();
        data.LocaleID = id;
        TMDIChild* child = NewClock(data);
        int index = -2;
        QString memo0, memoTime1, sample0;
        QVERIFY(Edit(child, [&](TForm3& f) {
            index = f.ComboBoxLang3->currentIndex();
            memo0 = f.MemoDate3[0];
            memoTime1 = f.MemoTime3[1];
            sample0 = f.ComboBoxDate3->itemText(0);
        }));
        QCOMPARE(index, row.isEmpty() ? -1 : LocaleRowIndex(row));
        // The samples are in the clock's own locale, also when no row carries it.
        const TFormatSettings own = TFormatSettings::Create(id);
        QCOMPARE(memo0, own.ShortDateFormat);
        QCOMPARE(memoTime1, own.LongTimeFormat);
        QCOMPARE(sample0, RenderDateTime(own.ShortDateFormat, TestNow + 9 / 24.0, own));
        QTEST(uint(child->ClockData().LocaleID), "stored");
        QCOMPARE(child->FormatSettings(), TFormatSettings::Create(child->ClockData().LocaleID));
    }

    void tenThousandsIdIsTheLastEastEuropeRow()
    {
        const int row = LocaleRowIndex(u"セルビア語Serbian (キリルCyrillic セルビアSerbia),10266");
        QCOMPARE(Form3Lists::LocaleRows[row + 1], QStringView(u"[東アジア EastAsia]"));
    }

    void pickedRowSetsTheLocale_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<uint>("stored");
        QTest::newRow("group header") << QStringLiteral(u"[東欧 EastEurope]") << 0u;
        QTest::newRow("Thai") << QStringLiteral(u"タイ語Thai (タイThai),1054") << 1054u;
        QTest::newRow("Egypt") << QStringLiteral(u"アラビア語Arabic (エジプトEgypt),1025") << 1025u;
    }
    void pickedRowSetsTheLocale()
    {
        QFETCH(QString, row);
        TMDIChild* child = NewClock();
        QString shortFormat;
        QVERIFY(Edit(child, [&](TForm3& f) {
            f.ComboBoxLang3->setCurrentIndex(LocaleRowIndex(row));
            f.ComboBoxLang3Click();
            shortFormat = f.MemoDate3[0];
        }));
        QTEST(uint(child->ClockData().LocaleID), "stored");
        QCOMPARE(child->FormatSettings(), TFormatSettings::Create(child->ClockData().LocaleID));
        // The pick selected row 0 of the new samples: the short format in effect.
        QCOMPARE(child->ClockData().DateFormat.List, shortFormat);
        QCOMPARE(child->ClockData().DateFormat.InEffect, shortFormat);
    }

    void untouchedOkKeepsTheClock()
    {
        TClockData data = Tokyo();
        data.NameLine.FontColor = 0x000000FF;
        data.NameLine.seFont = false;
        data.DateLine.Bold = true;
        data.TimeLine.Alignment = LineAlignRight;
        TMDIChild* child = NewClock(data);
        const TClockData before = child->ClockData();
        QVERIFY(Edit(child));
        QCOMPARE(child->ClockData(), before);
        QCOMPARE(child->windowTitle(), QStringLiteral("+0900"));
        QCOMPARE(child->Tag(), 900);
        QCOMPARE(ChildDateTime, TestNow + 9 / 24.0);
    }

    // The clock takes the hours the dialog gives back, own or the default.
    void okStoresTheWorkingHours()
    {
        TClockData data = Tokyo();
        data.WorkingHours = TWorkingHours{22 * 60, 6 * 60, 0x41};
        TMDIChild* child = NewClock(data);
        const TWorkingHours night{21 * 60, 5 * 60, 0x03};
        QVERIFY(Edit(child, [&](TForm3& f) {
            QVERIFY(f.WorkingHours_ == data.WorkingHours);
            f.WorkingHours_ = night;
        }));
        QVERIFY(child->ClockData().WorkingHours == night);
        QVERIFY(Edit(child, [](TForm3& f) { f.WorkingHours_.reset(); }));
        QVERIFY(!child->ClockData().WorkingHours);
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("Cancel") << int(PressCancel);
        QTest::newRow("window closed") << int(CloseWindow);
    }
    void cancelChangesNothing()
    {
        QFETCH(int, button);
        TMDIChild* child = NewClock();
        child->Timer1Timer();
        ChildDateTime = 0;
        const TClockData before = child->ClockData();
        const QString title = child->windowTitle();
        const QString dateText = child->LabelDate2->text();
        const QFont nameFont = child->LabelName2->font();
        Fonts.Answer = TFontChoice{QFont(QStringLiteral("Serif"), 40), QColor(0x12, 0x34, 0x56)};
        QVERIFY(Edit(child, [&](TForm3& f) {
            f.EditName3->setText(QStringLiteral("Lima"));
            f.BtnFontName3->click();
            f.BtnFontDate3->click();
            f.NumberBoxHH3->setValue(-5);
            f.ComboBoxLang3->setCurrentIndex(LocaleRowIndex(u"英語English (米国USA),1033"));
            f.ComboBoxLang3Click();
            f.RBtnEditDate3->click();
            f.EditDate3->setText(QStringLiteral("d"));
            f.WorkingHours_ = TWorkingHours{8 * 60, 16 * 60, 0x1F};
        }, TButton(button)));
        QCOMPARE(Fonts.Calls, 2);
        QCOMPARE(child->ClockData(), before);
        QCOMPARE(child->windowTitle(), title);
        QCOMPARE(child->Tag(), 900);
        QCOMPARE(child->Hint(), QStringLiteral("Tokyo"));
        QCOMPARE(child->LabelName2->font(), nameFont);
        QCOMPARE(ChildDateTime, TDateTime(0));
        child->Timer1Timer();
        QCOMPARE(child->LabelDate2->text(), dateText);
    }

    void okSetsTheOffsetAtOnceAndTheTimeAtTheNextTick_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("time"); // after the next tick
        QTest::newRow("-5 30") << -5 << 30 << QStringLiteral("-0530") << -530 << QStringLiteral("04:50");
        QTest::newRow("0 30") << 0 << 30 << QStringLiteral("+0030") << 30 << QStringLiteral("10:50");
        QTest::newRow("0 0") << 0 << 0 << QStringLiteral("+0000") << 0 << QStringLiteral("10:20");
        QTest::newRow("+23 45") << 23 << 45 << QStringLiteral("+2345") << 2345 << QStringLiteral("10:05");
        QTest::newRow("-23 45") << -23 << 45 << QStringLiteral("-2345") << -2345 << QStringLiteral("10:35");
    }
    void okSetsTheOffsetAtOnceAndTheTimeAtTheNextTick()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        TMDIChild* child = NewClock();
        child->Timer1Timer();
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("19:20"));
        QVERIFY(Edit(child, [&](TForm3& f) {
            f.NumberBoxHH3->setValue(hours);
            f.NumberBoxMM3->setValue(minutes);
        }));
        const int signedMinutes = (hours < 0 ? -1 : 1) * (std::abs(hours) * 60 + minutes);
        QTEST(child->windowTitle(), "caption");
        QTEST(child->Tag(), "tag");
        QCOMPARE(qRound(child->ClockData().OffsetTime * 1440), signedMinutes);
        QCOMPARE(ChildDateTime, TestNow + Minutes(signedMinutes));
        // The line itself waits for the tick.
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("19:20"));
        child->Timer1Timer();
        QTEST(child->LabelTime2->text(), "time");
    }

    // Offsets the boxes cannot show survive an "Ok" that left the boxes as
    // they were opened.
    void offsetTheBoxesCannotShow_data()
    {
        QTest::addColumn<int>("offset"); // signed minutes
        QTest::addColumn<QString>("opened"); // hours and minutes boxes
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::newRow("-0030 untouched") << -30 << QStringLiteral("0 30") << QString() << QStringLiteral("-0030");
        QTest::newRow("-0030 minutes changed") << -30 << QStringLiteral("0 30") << QStringLiteral("minutes 45")
                                               << QStringLiteral("+0045");
        QTest::newRow("-0030 hours changed") << -30 << QStringLiteral("0 30") << QStringLiteral("hours -1")
                                             << QStringLiteral("-0130");
        QTest::newRow("-0030 changed and back") << -30 << QStringLiteral("0 30") << QStringLiteral("there and back")
                                                << QStringLiteral("-0030");
        QTest::newRow("+0550 untouched") << 350 << QStringLiteral("+5 45") << QString() << QStringLiteral("+0550");
        QTest::newRow("+0550 minutes changed") << 350 << QStringLiteral("+5 45") << QStringLiteral("minutes 30")
                                               << QStringLiteral("+0530");
        QTest::newRow("-0159 hours changed") << -119 << QStringLiteral("-1 45") << QStringLiteral("hours -2")
                                             << QStringLiteral("-0245");
    }
    void offsetTheBoxesCannotShow()
    {
        QFETCH(int, offset);
        QFETCH(QString, action);
        TClockData data = Tokyo();
        data.OffsetTime = Minutes(offset);
        TMDIChild* child = NewClock(data);
        QString opened;
        TDateTime sample = 0;
        QVERIFY(Edit(child, [&](TForm3& f) {
            opened = f.NumberBoxHH3->text() + u' ' + f.NumberBoxMM3->text();
            sample = f.ChildDateTime3;
            const QStringList words = action.split(u' ');
            if (words[0] == u"minutes")
                f.NumberBoxMM3->setValue(words[1].toInt());
            else if (words[0] == u"hours")
                f.NumberBoxHH3->setValue(words[1].toInt());
            else if (words[0] == u"there") {
                f.NumberBoxHH3->setValue(3);
                f.NumberBoxHH3->setValue(0);
            }
        }));
        QTEST(opened, "opened");
        // The samples show the clock's real time.
        QCOMPARE(sample, TestNow + Minutes(offset));
        QTEST(child->windowTitle(), "caption");
        QCOMPARE(child->Tag(), OffsetTag(child->ClockData().OffsetTime));
        QCOMPARE(ChildDateTime, TestNow + child->ClockData().OffsetTime);
    }

    void customFormatTakesTheTrimmedField_data()
    {
        QTest::addColumn<bool>("date");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("inEffect"); // empty: the locale's short format
        QTest::newRow("date empty") << true << QString() << QString() << QString();
        QTest::newRow("date blanks") << true << QStringLiteral(" \t ") << QString() << QString();
        QTest::newRow("date text") << true << QStringLiteral("  yyyy年m月 ") << QStringLiteral("yyyy年m月")
                                   << QStringLiteral("yyyy年m月");
        QTest::newRow("time empty") << false << QString() << QString() << QString();
        QTest::newRow("time text") << false << QStringLiteral("\tnn:ss") << QStringLiteral("nn:ss")
                                   << QStringLiteral("nn:ss");
    }
    void customFormatTakesTheTrimmedField()
    {
        QFETCH(bool, date);
        QFETCH(QString, field);
        QFETCH(QString, inEffect);
        TMDIChild* child = NewClock();
        QVERIFY(Edit(child, [&](TForm3& f) {
            (date ? f.RBtnEditDate3 : f.RBtnEditTime3)->click();
            (date ? f.EditDate3 : f.EditTime3)->setText(field);
        }));
        const TFormatSettings japanese = TFormatSettings::Create(1041);
        if (inEffect.isEmpty())
            inEffect = date ? japanese.ShortDateFormat : japanese.ShortTimeFormat;
        if (date) {
            QVERIFY(child->ClockData().DateFormat.UseEdit);
            QVERIFY(!child->ClockData().DateFormat.UseList);
            QTEST(child->ClockData().DateFormat.Edit, "stored");
            QCOMPARE(child->ClockData().DateFormat.InEffect, inEffect);
            QCOMPARE(child->ClockData().DateFormat.List, QStringLiteral("yyyy-mm-dd")); // the list keeps its pick
        } else {
            QVERIFY(child->ClockData().TimeFormat.UseEdit);
            QTEST(child->ClockData().TimeFormat.Edit, "stored");
            QCOMPARE(child->ClockData().TimeFormat.InEffect, inEffect);
        }
        child->Timer1Timer();
        QCOMPARE((date ? child->LabelDate2 : child->LabelTime2)->text(),
                 RenderDateTime(inEffect, TestNow + 9 / 24.0, japanese));
    }

    void listPickWins()
    {
        TMDIChild* child = NewClock();
        const int row = DateLine(u"yyyy/mm/dd(ddd)");
        QVERIFY(Edit(child, [&](TForm3& f) {
            f.ComboBoxDate3->setCurrentIndex(row);
            f.RBtnComboTime3->click();
            f.ComboBoxTime3->setCurrentIndex(3); // "hh:nn"
        }));
        QCOMPARE(child->ClockData().DateFormat.List, QStringLiteral("yyyy/mm/dd(ddd)"));
        QCOMPARE(child->ClockData().DateFormat.InEffect, QStringLiteral("yyyy/mm/dd(ddd)"));
        QVERIFY(child->ClockData().TimeFormat.UseList);
        QVERIFY(!child->ClockData().TimeFormat.UseEdit);
        QCOMPARE(child->ClockData().TimeFormat.List, QStringLiteral("hh:nn"));
        QCOMPARE(child->ClockData().TimeFormat.InEffect, QStringLiteral("hh:nn"));
        QCOMPARE(child->ClockData().TimeFormat.Edit, QStringLiteral("hh:nn")); // kept for a later switch back
    }

    void listFormatOnNoRow_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("pickLocale");
        QTest::addColumn<QString>("stored"); // empty: the short date format of the list
        QTest::newRow("kept") << QStringLiteral("yyyy年m月") << false << QStringLiteral("yyyy年m月");
        QTest::newRow("empty one becomes the short format") << QString() << false << QString();
        QTest::newRow("a locale pick selects row 0") << QStringLiteral("yyyy年m月") << true << QString();
    }
    void listFormatOnNoRow()
    {
        QFETCH(QString, own);
        QFETCH(bool, pickLocale);
        QFETCH(QString, stored);
        TClockData data = Tokyo();
        data.DateFormat.List = own;
        data.DateFormat.InEffect = own;
        TMDIChild* child = NewClock(data);
        QString line0;
        QVERIFY(Edit(child, [&](TForm3& f) {
            if (pickLocale) {
                f.ComboBoxLang3->setCurrentIndex(LocaleRowIndex(u"英語English (米国USA),1033"));
                f.ComboBoxLang3Click();
            }
            line0 = f.MemoDate3[0];
        }));
        if (stored.isEmpty())
            stored = line0;
        QVERIFY(!stored.isEmpty());
        QCOMPARE(child->ClockData().DateFormat.List, stored);
        QCOMPARE(child->ClockData().DateFormat.InEffect, stored);
    }

    void emptiedNameLeavesAnEmptyLineAndHint()
    {
        TMDIChild* child = NewClock();
        QVERIFY(Edit(child, [](TForm3& f) { f.EditName3->clear(); }));
        QCOMPARE(child->LabelName2->text(), QString());
        QCOMPARE(child->ClockName(), QString());
        QCOMPARE(child->Hint(), QString());
        QVERIFY(Edit(child, [](TForm3& f) { f.EditName3->setText(QStringLiteral(" São Paulo ")); }));
        QCOMPARE(child->ClockName(), QStringLiteral(" São Paulo "));
        QCOMPARE(child->Hint(), QStringLiteral(" São Paulo "));
    }

    // "Ok" gives the name, date and time fields the fonts of their lines, as
    // previews that stay within their rows; while the dialog is open the date
    // and time fields keep the fonts they had.
    void okPreviewsTheLineFontsInTheirFields()
    {
        TClockData data = Tokyo();
        data.DateLine.FontName = QStringLiteral("Serif");
        data.DateLine.FontSize = 48;
        data.DateLine.Italic = true;
        data.TimeLine.FontName = QStringLiteral("Noto Sans CJK JP");
        data.TimeLine.FontSize = 72;
        TMDIChild* child = NewClock(data);
        const QFont before = Dialog->EditDate3->PreviewFont();
        QVERIFY(Edit(child, [&](TForm3& f) { QCOMPARE(f.EditDate3->PreviewFont(), before); }));
        for (const auto& [field, line] : {std::pair{Dialog->EditDate3, TMDIChild::LineDate},
                                          std::pair{Dialog->EditTime3, TMDIChild::LineTime},
                                          std::pair{Dialog->EditName3, TMDIChild::LineName}}) {
            const QFont wanted = child->LineFontChoice(line).Font;
            QCOMPARE(field->PreviewFont(), wanted);
            QCOMPARE(field->font().family(), wanted.family());
            QCOMPARE(field->font().italic(), wanted.italic());
        }
        Dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        auto* grid = qobject_cast<QGridLayout*>(Dialog->layout());
        for (const auto& [field, row] : {std::pair{Dialog->EditDate3, 5}, std::pair{Dialog->EditTime3, 8}}) {
            QVERIFY(field->font().pixelSize() < QFontInfo(field->PreviewFont()).pixelSize());
            QVERIFY2(field->height() <= grid->cellRect(row, 1).height(),
                     qPrintable(QStringLiteral("%1 > %2").arg(field->height()).arg(grid->cellRect(row, 1).height())));
        }
        Dialog->hide();
    }

    void fontColourFollowsTheStyleOnlyForItsColour_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("seFontBefore");
        QTest::addColumn<int>("answer"); // 0 chooser not run, 1 the style's colour, 2 another colour
        QTest::addColumn<bool>("seFontAfter");
        QTest::addColumn<uint>("colourAfter");
        const uint other = 0x00563412;
        QTest::newRow("name untouched") << int(TMDIChild::LineName) << true << 0 << true << uint(clWindowText);
        QTest::newRow("name style colour") << int(TMDIChild::LineName) << true << 1 << true << uint(clWindowText);
        QTest::newRow("name other colour") << int(TMDIChild::LineName) << true << 2 << false << other;
        QTest::newRow("date style colour") << int(TMDIChild::LineDate) << true << 1 << true << uint(clWindowText);
        QTest::newRow("date other colour") << int(TMDIChild::LineDate) << true << 2 << false << other;
        QTest::newRow("time never sets it") << int(TMDIChild::LineTime) << false << 1 << false << uint(clWindowText);
        QTest::newRow("time other colour") << int(TMDIChild::LineTime) << true << 2 << false << other;
    }
    void fontColourFollowsTheStyleOnlyForItsColour()
    {
        QFETCH(int, line);
        QFETCH(bool, seFontBefore);
        QFETCH(int, answer);
        // S is the active style's window-text colour, not a fixed black.
        Styles->ActivateStyle(QStringLiteral("Windows10 Dark"));
        const QColor s = Styles->ColorOf(clWindowText);
        QCOMPARE(s, QColor(0xF0, 0xF0, 0xF0));
        const auto l = TMDIChild::TLine(line);
        TClockData data = Tokyo();
        TLineStyle& style = l == TMDIChild::LineName ? data.NameLine : l == TMDIChild::LineDate ? data.DateLine
                                                                                                 : data.TimeLine;
        style.seFont = seFontBefore;
        style.FontSize = 17;
        TMDIChild* child = NewClock(data);

        QFont chosen(QStringLiteral("Serif"));
        chosen.setPointSize(31);
        chosen.setUnderline(true);
        Fonts.Answer = TFontChoice{chosen, answer == 1 ? s : QColor(0x12, 0x34, 0x56)};
        QVERIFY(Edit(child, [&](TForm3& f) {
            if (answer == 0)
                return;
            QPushButton* button = l == TMDIChild::LineName ? f.BtnFontName3
                                  : l == TMDIChild::LineDate ? f.BtnFontDate3 : f.BtnFontTime3;
            button->click();
        }));
        if (answer != 0) {
            // The chooser was preset with the line's font as it shows.
            QCOMPARE(Fonts.LastInitial->Font.pointSize(), 17);
            QCOMPARE(Fonts.LastInitial->Color, s);
        }
        const TLineStyle& after = child->LineStyle(l);
        QTEST(after.seFont, "seFontAfter");
        QTEST(uint(after.FontColor), "colourAfter");
        QCOMPARE(after.FontSize, answer == 0 ? 17 : 31);
        QCOMPARE(after.Underline, answer != 0);
        QCOMPARE(child->Label(l)->font().pointSize(), after.FontSize);
        const QColor shown = answer == 2 ? QColor(0x12, 0x34, 0x56) : s;
        QCOMPARE(child->Label(l)->palette().color(QPalette::WindowText), shown);
    }
};

QTEST_MAIN(TestEditClock)

#include "TestEditClock.moc"
