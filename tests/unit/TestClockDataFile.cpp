#include "clock/data/ClockDataFile.h"
#include "clock/data/DataFileName.h"
#include "datetime/OffsetText.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "unit/doubles/TFakeLocaleDatabase.h"
#include "unit/doubles/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TWorkingHours)

namespace {

QByteArray Utf16(const QString& Text, bool BigEndian)
{
    QByteArray B(BigEndian ? "\xFE\xFF" : "\xFF\xFE");
    for (const QChar C : Text) {
        const char Hi = char(C.unicode() >> 8), Lo = char(C.unicode() & 0xFF);
        B.append(BigEndian ? Hi : Lo).append(BigEndian ? Lo : Hi);
    }
    return B;
}

QString B(bool V) { return V ? u"1"_s : u"0"_s; }

// "570-1080 Mon,Sun" (start and end minute, days) or "default".
QString HoursText(const std::optional<TWorkingHours>& Hours)
{
    if (!Hours)
        return u"default"_s;
    const QStringList Names = {u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s, u"Sun"_s};
    QStringList Days;
    for (int Day = 0; Day < 7; ++Day)
        if (Hours->Days & (1u << Day))
            Days.append(Names[Day]);
    return u"%1-%2 %3"_s.arg(Hours->StartMinute).arg(Hours->EndMinute).arg(Days.join(u','));
}

// One field of a record as text, so that a table can name what it checks.
QString Field(const TClockData& D, const QString& Name)
{
    const std::pair<const char*, QString> Fields[] = {
        {"Name", D.Name},
        {"NameFace", D.NameLine.FontName},
        {"NameSize", QString::number(D.NameLine.FontSize)},
        {"NameBold", B(D.NameLine.Bold)},
        {"NameItalic", B(D.NameLine.Italic)},
        {"NameUnderline", B(D.NameLine.Underline)},
        {"NameStrikeOut", B(D.NameLine.StrikeOut)},
        {"NameColor", QString::number(D.NameLine.FontColor, 16)},
        {"NameAlign", QString::number(D.NameLine.Alignment)},
        {"NameSeFont", B(D.NameLine.seFont)},
        {"DateSize", QString::number(D.DateLine.FontSize)},
        {"DateAlign", QString::number(D.DateLine.Alignment)},
        {"DateSeFont", B(D.DateLine.seFont)},
        {"TimeAlign", QString::number(D.TimeLine.Alignment)},
        {"TimeBold", B(D.TimeLine.Bold)},
        {"LocaleID", QString::number(D.LocaleID)},
        {"Offset", OffsetText(D.OffsetTime)},
        {"DateFormat", D.DateFormat.InEffect},
        {"TimeFormat", D.TimeFormat.InEffect},
        {"WorkingHours", HoursText(D.WorkingHours)},
    };
    for (const auto& [Key, Value] : Fields)
        if (Name == QLatin1String(Key))
            return Value;
    return u"<no such field>"_s;
}

// The window's state before loading: what a file without a key leaves alone
// (the face) and what every default must overwrite.
TClockData InitialWindow()
{
    TClockData D;
    D.Name = u"(new)"_s;
    D.NameLine.Bold = true;
    D.NameLine.FontSize = 26;
    D.NameLine.Alignment = LineAlignLeft;
    D.OffsetTime = 1.0 / 24;
    return D;
}

// A clock with text from several scripts, every style, alignment and a few
// colours without a name, in a locale that is not installed.
TClockData UnusualClock()
{
    TClockData D;
    D.Name = u"東京 🌍 القاهرة: \"x\""_s;
    D.OffsetTime = -(5 * 60 + 30) / 1440.0;
    D.LocaleID = 0x7FFF1234;
    D.NameLine = {u"Noto Sans CJK JP"_s, 31, true, true, true, true, 0x00123456, LineAlignLeft, false};
    D.DateLine = {u"نسخ"_s, 7, false, true, false, true, 0xFF000099, LineAlignRight, true};
    D.TimeLine = {u"Emoji 😀"_s, 99, true, false, true, false, 0x1FFFFFFF, LineAlignCenter, false};
    D.DateFormat.UseList = true;
    D.DateFormat.List = D.DateFormat.InEffect = u"yyyy年m月d日 (dddd) 🌸"_s;
    D.DateFormat.UseEdit = false;
    D.DateFormat.Edit = u"\"التاريخ\" dd/mm/yyyy"_s;
    D.TimeFormat.UseList = false;
    D.TimeFormat.UseEdit = true;
    D.TimeFormat.List = D.TimeFormat.InEffect = D.TimeFormat.Edit = u"hh時nn分ss秒 🌙"_s;
    return D;
}

} // namespace

