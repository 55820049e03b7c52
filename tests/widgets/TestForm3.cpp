#include "datetime/RenderDateTime.h"
#include "dialogs/Form3Lists.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"
#include "platform/locale/ILocaleDatabase.h"
#include "unit/doubles/TFakeLocaleDatabase.h"
#include "widgets/doubles/TFakeWindowSystem.h"
#include "widgets/doubles/TForm3Doubles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

// 2026-01-13 10:20:30, a Tuesday.
TDateTime Moment(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(Year, Month, Day)))
           + (Hour * 3600 + Minute * 60 + Second) / 86400.0;
}
const TDateTime TestNow = Moment(2026, 1, 13, 10, 20, 30);

int RowOf(QStringView Text)
{
    for (std::size_t i = 0; i < Form3Lists::LocaleRows.size(); ++i) {
        if (Form3Lists::LocaleRows[i] == Text)
            return int(i);
    }
    return -2;
}

int DateLineOf(QStringView Format)
{
    for (std::size_t i = 0; i < Form3Lists::DateFormats.size(); ++i) {
        if (Form3Lists::DateFormats[i] == Format)
            return int(i);
    }
    return -2;
}

// Each service of the dialog, and how to leave it out of a set.
const struct {
    const char* Name;
    void (*Remove)(TForm3Services&);
} DialogServices[] = {
    {"Now", [](TForm3Services& S) { S.Now = nullptr; }},
    {"Conventions", [](TForm3Services& S) { S.Conventions = nullptr; }},
    {"FontChooser", [](TForm3Services& S) { S.FontChooser = nullptr; }},
    {"WindowSystem", [](TForm3Services& S) { S.WindowSystem = nullptr; }},
    {"OpenHelp", [](TForm3Services& S) { S.OpenHelp = nullptr; }},
    {"Zones", [](TForm3Services& S) { S.Zones = nullptr; }},
};

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm3Doubles> Doubles;
    std::unique_ptr<TFakeLocaleDatabase> Locales;
    std::unique_ptr<TForm3> Form;

    // A dialog on the process locale database, or on Locales when asked.
    void MakeForm(bool FakeLocales = false)
    {
        TForm3Services Services = Doubles->Services();
        if (FakeLocales) {
            Services.Conventions = [this](LCID Locale) { return TFormatSettings::Create(Locale, *Locales); };
            Services.Zones = TForm3Doubles::ZonesIn(*Locales);
        }
        Form = std::make_unique<TForm3>(Services);
    }

    // What the user does: focus the locale list and move to Row with the keyboard.
    void PickLocaleRow(int Row)
    {
        Form->ComboBoxLang3->setCurrentIndex(Row == 0 ? 1 : Row - 1);
        QTest::keyClick(Form->ComboBoxLang3, Row == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(Form->ComboBoxLang3->currentIndex(), Row);
    }

private Q_SLOTS:
    void init()
    {
        Doubles = std::make_unique<TForm3Doubles>();
        Doubles->Now.Set(TestNow);
        Locales = std::make_unique<TFakeLocaleDatabase>();
        MakeForm();
    }
    void cleanup() { Form.reset(); }

    void selectLocaleRow_data()
    {
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("row");
        QTest::addColumn<uint>("storedId");
        QTest::newRow("Japanese") << 1041u << "日本語Japanese (日本Japan),1041" << 1041u;
        QTest::newRow("2058 is Mexico, the first of its two rows")
            << 2058u << "スペイン語Spahish (メキシコMexico),2058" << 2058u;
        QTest::newRow("1025 is Saudi Arabia, the first of its two rows")
            << 1025u << "アラビア語Arabic (サウジアラビアSaudiArabia),1025" << 1025u;
        QTest::newRow("five digits") << 10266u << "セルビア語Serbian (キリルCyrillic セルビアSerbia),10266" << 10266u;
        QTest::newRow("a prefix of an id finds the first row it starts")
            << 102u << "カタロニア語Catalan (スペインSpain),1027" << 1027u;
        QTest::newRow("no row carries it") << 4242u << QString() << 0u;
    }
    void selectLocaleRow()
    {
        QFETCH(uint, id);
        QFETCH(QString, row);
        QFETCH(uint, storedId);
        const int Expected = row.isEmpty() ? -1 : RowOf(row);
        QVERIFY(Expected != -2);
        Form->ComboBoxLang3->setCurrentIndex(3);
        const TFormatSettings Before = Form->MyFS3;
        QCOMPARE(Form->SelectLocaleRow(id), Expected);
        QCOMPARE(Form->ComboBoxLang3->currentIndex(), Expected);
        QCOMPARE(Form->SelectedLocaleID(), storedId);
        // A selection by the program is not the user's pick: nothing is rebuilt.
        QCOMPARE(Form->ComboBoxDate3->count(), 0);
        QVERIFY(Form->MyFS3 == Before);
    }

    void lastEastEuropeRowIsFollowedByEastAsia()
    {
        const int Row = Form->SelectLocaleRow(10266);
        QCOMPARE(Form->ComboBoxLang3->itemText(Row + 1), QStringLiteral("[東アジア EastAsia]"));
    }

    void samplesFallBackTo1041_data()
    {
        QTest::addColumn<bool>("pickHeader");
        QTest::newRow("a group header picked") << true;
        QTest::newRow("no row selected, hours changed") << false;
    }
    void samplesFallBackTo1041()
    {
        // The samples render in 1041, but the id the round trip stores is 0.
        QFETCH(bool, pickHeader);
        if (pickHeader) {
            PickLocaleRow(RowOf(u"[東欧 EastEurope]"));
        } else {
            QCOMPARE(Form->SelectLocaleRow(4242), -1);
            QTest::keyClick(Form->NumberBoxHH3, Qt::Key_Up);
        }
        QCOMPARE(Form->MyLCID3, 1041);
        QVERIFY(Form->MyFS3 == TFormatSettings::Create(1041));
        QCOMPARE(Form->MemoDate3[0], TFormatSettings::Create(1041).ShortDateFormat);
        QCOMPARE(Form->SelectedLocaleID(), 0u);
    }

    void pickedRowGivesAllDigitsOfItsId()
    {
        PickLocaleRow(RowOf(u"セルビア語Serbian (キリルCyrillic セルビアSerbia),10266"));
        QCOMPARE(Form->MyLCID3, 10266);
        QVERIFY(Form->MyFS3 == TFormatSettings::Create(10266));
    }

    void stepping_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("hours up from 23") << true << 23 << int(Qt::Key_Up) << 23 << "+23";
        QTest::newRow("hours down from -23") << true << -23 << int(Qt::Key_Down) << -23 << "-23";
        QTest::newRow("hours 1 to 0") << true << 1 << int(Qt::Key_Down) << 0 << "0";
        QTest::newRow("hours 8 to 9") << true << 8 << int(Qt::Key_Up) << 9 << "+9";
        QTest::newRow("hours -4 to -5") << true << -4 << int(Qt::Key_Down) << -5 << "-5";
        QTest::newRow("hours page up is one step") << true << 2 << int(Qt::Key_PageUp) << 3 << "+3";
        QTest::newRow("minutes up from 45") << false << 45 << int(Qt::Key_Up) << 45 << "45";
        QTest::newRow("minutes down from 0") << false << 0 << int(Qt::Key_Down) << 0 << "00";
        QTest::newRow("minutes 0 to 15") << false << 0 << int(Qt::Key_Up) << 15 << "15";
        QTest::newRow("minutes 30 to 15") << false << 30 << int(Qt::Key_Down) << 15 << "15";
        QTest::newRow("minutes page down is one step") << false << 45 << int(Qt::Key_PageDown) << 30 << "30";
    }
    void stepping()
    {
        QFETCH(bool, hours);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, value);
        QFETCH(QString, text);
        TForm3NumberBox* Box = hours ? Form->NumberBoxHH3 : Form->NumberBoxMM3;
        Box->setValue(start);
        QTest::keyClick(Box, Qt::Key(key));
        QCOMPARE(Box->value(), value);
        QCOMPARE(Box->text(), text);
    }

    void assignedValuesAreClamped_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::addColumn<int>("assigned");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("hours 30") << true << 30 << 23 << "+23";
        QTest::newRow("hours -40") << true << -40 << -23 << "-23";
        QTest::newRow("minutes 59 from a file") << false << 59 << 45 << "45";
        QTest::newRow("minutes -5") << false << -5 << 0 << "00";
    }
    void assignedValuesAreClamped()
    {
        QFETCH(bool, hours);
        QFETCH(int, assigned);
        QFETCH(int, value);
        QFETCH(QString, text);
        TForm3NumberBox* Box = hours ? Form->NumberBoxHH3 : Form->NumberBoxMM3;
        Box->setValue(assigned);
        QCOMPARE(Box->value(), value);
        QCOMPARE(Box->text(), text);
    }

    void typedCharactersChangeNothing_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        for (bool Hours : {true, false}) {
            const char* Box = Hours ? "hours" : "minutes";
            QTest::addRow("%s 7", Box) << Hours << int(Qt::Key_7) << "7";
            QTest::addRow("%s minus", Box) << Hours << int(Qt::Key_Minus) << "-";
            QTest::addRow("%s plus", Box) << Hours << int(Qt::Key_Plus) << "+";
            QTest::addRow("%s backspace", Box) << Hours << int(Qt::Key_Backspace) << QString();
            QTest::addRow("%s delete", Box) << Hours << int(Qt::Key_Delete) << QString();
        }
    }
    void typedCharactersChangeNothing()
    {
        QFETCH(bool, hours);
        QFETCH(int, key);
        QFETCH(QString, typed);
        TForm3NumberBox* Box = hours ? Form->NumberBoxHH3 : Form->NumberBoxMM3;
        Box->setValue(15);
        const int Value = Box->value();
        const QString Text = Box->text();
        QSignalSpy Changes(Box, &QSpinBox::valueChanged);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(Box, Qt::Key(key), Qt::NoModifier);
        QTest::keyClicks(Box, typed);
        QTest::keyClick(Box, Qt::Key_Enter);
        QCOMPARE(Box->value(), Value);
        QCOMPARE(Box->text(), Text);
        QCOMPARE(Changes.count(), 0);
    }

    void wheelStepsOnce_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("plain") << int(Qt::NoModifier);
        QTest::newRow("with Ctrl") << int(Qt::ControlModifier);
    }
    void wheelStepsOnce()
    {
        QFETCH(int, modifiers);
        TForm3NumberBox* Box = Form->NumberBoxMM3;
        const QPointF Where(Box->width() / 2.0, Box->height() / 2.0);
        QWheelEvent Notch(Where, Box->mapToGlobal(Where), QPoint(), QPoint(0, QWheelEvent::DefaultDeltasPerStep),
                          Qt::NoButton, Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QApplication::sendEvent(Box, &Notch);
        QCOMPARE(Box->value(), 15);
        // Half notches add up to one step.
        QWheelEvent Half(Where, Box->mapToGlobal(Where), QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep / 2),
                         Qt::NoButton, Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QApplication::sendEvent(Box, &Half);
        QCOMPARE(Box->value(), 15);
        QApplication::sendEvent(Box, &Half);
        QCOMPARE(Box->value(), 0);
    }

    void childTime_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("offsetMinutes");
        QTest::newRow("nine ahead") << 9 << 0 << 540;
        QTest::newRow("five and a half behind") << -5 << 30 << -330;
        QTest::newRow("half an hour ahead") << 0 << 30 << 30;
        QTest::newRow("limits") << -23 << 45 << -(23 * 60 + 45);
    }
    void childTime()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, offsetMinutes);
        Form->NumberBoxHH3->setValue(hours);
        Form->NumberBoxMM3->setValue(minutes);
        Doubles->Now.Set(TestNow + 1.0);
        QCOMPARE(Form->GetChildTime3(), TestNow + 1.0 + offsetMinutes / 1440.0);
        QCOMPARE(Form->OffSetTime3, offsetMinutes / 1440.0);
    }

    void changeRuleRebuildsBothListsOnRowZero_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::newRow("hours") << true;
        QTest::newRow("minutes") << false;
    }
    void changeRuleRebuildsBothListsOnRowZero()
    {
        QFETCH(bool, hours);
        Form->SelectLocaleRow(1041);
        QTest::keyClick(Form->NumberBoxHH3, Qt::Key_Up);
        Form->ComboBoxDate3->setCurrentIndex(30);
        Form->ComboBoxTime3->setCurrentIndex(5);
        Doubles->Now.Set(TestNow + 0.5);
        QTest::keyClick(hours ? Form->NumberBoxHH3 : Form->NumberBoxMM3, Qt::Key_Up);
        const TDateTime Expected = TestNow + 0.5 + (hours ? 120 : 75) / 1440.0;
        QCOMPARE(Form->ChildDateTime3, Expected);
        QCOMPARE(Form->ComboBoxDate3->currentIndex(), 0);
        QCOMPARE(Form->ComboBoxTime3->currentIndex(), 0);
        QCOMPARE(Form->ComboBoxDate3->itemText(DateLineOf(u"yyyy-mm-dd")),
                 RenderDateTime(u"yyyy-mm-dd", Expected, Form->MyFS3));
    }

    void buildPutsTheLocaleFormatsFirst_data()
    {
        QTest::addColumn<uint>("id");
        for (uint Id : {1041u, 1033u, 1025u, 1054u, 1031u, 2052u})
            QTest::addRow("%u", Id) << Id;
    }
    void buildPutsTheLocaleFormatsFirst()
    {
        QFETCH(uint, id);
        PickLocaleRow(Form->SelectLocaleRow(id));
        const TFormatSettings Settings = TFormatSettings::Create(id);
        QVERIFY(Form->MyFS3 == Settings);
        QCOMPARE(Form->MemoDate3.size(), 68);
        QCOMPARE(Form->MemoTime3.size(), 26);
        QCOMPARE(Form->MemoDate3[0], Settings.ShortDateFormat);
        QCOMPARE(Form->MemoDate3[1], Settings.LongDateFormat);
        QCOMPARE(Form->MemoTime3[0], Settings.ShortTimeFormat);
        QCOMPARE(Form->MemoTime3[1], Settings.LongTimeFormat);
        for (int Line = 2; Line < 68; ++Line)
            QCOMPARE(Form->MemoDate3[Line], Form3Lists::DateFormats[Line].toString());
        QCOMPARE(Form->ComboBoxDate3->count(), 68);
        QCOMPARE(Form->ComboBoxTime3->count(), 26);
        QCOMPARE(Form->ComboBoxDate3->currentIndex(), 0);
        QCOMPARE(Form->ComboBoxTime3->currentIndex(), 0);
        QCOMPARE(Form->ChildDateTime3, TestNow);
        // Row i is the sample of line i.
        for (int Line = 0; Line < 68; ++Line) {
            QString Format = Form->MemoDate3[Line];
            Format.replace(u'/', Settings.DateSeparator);
            QCOMPARE(Form->ComboBoxDate3->itemText(Line), RenderDateTime(Format, TestNow, Settings));
        }
        for (int Line = 0; Line < 26; ++Line) {
            QString Format = Form->MemoTime3[Line];
            Format.replace(u':', Settings.TimeSeparator);
            QCOMPARE(Form->ComboBoxTime3->itemText(Line), RenderDateTime(Format, TestNow, Settings));
        }
    }

    void separatorsAreTheLocales_data()
    {
        QTest::addColumn<QString>("dateSeparator");
        QTest::addColumn<QString>("timeSeparator");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("dot") << "." << ":" << "2026.01.13" << "10:20:30";
        QTest::newRow("dash, dotted time") << "-" << "." << "2026-01-13" << "10.20.30";
        QTest::newRow("slash") << "/" << ":" << "2026/01/13" << "10:20:30";
    }
    void separatorsAreTheLocales()
    {
        QFETCH(QString, dateSeparator);
        QFETCH(QString, timeSeparator);
        QFETCH(QString, date);
        QFETCH(QString, time);
        Locales->InstallEnglish(1031);
        Locales->SetItem(1031, LocaleItem::SDATE, dateSeparator);
        Locales->SetItem(1031, LocaleItem::STIME, timeSeparator);
        MakeForm(true);
        PickLocaleRow(Form->SelectLocaleRow(1031));
        QCOMPARE(Form->ComboBoxDate3->itemText(DateLineOf(u"yyyy/mm/dd")), date);
        QCOMPARE(Form->ComboBoxTime3->itemText(5), time); // hh:nn:ss
        // The line itself keeps the format language's "/" and ":".
        QCOMPARE(Form->MemoDate3[DateLineOf(u"yyyy/mm/dd")], QStringLiteral("yyyy/mm/dd"));
    }

    void realDotLocaleRendersDots()
    {
        PickLocaleRow(Form->SelectLocaleRow(1031));
        QCOMPARE(Form->MyFS3.DateSeparator, QChar(u'.'));
        QCOMPARE(Form->ComboBoxDate3->itemText(DateLineOf(u"yyyy/mm/dd")), QStringLiteral("2026.01.13"));
    }

    void openingOnAClock_data()
    {
        QTest::addColumn<QString>("listFormat");
        QTest::addColumn<int>("row");
        QTest::newRow("yyyy-mm-dd") << "yyyy-mm-dd" << DateLineOf(u"yyyy-mm-dd");
        QTest::newRow("any letter case") << "YYYY-MM-DD" << DateLineOf(u"yyyy-mm-dd");
        QTest::newRow("the locale's short format is line 0") << TFormatSettings::Create(1041).ShortDateFormat << 0;
        QTest::newRow("the locale's long format is line 1") << TFormatSettings::Create(1041).LongDateFormat << 1;
        QTest::newRow("a format on no line") << "yyyy~mm" << -1;
    }
    void openingOnAClock()
    {
        // What the round trip does for a clock at +09:00 in 1041.
        QFETCH(QString, listFormat);
        QFETCH(int, row);
        Form->NumberBoxHH3->setValue(9);
        Form->NumberBoxMM3->setValue(0);
        QCOMPARE(Form->SelectLocaleRow(1041), RowOf(u"日本語Japanese (日本Japan),1041"));
        const TFormatSettings Clock = TFormatSettings::Create(1041);
        Form->RebuildComboBoxDate3();
        Form->ShowDateList(Clock, listFormat);
        QCOMPARE(Form->NumberBoxHH3->text(), QStringLiteral("+9"));
        QCOMPARE(Form->NumberBoxMM3->text(), QStringLiteral("00"));
        QCOMPARE(Form->ComboBoxLang3->currentText(), QStringLiteral("日本語Japanese (日本Japan),1041"));
        QCOMPARE(Form->ComboBoxDate3->currentIndex(), row);
        QCOMPARE(Form->SelectedDateFormat(), row < 0 ? QString() : Form->MemoDate3[row]);
        // Rendered as written, with the clock's time.
        const TDateTime Clocktime = TestNow + 9 / 24.0;
        QCOMPARE(Form->ChildDateTime3, Clocktime);
        QCOMPARE(Form->ComboBoxDate3->itemText(DateLineOf(u"yyyy/mm/dd")),
                 RenderDateTime(u"yyyy/mm/dd", Clocktime, Clock));
    }

    void timeListOpensOnItsFormat()
    {
        const TFormatSettings Clock = TFormatSettings::Create(1033);
        Form->ShowTimeList(Clock, QStringLiteral("AMPM H:NN"));
        QCOMPARE(Form->ComboBoxTime3->count(), 26);
        QCOMPARE(Form->SelectedTimeFormat(), QStringLiteral("ampm h:nn"));
        QCOMPARE(Form->MemoTime3[0], Clock.ShortTimeFormat);
    }

    void listOrCustom_data()
    {
        QTest::addColumn<bool>("useList");
        QTest::addColumn<bool>("useEdit");
        QTest::newRow("list") << true << false;
        QTest::newRow("custom") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void listOrCustom()
    {
        QFETCH(bool, useList);
        QFETCH(bool, useEdit);
        Form->SetDateChoice(!useList, !useEdit);
        Form->SetDateChoice(useList, useEdit);
        Form->SetTimeChoice(useList, useEdit);
        QCOMPARE(Form->RBtnComboDate3->isChecked(), useList);
        QCOMPARE(Form->RBtnEditDate3->isChecked(), useEdit);
        QCOMPARE(Form->ComboBoxDate3->isEnabled(), useList);
        QCOMPARE(Form->EditDate3->isEnabled(), useEdit);
        QCOMPARE(Form->RBtnComboTime3->isChecked(), useList);
        QCOMPARE(Form->ComboBoxTime3->isEnabled(), useList);
        QCOMPARE(Form->EditTime3->isEnabled(), useEdit);
    }

    void clickingTheRadiosSwitches_data()
    {
        QTest::addColumn<bool>("date");
        QTest::newRow("date") << true;
        QTest::newRow("time") << false;
    }
    void clickingTheRadiosSwitches()
    {
        QFETCH(bool, date);
        QRadioButton* List = date ? Form->RBtnComboDate3 : Form->RBtnComboTime3;
        QRadioButton* Custom = date ? Form->RBtnEditDate3 : Form->RBtnEditTime3;
        QComboBox* Box = date ? static_cast<QComboBox*>(Form->ComboBoxDate3) : Form->ComboBoxTime3;
        QLineEdit* Edit = date ? Form->EditDate3 : Form->EditTime3;
        QVERIFY(List->isChecked());
        QVERIFY(!Edit->isEnabled());
        QTest::mouseClick(Custom, Qt::LeftButton);
        QVERIFY(Custom->isChecked() && !List->isChecked());
        QVERIFY(Edit->isEnabled());
        QVERIFY(!Box->isEnabled());
        QTest::mouseClick(List, Qt::LeftButton);
        QVERIFY(Box->isEnabled());
        QVERIFY(!Edit->isEnabled());
        // The other pair is left alone.
        QVERIFY((date ? Form->RBtnComboTime3 : Form->RBtnComboDate3)->isChecked());
    }

    void helpButtons_data()
    {
        QTest::addColumn<bool>("date");
        QTest::addColumn<QString>("page");
        QTest::newRow("date") << true << "::/20251023141847363.htm";
        QTest::newRow("time") << false << "::/20251023142213290.htm";
    }
    void helpButtons()
    {
        QFETCH(bool, date);
        QFETCH(QString, page);
        QLineEdit* Edit = date ? Form->EditDate3 : Form->EditTime3;
        Form->SetDateChoice(false, true);
        Form->SetTimeChoice(false, true);
        Edit->setText(QStringLiteral("yyyy"));
        QCOMPARE(Edit->actions().size(), 1);
        Edit->actions().first()->trigger();
        QCOMPARE(Doubles->HelpPages, QStringList{page});
        QCOMPARE(Edit->text(), QStringLiteral("yyyy"));
    }

    void fontButtons_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("confirmed");
        for (int Which = 0; Which < 3; ++Which) {
            QTest::addRow("%d confirmed", Which) << Which << true;
            QTest::addRow("%d cancelled", Which) << Which << false;
        }
    }
    void fontButtons()
    {
        QFETCH(int, which);
        QFETCH(bool, confirmed);
        QPushButton* Buttons[] = {Form->BtnFontName3, Form->BtnFontDate3, Form->BtnFontTime3};
        TFontChoice* Choosers[] = {&Form->FontDialogName3, &Form->FontDialogDate3, &Form->FontDialogTime3};
        const TFontChoice Before{QFont(QStringLiteral("DejaVu Sans"), 12), QColor(Qt::darkBlue)};
        Form->SetNameFont(Before);
        Form->FontDialogDate3 = Before;
        Form->FontDialogTime3 = Before;
        TFontChoice Picked{QFont(QStringLiteral("DejaVu Serif"), 20), QColor(Qt::red)};
        Picked.Font.setBold(true);
        if (confirmed)
            Doubles->Fonts.Answer = Picked;
        QTest::mouseClick(Buttons[which], Qt::LeftButton);
        QCOMPARE(Doubles->Fonts.Calls, 1);
        QVERIFY(Doubles->Fonts.LastInitial && Doubles->Fonts.LastInitial->Font == Before.Font);
        const TFontChoice& Expected = confirmed ? Picked : Before;
        QCOMPARE(Choosers[which]->Font, Expected.Font);
        QCOMPARE(Choosers[which]->Color, Expected.Color);
        // Only the name field previews its font (in its face, at most as tall as its row).
        QCOMPARE(Form->EditName3->PreviewFont(), which == 0 ? Expected.Font : Before.Font);
        QCOMPARE(Form->EditName3->font().family(), (which == 0 ? Expected.Font : Before.Font).family());
        for (int Other = 0; Other < 3; ++Other) {
            if (Other != which)
                QCOMPARE(Choosers[Other]->Font, Before.Font);
        }
    }

    void modalResult_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Ok") << 0 << 1;
        QTest::newRow("Cancel") << 1 << 2;
        QTest::newRow("Escape") << 2 << 2;
        QTest::newRow("window closed") << 3 << 2;
    }
    void modalResult()
    {
        QFETCH(int, how);
        QFETCH(int, result);
        QTimer::singleShot(0, this, [this, how] {
            QVERIFY(QApplication::activeModalWidget() == Form.get());
            switch (how) {
            case 0: QTest::mouseClick(Form->BtnOk3, Qt::LeftButton); break;
            case 1: QTest::mouseClick(Form->BtnCancel3, Qt::LeftButton); break;
            case 2: QTest::keyClick(Form.get(), Qt::Key_Escape); break;
            default: Form->close(); break;
            }
        });
        QCOMPARE(Form->ShowModal(), result);
    }

    void tabOrder()
    {
        const QList<QWidget*> Expected = {
            Form->EditName3, Form->NumberBoxHH3, Form->NumberBoxMM3, Form->BtnFontName3, Form->ComboBoxLang3,
            Form->RBtnComboDate3, Form->RBtnEditDate3, Form->ComboBoxDate3, Form->EditDate3, Form->BtnFontDate3,
            Form->RBtnComboTime3, Form->RBtnEditTime3, Form->ComboBoxTime3, Form->EditTime3, Form->BtnFontTime3,
            Form->WorkingHoursButton, Form->BtnOk3, Form->BtnCancel3};
        QList<QWidget*> Chain;
        QWidget* W = Form->EditName3;
        do {
            if (Expected.contains(W) && !Chain.contains(W))
                Chain.append(W);
            W = W->nextInFocusChain();
        } while (W != Form->EditName3);
        QCOMPARE(Chain, Expected);
    }

    void layoutFitsItsContent()
    {
        PickLocaleRow(Form->SelectLocaleRow(1041));
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        const QRect Area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(Form->width() >= Area.width() / 3);
        QVERIFY(Form->height() >= Area.height() / 2);
        auto* Grid = qobject_cast<QGridLayout*>(Form->layout());
        QVERIFY(Grid);
        QCOMPARE(Grid->columnCount(), 4);
        QCOMPARE(Grid->rowCount(), 10);
        // Equal columns and rows (rounding aside).
        for (int Column = 1; Column < 4; ++Column)
            QVERIFY(qAbs(Grid->cellRect(0, Column).width() - Grid->cellRect(0, 0).width()) <= 1);
        for (int Row = 1; Row < 10; ++Row)
            QVERIFY(qAbs(Grid->cellRect(Row, 0).height() - Grid->cellRect(0, 0).height()) <= 1);
        // No control is squeezed below what its text needs.
        for (QWidget* Control : Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!Control->isVisible() || Control->isWindow())
                continue;
            QVERIFY2(Control->width() >= Control->minimumSizeHint().width(), qPrintable(Control->objectName()));
            QVERIFY2(Control->height() >= Control->minimumSizeHint().height(), qPrintable(Control->objectName()));
        }
        QVERIFY(Form->ComboBoxLang3->width() >= Form->ComboBoxLang3->sizeHint().width());
        QVERIFY(Form->Label3->width() >= Form->Label3->sizeHint().width());
        QVERIFY(Form->Label3->height() >= Form->Label3->sizeHint().height());
    }

    // The grid is sized from the dialog's own font: a large name font is
    // previewed within its cell and never pushes "Ok" and "Cancel" off the
    // work area.
    void nameFontKeepsTheDialogOnTheWorkArea_data()
    {
        QTest::addColumn<QSize>("work");
        QTest::addColumn<int>("points");
        for (const QSize Work : {QSize(1366, 768), QSize(1920, 1080)}) {
            for (const int Points : {26, 48, 72}) {
                const QString Name = QStringLiteral("%1x%2, %3 pt").arg(Work.width()).arg(Work.height()).arg(Points);
                QTest::newRow(qPrintable(Name)) << Work << Points;
            }
        }
    }
    void nameFontKeepsTheDialogOnTheWorkArea()
    {
        QFETCH(QSize, work);
        QFETCH(int, points);
        TFakeWindowSystem Screen;
        Screen.Work = work;
        TForm3Services Services = Doubles->Services();
        Services.WindowSystem = &Screen;
        const QSize Need = TForm3(Services).minimumSizeHint(); // what the dialog's font needs
        TForm3 Dialog(Services);
        QFont Name(QStringLiteral("Noto Sans CJK JP"));
        Name.setPointSize(points);
        Dialog.SetNameFont(TFontChoice{Name, QColor(Qt::darkBlue)});
        Dialog.EditName3->setText(QStringLiteral(u"東京 Tokyo"));
        Dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Dialog));
        QCoreApplication::processEvents();

        const QSize Third(work.width() / 3, work.height() / 2);
        if (Need.width() <= Third.width() && Need.height() <= Third.height())
            QCOMPARE(Dialog.size(), Third);
        else
            QCOMPARE(Dialog.size(), Third.expandedTo(Need));
        QVERIFY(Dialog.width() <= work.width() && Dialog.height() <= work.height());
        for (const QPushButton* Button : {Dialog.BtnOk3, Dialog.BtnCancel3})
            QVERIFY2(Dialog.rect().contains(Button->geometry()), qPrintable(Button->text()));
        // The preview: the name's face, within the two cells of its row.
        auto* Grid = qobject_cast<QGridLayout*>(Dialog.layout());
        const QRect Cell = Grid->cellRect(0, 1).united(Grid->cellRect(0, 2));
        QVERIFY2(Cell.contains(Dialog.EditName3->geometry()),
                 qPrintable(QStringLiteral("field %1 px high in a row of %2")
                                .arg(Dialog.EditName3->height()).arg(Cell.height())));
        QCOMPARE(Dialog.EditName3->font().family(), Name.family());
        QCOMPARE(Dialog.EditName3->PreviewFont(), Name);
        QCOMPARE(Dialog.EditName3->palette().color(QPalette::Text), QColor(Qt::darkBlue));
    }

    void opensCentredOnItsFrame()
    {
        // A frame off the screen's centre, large enough for the dialog to fit within the screen.
        QWidget Frame;
        Frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(40, 30, -20, -10));
        Frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame));
        TForm3 Dialog(Doubles->Services(), &Frame);
        QTimer::singleShot(0, &Dialog, [&Dialog] { Dialog.done(2); });
        QTimer::singleShot(0, &Dialog, [&] {
            const QPoint Offset = Dialog.frameGeometry().center() - Frame.frameGeometry().center();
            QVERIFY2(Offset.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(Offset.x()).arg(Offset.y())));
        });
        QCOMPARE(Dialog.ShowModal(), 2);
    }

    void dropDownsShowTheirRowsWhole_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("visible");
        QTest::newRow("locale") << 0 << 32;
        QTest::newRow("date") << 1 << 16;
        QTest::newRow("time") << 2 << 16;
    }
    void dropDownsShowTheirRowsWhole()
    {
        QFETCH(int, which);
        QFETCH(int, visible);
        PickLocaleRow(Form->SelectLocaleRow(1041));
        // Room below every list for its rows.
        Form->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        TForm3ComboBox* Boxes[] = {Form->ComboBoxLang3, Form->ComboBoxDate3, Form->ComboBoxTime3};
        TForm3ComboBox* Box = Boxes[which];
        Box->showPopup();
        QAbstractItemView* View = Box->view();
        QTRY_VERIFY(View->isVisible());
        int Shown = 0;
        for (int Row = 0; Row < Box->count(); ++Row) {
            if (View->viewport()->rect().contains(View->visualRect(Box->model()->index(Row, 0))))
                ++Shown;
        }
        QCOMPARE(Shown, visible);
        QVERIFY(View->viewport()->width() >= View->sizeHintForColumn(0));
        Box->hidePopup();
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
        TForm3Services Services = Doubles->Services();
        DialogServices[missing].Remove(Services);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TForm3{Services});
    }
};

QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
