#include "shell/ClimbSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

// A folder tree <tmp>/a/b/c with the search starting in c.
class TestClimbSearch : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Root;
    QStringList Reports;

    QString Folder(const QString& Relative) const
    {
        return Relative.isEmpty() ? Root.path() : Root.path() + QLatin1Char('/') + Relative;
    }
    void PutFile(const QString& Relative, const QString& Name)
    {
        QFile F(Folder(Relative) + QLatin1Char('/') + Name);
        QVERIFY(F.open(QIODevice::WriteOnly));
    }
    QString Search(const QString& Start)
    {
        return ClimbSearch1(Start, [this](const QString& Text) { Reports.append(Text); });
    }
    // A name that exists in no folder above the temporary tree.
    static QString UniqueName()
    {
        return QStringLiteral("Help-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".html");
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(Root.isValid());
        QVERIFY(QDir(Root.path()).mkpath(QStringLiteral("a/b/c")));
        Reports.clear();
    }

    void finds_nearest_copy_data()
    {
        QTest::addColumn<QStringList>("placedIn");
        QTest::addColumn<QString>("expectedIn");
        QTest::newRow("in the starting folder") << QStringList{"a/b/c"} << "a/b/c";
        QTest::newRow("two folders above") << QStringList{"a"} << "a";
        QTest::newRow("top of the tree") << QStringList{""} << "";
        QTest::newRow("nearest wins") << QStringList{"a", "a/b"} << "a/b";
        QTest::newRow("start beats every folder above") << QStringList{"", "a/b/c"} << "a/b/c";
    }
    void finds_nearest_copy()
    {
        QFETCH(QStringList, placedIn);
        QFETCH(QString, expectedIn);
        const QString Name = UniqueName();
        for (const QString& Where : placedIn)
            PutFile(Where, Name);
        QCOMPARE(Search(Folder("a/b/c") + QLatin1Char('/') + Name), Folder(expectedIn) + QLatin1Char('/') + Name);
        QVERIFY(Reports.isEmpty());
    }

    void folder_of_that_name_is_not_the_file()
    {
        const QString Name = UniqueName();
        QVERIFY(QDir(Folder("a/b/c")).mkdir(Name));
        PutFile("a", Name);
        QCOMPARE(Search(Folder("a/b/c") + QLatin1Char('/') + Name), Folder("a") + QLatin1Char('/') + Name);
    }

    void nowhere_ends_in_root_with_one_report()
    {
        const QString Name = UniqueName();
        QCOMPARE(Search(Folder("a/b/c") + QLatin1Char('/') + Name), QLatin1Char('/') + Name);
        QCOMPARE(Reports, QStringList{QStringLiteral("HelpFile NotFound\r\n") + Name});
    }

    void start_in_root_tries_once()
    {
        const QString Name = UniqueName();
        QCOMPARE(Search(QLatin1Char('/') + Name), QLatin1Char('/') + Name);
        QCOMPARE(Reports, QStringList{QStringLiteral("HelpFile NotFound\r\n") + Name});
    }

    void directory_part_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("directory");
        QTest::newRow("nested") << "/usr/bin/Pendulor" << "/usr/bin";
        QTest::newRow("file in root") << "/Pendulor.html" << "/";
        QTest::newRow("root itself") << "/" << "";
        QTest::newRow("bare name") << "Pendulor.html" << "";
    }
    void directory_part()
    {
        QFETCH(QString, path);
        QFETCH(QString, directory);
        QCOMPARE(DirectoryPart(path), directory);
    }
};

QTEST_GUILESS_MAIN(TestClimbSearch)
#include "TestClimbSearch.moc"