class TestClockDataFile : public QObject {
    Q_OBJECT

private:
    TFakeLocaleDatabase Locales;
    QTemporaryDir Dir;

    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }
    void UseProcessLocale(LCID Locale)
    {
        Locales.SetThreadLocale(Locale);
        ProcessLocale::Init(Locales);
    }
    TClockData Load(const QString& Path, LCID DefaultLocale = 1033)
    {
        TClockData D = InitialWindow();
        ReadClockDataFile(Path, DefaultLocale, D);
        return D;
    }
    TClockData LoadText(const QString& Text)
    {
        const QString Path = PathOf(u"keys.dat"_s);
        WriteBytes(Path, Text.toUtf8());
        return Load(Path);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        Locales.InstallEnglish(1033);
        Locales.InstallEnglish(1041);
        Locales.SetItem(1041, LocaleItem::SSHORTDATE, u"yyyy/MM/dd"_s);
        Locales.InstallEnglish(2055);
        Locales.SetItem(2055, LocaleItem::SSHORTDATE, u"dd.MM.yyyy"_s);
        UseProcessLocale(1033);
    }

    void missingFileLoadsDefaults()
    {
        const TClockData D = Load(PathOf(u"absent.dat"_s), 1041);
        const QString ShortDate = TFormatSettings::Create(1041).ShortDateFormat;
        QVERIFY(ShortDate != TFormatSettings::Create(1033).ShortDateFormat);

        TClockData Expected;
        Expected.Name = u"MDI Child"_s;
        Expected.OffsetTime = 0;
        Expected.LocaleID = 1041;
        Expected.NameLine = {u"メイリオ"_s, 26, false, false, false, false, clBlack, LineAlignLeft, true};
        Expected.DateLine = {u"メイリオ"_s, 20, false, false, false, false, clBlack, LineAlignCenter, true};
        Expected.TimeLine = Expected.DateLine;
        Expected.DateFormat.UseList = true;
        Expected.DateFormat.List = Expected.DateFormat.Edit = Expected.DateFormat.InEffect = ShortDate;
        Expected.DateFormat.UseEdit = false;
        Expected.TimeFormat.UseList = true;
        Expected.TimeFormat.UseEdit = false;
        QCOMPARE(D, Expected);
    }

    void dateDefaultsFollowTheFilesLocale()
    {
        const TClockData D = LoadText(u"[NAME]\r\nLocaleID=2055\r\n"_s);
        QCOMPARE(D.LocaleID, LCID(2055));
        QCOMPARE(D.DateFormat.InEffect, TFormatSettings::Create(2055).ShortDateFormat);
        QVERIFY(D.DateFormat.InEffect != TFormatSettings::Create(1033).ShortDateFormat);
        QCOMPARE(D.DateFormat.Edit, D.DateFormat.InEffect);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("caption") << u"[NAME]\r\nCaption=Tokyo"_s << "Name" << u"Tokyo"_s;
        QTest::newRow("caption trimmed") << u"[NAME]\r\nCaption=  Tokyo \t"_s << "Name" << u"Tokyo"_s;
        QTest::newRow("caption empty") << u"[NAME]\r\nCaption="_s << "Name" << QString();
        QTest::newRow("names in other case") << u"[name]\r\ncAPTION=Oslo"_s << "Name" << u"Oslo"_s;
        QTest::newRow("face") << u"[NAME]\r\nFontName=Arial"_s << "NameFace" << u"Arial"_s;
        QTest::newRow("empty face keeps face") << u"[NAME]\r\nFontName="_s << "NameFace" << u"メイリオ"_s;
        QTest::newRow("size in hex") << u"[NAME]\r\nFontSize=$10"_s << "NameSize" << u"16"_s;
        QTest::newRow("size no number") << u"[NAME]\r\nFontSize=big"_s << "NameSize" << u"26"_s;
        QTest::newRow("date size default") << u"[NAME]\r\n"_s << "DateSize" << u"20"_s;
        QTest::newRow("bold 1") << u"[NAME]\r\nFontStyleBold=1"_s << "NameBold" << u"1"_s;
        QTest::newRow("bold -1") << u"[NAME]\r\nFontStyleBold=-1"_s << "NameBold" << u"1"_s;
        QTest::newRow("bold True") << u"[NAME]\r\nFontStyleBold=True"_s << "NameBold" << u"0"_s;
        QTest::newRow("bold absent") << u"[NAME]\r\n"_s << "NameBold" << u"0"_s;
        QTest::newRow("italic") << u"[NAME]\r\nFontStyleItalic=1"_s << "NameItalic" << u"1"_s;
        QTest::newRow("underline") << u"[NAME]\r\nFontStyleUnderLine=1"_s << "NameUnderline" << u"1"_s;
        QTest::newRow("strikeout") << u"[NAME]\r\nFontStyleStrikeOut=1"_s << "NameStrikeOut" << u"1"_s;
        QTest::newRow("time bold") << u"[TIME]\r\nFontStyleBold=1"_s << "TimeBold" << u"1"_s;
        QTest::newRow("colour name") << u"[NAME]\r\nFontColor=clRed"_s << "NameColor" << u"ff"_s;
        QTest::newRow("colour #RGB") << u"[NAME]\r\nFontColor=#abc"_s << "NameColor" << u"ccbbaa"_s;
        QTest::newRow("colour no colour") << u"[NAME]\r\nFontColor=reddish"_s << "NameColor" << u"0"_s;
        QTest::newRow("colour empty") << u"[NAME]\r\nFontColor="_s << "NameColor" << u"0"_s;
        QTest::newRow("alignment right") << u"[NAME]\r\nAlignment=1"_s << "NameAlign" << u"1"_s;
        QTest::newRow("alignment 3") << u"[NAME]\r\nAlignment=3"_s << "NameAlign" << u"0"_s;
        QTest::newRow("alignment -1") << u"[NAME]\r\nAlignment=-1"_s << "NameAlign" << u"0"_s;
        QTest::newRow("date alignment 7") << u"[DATE]\r\nAlignment=7"_s << "DateAlign" << u"2"_s;
        QTest::newRow("date alignment left") << u"[DATE]\r\nAlignment=0"_s << "DateAlign" << u"0"_s;
        QTest::newRow("time alignment default") << u"[TIME]\r\n"_s << "TimeAlign" << u"2"_s;
        QTest::newRow("seFont 0") << u"[NAME]\r\nseFont=0"_s << "NameSeFont" << u"0"_s;
        QTest::newRow("seFont True") << u"[NAME]\r\nseFont=True"_s << "NameSeFont" << u"1"_s;
        QTest::newRow("date seFont 0") << u"[DATE]\r\nseFont=0"_s << "DateSeFont" << u"0"_s;
        QTest::newRow("locale in hex") << u"[NAME]\r\nLocaleID=$411"_s << "LocaleID" << u"1041"_s;
        QTest::newRow("edit format in effect")
            << u"[DATE]\r\nUseFormatList=0\r\nListFormat=yy\r\nEditFormat=dddd"_s << "DateFormat" << u"dddd"_s;
        QTest::newRow("list format in effect")
            << u"[DATE]\r\nUseFormatList=1\r\nListFormat=yy\r\nEditFormat=dddd"_s << "DateFormat" << u"yy"_s;
        QTest::newRow("time list absent") << u"[TIME]\r\nUseFormatList=1\r\nEditFormat=hh"_s << "TimeFormat" << QString();
        QTest::newRow("time edit in effect") << u"[TIME]\r\nUseFormatList=0\r\nEditFormat=hh"_s << "TimeFormat" << u"hh"_s;
    }

    void keys()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(Field(LoadText(text), field), expected);
    }

    void offsets_data()
    {
        QTest::addColumn<QString>("stored"); // "<absent>": no Offset key
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tag");

        QTest::newRow("+0900") << u"+0900"_s << 540 << u"+0900"_s << 900;
        QTest::newRow("-0530") << u"-0530"_s << -330 << u"-0530"_s << -530;
        QTest::newRow("+0030") << u"+0030"_s << 30 << u"+0030"_s << 30;
        QTest::newRow("+2359") << u"+2359"_s << 1439 << u"+2359"_s << 2359;
        QTest::newRow("-2359") << u"-2359"_s << -1439 << u"-2359"_s << -2359;
        QTest::newRow("default text") << u" 0000"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("absent") << u"<absent>"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("empty") << QString() << 0 << u"+0000"_s << 0;
        QTest::newRow("negative zero") << u"-0000"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("other first character") << u"x0130"_s << 90 << u"+0130"_s << 130;
        QTest::newRow("no sign: 90 hours") << u"0900"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("hours 24") << u"+2400"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("minutes 60") << u"+0960"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("negative hour pair") << u"+-100"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("negative minute pair") << u"+01-1"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("minutes past the end") << u"+09"_s << 540 << u"+0900"_s << 900;
        QTest::newRow("one character") << u"-"_s << 0 << u"+0000"_s << 0;
        QTest::newRow("hours no number") << u"+ab30"_s << 30 << u"+0030"_s << 30;
    }

    void offsets()
    {
        QFETCH(QString, stored);
        QFETCH(int, minutes);
        QFETCH(QString, caption);
        QFETCH(int, tag);
        const QString Text = stored == u"<absent>"_s ? u"[NAME]\r\n"_s : u"[NAME]\r\nOffset="_s + stored;
        const TClockData D = LoadText(Text);
        QCOMPARE(qRound(D.OffsetTime * 1440), minutes);
        QCOMPARE(D.OffsetTime * 1440, double(minutes));
        QCOMPARE(OffsetText(D.OffsetTime), caption);
        QCOMPARE(OffsetTag(D.OffsetTime), tag);
    }

    void writerKeyOrderAndSpelling()
    {
        TClockData D;
        D.Name = u"Tokyo: 東京"_s;
        D.OffsetTime = -330 / 1440.0;
        D.LocaleID = 1041;
        D.NameLine = {u"メイリオ"_s, 26, true, true, true, true, clWindowText, LineAlignLeft, true};
        D.DateLine = {u"Arial"_s, 20, false, false, false, false, 0x00123456, LineAlignCenter, false};
        D.TimeLine = {u"Noto Sans"_s, 20, false, true, false, false, clNone, LineAlignRight, true};
        D.DateFormat.UseList = false;
        D.DateFormat.List = u"yyyy/mm/dd"_s;
        D.DateFormat.UseEdit = true;
        D.DateFormat.Edit = D.DateFormat.InEffect = u"yyyy"_s;
        D.TimeFormat.UseList = true;
        D.TimeFormat.List = D.TimeFormat.InEffect = u"hh:nn:ss"_s;
        D.TimeFormat.UseEdit = false;

        const QString Path = ClockDataFileName(Dir.path(), D.Name);
        const TDateTime Moment = 45953.5; // 2025-10-23 12:00
        WriteClockDataFile(Path, D, OffsetText(D.OffsetTime), Moment);

        QString Expected = QString::fromUtf8(ReadBytes(QStringLiteral(PENDULOR_TEST_DATA "/clock_written.dat")));
        Expected.replace(u"{FilePath}"_s, QDir::toNativeSeparators(Dir.path()));
        Expected.replace(u"{LastClose}"_s, RenderDateTime(u"", Moment, ProcessLocale::SystemSettings()));
        QCOMPARE(QString::fromUtf8(ReadBytes(Path)), Expected);
        QCOMPARE(ReadBytes(Path), Expected.toUtf8());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("existing"); // the file the writer replaces
        QTest::addColumn<QByteArray>("mark");

        const QString Old = u"[OLD]\r\nx=古い\r\n"_s;
        QTest::newRow("new file: utf-8") << QByteArray() << QByteArray();
        QTest::newRow("utf-8") << Old.toUtf8() << QByteArray();
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + Old.toUtf8() << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("utf-16 le") << Utf16(Old, false) << QByteArray("\xFF\xFE");
        QTest::newRow("utf-16 be") << Utf16(Old, true) << QByteArray("\xFE\xFF");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, mark);
        const TClockData Clock = UnusualClock();
        const QString Path = ClockDataFileName(Dir.path(), u"round %1"_s.arg(QTest::currentDataTag()));
        QFile::remove(Path);
        if (!existing.isEmpty())
            WriteBytes(Path, existing);

        WriteClockDataFile(Path, Clock, OffsetText(Clock.OffsetTime), 45953.5);
        const QByteArray Bytes = ReadBytes(Path);
        QVERIFY(Bytes.startsWith(mark));
        QVERIFY(!Bytes.contains("OLD") && !Bytes.contains(QByteArray("O\0L\0D", 5)) && !Bytes.contains(QByteArray("\0O\0L\0D", 6)));
        if (mark.isEmpty())
            QVERIFY(Bytes.startsWith("[FILE]\r\n"));

        QCOMPARE(Load(Path), Clock);
    }

    void customFormatIsSavedAsListFormat()
    {
        TClockData Clock = UnusualClock();
        Clock.DateFormat.UseList = false;
        Clock.DateFormat.UseEdit = true;
        Clock.DateFormat.List = u"yyyy/mm/dd"_s;
        Clock.DateFormat.Edit = Clock.DateFormat.InEffect = u"yyyy"_s;
        const QString Path = PathOf(u"custom.dat"_s);
        WriteClockDataFile(Path, Clock, u"+0000"_s, 0);
        const TClockData Back = Load(Path);
        QCOMPARE(Back.DateFormat.List, u"yyyy"_s);
        QCOMPARE(Back.DateFormat.InEffect, u"yyyy"_s);
        QCOMPARE(Back.DateFormat.UseList, false);
    }

    // An edit that empties the custom format shows the locale's short format
    // (line 0 of the dialog's list); a restart must show the same, while a
    // file whose list format is absent keeps the empty format ("c").
    void emptyCustomFormatShowsTheShortFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dateInEffect"); // "short": the locale's short date
        QTest::addColumn<QString>("timeInEffect"); // "short": the locale's short time

        QTest::newRow("emptied custom date")
            << u"[NAME]\r\nLocaleID=1041\r\n[DATE]\r\nUseFormatList=0\r\nListFormat=yyyy/mm/dd\r\nUseFormatEdit=1\r\nEditFormat=\r\n"_s
            << u"short"_s << QString();
        QTest::newRow("emptied custom time")
            << u"[NAME]\r\nLocaleID=1041\r\n[TIME]\r\nUseFormatList=0\r\nListFormat=h:mm\r\nUseFormatEdit=1\r\nEditFormat=  \r\n"_s
            << u"short"_s << u"short"_s;
        QTest::newRow("custom time without key")
            << u"[NAME]\r\nLocaleID=1033\r\n[TIME]\r\nUseFormatList=0\r\n"_s << u"short"_s << u"short"_s;
        QTest::newRow("list time absent stays empty")
            << u"[NAME]\r\nLocaleID=1033\r\n[TIME]\r\nUseFormatList=1\r\n"_s << u"short"_s << QString();
        QTest::newRow("custom kept") << u"[NAME]\r\nLocaleID=1033\r\n[TIME]\r\nUseFormatList=0\r\nEditFormat=hh"_s
                                     << u"short"_s << u"hh"_s;
    }

    void emptyCustomFormatShowsTheShortFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, dateInEffect);
        QFETCH(QString, timeInEffect);
        const TClockData D = LoadText(text);
        const TFormatSettings S = TFormatSettings::Create(D.LocaleID);
        QVERIFY(!S.ShortDateFormat.isEmpty() && !S.ShortTimeFormat.isEmpty());
        QCOMPARE(D.DateFormat.InEffect, dateInEffect == u"short"_s ? S.ShortDateFormat : dateInEffect);
        QCOMPARE(D.TimeFormat.InEffect, timeInEffect == u"short"_s ? S.ShortTimeFormat : timeInEffect);

        // Written back, the file holds what it held after the edit.
        TIniFile Ini = TIniFile::FromText(PathOf(u"emptied.dat"_s), QStringView(), TTextEncoding{});
        WriteClockData(Ini, D, u"+0000"_s, 0);
        QCOMPARE(Ini.ReadString(u"TIME", u"ListFormat", u"<absent>"_s), D.TimeFormat.InEffect);
        QCOMPARE(Ini.ReadBool(u"TIME", u"UseFormatList", true), D.TimeFormat.UseList);
    }

    void namesAndFormatsLoseOuterBlanks()
    {
        TClockData Clock = UnusualClock();
        Clock.Name = u"  Tokyo \t"_s;
        Clock.DateFormat.List = Clock.DateFormat.InEffect = u" yyyy "_s;
        const QString Path = PathOf(u"blanks.dat"_s);
        WriteClockDataFile(Path, Clock, u"+0000"_s, 0);
        const TClockData Back = Load(Path);
        QCOMPARE(Back.Name, u"Tokyo"_s);
        QCOMPARE(Back.DateFormat.InEffect, u"yyyy"_s);
    }

    void legacyCodePageFiles_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("processLocale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QByteArray>("nameLine"); // NAME/Caption as stored

        QTest::newRow("cp932 on a Japanese PC")
            << u"clock_cp932.dat"_s << 1041 << u"東京の時計"_s << u"ＭＳ ゴシック"_s << u"ggge年m月d日(ddd)"_s
            << u"hh時nn分ss秒"_s << QByteArray("Caption=\x93\x8C\x8B\x9E\x82\xCC\x8E\x9E\x8C\x76\r\n");
        QTest::newRow("cp1252 on an English PC")
            << u"clock_cp1252.dat"_s << 1033 << u"Zürich – Café €"_s << u"Segoe UI"_s << u"dddd, d. mmmm yyyy"_s
            << u"hh:nn:ss «Ortszeit»"_s << QByteArray("Caption=Z\xFCrich \x96 Caf\xE9 \x80\r\n");
    }

    void legacyCodePageFiles()
    {
        QFETCH(QString, fixture);
        QFETCH(int, processLocale);
        QFETCH(QString, name);
        QFETCH(QString, face);
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(QByteArray, nameLine);
        UseProcessLocale(LCID(processLocale));
        auto Restore = qScopeGuard([this] { UseProcessLocale(1033); });

        const QByteArray Original = ReadBytes(QStringLiteral(PENDULOR_TEST_DATA "/") + fixture);
        QVERIFY(Original.contains(nameLine));
        const QString Path = PathOf(fixture);
        WriteBytes(Path, Original);

        const TClockData D = Load(Path);
        QCOMPARE(D.Name, name);
        QCOMPARE(D.NameLine.FontName, face);
        QCOMPARE(D.DateFormat.InEffect, dateFormat);
        QCOMPARE(D.TimeFormat.InEffect, timeFormat);

        // Saved unchanged, the file stays in its code page.
        WriteClockDataFile(Path, D, OffsetText(D.OffsetTime), 45953.5);
        const QByteArray Kept = ReadBytes(Path);
        QVERIFY(Kept.contains(nameLine));
        QVERIFY(!Kept.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(Load(Path), D);

        // A character the code page lacks moves it to UTF-8 with a mark.
        TClockData Changed = D;
        Changed.TimeLine.FontName = u"Arial 🌍"_s;
        WriteClockDataFile(Path, Changed, OffsetText(D.OffsetTime), 45953.5);
        const QByteArray Moved = ReadBytes(Path);
        QVERIFY(Moved.startsWith("\xEF\xBB\xBF[FILE]\r\n"));
        QVERIFY(Moved.contains(u"Caption=%1\r\n"_s.arg(name).toUtf8()));
        QCOMPARE(Load(Path), Changed);
    }

    void timeZoneKey_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::newRow("known") << u"America/New_York"_s;
        QTest::newRow("unknown to the database") << u"Mars/Olympus_Mons"_s;
    }

    // The zone is the last key of NAME, and comes back as written.
    void timeZoneKey()
    {
        QFETCH(QString, zone);
        TClockData Clock = UnusualClock();
        Clock.TimeZone = zone;
        Clock.OffsetTime = -14 / 24.0;
        const QString Path = PathOf(u"zone.dat"_s);
        WriteClockDataFile(Path, Clock, OffsetText(Clock.OffsetTime), 45953.5);
        const QByteArray Bytes = ReadBytes(Path);
        QVERIFY2(Bytes.contains(u"Offset=-1400\r\nTimeZone=%1\r\n\r\n[DATE]"_s.arg(zone).toUtf8()), Bytes.constData());
        QCOMPARE(Load(Path), Clock);
    }

    // A clock without a zone writes exactly what it wrote before zones
    // existed, and reads back the same.
    void fileWithoutZoneKeepsItsBytes()
    {
        const QString Path = PathOf(u"no zone.dat"_s);
        TClockData Clock = UnusualClock();
        WriteClockDataFile(Path, Clock, u"-0530"_s, 45953.5);
        const QByteArray First = ReadBytes(Path);
        QVERIFY(!First.contains("TimeZone"));
        const TClockData Back = Load(Path);
        QVERIFY(Back.TimeZone.isEmpty());
        WriteClockDataFile(Path, Back, u"-0530"_s, 45953.5);
        QCOMPARE(ReadBytes(Path), First);
    }

    // Own working hours follow TimeZone (or Offset for a fixed-offset
    // clock), Monday first, and come back as written.
    void workingHoursKeys_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<TWorkingHours>("hours");
        QTest::addColumn<QString>("expected"); // the keys from Offset to the end of NAME

        QTest::newRow("zone clock")
            << u"Asia/Riyadh"_s << TWorkingHours{9 * 60 + 30, 18 * 60, 0x47}
            << u"Offset=-1400\r\nTimeZone=Asia/Riyadh\r\nWorkHours=09:30-18:00\r\nWorkDays=Mon,Tue,Wed,Sun\r\n\r\n[DATE]"_s;
        QTest::newRow("fixed offset, a night shift")
            << QString() << TWorkingHours{22 * 60, 6 * 60 + 5, 0x3F}
            << u"Offset=-1400\r\nWorkHours=22:00-06:05\r\nWorkDays=Mon,Tue,Wed,Thu,Fri,Sat\r\n\r\n[DATE]"_s;
        QTest::newRow("from midnight round the clock")
            << u"Europe/Berlin"_s << TWorkingHours{0, 0, 0x40}
            << u"Offset=-1400\r\nTimeZone=Europe/Berlin\r\nWorkHours=00:00-00:00\r\nWorkDays=Sun\r\n\r\n[DATE]"_s;
    }
    void workingHoursKeys()
    {
        QFETCH(QString, zone);
        QFETCH(TWorkingHours, hours);
        QFETCH(QString, expected);
        TClockData Clock = UnusualClock();
        Clock.TimeZone = zone;
        Clock.OffsetTime = -14 / 24.0;
        Clock.WorkingHours = hours;
        const QString Path = PathOf(u"hours.dat"_s);
        WriteClockDataFile(Path, Clock, OffsetText(Clock.OffsetTime), 45953.5);
        const QByteArray Bytes = ReadBytes(Path);
        QVERIFY2(Bytes.contains(expected.toUtf8()), Bytes.constData());
        QCOMPARE(Load(Path), Clock);
    }

    // Damaged hours are the default; the rest of the file loads as ever.
    void workingHoursRead_data()
    {
        QTest::addColumn<QString>("keys"); // lines of NAME after Caption
        QTest::addColumn<QString>("hours");

        const auto Keys = [](const QString& Hours, const QString& Days) {
            return u"WorkHours="_s + Hours + u"\r\nWorkDays="_s + Days;
        };
        QTest::newRow("own hours") << Keys(u"09:30-18:00"_s, u"Mon,Tue,Wed,Thu,Fri"_s) << u"570-1080 Mon,Tue,Wed,Thu,Fri"_s;
        QTest::newRow("a night shift") << Keys(u"22:00-06:00"_s, u"Sun"_s) << u"1320-360 Sun"_s;
        QTest::newRow("one-digit hours") << Keys(u"9:05-17:30"_s, u"Fri"_s) << u"545-1050 Fri"_s;
        QTest::newRow("blanks, letter case, any order")
            << Keys(u"08:00 - 16:00"_s, u"sun , SAT,Mon"_s) << u"480-960 Mon,Sat,Sun"_s;
        QTest::newRow("keys in other case") << u"workhours=10:00-11:00\r\nWORKDAYS=Wed"_s << u"600-660 Wed"_s;
        QTest::newRow("hours 25 and no end") << Keys(u"25:00-99"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("24:00") << Keys(u"09:00-24:00"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("minute 60") << Keys(u"09:60-17:00"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("seconds") << Keys(u"09:00:00-17:00:00"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("a word after") << Keys(u"09:00-17:00 CET"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("full-width digits") << Keys(u"０９:００-17:00"_s, u"Mon"_s) << u"default"_s;
        QTest::newRow("hours empty") << Keys(QString(), u"Mon"_s) << u"default"_s;
        QTest::newRow("Funday") << Keys(u"09:00-17:00"_s, u"Funday"_s) << u"default"_s;
        QTest::newRow("one day of two unknown") << Keys(u"09:00-17:00"_s, u"Mon,Funday"_s) << u"default"_s;
        QTest::newRow("an empty day") << Keys(u"09:00-17:00"_s, u"Mon,,Tue"_s) << u"default"_s;
        QTest::newRow("days empty") << Keys(u"09:00-17:00"_s, QString()) << u"default"_s;
        QTest::newRow("full day names") << Keys(u"09:00-17:00"_s, u"Monday"_s) << u"default"_s;
        QTest::newRow("hours without days") << u"WorkHours=09:00-17:00"_s << u"default"_s;
        QTest::newRow("days without hours") << u"WorkDays=Mon"_s << u"default"_s;
        QTest::newRow("neither") << QString() << u"default"_s;
    }
    void workingHoursRead()
    {
        QFETCH(QString, keys);
        QFETCH(QString, hours);
        const TClockData D = LoadText(u"[NAME]\r\nCaption=Riyadh\r\n"_s + keys + u"\r\nLocaleID=1041\r\n"_s
                                      u"[DATE]\r\nFontSize=31\r\n"_s);
        QCOMPARE(Field(D, u"WorkingHours"_s), hours);
        QCOMPARE(D.Name, u"Riyadh"_s);
        QCOMPARE(D.LocaleID, LCID(1041));
        QCOMPARE(D.DateLine.FontSize, 31);
    }

    // Hours the dialog cannot give (no day at all) are not written: they
    // would read back as the default anyway.
    void unworkableHoursAreNotWritten()
    {
        TClockData Clock = UnusualClock();
        Clock.WorkingHours = TWorkingHours{9 * 60, 17 * 60, 0};
        const QString Path = PathOf(u"no days.dat"_s);
        WriteClockDataFile(Path, Clock, u"-0530"_s, 45953.5);
        QVERIFY(!ReadBytes(Path).contains("Work"));
        QVERIFY(!Load(Path).WorkingHours);
    }

    // A file written before working hours existed reads without them and is
    // written back byte for byte.
    void fileOfBeforeKeepsItsBytes()
    {
        const TDateTime Moment = 45953.5;
        QString Text = QString::fromUtf8(ReadBytes(QStringLiteral(PENDULOR_TEST_DATA "/clock_written.dat")));
        Text.replace(u"{FilePath}"_s, QDir::toNativeSeparators(Dir.path()));
        Text.replace(u"{LastClose}"_s, RenderDateTime(u"", Moment, ProcessLocale::SystemSettings()));
        const QString Path = PathOf(u"Tokyo： 東京.dat"_s);
        WriteBytes(Path, Text.toUtf8());

        const TClockData D = Load(Path);
        QVERIFY(!D.WorkingHours);
        WriteClockDataFile(Path, D, u"-0530"_s, Moment);
        QCOMPARE(ReadBytes(Path), Text.toUtf8());
    }

    void storedOffset_data()
    {
        QTest::addColumn<int>("minutes"); // the clock's offset from this PC
        QTest::addColumn<QString>("stored");
        QTest::newRow("nine ahead") << 9 * 60 << u"+0900"_s;
        QTest::newRow("fourteen behind") << -14 * 60 << u"-1400"_s;
        QTest::newRow("23:59 ahead, the most Offset holds") << 23 * 60 + 59 << u"+2359"_s;
        QTest::newRow("23:59 behind") << -(23 * 60 + 59) << u"-2359"_s;
        QTest::newRow("a whole day ahead") << 24 * 60 << u"+0000"_s;
        QTest::newRow("25 hours behind") << -25 * 60 << u"+0000"_s;
        QTest::newRow("Kiritimati from Pago Pago") << 25 * 60 << u"+0000"_s;
    }

    // A zone clock far from this PC stores the key's default rather than a
    // value older readers refuse.
    void storedOffset()
    {
        QFETCH(int, minutes);
        QFETCH(QString, stored);
        TClockData Clock = UnusualClock();
        Clock.TimeZone = u"Pacific/Kiritimati"_s;
        Clock.OffsetTime = minutes / 1440.0;
        const QString Path = PathOf(u"offset.dat"_s);
        WriteClockDataFile(Path, Clock, OffsetText(Clock.OffsetTime), 0);
        QVERIFY(ReadBytes(Path).contains((u"\r\nOffset="_s + stored + u"\r\n"_s).toUtf8()));
    }

    void unreadableFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: a folder
        QTest::newRow("folder") << QByteArray();
        QTest::newRow("odd utf-16") << QByteArray("\xFF\xFE[\0N\0A\0M\0E\0]\0\r", 15);
        QTest::newRow("lone surrogate") << Utf16(u"[NAME]\r\nCaption=x"_s, false) + QByteArray("\x00\xD8", 2);
    }

    void unreadableFileIsRefused()
    {
        QFETCH(QByteArray, bytes);
        const QString Path = PathOf(u"refused %1.dat"_s.arg(QTest::currentDataTag()));
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(Path));
        else
            WriteBytes(Path, bytes);
        TClockData D = InitialWindow();
        QString Message;
        try {
            ReadClockDataFile(Path, 1033, D);
        } catch (const EPendulorError& E) {
            Message = E.Message();
        }
        QVERIFY2(Message.startsWith(u"Cannot read file \"%1\"."_s.arg(Path)), qPrintable(Message));
        QCOMPARE(D, InitialWindow());
    }

    void failedWriteNamesThePath()
    {
        WriteBytes(PathOf(u"notafolder"_s), "x");
        const QString Path = PathOf(u"notafolder/Tokyo.dat"_s);
        QString Message;
        try {
            WriteClockDataFile(Path, UnusualClock(), u"+0000"_s, 0);
        } catch (const EPendulorError& E) {
            Message = E.Message();
        }
        QVERIFY2(Message.contains(Path) && Message.contains(u"Not a directory"_s), qPrintable(Message));
        QCOMPARE(ReadBytes(PathOf(u"notafolder"_s)), QByteArray("x"));
    }

    void normalizeFileChar1_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all nine") << u"a\\b/c:d*e?f\"g<h>i|j"_s << u"a￥b／c：d＊e？f”g＜h＞i｜j"_s;
        QTest::newRow("repeated") << u"::"_s << u"：："_s;
        QTest::newRow("others stay") << u"Tokyo 東京 (+9) 🌍.x'"_s << u"Tokyo 東京 (+9) 🌍.x'"_s;
        QTest::newRow("control characters stay") << u"a\tb"_s << u"a\tb"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void normalizeFileChar1()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(NormalizeFileChar1(name), expected);
    }

    void dataFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << u"Tokyo"_s << u"Tokyo.dat"_s;
        QTest::newRow("empty") << QString() << u"(new).dat"_s;
        QTest::newRow("new clock") << u"(new)"_s << u"(new).dat"_s;
        QTest::newRow("colon") << u"UTC: London"_s << u"UTC： London.dat"_s;
        QTest::newRow("slash stays in the folder") << u"../up"_s << u"..／up.dat"_s;
        QTest::newRow("tab") << u"a\tb"_s << u"ERRORNAME.dat"_s;
        QTest::newRow("nul") << u"a"_s + QChar(0) << u"ERRORNAME.dat"_s;
        QTest::newRow("unit separator") << u"a\x1F"_s << u"ERRORNAME.dat"_s;
        QTest::newRow("delete is allowed") << u"a\x7F"_s << u"a\x7F.dat"_s;
    }

    void dataFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(ClockDataFileName(u"/data/clocks"_s, name), u"/data/clocks/"_s + file);
    }

    void openedFileNamesPointIntoTheDataFolder()
    {
        QCOMPARE(OpenedDataFileName(u"/data"_s, u"/elsewhere/My.Clock.DAT"_s), u"/data/My.Clock"_s);
        QCOMPARE(OpenedDataFileName(u"/data"_s, u"relative.dat"_s), u"/data/relative"_s);
    }
};

QTEST_GUILESS_MAIN(TestClockDataFile)
#include "TestClockDataFile.moc"
