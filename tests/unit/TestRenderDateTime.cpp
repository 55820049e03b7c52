#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"
#include "platform/locale/TIcuLocaleDatabase.h"
#include "unit/doubles/TFakeLocaleDatabase.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// Independent of the code under test: QDate counts the days.
TDateTime MomentOf(int Y, int M, int D, int H = 0, int N = 0, int S = 0, int Ms = 0)
{
    const qint64 days = QDate(1899, 12, 30).daysTo(QDate(Y, M, D));
    return double(days) + double(((H * 60 + N) * 60 + S) * 1000 + Ms) / 86400000.0;
}

const TDateTime Reference = MomentOf(2026, 1, 5, 13, 7, 9, 45); // a Monday

TFormatSettings ReferenceSettings()
{
    TFormatSettings fs; // English names
    fs.DateSeparator = u'/';
    fs.TimeSeparator = u':';
    fs.TimeAMString = QStringLiteral("AM");
    fs.TimePMString = QStringLiteral("PM");
    fs.ShortDateFormat = QStringLiteral("m/d/yyyy");
    fs.LongDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    fs.ShortTimeFormat = QStringLiteral("h:nn AMPM");
    fs.LongTimeFormat = QStringLiteral("h:nn:ss AMPM");
    return fs;
}

} // namespace

class TestRenderDateTime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void formatLanguage_data();
    void formatLanguage();

    void settingsFields_data();
    void settingsFields();

    void millisecondRounding_data();
    void millisecondRounding();

    void calendarMatchesQDate();

    void undecodableMoments_data();
    void undecodableMoments();

    void eraTokens_data();
    void eraTokens();
    void eraUsesThreadLocaleAtRenderTime();
    void eraOutsideItsYearsAsksNothing();
    void eraTokensWithIcuDatabase();

    void bufferIsReusedAndCleared();
    void formatAliasingTheBuffer();
    void hostileFormatsDoNotCrash_data();
    void hostileFormatsDoNotCrash();

private:
    TFakeLocaleDatabase Fake_;
};

void TestRenderDateTime::initTestCase()
{
    Fake_.InstallEnglish(1033);
    Fake_.SetThreadLocale(1033);
    ProcessLocale::Init(Fake_);
}

