// The About box's text from plain facts: no widget is made here.
#include "common/BuildInfo.h"
#include "datetime/ProcessLocale.h"
#include "dialogs/AboutText.h"
#include "dialogs/TAboutBox.h"
#include "tests/widgets/doubles/TSettableNow.h"

#include <QDate>
#include <QTest>

namespace {

TDateTime At(int Year, int Month, int Day, int Hour, int Minute, int Second = 0)
{
    const double Days = double(QDate(Year, Month, Day).toJulianDay() - QDate(1899, 12, 30).toJulianDay());
    return Days + ((Hour * 60 + Minute) * 60 + Second) / 86400.0;
}

} // namespace

class TestAboutText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Instants given in UTC; the PC's zone offset is the table's too, so the
    // local "now" differs per row while Ukraine's time must not.
    void ukraine_text_data()
    {
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<QString>("expected");
        const QString Summer = QStringLiteral(", Ukraine Standard Time (in Daylight Saving Time)");
        const QString Standard = QStringLiteral(", Ukraine Standard Time");
        QTest::newRow("29 Mar 01:30 UTC: summer has begun")
            << At(2026, 3, 29, 1, 30) << 0
            << QStringLiteral(u"Peace for Ukraine\r\n29 березень 2026 неділя 04:30") + Summer;
        QTest::newRow("29 Mar 00:30 UTC: not yet")
            << At(2026, 3, 29, 0, 30) << 0
            << QStringLiteral(u"Peace For Ukraine\r\n29 березень 2026 неділя 02:30") + Standard;
        QTest::newRow("29 Mar 01:00 UTC: the start itself is still winter")
            << At(2026, 3, 29, 1, 0) << 0
            << QStringLiteral(u"Peace For Ukraine\r\n29 березень 2026 неділя 03:00") + Standard;
        QTest::newRow("25 Oct 01:30 UTC: still summer")
            << At(2026, 10, 25, 1, 30) << 0
            << QStringLiteral(u"Peace for Ukraine\r\n25 жовтень 2026 неділя 04:30") + Summer;
        QTest::newRow("25 Oct 02:30 UTC: winter again")
            << At(2026, 10, 25, 2, 30) << 0
            << QStringLiteral(u"Peace For Ukraine\r\n25 жовтень 2026 неділя 04:30") + Standard;
        QTest::newRow("25 Oct 02:00 UTC: the end itself is winter")
            << At(2026, 10, 25, 2, 0) << 0
            << QStringLiteral(u"Peace For Ukraine\r\n25 жовтень 2026 неділя 04:00") + Standard;
        QTest::newRow("Tokyo PC, 29 Mar 01:30 UTC")
            << At(2026, 3, 29, 1, 30) << 9 * 3600
            << QStringLiteral(u"Peace for Ukraine\r\n29 березень 2026 неділя 04:30") + Summer;
        QTest::newRow("Honolulu PC across the new year: UTC+2 is already in 2027 (CLDR spells the weekday with U+02BC)")
            << At(2026, 12, 31, 23, 30) << -10 * 3600
            << QStringLiteral(u"Peace For Ukraine\r\n1 січень 2027 пʼятниця 01:30") + Standard;
        QTest::newRow("2027's last Sunday of March is the 28th")
            << At(2027, 3, 28, 1, 30) << 0
            << QStringLiteral(u"Peace for Ukraine\r\n28 березень 2027 неділя 04:30") + Summer;
    }
    void ukraine_text()
    {
        QFETCH(TDateTime, utc);
        QFETCH(int, offsetSeconds);
        QFETCH(QString, expected);
        const TDateTime Local = utc + offsetSeconds / 86400.0;
        QCOMPARE(GetUkraineTimeText(Local, offsetSeconds, TFormatSettings::Create(1058)), expected);
    }

    // A PC in Kyiv: 03:30 comes twice on 25 October 2026, first at 00:30 UTC
    // (summer time, +3), then at 01:30 UTC (+2). The box reads the offset
    // of the moment itself, so the two readings give Ukraine's two times.
    void ukraine_text_in_the_repeated_hour_data()
    {
        QTest::addColumn<TDateTime>("utc");
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<QString>("expected");
        const QString Summer = QStringLiteral(", Ukraine Standard Time (in Daylight Saving Time)");
        QTest::newRow("first 03:30") << At(2026, 10, 25, 0, 30) << 3 * 3600
                                     << QStringLiteral(u"Peace for Ukraine\r\n25 жовтень 2026 неділя 03:30") + Summer;
        QTest::newRow("second 03:30") << At(2026, 10, 25, 1, 30) << 2 * 3600
                                      << QStringLiteral(u"Peace for Ukraine\r\n25 жовтень 2026 неділя 04:30") + Summer;
    }
    void ukraine_text_in_the_repeated_hour()
    {
        QFETCH(TDateTime, utc);
        QFETCH(int, offsetSeconds);
        QFETCH(QString, expected);
        TSettableNow Now;
        Now.SetUtc(UnixTime::FromDateTime(utc), offsetSeconds);
        QCOMPARE(Now.Now(), At(2026, 10, 25, 3, 30));
        const TAboutFacts Facts = CurrentAboutFacts(At(2026, 10, 25, 3, 0), 1033, Now);
        QCOMPARE(Facts.UkraineText, expected);
    }

    void elapsed_text_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("30 s") << 30.0 << QStringLiteral("0h0m30s");
        QTest::newRow("12 min 3 s") << 12 * 60 + 3.0 << QStringLiteral("0h12m3s");
        QTest::newRow("25 h") << 25 * 3600.0 << QStringLiteral("1d1h0m0s");
        QTest::newRow("2d3h4m5s") << ((2 * 24 + 3) * 60 + 4) * 60 + 5.0 << QStringLiteral("2d3h4m5s");
        QTest::newRow("just under a day") << 86399.0 << QStringLiteral("23h59m59s");
        QTest::newRow("a clock set back: the time to the start") << -30.0 << QStringLiteral("0h0m30s");
        QTest::newRow("set back by a day and more") << -(25 * 3600.0 + 61) << QStringLiteral("1d1h1m1s");
    }
    void elapsed_text()
    {
        QFETCH(double, seconds);
        QFETCH(QString, expected);
        // A start late in a day, so that whole days are not counted from midnight.
        const TDateTime Start = At(2026, 5, 17, 22, 47, 13) + 0.123 / 86400;
        QCOMPARE(GetElapsedText(Start, Start + seconds / 86400.0, TFormatSettings()), expected);
    }

    void scale_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("scale");
        QTest::newRow("96") << 96 << 100;
        QTest::newRow("120") << 120 << 125;
        QTest::newRow("144") << 144 << 150;
        QTest::newRow("192") << 192 << 200;
        QTest::newRow("100: 104.66 is cut") << 100 << 104;
    }
    void scale()
    {
        QFETCH(int, dpi);
        QFETCH(int, scale);
        QCOMPARE(ScalePercent(dpi), scale);
    }

    void file_version_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("expected");
        QTest::newRow("four parts") << QStringLiteral("1.2.9508.14602") << QStringLiteral("1.2.9508.14602");
        QTest::newRow("leading zeros go") << QStringLiteral("01.2.0.007") << QStringLiteral("1.2.0.7");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("three parts is none") << QStringLiteral("1.2.0") << QString();
        QTest::newRow("beyond 16 bits is none") << QStringLiteral("1.2.65536.0") << QString();
        QTest::newRow("not a number") << QStringLiteral("1.2.x.0") << QString();
    }
    void file_version()
    {
        QFETCH(QString, version);
        QFETCH(QString, expected);
        QCOMPARE(GetFileVersionText(version), expected);
    }

    void argument_line_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << QStringList() << false << QString();
        QTest::newRow("a path") << QStringList{QStringLiteral("/home/u/Clocks/Tokyo.dat")} << true
                                << QStringLiteral("Tokyo.dat");
        QTest::newRow("only the first counts")
            << QStringList{QStringLiteral("a/Tokyo.dat"), QStringLiteral("b/Paris.dat")} << true << QStringLiteral("Tokyo.dat");
        QTest::newRow("a bare name") << QStringList{QStringLiteral("Tokyo.dat")} << true << QStringLiteral("Tokyo.dat");
        QTest::newRow("a folder: empty line") << QStringList{QStringLiteral("/tmp/")} << true << QString();
    }
    void argument_line()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, present);
        QFETCH(QString, line);
        QString Got;
        QCOMPARE(ArgumentLine(arguments, Got), present);
        QCOMPARE(Got, line);
    }

    void whole_text_line_by_line()
    {
        TAboutFacts Facts;
        Facts.FileVersion = QStringLiteral("1.2.9508.14602");
        Facts.ExecutablePath = QStringLiteral("/opt/p/Pendulor");
        Facts.ScreenSize = QSize(1920, 1080);
        Facts.Dpi = 144;
        Facts.LocaleName = QStringLiteral("ja-JP");
        Facts.LocaleId = 1041;
        Facts.ElapsedText = QStringLiteral("0h0m30s");
        Facts.Arguments = {QStringLiteral("/home/u/Tokyo.dat")};
        Facts.UkraineText = QStringLiteral("Peace For Ukraine\r\nX");
        const QStringList Lines = AboutText(Facts).split(QStringLiteral("\r\n"));
        const QStringList Expected{
            QStringLiteral(u"ペンデュロル V1.2 (1.2.9508.14602) Release Build"),
            QStringLiteral("/opt/p/Pendulor"),
            QStringLiteral("CurrentScreen 1920 x 1080 / 144dpi x 150%"),
            QStringLiteral("CurrentLocale ja-JP 1041"),
            QStringLiteral("Elapsed 0h0m30s"),
            QStringLiteral("Tokyo.dat"),
            QString(),
            AppCopyright,
            AppMailAddress,
            HomeSiteUrl(),
            QStringLiteral("made in Japan"),
            QString(),
            QStringLiteral("Peace For Ukraine"),
            QStringLiteral("X"),
            QString(), // every line ends with CR LF
        };
        QCOMPARE(Lines, Expected);
        QVERIFY(!AppCopyright.isEmpty() && !AppMailAddress.isEmpty() && !HomeSiteUrl().isEmpty());
    }

    void no_version_no_locale_no_argument()
    {
        TAboutFacts Facts;
        Facts.ScreenSize = QSize(800, 600);
        Facts.LocaleId = 1033;
        const QStringList Lines = AboutText(Facts).split(QStringLiteral("\r\n"));
        QCOMPARE(Lines.at(0), QStringLiteral(u"ペンデュロル V1.2 () Release Build"));
        QCOMPARE(Lines.at(2), QStringLiteral("CurrentScreen 800 x 600 / 96dpi x 100%"));
        QCOMPARE(Lines.at(3), QStringLiteral("CurrentLocale  1033"));
        QCOMPARE(Lines.at(5), QString()); // the empty line follows "Elapsed" at once
        QCOMPARE(Lines.at(6), AppCopyright);
    }
};

QTEST_GUILESS_MAIN(TestAboutText)
#include "TestAboutText.moc"
