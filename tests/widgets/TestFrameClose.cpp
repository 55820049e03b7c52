// The frame's close when nobody asked for it through the frame: a settings
// file that cannot be written, termination signals, the session manager.
#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "app/TSessionEnd.h"
#include "app/TTerminationSignals.h"
#include "app/TUnattendedMessageBoxes.h"
#include "clock/TMDIChild.h"
#include "clock/data/ClockDataFile.h"
#include "dialogs/TForm3.h"
#include "shell/TShellOpen.h"
#include "widgets/doubles/TFrameDoubles.h"
#include "widgets/doubles/TMainFormTestAccess.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(Path).path());
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(Path));
    file.write(Bytes);
}

QString ClockNameIn(const QString& Path)
{
    TClockData data;
    ReadClockDataFile(Path, 1033, data);
    return data.Name;
}

// Makes a folder (or, as root only, a file) read-only for this process; root
// ignores permissions, so then it is made immutable. False where that fails.
class TReadOnlyFolder {
public:
    explicit TReadOnlyFolder(QString Folder) : Folder1(std::move(Folder)) {}
    ~TReadOnlyFolder() { Release(); }

    bool Apply()
    {
        if (::geteuid() != 0)
            Done1 = QFile::setPermissions(Folder1, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        else
            Done1 = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), Folder1}) == 0;
        return Done1;
    }
    void Release()
    {
        if (!Done1)
            return;
        if (::geteuid() != 0)
            QFile::setPermissions(Folder1, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        else
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), Folder1});
        Done1 = false;
    }

private:
    QString Folder1;
    bool Done1 = false;
};

// Collects warnings instead of printing them: the log of a session.
class TLogCapture {
public:
    TLogCapture()
    {
        Active = this;
        Previous1 = qInstallMessageHandler(&TLogCapture::Handle);
    }
    ~TLogCapture()
    {
        qInstallMessageHandler(Previous1);
        Active = nullptr;
    }
    QStringList Warnings;

private:
    static void Handle(QtMsgType Type, const QMessageLogContext&, const QString& Text)
    {
        if (Active && Type == QtWarningMsg)
            Active->Warnings << Text;
    }
    static inline TLogCapture* Active = nullptr;
    QtMessageHandler Previous1 = nullptr;
};

// A frame on doubles over an empty per-user folder, its boxes behind the
// switch that sends reports to the log, and the session's end watching it.
struct TCloseFixture : TFrameDoubles {
    QTemporaryDir Home;
    TUnattendedMessageBoxes Unattended{Boxes};
    TShellOpen UnattendedGateway{Shell, TMessageDialogs(Unattended), Home.filePath(QStringLiteral("bin/Pendulor"))};
    QList<int> Exits;
    std::unique_ptr<TMainForm> Frame;
    std::unique_ptr<TSessionEnd> Session;
    std::unique_ptr<TReadOnlyFolder> Frozen;
    std::function<void()> BeforeShowing;

    TCloseFixture()
    {
        qputenv("XDG_DATA_HOME", Home.path().toUtf8());
        QDir().mkpath(Folder());
    }
    ~TCloseFixture()
    {
        Frozen.reset();
        Session.reset();
        Frame.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    QString IniPath() const { return GetIniFileName(QStringLiteral("Quorvane")); }
    QString Folder() const { return GetDataFolder(QStringLiteral("Quorvane")); }
    QString InFolder(const QString& Name) const { return Folder() + u'/' + Name; }

    TMainForm& MakeShown()
    {
        TFrameServices services = Services();
        services.MessageBoxes = &Unattended;
        services.ShellOpen = &UnattendedGateway;
        Frame = std::make_unique<TMainForm>(services);
        MakeDialogs(*Frame);
        Frame->SetCommandLine({});
        Session = std::make_unique<TSessionEnd>(*Frame, Unattended, [this](int Status) { Exits << Status; });
        if (BeforeShowing)
            BeforeShowing();
        Frame->show();
        if (!QTest::qWaitForWindowExposed(Frame.get()))
            qWarning("frame not exposed");
        QCoreApplication::processEvents(); // the first showing reopens the set
        return *Frame;
    }

    TMDIChild* NewClock(const QString& Name)
    {
        FrameAction(*Frame, "FileNew1").trigger();
        TMDIChild* clock = Frame->ClockWindows().first();
        clock->SetClockName(Name);
        return clock;
    }

    bool FreezeFolder() { return Freeze(Folder()); }
    // A file alone can be kept from being replaced only by the immutable flag.
    bool Freeze(const QString& Path)
    {
        if (QFileInfo(Path).isFile() && ::geteuid() != 0)
            return false;
        Frozen = std::make_unique<TReadOnlyFolder>(Path);
        return Frozen->Apply();
    }
};

// Runs Body inside an event loop of its own, as the application's main loop
// would, until the session's end asked to leave it (or a few seconds pass).
void RunMainLoop(TCloseFixture& F, const std::function<void()>& Body)
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, Body);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    const auto checker = std::make_unique<QTimer>();
    QObject::connect(checker.get(), &QTimer::timeout, &loop, [&] {
        if (!F.Exits.isEmpty())
            QTimer::singleShot(200, &loop, &QEventLoop::quit); // time for a second close to show
    });
    checker->start(10);
    loop.exec();
}

} // namespace

