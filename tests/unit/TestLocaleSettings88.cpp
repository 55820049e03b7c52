#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"
#include "platform/locale/TIcuLocaleDatabase.h"

#include <QtTest>

// Every locale of the properties dialog's list, built from the real ICU data
// and rendered at one moment: Monday 2026-01-05 13:07:09.
class TestLocaleSettings88 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void locale_data();
    void locale();

private:
    TIcuLocaleDatabase Db_{1033};
};

namespace {

TDateTime Moment()
{
    const qint64 Days = QDate(1899, 12, 30).daysTo(QDate(2026, 1, 5));
    return double(Days) + (13 * 3600 + 7 * 60 + 9) / 86400.0;
}

bool IsClean(const QString& Text)
{
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        if (U == 0x202F || U == 0x00A0 || U == 0x200E || U == 0x200F || U == 0x061C || U == 0xFFFD || U == u'?')
            return false;
    }
    return true;
}

// "LongMonthNames1" is January, "LongDayNames1" Sunday; "render:F" the moment
// rendered with the format F.
QString FieldValue(const TFormatSettings& Fs, const QString& Field)
{
    static const QRegularExpression Indexed(QStringLiteral("^(Long|Short)(Month|Day)Names(\\d+)$"));
    if (Field.startsWith(u"render:"))
        return RenderDateTime(Field.mid(7), Moment(), Fs);
    if (const QRegularExpressionMatch M = Indexed.match(Field); M.hasMatch()) {
        const bool Long = M.captured(1) == u"Long";
        const std::size_t I = M.captured(3).toUInt() - 1;
        if (M.captured(2) == u"Month")
            return (Long ? Fs.LongMonthNames : Fs.ShortMonthNames).at(I);
        return (Long ? Fs.LongDayNames : Fs.ShortDayNames).at(I);
    }
    const std::map<QString, QString> Plain = {
        {u"ShortDateFormat"_qs, Fs.ShortDateFormat}, {u"LongDateFormat"_qs, Fs.LongDateFormat},
        {u"ShortTimeFormat"_qs, Fs.ShortTimeFormat}, {u"LongTimeFormat"_qs, Fs.LongTimeFormat},
        {u"TimeAMString"_qs, Fs.TimeAMString},       {u"TimePMString"_qs, Fs.TimePMString},
        {u"DateSeparator"_qs, QString(Fs.DateSeparator)}, {u"TimeSeparator"_qs, QString(Fs.TimeSeparator)},
    };
    const auto Found = Plain.find(Field);
    return Found != Plain.end() ? Found->second : u"<unknown field %1>"_qs.arg(Field);
}

} // namespace

void TestLocaleSettings88::initTestCase()
{
    ProcessLocale::Init(Db_);
}

