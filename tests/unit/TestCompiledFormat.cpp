#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TCompiledFormat.h"
#include "datetime/TFormatSettings.h"
#include "unit/doubles/TFakeLocaleDatabase.h"

#include <QDate>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

TDateTime MomentOf(int Y, int M, int D, int H = 0, int N = 0, int S = 0, int Ms = 0)
{
    const qint64 days = QDate(1899, 12, 30).daysTo(QDate(Y, M, D));
    return double(days) + double(((H * 60 + N) * 60 + S) * 1000 + Ms) / 86400000.0;
}

TFormatSettings Settings()
{
    TFormatSettings fs;
    fs.TimeAMString = QStringLiteral("AM");
    fs.TimePMString = QStringLiteral("PM");
    fs.ShortDateFormat = QStringLiteral("m/d/yyyy");
    fs.LongDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    fs.ShortTimeFormat = QStringLiteral("h:nn AMPM");
    fs.LongTimeFormat = QStringLiteral("h:nn:ss AMPM");
    return fs;
}

} // namespace

// The compiled format against the one-off renderer (whose table of expected
// texts lives in TestRenderDateTime), over formats that exercise what the
// scanner settles once: runs, markers and the twelve-hour look, quotes,
// expansions, the c token's midnight, and text merged into the steps.
class TestCompiledFormat : public QObject {
    Q_OBJECT

private:
    TFakeLocaleDatabase Fake_;

private Q_SLOTS:
    void initTestCase()
    {
        Fake_.InstallEnglish(1033);
        Fake_.SetThreadLocale(1033);
        Fake_.SetEra(1033, 2026, 1, 5, "gg", u"Era"_s);
        Fake_.SetEra(1033, 2026, 1, 5, "yy", u"08"_s);
        ProcessLocale::Init(Fake_);
    }

    void rendersAsTheOneOff_data()
    {
        QTest::addColumn<QString>("format");
        const char* const formats[] = {
            "", "c", "yyyy/mm/dd hh:nn:ss", "dddd, mmmm d, yyyy", "h:nn:ss AMPM", "ddd, mmm d yyyy hh:nn:ss.zzz",
            "hh h AM/PM", "h 'a/p' h a/p", "h\"x'\"ampm", "aaaaa aa A/p am/pm", "ddddd|dddddd|t|tt", "c|c",
            "'c' x c y", "yy yyy yyyyy m mm mmm mmmm mmmmm", "z zz zzz zzzz", "ge年m月d日 gge|e|ee|eee",
            "h:m hxm", "'unclosed", "\"", "''", "x/y:z", "\U0001F30D h \xF0\x9F\x8C\x8D", "hHhH", "Mm mM",
            "\xEF\xBB\xBFh \xEF\xBB\xBF", "\xEF\xBF\xBEyyyy"}; // U+FEFF, U+FFFE: no byte-order marks here
        for (const char* f : formats)
            QTest::newRow(f) << QString::fromUtf8(f);
    }

    void rendersAsTheOneOff()
    {
        QFETCH(QString, format);
        const TFormatSettings fs = Settings();
        TCompiledFormat compiled(format, fs);
        QVERIFY(compiled.Compiled());
        QVERIFY(compiled.CompiledFrom(format));
        const double moments[] = {MomentOf(2026, 1, 5, 13, 7, 9, 45), MomentOf(2026, 1, 5),
                                  MomentOf(2026, 1, 5, 0, 0, 0, 1),   MomentOf(2026, 1, 6, 11, 59),
                                  MomentOf(1, 1, 1),                  -1.25,
                                  std::numeric_limits<double>::quiet_NaN(), MomentOf(2026, 1, 5, 23, 59, 59, 999)};
        QString buffer;
        for (const double m : moments) {
            compiled.Render(buffer, m);
            QCOMPARE(buffer, RenderDateTime(format, m, fs));
        }
    }

    void cOmitsTheTimeAtMidnightOnly()
    {
        TCompiledFormat compiled(u"[c]", Settings());
        QCOMPARE(compiled.Render(MomentOf(2026, 1, 5)), u"[1/5/2026]"_s);
        QCOMPARE(compiled.Render(MomentOf(2026, 1, 5, 0, 0, 0, 1)), u"[1/5/2026 12:00:00 AM]"_s);
        QCOMPARE(compiled.Render(MomentOf(2026, 1, 6)), u"[1/6/2026]"_s);
    }

