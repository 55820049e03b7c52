#include "clock/TMDIChild.h"
#include "common/EPendulorError.h"
#include "datetime/ProcessLocale.h"
#include "platform/TStyleService.h"
#include "platform/locale/ILocaleDatabase.h"
#include "unit/doubles/TFakeLocaleDatabase.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeClockFrame.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TSettableNow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <exception>
#include <map>
#include <memory>

// Like the application's own: an error that leaves an event handler is
// caught in notify and recorded instead of ending the program.
class TRecordingApplication final : public QApplication {
public:
    using QApplication::QApplication;
    QStringList Errors;

    bool notify(QObject* Receiver, QEvent* Event) override
    {
        try {
            return QApplication::notify(Receiver, Event);
        } catch (const std::exception& e) {
            Errors << QString::fromStdString(e.what());
            return false;
        }
    }
};

namespace {

constexpr LCID Japanese = 1041;

TDateTime Moment(int Y, int M, int D, int H, int N, int S)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(Y, M, D))) + (H * 3600 + N * 60 + S) / 86400.0;
}

// Counts the paint events a widget receives.
class TPaintCounter final : public QObject {
public:
    explicit TPaintCounter(QWidget* W) { W->installEventFilter(this); }
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* E) override
    {
        if (E->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// Sections of an INI text as ordered key lists and a key -> value map.
struct TIniText {
    QStringList Sections;
    std::map<QString, QStringList> Keys;
    std::map<QString, QString> Values; // "SECTION/Key"
};

TIniText ReadIni(const QString& Path)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    TIniText ini;
    QString section;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'[')) {
            section = line.mid(1, line.size() - 2);
            ini.Sections << section;
        } else if (const qsizetype eq = line.indexOf(u'='); eq > 0) {
            ini.Keys[section] << line.left(eq);
            ini.Values[section + u'/' + line.left(eq)] = line.mid(eq + 1);
        }
    }
    return ini;
}

// Each service of a clock window, and how to leave it out of a set.
const struct {
    const char* Name;
    void (*Remove)(TClockServices&);
} ClockServices[] = {
    {"Frame", [](TClockServices& S) { S.Frame = nullptr; }},
    {"Now", [](TClockServices& S) { S.Now = nullptr; }},
    {"Style", [](TClockServices& S) { S.Style = nullptr; }},
    {"FontChooser", [](TClockServices& S) { S.FontChooser = nullptr; }},
    {"Properties", [](TClockServices& S) { S.Properties = nullptr; }},
    {"Ticker", [](TClockServices& S) { S.Ticker = nullptr; }},
};

} // namespace

class TestMDIChild : public QObject {
    Q_OBJECT

public:
    TRecordingApplication* App = nullptr;

private:
    TFakeLocaleDatabase Db;
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<QMdiArea> Area;
    TSettableNow FixedNow{Moment(2026, 1, 5, 13, 7, 9)};
    TClockDoubles Doubles{FixedNow};
    TFakeFontChooser& Fonts = Doubles.Fonts;
    TFakeClockFrame Frame;
    std::unique_ptr<TStyleService> Styles;

    TClockServices Services()
    {
        TClockServices services = Doubles.Services();
        services.Frame = &Frame;
        services.Style = Styles.get();
        return services;
    }