void TestLocaleSettings88::locale_data()
{
    QTest::addColumn<uint>("lcid");
    QTest::addColumn<QString>("january");
    QTest::addColumn<QString>("shortDate"); // ddddd at the moment
    QTest::addColumn<QString>("longTime");  // tt at the moment
    QTest::addColumn<QStringList>("facts"); // "Field=expected"
    QTest::newRow("1025 ar_SA") << 1025u << u"يناير"_qs << u"5/1/2026"_qs << u"1:07:09 م"_qs << QStringList{u"ShortDateFormat=d/m/yyyy"_qs};
    QTest::newRow("1026 bg_BG") << 1026u << u"януари"_qs << u"5.01.2026 г."_qs << u"13:07:09 ч."_qs << QStringList{u"LongDateFormat=dddd, d mmmm yyyy 'г'/"_qs};
    QTest::newRow("1027 ca_ES") << 1027u << u"gener"_qs << u"5/1/2026"_qs << u"13:07:09"_qs << QStringList{u"render:dddddd=dilluns, 5 gener de 2026"_qs};
    QTest::newRow("1028 zh_Hant_TW") << 1028u << u"1月"_qs << u"2026/1/5"_qs << u"下午1:07:09"_qs << QStringList{u"render:dddddd=2026年1月5日 星期一"_qs, u"render:t=下午1:07"_qs};
    QTest::newRow("1029 cs_CZ") << 1029u << u"leden"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1030 da_DK") << 1030u << u"januar"_qs << u"05.01.2026"_qs << u"13.07.09"_qs << QStringList();
    QTest::newRow("1031 de_DE") << 1031u << u"Januar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList{u"LongDayNames2=Montag"_qs, u"ShortDateFormat=dd/mm/yyyy"_qs};
    QTest::newRow("1032 el_GR") << 1032u << u"Ιανουάριος"_qs << u"5/1/2026"_qs << u"1:07:09 μ.μ."_qs << QStringList();
    QTest::newRow("1033 en_US") << 1033u << u"January"_qs << u"1/5/2026"_qs << u"1:07:09 PM"_qs << QStringList{u"render:dddddd=Monday, January 5, 2026"_qs, u"ShortTimeFormat=h:nn AMPM"_qs, u"render:c=1/5/2026 1:07:09 PM"_qs};
    QTest::newRow("1035 fi_FI") << 1035u << u"tammikuu"_qs << u"5.1.2026"_qs << u"13.07.09"_qs << QStringList{u"TimeSeparator=."_qs, u"ShortDayNames1=su"_qs};
    QTest::newRow("1036 fr_FR") << 1036u << u"janvier"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1037 he_IL") << 1037u << u"ינואר"_qs << u"5.1.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1038 hu_HU") << 1038u << u"január"_qs << u"2026. 01. 05."_qs << u"13:07:09"_qs << QStringList{u"DateSeparator=."_qs, u"ShortDateFormat=yyyy/ mm/ dd/"_qs};
    QTest::newRow("1039 is_IS") << 1039u << u"janúar"_qs << u"5.1.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1040 it_IT") << 1040u << u"gennaio"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1041 ja_JP") << 1041u << u"1月"_qs << u"2026/01/05"_qs << u"13:07:09"_qs << QStringList{u"ShortDateFormat=yyyy/mm/dd"_qs, u"render:dddddd=2026年1月5日月曜日"_qs, u"TimeAMString=午前"_qs};
    QTest::newRow("1042 ko_KR") << 1042u << u"1월"_qs << u"2026. 1. 5."_qs << u"오후 1:07:09"_qs << QStringList{u"render:t=오후 1:07"_qs, u"LongMonthNames12=12월"_qs};
    QTest::newRow("1043 nl_NL") << 1043u << u"januari"_qs << u"05-01-2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1044 nb_NO") << 1044u << u"januar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1045 pl_PL") << 1045u << u"styczeń"_qs << u"5.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1046 pt_BR") << 1046u << u"janeiro"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList{u"render:dddddd=segunda-feira, 5 de janeiro de 2026"_qs};
    QTest::newRow("1048 ro_RO") << 1048u << u"ianuarie"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1049 ru_RU") << 1049u << u"январь"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList{u"LongDayNames2=понедельник"_qs, u"DateSeparator=."_qs};
    QTest::newRow("1050 hr_HR") << 1050u << u"siječanj"_qs << u"05. 01. 2026."_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1051 sk_SK") << 1051u << u"január"_qs << u"5. 1. 2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1052 sq_AL") << 1052u << u"janar"_qs << u"5.1.2026"_qs << u"1:07:09 e pasdites"_qs << QStringList();
    QTest::newRow("1053 sv_SE") << 1053u << u"januari"_qs << u"2026-01-05"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1054 th_TH") << 1054u << u"มกราคม"_qs << u"5/1/2026"_qs << u"13:07:09"_qs << QStringList{u"render:dddddd=วันจันทร์ที่ 5 มกราคม AD 2026"_qs};
    QTest::newRow("1055 tr_TR") << 1055u << u"Ocak"_qs << u"5.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1056 ur_PK") << 1056u << u"جنوری"_qs << u"5/1/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1057 id_ID") << 1057u << u"Januari"_qs << u"05/01/2026"_qs << u"13.07.09"_qs << QStringList();
    QTest::newRow("1058 uk_UA") << 1058u << u"січень"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1059 be_BY") << 1059u << u"студзень"_qs << u"5.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1060 sl_SI") << 1060u << u"januar"_qs << u"5. 01. 2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1061 et_EE") << 1061u << u"jaanuar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1062 lv_LV") << 1062u << u"janvāris"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1063 lt_LT") << 1063u << u"sausis"_qs << u"2026-01-05"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1065 fa_IR") << 1065u << u"ژانویه"_qs << u"2026/1/5"_qs << u"13:07:09"_qs << QStringList{u"LongDateFormat=dddd d mmmm yyyy"_qs};
    QTest::newRow("1066 vi_VN") << 1066u << u"Tháng 1"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1067 hy_AM") << 1067u << u"հունվար"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1068 az_Latn_AZ") << 1068u << u"yanvar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1069 eu_ES") << 1069u << u"urtarrila"_qs << u"2026/1/5"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1071 mk_MK") << 1071u << u"јануари"_qs << u"5.1.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1078 af_ZA") << 1078u << u"Januarie"_qs << u"2026-01-05"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1079 ka_GE") << 1079u << u"იანვარი"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1081 hi_IN") << 1081u << u"जनवरी"_qs << u"5/1/2026"_qs << u"1:07:09 pm"_qs << QStringList();
    QTest::newRow("1082 mt_MT") << 1082u << u"Jannar"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1086 ms_MY") << 1086u << u"Januari"_qs << u"5/01/2026"_qs << u"1:07:09 PTG"_qs << QStringList();
    QTest::newRow("1087 kk_KZ") << 1087u << u"Қаңтар"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1091 uz_Latn_UZ") << 1091u << u"Yanvar"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1092 tt_RU") << 1092u << u"гыйнвар"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1093 bn_IN") << 1093u << u"জানুয়ারী"_qs << u"5/1/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1094 pa_IN") << 1094u << u"ਜਨਵਰੀ"_qs << u"5/1/2026"_qs << u"1:07:09 ਬਾ.ਦੁ."_qs << QStringList();
    QTest::newRow("1095 gu_IN") << 1095u << u"જાન્યુઆરી"_qs << u"5/1/2026"_qs << u"01:07:09 PM"_qs << QStringList();
    QTest::newRow("1096 or_IN") << 1096u << u"ଜାନୁଆରୀ"_qs << u"1/5/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1097 ta_IN") << 1097u << u"ஜனவரி"_qs << u"5/1/2026"_qs << u"பிற்பகல் 1:07:09"_qs << QStringList();
    QTest::newRow("1098 te_IN") << 1098u << u"జనవరి"_qs << u"05-01-2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1099 kn_IN") << 1099u << u"ಜನವರಿ"_qs << u"5/1/2026"_qs << u"01:07:09 ಅಪರಾಹ್ನ"_qs << QStringList();
    QTest::newRow("1100 ml_IN") << 1100u << u"ജനുവരി"_qs << u"5/1/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1101 as_IN") << 1101u << u"জানুৱাৰী"_qs << u"5-1-2026"_qs << u"অপৰাহ্ন 1.07.09"_qs << QStringList{u"TimeSeparator=."_qs, u"render:t=অপৰাহ্ন 1.07"_qs};
    QTest::newRow("1102 mr_IN") << 1102u << u"जानेवारी"_qs << u"5/1/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1106 cy_GB") << 1106u << u"Ionawr"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1107 km_KH") << 1107u << u"មករា"_qs << u"5/1/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1108 lo_LA") << 1108u << u"ມັງກອນ"_qs << u"5/1/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1110 gl_ES") << 1110u << u"Xaneiro"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1111 kok_IN") << 1111u << u"जानेवारी"_qs << u"5-1-2026"_qs << u"1:07:09 सांज"_qs << QStringList();
    QTest::newRow("1116 chr_Cher_US") << 1116u << u"ᎤᏃᎸᏔᏅ"_qs << u"1/5/2026"_qs << u"1:07:09 ᏒᎯᏱᎢᏗᏢ"_qs << QStringList();
    QTest::newRow("1118 am_ET") << 1118u << u"ጃንዩወሪ"_qs << u"05/01/2026"_qs << u"1:07:09 ከሰዓት"_qs << QStringList();
    QTest::newRow("1121 ne_NP") << 1121u << u"जनवरी"_qs << u"2026/1/5"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1124 fil_PH") << 1124u << u"Enero"_qs << u"1/5/2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1134 lb_LU") << 1134u << u"Januar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1152 ug_CN") << 1152u << u"يانۋار"_qs << u"2026-01-05"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("1153 mi_NZ") << 1153u << u"Hānuere"_qs << u"05-01-2026"_qs << u"1:07:09 PM"_qs << QStringList();
    QTest::newRow("1169 gd_GB") << 1169u << u"Am Faoilleach"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2051 ca_ES_VALENCIA") << 2051u << u"gener"_qs << u"5/1/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2052 zh_CN") << 2052u << u"一月"_qs << u"2026/1/5"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2057 en_GB") << 2057u << u"January"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList{u"TimeAMString=am"_qs, u"render:ddddd=05/01/2026"_qs};
    QTest::newRow("2058 es_MX") << 2058u << u"enero"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2068 nn_NO") << 2068u << u"januar"_qs << u"05.01.2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2070 pt_PT") << 2070u << u"janeiro"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("2108 ga_IE") << 2108u << u"Eanáir"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("3082 es_ES") << 3082u << u"enero"_qs << u"5/1/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("3084 fr_CA") << 3084u << u"janvier"_qs << u"2026-01-05"_qs << u"13 h 07 min 09 s"_qs << QStringList{u"TimeSeparator=:"_qs, u"render:t=13 h 07"_qs};
    QTest::newRow("3179 qu_PE") << 3179u << u"Enero"_qs << u"05/01/2026"_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("5146 bs_Latn_BA") << 5146u << u"januar"_qs << u"5. 1. 2026."_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("7194 sr_Cyrl_BA") << 7194u << u"јануар"_qs << u"5.1.2026."_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("9242 sr_Latn_RS") << 9242u << u"januar"_qs << u"5.1.2026."_qs << u"13:07:09"_qs << QStringList();
    QTest::newRow("10266 sr_Cyrl_RS") << 10266u << u"јануар"_qs << u"5.1.2026."_qs << u"13:07:09"_qs << QStringList();
}

