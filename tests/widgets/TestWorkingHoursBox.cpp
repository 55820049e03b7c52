// A clock's working hours in the properties dialog: through the dialog's
// value interface, the default it offers for its zone and locale, the box
// driven by the keyboard, and the button's place in the grid. Regions and
// weekends as in TestWorkingDays (zone.tab and the CLDR week data).
#include "dialogs/Form3Lists.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TWorkingHoursBox.h"
#include "widgets/doubles/TForm3Doubles.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using TOptionalHours = std::optional<TWorkingHours>;
Q_DECLARE_METATYPE(TOptionalHours)

namespace {

enum : quint8 { Mon = 1, Tue = 2, Wed = 4, Thu = 8, Fri = 16, Sat = 32, Sun = 64 };

const TDateTime TestNow = double(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 13))) + 10.0 / 24;

TClockData Tokyo(const TOptionalHours& Hours)
{
    TClockData Data;
    Data.Name = u"Tokyo"_s;
    Data.OffsetTime = 9 / 24.0;
    Data.TimeZone = u"Asia/Tokyo"_s;
    Data.LocaleID = 1041;
    Data.WorkingHours = Hours;
    return Data;
}

TClockEditOpening OpeningOf(const TClockData& Data)
{
    TClockEditOpening Opening;
    Opening.Data = Data;
    Opening.Settings = TFormatSettings::Create(Data.LocaleID);
    Opening.ChildDateTime = TestNow;
    Opening.ClockTime = TestNow + Data.OffsetTime;
    return Opening;
}

// What the user does in the box once it shows.
enum class TBoxAction { Confirm, SetOwn, ChooseDefault, SetOwnThenCancel, TypeTheDefault };

// Hours of the user's own: 07:45 to 15:15 on Monday and Tuesday.
const TWorkingHours Typed{7 * 60 + 45, 15 * 60 + 15, Mon | Tue};

} // namespace

class TestWorkingHoursBox : public QObject {
    Q_OBJECT

    TForm3Doubles Doubles;
    std::unique_ptr<TForm3> Form;

    // Acts on the box once it shows modally (a button's mnemonic clicks it
    // only after a short press animation).
    void AnswerBox(const std::function<void(TWorkingHoursBox&)>& Act, int Tries = 100)
    {
        QTimer::singleShot(Tries == 100 ? 0 : 10, this, [this, Act, Tries] {
            auto* Box = qobject_cast<TWorkingHoursBox*>(QApplication::activeModalWidget());
            if (!Box && Tries > 0)
                return AnswerBox(Act, Tries - 1);
            QVERIFY(Box);
            Act(*Box);
        });
    }

    // Sets the hours Typed in the box, as the user would.
    static void SetOwnHours(TWorkingHoursBox& Box)
    {
        Box.UseDefaultBox->setChecked(false);
        Box.StartEdit->setTime(QTime(7, 45));
        Box.EndEdit->setTime(QTime(15, 15));
        for (int Day = 0; Day < 7; ++Day)
            Box.DayBoxes[std::size_t(Day)]->setChecked(Day < 2);
    }

    static void Press(TWorkingHoursBox& Box, QDialogButtonBox::StandardButton Button)
    {
        QPushButton* Pressed = Box.Buttons->button(Button);
        QVERIFY(Pressed->isEnabled());
        Pressed->click();
    }

    // The box's day boxes as they stand on screen, left to right.
    static QStringList DaysOnScreen(const TWorkingHoursBox& Box)
    {
        std::vector<QCheckBox*> Days(Box.DayBoxes.begin(), Box.DayBoxes.end());
        std::sort(Days.begin(), Days.end(), [](QCheckBox* A, QCheckBox* B) { return A->x() < B->x(); });
        QStringList Names;
        for (QCheckBox* Day : Days)
            Names.append(Day->accessibleName().left(3));
        return Names;
    }

private Q_SLOTS:
    void init()
    {
        Doubles.Now.Set(TestNow);
        Form = std::make_unique<TForm3>(Doubles.Services());
    }
    void cleanup() { Form.reset(); }

