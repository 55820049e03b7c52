#include "common/BuildInfo.h"
#include "common/EPendulorError.h"
#include "platform/DesktopEntry.h"
#include "platform/TLinuxShell.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"
#include "shell/TShellShortCuts.h"
#include "tests/widgets/doubles/TFakeMessageBoxes.h"
#include "tests/widgets/doubles/TFakeShell.h"
#include "tests/widgets/doubles/TSettableNow.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

using TKind = TFakeMessageBoxes::TKind;
Q_DECLARE_METATYPE(TTrashResult::TKind)
Q_DECLARE_METATYPE(TMessageAnswer)

namespace {

TDateTime At(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
    return double(QDate(Year, Month, Day).toJulianDay() - QDate(1899, 12, 30).toJulianDay())
           + ((Hour * 60 + Minute) * 60 + Second) / 86400.0;
}

// A string value read back: \s, \n, \t, \r and \\.
QString Unescape(const QString& Value)
{
    QString Unescaped;
    for (qsizetype i = 0; i < Value.size(); ++i) {
        if (Value[i] == u'\\' && i + 1 < Value.size()) {
            const QChar Next = Value[++i];
            Unescaped += Next == u's' ? QChar(u' ') : Next == u'n' ? QChar(u'\n') : Next == u't' ? QChar(u'\t')
                       : Next == u'r' ? QChar(u'\r') : Next;
        } else {
            Unescaped += Value[i];
        }
    }
    return Unescaped;
}

// An Exec line read back as the Desktop Entry Specification says: the
// string escapes first, then the quoting, then the field codes: "%%" is "%",
// and "%F" with no files to pass is nothing.
QStringList ParseExec(const QString& Value)
{
    const QString Unescaped = Unescape(Value);
    QStringList Arguments;
    QString Current;
    bool InQuotes = false, Started = false;
    for (qsizetype i = 0; i < Unescaped.size(); ++i) {
        const QChar C = Unescaped[i];
        if (InQuotes && C == u'\\' && i + 1 < Unescaped.size()) {
            Current += Unescaped[++i];
        } else if (C == u'"') {
            InQuotes = !InQuotes;
            Started = true;
        } else if (!InQuotes && C == u' ') {
            if (Started)
                Arguments << Current;
            Current.clear();
            Started = false;
        } else {
            Current += C;
            Started = true;
        }
    }
    if (Started)
        Arguments << Current;
    Arguments.removeAll(QStringLiteral("%F"));
    for (QString& Argument : Arguments)
        Argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return Arguments;
}

QString KeyOf(const QString& Path, const QString& Key)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    for (const QString& Line : QString::fromUtf8(File.readAll()).split(u'\n'))
        if (Line.startsWith(Key + u'='))
            return Line.mid(Key.size() + 1);
    return QStringLiteral("<no %1>").arg(Key);
}

// Sets environment variables for its lifetime and puts back what was there.
class TScopedEnvironment {
public:
    TScopedEnvironment() = default;
    TScopedEnvironment(const TScopedEnvironment&) = delete;
    TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;
    ~TScopedEnvironment()
    {
        for (auto Old = Saved.crbegin(); Old != Saved.crend(); ++Old)
            Old->second.isNull() ? qunsetenv(Old->first) : qputenv(Old->first, Old->second);
    }
    void Set(const char* Name, const QString& Value)
    {
        Saved.emplace_back(Name, qEnvironmentVariableIsSet(Name) ? qgetenv(Name) : QByteArray());
        Value.isNull() ? qunsetenv(Name) : qputenv(Name, Value.toUtf8());
    }

private:
    std::vector<std::pair<const char*, QByteArray>> Saved;
};

bool WriteFile(const QString& Path, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(Path).absolutePath());
    QFile File(Path);
    return File.open(QIODevice::WriteOnly) && File.write(Bytes) == Bytes.size();
}

QByteArray ReadFile(const QString& Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<unreadable>");
}

QString HidingReport(const QString& Verb, const QString& Kind, const QString& FileName, const QString& SystemEntry)
{
    return Verb + QStringLiteral(" Refused.\r\n\r\nFolder: ") + Kind + QStringLiteral("\r\nShortCut: ") + FileName
           + QStringLiteral("\r\n\r\nThe system has an entry of this name:\r\n") + SystemEntry
           + QStringLiteral("\r\nA shortcut of the same name would replace it for this user.\r\n"
                            "Change the title with \"Set Title...\" and try again.");
}

} // namespace