void TestLocaleSettings88::locale()
{
    QFETCH(uint, lcid);
    QFETCH(QStringList, facts);
    QVERIFY(Db_.IsValidLocale(lcid));
    const TFormatSettings Fs = TFormatSettings::Create(lcid, Db_);

    QTEST(Fs.LongMonthNames[0], "january");
    QTEST(RenderDateTime(u"ddddd", Moment(), Fs), "shortDate");
    QTEST(RenderDateTime(u"tt", Moment(), Fs), "longTime");

    // Nothing fell back to the English defaults unless the language is English.
    const TFormatSettings English;
    if ((lcid & 0x3FF) != 9)
        QVERIFY(Fs.LongMonthNames != English.LongMonthNames && Fs.LongDayNames != English.LongDayNames);

    std::vector<QString> Texts = {Fs.ShortDateFormat, Fs.LongDateFormat, Fs.ShortTimeFormat, Fs.LongTimeFormat,
                                  Fs.TimeAMString, Fs.TimePMString};
    Texts.insert(Texts.end(), Fs.LongMonthNames.begin(), Fs.LongMonthNames.end());
    Texts.insert(Texts.end(), Fs.ShortMonthNames.begin(), Fs.ShortMonthNames.end());
    Texts.insert(Texts.end(), Fs.LongDayNames.begin(), Fs.LongDayNames.end());
    Texts.insert(Texts.end(), Fs.ShortDayNames.begin(), Fs.ShortDayNames.end());
    for (const QString& Format : {u"ddddd"_qs, u"dddddd"_qs, u"t"_qs, u"tt"_qs, u"c"_qs})
        Texts.push_back(RenderDateTime(Format, Moment(), Fs));
    for (const QString& Text : Texts) {
        QVERIFY2(!Text.isEmpty() && IsClean(Text), qPrintable(Text));
    }
    const QString LongDate = RenderDateTime(u"dddddd", Moment(), Fs);
    QVERIFY2(LongDate.contains(u"2026") && LongDate.contains(Fs.LongDayNames[1]), qPrintable(LongDate));

    for (const QString& Fact : facts) {
        const qsizetype Equals = Fact.indexOf(u'=');
        QCOMPARE(FieldValue(Fs, Fact.left(Equals)), Fact.mid(Equals + 1));
    }
}

QTEST_GUILESS_MAIN(TestLocaleSettings88)
#include "TestLocaleSettings88.moc"
