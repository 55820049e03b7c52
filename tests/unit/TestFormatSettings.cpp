#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"
#include "unit/doubles/TFakeLocaleDatabase.h"

#include <QDate>
#include <QTest>

namespace {

constexpr LCID English = 1033;
constexpr LCID Japanese = 1041;

const TDateTime Reference = double(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 5))) + (13 * 3600 + 7 * 60 + 9) / 86400.0;

} // namespace

class TestFormatSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void englishDefaults();
    void namesFromThePlatform();

    void datePictures_data();
    void datePictures();
    void convertDatePictureSeparatorOutsideQuotesOnly();

    void timePictures_data();
    void timePictures();
    void timeFallback_data();
    void timeFallback();

    void separatorItems_data();
    void separatorItems();
    void stringItems_data();
    void stringItems();
    void nameItems_data();
    void nameItems();

    void uninstalledLocaleTakesThreadLocale();
    void lowerCasingUsesProcessLocale();

    void processLocale_data();
    void processLocale();
    void cachedCreateFollowsInit();

private:
    // Installs English under `Locale` and notes `ProcessLocale` as the process locale.
    void Prepare(LCID Locale, LCID Process = English);
    TFakeLocaleDatabase Db_;
};

void TestFormatSettings::Prepare(LCID Locale, LCID Process)
{
    Db_ = TFakeLocaleDatabase();
    Db_.InstallEnglish(English);
    Db_.InstallEnglish(Locale);
    Db_.Install(Process);
    Db_.SetThreadLocale(Process);
    ProcessLocale::Init(Db_);
}

void TestFormatSettings::init()
{
    Prepare(English);
}

void TestFormatSettings::englishDefaults()
{
    const TFormatSettings fs;
    QCOMPARE(fs.DateSeparator, QChar(u'/'));
    QCOMPARE(fs.TimeSeparator, QChar(u':'));
    QCOMPARE(fs.ShortDateFormat, QStringLiteral("m/d/yy"));
    QCOMPARE(fs.LongDateFormat, QStringLiteral("mmmm d, yyyy"));
    QCOMPARE(fs.ShortTimeFormat, QStringLiteral("h:mm AMPM"));
    QCOMPARE(fs.LongTimeFormat, QStringLiteral("h:mm:ss AMPM"));
    QCOMPARE(fs.TimeAMString, QStringLiteral("am"));
    QCOMPARE(fs.TimePMString, QStringLiteral("pm"));
    QCOMPARE(fs.ShortMonthNames[0], QStringLiteral("Jan"));
    QCOMPARE(fs.LongMonthNames[11], QStringLiteral("December"));
    QCOMPARE(fs.ShortDayNames[0], QStringLiteral("Sun"));
    QCOMPARE(fs.LongDayNames[6], QStringLiteral("Saturday"));

    // A locale that answers nothing at all yields the same record.
    Db_.Install(4242);
    QCOMPARE(TFormatSettings::Create(4242, Db_), fs);
}

void TestFormatSettings::namesFromThePlatform()
{
    // The platform counts Monday as 1 and Sunday as 7.
    Db_.SetItem(English, LocaleItem::SDAYNAME1 + 6, "SUN-long");
    Db_.SetItem(English, LocaleItem::SABBREVDAYNAME1, "MON-short");
    Db_.SetItem(English, LocaleItem::SMONTHNAME1 + 11, "DEC-long");
    Db_.SetItem(English, LocaleItem::SABBREVMONTHNAME1, "JAN-short");
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.LongDayNames[0], QStringLiteral("SUN-long"));
    QCOMPARE(fs.ShortDayNames[1], QStringLiteral("MON-short"));
    QCOMPARE(fs.LongDayNames[6], QStringLiteral("Saturday"));
    QCOMPARE(fs.LongMonthNames[11], QStringLiteral("DEC-long"));
    QCOMPARE(fs.ShortMonthNames[0], QStringLiteral("JAN-short"));
    QCOMPARE(RenderDateTime(u"dddd mmm", Reference + 6, fs), QStringLiteral("SUN-long JAN-short"));
}