// The flow over a recording shell whose folders lie in a temporary folder,
// recording boxes and a "now" that stands still.
class TestShellShortCuts : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> Root;
    TFakeShell Shell;
    TFakeMessageBoxes Boxes;
    TSettableNow Now{At(2026, 1, 15, 9, 5, 3)};
    int Processed = 0;

    QString Folder() const { return Root->path() + QStringLiteral("/sendto"); }
    QString Target() const { return Root->path() + QStringLiteral("/bin/Pendulor"); }

    void Place(const QString& Title = AppName)
    {
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Target());
        const TShellShortCuts ShortCuts(Gateway, Now, TFormatSettings(), [this] { ++Processed; });
        ShortCuts.PlaceShortCut(FolderSendTo, QStringLiteral("SendTo"), Target(), Title);
    }

    // "Plain: text" lines of the boxes shown, paths written as $PATH / $FOLDER.
    QStringList Shown() const
    {
        QStringList Result;
        for (const TFakeMessageBoxes::TShown& Box : Boxes.Shown) {
            const QString Kind = Box.Kind == TKind::Plain ? QStringLiteral("Plain")
                               : Box.Kind == TKind::Fitted ? QStringLiteral("Fitted") : QStringLiteral("Ask");
            QString Text = Box.Text;
            Text.replace(Folder() + QStringLiteral("/Pendulor.desktop"), QStringLiteral("$PATH"));
            Result << Kind + QStringLiteral(": ") + Text;
        }
        return Result;
    }

    QStringList ShellCallsAfterSave() const
    {
        QStringList Result;
        for (const TFakeShell::TCall& Call : Shell.Calls)
            if (Call.Operation == QLatin1String("ShowItemInFolder") || Call.Operation == QLatin1String("OpenUrl"))
                Result << Call.Operation + QStringLiteral(" ")
                              + QString(Call.Target).replace(Root->path(), QStringLiteral("$ROOT"));
        return Result;
    }