    void roundTrip_data()
    {
        QTest::addColumn<TOptionalHours>("in");
        QTest::addColumn<bool>("openBox");
        QTest::addColumn<int>("action");
        QTest::addColumn<TOptionalHours>("out");

        const TWorkingHours Own{8 * 60, 16 * 60 + 30, Sun | Mon | Tue | Wed | Thu};
        const TOptionalHours None;
        QTest::newRow("none in, none out") << None << false << 0 << None;
        QTest::newRow("own in, own out") << TOptionalHours(Own) << false << 0 << TOptionalHours(Own);
        QTest::newRow("the box confirmed on the default") << None << true << int(TBoxAction::Confirm) << None;
        QTest::newRow("the box confirmed on own hours")
            << TOptionalHours(Own) << true << int(TBoxAction::Confirm) << TOptionalHours(Own);
        QTest::newRow("own hours changed")
            << TOptionalHours(Own) << true << int(TBoxAction::SetOwn) << TOptionalHours(Typed);
        QTest::newRow("own hours instead of the default")
            << None << true << int(TBoxAction::SetOwn) << TOptionalHours(Typed);
        QTest::newRow("set to the default")
            << TOptionalHours(Own) << true << int(TBoxAction::ChooseDefault) << None;
        // Typed in by hand, Tokyo's own 09:00-17:00, Monday to Friday: no hours of its own.
        QTest::newRow("own hours that are the region's")
            << TOptionalHours(Own) << true << int(TBoxAction::TypeTheDefault) << None;
        QTest::newRow("the box cancelled")
            << TOptionalHours(Own) << true << int(TBoxAction::SetOwnThenCancel) << TOptionalHours(Own);
    }
    void roundTrip()
    {
        QFETCH(TOptionalHours, in);
        QFETCH(bool, openBox);
        QFETCH(int, action);
        QFETCH(TOptionalHours, out);
        Form->LoadClock(OpeningOf(Tokyo(in)));
        if (openBox) {
            AnswerBox([action](TWorkingHoursBox& Box) {
                switch (TBoxAction(action)) {
                case TBoxAction::Confirm: break;
                case TBoxAction::SetOwn: SetOwnHours(Box); break;
                case TBoxAction::ChooseDefault: Box.UseDefaultBox->setChecked(true); break;
                case TBoxAction::TypeTheDefault:
                    Box.UseDefaultBox->setChecked(false);
                    Box.StartEdit->setTime(QTime(9, 0));
                    Box.EndEdit->setTime(QTime(17, 0));
                    for (int Day = 0; Day < 7; ++Day)
                        Box.DayBoxes[std::size_t(Day)]->setChecked(Day < 5);
                    break;
                case TBoxAction::SetOwnThenCancel:
                    SetOwnHours(Box);
                    Press(Box, QDialogButtonBox::Cancel);
                    return;
                }
                Press(Box, QDialogButtonBox::Ok);
            });
            Form->WorkingHoursButton->click();
        }
        const TClockEditResult Result = Form->EditedClock();
        QVERIFY(Result.Data.WorkingHours == out);
        TClockData Expected = Tokyo(out);
        QCOMPARE(Result.Data.TimeZone, Expected.TimeZone);
        QCOMPARE(Result.Data.LocaleID, Expected.LocaleID);
    }

