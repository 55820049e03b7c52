#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "clock/TMDIChild.h"
#include "shell/TShellOpen.h"
#include "widgets/doubles/TFrameDoubles.h"
#include "widgets/doubles/TMainFormTestAccess.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>

using TAccess = TMainFormTestAccess;

using namespace Qt::StringLiterals;

namespace {

// One frame over an empty per-user folder, with every platform service
// doubled; its shell gateway takes the executable to be in Home/bin.
struct TClockSetFixture : TFrameDoubles {
    QTemporaryDir Home;
    TShellOpen BinGateway{Shell, TMessageDialogs(Boxes), Home.filePath(QStringLiteral("bin/Pendulor"))};
    std::unique_ptr<TMainForm> Frame;

    TClockSetFixture()
    {
        qputenv("XDG_DATA_HOME", Home.path().toUtf8());
        QDir().mkpath(Folder());
    }
    ~TClockSetFixture()
    {
        Frame.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    QString IniPath() const { return GetIniFileName(QStringLiteral("Quorvane")); }
    QString Folder() const { return GetDataFolder(QStringLiteral("Quorvane")); }
    QString InFolder(const QString& Name) const { return Folder() + u'/' + Name; }

    // A clock data file holding a name and an offset ("+0900").
    QString WriteClock(const QString& Path, const QString& Name, const QString& Offset = QStringLiteral("+0000")) const
    {
        QDir().mkpath(QFileInfo(Path).path());
        QFile file(Path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(Path));
        file.write(QStringLiteral("[NAME]\r\nCaption=%1\r\nOffset=%2\r\n").arg(Name, Offset).toUtf8());
        return Path;
    }

    // A settings file with the given DATAFILE values (FileName0 first).
    void WriteIni(const QStringList& Paths, const QByteArray& Option = "LastTileMode=-1\r\n") const
    {
        QByteArray text = "[OPTION]\r\n" + Option + "[DATAFILE]\r\n";
        for (int i = 0; i < Paths.size(); ++i)
            text += QStringLiteral("FileName%1=%2\r\n").arg(i).arg(Paths[i]).toUtf8();
        WriteBytes(IniPath(), text);
    }
    static void WriteBytes(const QString& Path, const QByteArray& Bytes)
    {
        QFile file(Path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(Path));
        file.write(Bytes);
    }
    static QByteArray ReadBytes(const QString& Path)
    {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TMainForm& Make(const QStringList& CommandLine = {})
    {
        TFrameServices services = Services();
        services.ShellOpen = &BinGateway;
        Frame = std::make_unique<TMainForm>(services);
        MakeDialogs(*Frame);
        Frame->SetCommandLine(CommandLine);
        return *Frame;
    }
    // Shows the frame; its first showing reopens the clock set.
    TMainForm& MakeShown(const QStringList& CommandLine = {})
    {
        Make(CommandLine);
        Frame->show();
        if (!QTest::qWaitForWindowExposed(Frame.get()))
            qWarning("frame not exposed");
        QCoreApplication::processEvents();
        return *Frame;
    }

    // Clock names in the frame's list order (front first).
    QStringList Names() const
    {
        QStringList names;
        for (TMDIChild* clock : Frame->ClockWindows())
            names << clock->ClockName();
        return names;
    }
    // Clock names in the order the windows were made.
    QStringList NamesInCreationOrder() const
    {
        QStringList names;
        for (QMdiSubWindow* window : TAccess::Area(*Frame).subWindowList(QMdiArea::CreationOrder))
            if (auto* clock = qobject_cast<TMDIChild*>(window))
                names << clock->ClockName();
        return names;
    }
    // DATAFILE lines of the written settings file, without their CR.
    QStringList SavedSet() const
    {
        QStringList lines;
        bool inSection = false;
        for (const QString& line : QString::fromUtf8(ReadBytes(IniPath())).split(QStringLiteral("\r\n"))) {
            if (line.startsWith(u'['))
                inSection = line == QStringLiteral("[DATAFILE]");
            else if (inSection && !line.isEmpty())
                lines << line;
        }
        return lines;
    }
};

// Counts the clock windows at the moment queued events first get a turn.
struct TEventProbe {
    int SeenAt = -1;
    void Arm(const TMainForm& Frame)
    {
        QTimer::singleShot(0, &Frame, [this, &Frame] {
            if (SeenAt < 0)
                SeenAt = TAccess::MDIChildCount(Frame);
        });
    }
};

// The executable was started again without arguments, then the process ended.
void VerifyRelaunchedOnce(const TClockSetFixture& F)
{
    QCOMPARE(F.Shell.Calls.size(), 1);
    QCOMPARE(F.Shell.Calls[0].Operation, QStringLiteral("StartProgram"));
    QCOMPARE(F.Shell.Calls[0].Target, QCoreApplication::applicationFilePath());
    QCOMPARE(F.Shell.Calls[0].Arguments, QStringList());
    QCOMPARE(F.Terminations, 1);
}

void Drop(QWidget& Target, const QList<QUrl>& Urls)
{
    QMimeData data;
    data.setUrls(Urls);
    const QPoint at = Target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Target, &drop);
    QVERIFY(drop.isAccepted());
    QCoreApplication::processEvents();
}

} // namespace

class TestClockSet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setIsRecordedInListOrderAndReopenedLastFirst();
    void aSetActivatesOnlyItsLastClock_data();
    void aSetActivatesOnlyItsLastClock();
    void commandLineOpensOnlyClockFiles_data();
    void commandLineOpensOnlyClockFiles();
    void emptyOrAbsentSetOpensNothing_data();
    void emptyOrAbsentSetOpensNothing();
    void clocksWithOneNameKeepFilesOfTheirOwn_data();
    void clocksWithOneNameKeepFilesOfTheirOwn();
    void clocksFromElsewhereWithOneNameBothComeBack();
    void aClockNeverWritesOverTheFileOfAnother();
    void badEntriesNeitherStopTheOthersNorGetOverwritten();
    void closeDuringTheReopeningWaitsForTheWholeSet();
    void fileOpenSetsUpTheDialogAndOpensEveryChoice();
    void fileOpenCascadeRule_data();
    void fileOpenCascadeRule();
    void dropOpensTheFirstFileThenTheLayout();
    void dropTakesAPathLongerThan255Characters();
    void dropOfNothingButAddressesIsRefused();
    void clearRestartWithoutClocksAsksNothing();
    void clearRestartCancelChangesNothing();
    void clearRestartNoThrowsTheClocksAway();
    void clearRestartYesSavesFirst();
    void clearRestartYesStopsWhenAClockCannotBeSaved();
    void helpMenuGoesThroughTheGateway_data();
    void helpMenuGoesThroughTheGateway();
};