void TestRenderDateTime::formatLanguage_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("moment");
    QTest::addColumn<QString>("expected");

    const TDateTime early = MomentOf(2026, 1, 5, 0, 5);
    const TDateTime midnight = MomentOf(2026, 1, 5);
    const auto row = [](const char* name, const QString& f, double m, const QString& e) {
        QTest::newRow(name) << f << m << e;
    };

    // The reference table.
    row("yyyy/mm/dd", "yyyy/mm/dd", Reference, "2026/01/05");
    row("yy/m/d", "yy/m/d", Reference, "26/1/5");
    row("y", "y", Reference, "26");
    row("yyy", "yyy", Reference, "2026");
    row("mmm d yyyy", "mmm d yyyy", Reference, "Jan 5 2026");
    row("ddd, mmm d yyyy", "ddd, mmm d yyyy", Reference, "Mon, Jan 5 2026");
    row("m/d(aaa)", "m/d(aaa)", Reference, "1/5(Mon)");
    row("m/d aaaa", "m/d aaaa", Reference, "1/5 Monday");
    row("hh:mm", "hh:mm", Reference, "13:07");
    row("mm/dd hh:mm", "mm/dd hh:mm", Reference, "01/05 13:07");
    row("hh:nn:ss mm", "hh:nn:ss mm", Reference, "13:07:09 01");
    row("h:nn am/pm", "h:nn am/pm", Reference, "1:07 pm");
    row("AM/PM h:nn", "AM/PM h:nn", Reference, "PM 1:07");
    row("A/P h", "A/P h", Reference, "P 1");
    row("ampm h:nn", "ampm h:nn", Reference, "PM 1:07");
    row("h:nn 'am/pm'", "h:nn 'am/pm'", Reference, "13:07 am/pm");
    row("h:nn AM/PM at 00:05", "h:nn AM/PM", early, "12:05 AM");
    row("hh:nn at 00:05", "hh:nn", early, "00:05");
    row("z", "z", Reference, "45");
    row("zz", "zz", Reference, "45");
    row("zzz", "zzz", Reference, "045");
    row("ddddd", "ddddd", Reference, "1/5/2026");
    row("dddddd", "dddddd", Reference, "Monday, January 5, 2026");
    row("t", "t", Reference, "1:07 PM");
    row("tt", "tt", Reference, "1:07:09 PM");
    row("c", "c", Reference, "1/5/2026 1:07:09 PM");
    row("c at midnight", "c", midnight, "1/5/2026");
    row("empty format", "", Reference, "1/5/2026 1:07:09 PM");
    row("empty format at midnight", "", midnight, "1/5/2026");
    row("kanji literals", u"hh時nn分"_qs, Reference, u"13時07分"_qs);
    row("quoted h", "'h'h", Reference, "h13");
    row("unclosed quote", "hh 'x", Reference, "13 x");
    row("non-token letters", "w.q", Reference, "w.q");

    // Minute or month: the last letter decides.
    row("m after h with a letter between", "h x m", Reference, "13 x 1");
    row("m after h with digits between", "h 1 m", Reference, "13 1 7");
    row("m after h with quoted text between", "h'x'm", Reference, "13x7");
    row("M after H in capitals", "H:M", Reference, "13:7");

    // Runs are case-sensitive.
    row("hH is two hours", "hH", Reference, "1313");
    row("Yyyy is a two-digit and a four-digit year", "Yyyy", Reference, "262026");
    row("mmmmm is the long month name", "mmmmm", Reference, "January");
    row("ddddddd is the long date", "ddddddd", Reference, "Monday, January 5, 2026");
    row("zzzz", "zzzz", Reference, "045");
    row("cc renders once", "cc", Reference, "1/5/2026 1:07:09 PM");
    row("year 12345 is never cut", "yyyy", MomentOf(12345, 6, 1), "12345");
    row("yyyyy pads to four", "yyyyy", MomentOf(987, 6, 1), "0987");

    // Markers.
    row("five a's", "aaaaa", Reference, "Mondaya");
    row("two a's", "aa", Reference, "aa");
    row("mixed-case AM/PM keeps the written case", "Am/pM h", Reference, "pM 1");
    row("a/p before noon", "a/p h", early, "a 12");
    row("lone a after the minutes keeps 24 hours", "h:nn a", Reference, "13:07 a");
    row("marker in double quotes", "h:nn \"AMPM\"", Reference, "13:07 AMPM");
    row("only the second hour sees the marker", "h h AM/PM", Reference, "13 1 PM");
    row("marker before the hour", "AMPM hh", Reference, "PM 01");
    row("aaaa does not set the clock", "aaaa h", Reference, "Monday 13");
    row("12-hour noon", "h AMPM", MomentOf(2026, 1, 5, 12, 0), "12 PM");

    // Quotes.
    row("apostrophe inside quotation marks", "\"it's\"", Reference, "it's");
    row("two apostrophes are empty", "''yy", Reference, "26");
    row("quotation mark inside apostrophes", "'say \"y\"'", Reference, "say \"y\"");

    // Characters that are not tokens.
    row("surrogate pair is copied whole and resets L", u"h😀m"_qs, Reference, u"13😀1"_qs);
    row("lone high surrogate", QString(QChar(0xD800)) + "m", Reference, QString(QChar(0xD800)) + "1");
    row("lone low surrogate", QString(QChar(0xDC00)) + "d", Reference, QString(QChar(0xDC00)) + "5");
    row("NUL character in the format", QString("d") + QChar(0) + "m", Reference, QString("5") + QChar(0) + "1");
}

void TestRenderDateTime::formatLanguage()
{
    QFETCH(QString, format);
    QFETCH(double, moment);
    QFETCH(QString, expected);
    QCOMPARE(RenderDateTime(format, moment, ReferenceSettings()), expected);
}

void TestRenderDateTime::settingsFields_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("shortTime");
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QString>("expected");

    const QString sd = QStringLiteral("m/d/yyyy");
    const QString st = QStringLiteral("h:nn AMPM");
    QTest::newRow("full stop separator") << "yyyy/mm/dd" << sd << st << QChar(u'.') << "2026.01.05";
    QTest::newRow("NUL separator") << "yyyy/mm/dd" << sd << st << QChar(0) << "20260105";
    QTest::newRow("expanded separator") << "ddddd" << sd << st << QChar(u'-') << "1-5-2026";
    // At the second level the expanding tokens render nothing.
    QTest::newRow("no third level") << "ddddd" << "m/d c t ddddd dddddd|" << st << QChar(u'/') << "1/5    |";
    QTest::newRow("c inside the short date") << "c" << "d c" << st << QChar(u'/') << "5  1:07:09 PM";
    // The twelve-hour flag and the last letter stay inside their string.
    QTest::newRow("flag does not enter") << "AM/PM t" << sd << "h" << QChar(u'/') << "PM 13";
    QTest::newRow("flag does not leave") << "t h" << sd << "AM/PM" << QChar(u'/') << "PM 13";
    QTest::newRow("last letter does not enter") << "h t" << sd << "m" << QChar(u'/') << "13 1";
    QTest::newRow("empty short date") << "ddddd|" << "" << st << QChar(u'/') << "|";
}

