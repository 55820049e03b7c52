// A clock's edit through the dialog's values: the clock's data in, the data
// the dialog gives back out, and the rules the answer is made with.
#include "shell/ClockEdit.h"
#include "dialogs/TForm3.h"
#include "widgets/doubles/TForm3Doubles.h"
#include "widgets/doubles/TSettableNow.h"

#include <QApplication>
#include <QDate>
#include <QTimer>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TClockData)
Q_DECLARE_METATYPE(TLineFormat)
Q_DECLARE_METATYPE(TLineStyle)

namespace {

TDateTime Moment(int Year, int Month, int Day, int Hour, int Minute)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(Year, Month, Day))) + (Hour * 60 + Minute) / 1440.0;
}
const TDateTime TestNow = Moment(2026, 1, 13, 10, 20);
const QColor WindowText(0x10, 0x20, 0x30);

TDateTime Minutes(int Count) { return Count / 1440.0; }

QFont FontOf(const TLineStyle& Style)
{
    QFont Font(Style.FontName);
    Font.setPointSize(Style.FontSize);
    Font.setBold(Style.Bold);
    Font.setItalic(Style.Italic);
    Font.setUnderline(Style.Underline);
    Font.setStrikeOut(Style.StrikeOut);
    return Font;
}

// The colour a stored value shows in: the style's window text, or the plain colour.
QColor Shown(quint32 Color)
{
    return Color == clWindowText ? WindowText : QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

// What the clock window hands over for Data.
TClockEditOpening OpeningOf(const TClockData& Data)
{
    TClockEditOpening Opening;
    Opening.Data = Data;
    Opening.Settings = TFormatSettings::Create(Data.LocaleID);
    Opening.ChildDateTime = TestNow;
    Opening.ClockTime = TestNow + Data.OffsetTime;
    Opening.NameFont = {FontOf(Data.NameLine), Shown(Data.NameLine.FontColor)};
    Opening.DateFont = {FontOf(Data.DateLine), Shown(Data.DateLine.FontColor)};
    Opening.TimeFont = {FontOf(Data.TimeLine), Shown(Data.TimeLine.FontColor)};
    Opening.WindowText = WindowText;
    return Opening;
}

// A Tokyo clock: nine hours ahead, Japanese, list formats in effect.
TClockData Tokyo()
{
    TClockData Data;
    Data.Name = QStringLiteral("Tokyo");
    Data.OffsetTime = Minutes(9 * 60);
    Data.LocaleID = 1041;
    Data.DateFormat = {true, QStringLiteral("yyyy-mm-dd"), false, QString(), QStringLiteral("yyyy-mm-dd")};
    Data.TimeFormat = {true, QStringLiteral("hh:nn:ss"), false, QString(), QStringLiteral("hh:nn:ss")};
    return Data;
}

TLineFormat Format(bool UseList, const QString& List, bool UseEdit, const QString& Edit, const QString& InEffect)
{
    return {UseList, List, UseEdit, Edit, InEffect};
}

} // namespace

class TestClockEdit : public QObject {
    Q_OBJECT

    TSettableNow Now{TestNow};
    TForm3Doubles Doubles;
    std::unique_ptr<TForm3> Dialog;

private Q_SLOTS:
    void init()
    {
        TForm3Services Services = Doubles.Services();
        Services.Now = &Now;
        Dialog = std::make_unique<TForm3>(Services);
    }
    void cleanup() { Dialog.reset(); }

    void untouchedEditGivesTheClockBack_data();
    void untouchedEditGivesTheClockBack();
    void theUserEditsTheRealDialog();
    void cancelGivesNothingBack();
    void takeFormat_data();
    void takeFormat();
    void boxOffset_data();
    void boxOffset();
    void chosenLineStyle_data();
    void chosenLineStyle();
};