void TestClockSet::setIsRecordedInListOrderAndReopenedLastFirst()
{
    TClockSetFixture f;
    const QString a = f.WriteClock(f.InFolder("A.dat"), "A");
    const QString b = f.WriteClock(f.InFolder("B.dat"), "B");
    const QString c = f.WriteClock(f.InFolder("C.dat"), "C");
    {
        TMainForm& frame = f.MakeShown();
        for (const QString& path : {c, b, a})
            TAccess::WMDropFiles(frame, {path});
        QCOMPARE(f.Names(), (QStringList{"A", "B", "C"}));
        QVERIFY(frame.close());
    }
    QCOMPARE(f.SavedSet(), (QStringList{"FileName0=" + a, "FileName1=" + b, "FileName2=" + c}));

    f.Make();
    TEventProbe probe;
    f.Frame->show();
    probe.Arm(*f.Frame); // queued behind the first showing's work
    QVERIFY(QTest::qWaitForWindowExposed(f.Frame.get()));
    QCoreApplication::processEvents();
    QCOMPARE(f.NamesInCreationOrder(), (QStringList{"C", "B", "A"}));
    QCOMPARE(f.Names(), (QStringList{"A", "B", "C"}));
    QCOMPARE(TAccess::Area(*f.Frame).activeSubWindow(), f.Frame->ClockWindows().first());
    QCOMPARE(probe.SeenAt, 1); // pending events ran right after the first clock
    QVERIFY(f.Boxes.Shown.isEmpty());
}

