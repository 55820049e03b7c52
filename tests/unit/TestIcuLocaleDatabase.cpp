#include "platform/locale/LcidMapping.h"
#include "platform/locale/TCldrPattern.h"
#include "platform/locale/TIcuLocaleDatabase.h"

#include <QtTest>

#include <cstdlib>
#include <optional>

using namespace LocaleItem;

namespace {

// Sets the three locale variables for one test and restores them after.
class TLocaleEnvironment {
public:
    TLocaleEnvironment(const char* All, const char* Time, const char* Lang)
    {
        for (int I = 0; I < 3; ++I) {
            const char* Old = std::getenv(Names[I]);
            Saved[I] = Old != nullptr ? std::optional<QByteArray>(Old) : std::nullopt;
        }
        Set(0, All);
        Set(1, Time);
        Set(2, Lang);
    }
    ~TLocaleEnvironment()
    {
        for (int I = 0; I < 3; ++I)
            Set(I, Saved[I] ? Saved[I]->constData() : nullptr);
    }

private:
    static void Set(int I, const char* Value)
    {
        if (Value != nullptr)
            qputenv(Names[I], Value);
        else
            qunsetenv(Names[I]);
    }
    static constexpr const char* Names[3] = {"LC_ALL", "LC_TIME", "LANG"};
    std::optional<QByteArray> Saved[3];
};

bool HasSpecialSpaceOrBidi(const QString& Text)
{
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        if (U == 0x202F || U == 0x00A0 || U == 0x200E || U == 0x200F || U == 0x061C)
            return true;
    }
    return false;
}

} // namespace

class TestIcuLocaleDatabase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cldrPatternToPicture_data();
    void cldrPatternToPicture();
    void separatorsOfPattern_data();
    void separatorsOfPattern();
    void twoLetterYearWidens();
    void timeFlags_data();
    void timeFlags();
    void posixLocaleToLcid_data();
    void posixLocaleToLcid();
    void threadLocaleFromEnvironment_data();
    void threadLocaleFromEnvironment();
    void notInstalledIdentifiers_data();
    void notInstalledIdentifiers();
    void localeItems_data();
    void localeItems();
    void picturesAreCleaned_data();
    void picturesAreCleaned();
    void setThreadLocale();
    void altCalendarDate_data();
    void altCalendarDate();
    void altCalendarDateRepeatedQuestions();
    void lowerCase_data();
    void lowerCase();
};

void TestIcuLocaleDatabase::cldrPatternToPicture_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("picture");
    QTest::newRow("en-US short date") << "M/d/yy" << "M/d/yy";
    QTest::newRow("one-letter year") << "y/MM/dd" << "yyyy/MM/dd";
    QTest::newRow("three-letter year") << "EEE, d MMM yyy" << "ddd, d MMM yyyy";
    QTest::newRow("full date") << "EEEE, MMMM d, y" << "dddd, MMMM d, yyyy";
    QTest::newRow("standalone weekday and month") << "cccc d. LLLL y" << "dddd d. MMMM yyyy";
    QTest::newRow("narrow weekday") << "EEEEE d" << "ddd d";
    QTest::newRow("CJK literals are quoted") << u"y年M月d日EEEE"_qs << u"yyyy'年'M'月'd'日'dddd"_qs;
    QTest::newRow("quoted word") << "EEEE, d 'de' MMMM 'de' y" << "dddd, d 'de' MMMM 'de' yyyy";
    QTest::newRow("era") << u"EEEEที่ d MMMM G y"_qs << u"dddd'ที่' d MMMM gg yyyy"_qs;
    QTest::newRow("long era") << "GGGG y" << "gg yyyy";
    QTest::newRow("letters between brackets") << "y('e')'ko' MMMM" << "yyyy('e)ko' MMMM";
    QTest::newRow("escaped apostrophe") << "h 'o''clock' a" << "h 'o''clock' tt";
    QTest::newRow("narrow no-break space before marker") << u"h:mm\u202Fa"_qs << "h:mm tt";
    QTest::newRow("no-break space") << u"HH:mm\u00A0'Uhr'"_qs << "HH:mm 'Uhr'";
    QTest::newRow("bidi marks removed") << u"d\u200F/M\u200F/y"_qs << "d/M/yyyy";
    QTest::newRow("Arabic letter mark removed") << u"d\u061C/M"_qs << "d/M";
    QTest::newRow("flexible day period") << "Bh:mm" << "tth:mm";
    QTest::newRow("day period b") << "h:mm b" << "h:mm tt";
    QTest::newRow("hour 0-11") << "K:mm a" << "h:mm tt";
    QTest::newRow("hour 1-24") << "kk:mm" << "HH:mm";
    QTest::newRow("fr-CA time") << "HH 'h' mm 'min' ss 's'" << "HH 'h' mm 'min' ss 's'";
    QTest::newRow("time zone dropped") << "HH:mm:ss zzzz" << "HH:mm:ss ";
    QTest::newRow("unquoted ASCII punctuation") << "dd.MM.y" << "dd.MM.yyyy";
    QTest::newRow("quoted letter with dot") << "d.MM.yy 'г'." << "d.MM.yy 'г'.";
}

