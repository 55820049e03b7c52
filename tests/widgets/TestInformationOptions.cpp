#include "app/AppConstants.h"
#include "app/InformationOptions.h"

#include <QTest>

// Which command lines print and exit, and what they print.
class TestInformationOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answered_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine"); // empty: the program starts
        const QString Version = QStringLiteral("Pendulor ") + BuildVersion();
        const QString Usage = QStringLiteral("Usage: Pendulor [FILE.dat ...]");
        QTest::newRow("version") << QStringList{"/usr/bin/Pendulor", "--version"} << Version;
        QTest::newRow("short version") << QStringList{"Pendulor", "-v"} << Version;
        QTest::newRow("help") << QStringList{"/usr/bin/Pendulor", "--help"} << Usage;
        QTest::newRow("short help") << QStringList{"Pendulor", "-h"} << Usage;
        QTest::newRow("after a clock file") << QStringList{"Pendulor", "a.dat", "--help"} << Usage;
        QTest::newRow("first option wins") << QStringList{"Pendulor", "--version", "--help"} << Version;
        QTest::newRow("renamed executable") << QStringList{"/opt/x/Worldclock.bin", "--version"}
                                            << QStringLiteral("Worldclock ") + BuildVersion();
        QTest::newRow("no arguments") << QStringList{"Pendulor"} << QString();
        QTest::newRow("clock files") << QStringList{"Pendulor", "a.dat", "b.DAT"} << QString();
        QTest::newRow("file names after --") << QStringList{"Pendulor", "--", "--help", "-v"} << QString();
        QTest::newRow("a longer word is no option") << QStringList{"Pendulor", "--versions", "-help"} << QString();
    }
    void answered()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        const std::optional<TInformationAnswer> Answer = AnswerInformationOptions(arguments);
        QCOMPARE(Answer.has_value(), !firstLine.isEmpty());
        if (Answer) {
            QCOMPARE(Answer->Text.section(QLatin1Char('\n'), 0, 0), firstLine);
            QVERIFY(Answer->Text.endsWith(QLatin1Char('\n')));
        }
    }

    void help_names_the_options_and_the_data_folder()
    {
        const QString Text = AnswerInformationOptions({"Pendulor", "--help"})->Text;
        for (const char* Part : {"--help", "--version", ".dat", "~/.local/share/Quorvane/Pendulor/"})
            QVERIFY2(Text.contains(QLatin1String(Part)), Part);
    }
};

QTEST_APPLESS_MAIN(TestInformationOptions)
#include "TestInformationOptions.moc"