void TestClockSet::aSetActivatesOnlyItsLastClock_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("saved set") << QStringLiteral("saved");
    QTest::newRow("command line") << QStringLiteral("command line");
    QTest::newRow("File Open") << QStringLiteral("open");
}

// Each activation repaints every other window's caption, so activating each
// clock of a set as it opens costs the square of the set's size. The last
// clock opened is activated once the set is open; before that, only the
// frame's own activation may activate a clock (the area's doing).
void TestClockSet::aSetActivatesOnlyItsLastClock()
{
    QFETCH(QString, way);
    TClockSetFixture f;
    QStringList paths;
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        paths << f.WriteClock(f.InFolder(QString::fromLatin1(name) + ".dat"), name);
    f.WriteIni(way == u"saved" ? paths : QStringList{});

    f.Make(way == u"command line" ? paths : QStringList{});
    QList<QMdiSubWindow*> activated;
    QMdiArea& area = TAccess::Area(*f.Frame);
    connect(&area, &QMdiArea::subWindowActivated, f.Frame.get(), [&activated](QMdiSubWindow* Window) {
        if (Window)
            activated << Window;
    });
    f.Frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Frame.get()));
    QCoreApplication::processEvents();
    if (way == u"open") {
        f.OpenDialog.Chosen = paths;
        FrameAction(*f.Frame, "FileOpen1").trigger();
    }

    const QString last = way == u"saved" ? QStringLiteral("A") : QStringLiteral("F");
    QVERIFY2(activated.size() <= 2, qPrintable(QString::number(activated.size())));
    QCOMPARE(qobject_cast<TMDIChild*>(activated.last())->ClockName(), last);
    QCOMPARE(TAccess::Area(*f.Frame).activeSubWindow(), activated.last());
    QCOMPARE(f.Names().first(), last);
    for (TMDIChild* clock : f.Frame->ClockWindows())
        QVERIFY(clock->isEnabled());
}

void TestClockSet::commandLineOpensOnlyClockFiles_data()
{
    QTest::addColumn<QStringList>("parameters"); // file names in the work folder
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("tiledVertically");

    QTest::newRow("x.DAT y.txt") << QStringList{"x.DAT", "y.txt"} << QStringList{"x"} << true;
    QTest::newRow("no .dat") << QStringList{"y.txt", "z.dat.txt", "noext"} << QStringList{} << false;
    QTest::newRow("dot in folder only") << QStringList{"d.dat/plain", "w.dAt"} << QStringList{"w"} << true;
}

void TestClockSet::commandLineOpensOnlyClockFiles()
{
    QFETCH(QStringList, parameters);
    QFETCH(QStringList, opened);
    QFETCH(bool, tiledVertically);
    TClockSetFixture f;
    const QString saved = f.WriteClock(f.InFolder("Saved.dat"), "Saved");
    f.WriteIni({saved}, "LastTileMode=0\r\n"); // rows remembered
    QStringList paths;
    for (const QString& name : parameters)
        paths << f.WriteClock(f.Home.filePath("cmd/" + name), QFileInfo(name).completeBaseName());

    TMainForm& frame = f.MakeShown(paths);
    QCOMPARE(f.Names(), opened);
    QCOMPARE(TAccess::LastAction(frame),
             &FrameAction(frame, tiledVertically ? "WindowTileVertical1" : "WindowTileHorizontal1"));
    QCOMPARE(TAccess::TileMode(frame), tiledVertically ? TAccess::TileVertical : TAccess::TileHorizontal);

    // At close the set is the windows then open, not the one of the last run.
    QVERIFY(frame.close());
    QStringList expected;
    for (int i = 0; i < opened.size(); ++i)
        expected << QStringLiteral("FileName%1=%2").arg(i).arg(f.InFolder(opened[i] + ".dat"));
    QCOMPARE(f.SavedSet(), expected);
}