void TestIcuLocaleDatabase::cldrPatternToPicture()
{
    QFETCH(QString, pattern);
    QFETCH(QString, picture);
    QCOMPARE(TCldrPattern::Parse(pattern).ToWindowsPicture(), picture);
}

void TestIcuLocaleDatabase::separatorsOfPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("dateSeparator"); // "<none>" for nullopt
    QTest::addColumn<QString>("timeSeparator");
    QTest::newRow("slash") << "M/d/yy" << "/" << "<none>";
    QTest::newRow("dot and blank") << "y. MM. dd." << ". " << "<none>";
    QTest::newRow("leading literal skipped") << "'le' d/M" << "/" << "<none>";
    QTest::newRow("fields touch") << "yyyyMMdd" << "" << "<none>";
    QTest::newRow("single field") << "y" << "<none>" << "<none>";
    QTest::newRow("bidi removed") << u"d\u200F/M\u200F/y"_qs << "/" << "<none>";
    QTest::newRow("colon") << "h:mm:ss a" << ":" << ":";
    QTest::newRow("full stop") << "H.mm.ss" << "." << ".";
    QTest::newRow("marker first") << "a h:mm" << " " << ":";
    QTest::newRow("quoted h") << "HH 'h' mm" << " h " << " h ";
    QTest::newRow("hour without minute") << "HH 'h'" << "<none>" << "<none>";
}

void TestIcuLocaleDatabase::separatorsOfPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, dateSeparator);
    QFETCH(QString, timeSeparator);
    const TCldrPattern Parsed = TCldrPattern::Parse(pattern);
    QCOMPARE(Parsed.FirstFieldSeparator().value_or(u"<none>"_qs), dateSeparator);
    QCOMPARE(Parsed.HourMinuteSeparator().value_or(u"<none>"_qs), timeSeparator);
}

void TestIcuLocaleDatabase::twoLetterYearWidens()
{
    TCldrPattern Pattern = TCldrPattern::Parse(u"dd.MM.yy 'yy'");
    Pattern.WidenTwoLetterYear();
    QCOMPARE(Pattern.ToWindowsPicture(), u"dd.MM.yyyy 'yy'"_qs);
}

void TestIcuLocaleDatabase::timeFlags_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("twoLetterHour");
    QTest::addColumn<bool>("twentyFourHour");
    QTest::addColumn<bool>("markerBefore");
    QTest::newRow("en-US") << "h:mm:ss a" << false << false << false;
    QTest::newRow("de") << "HH:mm:ss" << true << true << false;
    QTest::newRow("ko") << "a h:mm:ss" << false << false << true;
    QTest::newRow("gu") << "hh:mm:ss a" << true << false << false;
    QTest::newRow("k clock") << "k:mm" << false << true << false;
    QTest::newRow("marker in quotes is text") << "'a' h:mm" << false << false << false;
}

void TestIcuLocaleDatabase::timeFlags()
{
    QFETCH(QString, pattern);
    const TCldrPattern Parsed = TCldrPattern::Parse(pattern);
    QTEST(Parsed.HasTwoLetterHour(), "twoLetterHour");
    QTEST(Parsed.HasTwentyFourHourClock(), "twentyFourHour");
    QTEST(Parsed.MarkerBeforeHour(), "markerBefore");
}