void TestFormatSettings::datePictures_data()
{
    QTest::addColumn<uint>("process");
    QTest::addColumn<QString>("calendarType");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("rendered");

    QTest::newRow("yyyy/MM/dd") << uint(English) << "1" << "/" << "yyyy/MM/dd" << "yyyy/mm/dd" << "2026/01/05";
    QTest::newRow("dd.MM.yyyy") << uint(English) << "1" << "." << "dd.MM.yyyy" << "dd/mm/yyyy" << "05.01.2026";
    QTest::newRow("long English date") << uint(English) << "1" << "/" << "dddd, MMMM d, yyyy"
                                       << "dddd, mmmm d, yyyy" << "Monday, January 5, 2026";
    QTest::newRow("Japanese Gregorian long date") << uint(Japanese) << "1" << "/" << u"yyyy'年'M'月'd'日'"_qs
                                                  << u"yyyy'年'm'月'd'日'"_qs << u"2026年1月5日"_qs;
    QTest::newRow("era calendar") << uint(English) << "3" << "/" << u"gg y'年'M'月'd'日'"_qs
                                  << u"ggg e'年'm'月'd'日'"_qs << u" 年1月5日"_qs;
    QTest::newRow("Taiwan calendar yy") << uint(English) << "4" << "/" << "YY/MM/dd" << "ee/mm/dd" << "/01/05";
    QTest::newRow("Korean era calendar yyyy") << uint(English) << "5" << "/" << "Gg yyyy" << "ggg eeee" << " ";
    QTest::newRow("g's removed for Japanese") << uint(Japanese) << "1" << "/" << "gg yyyy/MM/dd" << " yyyy/mm/dd"
                                               << " 2026/01/05";
    QTest::newRow("g's removed for Korean") << 1042u << "1" << "/" << "Gg yyyy" << " yyyy" << " 2026";
    QTest::newRow("g's removed for Chinese") << 2052u << "1" << "/" << "ggyyyy" << "yyyy" << "2026";
    QTest::newRow("g's kept for English") << uint(English) << "1" << "/" << "gg yyyy" << "gg yyyy" << " 2026";
    QTest::newRow("calendar type not a number is Gregorian") << uint(English) << "x" << "/" << "gg y" << "gg y"
                                                             << " 26";
    QTest::newRow("failed calendar type is Gregorian") << uint(English) << "" << "/" << "yy" << "yy" << "26";
    QTest::newRow("empty picture takes the default") << uint(English) << "1" << "/" << "" << "m/d/yy" << "1/5/26";
}

void TestFormatSettings::datePictures()
{
    QFETCH(uint, process);
    QFETCH(QString, calendarType);
    QFETCH(QString, separator);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QFETCH(QString, rendered);

    Prepare(English, process);
    if (calendarType.isEmpty())
        Db_.FailItem(English, LocaleItem::ICALENDARTYPE);
    else
        Db_.SetItem(English, LocaleItem::ICALENDARTYPE, calendarType);
    Db_.SetItem(English, LocaleItem::SDATE, separator);
    Db_.SetItem(English, LocaleItem::SSHORTDATE, picture);
    Db_.SetItem(English, LocaleItem::SLONGDATE, picture);
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.ShortDateFormat, expected);
    QCOMPARE(RenderDateTime(u"ddddd", Reference, fs), rendered);
    if (!picture.isEmpty())
        QCOMPARE(fs.LongDateFormat, expected);
}

void TestFormatSettings::convertDatePictureSeparatorOutsideQuotesOnly()
{
    QCOMPARE(ConvertDatePicture(u"dd.MM.yyyy'.'", u'.', 1, 9), QStringLiteral("dd/MM/yyyy'.'"));
    QCOMPARE(ConvertDatePicture(u"yyyy-MM-dd 'a-b' -", u'-', 1, 9), QStringLiteral("yyyy/MM/dd 'a-b' /"));
    // Surrogate pairs pass the era rewrite whole.
    QCOMPARE(ConvertDatePicture(u"y😀yy", u'/', 3, 9), u"e😀ee"_qs);
    // Failed pictures take the defaults; a long date that fails is "mmmm d, yyyy".
    Db_.FailItem(English, LocaleItem::SSHORTDATE);
    Db_.FailItem(English, LocaleItem::SLONGDATE);
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.ShortDateFormat, QStringLiteral("m/d/yy"));
    QCOMPARE(fs.LongDateFormat, QStringLiteral("mmmm d, yyyy"));
}