    // Alt+W opens the box from the dialog; hours confirmed there and then
    // the dialog cancelled leave the clock's hours as they were.
    void cancelledDialogDiscardsTheHours()
    {
        const TWorkingHours Own{9 * 60, 18 * 60, Mon | Wed};
        QTimer::singleShot(0, this, [this] {
            auto Cancel = qScopeGuard([this] { QTest::keyClick(Form.get(), Qt::Key_Escape); });
            QVERIFY(QApplication::activeModalWidget() == Form.get());
            QVERIFY(QTest::qWaitForWindowActive(Form.get()));
            AnswerBox([](TWorkingHoursBox& Box) {
                SetOwnHours(Box);
                Press(Box, QDialogButtonBox::Ok);
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
            QTRY_VERIFY(Form->WorkingHours_ == TOptionalHours(Typed));
        });
        QVERIFY(!Form->Edit(OpeningOf(Tokyo(Own))));

        QTimer::singleShot(0, this, [this] { Form->BtnOk3->click(); });
        const std::optional<TClockEditResult> Again = Form->Edit(OpeningOf(Tokyo(Own)));
        QVERIFY(Again);
        QVERIFY(Again->Data.WorkingHours == TOptionalHours(Own));
    }

    // The box offers the default of the zone and locale the dialog holds at
    // the time, with the days in the locale's week order.
    void defaultFollowsTheDialog_data()
    {
        QTest::addColumn<QString>("zone"); // picked in the dialog; empty: a fixed offset
        QTest::addColumn<uint>("locale");  // the locale row picked
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("days");
        QTest::addColumn<QString>("firstBox");

        QTest::newRow("Tokyo in Japanese") << u"Asia/Tokyo"_s << 1041u
                                           << u"Default for Japan: 09:00–17:00, Mon–Fri"_s
                                           << uint(Mon | Tue | Wed | Thu | Fri) << u"Sun"_s;
        QTest::newRow("Riyadh picked") << u"Asia/Riyadh"_s << 1041u
                                       << u"Default for Saudi Arabia: 09:00–17:00, Sun–Thu"_s
                                       << uint(Sun | Mon | Tue | Wed | Thu) << u"Sun"_s;
        QTest::newRow("Tehran in Persian") << u"Asia/Tehran"_s << 1065u
                                           << u"Default for Iran: 09:00–17:00, Sat–Thu"_s
                                           << uint(Sat | Sun | Mon | Tue | Wed | Thu) << u"Sat"_s;
        QTest::newRow("Kolkata in Hindi") << u"Asia/Kolkata"_s << 1081u
                                          << u"Default for India: 09:00–17:00, Mon–Sat"_s
                                          << uint(Mon | Tue | Wed | Thu | Fri | Sat) << u"Sun"_s;
        QTest::newRow("Berlin in German") << u"Europe/Berlin"_s << 1031u
                                          << u"Default for Germany: 09:00–17:00, Mon–Fri"_s
                                          << uint(Mon | Tue | Wed | Thu | Fri) << u"Mon"_s;
        QTest::newRow("fixed offset: the locale's country") << QString() << 1037u
                                                            << u"Default for Israel: 09:00–17:00, Sun–Thu"_s
                                                            << uint(Sun | Mon | Tue | Wed | Thu) << u"Sun"_s;
    }
    void defaultFollowsTheDialog()
    {
        QFETCH(QString, zone);
        QFETCH(uint, locale);
        QFETCH(QString, text);
        QFETCH(uint, days);
        QFETCH(QString, firstBox);
        Form->LoadClock(OpeningOf(Tokyo(std::nullopt)));
        Form->SetTimeZone(zone);
        Form->SelectLocaleRow(LCID(locale));
        QCOMPARE(Form->EditedLocaleID(), LCID(locale));
        AnswerBox([&](TWorkingHoursBox& Box) {
            QCOMPARE(Box.DefaultLabel->text(), text);
            QVERIFY(Box.UseDefaultBox->isChecked());
            QCOMPARE(uint(Box.FieldHours().Days), days);
            QCOMPARE(Box.StartEdit->time(), QTime(9, 0));
            QCOMPARE(Box.EndEdit->time(), QTime(17, 0));
            QVERIFY(!Box.StartEdit->isEnabled() && !Box.DayBoxes[0]->isEnabled());
            QCOMPARE(DaysOnScreen(Box).first(), firstBox);
            Press(Box, QDialogButtonBox::Ok);
        });
        Form->WorkingHoursButton->click();
        QVERIFY(!Form->EditedClock().Data.WorkingHours);
    }

    void daysText_data()
    {
        QTest::addColumn<uint>("days");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("text");
        QTest::newRow("a run across Sunday, Monday first") << uint(Sun | Mon | Tue | Wed | Thu) << 1 << u"Sun–Thu"_s;
        QTest::newRow("two days") << uint(Sat | Sun) << 1 << u"Sat, Sun"_s;
        QTest::newRow("apart") << uint(Mon | Wed | Fri) << 7 << u"Mon, Wed, Fri"_s;
        QTest::newRow("a run and a day") << uint(Mon | Tue | Wed | Sat) << 1 << u"Mon–Wed, Sat"_s;
        QTest::newRow("one day") << uint(Thu) << 1 << u"Thu"_s;
        QTest::newRow("every day") << uint(0x7F) << 1 << u"every day"_s;
        QTest::newRow("none") << 0u << 1 << u"no day"_s;
    }
    void daysText()
    {
        QFETCH(uint, days);
        QFETCH(int, firstDay);
        QFETCH(QString, text);
        QCOMPARE(TWorkingHoursBox::DaysText(quint8(days), firstDay), text);
    }

    // The box as a keyboard user meets it.
    void theUserDrivesTheBox()
    {
        TWorkingHoursBox Box;
        Box.Load(std::nullopt, TWorkingHours{9 * 60, 17 * 60, Mon | Tue | Wed | Thu | Fri}, u"DE"_s, 1);
        Box.show();
        QVERIFY(QTest::qWaitForWindowActive(&Box));
        QCOMPARE(DaysOnScreen(Box), (QStringList{u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s, u"Sun"_s}));

        // A mnemonic clicks its button after a short press animation.
        QTest::keyClick(&Box, Qt::Key_D, Qt::AltModifier); // leave the default
        QTRY_VERIFY(!Box.UseDefaultBox->isChecked());
        QVERIFY(Box.StartEdit->isEnabled());
        QTest::keyClick(&Box, Qt::Key_S, Qt::AltModifier); // the start, at its hours
        QCOMPARE(QApplication::focusWidget(), Box.StartEdit);
        QTest::keyClick(Box.StartEdit, Qt::Key_Tab); // its minutes
        QTest::keyClick(Box.StartEdit, Qt::Key_Up);
        QTest::keyClick(Box.StartEdit, Qt::Key_Up);
        QCOMPARE(Box.StartEdit->time(), QTime(9, 30));
        QTest::keyClick(&Box, Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(Box.EndEdit, Qt::Key_Down);
        QCOMPARE(Box.EndEdit->time(), QTime(16, 0));
        QTest::keyClick(&Box, Qt::Key_A, Qt::AltModifier); // Saturday on
        QTRY_VERIFY(Box.DayBoxes[5]->isChecked());
        QTest::keyClick(&Box, Qt::Key_M, Qt::AltModifier); // Monday off
        QTRY_VERIFY(!Box.DayBoxes[0]->isChecked());
        QVERIFY(Box.Chosen() == TOptionalHours(TWorkingHours{570, 960, Tue | Wed | Thu | Fri | Sat}));
        QVERIFY(Box.NoteLabel->text().isEmpty());

        // Any minute can be typed; the steps go to the next quarter hour.
        QTest::keyClick(&Box, Qt::Key_S, Qt::AltModifier);
        QTest::keyClicks(Box.StartEdit, u"0807"_s);
        QCOMPARE(Box.StartEdit->time(), QTime(8, 7));
        QTest::keyClick(Box.StartEdit, Qt::Key_Up);
        QCOMPARE(Box.StartEdit->time(), QTime(8, 15));
        QTest::keyClick(Box.StartEdit, Qt::Key_Down);
        QCOMPARE(Box.StartEdit->time(), QTime(8, 0));
        QTest::keyClick(Box.StartEdit, Qt::Key_Down);
        QCOMPARE(Box.StartEdit->time(), QTime(7, 45));

        // A night shift is allowed and said to end on the next day.
        Box.StartEdit->setTime(QTime(22, 0));
        Box.EndEdit->setTime(QTime(6, 0));
        QCOMPARE(Box.NoteLabel->text(), u"The hours end on the next day."_s);

        // No day: nothing to confirm.
        for (QCheckBox* Day : Box.DayBoxes)
            Day->setChecked(false);
        QVERIFY(!Box.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(Box.NoteLabel->text(), u"Choose at least one working day."_s);
        Box.DayBoxes[3]->setChecked(true);
        QVERIFY(Box.Buttons->button(QDialogButtonBox::Ok)->isEnabled());

        // The default shows while chosen; the own hours come back after it.
        QTest::keyClick(&Box, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(!Box.Chosen());
        QCOMPARE(Box.StartEdit->time(), QTime(9, 0));
        QVERIFY(!Box.DayBoxes[0]->isEnabled());
        QTest::keyClick(&Box, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(Box.Chosen() == TOptionalHours(TWorkingHours{22 * 60, 6 * 60, Thu}));

        // Tab leaves the last day box for the buttons.
        Box.DayBoxes[6]->setFocus();
        QTest::keyClick(Box.DayBoxes[6], Qt::Key_Tab);
        QVERIFY(Box.Buttons->isAncestorOf(QApplication::focusWidget()));

        QCOMPARE(Box.StartEdit->accessibleName(), u"Start of working hours"_s);
        QCOMPARE(Box.DayBoxes[3]->accessibleName(), u"Thursday"_s);
    }

    // The button sits in the free cell left of "Ok", shows its whole text,
    // and the grid is the same with or without it.
    void buttonMovesNoControl()
    {
        Form->LoadClock(OpeningOf(Tokyo(std::nullopt)));
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        auto* Grid = qobject_cast<QGridLayout*>(Form->layout());
        int Row = 0, Column = 0, RowSpan = 0, ColumnSpan = 0;
        Grid->getItemPosition(Grid->indexOf(Form->WorkingHoursButton), &Row, &Column, &RowSpan, &ColumnSpan);
        QCOMPARE(QList<int>({Row, Column, RowSpan, ColumnSpan}), QList<int>({9, 0, 1, 1}));
        QVERIFY(Form->WorkingHoursButton->width() >= Form->WorkingHoursButton->sizeHint().width());
        QVERIFY(Form->rect().contains(Form->WorkingHoursButton->geometry()));
        QCOMPARE(QKeySequence::mnemonic(Form->WorkingHoursButton->text()), QKeySequence(Qt::ALT | Qt::Key_W));
        QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(Form->WorkingHoursButton);
        QCOMPARE(Accessible->text(QAccessible::Name), u"Working Hours..."_s);

        // Both pictures are taken from a grid fitted and laid out afresh.
        Form->FitGrid();
        Grid->activate();
        QList<QWidget*> Controls;
        QList<QRect> With;
        for (int i = 0; i < Grid->count(); ++i) {
            QWidget* Control = Grid->itemAt(i)->widget();
            if (Control && Control != Form->WorkingHoursButton) {
                Controls.append(Control);
                With.append(Control->geometry());
            }
        }
        Form->WorkingHoursButton->hide();
        Form->FitGrid();
        Grid->activate();
        QList<QRect> Without;
        for (QWidget* Control : Controls)
            Without.append(Control->geometry());
        QCOMPARE(Without, With);
    }
};

QTEST_MAIN(TestWorkingHoursBox)
#include "TestWorkingHoursBox.moc"