class TestFrameClose : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsThatCannotBeSavedAskToCloseWithoutThem_data();
    void settingsThatCannotBeSavedAskToCloseWithoutThem();
    void unwritableFolderIsSaidAtStartAndOnceAtClose_data();
    void unwritableFolderIsSaidAtStartAndOnceAtClose();
    void clearRestartYesGoesOnWithoutTheSettings();
    void commitDataWritesEveryFileAndAsksNothing();
    void commitDataIntoReadOnlyFolderLogsAndOverwritesNothing();
    void signalArrivingTwiceClosesOnce();
    void signalDuringTheCloseStartsNoSecondClose();
    void signalWithThePropertiesDialogOpenDropsItsChanges();
    void signalWhenNothingCanBeSavedStillEnds();
    void signalDuringTheReopeningWaitsForTheWholeSet();
};

void TestFrameClose::settingsThatCannotBeSavedAskToCloseWithoutThem_data()
{
    QTest::addColumn<bool>("wholeFolder"); // else only the settings file is read-only
    QTest::addColumn<TMessageAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("read-only folder, Yes closes") << true << TMessageAnswer::Yes << true;
    QTest::newRow("read-only folder, No keeps the frame") << true << TMessageAnswer::No << false;
    QTest::newRow("read-only settings, Yes closes") << false << TMessageAnswer::Yes << true;
    QTest::newRow("read-only settings, No keeps the frame") << false << TMessageAnswer::No << false;
}

void TestFrameClose::settingsThatCannotBeSavedAskToCloseWithoutThem()
{
    QFETCH(bool, wholeFolder);
    QFETCH(TMessageAnswer, answer);
    QFETCH(bool, closed);
    TCloseFixture f;
    const QByteArray oldSettings = "[OPTION]\r\nCaption=Old\r\n";
    WriteBytes(f.IniPath(), oldSettings);
    const QString clockPath = f.InFolder(QStringLiteral("Tokyo.dat"));
    const QByteArray oldClock = "[NAME]\r\nCaption=Tokyo\r\nOffset=+0900\r\n";
    WriteBytes(clockPath, oldClock);
    TMainForm& frame = f.MakeShown();
    frame.OpenClockFile(clockPath);
    frame.ClockWindows().first()->SetOffset(8.0 / 24);
    if (!(wholeFolder ? f.FreezeFolder() : f.Freeze(f.IniPath())))
        QSKIP("the file or folder cannot be made read-only here");

    f.Boxes.Answers = {answer};
    const bool wasClosed = frame.close();
    QCOMPARE(wasClosed, closed);

    // One question names everything that could not be saved, with its reason.
    const QList<TFakeMessageBoxes::TShown>& shown = f.Boxes.Shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].Kind, TFakeMessageBoxes::TKind::Ask);
    QStringList lines = shown[0].Text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeFirst(), QStringLiteral("These could not be saved:"));
    QCOMPARE(lines.takeLast(), QStringLiteral("Close without saving them?"));
    lines.removeAll(QString());
    QStringList expected;
    if (wholeFolder)
        expected << QStringLiteral("The clock \"Tokyo\": Cannot save file \"") + clockPath + u'"';
    expected << QStringLiteral("The settings: Cannot save file \"") + f.IniPath() + u'"';
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(expected[i]), qPrintable(lines[i]));
    QCOMPARE(frame.isVisible(), !closed);
    QCOMPARE(ReadBytes(f.IniPath()), oldSettings);
    // The clock is saved wherever it can be.
    QCOMPARE(ReadBytes(clockPath).contains("Offset=+0800"), !wholeFolder);

    if (!closed) { // once the folder can be written again, the frame closes as usual
        f.Frozen->Release();
        QVERIFY(frame.close());
        QVERIFY(ReadBytes(f.IniPath()).contains("FileName0=" + clockPath.toUtf8()));
        QVERIFY(ReadBytes(clockPath).contains("Offset=+0800"));
    }
}