void TestClockSet::emptyOrAbsentSetOpensNothing_data()
{
    QTest::addColumn<QByteArray>("settings"); // empty: no settings file

    QTest::newRow("no settings file") << QByteArray();
    QTest::newRow("no DATAFILE section") << QByteArray("[OPTION]\r\nLastTileMode=1\r\n");
    QTest::newRow("empty DATAFILE section") << QByteArray("[OPTION]\r\nLastTileMode=1\r\n[DATAFILE]\r\n");
}

void TestClockSet::emptyOrAbsentSetOpensNothing()
{
    QFETCH(QByteArray, settings);
    TClockSetFixture f;
    if (!settings.isEmpty())
        f.WriteBytes(f.IniPath(), settings);
    TMainForm& frame = f.MakeShown();
    QCOMPARE(TAccess::MDIChildCount(frame), 0);
    QVERIFY(!TAccess::IsStyleChanged(frame)); // a later showing still reopens
    QVERIFY(f.Boxes.Shown.isEmpty());
    QCOMPARE(f.Terminations, 0);
}

void TestClockSet::clocksWithOneNameKeepFilesOfTheirOwn_data()
{
    QTest::addColumn<QStringList>("names"); // new clocks, oldest first
    QTest::addColumn<QStringList>("files"); // the data folder after the close

    QTest::newRow("two defaults") << QStringList{"(new)", "(new)"} << QStringList{"(new) (2).dat", "(new).dat"};
    QTest::newRow("empty and default") << QStringList{"", "(new)"} << QStringList{"(new) (2).dat", "(new).dat"};
    QTest::newRow("two empty") << QStringList{"", ""} << QStringList{"(new) (2).dat", "(new).dat"};
    QTest::newRow("three equal") << QStringList{"Tokyo", "Tokyo", "Tokyo"}
                                 << QStringList{"Tokyo (2).dat", "Tokyo (3).dat", "Tokyo.dat"};
    QTest::newRow("one name after normalising") << QStringList{"a:b", u"a\uFF1Ab"_s}
                                                << QStringList{u"a\uFF1Ab (2).dat"_s, u"a\uFF1Ab.dat"_s};
    QTest::newRow("a name like a numbered one") << QStringList{"Oslo", "Oslo", "Oslo (2)"}
                                                << QStringList{"Oslo (2) (2).dat", "Oslo (2).dat", "Oslo.dat"};
    QTest::newRow("distinct") << QStringList{"Tokyo", "Lima"} << QStringList{"Lima.dat", "Tokyo.dat"};
}

void TestClockSet::clocksWithOneNameKeepFilesOfTheirOwn()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, files);
    TClockSetFixture f;
    {
        TMainForm& frame = f.MakeShown();
        for (const QString& name : names) {
            frame.OpenClockFile(QString());
            frame.ClockWindows().first()->SetClockName(name);
        }
        QVERIFY(frame.close());
    }
    QStringList written = QDir(f.Folder()).entryList({"*.dat"}, QDir::Files, QDir::Name);
    QCOMPARE(written, files);
    QStringList listed;
    for (const QString& line : f.SavedSet())
        listed << QFileInfo(line.section(u'=', 1)).fileName();
    listed.sort();
    QCOMPARE(listed, files);

    // Every clock comes back, and closing again writes the same files.
    TMainForm& frame = f.MakeShown();
    QStringList back = f.Names();
    back.sort();
    names.sort();
    QCOMPARE(back, names);
    QVERIFY(frame.close());
    QCOMPARE(QDir(f.Folder()).entryList({"*.dat"}, QDir::Files, QDir::Name), files);
}