// The dialog opened with a clock and confirmed untouched: what the clock
// takes back.
void TestClockEdit::untouchedEditGivesTheClockBack_data()
{
    QTest::addColumn<TClockData>("in");
    QTest::addColumn<TClockData>("out");
    const TFormatSettings Japanese = TFormatSettings::Create(1041);

    QTest::newRow("a clock the dialog can show comes back as it was") << Tokyo() << Tokyo();
    {
        TClockData In = Tokyo();
        In.DateFormat.List = In.DateFormat.InEffect = QStringLiteral("YYYY-MM-DD");
        const TClockData Out = Tokyo();
        QTest::newRow("a list format in other letters comes back as the list's line") << In << Out;
    }
    {
        TClockData In = Tokyo();
        In.LocaleID = 102;
        TClockData Out = Tokyo();
        Out.LocaleID = 1027;
        QTest::newRow("an id that starts a row's id takes that row's id") << In << Out;
    }
    {
        TClockData Data = Tokyo();
        Data.LocaleID = 10266;
        QTest::newRow("the last row of a group keeps its id") << Data << Data;
    }
    {
        TClockData Data = Tokyo();
        Data.LocaleID = 77777;
        QTest::newRow("an id on no row is kept") << Data << Data;
    }
    {
        TClockData Data = Tokyo();
        Data.OffsetTime = Minutes(9 * 60 + 50);
        QTest::newRow("minutes the box cannot show are kept") << Data << Data;
    }
    {
        TClockData Data = Tokyo();
        Data.OffsetTime = Minutes(-30);
        QTest::newRow("less than an hour behind is kept") << Data << Data;
    }
    {
        TClockData Data = Tokyo();
        Data.TimeZone = QStringLiteral("Asia/Tokyo");
        QTest::newRow("a time zone is kept") << Data << Data;
    }
    {
        TClockData In = Tokyo();
        In.DateFormat = Format(false, QStringLiteral("yyyy-mm-dd"), true, QStringLiteral("  "), QStringLiteral("  "));
        TClockData Out = Tokyo();
        Out.DateFormat = Format(false, QStringLiteral("yyyy-mm-dd"), true, QString(), Japanese.ShortDateFormat);
        QTest::newRow("an empty custom format puts the locale's short one in effect") << In << Out;
    }
    {
        TClockData In = Tokyo();
        In.TimeFormat = Format(true, QString(), false, QString(), QString());
        TClockData Out = Tokyo();
        Out.TimeFormat = Format(true, Japanese.ShortTimeFormat, false, QString(), Japanese.ShortTimeFormat);
        QTest::newRow("an empty list format becomes the locale's short one") << In << Out;
    }
    {
        TClockData In = Tokyo();
        In.NameLine.FontColor = 0x0000FF;
        In.NameLine.Bold = true;
        TClockData Out = In;
        Out.NameLine.seFont = false;
        QTest::newRow("a plainly coloured line stops following the style") << In << Out;
    }
    {
        TClockData Data = Tokyo();
        Data.DateLine.FontColor = clWindowText;
        Data.DateLine.FontSize = 31;
        Data.DateLine.Alignment = LineAlignLeft;
        QTest::newRow("a line in the window-text colour keeps its system colour") << Data << Data;
    }
}

void TestClockEdit::untouchedEditGivesTheClockBack()
{
    QFETCH(TClockData, in);
    QFETCH(TClockData, out);
    Dialog->LoadClock(OpeningOf(in));
    const TClockEditResult Result = Dialog->EditedClock();
    QCOMPARE(Result.OffsetFromBoxes, false);
    QCOMPARE(Result.Data.Name, out.Name);
    QCOMPARE(Result.Data.OffsetTime, out.OffsetTime);
    QCOMPARE(Result.Data.TimeZone, out.TimeZone);
    QCOMPARE(Result.Data.LocaleID, out.LocaleID);
    QCOMPARE(Result.Data.DateFormat.List, out.DateFormat.List);
    QCOMPARE(Result.Data.DateFormat.InEffect, out.DateFormat.InEffect);
    QCOMPARE(Result.Data.TimeFormat.List, out.TimeFormat.List);
    QCOMPARE(Result.Data.TimeFormat.InEffect, out.TimeFormat.InEffect);
    QVERIFY(Result.Data.NameLine == out.NameLine);
    QVERIFY(Result.Data.DateLine == out.DateLine);
    QVERIFY(Result.Data.TimeLine == out.TimeLine);
    QVERIFY(Result.Data == out);
}