void TestFrameClose::unwritableFolderIsSaidAtStartAndOnceAtClose_data()
{
    QTest::addColumn<bool>("wholeFolder"); // else only the settings file cannot be replaced
    QTest::newRow("read-only folder") << true;
    QTest::newRow("read-only settings file") << false;
}

void TestFrameClose::unwritableFolderIsSaidAtStartAndOnceAtClose()
{
    QFETCH(bool, wholeFolder);
    TCloseFixture f;
    const QByteArray oldSettings = "[OPTION]\r\nCaption=Old\r\n";
    WriteBytes(f.IniPath(), oldSettings);
    if (!(wholeFolder ? f.FreezeFolder() : f.Freeze(f.IniPath())))
        QSKIP("the file or folder cannot be made read-only here");

    TMainForm& frame = f.MakeShown();
    QCOMPARE(f.Boxes.Shown.size(), 1); // before anything could be changed
    QCOMPARE(f.Boxes.Shown[0].Kind, TFakeMessageBoxes::TKind::Fitted);
    const QString start = f.Boxes.Shown[0].Text;
    const QString what = wholeFolder ? QStringLiteral("The data folder cannot be written:\r\n") + f.Folder()
                                     : QStringLiteral("The settings file cannot be written:\r\n") + f.IniPath();
    QVERIFY2(start.startsWith(what + QStringLiteral("\r\n")), qPrintable(start));
    QVERIFY2(start.endsWith(QStringLiteral("\r\n\r\nChanges to the clocks and settings will not be kept when Pendulor closes.")),
             qPrintable(start));

    f.NewClock(QStringLiteral("Lima"));
    f.NewClock(QStringLiteral("Cairo"));
    f.Boxes.Answers = {TMessageAnswer::Yes};
    QVERIFY(frame.close());
    QCOMPARE(f.Boxes.Shown.size(), 2); // one question for all that failed
    const QString question = f.Boxes.Shown[1].Text;
    QCOMPARE(question.count(QStringLiteral("The clock \"")), wholeFolder ? 2 : 0);
    QCOMPARE(question.count(QStringLiteral("The settings: ")), 1);
    QCOMPARE(ReadBytes(f.IniPath()), oldSettings);
    QCOMPARE(QFile::exists(f.InFolder(QStringLiteral("Lima.dat"))), !wholeFolder);
}

void TestFrameClose::clearRestartYesGoesOnWithoutTheSettings()
{
    TCloseFixture f;
    const QByteArray oldSettings = "[OPTION]\r\nCaption=Old\r\n";
    WriteBytes(f.IniPath(), oldSettings);
    TMainForm& frame = f.MakeShown();
    f.NewClock(QStringLiteral("Oslo"));
    if (!f.Freeze(f.IniPath()))
        QSKIP("the settings file cannot be made read-only here");

    f.Boxes.Answers = {TMessageAnswer::Yes, TMessageAnswer::Yes}; // save first; then close without settings
    FrameAction(frame, "ClearRestart1").trigger();

    QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Ask).size(), 2);
    QCOMPARE(f.Terminations, 1);
    QCOMPARE(f.Shell.Calls.size(), 1);
    QCOMPARE(f.Shell.Calls[0].Operation, QStringLiteral("StartProgram"));
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Oslo.dat"))), QStringLiteral("Oslo"));
    QCOMPARE(ReadBytes(f.IniPath()), oldSettings); // could be neither written nor removed
}