void TestFormatSettings::timePictures_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("rendered");

    QTest::newRow("HH:mm:ss") << ":" << "HH:mm:ss" << "hh:nn:ss" << "13:07:09";
    QTest::newRow("h:mm:ss tt") << ":" << "h:mm:ss tt" << "h:nn:ss AMPM" << "1:07:09 PM";
    QTest::newRow("tt h:mm") << ":" << "tt h:mm" << "AMPM h:nn" << "PM 1:07";
    QTest::newRow("H:mm") << ":" << "H:mm" << "h:nn" << "13:07";
    QTest::newRow("H.mm.ss") << "." << "H.mm.ss" << "h:nn:ss" << "13.07.09";
    QTest::newRow("single t") << ":" << "h:mm t" << "h:nn a/p" << "1:07 p";
    QTest::newRow("quoted letters") << ":" << "H'h'mm" << "h'h'nn" << "13h07";
    QTest::newRow("doubled apostrophe inside quotes") << ":" << "H 'o''clock'" << "h 'o''clock'" << "13 oclock";
    QTest::newRow("unclosed quote") << ":" << "H 'mm" << "h 'mm" << "13 mm";
    QTest::newRow("capitals other than H copied") << ":" << "H MM SS" << "h MM SS" << "13 07 09";
    QTest::newRow("separator in quotes kept") << "." << "H.mm'.'" << "h:nn'.'" << "13.07.";
}

void TestFormatSettings::timePictures()
{
    QFETCH(QString, separator);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QFETCH(QString, rendered);

    Db_.SetItem(English, LocaleItem::STIME, separator);
    Db_.SetItem(English, LocaleItem::STIMEFORMAT, picture);
    Db_.SetItem(English, LocaleItem::SSHORTTIME, picture);
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.LongTimeFormat, expected);
    QCOMPARE(fs.ShortTimeFormat, expected); // never lower-cased
    QCOMPARE(RenderDateTime(u"tt", Reference, fs), rendered);
}

void TestFormatSettings::timeFallback_data()
{
    QTest::addColumn<QString>("itime");
    QTest::addColumn<QString>("itlzero");
    QTest::addColumn<QString>("markPosition");
    QTest::addColumn<bool>("shortAvailable");
    QTest::addColumn<QString>("expectedShort");
    QTest::addColumn<QString>("expectedLong");

    QTest::newRow("12-hour, marker behind") << "0" << "0" << "0" << false << "h:mm AMPM" << "h:mm:ss AMPM";
    QTest::newRow("12-hour, marker in front") << "0" << "1" << "1" << false << "AMPM hh:mm" << "AMPM hh:mm:ss";
    QTest::newRow("24-hour") << "1" << "1" << "1" << false << "hh:mm" << "hh:mm:ss";
    QTest::newRow("numbers unreadable count as 0") << "" << "" << "" << false << "h:mm AMPM" << "h:mm:ss AMPM";
    QTest::newRow("not numbers count as 0") << "x" << "y" << "z" << false << "h:mm AMPM" << "h:mm:ss AMPM";
    QTest::newRow("only the empty one is replaced") << "1" << "0" << "0" << true << "h:nn" << "h:mm:ss";
}