void TestClockSet::clocksFromElsewhereWithOneNameBothComeBack()
{
    TClockSetFixture f;
    {
        TMainForm& frame = f.MakeShown();
        TAccess::WMDropFiles(frame, {f.WriteClock(f.Home.filePath("back/Same.dat"), "Same", "+0100")});
        TAccess::WMDropFiles(frame, {f.WriteClock(f.Home.filePath("front/Same.dat"), "Same", "+0900")});
        QCOMPARE(frame.ClockWindows().first()->Tag(), 900);
        QVERIFY(frame.close());
    }
    // The list is written front first; the back window was saved first.
    QCOMPARE(f.SavedSet(), (QStringList{"FileName0=" + f.InFolder("Same (2).dat"), "FileName1=" + f.InFolder("Same.dat")}));
    QVERIFY(f.ReadBytes(f.Home.filePath("back/Same.dat")).contains("+0100"));

    TMainForm& frame = f.MakeShown();
    QList<int> tags;
    for (TMDIChild* clock : frame.ClockWindows())
        tags << clock->Tag();
    std::sort(tags.begin(), tags.end());
    QCOMPARE(tags, (QList<int>{100, 900}));
}

void TestClockSet::aClockNeverWritesOverTheFileOfAnother()
{
    TClockSetFixture f;
    const QString tokyo = f.WriteClock(f.InFolder("Tokyo.dat"), "Tokyo", "+0900");
    f.WriteIni({tokyo});
    {
        TMainForm& frame = f.MakeShown();
        // The same file a second time, and a new clock named like it.
        frame.OpenClockFile(tokyo);
        frame.ClockWindows().first()->SetOffset(-5.0 / 24);
        frame.OpenClockFile(QString());
        frame.ClockWindows().first()->SetClockName("Tokyo");
        // A clock closed by the user keeps its file for the rest of the run.
        frame.OpenClockFile(QString());
        frame.ClockWindows().first()->SetClockName("Tokyo");
        frame.ClockWindows().first()->SetOffset(1.0 / 24);
        QVERIFY(frame.ClockWindows().first()->close());
        QVERIFY(frame.close());
    }
    QVERIFY(f.ReadBytes(tokyo).contains("Offset=+0900"));
    const auto offsetIn = [&f](const char* Name) {
        return QString::fromUtf8(f.ReadBytes(f.InFolder(QString::fromUtf8(Name)))).section("Offset=", 1).left(5);
    };
    QCOMPARE(QDir(f.Folder()).entryList({"Tokyo*.dat"}, QDir::Files, QDir::Name),
             (QStringList{"Tokyo (2).dat", "Tokyo (3).dat", "Tokyo (4).dat", "Tokyo.dat"}));
    QCOMPARE(offsetIn("Tokyo (2).dat"), "+0100"); // the one closed first
    QStringList others{offsetIn("Tokyo (3).dat"), offsetIn("Tokyo (4).dat")};
    others.sort();
    QCOMPARE(others, (QStringList{"+0000", "-0500"}));
}

void TestClockSet::badEntriesNeitherStopTheOthersNorGetOverwritten()
{
    TClockSetFixture f;
    const QString missing = f.Home.filePath("gone/Missing.dat");
    const QString folder = f.Home.filePath("adir.dat");
    QDir().mkpath(folder);
    const QString binary = f.Home.filePath("big.bin");
    QByteArray noise(10 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    f.WriteBytes(binary, noise);
    const QString tooLong = f.Home.path() + u'/' + QString(5000, u'x') + QStringLiteral(".dat");
    const QString good = f.WriteClock(f.Home.filePath("Good.dat"), "Good", "+0530");
    f.WriteIni({good, missing, folder, binary, tooLong, good});

    TMainForm& frame = f.MakeShown();
    QVERIFY(f.Names().contains("Good"));
    QCOMPARE(f.Names().count("Good"), 2);
    // Only the folder cannot be read; everything else gives a clock.
    QCOMPARE(TAccess::MDIChildCount(frame), 5);
    const QStringList reports = f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains("adir.dat"), qPrintable(reports[0]));

    QVERIFY(frame.close());
    QCOMPARE(f.ReadBytes(binary), noise);
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(!QFile::exists(missing));
    // Each clock is saved under its name in the data folder, never at the entry's path.
    QVERIFY(QFile::exists(f.InFolder("Good.dat")));
    QCOMPARE(f.SavedSet().size(), 5);
}

