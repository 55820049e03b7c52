#include "app/AppConstants.h"
#include "platform/TQtMessageBoxes.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"
#include "tests/widgets/doubles/TFakeMessageBoxes.h"
#include "tests/widgets/doubles/TFakeShell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <cerrno>
#include <optional>

using TKind = TFakeMessageBoxes::TKind;

// An executable in <tmp>/a/b/c, a recording shell and recording boxes.
class TestShellOpen : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> Root;
    TFakeShell Shell;
    TFakeMessageBoxes Boxes;

    QString Path(const QString& Relative) const { return Root->path() + QLatin1Char('/') + Relative; }
    QString PutFile(const QString& Relative, bool Executable = false, const QByteArray& Content = {})
    {
        QFile F(Path(Relative));
        if (!F.open(QIODevice::WriteOnly) || F.write(Content) != Content.size())
            return {};
        if (Executable)
            F.setPermissions(F.permissions() | QFileDevice::ExeOwner);
        return F.fileName();
    }
    TShellOpen Gateway(const QString& ExecutableName = QStringLiteral("Pendulor"))
    {
        return TShellOpen(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")),
                          Path(QStringLiteral("a/b/c/") + ExecutableName));
    }
    static QString Unique(const QString& Prefix)
    {
        return Prefix + QUuid::createUuid().toString(QUuid::WithoutBraces);
    }
    QString OnlyCall(const QString& Operation) const
    {
        if (Shell.Calls.size() != 1 || Shell.Calls.first().Operation != Operation)
            return QStringLiteral("<not exactly one %1 call>").arg(Operation);
        return Shell.Calls.first().Target;
    }