void TestRenderDateTime::settingsFields()
{
    QFETCH(QString, format);
    QFETCH(QString, shortDate);
    QFETCH(QString, shortTime);
    QFETCH(QChar, dateSeparator);
    QFETCH(QString, expected);
    TFormatSettings fs = ReferenceSettings();
    fs.ShortDateFormat = shortDate;
    fs.ShortTimeFormat = shortTime;
    fs.DateSeparator = dateSeparator;
    QCOMPARE(RenderDateTime(format, Reference, fs), expected);
}

void TestRenderDateTime::millisecondRounding_data()
{
    QTest::addColumn<double>("moment");
    QTest::addColumn<QString>("expected");

    // 2^-11 days is exactly 42187.5 ms: ties go to the even neighbour.
    const double tie = std::ldexp(1.0, -11);
    QTest::newRow("tie rounds up to even") << tie << "1899-12-30 00:00:42.188";
    QTest::newRow("tie rounds down to even") << 3 * tie << "1899-12-30 00:02:06.562";
    QTest::newRow("negative tie, time of day is absolute") << -3 * tie << "1899-12-30 00:02:06.562";
    QTest::newRow("last half millisecond is the next day")
        << MomentOf(2026, 1, 5, 23, 59, 59) + 0.9996 / 86400.0 << "2026-01-06 00:00:00.000";
    QTest::newRow("negative moment: day truncated, fraction absolute") << -1.25 << "1899-12-29 06:00:00.000";
    QTest::newRow("small negative fraction stays on day 0") << -0.25 << "1899-12-30 06:00:00.000";
    QTest::newRow("year 1") << MomentOf(1, 1, 1) << "0001-01-01 00:00:00.000";
    QTest::newRow("year 9999 last millisecond")
        << MomentOf(9999, 12, 31, 23, 59, 59, 999) << "9999-12-31 23:59:59.999";
    // Astronomical years before year 1; QDate has no year 0.
    QTest::newRow("year 0") << MomentOf(-1, 3, 1) << "0000-03-01 00:00:00.000";
    QTest::newRow("year -1") << MomentOf(-2, 12, 31) << "-0001-12-31 00:00:00.000";
}

void TestRenderDateTime::millisecondRounding()
{
    QFETCH(double, moment);
    QFETCH(QString, expected);
    QCOMPARE(RenderDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", moment, ReferenceSettings()), expected);
}

void TestRenderDateTime::calendarMatchesQDate()
{
    // Year, month, day and weekday over 2,500 years either side of the epoch,
    // leap centuries included; QDate has no year 0, hence the shift.
    const TFormatSettings fs = ReferenceSettings();
    const QDate epoch(1899, 12, 30);
    QString out;
    for (qint64 day = -1'200'000; day <= 1'200'000; day += 997) {
        const QDate d = epoch.addDays(day);
        const int astronomical = d.year() < 0 ? d.year() + 1 : d.year();
        RenderDateTime(out, u"yyy|m|d|dddd", double(day), fs);
        const QStringList parts = out.split(u'|');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0].toInt(), astronomical);
        QCOMPARE(parts[1].toInt(), d.month());
        QCOMPARE(parts[2].toInt(), d.day());
        QCOMPARE(parts[3], fs.LongDayNames[size_t(d.dayOfWeek() % 7)]);
    }
    QCOMPARE(RenderDateTime(u"yyyy-mm-dd dddd", MomentOf(2000, 2, 29), fs), QStringLiteral("2000-02-29 Tuesday"));
    QCOMPARE(RenderDateTime(u"yyyy-mm-dd", MomentOf(1900, 2, 28) + 1, fs), QStringLiteral("1900-03-01"));
    QCOMPARE(RenderDateTime(u"dddd", 0.0, fs), QStringLiteral("Saturday"));
    QCOMPARE(RenderDateTime(u"dddd", -1.0, fs), QStringLiteral("Friday"));
}

void TestRenderDateTime::undecodableMoments_data()
{
    QTest::addColumn<double>("moment");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+Inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-Inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("+1e300") << 1e300;
    QTest::newRow("-1e300") << -1e300;
    QTest::newRow("beyond 64-bit milliseconds") << 1.1e14;
}