// The user renames the clock and sets it five and a half hours behind with
// the keyboard, then presses Return for "Ok".
void TestClockEdit::theUserEditsTheRealDialog()
{
    QTimer::singleShot(0, this, [] {
        QWidget* Modal = QApplication::activeModalWidget();
        QVERIFY(Modal);
        QTest::keyClick(Modal->focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Modal->focusWidget(), QStringLiteral("Lima"));
        // The boxes take no typing, only steps: +9 down to -5, then 00 up to 30.
        QTest::keyClick(Modal->focusWidget(), Qt::Key_Tab);
        for (int Step = 0; Step < 14; ++Step)
            QTest::keyClick(Modal->focusWidget(), Qt::Key_Down);
        QTest::keyClick(Modal->focusWidget(), Qt::Key_Tab);
        for (int Step = 0; Step < 2; ++Step)
            QTest::keyClick(Modal->focusWidget(), Qt::Key_Up);
        QTest::keyClick(Modal->focusWidget(), Qt::Key_Return);
    });
    const std::optional<TClockEditResult> Result = Dialog->Edit(OpeningOf(Tokyo()));

    QVERIFY(Result);
    TClockData Expected = Tokyo();
    Expected.Name = QStringLiteral("Lima");
    Expected.OffsetTime = Minutes(-(5 * 60 + 30));
    QCOMPARE(Result->OffsetFromBoxes, true);
    QCOMPARE(Result->Data.Name, Expected.Name);
    QCOMPARE(Result->Data.OffsetTime, Expected.OffsetTime);
    // The boxes re-rendered the samples with row 0 selected, so the lists'
    // first lines are what the clock takes.
    const TFormatSettings Japanese = TFormatSettings::Create(1041);
    Expected.DateFormat = Format(true, Japanese.ShortDateFormat, false, QString(), Japanese.ShortDateFormat);
    Expected.TimeFormat = Format(true, Japanese.ShortTimeFormat, false, QString(), Japanese.ShortTimeFormat);
    QVERIFY(Result->Data == Expected);
    QVERIFY(!Dialog->IsEditing());
}

void TestClockEdit::cancelGivesNothingBack()
{
    QTimer::singleShot(0, this, [] {
        QWidget* Modal = QApplication::activeModalWidget();
        QVERIFY(Modal);
        QTest::keyClicks(Modal->focusWidget(), QStringLiteral("Unconfirmed"));
        QTest::keyClick(Modal->focusWidget(), Qt::Key_Escape);
    });
    QVERIFY(!Dialog->Edit(OpeningOf(Tokyo())));
    QVERIFY(!Dialog->IsEditing());
}

void TestClockEdit::takeFormat_data()
{
    QTest::addColumn<TLineFormat>("clock");
    QTest::addColumn<bool>("useList");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("useEdit");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<TLineFormat>("expected");
    const QString Short = QStringLiteral("yyyy/mm/dd");
    const QString Other = QStringLiteral("d mmm yyyy");
    const QString Own = QStringLiteral("ddd yyyy");
    const TLineFormat Clock = Format(true, Own, false, QStringLiteral("x"), Own);

    QTest::newRow("the selected line is the list format in effect")
        << Clock << true << Other << false << QStringLiteral(" e ") << Format(true, Other, false, QStringLiteral("e"), Other);
    QTest::newRow("no row selected keeps the clock's list format")
        << Clock << true << QString() << false << QString() << Format(true, Own, false, QString(), Own);
    QTest::newRow("no row and no list format of its own takes line 0")
        << Format(true, QStringLiteral(" "), false, QString(), QString()) << true << QString() << false << QString()
        << Format(true, Short, false, QString(), Short);
    QTest::newRow("the custom format, trimmed, in effect")
        << Clock << false << Other << true << QStringLiteral("\t hh \r\n") << Format(false, Other, true, QStringLiteral("hh"), QStringLiteral("hh"));
    QTest::newRow("an empty custom format in effect falls back to line 0")
        << Clock << false << Other << true << QStringLiteral("  ") << Format(false, Other, true, QString(), Short);
    QTest::newRow("neither radio: the custom format counts")
        << Clock << false << Other << false << QStringLiteral("nn") << Format(false, Other, false, QStringLiteral("nn"), QStringLiteral("nn"));
}