private Q_SLOTS:
    void init()
    {
        Root.emplace();
        QVERIFY(Root->isValid());
        QVERIFY(QDir(Root->path()).mkpath(QStringLiteral("a/b/c")));
        Shell = TFakeShell();
        Boxes = TFakeMessageBoxes();
    }

    void result_number_decides_failure_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("reported");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("2") << 2 << true;
        QTest::newRow("32 is a failure") << 32 << true;
        QTest::newRow("33 is a success") << 33 << false;
        QTest::newRow("42") << 42 << false;
    }
    void result_number_decides_failure()
    {
        QFETCH(int, code);
        QFETCH(bool, reported);
        Shell.Result = TShellResult::Failure(code, EACCES);
        Gateway().MyShellExecuteOpen1(QStringLiteral("https://example.org/a b"), QString());
        QCOMPARE(Shell.Calls.size(), 1);
        const QStringList Expected = reported
            ? QStringList{QStringLiteral("Open Failed %1\r\nPermission denied\r\nhttps://example.org/a b").arg(code)}
            : QStringList{};
        QCOMPARE(Boxes.Texts(TKind::Fitted), Expected);
        QVERIFY(Boxes.Texts(TKind::Plain).isEmpty());
        if (reported)
            QCOMPARE(Boxes.Shown.first().Caption, QStringLiteral("Pendulor"));
    }

    void quoted_file_is_reported_with_its_quotes()
    {
        const QString Missing = QStringLiteral("\"") + Path(QStringLiteral("no such \"\"help\"\".html")) + QLatin1Char('"');
        Gateway().MyShellExecuteOpen1(Missing, QString());
        QVERIFY(Shell.Calls.isEmpty());
        QCOMPARE(Boxes.Texts(TKind::Fitted),
                 QStringList{QStringLiteral("Open Failed 2\r\nNo such file or directory\r\n") + Missing});
    }

    void quoted_existing_document_is_opened()
    {
        const QString File = PutFile(QStringLiteral("say \"hi\".html"));
        Gateway().MyShellExecuteOpen1(QStringLiteral("\"%1\"").arg(QString(File).replace("\"", "\"\"")), QString());
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QUrl::fromLocalFile(File).toString(QUrl::FullyEncoded));
        QVERIFY(Boxes.Shown.isEmpty());
    }

    // What each kind of request is handed to.
    void requests_reach_the_right_operation()
    {
        const QString Exe = PutFile(QStringLiteral("a/b/c/Pendulor"), true, QByteArrayLiteral("\x7f" "ELF\x02\x01"));
        const QString Memo = PutFile(QStringLiteral("MyMemo.txt"));
        const QString Link = PutFile(QStringLiteral("a/Pendulor.desktop"));
        const QString HtmlWithExecBit = PutFile(QStringLiteral("a/b/Pendulor.html"), true);
        const TShellOpen G = Gateway();

        G.MyShellExecuteOpen1(Exe, QString());
        G.MyShellExecuteOpen1(QStringLiteral("notepad.exe"), Memo);
        G.MyShellExecuteOpen1(QStringLiteral("explorer.exe"), QStringLiteral("/select,\"%1\"").arg(Link));
        G.MyShellExecuteOpen1(Path(QStringLiteral("a")), QString());
        G.MyShellExecuteOpen1(HtmlWithExecBit, QString());
        G.MyShellExecuteOpen1(QStringLiteral("sh"), QStringLiteral("-c \"exit 0\""));
        G.MyShellExecuteOpen1(QStringLiteral("ms-settings:dateandtime"), QString());

        QVERIFY(Boxes.Shown.isEmpty());
        QCOMPARE(Shell.Calls.size(), 7);
        const auto Check = [this](int I, const char* Operation, const QString& Target, const QStringList& Args = {}) {
            QCOMPARE(Shell.Calls.at(I).Operation, QString::fromLatin1(Operation));
            QCOMPARE(Shell.Calls.at(I).Target, Target);
            QCOMPARE(Shell.Calls.at(I).Arguments, Args);
        };
        const auto FileUrl = [](const QString& P) { return QUrl::fromLocalFile(P).toString(QUrl::FullyEncoded); };
        Check(0, "StartProgram", Exe); // relaunch: no arguments
        Check(1, "OpenUrl", FileUrl(Memo));
        Check(2, "ShowItemInFolder", Link);
        Check(3, "OpenUrl", FileUrl(Path(QStringLiteral("a"))));
        Check(4, "OpenUrl", FileUrl(HtmlWithExecBit)); // a document is never executed
        Check(5, "StartProgram", QStandardPaths::findExecutable(QStringLiteral("sh")), {"-c", "exit 0"});
        Check(6, "OpenDateTimeSettings", QString());
    }

    // Only a real program is run; anything else with the executable bit is
    // opened as a document, whatever its name says.
    void what_runs_and_what_opens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("operation");
        const QByteArray Elf("\x7f" "ELF\x02\x01\x01", 7);
        const QByteArray Script("#!/bin/sh\nexit 0\n");
        QTest::newRow("binary, no suffix") << "Pendulor" << true << Elf << "StartProgram";
        QTest::newRow("binary renamed with a suffix") << "Pendulor.x86_64" << true << Elf << "StartProgram";
        QTest::newRow("script") << "relaunch" << true << Script << "StartProgram";
        QTest::newRow("text with the bit, no suffix") << "README" << true << QByteArray("Read me.\n") << "OpenUrl";
        QTest::newRow("empty file with the bit") << "Empty" << true << QByteArray() << "OpenUrl";
        QTest::newRow("binary without the bit") << "Copied" << false << Elf << "OpenUrl";
    }
    void what_runs_and_what_opens()
    {
        QFETCH(QString, name);
        QFETCH(bool, executable);
        QFETCH(QByteArray, content);
        QFETCH(QString, operation);
        const QString File = PutFile(QStringLiteral("a/") + name, executable, content);
        QVERIFY(!File.isEmpty());
        Gateway().MyShellExecuteOpen1(File, QString());
        const QString Expected = operation == QLatin1String("StartProgram") ? File
                                                                            : QUrl::fromLocalFile(File).toString(QUrl::FullyEncoded);
        QCOMPARE(OnlyCall(operation), Expected);
        QVERIFY(Boxes.Shown.isEmpty());
    }

    // A bare name never runs a program that sits in the current folder.
    void bare_name_in_current_folder_is_never_run()
    {
        const QString Tool = Unique(QStringLiteral("tool-"));
        const QString Note = Unique(QStringLiteral("note-")) + QStringLiteral(".txt");
        PutFile(Tool, true, QByteArrayLiteral("#!/bin/sh\nexit 0\n"));
        PutFile(Note);
        const QString Before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Root->path()));
        const TShellOpen G = Gateway();
        G.MyShellExecuteOpen1(Tool, QStringLiteral("x"));
        G.MyShellExecuteOpen1(Note, QString());
        QDir::setCurrent(Before);
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QUrl::fromLocalFile(Path(Note)).toString(QUrl::FullyEncoded));
        QCOMPARE(Boxes.Texts(TKind::Fitted),
                 QStringList{QStringLiteral("Open Failed 2\r\nNo such file or directory\r\n") + Tool});
    }

    // The folder view and the text editor show what they are given; they never run it.
    void classic_viewers_never_run_a_program_data()
    {
        QTest::addColumn<QString>("viewer");
        QTest::newRow("explorer.exe") << "explorer.exe";
        QTest::newRow("notepad.exe") << "notepad.exe";
    }
    void classic_viewers_never_run_a_program()
    {
        QFETCH(QString, viewer);
        const QString Program = PutFile(QStringLiteral("a/tool"), true, QByteArrayLiteral("#!/bin/sh\nexit 0\n"));
        Gateway().MyShellExecuteOpen1(viewer, Program);
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QUrl::fromLocalFile(Program).toString(QUrl::FullyEncoded));
    }

    void unknown_program_is_reported_without_starting_anything()
    {
        const QString Name = Unique(QStringLiteral("no-such-program-")) + QStringLiteral(".exe");
        Gateway().MyShellExecuteOpen1(Name, QStringLiteral("x"));
        QVERIFY(Shell.Calls.isEmpty());
        QCOMPARE(Boxes.Texts(TKind::Fitted),
                 QStringList{QStringLiteral("Open Failed 2\r\nNo such file or directory\r\n") + Name});
    }

    void help_menu_finds_help_above_the_executable()
    {
        const QString Help = PutFile(QStringLiteral("a/Pendulor.html"));
        Gateway().ShowHelp1Click();
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QUrl::fromLocalFile(Help).toString(QUrl::FullyEncoded));
        QVERIFY(Boxes.Shown.isEmpty());
    }

    void help_menu_follows_the_executable_name()
    {
        PutFile(QStringLiteral("a/b/c/Pendulor.html"));
        const QString Own = PutFile(QStringLiteral("a/b/Worldclock.html"));
        Gateway(QStringLiteral("Worldclock.bin")).ShowHelp1Click();
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QUrl::fromLocalFile(Own).toString(QUrl::FullyEncoded));
    }

    void help_menu_without_help_reports_twice()
    {
        const QString Name = Unique(QStringLiteral("Clock-"));
        Gateway(Name).ShowHelp1Click();
        QVERIFY(Shell.Calls.isEmpty());
        QCOMPARE(Boxes.Texts(TKind::Fitted),
                 (QStringList{QStringLiteral("HelpFile NotFound\r\n%1.html").arg(Name),
                              QStringLiteral("Open Failed 2\r\nNo such file or directory\r\n\"/%1.html\"").arg(Name)}));
    }

    // An installed executable in PREFIX/bin finds its help in PREFIX/share/pendulor
    // once the climb has found nothing; a help file on the climb comes first.
    void help_lookup_falls_back_to_the_installed_folder_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("topic"); // the properties dialog's button, else Help > Help
        const QString Installed = QStringLiteral("a/b/share/pendulor/Pendulor.html");
        QTest::newRow("menu, installed only") << "Pendulor" << QStringList{Installed} << Installed << false;
        QTest::newRow("topic, installed only") << "Other" << QStringList{Installed} << Installed << true;
        QTest::newRow("menu, climb first") << "Pendulor" << QStringList{Installed, "a/Pendulor.html"}
                                           << "a/Pendulor.html" << false;
        QTest::newRow("menu, renamed executable") << "Worldclock.bin"
                                                  << QStringList{Installed, "a/b/share/pendulor/Worldclock.html"}
                                                  << "a/b/share/pendulor/Worldclock.html" << false;
        QTest::newRow("menu, a folder of that name is no help")
            << "Pendulor" << QStringList{"a/b/share/pendulor/Pendulor.html/"} << QString() << false;
    }
    void help_lookup_falls_back_to_the_installed_folder()
    {
        QFETCH(QString, executable);
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QFETCH(bool, topic);
        for (const QString& Relative : present) {
            if (Relative.endsWith(QLatin1Char('/')))
                QVERIFY(QDir(Root->path()).mkpath(Relative));
            else
                QVERIFY(QDir(Root->path()).mkpath(QFileInfo(Relative).path()) && !PutFile(Relative).isEmpty());
        }
        const TShellOpen Open = Gateway(executable);
        if (topic)
            Open.OpenHelpTopic(TShellOpen::DateFormatsTopic);
        else
            Open.ShowHelp1Click();
        if (expected.isEmpty()) {
            QVERIFY(Shell.Calls.isEmpty());
            QCOMPARE(Boxes.Texts(TKind::Fitted).value(0), QStringLiteral("HelpFile NotFound\r\nPendulor.html"));
            return;
        }
        QUrl Url = QUrl::fromLocalFile(Path(expected));
        if (topic)
            Url.setFragment(QStringLiteral("20251023141847363"));
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), Url.toString(QUrl::FullyEncoded));
        QVERIFY(Boxes.Shown.isEmpty());
    }

    void help_topic_opens_anchor_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("date formats") << TShellOpen::DateFormatsTopic << "20251023141847363";
        QTest::newRow("time formats") << TShellOpen::TimeFormatsTopic << "20251023142213290";
    }
    void help_topic_opens_anchor()
    {
        QFETCH(QString, page);
        QFETCH(QString, anchor);
        const QString Help = PutFile(QStringLiteral("a/b/Pendulor.html"));
        // The buttons look for the fixed name whatever the executable is called.
        Gateway(QStringLiteral("Other")).OpenHelpTopic(page);
        QCOMPARE(OnlyCall(QStringLiteral("OpenUrl")), QStringLiteral("file://") + Help + QLatin1Char('#') + anchor);
        QVERIFY(Boxes.Shown.isEmpty());
    }

    void menu_addresses_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("target");
        QTest::newRow("Donation") << 0 << "OpenUrl" << DonationUrl();
        QTest::newRow("HomeSite") << 1 << "OpenUrl" << HomeSiteUrl();
        QTest::newRow("Set DateTime") << 2 << "OpenDateTimeSettings" << QString();
    }
    void menu_addresses()
    {
        QFETCH(int, command);
        QFETCH(QString, operation);
        QFETCH(QString, target);
        const TShellOpen G = Gateway();
        switch (command) {
        case 0: G.Donation1Click(); break;
        case 1: G.HomeSite1Click(); break;
        default: G.SetDateTime1Click(); break;
        }
        QCOMPARE(OnlyCall(operation), target);
        QVERIFY(Boxes.Shown.isEmpty());
    }

    void date_time_settings_missing_is_reported()
    {
        Shell.Result = TShellResult::Failure(ENOENT, ENOENT);
        Gateway().SetDateTime1Click();
        QCOMPARE(Boxes.Texts(TKind::Fitted),
                 QStringList{QStringLiteral("Open Failed 2\r\nNo such file or directory\r\nms-settings:dateandtime")});
    }

    void properties_of_the_executable()
    {
        const TShellOpen G = Gateway();
        G.Properties1Click();
        QCOMPARE(OnlyCall(QStringLiteral("ShowItemProperties")), Path(QStringLiteral("a/b/c/Pendulor")));
        QVERIFY(Boxes.Shown.isEmpty());

        Shell.PropertiesAvailable = false;
        G.ShowProperties(QStringLiteral("/x/y.dat"));
        QCOMPARE(Boxes.Texts(TKind::Fitted), QStringList{QStringLiteral("ShowProperties Failed \r\n/x/y.dat")});
    }

    void application_title_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/Pendulor" << "Pendulor";
        QTest::newRow("mixed case") << "C:/Tools/AbcDef.exe" << "Abcdef";
        QTest::newRow("upper case") << "PENDULOR.EXE" << "Pendulor";
        QTest::newRow("first letter kept") << "/opt/pendulor" << "pendulor";
        QTest::newRow("up to the first dot") << "/opt/World.Clock.bin" << "World";
        QTest::newRow("dot in folder only") << "/opt/v1.2/CLOCK" << "Clock";
        QTest::newRow("non-ASCII") << "/opt/ÄRGER.exe" << "Ärger";
        QTest::newRow("one letter") << "/opt/Q" << "Q";
    }
    void application_title()
    {
        QFETCH(QString, executable);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitle(executable), title);
    }

    void error_text_trimming_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("stop and line break") << "Access is denied.\r\n" << "Access is denied";
        QTest::newRow("mixed tail") << "Bad thing . .\t \n" << "Bad thing";
        QTest::newRow("inner stops kept") << "Version 1.2 failed" << "Version 1.2 failed";
        QTest::newRow("only stops") << "..." << "";
        QTest::newRow("empty") << "" << "";
    }
    void error_text_trimming()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(TrimmedErrorText(text), trimmed);
    }

    void system_error_text()
    {
        QCOMPARE(SystemErrorText(ENOENT), QStringLiteral("No such file or directory"));
        QCOMPARE(SystemErrorText(EACCES), QStringLiteral("Permission denied"));
        QVERIFY(!SystemErrorText(99999).isEmpty());
    }

    // A report must not open behind a frame that is kept on top: it belongs
    // to the active window, yet sits in the middle of the screen.
    void reports_belong_to_the_active_window_data()
    {
        QTest::addColumn<bool>("fitted");
        QTest::newRow("plain") << false;
        QTest::newRow("fitted") << true;
    }
    void reports_belong_to_the_active_window()
    {
        QFETCH(bool, fitted);
        QWidget Frame(nullptr, Qt::WindowStaysOnTopHint);
        const QRect Area = QGuiApplication::primaryScreen()->availableGeometry();
        Frame.setGeometry(Area.left() + 10, Area.top() + 10, Area.width() / 3, Area.height() / 3);
        Frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame));
        QApplication::setActiveWindow(&Frame);
        QVERIFY(QTest::qWaitForWindowActive(&Frame));
        QWidget* Owner = nullptr;
        QPoint Offset(999, 999);
        QTimer::singleShot(0, this, [&] {
            if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Owner = Box->parentWidget();
                Offset = Box->frameGeometry().center() - Area.center();
                Box->accept();
            }
        });
        TQtMessageBoxes Boxes;
        if (fitted)
            Boxes.ShowFitted(QStringLiteral("Pendulor"), QStringLiteral("HelpFile NotFound\r\nPendulor.html"));
        else
            Boxes.ShowPlain(QStringLiteral("Pendulor"), QStringLiteral("Done."));
        QCOMPARE(Owner, &Frame);
        QVERIFY2(Offset.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(Offset.x()).arg(Offset.y())));
    }

    // The owner going away while its report is open takes the report with it.
    void report_outlived_by_its_owner_returns()
    {
        auto* Frame = new QWidget;
        Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(Frame));
        QApplication::setActiveWindow(Frame);
        QVERIFY(QTest::qWaitForWindowActive(Frame));
        bool Open = false;
        QTimer::singleShot(0, this, [&] {
            Open = QApplication::activeModalWidget() != nullptr;
            delete Frame;
        });
        TQtMessageBoxes().ShowPlain(QStringLiteral("Pendulor"), QStringLiteral("Done."));
        QVERIFY(Open);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The real fitted dialog: caption, no icon, one OK, CR LF shown as line
    // breaks, a line longer than a message box's usual wrap width kept whole.
    void fitted_dialog_fits_its_longest_line()
    {
        const QString LongLine = QStringLiteral("/home/someone/.local/share/Quorvane/Pendulor/") + QString(24, QLatin1Char('x'))
            + QStringLiteral(".dat");
        QString Seen, Caption;
        int LabelWidth = 0, LineWidth = 0;
        QMessageBox::Icon Icon = QMessageBox::Critical;
        int Buttons = 0;
        QTimer::singleShot(0, this, [&] {
            auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!Box)
                return;
            auto* Label = Box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            Seen = Box->text();
            Caption = Box->windowTitle();
            Icon = Box->icon();
            Buttons = Box->buttons().size();
            if (Label) {
                LabelWidth = Label->width();
                LineWidth = Label->fontMetrics().horizontalAdvance(LongLine);
            }
            Box->accept();
        });
        TQtMessageBoxes().ShowFitted(QStringLiteral("Pendulor"), QStringLiteral("Open Failed 2\r\n") + LongLine);
        QCOMPARE(Seen, QStringLiteral("Open Failed 2\n") + LongLine);
        QCOMPARE(Caption, QStringLiteral("Pendulor"));
        QCOMPARE(Icon, QMessageBox::NoIcon);
        QCOMPARE(Buttons, 1);
        QVERIFY2(LabelWidth >= LineWidth, qPrintable(QStringLiteral("%1 < %2").arg(LabelWidth).arg(LineWidth)));
    }
};

QTEST_MAIN(TestShellOpen)
#include "TestShellOpen.moc"