void TestRenderDateTime::undecodableMoments()
{
    QFETCH(double, moment);
    const int calls = Fake_.EraCalls();
    const TFormatSettings fs = ReferenceSettings();
    QCOMPARE(RenderDateTime(u"yyyy/mm/dd yy hh:nn:ss.zzz [mmm|mmmm|ddd|dddd|aaaa|gg|e]", moment, fs),
             QStringLiteral("0000/00/00 00 00:00:00.000 [||||||]"));
    QCOMPARE(RenderDateTime(u"h AM/PM", moment, fs), QStringLiteral("0 AM"));
    QCOMPARE(RenderDateTime(u"", moment, fs), QStringLiteral("0/0/0000"));
    QCOMPARE(Fake_.EraCalls(), calls);
}

void TestRenderDateTime::eraTokens_data()
{
    QTest::addColumn<uint>("processLocale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("moment");
    QTest::addColumn<QString>("expected");

    const TDateTime showa = MomentOf(1989, 1, 7);
    QTest::newRow("Japanese gge") << 1041u << u"gge年m月d日"_qs << Reference << u"令和8年1月5日"_qs;
    QTest::newRow("Japanese ge") << 1041u << u"ge年m月d日"_qs << Reference << u"令8年1月5日"_qs;
    QTest::newRow("Japanese ggee") << 1041u << u"ggee"_qs << Reference << u"令和08"_qs;
    QTest::newRow("Japanese ggeee") << 1041u << u"ggeee"_qs << Reference << u"令和8"_qs;
    QTest::newRow("Showa 64") << 1041u << u"gge年"_qs << showa << u"昭和64年"_qs;
    QTest::newRow("English era is not shortened") << 1033u << u"g|gg"_qs << Reference << u"A.D.|A.D."_qs;
    QTest::newRow("Traditional Chinese four-character era")
        << 1028u << u"g|gg|e"_qs << Reference << u"民國|中華民國|115"_qs;
    QTest::newRow("Simplified Chinese keeps the four characters")
        << 2052u << u"g"_qs << Reference << u"公元纪年"_qs;
    QTest::newRow("failed call renders nothing") << 1041u << u"[g|gg|e|ee|eee]"_qs << MomentOf(2026, 1, 6)
                                                 << u"[||||]"_qs;
}

void TestRenderDateTime::eraTokens()
{
    QFETCH(uint, processLocale);
    QFETCH(QString, format);
    QFETCH(double, moment);
    QFETCH(QString, expected);

    TFakeLocaleDatabase db;
    db.InstallEnglish(processLocale);
    db.SetThreadLocale(processLocale);
    db.SetEra(1041, 2026, 1, 5, "gg", u"令和"_qs);
    db.SetEra(1041, 2026, 1, 5, "yy", "08");
    db.SetEra(1041, 2026, 1, 5, "yyyy", "8");
    db.SetEra(1041, 1989, 1, 7, "gg", u"昭和"_qs);
    db.SetEra(1041, 1989, 1, 7, "yy", "64");
    db.SetEra(1033, 2026, 1, 5, "gg", "A.D.");
    db.SetEra(1028, 2026, 1, 5, "gg", u"中華民國"_qs);
    db.SetEra(1028, 2026, 1, 5, "yy", "115");
    db.SetEra(2052, 2026, 1, 5, "gg", u"公元纪年"_qs);
    ProcessLocale::Init(db);
    const QString out = RenderDateTime(format, moment, ReferenceSettings());
    ProcessLocale::Init(Fake_);
    QCOMPARE(out, expected);
}

void TestRenderDateTime::eraUsesThreadLocaleAtRenderTime()
{
    // The process language (Japanese) is noted once; the thread locale is
    // asked at each rendering.
    TFakeLocaleDatabase db;
    db.InstallEnglish(1041);
    db.SetThreadLocale(1041);
    db.SetEra(1041, 2026, 1, 5, "gg", u"令和"_qs);
    db.SetEra(1033, 2026, 1, 5, "gg", "A.D.");
    ProcessLocale::Init(db);
    const QString before = RenderDateTime(u"g gg", Reference, ReferenceSettings());
    db.SetThreadLocale(1033);
    const QString after = RenderDateTime(u"g gg", Reference, ReferenceSettings());
    ProcessLocale::Init(Fake_);
    QCOMPARE(before, u"令 令和"_qs);
    QCOMPARE(after, QStringLiteral("A A.D."));
}

void TestRenderDateTime::eraOutsideItsYearsAsksNothing()
{
    const int calls = Fake_.EraCalls();
    QCOMPARE(RenderDateTime(u"[gg e]", MomentOf(10000, 1, 1), ReferenceSettings()), QStringLiteral("[ ]"));
    QCOMPARE(RenderDateTime(u"[gg e]", MomentOf(-5, 1, 1), ReferenceSettings()), QStringLiteral("[ ]"));
    QCOMPARE(Fake_.EraCalls(), calls);
    RenderDateTime(u"gg", MomentOf(9999, 12, 31), ReferenceSettings());
    QCOMPARE(Fake_.EraCalls(), calls + 1);
}

void TestRenderDateTime::eraTokensWithIcuDatabase()
{
    TIcuLocaleDatabase icu(1041);
    ProcessLocale::Init(icu);
    const TFormatSettings fs = ReferenceSettings();
    const QString reiwa = RenderDateTime(u"gge年m月d日|ge|ggee", Reference, fs);
    const QString showa = RenderDateTime(u"gge年", MomentOf(1989, 1, 7), fs);
    icu.SetThreadLocale(1033);
    const QString gregorian = RenderDateTime(u"gg", Reference, fs);
    ProcessLocale::Init(Fake_);
    QCOMPARE(reiwa, u"令和8年1月5日|令8|令和08"_qs);
    QCOMPARE(showa, u"昭和64年"_qs);
    QVERIFY2(!gregorian.isEmpty() && gregorian != u"令和"_qs, qPrintable(gregorian));
}

void TestRenderDateTime::bufferIsReusedAndCleared()
{
    const TFormatSettings fs = ReferenceSettings();
    QString buffer = QStringLiteral("left over from before, longer than the result");
    RenderDateTime(buffer, u"hh:nn", Reference, fs);
    QCOMPARE(buffer, QStringLiteral("13:07"));
    const QChar* data = buffer.constData();
    RenderDateTime(buffer, u"yyyy", Reference, fs);
    QCOMPARE(buffer, QStringLiteral("2026"));
    QCOMPARE(buffer.constData(), data); // no new allocation once grown

    // A shared buffer is detached, not written through.
    const QString shared = buffer;
    RenderDateTime(buffer, u"dd", Reference, fs);
    QCOMPARE(shared, QStringLiteral("2026"));
    QCOMPARE(buffer, QStringLiteral("05"));

    // Growth keeps what was written before.
    RenderDateTime(buffer, QString(300, u'x') + u"|dddddd"_qs, Reference, fs);
    QCOMPARE(buffer, QString(300, u'x') + u"|Monday, January 5, 2026"_qs);
}

void TestRenderDateTime::formatAliasingTheBuffer()
{
    TFormatSettings fs = ReferenceSettings();
    QString buffer = QStringLiteral("yyyy/mm/dd hh:nn");
    RenderDateTime(buffer, buffer, Reference, fs);
    QCOMPARE(buffer, QStringLiteral("2026/01/05 13:07"));

    buffer = QStringLiteral("xx mmmm yyyy");
    RenderDateTime(buffer, QStringView(buffer).sliced(3), Reference, fs);
    QCOMPARE(buffer, QStringLiteral("January 2026"));

    // The output is one of the strings the expansion reads.
    RenderDateTime(fs.LongDateFormat, u"dddddd!", Reference, fs);
    QCOMPARE(fs.LongDateFormat, QStringLiteral("Monday, January 5, 2026!"));
}

void TestRenderDateTime::hostileFormatsDoNotCrash_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("expectedLength"); // -1: any

    QTest::newRow("100,000 letters") << QString(100'000, u'x') << 100'000;
    QTest::newRow("1,000 d's") << QString(1000, u'd') << 23;
    QTest::newRow("50,000 single hours") << QString(50'000, u'h').replace(u"hh"_qs, u"h "_qs) << -1;
    QTest::newRow("alternating h and a") << QString(20'000, u'h').replace(u"hh"_qs, u"ha"_qs) << -1;
    QTest::newRow("unclosed quote at the end") << QStringLiteral("'") << 0;
    QTest::newRow("marker cut short") << QStringLiteral("AM/P") << -1;
    QTest::newRow("lone surrogates") << QString(10, QChar(0xDBFF)) << 10;
    QTest::newRow("NULs") << QString(10, QChar(0)) << 10;
}

void TestRenderDateTime::hostileFormatsDoNotCrash()
{
    QFETCH(QString, format);
    QFETCH(int, expectedLength);
    // Far past, far future, the edge of 64-bit milliseconds, undecodable.
    for (const double m : {-700000.75, 2.9e6, 1.06e11, -1.06e11, -1e300, std::numeric_limits<double>::quiet_NaN()})
        RenderDateTime(format, m, ReferenceSettings());
    if (expectedLength >= 0)
        QCOMPARE(RenderDateTime(format, Reference, ReferenceSettings()).size(), qsizetype(expectedLength));
}

QTEST_APPLESS_MAIN(TestRenderDateTime)
#include "TestRenderDateTime.moc"