void TestIcuLocaleDatabase::posixLocaleToLcid_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("lcid");
    QTest::newRow("ja_JP.UTF-8") << "ja_JP.UTF-8" << 1041u;
    QTest::newRow("language only") << "ja" << 1041u;
    QTest::newRow("de_AT") << "de_AT" << 3079u;
    QTest::newRow("code set and @euro") << "de_DE.ISO-8859-15@euro" << 1031u;
    QTest::newRow("sr_RS@latin") << "sr_RS@latin" << 9242u;
    QTest::newRow("sr_RS.UTF-8@latin") << "sr_RS.UTF-8@latin" << 9242u;
    QTest::newRow("sr_RS is Cyrillic") << "sr_RS.UTF-8" << 10266u;
    QTest::newRow("zh_TW") << "zh_TW.UTF-8" << 1028u;
    QTest::newRow("zh_CN") << "zh_CN.UTF-8" << 2052u;
    QTest::newRow("nb_NO") << "nb_NO.UTF-8" << 1044u;
    QTest::newRow("ca_ES@valencia") << "ca_ES.UTF-8@valencia" << 2051u;
    QTest::newRow("en_GB") << "en_GB.UTF-8" << 2057u;
    QTest::newRow("C") << "C" << 1033u;
    QTest::newRow("C.UTF-8") << "C.UTF-8" << 1033u;
    QTest::newRow("POSIX") << "POSIX" << 1033u;
    QTest::newRow("empty") << "" << 1033u;
    QTest::newRow("unknown language") << "xx_YY.UTF-8" << 1033u;
    QTest::newRow("garbage") << "@@..__" << 1033u;
}

void TestIcuLocaleDatabase::posixLocaleToLcid()
{
    QFETCH(QString, name);
    QTEST(uint(LcidMapping::FromPosixLocale(name.toStdString())), "lcid");
}

void TestIcuLocaleDatabase::threadLocaleFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<uint>("lcid");
    QTest::addColumn<QString>("name");
    // An empty QByteArray stands for an unset variable.
    QTest::newRow("LANG alone") << QByteArray() << QByteArray() << QByteArray("ja_JP.UTF-8") << 1041u << "ja-JP";
    QTest::newRow("LC_TIME over LANG") << QByteArray() << QByteArray("fi_FI.UTF-8") << QByteArray("ja_JP.UTF-8")
                                       << 1035u << "fi-FI";
    QTest::newRow("LC_ALL over both") << QByteArray("de_AT.UTF-8") << QByteArray("fi_FI.UTF-8")
                                      << QByteArray("ja_JP.UTF-8") << 3079u << "de-AT";
    QTest::newRow("empty LC_ALL is unset") << QByteArray("") << QByteArray() << QByteArray("ru_RU.UTF-8") << 1049u
                                           << "ru-RU";
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << 1033u << "en-US";
    QTest::newRow("C") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << 1033u << "en-US";
    QTest::newRow("Latin Serbian") << QByteArray() << QByteArray() << QByteArray("sr_RS@latin") << 9242u
                                   << "sr-Latn-RS";
}

void TestIcuLocaleDatabase::threadLocaleFromEnvironment()
{
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, time);
    QFETCH(QByteArray, lang);
    auto Value = [](const QByteArray& V) { return V.isNull() ? nullptr : V.constData(); };
    const TLocaleEnvironment Environment(Value(all), Value(time), Value(lang));
    const TIcuLocaleDatabase Db;
    QTEST(uint(Db.GetThreadLocale()), "lcid");
    QTEST(Db.GetUserDefaultLocaleName(), "name");
}

void TestIcuLocaleDatabase::notInstalledIdentifiers_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::newRow("9999") << 9999u;
    QTest::newRow("zero") << 0u;
    QTest::newRow("user default maps to root") << 0x0400u;
    QTest::newRow("system default maps to root") << 0x0800u;
    QTest::newRow("0x0C00") << 0x0C00u;
    QTest::newRow("0x1000") << 0x1000u;
    QTest::newRow("all bits") << 0xFFFFFFFFu;
    QTest::newRow("unknown sub-language") << 0xFC11u;
}

void TestIcuLocaleDatabase::notInstalledIdentifiers()
{
    QFETCH(uint, lcid);
    const TIcuLocaleDatabase Db(1033);
    QVERIFY(!Db.IsValidLocale(lcid));
    QVERIFY(!Db.GetLocaleInfo(lcid, SSHORTDATE));
    QVERIFY(!Db.GetLocaleInfo(lcid, SMONTHNAME1));
    QVERIFY(!Db.GetDateFormatAltCalendar(lcid, 2026, 1, 5, u"gg"));
}