void TestFormatSettings::timeFallback()
{
    QFETCH(QString, itime);
    QFETCH(QString, itlzero);
    QFETCH(QString, markPosition);
    QFETCH(bool, shortAvailable);
    QFETCH(QString, expectedShort);
    QFETCH(QString, expectedLong);

    const auto set = [this](std::uint32_t Item, const QString& Text) {
        if (Text.isEmpty())
            Db_.FailItem(English, Item);
        else
            Db_.SetItem(English, Item, Text);
    };
    set(LocaleItem::ITIME, itime);
    set(LocaleItem::ITLZERO, itlzero);
    set(LocaleItem::ITIMEMARKPOSN, markPosition);
    Db_.FailItem(English, LocaleItem::STIMEFORMAT);
    if (shortAvailable)
        Db_.SetItem(English, LocaleItem::SSHORTTIME, "H:mm");
    else
        Db_.SetItem(English, LocaleItem::SSHORTTIME, "");
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.ShortTimeFormat, expectedShort);
    QCOMPARE(fs.LongTimeFormat, expectedLong);
}

void TestFormatSettings::separatorItems_data()
{
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QChar>("expected");
    QTest::addColumn<QString>("rendered");

    QTest::newRow("one character") << false << "-" << QChar(u'-') << "2026-01-05 13-07";
    QTest::newRow("two characters: the first") << false << ". " << QChar(u'.') << "2026.01.05 13.07";
    QTest::newRow("three characters do not fit") << false << "abc" << QChar(u'/') << "2026/01/05 13:07";
    QTest::newRow("empty is NUL") << false << "" << QChar(0) << "20260105 1307";
    QTest::newRow("failed read") << true << "" << QChar(u'/') << "2026/01/05 13:07";
    QTest::newRow("half a surrogate pair") << false << u"😀"_qs << QChar(u'/') << "2026/01/05 13:07";
}

void TestFormatSettings::separatorItems()
{
    QFETCH(bool, fails);
    QFETCH(QString, item);
    QFETCH(QChar, expected);
    QFETCH(QString, rendered);

    for (const std::uint32_t id : {LocaleItem::SDATE, LocaleItem::STIME}) {
        if (fails)
            Db_.FailItem(English, id);
        else
            Db_.SetItem(English, id, item);
    }
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.DateSeparator, expected.unicode() == u'/' ? QChar(u'/') : expected);
    QCOMPARE(fs.TimeSeparator, expected.unicode() == u'/' ? QChar(u':') : expected);
    QCOMPARE(RenderDateTime(u"yyyy/mm/dd hh:nn", Reference, fs), rendered);
}

void TestFormatSettings::stringItems_data()
{
    QTest::addColumn<int>("mode"); // 0 set, 1 fail
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");

    QTest::newRow("AM symbol") << 0 << u"午前"_qs << u"午前"_qs;
    QTest::newRow("empty AM symbol stays empty") << 0 << "" << "";
    QTest::newRow("failed read gives am") << 1 << "" << "am";
    QTest::newRow("255 characters fit the buffer") << 0 << QString(255, u'x') << QString(255, u'x');
    QTest::newRow("256 characters do not") << 0 << QString(256, u'x') << "am";
}

void TestFormatSettings::stringItems()
{
    QFETCH(int, mode);
    QFETCH(QString, item);
    QFETCH(QString, expected);

    if (mode == 1)
        Db_.FailItem(English, LocaleItem::S1159);
    else
        Db_.SetItem(English, LocaleItem::S1159, item);
    Db_.SetItem(English, LocaleItem::S2359, "");
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(fs.TimeAMString, expected);
    QCOMPARE(fs.TimePMString, QString());
    QCOMPARE(RenderDateTime(u"[AMPM]", Reference - 0.5, fs), QLatin1Char('[') + expected + QLatin1Char(']'));
    QCOMPARE(RenderDateTime(u"[AMPM]", Reference, fs), QStringLiteral("[]"));
}

void TestFormatSettings::nameItems_data()
{
    QTest::addColumn<int>("mode"); // 0 set, 1 fail
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");

    QTest::newRow("given") << 0 << u"一月"_qs << u"一月"_qs;
    QTest::newRow("empty gives English") << 0 << "" << "January";
    QTest::newRow("failed gives English") << 1 << "" << "January";
    QTest::newRow("too long gives English") << 0 << QString(300, u'j') << "January";
}