void TestFrameClose::commitDataWritesEveryFileAndAsksNothing()
{
    TCloseFixture f;
    TMainForm& frame = f.MakeShown();
    f.NewClock(QStringLiteral("Lima"));
    f.NewClock(QStringLiteral("Cairo"));

    f.Session->CommitData();

    QVERIFY(f.Boxes.Shown.isEmpty());
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Lima.dat"))), QStringLiteral("Lima"));
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Cairo.dat"))), QStringLiteral("Cairo"));
    const QByteArray settings = ReadBytes(f.IniPath());
    QVERIFY(settings.contains("FileName0=" + f.InFolder(QStringLiteral("Cairo.dat")).toUtf8() + "\r\n"));
    QVERIFY(settings.contains("FileName1=" + f.InFolder(QStringLiteral("Lima.dat")).toUtf8() + "\r\n"));
    // Nothing closed: the session may yet be cancelled.
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.ClockWindows().size(), 2);
    QVERIFY(f.Exits.isEmpty());
    QVERIFY(!f.Unattended.IsUnattended()); // questions reach the user again
}

void TestFrameClose::commitDataIntoReadOnlyFolderLogsAndOverwritesNothing()
{
    TCloseFixture f;
    const QString lima = f.InFolder(QStringLiteral("Lima.dat"));
    const QString cairo = f.InFolder(QStringLiteral("Cairo.dat"));
    WriteBytes(lima, "[NAME]\r\nCaption=Lima\r\nOffset=-0500\r\n");
    WriteBytes(cairo, "[NAME]\r\nCaption=Cairo\r\nOffset=+0200\r\n");
    const QByteArray oldSettings = "[DATAFILE]\r\nFileName0=" + cairo.toUtf8() + "\r\nFileName1=" + lima.toUtf8() + "\r\n";
    WriteBytes(f.IniPath(), oldSettings);
    TMainForm& frame = f.MakeShown();
    QCOMPARE(frame.ClockWindows().size(), 2);
    const std::map<QString, QByteArray> before = {
        {lima, ReadBytes(lima)}, {cairo, ReadBytes(cairo)}, {f.IniPath(), oldSettings}};
    if (!f.FreezeFolder())
        QSKIP("the data folder cannot be made read-only here");

    TLogCapture log;
    f.Session->CommitData();

    QVERIFY(f.Boxes.Shown.isEmpty());
    QVERIFY(!log.Warnings.isEmpty());
    for (const QString& clock : {lima, cairo})
        QVERIFY2(log.Warnings.filter(QStringLiteral("E.Message=")).filter(clock).size() >= 1,
                 qPrintable(log.Warnings.join(u'\n')));
    for (const auto& [path, bytes] : before)
        QCOMPARE(ReadBytes(path), bytes);
    QVERIFY(frame.isVisible());
}

void TestFrameClose::signalArrivingTwiceClosesOnce()
{
    TCloseFixture f;
    TMainForm& frame = f.MakeShown();
    f.NewClock(QStringLiteral("Lima"));
    f.NewClock(QStringLiteral("Cairo"));
    TTerminationSignals termination;
    QVERIFY(termination.Install({SIGTERM, SIGHUP}));
    f.Session->Watch(termination);
    int closes = 0;
    struct TCloseCounter : QObject {
        int& Count;
        explicit TCloseCounter(int& C) : Count(C) {}
        bool eventFilter(QObject*, QEvent* E) override
        {
            Count += E->type() == QEvent::Close;
            return false;
        }
    } counter(closes);
    frame.installEventFilter(&counter);

    RunMainLoop(f, [] {
        std::raise(SIGTERM);
        std::raise(SIGHUP);
    });
    std::raise(SIGTERM); // after the close too
    QTest::qWait(50);

    QCOMPARE(f.Exits, QList<int>{0});
    QCOMPARE(closes, 1);
    QVERIFY(!frame.isVisible());
    QVERIFY(f.Boxes.Shown.isEmpty());
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Lima.dat"))), QStringLiteral("Lima"));
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Cairo.dat"))), QStringLiteral("Cairo"));
    QVERIFY(ReadBytes(f.IniPath()).contains("FileName1=" + f.InFolder(QStringLiteral("Lima.dat")).toUtf8()));
}