void TestClockSet::closeDuringTheReopeningWaitsForTheWholeSet()
{
    TClockSetFixture f;
    QStringList paths;
    for (const char* name : {"A", "B", "C"})
        paths << f.WriteClock(f.InFolder(QString::fromLatin1(name) + ".dat"), name);
    f.WriteIni(paths);

    f.Make();
    f.Frame->show();
    QTimer::singleShot(0, f.Frame.get(), [&f] { f.Frame->close(); }); // the user closes at once
    QTRY_VERIFY(!f.Frame->isVisible());
    QCOMPARE(f.SavedSet(), (QStringList{"FileName0=" + paths[0], "FileName1=" + paths[1], "FileName2=" + paths[2]}));
}

void TestClockSet::fileOpenSetsUpTheDialogAndOpensEveryChoice()
{
    TClockSetFixture f;
    TMainForm& frame = f.MakeShown();
    f.OpenDialog.Chosen = {f.WriteClock(f.Home.filePath("p/One.dat"), "One"), f.Home.filePath("p"),
                       f.WriteClock(f.Home.filePath("p/Two.txt"), "Two")};
    TEventProbe probe;
    probe.Arm(frame);
    QVERIFY(FrameAction(frame, "FileOpen1").isEnabled());
    QVERIFY(FrameMenu(frame, "PopupMenu1").actions().contains(&FrameAction(frame, "FileOpen1")));
    FrameAction(frame, "FileOpen1").trigger();

    QCOMPARE(f.OpenDialog.Shown.size(), 1);
    const TOpenDialogOptions& shown = f.OpenDialog.Shown[0];
    QCOMPARE(shown.InitialDir, TAccess::DataFolder(frame));
    QCOMPARE(shown.InitialDir, f.Folder());
    QCOMPARE(shown.DefaultExt, QStringLiteral("dat"));
    QCOMPARE(shown.NameFilters, (QStringList{u"データファイル (*.dat)"_qs, u"すべてのファイル (*)"_qs}));
    QVERIFY(shown.MultiSelect);

    // The folder is reported; the files around it still open, in order.
    QCOMPARE(f.NamesInCreationOrder(), (QStringList{"One", "Two"}));
    QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain).size(), 1);
    QCOMPARE(probe.SeenAt, 1);
}

void TestClockSet::fileOpenCascadeRule_data()
{
    QTest::addColumn<int>("clocksBefore");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("cascadeRemembered");

    QTest::newRow("one file, no clock") << 0 << 1 << true;
    QTest::newRow("cancelled, no clock") << 0 << 0 << false;
    QTest::newRow("cancelled, one clock") << 1 << 0 << true;
    QTest::newRow("one file, one clock") << 1 << 1 << false;
    QTest::newRow("two files, no clock") << 0 << 2 << false;
}

void TestClockSet::fileOpenCascadeRule()
{
    QFETCH(int, clocksBefore);
    QFETCH(int, chosen);
    QFETCH(bool, cascadeRemembered);
    TClockSetFixture f;
    f.WriteIni({}, "LastTileMode=1\r\n");
    TMainForm& frame = f.MakeShown();
    for (int i = 0; i < clocksBefore; ++i)
        FrameAction(frame, "FileNew1").trigger();
    TAccess::LastAction(frame) = &FrameAction(frame, "WindowTileVertical1");
    for (int i = 0; i < chosen; ++i)
        f.OpenDialog.Chosen << f.WriteClock(f.Home.filePath(QStringLiteral("c%1.dat").arg(i)), QString::number(i));

    FrameAction(frame, "FileOpen1").trigger();
    QCOMPARE(TAccess::MDIChildCount(frame), clocksBefore + chosen);
    QCOMPARE(TAccess::LastAction(frame),
             &FrameAction(frame, cascadeRemembered ? "WindowCascade1" : "WindowTileVertical1"));
}