void TestFormatSettings::nameItems()
{
    QFETCH(int, mode);
    QFETCH(QString, item);
    QFETCH(QString, expected);

    Db_.InstallEnglish(Japanese);
    if (mode == 1)
        Db_.FailItem(Japanese, LocaleItem::SMONTHNAME1);
    else
        Db_.SetItem(Japanese, LocaleItem::SMONTHNAME1, item);
    const TFormatSettings fs = TFormatSettings::Create(Japanese, Db_);
    QCOMPARE(fs.LongMonthNames[0], expected);
    QCOMPARE(RenderDateTime(u"mmmm", Reference, fs), expected);
}

void TestFormatSettings::uninstalledLocaleTakesThreadLocale()
{
    Db_.InstallEnglish(Japanese);
    Db_.SetItem(Japanese, LocaleItem::SDATE, "-");
    Db_.SetItem(Japanese, LocaleItem::S1159, u"午前"_qs);
    Db_.SetThreadLocale(Japanese);
    LCID clockLocale = 9999;
    const TFormatSettings fs = TFormatSettings::Create(clockLocale, Db_);
    QCOMPARE(clockLocale, LCID(9999));
    QCOMPARE(fs, TFormatSettings::Create(Japanese, Db_));
    QCOMPARE(fs.DateSeparator, QChar(u'-'));
    QCOMPARE(fs.TimeAMString, u"午前"_qs);
}

void TestFormatSettings::lowerCasingUsesProcessLocale()
{
    Prepare(English, Japanese);
    const TFormatSettings fs = TFormatSettings::Create(English, Db_);
    QCOMPARE(Db_.LastLowerCaseLocale(), Japanese);
    QCOMPARE(fs.ShortDateFormat, QStringLiteral("m/d/yyyy"));
}

void TestFormatSettings::processLocale_data()
{
    QTest::addColumn<uint>("thread");
    QTest::addColumn<uint>("identifier");
    QTest::addColumn<int>("primary");
    QTest::addColumn<int>("sub");

    QTest::newRow("English") << 1033u << 1033u << 9 << 1;
    QTest::newRow("Japanese") << 1041u << 1041u << 0x11 << 1;
    QTest::newRow("Traditional Chinese") << 1028u << 1028u << 0x04 << 1;
    QTest::newRow("thread locale 0") << 0u << 1033u << 9 << 1;
    QTest::newRow("sort order only") << 0x10000u << 0x10000u << 9 << 1;
    QTest::newRow("German with a sort order") << 0x10407u << 0x10407u << 0x07 << 1;
}

void TestFormatSettings::processLocale()
{
    QFETCH(uint, thread);
    QFETCH(uint, identifier);
    QFETCH(int, primary);
    QFETCH(int, sub);

    Db_.InstallEnglish(identifier);
    Db_.SetItem(identifier, LocaleItem::SDATE, "-");
    Db_.SetThreadLocale(thread);
    ProcessLocale::Init(Db_);
    QCOMPARE(ProcessLocale::Identifier(), LCID(identifier));
    QCOMPARE(ProcessLocale::PrimaryLanguage(), primary);
    QCOMPARE(ProcessLocale::SubLanguage(), sub);
    QCOMPARE(&ProcessLocale::Database(), static_cast<const ILocaleDatabase*>(&Db_));
    QCOMPARE(ProcessLocale::SystemSettings(), TFormatSettings::Create(identifier, Db_));
    QCOMPARE(ProcessLocale::SystemSettings().DateSeparator, QChar(u'-'));
}

void TestFormatSettings::cachedCreateFollowsInit()
{
    const TFormatSettings first = TFormatSettings::Create(English);
    QCOMPARE(first, TFormatSettings::Create(English, Db_));
    Db_.SetItem(English, LocaleItem::S1159, "a.m.");
    QCOMPARE(TFormatSettings::Create(English).TimeAMString, QStringLiteral("AM")); // remembered
    ProcessLocale::Init(Db_);
    QCOMPARE(TFormatSettings::Create(English).TimeAMString, QStringLiteral("a.m."));
    // Uninstalled identifiers share the thread locale's record.
    QCOMPARE(TFormatSettings::Create(9999), TFormatSettings::Create(English));
}

QTEST_APPLESS_MAIN(TestFormatSettings)
#include "TestFormatSettings.moc"