private Q_SLOTS:
    void init()
    {
        Root.emplace();
        QVERIFY(Root->isValid());
        QVERIFY(QDir().mkpath(Root->path() + QStringLiteral("/bin")));
        QFile Exe(Target());
        QVERIFY(Exe.open(QIODevice::WriteOnly));
        Shell = TFakeShell();
        Shell.Folders[FolderSendTo] = Folder(); // without the trailing "/": the flow adds it
        Boxes = TFakeMessageBoxes();
        Now.Set(At(2026, 1, 15, 9, 5, 3));
        Processed = 0;
    }

    void flow_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QList<TMessageAnswer>>("answers");
        QTest::addColumn<int>("saveError");
        QTest::addColumn<TTrashResult::TKind>("trash");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("fileAfter");
        QTest::addColumn<QStringList>("opened");
        using A = TMessageAnswer;
        const QString Where = QStringLiteral("\r\n\r\nFolder: SendTo\r\nShortCut: ");
        const QString Question = QStringLiteral("Ask: Already Exsists.\r\n\r\nFolder: SendTo\r\nShortCut: Pendulor.desktop"
                                                "\r\n\r\nUpdate?\r\n[Yes]: Update, [No]: Delete, [Cancel]: Exit\r\n");
        const QString OpenFolder = QStringLiteral("Ask: Open SendTo Folder?");
        const QString Select = QStringLiteral("ShowItemInFolder $ROOT/sendto/Pendulor.desktop");
        const QString Plain = QStringLiteral("Plain: ");
        QTest::newRow("create")
            << false << QList<A>{A::No} << 0 << TTrashResult::Done
            << QStringList{Plain + "Created Successfully." + Where + "Pendulor.desktop", OpenFolder} << true
            << QStringList{};
        QTest::newRow("create, then open the folder with the entry selected")
            << false << QList<A>{A::Yes} << 0 << TTrashResult::Done
            << QStringList{Plain + "Created Successfully." + Where + "Pendulor.desktop", OpenFolder} << true
            << QStringList{Select};
        QTest::newRow("again, Yes: updated")
            << true << QList<A>{A::Yes, A::No} << 0 << TTrashResult::Done
            << QStringList{Question, Plain + "Updated Successfully." + Where + "Pendulor.desktop", OpenFolder} << true
            << QStringList{};
        QTest::newRow("again, No: trashed, and the folder itself is opened")
            << true << QList<A>{A::No, A::Yes} << 0 << TTrashResult::Done
            << QStringList{Question, Plain + "Deleted Successfully." + Where + "Pendulor.desktop", OpenFolder} << false
            << QStringList{QStringLiteral("OpenUrl file://$ROOT/sendto")};
        QTest::newRow("again, Cancel: nothing more")
            << true << QList<A>{A::Cancel} << 0 << TTrashResult::Done << QStringList{Question} << true
            << QStringList{};
        QTest::newRow("save refused: Create Failed with the system's text, then the folder question")
            << false << QList<A>{A::Yes} << EACCES << TTrashResult::Done
            << QStringList{QStringLiteral("Fitted: Create Failed.") + Where + "$PATH\r\nPermission denied", OpenFolder}
            << false << QStringList{QStringLiteral("OpenUrl file://$ROOT/sendto")};
        QTest::newRow("update refused")
            << true << QList<A>{A::Yes, A::No} << EROFS << TTrashResult::Done
            << QStringList{Question, QStringLiteral("Fitted: Update Failed.") + Where + "$PATH\r\nRead-only file system",
                           OpenFolder}
            << true << QStringList{};
        QTest::newRow("trash failed: both reports")
            << true << QList<A>{A::No, A::No} << 0 << TTrashResult::Failed
            << QStringList{Question, QStringLiteral("Fitted: Delete \"Pendulor.desktop\" Failed."),
                           Plain + "Delete Failed." + Where + "$PATH", OpenFolder}
            << true << QStringList{};
        QTest::newRow("trash aborted: both reports")
            << true << QList<A>{A::No, A::Yes} << 0 << TTrashResult::Aborted
            << QStringList{Question, Plain + "Operations Aborted.", Plain + "Delete Failed." + Where + "$PATH", OpenFolder}
            << true << QStringList{Select};
    }
    void flow()
    {
        QFETCH(bool, existing);
        QFETCH(QList<TMessageAnswer>, answers);
        QFETCH(int, saveError);
        QFETCH(TTrashResult::TKind, trash);
        QFETCH(QStringList, shown);
        QFETCH(bool, fileAfter);
        QFETCH(QStringList, opened);
        if (existing) {
            Place();
            QCOMPARE(Boxes.Shown.size(), 2);
            Boxes = TFakeMessageBoxes();
            Shell.Calls.clear();
        }
        Boxes.Answers = answers;
        Shell.SaveError = saveError;
        if (saveError) // the fake refuses before the folder is made
            QVERIFY(QDir().mkpath(Folder()));
        Shell.TrashResult.Kind = trash;
        Place();
        QCOMPARE(Shown(), shown);
        QVERIFY(Boxes.Answers.isEmpty());
        for (const TFakeMessageBoxes::TShown& Box : Boxes.Shown)
            QCOMPARE(Box.Caption, QStringLiteral("Pendulor"));
        QCOMPARE(QFileInfo(Folder() + QStringLiteral("/Pendulor.desktop")).isFile(), fileAfter);
        QCOMPARE(ShellCallsAfterSave(), opened);
        QCOMPARE(Processed, trash == TTrashResult::Done ? 0 : 1);
    }

    void an_update_carries_the_new_time()
    {
        Boxes.Answers = {TMessageAnswer::No};
        Place();
        const QString Entry = Folder() + QStringLiteral("/Pendulor.desktop");
        QCOMPARE(KeyOf(Entry, QStringLiteral("Comment")), QStringLiteral("2026/01/15 09:05:03 Created by Pendulor V1.2"));
        Now.Set(At(2026, 2, 1, 17, 0, 59));
        Boxes.Answers = {TMessageAnswer::Yes, TMessageAnswer::No};
        Place();
        QCOMPARE(KeyOf(Entry, QStringLiteral("Comment")), QStringLiteral("2026/02/01 17:00:59 Created by Pendulor V1.2"));
    }

    void a_refused_save_on_disk()
    {
        // A folder where the entry should go: the rename over it fails.
        QVERIFY(QDir().mkpath(Folder() + QStringLiteral("/Pendulor.desktop")));
        Boxes.Answers = {TMessageAnswer::No};
        Place();
        QCOMPARE(Shown().first(), QStringLiteral("Fitted: Create Failed.\r\n\r\nFolder: SendTo\r\nShortCut: $PATH\r\n"
                                                 "Is a directory"));
        QCOMPARE(QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Pendulor.desktop")});
    }

    void an_empty_title_names_the_file_dot_desktop()
    {
        Boxes.Answers = {TMessageAnswer::No};
        Place(QString());
        QVERIFY(QFileInfo(Folder() + QStringLiteral("/.desktop")).isFile());
        QCOMPARE(Boxes.Shown.first().Text, QStringLiteral("Created Successfully.\r\n\r\nFolder: SendTo\r\nShortCut: .desktop"));
    }

    void a_title_that_cannot_name_a_file_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("slash") << QStringLiteral("Tokyo/Paris");
        QTest::newRow("line break") << QStringLiteral("Tokyo\nParis");
        QTest::newRow("NUL") << QStringLiteral("Tokyo") + QChar(0) + QStringLiteral("x");
        QTest::newRow("DEL") << QStringLiteral("Tokyo\x7f");
    }
    void a_title_that_cannot_name_a_file()
    {
        QFETCH(QString, title);
        QVERIFY_THROWS_EXCEPTION(EPendulorError, Place(title));
        QVERIFY(Boxes.Shown.isEmpty());
        QVERIFY(!QFileInfo::exists(Folder()) || QDir(Folder()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void a_folder_the_desktop_does_not_know()
    {
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Target());
        const TShellShortCuts ShortCuts(Gateway, Now, TFormatSettings());
        ShortCuts.PlaceShortCut(11, QStringLiteral("StartMenu"), Target(), AppName);
        QCOMPARE(Boxes.Texts(TKind::Fitted), QList<QString>{QStringLiteral("Folder Not Found.\r\n\r\nFolder: StartMenu")});
        QCOMPARE(Boxes.Shown.size(), 1);
    }

    // What the flow writes is a valid desktop entry whose Exec starts the
    // executable, whatever the characters of the title and the path.
    void entries_are_valid_and_start_the_executable_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("executableFolder");
        QTest::newRow("plain") << AppName << QStringLiteral("bin");
        QTest::newRow("empty title") << QString() << QStringLiteral("bin");
        QTest::newRow("title with quotes, stars and pipes") << QStringLiteral("\"Clock\" <*|?> ;") << QStringLiteral("bin");
        QTest::newRow("title with blanks and Japanese") << QStringLiteral(u" 世界 時計 ") << QStringLiteral("bin");
        QTest::newRow("path with blanks, $ and quotes") << AppName << QStringLiteral("my $HOME \"x\" dir");
        QTest::newRow("path with backslash, %, ` and ~") << AppName << QStringLiteral("a\\b %f `c` ~d");
    }
    void entries_are_valid_and_start_the_executable()
    {
        QFETCH(QString, title);
        QFETCH(QString, executableFolder);
        const QString Validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (Validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (tools/setup installs desktop-file-utils)");
        const QString Executable = Root->path() + u'/' + executableFolder + QStringLiteral("/Pendulor");
        Boxes.Answers = {TMessageAnswer::No};
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Executable);
        const TShellShortCuts ShortCuts(Gateway, Now, TFormatSettings());
        ShortCuts.PlaceShortCut(FolderSendTo, QStringLiteral("SendTo"), Executable, title);
        const QString Entry = Folder() + u'/' + title + QStringLiteral(".desktop");
        QVERIFY(QFileInfo(Entry).isFile());
        QProcess Check;
        Check.start(Validator, {Entry});
        QVERIFY(Check.waitForFinished(10000));
        const QString Output = QString::fromUtf8(Check.readAllStandardOutput() + Check.readAllStandardError());
        QVERIFY2(Check.exitCode() == 0 && !Output.contains(QStringLiteral("error")), qPrintable(Output));
        QCOMPARE(ParseExec(KeyOf(Entry, QStringLiteral("Exec"))), QStringList{Executable});
        QVERIFY(KeyOf(Entry, QStringLiteral("Exec")).endsWith(QStringLiteral(" %F"))); // Send To passes the files
        QCOMPARE(KeyOf(Entry, QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(KeyOf(Entry, QStringLiteral("Path")), QDir::tempPath() + u'/');
        QCOMPARE(KeyOf(Entry, QStringLiteral("Icon")), AppIconName);
        QCOMPARE(Unescape(KeyOf(Entry, QStringLiteral("Name"))), title.isEmpty() ? AppName : title);
    }

    // The real shell with its user and system folders in the temporary
    // folder: an entry of the system's folders behind the chosen one keeps
    // its name to itself; the same name in another folder's system list
    // hides nothing.
    void names_of_the_systems_entries_data()
    {
        QTest::addColumn<int>("folderNumber");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("systemEntry"); // below $ROOT
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("refused");
        QTest::newRow("StartUp: a service started at log-in")
            << int(FolderStartup) << QStringLiteral("StartUp") << QStringLiteral("etc/xdg/autostart/xdg-user-dirs.desktop")
            << QStringLiteral("xdg-user-dirs") << true;
        QTest::newRow("StartMenu: a program of the applications menu")
            << int(FolderPrograms) << QStringLiteral("StartMenu") << QStringLiteral("usr/share/applications/firefox.desktop")
            << QStringLiteral("firefox") << true;
        QTest::newRow("StartMenu: an entry of the second system folder")
            << int(FolderPrograms) << QStringLiteral("StartMenu")
            << QStringLiteral("usr/local/share/applications/org.example.tool.desktop")
            << QStringLiteral("org.example.tool") << true;
        QTest::newRow("StartUp: an entry of the second configuration folder")
            << int(FolderStartup) << QStringLiteral("StartUp") << QStringLiteral("opt/xdg/autostart/Pendulor.desktop")
            << AppName << true;
        QTest::newRow("SendTo: a Send To entry of the system")
            << int(FolderSendTo) << QStringLiteral("SendTo") << QStringLiteral("usr/share/Thunar/sendto/Pendulor.desktop")
            << AppName << true;
        QTest::newRow("StartMenu: a name that only the autostart folder holds")
            << int(FolderPrograms) << QStringLiteral("StartMenu") << QStringLiteral("etc/xdg/autostart/Pendulor.desktop")
            << AppName << false;
        QTest::newRow("StartUp: names differ in letter case")
            << int(FolderStartup) << QStringLiteral("StartUp") << QStringLiteral("etc/xdg/autostart/pendulor.desktop")
            << AppName << false;
    }
    void names_of_the_systems_entries()
    {
        QFETCH(int, folderNumber);
        QFETCH(QString, kind);
        QFETCH(QString, systemEntry);
        QFETCH(QString, title);
        QFETCH(bool, refused);
        const QString Base = Root->path() + u'/';
        TScopedEnvironment Environment;
        Environment.Set("XDG_DATA_HOME", Base + QStringLiteral("home/data"));
        Environment.Set("XDG_CONFIG_HOME", Base + QStringLiteral("home/config"));
        Environment.Set("XDG_DATA_DIRS", Base + QStringLiteral("usr/share/:") + Base + QStringLiteral("usr/local/share"));
        Environment.Set("XDG_CONFIG_DIRS", Base + QStringLiteral("etc/xdg:") + Base + QStringLiteral("opt/xdg"));
        const QByteArray SystemText = "[Desktop Entry]\nType=Application\nName=System\nExec=true\n";
        QVERIFY(WriteFile(Base + systemEntry, SystemText));
        TLinuxShell Linux;
        const QString UserFolder = Linux.SpecialFolder(folderNumber);
        const QString FileName = title + QStringLiteral(".desktop");
        Boxes.Answers = {TMessageAnswer::No};
        const TShellOpen Gateway(Linux, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Target());
        const TShellShortCuts ShortCuts(Gateway, Now, TFormatSettings());
        ShortCuts.PlaceShortCut(folderNumber, kind, Target(), title);
        QCOMPARE(ReadFile(Base + systemEntry), SystemText);
        if (refused) {
            QCOMPARE(Shown(), QStringList{QStringLiteral("Fitted: ")
                                          + HidingReport(QStringLiteral("Create"), kind, FileName, Base + systemEntry)});
            QVERIFY(!QFileInfo::exists(UserFolder)
                    || QDir(UserFolder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        } else {
            QCOMPARE(Boxes.Texts(TKind::Plain).value(0),
                     QStringLiteral("Created Successfully.\r\n\r\nFolder: ") + kind + QStringLiteral("\r\nShortCut: ")
                         + FileName);
            QVERIFY(QFileInfo(UserFolder + FileName).isFile());
        }
    }

    // A shortcut made before (by hand or by an older build) that hides a
    // system entry is not written again, but can still be removed.
    void an_old_shortcut_that_hides_a_system_entry_data()
    {
        QTest::addColumn<TMessageAnswer>("answer");
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("fileAfter");
        QTest::newRow("Yes: the update is refused") << TMessageAnswer::Yes << QStringLiteral("Fitted: Update") << true;
        QTest::newRow("No: deleted as ever") << TMessageAnswer::No << QStringLiteral("Plain: Deleted Successfully.")
                                             << false;
    }
    void an_old_shortcut_that_hides_a_system_entry()
    {
        QFETCH(TMessageAnswer, answer);
        QFETCH(QString, report);
        QFETCH(bool, fileAfter);
        const QString System = Root->path() + QStringLiteral("/system/sendto");
        QVERIFY(WriteFile(System + QStringLiteral("/Pendulor.desktop"), "[Desktop Entry]\n"));
        Shell.SystemFolderLists[FolderSendTo] = {Root->path() + QStringLiteral("/elsewhere"), System};
        const QString Entry = Folder() + QStringLiteral("/Pendulor.desktop");
        const QByteArray OldText = "[Desktop Entry]\nName=Old\n";
        QVERIFY(WriteFile(Entry, OldText));
        Boxes.Answers = {answer, TMessageAnswer::No};
        Place();
        const QStringList Reports = Shown();
        QCOMPARE(Reports.size(), answer == TMessageAnswer::Yes ? 2 : 3); // a refusal ends the command
        QVERIFY2(Reports.at(1).startsWith(report), qPrintable(Reports.at(1)));
        if (answer == TMessageAnswer::Yes)
            QCOMPARE(Reports.at(1), QStringLiteral("Fitted: ")
                                        + HidingReport(QStringLiteral("Update"), QStringLiteral("SendTo"),
                                                       QStringLiteral("Pendulor.desktop"),
                                                       System + QStringLiteral("/Pendulor.desktop")));
        QCOMPARE(QFileInfo(Entry).isFile(), fileAfter);
        if (fileAfter)
            QCOMPARE(ReadFile(Entry), OldText);
        for (const TFakeShell::TCall& Call : Shell.Calls)
            QVERIFY(Call.Operation != QLatin1String("SaveShortCut"));
    }

    void linux_system_folders_follow_the_xdg_lists()
    {
        const QString Base = Root->path();
        TScopedEnvironment Environment;
        Environment.Set("XDG_DATA_HOME", Base + QStringLiteral("/home/data"));
        Environment.Set("XDG_CONFIG_HOME", Base + QStringLiteral("/home/config"));
        // A relative entry counts for nothing; the user's own folder in the
        // list is left out.
        Environment.Set("XDG_DATA_DIRS", QStringLiteral("relative/share:") + Base + QStringLiteral("/a/:")
                                             + Base + QStringLiteral("/home/data::/b"));
        Environment.Set("XDG_CONFIG_DIRS", Base + QStringLiteral("/c"));
        TLinuxShell Linux;
        QCOMPARE(Linux.SystemFolders(FolderPrograms),
                 (QStringList{Base + QStringLiteral("/a/applications/"), QStringLiteral("/b/applications/")}));
        QCOMPARE(Linux.SystemFolders(FolderSendTo),
                 (QStringList{Base + QStringLiteral("/a/Thunar/sendto/"), QStringLiteral("/b/Thunar/sendto/")}));
        QCOMPARE(Linux.SystemFolders(FolderStartup), QStringList{Base + QStringLiteral("/c/autostart/")});
        QCOMPARE(Linux.SystemFolders(FolderDesktop), QStringList{});
        Environment.Set("XDG_DATA_DIRS", QString());
        Environment.Set("XDG_CONFIG_DIRS", QString());
        QCOMPARE(Linux.SystemFolders(FolderPrograms),
                 (QStringList{QStringLiteral("/usr/local/share/applications/"), QStringLiteral("/usr/share/applications/")}));
        QCOMPARE(Linux.SystemFolders(FolderStartup), QStringList{QStringLiteral("/etc/xdg/autostart/")});
    }

    void linux_folders_follow_the_xdg_variables()
    {
        const QString Home = Root->path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(Home + QStringLiteral("/config")));
        QFile Dirs(Home + QStringLiteral("/config/user-dirs.dirs"));
        QVERIFY(Dirs.open(QIODevice::WriteOnly));
        Dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
        Dirs.close();
        const QByteArray OldHome = qgetenv("HOME"), OldData = qgetenv("XDG_DATA_HOME"), OldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", Home.toUtf8());
        qputenv("XDG_DATA_HOME", (Home + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (Home + QStringLiteral("/config")).toUtf8());
        TLinuxShell Linux;
        const QStringList Got{Linux.SpecialFolder(FolderSendTo), Linux.SpecialFolder(FolderDesktop),
                              Linux.SpecialFolder(FolderPrograms), Linux.SpecialFolder(FolderStartup),
                              Linux.SpecialFolder(11)};
        qputenv("HOME", OldHome);
        qputenv("XDG_DATA_HOME", OldData);
        qputenv("XDG_CONFIG_HOME", OldConfig);
        QCOMPARE(Got, (QStringList{Home + QStringLiteral("/data/Thunar/sendto/"), Home + QStringLiteral("/Schreibtisch/"),
                                   Home + QStringLiteral("/data/applications/"), Home + QStringLiteral("/config/autostart/"),
                                   QString()}));
    }

    void linux_desktop_entries_are_executable()
    {
        const QByteArray OldHome = qgetenv("HOME"), OldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", Root->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (Root->path() + QStringLiteral("/config")).toUtf8());
        TLinuxShell Linux;
        TShellLink Link;
        Link.Name = AppName;
        Link.Target = Target();
        const QString Entry = Linux.SpecialFolder(FolderDesktop) + QStringLiteral("Pendulor.desktop");
        const int Error = Linux.SaveShortCut(Entry, Link);
        qputenv("HOME", OldHome);
        qputenv("XDG_CONFIG_HOME", OldConfig);
        QCOMPARE(Entry, Root->path() + QStringLiteral("/Desktop/Pendulor.desktop"));
        QCOMPARE(Error, 0);
        QVERIFY(QFileInfo(Entry).permissions() & QFile::ExeOwner);
    }

    void linux_save_creates_the_folder_and_trashes_to_the_xdg_trash()
    {
        const QByteArray OldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", (Root->path() + QStringLiteral("/data")).toUtf8());
        TLinuxShell Linux;
        TShellLink Link;
        Link.Name = AppName;
        Link.Target = Target();
        const QString Entry = Linux.SpecialFolder(FolderPrograms) + QStringLiteral("Pendulor.desktop");
        const int Error = Linux.SaveShortCut(Entry, Link);
        const QFile::Permissions Permissions = QFileInfo(Entry).permissions();
        const TTrashResult Trashed = Linux.MoveToTrash(Entry);
        qputenv("XDG_DATA_HOME", OldData);
        QCOMPARE(Error, 0);
        QVERIFY(!(Permissions & QFile::ExeOwner)); // only the desktop's entries are made executable
        QCOMPARE(Trashed.Kind, TTrashResult::Done);
        QVERIFY(!QFileInfo::exists(Entry));
        QVERIFY(QFileInfo(Root->path() + QStringLiteral("/data/Trash/files/Pendulor.desktop")).isFile());
        QVERIFY(QFileInfo(Root->path() + QStringLiteral("/data/Trash/info/Pendulor.desktop.trashinfo")).isFile());
    }
};

QTEST_MAIN(TestShellShortCuts)
#include "TestShellShortCuts.moc"
