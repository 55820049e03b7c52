#include "common/EPendulorError.h"
#include "shell/MemoFile.h"
#include "shell/MessageDialogs.h"
#include "shell/TShellOpen.h"
#include "tests/widgets/doubles/TFakeMessageBoxes.h"
#include "tests/widgets/doubles/TFakeShell.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

namespace {

QByteArray Utf16LE(const QString& Text)
{
    QByteArray Bytes("\xFF\xFE");
    for (const QChar C : Text) {
        Bytes += char(C.unicode() & 0xFF);
        Bytes += char(C.unicode() >> 8);
    }
    return Bytes;
}

} // namespace

// The memo's marker rules on real files; the stamp line is "STAMP".
class TestMemoFile : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> Root;

    QString MemoPath() const { return Root->path() + QStringLiteral("/MyMemo.txt"); }
    void Put(const QByteArray& Bytes) const
    {
        QFile File(MemoPath());
        QVERIFY(File.open(QIODevice::WriteOnly));
        QCOMPARE(File.write(Bytes), Bytes.size());
    }
    QByteArray Bytes() const
    {
        QFile File(MemoPath());
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArrayLiteral("<none>");
    }

private Q_SLOTS:
    void init()
    {
        Root.emplace();
        QVERIFY(Root->isValid());
    }

    void marker_rules_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray Stamp("STAMP\r\n");
        QTest::newRow("no memo yet") << std::optional<QByteArray>() << QByteArray(".LOG\r\n" + Stamp);
        QTest::newRow("empty file: marker appended") << std::optional<QByteArray>("") << QByteArray(".LOG\r\n" + Stamp);
        QTest::newRow("marker with blanks around it counts")
            << std::optional<QByteArray>(" \t.LOG  \r\nnote\r\n") << QByteArray(" \t.LOG  \r\nnote\r\n" + Stamp);
        QTest::newRow("lower-case marker: inserted above")
            << std::optional<QByteArray>(".log\r\nnote\r\n") << QByteArray(".LOG\r\n.log\r\nnote\r\n" + Stamp);
        QTest::newRow("first line empty: inserted above it")
            << std::optional<QByteArray>("\r\nnote\r\n") << QByteArray(".LOG\r\n\r\nnote\r\n" + Stamp);
        QTest::newRow("marker followed by more is not the marker")
            << std::optional<QByteArray>(".LOGBOOK\r\n") << QByteArray(".LOG\r\n.LOGBOOK\r\n" + Stamp);
        QTest::newRow("no final line break")
            << std::optional<QByteArray>("note") << QByteArray(".LOG\r\nnote\r\n" + Stamp);
        QTest::newRow("marker, no final line break: the stamp goes on a new line")
            << std::optional<QByteArray>(".LOG\r\nnote") << QByteArray(".LOG\r\nnote\r\n" + Stamp);
        QTest::newRow("LF memo with the marker keeps its breaks")
            << std::optional<QByteArray>(".LOG\nnote\n") << QByteArray(".LOG\nnote\nSTAMP\n");
        QTest::newRow("LF memo without the marker is rewritten with CR LF")
            << std::optional<QByteArray>("a\nb\n") << QByteArray(".LOG\r\na\r\nb\r\n" + Stamp);
        QTest::newRow("UTF-8 with mark, no marker: mark kept")
            << std::optional<QByteArray>("\xEF\xBB\xBF" "caf\xC3\xA9\r\n")
            << QByteArray("\xEF\xBB\xBF" ".LOG\r\ncaf\xC3\xA9\r\n" + Stamp);
        QTest::newRow("UTF-8 with mark and marker")
            << std::optional<QByteArray>("\xEF\xBB\xBF.LOG\r\n") << QByteArray("\xEF\xBB\xBF.LOG\r\n" + Stamp);
        QTest::newRow("UTF-16 LE kept")
            << std::optional<QByteArray>(Utf16LE(QStringLiteral(u"メモ\r\n")))
            << Utf16LE(QStringLiteral(u".LOG\r\nメモ\r\nSTAMP\r\n"));
        QTest::newRow("UTF-16 LE, mark only")
            << std::optional<QByteArray>(Utf16LE(QString())) << Utf16LE(QStringLiteral(".LOG\r\nSTAMP\r\n"));
        QTest::newRow("ANSI (windows-1252 for en_US) kept")
            << std::optional<QByteArray>("caf\xE9\r\n") << QByteArray(".LOG\r\ncaf\xE9\r\n" + Stamp);
    }
    void marker_rules()
    {
        QFETCH(std::optional<QByteArray>, before);
        QFETCH(QByteArray, after);
        if (before)
            Put(*before);
        PrepareMemo(MemoPath(), QStringLiteral("STAMP"));
        QCOMPARE(Bytes(), after);
        const QStringList Left = QDir(Root->path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(Left, QStringList{QStringLiteral("MyMemo.txt")}); // no temporary file left
    }

    void a_memo_that_cannot_be_read_or_written_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no data folder") << QStringLiteral("gone/MyMemo.txt") << QByteArray();
        QTest::newRow("the data folder is a file") << QStringLiteral("file/MyMemo.txt") << QByteArray();
        QTest::newRow("the memo is a folder") << QStringLiteral("MyMemo.txt/") << QByteArray();
        QTest::newRow("UTF-16 with an odd byte count") << QStringLiteral("MyMemo.txt") << QByteArray("\xFF\xFE.\0L", 5);
    }
    void a_memo_that_cannot_be_read_or_written()
    {
        QFETCH(QString, relative);
        QFETCH(QByteArray, content);
        QFile Blocker(Root->path() + QStringLiteral("/file"));
        QVERIFY(Blocker.open(QIODevice::WriteOnly));
        Blocker.close();
        if (relative.endsWith(u'/'))
            QVERIFY(QDir(Root->path()).mkdir(relative));
        else if (!content.isEmpty())
            Put(content);
        const QString Path = Root->path() + u'/' + (relative.endsWith(u'/') ? relative.chopped(1) : relative);
        TFakeShell Shell;
        TFakeMessageBoxes Boxes;
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Root->path() + "/Pendulor");
        QVERIFY_THROWS_EXCEPTION(EPendulorError, OpenMemo(Gateway, QFileInfo(Path).path(), 46000.5, TFormatSettings()));
        QVERIFY(Shell.Calls.isEmpty()); // no editor
        QVERIFY(Boxes.Shown.isEmpty());
        if (!content.isEmpty())
            QCOMPARE(Bytes(), content);
    }

    void the_memo_is_handed_to_the_text_editor()
    {
        TFakeShell Shell;
        TFakeMessageBoxes Boxes;
        const TShellOpen Gateway(Shell, TMessageDialogs(Boxes, QStringLiteral("Pendulor")), Root->path() + "/Pendulor");
        const TDateTime At = double(QDate(2026, 1, 15).toJulianDay() - QDate(1899, 12, 30).toJulianDay()) + (21 * 60 + 5) / 1440.0;
        OpenMemo(Gateway, Root->path(), At, TFormatSettings());
        QCOMPARE(Bytes(), QByteArray(".LOG\r\n9:05 pm 1/15/26\r\n"));
        QCOMPARE(Shell.Calls.size(), 1);
        QCOMPARE(Shell.Calls.first().Operation, QStringLiteral("OpenUrl"));
        QCOMPARE(Shell.Calls.first().Target, QUrl::fromLocalFile(MemoPath()).toString(QUrl::FullyEncoded));
        QVERIFY(Boxes.Shown.isEmpty());
    }
};

QTEST_MAIN(TestMemoFile)
#include "TestMemoFile.moc"