void TestClockEdit::takeFormat()
{
    QFETCH(TLineFormat, clock);
    QFETCH(bool, useList);
    QFETCH(QString, selected);
    QFETCH(bool, useEdit);
    QFETCH(QString, edit);
    QFETCH(TLineFormat, expected);
    const QStringList Lines{QStringLiteral("yyyy/mm/dd"), QStringLiteral("dddd, mmmm d, yyyy"), QStringLiteral("d mmm yyyy")};
    const TLineFormat Taken = TakeFormat(clock, useList, selected, useEdit, edit, Lines);
    QCOMPARE(Taken.UseList, expected.UseList);
    QCOMPARE(Taken.List, expected.List);
    QCOMPARE(Taken.UseEdit, expected.UseEdit);
    QCOMPARE(Taken.Edit, expected.Edit);
    QCOMPARE(Taken.InEffect, expected.InEffect);
}

void TestClockEdit::boxOffset_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("offsetMinutes");
    QTest::newRow("nine hours ahead") << 9 << 0 << 540;
    QTest::newRow("five and a half hours behind") << -5 << 30 << -330;
    QTest::newRow("half an hour ahead") << 0 << 30 << 30;
    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("the farthest behind") << -23 << 45 << -1425;
}

void TestClockEdit::boxOffset()
{
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, offsetMinutes);
    QCOMPARE(qRound(BoxOffset(hours, minutes) * 1440), offsetMinutes);
    QCOMPARE(BoxOffset(hours, minutes), Minutes(offsetMinutes));
}

void TestClockEdit::chosenLineStyle_data()
{
    QTest::addColumn<TLineStyle>("style");
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<TLineStyle>("expected");
    TLineStyle FollowsStyle;
    FollowsStyle.Alignment = LineAlignRight;
    const auto With = [](TLineStyle Style, quint32 Color, bool Follows) {
        Style.FontColor = Color;
        Style.seFont = Follows;
        return Style;
    };
    const quint32 WindowTextValue = 0x302010;
    QTest::newRow("the window-text colour, kept: the system colour stays")
        << FollowsStyle << WindowText << true << FollowsStyle;
    QTest::newRow("the window-text colour from the font menu is stored plain")
        << FollowsStyle << WindowText << false << With(FollowsStyle, WindowTextValue, true);
    QTest::newRow("another colour stops following the style")
        << FollowsStyle << QColor(Qt::red) << true << With(FollowsStyle, 0x0000FF, false);
    QTest::newRow("a line that no longer follows keeps not following")
        << With(FollowsStyle, 0x00FF00, false) << WindowText << true << With(FollowsStyle, WindowTextValue, false);
}

void TestClockEdit::chosenLineStyle()
{
    QFETCH(TLineStyle, style);
    QFETCH(QColor, chosen);
    QFETCH(bool, keep);
    QFETCH(TLineStyle, expected);
    QFont Font(QStringLiteral("Noto Sans"));
    Font.setPointSize(17);
    Font.setItalic(true);
    Font.setStrikeOut(true);
    const TLineStyle Chosen = ChosenLineStyle(style, {Font, chosen}, WindowText,
                                              keep ? std::optional<QColor>(Shown(style.FontColor)) : std::nullopt);
    expected.FontName = QStringLiteral("Noto Sans");
    expected.FontSize = 17;
    expected.Bold = false;
    expected.Italic = true;
    expected.Underline = false;
    expected.StrikeOut = true;
    QCOMPARE(Chosen.FontColor, expected.FontColor);
    QCOMPARE(Chosen.seFont, expected.seFont);
    QCOMPARE(Chosen.FontName, expected.FontName);
    QCOMPARE(Chosen.FontSize, expected.FontSize);
    QCOMPARE(Chosen.Alignment, expected.Alignment);
    QVERIFY(Chosen == expected);
}

QTEST_MAIN(TestClockEdit)
#include "TestClockEdit.moc"