void TestIcuLocaleDatabase::localeItems_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::addColumn<uint>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en-US Monday") << 1033u << SDAYNAME1 << "Monday";
    QTest::newRow("en-US Sunday is day 7") << 1033u << SDAYNAME1 + 6 << "Sunday";
    QTest::newRow("en-US Sun") << 1033u << SABBREVDAYNAME1 + 6 << "Sun";
    QTest::newRow("en-US December") << 1033u << SMONTHNAME1 + 11 << "December";
    QTest::newRow("en-US Jan") << 1033u << SABBREVMONTHNAME1 << "Jan";
    QTest::newRow("en-US short date") << 1033u << SSHORTDATE << "M/d/yyyy";
    QTest::newRow("en-US long date") << 1033u << SLONGDATE << "dddd, MMMM d, yyyy";
    QTest::newRow("en-US time") << 1033u << STIMEFORMAT << "h:mm:ss tt";
    QTest::newRow("en-US short time") << 1033u << SSHORTTIME << "h:mm tt";
    QTest::newRow("en-US AM") << 1033u << S1159 << "AM";
    QTest::newRow("en-US PM") << 1033u << S2359 << "PM";
    QTest::newRow("en-US ITIME") << 1033u << ITIME << "0";
    QTest::newRow("en-US ITLZERO") << 1033u << ITLZERO << "0";
    QTest::newRow("en-US ITIMEMARKPOSN") << 1033u << ITIMEMARKPOSN << "0";
    QTest::newRow("en-US calendar") << 1033u << ICALENDARTYPE << "1";
    QTest::newRow("ja-JP short date") << 1041u << SSHORTDATE << "yyyy/MM/dd";
    QTest::newRow("ja-JP long date") << 1041u << SLONGDATE << u"yyyy'年'M'月'd'日'dddd"_qs;
    QTest::newRow("ja-JP AM") << 1041u << S1159 << u"午前"_qs;
    QTest::newRow("ja-JP calendar is Gregorian") << 1041u << ICALENDARTYPE << "1";
    QTest::newRow("ru-RU nominative January") << 1049u << SMONTHNAME1 << u"январь"_qs;
    QTest::newRow("pl-PL nominative January") << 1045u << SMONTHNAME1 << u"styczeń"_qs;
    QTest::newRow("ca-ES month without preposition") << 1027u << SMONTHNAME1 << u"gener"_qs;
    QTest::newRow("fi-FI uninflected Monday") << 1035u << SDAYNAME1 << u"maanantai"_qs;
    QTest::newRow("fi-FI time separator") << 1035u << STIME << ".";
    QTest::newRow("da-DK time separator") << 1030u << STIME << ".";
    QTest::newRow("de-DE date separator") << 1031u << SDATE << ".";
    QTest::newRow("de-DE short date widened") << 1031u << SSHORTDATE << "dd.MM.yyyy";
    QTest::newRow("de-DE ITIME") << 1031u << ITIME << "1";
    QTest::newRow("de-DE ITLZERO") << 1031u << ITLZERO << "1";
    QTest::newRow("hu-HU two-character separator") << 1038u << SDATE << ". ";
    QTest::newRow("ko-KR marker first") << 1042u << ITIMEMARKPOSN << "1";
    QTest::newRow("ko-KR short time") << 1042u << SSHORTTIME << "tt h:mm";
    QTest::newRow("fr-CA hour-minute literal") << 3084u << STIME << " h ";
    QTest::newRow("ar-SA date separator without RLM") << 1025u << SDATE << "/";
    QTest::newRow("ar-SA short date without RLM") << 1025u << SSHORTDATE << "d/M/yyyy";
    QTest::newRow("th-TH calendar") << 1054u << ICALENDARTYPE << "7";
    QTest::newRow("ar-SA calendar") << 1025u << ICALENDARTYPE << "23";
    QTest::newRow("fa-IR calendar") << 1065u << ICALENDARTYPE << "22";
    // Rendering counts Gregorian months, so the names are the Gregorian ones.
    QTest::newRow("fa-IR Gregorian January") << 1065u << SMONTHNAME1 << u"ژانویه"_qs;
    QTest::newRow("ar-SA Gregorian January") << 1025u << SMONTHNAME1 << u"يناير"_qs;
    QTest::newRow("th-TH January") << 1054u << SMONTHNAME1 << u"มกราคม"_qs;
    QTest::newRow("sr Cyrillic") << 10266u << SMONTHNAME1 << u"јануар"_qs;
    QTest::newRow("sr Latin") << 9242u << SMONTHNAME1 << u"januar"_qs;
}