    // A clock renders the same day over and over; the next day must show.
    void dateFollowsTheMomentAcrossMidnight()
    {
        TCompiledFormat compiled(u"dddd d mmmm yyyy hh:nn:ss.zzz", Settings());
        QString buffer;
        compiled.Render(buffer, MomentOf(2025, 12, 31, 23, 59, 59, 999));
        QCOMPARE(buffer, u"Wednesday 31 December 2025 23:59:59.999"_s);
        compiled.Render(buffer, MomentOf(2026, 1, 1));
        QCOMPARE(buffer, u"Thursday 1 January 2026 00:00:00.000"_s);
        compiled.Render(buffer, MomentOf(2025, 12, 31, 12));
        QCOMPARE(buffer, u"Wednesday 31 December 2025 12:00:00.000"_s);
    }

    // It keeps its own copies: what it was made from may change or go.
    void keepsItsOwnCopies()
    {
        QString format = u"mmmm t|"_s;
        TFormatSettings fs = Settings();
        TCompiledFormat compiled(format, fs);
        format = u"yyyy"_s;
        fs.LongMonthNames[0] = u"Changed"_s;
        fs.ShortTimeFormat = u"hh"_s;
        fs = TFormatSettings();
        const TCompiledFormat copy = compiled;
        compiled = TCompiledFormat();
        QCOMPARE(TCompiledFormat(copy).Render(MomentOf(2026, 1, 5, 13, 7)), u"January 1:07 PM|"_s);
        QVERIFY(!compiled.Compiled());
        QVERIFY(!compiled.CompiledFrom(QString()));
        QVERIFY(copy.CompiledFrom(u"mmmm t|"));
        QVERIFY(!copy.CompiledFrom(u"mmmm t"));
    }

    // Names of any length, counted exactly by the compiled format; a buffer
    // that is reused (no new allocation once it has grown) or shared with
    // another string (which keeps its text).
    void namesOfAnyLengthAndAReusedBuffer_data()
    {
        QTest::addColumn<int>("length");
        for (const int length : {1, 20, 167, 168, 400}) // the longest text from 6 to 605 characters
            QTest::addRow("%d", length) << length;
    }

    void namesOfAnyLengthAndAReusedBuffer()
    {
        QFETCH(int, length);
        TFormatSettings fs = Settings();
        fs.LongMonthNames[0] = QString(length, u'J');
        fs.LongDayNames[1] = QString(length / 2, u'M');
        TCompiledFormat compiled(u"dddd mmmm d", fs);
        const QString january = fs.LongDayNames[1] + u' ' + fs.LongMonthNames[0];
        QString buffer;
        compiled.Render(buffer, MomentOf(2026, 1, 5));
        QCOMPARE(buffer, january + u" 5"_s);
        const QChar* data = buffer.constData();
        compiled.Render(buffer, MomentOf(2026, 1, 5, 1)); // the same text
        QCOMPARE(buffer, january + u" 5"_s);
        compiled.Render(buffer, MomentOf(2026, 1, 6)); // another text, no longer
        QCOMPARE(buffer, u"Tuesday "_s + fs.LongMonthNames[0] + u" 6"_s);
        if (length >= 16)
            QCOMPARE(buffer.constData(), data);

        const QString shared = buffer;
        compiled.Render(buffer, MomentOf(2026, 2, 1));
        QCOMPARE(buffer, u"Sunday February 1"_s);
        QCOMPARE(shared, u"Tuesday "_s + fs.LongMonthNames[0] + u" 6"_s);
        const QString same = buffer;
        compiled.Render(buffer, MomentOf(2026, 2, 1, 12));
        QCOMPARE(buffer, u"Sunday February 1"_s);
        QCOMPARE(same, buffer);
    }

    void uncompiledRendersNothing()
    {
        TCompiledFormat none;
        QString buffer = u"old"_s;
        none.Render(buffer, MomentOf(2026, 1, 5));
        QVERIFY(buffer.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCompiledFormat)
#include "TestCompiledFormat.moc"