void TestClockSet::dropOpensTheFirstFileThenTheLayout()
{
    TClockSetFixture f;
    f.WriteIni({}, "LastTileMode=1\r\n"); // columns remembered
    TMainForm& frame = f.MakeShown();
    QList<QUrl> urls;
    for (const char* name : {"First.txt", "Second.dat", "Third.dat"})
        urls << QUrl::fromLocalFile(f.WriteClock(f.Home.filePath(QString::fromLatin1(name)), name));

    Drop(frame, urls);
    QCOMPARE(f.Names(), QStringList{"First.txt"}); // whatever its extension
    // The columns layout ran after the file's own cascade: one window fills the area.
    QCOMPARE(frame.ClockWindows().first()->geometry(), TAccess::Area(frame).viewport()->rect());
}

void TestClockSet::dropTakesAPathLongerThan255Characters()
{
    TClockSetFixture f;
    TMainForm& frame = f.MakeShown();
    const QString deep = f.Home.filePath(QString(120, u'd') + u'/' + QString(120, u'e') + u'/' + QString(40, u'f'));
    const QString path = f.WriteClock(deep + QStringLiteral("/Deep.dat"), "Deep");
    QVERIFY(path.size() > 255);

    Drop(frame, {QUrl::fromLocalFile(path)});
    QCOMPARE(f.Names(), QStringList{"Deep"});
}

void TestClockSet::dropOfNothingButAddressesIsRefused()
{
    TClockSetFixture f;
    TMainForm& frame = f.MakeShown();
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.dat"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    QVERIFY(!enter.isAccepted());
    QCOMPARE(TAccess::MDIChildCount(frame), 0);
}

void TestClockSet::clearRestartWithoutClocksAsksNothing()
{
    TClockSetFixture f;
    f.WriteIni({});
    TMainForm& frame = f.MakeShown();
    QVERIFY(FrameAction(frame, "ClearRestart1").isEnabled());
    FrameAction(frame, "ClearRestart1").trigger();

    QVERIFY(f.Boxes.Shown.isEmpty());
    QVERIFY(!TAccess::SaveDataFiles(frame));
    QVERIFY(!QFile::exists(f.IniPath()));
    VerifyRelaunchedOnce(f);
}

void TestClockSet::clearRestartCancelChangesNothing()
{
    TClockSetFixture f;
    f.WriteIni({}, "Caption=My Clocks\r\n");
    const QByteArray before = f.ReadBytes(f.IniPath());
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetClockName(QStringLiteral("Kept"));
    f.Boxes.Answers = {TMessageAnswer::Cancel};

    FrameAction(frame, "ClearRestart1").trigger();
    QCOMPARE(f.Boxes.Shown.size(), 1);
    QCOMPARE(f.Boxes.Shown[0].Kind, TFakeMessageBoxes::TKind::Ask);
    QCOMPARE(f.Boxes.Shown[0].Caption, QStringLiteral("My Clocks"));
    QCOMPARE(f.Boxes.Shown[0].Text, QStringLiteral("Save current data BEFORE Clear Restart?"));
    QVERIFY(TAccess::SaveDataFiles(frame));
    QCOMPARE(f.ReadBytes(f.IniPath()), before);
    QVERIFY(f.Shell.Calls.isEmpty());
    QCOMPARE(f.Terminations, 0);

    FrameAction(frame, "Exit1").trigger(); // a later Exit still saves every clock
    QVERIFY(!frame.isVisible());
    QVERIFY(QFile::exists(f.InFolder("Kept.dat")));
    QCOMPARE(f.SavedSet(), QStringList{"FileName0=" + f.InFolder("Kept.dat")});
}

void TestClockSet::clearRestartNoThrowsTheClocksAway()
{
    TClockSetFixture f;
    f.WriteIni({});
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetClockName(QStringLiteral("Dropped"));
    f.Shell.Watched = {f.IniPath(), f.InFolder("Dropped.dat")};
    f.Boxes.Answers = {TMessageAnswer::No};

    FrameAction(frame, "ClearRestart1").trigger();
    QVERIFY(!TAccess::SaveDataFiles(frame));
    QCOMPARE(f.Shell.Existing, QList<QStringList>{QStringList{}}); // settings gone, clock never written
    VerifyRelaunchedOnce(f);
    // Ended without close queries: the frame was never asked to close.
    QVERIFY(frame.isVisible());
    QCOMPARE(TAccess::MDIChildCount(frame), 1);
}