    // A clock window inside the MDI area, shown and laid out.
    TMDIChild* NewChild()
    {
        auto* child = new TMDIChild(Services());
        Area->addSubWindow(child);
        child->show();
        QCoreApplication::processEvents();
        return child;
    }
    TMDIChild* NewClock()
    {
        TMDIChild* child = NewChild();
        child->InitNewClock();
        child->Timer1Timer();
        return child;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A Japanese locale with the platform's pictures yyyy/MM/dd and H:mm.
        Db.InstallEnglish(Japanese);
        Db.SetItem(Japanese, LocaleItem::SSHORTDATE, QStringLiteral("yyyy/MM/dd"));
        Db.SetItem(Japanese, LocaleItem::SSHORTTIME, QStringLiteral("H:mm"));
        Db.SetItem(Japanese, LocaleItem::STIMEFORMAT, QStringLiteral("H:mm:ss"));
        Db.SetThreadLocale(Japanese);
        ProcessLocale::Init(Db);
        Styles = std::make_unique<TStyleService>();
        Area = std::make_unique<QMdiArea>();
        Area->resize(900, 700);
        Area->show();
        QVERIFY(QTest::qWaitForWindowExposed(Area.get()));
    }

    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Frame = TFakeClockFrame();
        Frame.DataFolder = Folder->path();
        Frame.Settings = Folder->path();
        Frame.Locale = Japanese;
        FixedNow.Set(Moment(2026, 1, 5, 13, 7, 9));
        Fonts = TFakeFontChooser();
        Doubles.Editor = TFakeClockEditor();
        App->Errors.clear();
        Styles->ActivateStyle(QStringLiteral("Windows"));
    }

    void cleanup()
    {
        Frame.SaveFiles = false; // nothing of one test lands in the next one's folder
        for (QMdiSubWindow* w : Area->subWindowList())
            delete w;
    }

    void newClockShowsDateAndTimeAtOnce()
    {
        auto* child = new TMDIChild(Services());
        Area->addSubWindow(child);
        child->InitNewClock();
        // No tick has run yet: creation itself renders both lines.
        QCOMPARE(child->LabelDate2->text(), QStringLiteral("2026/01/05"));
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("13:07"));
        QCOMPARE(ChildDateTime, FixedNow.Now());
        QCOMPARE(child->windowTitle(), QStringLiteral("(new)"));
        QCOMPARE(child->ClockName(), QStringLiteral("(new)"));
        QCOMPARE(child->Hint(), QStringLiteral("(new)"));
        QCOMPARE(child->Tag(), 0);
        QCOMPARE(child->ClockData().LocaleID, Japanese);
        QCOMPARE(child->DataFileName2, QDir(Frame.DataFolder).filePath(QStringLiteral("(new).dat")));
    }

    void newClockTakesTheLocaleFormats()
    {
        TMDIChild* child = NewClock();
        QCOMPARE(child->ClockData().DateFormat.List, QStringLiteral("yyyy/mm/dd"));
        QCOMPARE(child->ClockData().DateFormat.InEffect, QStringLiteral("yyyy/mm/dd"));
        QCOMPARE(child->ClockData().TimeFormat.List, QStringLiteral("h:nn"));
        QCOMPARE(child->ClockData().TimeFormat.InEffect, QStringLiteral("h:nn"));
        QVERIFY(child->ClockData().DateFormat.UseList);
        QVERIFY(child->ClockData().TimeFormat.UseList);
        QVERIFY(!child->ClockData().DateFormat.UseEdit);
        QVERIFY(!child->ClockData().TimeFormat.UseEdit);
        QVERIFY(child->ClockData().DateFormat.Edit.isEmpty());
        QVERIFY(child->ClockData().TimeFormat.Edit.isEmpty());
    }

    void newClockLineStyles_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("qtAlignment");
        QTest::newRow("name") << int(TMDIChild::LineName) << 26 << true << 0 << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("date") << int(TMDIChild::LineDate) << 20 << false << 2 << int(Qt::AlignHCenter | Qt::AlignVCenter);
        QTest::newRow("time") << int(TMDIChild::LineTime) << 20 << false << 2 << int(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    void newClockLineStyles()
    {
        QFETCH(int, line);
        TMDIChild* child = NewClock();
        const auto l = TMDIChild::TLine(line);
        const TLineStyle& s = child->LineStyle(l);
        QCOMPARE(s.FontName, QStringLiteral(u"メイリオ"));
        QTEST(s.FontSize, "size");
        QTEST(s.Bold, "bold");
        QTEST(s.Alignment, "alignment");
        QCOMPARE(s.FontColor, clWindowText);
        QVERIFY(s.seFont);
        QCOMPARE(child->Label(l)->font().pointSize(), s.FontSize);
        QCOMPARE(child->Label(l)->font().bold(), s.Bold);
        QTEST(int(child->Label(l)->alignment()), "qtAlignment");
        QCOMPARE(child->Label(l)->textFormat(), Qt::PlainText);
    }

    void tickRepaintsOnlyChangedLines_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<bool>("dateRepainted");
        QTest::addColumn<bool>("timeRepainted");
        QTest::newRow("same moment") << 0.0 << false << false;
        QTest::newRow("same minute") << 20.0 / 86400 << false << false;
        QTest::newRow("next minute") << 60.0 / 86400 << false << true;
        QTest::newRow("next day") << 1.0 << true << false;
    }
    void tickRepaintsOnlyChangedLines()
    {
        QFETCH(double, step);
        TMDIChild* child = NewClock();
        QCoreApplication::processEvents();
        TPaintCounter name(child->LabelName2), date(child->LabelDate2), time(child->LabelTime2);
        FixedNow.Set(FixedNow.Now() + step);
        child->Timer1Timer();
        QCoreApplication::processEvents();
        QTEST(date.Paints > 0, "dateRepainted");
        QTEST(time.Paints > 0, "timeRepainted");
        QCOMPARE(name.Paints, 0);
    }

    // A screen reader names the clock window by its three lines, as they
    // read after each change; the caption stays its description.
    void accessibleNameReadsTheLines()
    {
        TMDIChild* child = NewClock();
        TClockData data = child->ClockData();
        data.Name = QStringLiteral("Tokyo");
        data.DateFormat.InEffect = QStringLiteral("mm/dd/yyyy");
        data.TimeFormat.InEffect = QStringLiteral("h:nn AM/PM");
        child->SetClockData(data);
        FixedNow.Set(Moment(2026, 12, 11, 13, 45, 0));
        child->Timer1Timer();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(child);
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tokyo, 12/11/2026, 1:45 PM"));
        QCOMPARE(window->text(QAccessible::Description), QStringLiteral("+0000"));
        FixedNow.Set(Moment(2026, 12, 11, 13, 46, 0));
        child->Timer1Timer();
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tokyo, 12/11/2026, 1:46 PM"));
        child->SetClockName(QStringLiteral("Kyoto"));
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kyoto, 12/11/2026, 1:46 PM"));
        data = child->ClockData();
        data.DateFormat.InEffect = QStringLiteral("\"\""); // an empty line is left out
        child->SetClockData(data);
        child->Timer1Timer();
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kyoto, 1:46 PM"));
    }

    void tickAddsTheOffset()
    {
        TMDIChild* child = NewClock();
        child->SetOffset(-(5 * 60 + 30) / 1440.0);
        child->Timer1Timer();
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("7:37"));
        QCOMPARE(child->windowTitle(), QStringLiteral("-0530"));
        QCOMPARE(child->Tag(), -530);
    }

    void emptyTimeFormatRendersLikeC()
    {
        TMDIChild* child = NewClock();
        TClockData data = child->ClockData();
        data.TimeFormat.InEffect.clear();
        child->SetClockData(data);
        child->Timer1Timer();
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("2026/01/05 13:07:09"));
    }

    void twoClocksShareTheLastTickedTime()
    {
        TMDIChild* a = NewClock();
        TMDIChild* b = NewClock();
        b->SetOffset(9 / 24.0);
        a->Timer1Timer();
        b->Timer1Timer();
        QCOMPARE(ChildDateTime, FixedNow.Now() + 9 / 24.0);
        a->Timer1Timer();
        QCOMPARE(ChildDateTime, FixedNow.Now());
    }

    void layoutSplitsTheClientInThirds_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("middle");
        QTest::newRow("181") << 181 << 60 << 61;
        QTest::newRow("180") << 180 << 60 << 60;
        QTest::newRow("182") << 182 << 60 << 62;
        QTest::newRow("2") << 2 << 0 << 2;
    }
    void layoutSplitsTheClientInThirds()
    {
        QFETCH(int, height);
        TMDIChild* child = NewClock();
        QWidget* client = child->widget();
        const QSize frame = child->size() - client->size();
        child->resize(QSize(300, height) + frame);
        QCoreApplication::processEvents();
        QCOMPARE(client->height(), height);
        const int h = child->LabelName2->height();
        QTEST(h, "outer");
        QTEST(child->LabelDate2->height(), "middle");
        QCOMPARE(child->LabelTime2->height(), h);
        QCOMPARE(child->LabelDate2->y(), h);
        QCOMPARE(child->LabelTime2->geometry().bottom(), height - 1);
        QCOMPARE(child->LabelDate2->width(), client->width());
    }

    void initialClientIs244By181()
    {
        TMDIChild* child = NewClock();
        QCOMPARE(child->widget()->size(), QSize(244, 181));
        QCOMPARE(child->LabelName2->height(), 60);
        QCOMPARE(child->LabelDate2->height(), 61);
    }

    void longTextDoesNotWidenTheWindow()
    {
        TMDIChild* child = NewClock();
        const QSize before = child->minimumSizeHint();
        child->SetClockName(QString(400, u'W'));
        QCOMPARE(child->minimumSizeHint(), before);
        QVERIFY(child->minimumSizeHint().width() < 244);
        QCOMPARE(child->widget()->width(), 244);
    }

    void closeBoxFollowsTheOption()
    {
        TMDIChild* child = NewClock();
        QVERIFY(!child->HasCloseBox());
        child->SetCloseBox(true);
        QVERIFY(child->HasCloseBox());
        QVERIFY(child->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(child->isVisible());
        child->SetCloseBox(false);
        QVERIFY(!child->HasCloseBox());
        QVERIFY(!child->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(child->isVisible());
    }

    void contextMenuCaptions()
    {
        TMDIChild* child = NewClock();
        QStringList captions;
        for (QAction* a : child->ContextMenu()->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(captions, (QStringList{QStringLiteral("&MenuBar"), QStringLiteral("-"), QStringLiteral("&Edit..."),
                                        QStringLiteral("-"), QStringLiteral(" &Name"), QStringLiteral(" &Date"),
                                        QStringLiteral(" &Time"), QStringLiteral("-"), QStringLiteral("&Close")}));
        for (QMenu* sub : {child->Name2, child->Date2, child->Time2}) {
            QStringList items;
            for (QAction* a : sub->actions())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            QCOMPARE(items, (QStringList{QStringLiteral("&Font..."), QStringLiteral("-"), QStringLiteral(" &Left"),
                                         QStringLiteral(" &Center"), QStringLiteral(" &Right")}));
        }
        QVERIFY(child->MenuBar2->isChecked());
        QVERIFY(child->EditItem2->isEnabled()); // a clock always has its properties dialog
    }

    void alignmentSubmenuShowsTheCurrentAlignment_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("checkedIndex"); // among Left, Center, Right
        QTest::newRow("name right") << int(TMDIChild::LineName) << 1 << 2;
        QTest::newRow("name centre") << int(TMDIChild::LineName) << 2 << 1;
        QTest::newRow("date left") << int(TMDIChild::LineDate) << 0 << 0;
        QTest::newRow("time right") << int(TMDIChild::LineTime) << 1 << 2;
    }
    void alignmentSubmenuShowsTheCurrentAlignment()
    {
        QFETCH(int, line);
        QFETCH(int, alignment);
        QFETCH(int, checkedIndex);
        TMDIChild* child = NewClock();
        child->ContextMenu();
        const auto l = TMDIChild::TLine(line);
        QMenu* menu = l == TMDIChild::LineName ? child->Name2 : l == TMDIChild::LineDate ? child->Date2 : child->Time2;
        const QList<QAction*> radios = menu->actions().mid(2);
        // A stale check from before must not survive the opening.
        radios[(checkedIndex + 1) % 3]->setChecked(true);
        child->SetLineAlignment(l, alignment);
        Q_EMIT menu->aboutToShow();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(radios[i]->isChecked(), i == checkedIndex);
    }

    void alignmentItemsSetTheLine_data()
    {
        QTest::addColumn<int>("item"); // Left, Center, Right
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("qtAlignment");
        QTest::newRow("left") << 0 << 0 << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("centre") << 1 << 2 << int(Qt::AlignHCenter | Qt::AlignVCenter);
        QTest::newRow("right") << 2 << 1 << int(Qt::AlignRight | Qt::AlignVCenter);
    }
    void alignmentItemsSetTheLine()
    {
        QFETCH(int, item);
        TMDIChild* child = NewClock();
        const TLineStyle before = child->LineStyle(TMDIChild::LineName);
        child->ContextMenu();
        child->Name2->actions().at(2 + item)->trigger();
        QTEST(child->LineStyle(TMDIChild::LineName).Alignment, "alignment");
        QTEST(int(child->LabelName2->alignment()), "qtAlignment");
        // Only the name line changes.
        TLineStyle rest = child->LineStyle(TMDIChild::LineName);
        rest.Alignment = before.Alignment;
        QCOMPARE(rest, before);
        QCOMPARE(child->LineStyle(TMDIChild::LineDate).Alignment, 2);
    }

    void menuBarItemFollowsTheFrame()
    {
        TMDIChild* child = NewClock();
        child->ContextMenu();
        child->MenuBar2->trigger();
        QVERIFY(!Frame.MenuBarShown);
        QVERIFY(!child->MenuBar2->isChecked());
        // Shown again another way: the item acts on the frame, not on its mark.
        Frame.MenuBarShown = true;
        child->MenuBar2->trigger();
        QVERIFY(!Frame.MenuBarShown);
        QVERIFY(!child->MenuBar2->isChecked());
        child->MenuBar2->trigger();
        QVERIFY(Frame.MenuBarShown);
        QVERIFY(child->MenuBar2->isChecked());
        QCOMPARE(Frame.Switches, 3);
    }

    void menuBarMarkSurvivesUntilTheMenuIsMade()
    {
        // The handler runs (through the frame's own switch, say) before the
        // window's menu was ever opened: the menu made later shows the mark.
        TMDIChild* child = NewClock();
        QVERIFY(!child->PopupMenu2);
        child->MenuBar2Click();
        QVERIFY(!Frame.MenuBarShown);
        QVERIFY(!child->ContextMenu()->actions().first()->isChecked());
        QCOMPARE(child->ContextMenu(), child->PopupMenu2); // made once
        child->MenuBar2->trigger();
        QVERIFY(Frame.MenuBarShown);
        QVERIFY(child->MenuBar2->isChecked());
    }

    void fontCommandKeepsSeFontOnlyForTheStyleColour_data()
    {
        QTest::addColumn<bool>("seFontBefore");
        QTest::addColumn<bool>("styleColour");
        QTest::addColumn<bool>("seFontAfter");
        QTest::newRow("style colour keeps it set") << true << true << true;
        QTest::newRow("other colour clears it") << true << false << false;
        QTest::newRow("style colour never sets it") << false << true << false;
    }
    void fontCommandKeepsSeFontOnlyForTheStyleColour()
    {
        QFETCH(bool, seFontBefore);
        QFETCH(bool, styleColour);
        // S comes from the active style, not from a fixed black.
        Styles->ActivateStyle(QStringLiteral("Windows10 Dark"));
        const QColor s = Styles->ColorOf(clWindowText);
        QCOMPARE(s, QColor(0xF0, 0xF0, 0xF0));
        TMDIChild* child = NewClock();
        TLineStyle date = child->LineStyle(TMDIChild::LineDate);
        date.seFont = seFontBefore;
        child->SetLineStyle(TMDIChild::LineDate, date);

        QFont chosen(QStringLiteral("Serif"));
        chosen.setPointSize(33);
        chosen.setItalic(true);
        chosen.setStrikeOut(true);
        const QColor colour = styleColour ? s : QColor(0x12, 0x34, 0x56);
        Fonts.Answer = TFontChoice{chosen, colour};
        child->ContextMenu();
        child->DateFont2->trigger();

        QCOMPARE(Fonts.Calls, 1);
        QCOMPARE(Fonts.LastInitial->Font.pointSize(), 20);
        QCOMPARE(Fonts.LastInitial->Color, s); // clWindowText as the style shows it
        const TLineStyle& after = child->LineStyle(TMDIChild::LineDate);
        QTEST(after.seFont, "seFontAfter");
        QCOMPARE(after.FontSize, 33);
        QVERIFY(after.Italic && after.StrikeOut && !after.Bold && !after.Underline);
        QCOMPARE(after.FontColor, TStyleService::ToColorValue(colour));
        QCOMPARE(child->LabelDate2->font().pointSize(), 33);
        QCOMPARE(child->LabelDate2->palette().color(QPalette::WindowText), colour);
        // The other lines are untouched.
        QCOMPARE(child->LineStyle(TMDIChild::LineTime).FontSize, 20);
    }

    void cancelledFontCommandChangesNothing()
    {
        TMDIChild* child = NewClock();
        const TLineStyle before = child->LineStyle(TMDIChild::LineName);
        Fonts.Answer.reset();
        child->ContextMenu();
        child->NameFont2->trigger();
        QCOMPARE(Fonts.Calls, 1);
        QCOMPARE(child->LineStyle(TMDIChild::LineName), before);
    }

    void lineWithOwnColourKeepsItUnderAnotherStyle()
    {
        TMDIChild* child = NewClock();
        TLineStyle name = child->LineStyle(TMDIChild::LineName);
        name.FontColor = 0x000000FF; // red
        name.seFont = false;
        child->SetLineStyle(TMDIChild::LineName, name);
        Styles->ActivateStyle(QStringLiteral("Windows10 Dark"));
        QCOMPARE(child->LabelName2->palette().color(QPalette::WindowText), QColor(Qt::red));
        // A following line takes the style's colour.
        QCOMPARE(child->LabelDate2->palette().color(QPalette::WindowText), QColor(0xF0, 0xF0, 0xF0));
    }

    void closingANewClockWritesItsFile()
    {
        TMDIChild* child = NewClock();
        QPointer<TMDIChild> alive(child);
        QVERIFY(child->close());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull());

        const QString path = QDir(Frame.DataFolder).filePath(QStringLiteral("(new).dat"));
        const TIniText ini = ReadIni(path);
        QCOMPARE(ini.Sections, (QStringList{QStringLiteral("FILE"), QStringLiteral("NAME"), QStringLiteral("DATE"),
                                            QStringLiteral("TIME")}));
        QCOMPARE(ini.Keys.at(QStringLiteral("FILE")),
                 (QStringList{QStringLiteral("FileName"), QStringLiteral("FilePath"), QStringLiteral("LastClose"),
                              QStringLiteral("Caption")}));
        QCOMPARE(ini.Keys.at(QStringLiteral("NAME")),
                 (QStringList{QStringLiteral("Caption"), QStringLiteral("FontName"), QStringLiteral("FontSize"),
                              QStringLiteral("FontStyleBold"), QStringLiteral("FontColor"), QStringLiteral("Alignment"),
                              QStringLiteral("seFont"), QStringLiteral("LocaleID"), QStringLiteral("Offset")}));
        QCOMPARE(ini.Keys.at(QStringLiteral("TIME")),
                 (QStringList{QStringLiteral("FontName"), QStringLiteral("FontSize"), QStringLiteral("FontColor"),
                              QStringLiteral("Alignment"), QStringLiteral("seFont"), QStringLiteral("UseFormatList"),
                              QStringLiteral("ListFormat"), QStringLiteral("UseFormatEdit"), QStringLiteral("EditFormat")}));
        const std::map<QString, QString> expected{
            {QStringLiteral("FILE/FileName"), QStringLiteral("(new).dat")},
            {QStringLiteral("FILE/FilePath"), Frame.DataFolder},
            {QStringLiteral("FILE/Caption"), QStringLiteral("(new)")},
            {QStringLiteral("NAME/Caption"), QStringLiteral("(new)")},
            {QStringLiteral("NAME/FontName"), QStringLiteral(u"メイリオ")},
            {QStringLiteral("NAME/FontSize"), QStringLiteral("26")},
            {QStringLiteral("NAME/FontStyleBold"), QStringLiteral("1")},
            {QStringLiteral("NAME/FontColor"), QStringLiteral("clWindowText")},
            {QStringLiteral("NAME/Alignment"), QStringLiteral("0")},
            {QStringLiteral("NAME/seFont"), QStringLiteral("1")},
            {QStringLiteral("NAME/LocaleID"), QStringLiteral("1041")},
            {QStringLiteral("NAME/Offset"), QStringLiteral("+0000")},
            {QStringLiteral("DATE/FontSize"), QStringLiteral("20")},
            {QStringLiteral("DATE/Alignment"), QStringLiteral("2")},
            {QStringLiteral("DATE/ListFormat"), QStringLiteral("yyyy/mm/dd")},
            {QStringLiteral("DATE/UseFormatList"), QStringLiteral("1")},
            {QStringLiteral("DATE/UseFormatEdit"), QStringLiteral("0")},
            {QStringLiteral("DATE/EditFormat"), QString()},
            {QStringLiteral("TIME/ListFormat"), QStringLiteral("h:nn")},
        };
        for (const auto& [key, value] : expected) {
            QVERIFY2(ini.Values.count(key), qPrintable(key));
            QCOMPARE(ini.Values.at(key), value);
        }
    }

    void renamedClockIsSavedUnderItsNewName()
    {
        TMDIChild* child = NewClock();
        child->SetClockName(QStringLiteral("Rio: 10/20"));
        QVERIFY(child->close());
        const QString path = QDir(Frame.DataFolder).filePath(QStringLiteral(u"Rio： 10／20.dat"));
        QVERIFY(QFile::exists(path));
        QCOMPARE(ReadIni(path).Values.at(QStringLiteral("NAME/Caption")), QStringLiteral("Rio: 10/20"));
        QVERIFY(!QFile::exists(QDir(Frame.DataFolder).filePath(QStringLiteral("(new).dat"))));
    }

    void nothingIsWrittenWhileSavingIsOff()
    {
        TMDIChild* child = NewClock();
        Frame.SaveFiles = false;
        QVERIFY(child->close());
        QVERIFY(QDir(Frame.DataFolder).entryList(QDir::Files).isEmpty());
    }

    void unwritableFileKeepsTheWindowOpen()
    {
        TMDIChild* child = NewClock();
        child->SetClockName(QStringLiteral("Blocked"));
        // A folder where the file should go: the write fails even for root.
        const QString path = QDir(Frame.DataFolder).filePath(QStringLiteral("Blocked.dat"));
        QVERIFY(QDir().mkdir(path));
        QVERIFY_THROWS_EXCEPTION(EPendulorError, child->FormCloseQuery());

        QPointer<TMDIChild> alive(child);
        QVERIFY(!child->close());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive.isNull());
        QVERIFY(child->isVisible());
        QCOMPARE(child->ClockName(), QStringLiteral("Blocked"));
        // The error went to the application's handler.
        QCOMPARE(Frame.Errors.size(), 1);
        try {
            std::rethrow_exception(Frame.Errors.first());
        } catch (const EPendulorError& E) {
            QVERIFY2(E.Message().contains(QStringLiteral("Blocked.dat")), qPrintable(E.Message()));
        }

        // Once the way is free the same window closes and saves.
        QVERIFY(QDir().rmdir(path));
        QVERIFY(child->close());
        QVERIFY(QFileInfo(path).isFile());
    }

    void loadsAClockFile()
    {
        TMDIChild* child = NewChild();
        child->LoadClockFile(QStringLiteral(PENDULOR_TEST_DATA "/clock-tokyo.dat"));
        FixedNow.Set(Moment(2025, 12, 31, 20, 0, 0));
        child->Timer1Timer();

        QCOMPARE(child->ClockName(), QStringLiteral("Tokyo & Co"));
        QCOMPARE(child->LabelName2->text(), QStringLiteral("Tokyo & Co"));
        QCOMPARE(child->Hint(), QStringLiteral("Tokyo & Co"));
        QCOMPARE(child->windowTitle(), QStringLiteral("+0900"));
        QCOMPARE(child->Tag(), 900);
        QCOMPARE(child->ClockData().OffsetTime, 9 / 24.0);
        QCOMPARE(child->ClockData().LocaleID, Japanese);
        // The custom date format is in effect; nine hours on it is next year.
        QVERIFY(!child->ClockData().DateFormat.UseList);
        QCOMPARE(child->ClockData().DateFormat.InEffect, QStringLiteral("yyyy"));
        QCOMPARE(child->LabelDate2->text(), QStringLiteral("2026"));
        QCOMPARE(child->ClockData().TimeFormat.InEffect, QStringLiteral("hh:nn"));
        QCOMPARE(child->LabelTime2->text(), QStringLiteral("05:00"));

        const TLineStyle& name = child->LineStyle(TMDIChild::LineName);
        QCOMPARE(name.FontName, QStringLiteral("Serif"));
        QCOMPARE(name.FontSize, 30);
        QVERIFY(name.Italic && !name.Bold);
        QCOMPARE(name.Alignment, 1);
        QVERIFY(!name.seFont);
        QCOMPARE(child->LabelName2->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(child->LabelName2->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(child->LineStyle(TMDIChild::LineDate).FontSize, 18);
        QCOMPARE(child->LineStyle(TMDIChild::LineDate).FontName, QStringLiteral(u"メイリオ"));
        QVERIFY(child->LineStyle(TMDIChild::LineTime).Bold);
        // Saved into the data folder, under its name.
        QCOMPARE(QFileInfo(child->DataFileName2).absolutePath(), QFileInfo(Frame.DataFolder).absoluteFilePath());
        QVERIFY(child->close());
        QVERIFY(QFile::exists(QDir(Frame.DataFolder).filePath(QStringLiteral("Tokyo & Co.dat"))));
    }

    void missingFileLoadsDefaults()
    {
        TMDIChild* child = NewChild();
        child->LoadClockFile(QDir(Frame.DataFolder).filePath(QStringLiteral("nowhere.dat")));
        child->Timer1Timer();
        QCOMPARE(child->ClockName(), QStringLiteral("MDI Child"));
        QCOMPARE(child->windowTitle(), QStringLiteral("+0000"));
        QCOMPARE(child->ClockData().DateFormat.InEffect, QStringLiteral("yyyy/mm/dd"));
        QCOMPARE(child->LabelDate2->text(), QStringLiteral("2026/01/05"));
        QCOMPARE(child->LineStyle(TMDIChild::LineName).FontSize, 26);
        QCOMPARE(child->LineStyle(TMDIChild::LineName).Alignment, 0);
    }

    void unreadableFileIsNeverSavedOver()
    {
        TMDIChild* child = NewChild();
        const QString path = QDir(Frame.DataFolder).filePath(QStringLiteral("MDI Child.dat"));
        QVERIFY(QDir().mkdir(path)); // exists, cannot be read as a file
        QVERIFY_THROWS_EXCEPTION(EPendulorError, child->LoadClockFile(path));
        QVERIFY(QDir().rmdir(path));
        QVERIFY(child->close());
        QVERIFY(QDir(Frame.DataFolder).entryList(QDir::Files).isEmpty());
    }

    void rightClickOnALineOpensTheClockMenu()
    {
        TMDIChild* child = NewClock();
        QWidget* label = child->LabelTime2;
        const QPoint at = label->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
        QApplication::sendEvent(label, &event);
        QVERIFY(child->PopupMenu2->isVisible());
        child->PopupMenu2->hide();
    }

    void doubleClickOnALineRunsTheEdit()
    {
        TMDIChild* child = NewClock();
        QTest::mouseDClick(child->LabelDate2, Qt::LeftButton);
        QVERIFY(child->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(Doubles.Editor.Opened.size(), 1);
        QCOMPARE(Doubles.Editor.Opened.first().Data.Name, child->ClockName());
    }

    void aServiceMissingIsRefused_data()
    {
        QTest::addColumn<int>("missing");
        for (int i = 0; i < int(std::size(ClockServices)); ++i)
            QTest::newRow(ClockServices[i].Name) << i;
    }
    void aServiceMissingIsRefused()
    {
        QFETCH(int, missing);
        TClockServices services = Services();
        ClockServices[missing].Remove(services);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TMDIChild{services});
    }
};

int main(int argc, char** argv)
{
    TRecordingApplication app(argc, argv);
    TestMDIChild test;
    test.App = &app;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestMDIChild.moc"