void TestFrameClose::signalDuringTheCloseStartsNoSecondClose()
{
    TCloseFixture f;
    TMainForm& frame = f.MakeShown();
    f.NewClock(QStringLiteral("Lima"));
    TTerminationSignals termination;
    QVERIFY(termination.Install({SIGTERM}));
    f.Session->Watch(termination);
    // The second signal comes while the close runs, and the close lets the
    // loop turn (as a report would) so the hand-over is read then.
    struct TSecondSignal : QObject {
        int Closes = 0;
        bool eventFilter(QObject*, QEvent* E) override
        {
            if (E->type() == QEvent::Close && ++Closes == 1) {
                std::raise(SIGTERM);
                QTest::qWait(50);
            }
            return false;
        }
    } second;
    frame.installEventFilter(&second);

    RunMainLoop(f, [] { std::raise(SIGTERM); });

    QCOMPARE(second.Closes, 1);
    QCOMPARE(f.Exits, QList<int>{0});
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Lima.dat"))), QStringLiteral("Lima"));
}

void TestFrameClose::signalWithThePropertiesDialogOpenDropsItsChanges()
{
    TCloseFixture f;
    f.MakeShown();
    TMDIChild* clock = f.NewClock(QStringLiteral("Lima"));
    TTerminationSignals termination;
    QVERIFY(termination.Install({SIGTERM}));
    f.Session->Watch(termination);

    bool dialogShown = false;
    RunMainLoop(f, [&] {
        QTimer::singleShot(0, [&] {
            dialogShown = Form3->isVisible();
            Form3->EditName3->setText(QStringLiteral("Unconfirmed"));
            std::raise(SIGTERM);
        });
        clock->EditItem2Click(); // modal until the signal's close cancels it
    });

    QVERIFY(dialogShown);
    QVERIFY(!Form3->isVisible());
    QCOMPARE(f.Exits, QList<int>{0});
    QCOMPARE(ClockNameIn(f.InFolder(QStringLiteral("Lima.dat"))), QStringLiteral("Lima"));
    QVERIFY(!QFile::exists(f.InFolder(QStringLiteral("Unconfirmed.dat"))));
    QVERIFY(f.Boxes.Shown.isEmpty());
}

void TestFrameClose::signalWhenNothingCanBeSavedStillEnds()
{
    TCloseFixture f;
    const QByteArray oldSettings = "[OPTION]\r\nCaption=Old\r\n";
    WriteBytes(f.IniPath(), oldSettings);
    f.MakeShown();
    f.NewClock(QStringLiteral("Lima"));
    f.NewClock(QStringLiteral("Cairo"));
    TTerminationSignals termination;
    QVERIFY(termination.Install({SIGTERM}));
    f.Session->Watch(termination);
    if (!f.FreezeFolder())
        QSKIP("the data folder cannot be made read-only here");

    TLogCapture log;
    RunMainLoop(f, [] { std::raise(SIGTERM); });

    QCOMPARE(f.Exits, QList<int>{1});
    QVERIFY(f.Boxes.Shown.isEmpty());
    QVERIFY(log.Warnings.filter(QStringLiteral("E.Message=")).size() >= 2); // each clock reported
    QCOMPARE(ReadBytes(f.IniPath()), oldSettings);
    QVERIFY(!QFile::exists(f.InFolder(QStringLiteral("Lima.dat"))));
}

void TestFrameClose::signalDuringTheReopeningWaitsForTheWholeSet()
{
    TCloseFixture f;
    QStringList paths;
    QByteArray settings = "[DATAFILE]\r\n";
    for (const char* name : {"Lima", "Cairo", "Oslo", "Perth"}) {
        const QString path = f.InFolder(QString::fromLatin1(name) + QStringLiteral(".dat"));
        WriteBytes(path, QByteArray("[NAME]\r\nCaption=") + name + "\r\n");
        settings += "FileName" + QByteArray::number(paths.size()) + "=" + path.toUtf8() + "\r\n";
        paths << path;
    }
    WriteBytes(f.IniPath(), settings);
    TTerminationSignals termination;
    QVERIFY(termination.Install({SIGTERM}));
    // Pending when the loop first turns, which is inside the reopening.
    f.BeforeShowing = [&] {
        f.Session->Watch(termination);
        std::raise(SIGTERM);
    };
    TMainForm& frame = f.MakeShown();
    QTRY_COMPARE(f.Exits, QList<int>{0});

    QVERIFY(!frame.isVisible());
    const QByteArray saved = ReadBytes(f.IniPath());
    for (qsizetype i = 0; i < paths.size(); ++i)
        QVERIFY2(saved.contains("FileName" + QByteArray::number(i) + "=" + paths[i].toUtf8()), saved.constData());
}

int main(int argc, char** argv)
{
    TPendulorApplication app(argc, argv);
    TestFrameClose test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestFrameClose.moc"