void TestClockSet::clearRestartYesSavesFirst()
{
    TClockSetFixture f;
    f.WriteIni({});
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetClockName(QStringLiteral("Saved"));
    f.Shell.Watched = {f.IniPath(), f.InFolder("Saved.dat")};
    f.Boxes.Answers = {TMessageAnswer::Yes};

    FrameAction(frame, "ClearRestart1").trigger();
    QVERIFY(TAccess::SaveDataFiles(frame));
    QVERIFY(!frame.isVisible());
    // The clock was written by the close, the settings file it wrote deleted again.
    QCOMPARE(f.Shell.Existing, QList<QStringList>{QStringList{f.InFolder("Saved.dat")}});
    VerifyRelaunchedOnce(f);
}

void TestClockSet::clearRestartYesStopsWhenAClockCannotBeSaved()
{
    TClockSetFixture f;
    f.WriteIni({});
    const QByteArray before = f.ReadBytes(f.IniPath());
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetClockName(QStringLiteral("Blocked"));
    QVERIFY(QDir().mkpath(f.InFolder("Blocked.dat"))); // a folder holds its file name
    f.Boxes.Answers = {TMessageAnswer::Yes, TMessageAnswer::No}; // save first; not without it

    FrameAction(frame, "ClearRestart1").trigger();
    QVERIFY(frame.isVisible());
    QCOMPARE(f.ReadBytes(f.IniPath()), before);
    QVERIFY(f.Shell.Calls.isEmpty());
    QCOMPARE(f.Terminations, 0);
    const QStringList asked = f.Boxes.Texts(TFakeMessageBoxes::TKind::Ask);
    QCOMPARE(asked.size(), 2); // save first?, then the failed save
    QVERIFY2(asked[1].contains(QStringLiteral("The clock \"Blocked\"")), qPrintable(asked[1]));
}

void TestClockSet::helpMenuGoesThroughTheGateway_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("target"); // "<bin>" stands for the gateway's executable folder

    QTest::newRow("Help") << "ShowHelp1" << "OpenUrl" << "file://<bin>/Pendulor.html";
    QTest::newRow("Properties") << "Properties1" << "ShowItemProperties" << "<bin>/Pendulor";
    QTest::newRow("Donation") << "Donation1" << "OpenUrl" << DonationUrl();
    QTest::newRow("HomeSite") << "HomeSite1" << "OpenUrl" << HomeSiteUrl();
    QTest::newRow("Set DateTime") << "SetDateTime1" << "OpenDateTimeSettings" << QString();
}

void TestClockSet::helpMenuGoesThroughTheGateway()
{
    QFETCH(QString, item);
    QFETCH(QString, operation);
    QFETCH(QString, target);
    TClockSetFixture f;
    const QString bin = f.Home.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    f.WriteBytes(bin + QStringLiteral("/Pendulor.html"), "<html></html>");
    TMainForm& frame = f.MakeShown();
    const std::map<QString, QAction*> items{{"ShowHelp1", &FrameAction(frame, "ShowHelp1")},
                                            {"Properties1", &FrameAction(frame, "Properties1")},
                                            {"Donation1", &FrameAction(frame, "Donation1")},
                                            {"HomeSite1", &FrameAction(frame, "HomeSite1")},
                                            {"SetDateTime1", &FrameAction(frame, "SetDateTime1")}};
    QAction* action = items.at(item);
    QVERIFY(FrameMenu(frame, "Help1").actions().contains(action));
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();

    QCOMPARE(f.Shell.Calls.size(), 1);
    QCOMPARE(f.Shell.Calls[0].Operation, operation);
    QCOMPARE(f.Shell.Calls[0].Target, QString(target).replace(QStringLiteral("<bin>"), bin));
    QVERIFY(f.Boxes.Shown.isEmpty());
}

int main(int argc, char** argv)
{
    TPendulorApplication app(argc, argv);
    TestClockSet test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestClockSet.moc"