void TestIcuLocaleDatabase::localeItems()
{
    QFETCH(uint, lcid);
    QFETCH(uint, item);
    const TIcuLocaleDatabase Db(1033);
    QVERIFY(Db.IsValidLocale(lcid));
    const std::optional<QString> Text = Db.GetLocaleInfo(lcid, item);
    QVERIFY(Text);
    QTEST(*Text, "expected");
}

void TestIcuLocaleDatabase::picturesAreCleaned_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::newRow("en-US (narrow no-break space)") << 1033u;
    QTest::newRow("ar-SA (right-to-left marks)") << 1025u;
    QTest::newRow("fa-IR") << 1065u;
    QTest::newRow("he-IL") << 1037u;
    QTest::newRow("ur-PK") << 1056u;
    QTest::newRow("ug-CN") << 1152u;
}

void TestIcuLocaleDatabase::picturesAreCleaned()
{
    QFETCH(uint, lcid);
    const TIcuLocaleDatabase Db(1033);
    for (const std::uint32_t Item : {SDATE, STIME, SSHORTDATE, SLONGDATE, STIMEFORMAT, SSHORTTIME, S1159, S2359}) {
        const std::optional<QString> Text = Db.GetLocaleInfo(lcid, Item);
        QVERIFY2(Text, qPrintable(QString::number(Item, 16)));
        QVERIFY2(!HasSpecialSpaceOrBidi(*Text), qPrintable(*Text));
    }
    QVERIFY(!Db.GetLocaleInfo(lcid, 0x9999));
}

void TestIcuLocaleDatabase::setThreadLocale()
{
    const TLocaleEnvironment Environment(nullptr, nullptr, "ko_KR.UTF-8");
    TIcuLocaleDatabase Db;
    QCOMPARE(Db.GetThreadLocale(), 1042u);
    Db.SetThreadLocale(1041);
    QCOMPARE(Db.GetThreadLocale(), 1041u);
    Db.SetThreadLocale(9999); // not installed: refused
    QCOMPARE(Db.GetThreadLocale(), 1041u);
    Db.SetThreadLocale(0x0400); // the user's default
    QCOMPARE(Db.GetThreadLocale(), 1042u);
    QCOMPARE(Db.GetUserDefaultLocaleName(), u"ko-KR"_qs);
}

void TestIcuLocaleDatabase::altCalendarDate_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected"); // "<none>" for a failure
    const QDate Reiwa1(2019, 5, 1);
    const QDate Today(2026, 1, 5);
    const QDate LastShowa(1989, 1, 7);
    const QDate FirstHeisei(1989, 1, 8);
    QTest::newRow("ja era Reiwa") << 1041u << Reiwa1 << "gg" << u"令和"_qs;
    QTest::newRow("ja Reiwa 1 yy") << 1041u << Reiwa1 << "yy" << "01";
    QTest::newRow("ja Reiwa 1 yyyy") << 1041u << Reiwa1 << "yyyy" << "1";
    QTest::newRow("ja 2026 era") << 1041u << Today << "gg" << u"令和"_qs;
    QTest::newRow("ja 2026 yy") << 1041u << Today << "yy" << "08";
    QTest::newRow("ja 2026 yyyy unpadded") << 1041u << Today << "yyyy" << "8";
    QTest::newRow("ja last Showa day") << 1041u << LastShowa << "gg" << u"昭和"_qs;
    QTest::newRow("ja Showa 64") << 1041u << LastShowa << "yy" << "64";
    QTest::newRow("ja first Heisei day") << 1041u << FirstHeisei << "gg yy" << u"平成 01"_qs;
    QTest::newRow("zh-TW era") << 1028u << Today << "gg" << u"民國"_qs;
    QTest::newRow("zh-TW 2026") << 1028u << Today << "yyyy" << "115";
    QTest::newRow("zh-TW 2019") << 1028u << Reiwa1 << "yyyy" << "108";
    QTest::newRow("zh-TW 1989") << 1028u << LastShowa << "yy" << "78";
    QTest::newRow("th era") << 1054u << Today << "gg" << u"พ.ศ."_qs;
    QTest::newRow("th 2026") << 1054u << Today << "yyyy" << "2569";
    QTest::newRow("th 2019") << 1054u << Reiwa1 << "yyyy" << "2562";
    QTest::newRow("th 1989") << 1054u << LastShowa << "yyyy" << "2532";
    QTest::newRow("ko era") << 1042u << Today << "gg" << u"단기"_qs;
    QTest::newRow("ko year") << 1042u << Today << "yyyy" << "4359";
    QTest::newRow("ko yy") << 1042u << Today << "yy" << "59";
    QTest::newRow("en era") << 1033u << Today << "gg" << "AD";
    QTest::newRow("en year") << 1033u << Today << "yyyy" << "2026";
    QTest::newRow("en yy") << 1033u << Today << "yy" << "26";
    QTest::newRow("en early year padded") << 1033u << QDate(33, 3, 3) << "yyyy" << "0033";
    QTest::newRow("ja picture with quoted text") << 1041u << Today << u"gg'年'y"_qs << u"令和年8"_qs;
    QTest::newRow("impossible date") << 1041u << QDate() << "gg" << "<none>";
    QTest::newRow("unknown picture letter") << 1041u << Today << "MM" << "<none>";
}

