// The frame's About, My Memo and ShortCut items over recording doubles.
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "common/EPendulorError.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"
#include "tests/widgets/doubles/TFrameDoubles.h"
#include "tests/widgets/doubles/TMainFormTestAccess.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using TKind = TFakeMessageBoxes::TKind;

class TestMainFormShell : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> Home;
    std::unique_ptr<TFrameDoubles> Doubles;
    std::unique_ptr<TShellOpen> Gateway;
    std::unique_ptr<TMainForm> Frame;

    QString DataFolder() const { return GetDataFolder(QStringLiteral("Quorvane")); }

private Q_SLOTS:
    void init()
    {
        Home.emplace();
        qputenv("XDG_DATA_HOME", Home->path().toUtf8());
        Doubles = std::make_unique<TFrameDoubles>();
        Doubles->Shell.Folders[FolderSendTo] = Home->path() + QStringLiteral("/sendto/");
        Gateway = std::make_unique<TShellOpen>(Doubles->Shell,
                                               TMessageDialogs(Doubles->Boxes, QStringLiteral("Pendulor")));
        TFrameServices Services = Doubles->Services();
        Services.ShellOpen = Gateway.get();
        Frame = std::make_unique<TMainForm>(Services);
        Frame->SetCommandLine({});
    }
    void cleanup()
    {
        Frame.reset();
        Gateway.reset();
        Doubles.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    void the_items_can_be_chosen()
    {
        for (const char* Item : {"About1", "MyMemo1", "SendTo1", "DeskTop1", "StartMenu1", "StartUp1"})
            QVERIFY2(FrameAction(*Frame, Item).isEnabled(), Item);
    }

    void my_memo_creates_the_memo_and_opens_it()
    {
        FrameAction(*Frame, "MyMemo1").trigger();
        QFile Memo(DataFolder() + QStringLiteral("/MyMemo.txt"));
        QVERIFY(Memo.open(QIODevice::ReadOnly));
        QVERIFY(Memo.readAll().startsWith(".LOG\r\n"));
        QCOMPARE(Doubles->Shell.Calls.size(), 1);
        QCOMPARE(Doubles->Shell.Calls.first().Target, QUrl::fromLocalFile(Memo.fileName()).toString(QUrl::FullyEncoded));
    }

    void a_memo_that_cannot_be_written_ends_before_the_editor()
    {
        QVERIFY(QDir(DataFolder()).removeRecursively());
        QFile Blocker(DataFolder()); // a file where the folder should be
        QVERIFY(Blocker.open(QIODevice::WriteOnly));
        Blocker.close();
        QVERIFY_THROWS_EXCEPTION(EPendulorError, FrameAction(*Frame, "MyMemo1").trigger());
        QVERIFY(Doubles->Shell.Calls.isEmpty());
    }

    void shortcut_items_name_the_file_after_the_title()
    {
        Frame->setWindowTitle(QStringLiteral("World Clock"));
        Doubles->Boxes.Answers = {TMessageAnswer::No};
        FrameAction(*Frame, "SendTo1").trigger();
        QVERIFY(QFileInfo(Home->path() + QStringLiteral("/sendto/World Clock.desktop")).isFile());
        QCOMPARE(Doubles->Boxes.Texts(TKind::Plain).value(0),
                 QStringLiteral("Created Successfully.\r\n\r\nFolder: SendTo\r\nShortCut: World Clock.desktop"));
        QCOMPARE(Doubles->Boxes.Texts(TKind::Ask).value(0), QStringLiteral("Open SendTo Folder?"));
        QCOMPARE(Doubles->Shell.SavedLinks.value(0).Target, QCoreApplication::applicationFilePath());
    }

    void a_title_with_a_slash_reaches_the_error_handler_with_nothing_written()
    {
        Frame->setWindowTitle(QStringLiteral("Tokyo/Paris"));
        QVERIFY_THROWS_EXCEPTION(EPendulorError, FrameAction(*Frame, "SendTo1").trigger());
        QVERIFY(!QFileInfo::exists(Home->path() + QStringLiteral("/sendto")));
        QVERIFY(Doubles->Boxes.Shown.isEmpty());
    }
};

QTEST_MAIN(TestMainFormShell)
#include "TestMainFormShell.moc"