void TestIcuLocaleDatabase::altCalendarDate()
{
    QFETCH(uint, lcid);
    QFETCH(QDate, date);
    QFETCH(QString, picture);
    const TIcuLocaleDatabase Db(1033);
    const int Year = date.isValid() ? date.year() : 2026;
    const int Month = date.isValid() ? date.month() : 2;
    const int Day = date.isValid() ? date.day() : 30;
    QTEST(Db.GetDateFormatAltCalendar(lcid, Year, Month, Day, picture).value_or(u"<none>"_qs), "expected");
}

// Answers are remembered: a later question with another date, picture or
// locale must not get an earlier answer, also after many distinct dates.
void TestIcuLocaleDatabase::altCalendarDateRepeatedQuestions()
{
    const TIcuLocaleDatabase Db(1041);
    QCOMPARE(Db.GetDateFormatAltCalendar(1041, 2019, 5, 1, u"gg"), u"令和"_qs);
    QCOMPARE(Db.GetDateFormatAltCalendar(1041, 1989, 1, 7, u"gg"), u"昭和"_qs);
    QCOMPARE(Db.GetDateFormatAltCalendar(1041, 2019, 5, 1, u"yy"), u"01"_qs);
    QCOMPARE(Db.GetDateFormatAltCalendar(1028, 2019, 5, 1, u"yy"), u"08"_qs);
    for (int Day = 1; Day <= 31; ++Day)
        QCOMPARE(Db.GetDateFormatAltCalendar(1041, 2026, 1, Day, u"yyyy"), u"8"_qs);
    QCOMPARE(Db.GetDateFormatAltCalendar(1041, 1989, 1, 7, u"yy"), u"64"_qs);
    QCOMPARE(Db.GetDateFormatAltCalendar(1041, 2019, 5, 1, u"gg"), u"令和"_qs);
}

void TestIcuLocaleDatabase::lowerCase_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Turkish dotless i") << 1055u << "DIYARBAKIR" << u"dıyarbakır"_qs;
    QTest::newRow("English I") << 1033u << "DIYARBAKIR" << "diyarbakir";
    QTest::newRow("English dotted capital I") << 1033u << u"İ"_qs << u"i\u0307"_qs;
    QTest::newRow("German umlauts") << 1031u << u"ÄÖÜ MMMM"_qs << u"äöü mmmm"_qs;
    QTest::newRow("Greek final sigma") << 1032u << u"ΟΔΟΣ"_qs << u"οδο\u03C2"_qs;
    QTest::newRow("not installed: root rules") << 9999u << "YYYY/MM/DD" << "yyyy/mm/dd";
    QTest::newRow("surrogate pair kept") << 1033u << u"A\U0001F600B"_qs << u"a\U0001F600b"_qs;
}

void TestIcuLocaleDatabase::lowerCase()
{
    QFETCH(uint, lcid);
    QFETCH(QString, text);
    const TIcuLocaleDatabase Db(1033);
    QTEST(Db.LowerCase(lcid, text), "expected");
}

QTEST_GUILESS_MAIN(TestIcuLocaleDatabase)
#include "TestIcuLocaleDatabase.moc"
