#include "app/data/FrameSettingsFile.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "unit/doubles/FileBytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const TFrameDefaults Screen{{1200, 900}, {2400, 900}, u"Pendulor"_s};

TFrameSettings FromText(const QString& Text)
{
    return ReadFrameSettings(TIniFile::FromText(u"x.ini"_s, Text, TTextEncoding{}), Screen);
}

QString B(bool V) { return V ? u"1"_s : u"0"_s; }

// One field as text, so that a table can name what it checks.
QString Field(const TFrameSettings& S, const QString& Name)
{
    const std::pair<const char*, QString> Fields[] = {
        {"Bounds", u"%1,%2 %3x%4"_s.arg(S.Bounds.left()).arg(S.Bounds.top()).arg(S.Bounds.width()).arg(S.Bounds.height())},
        {"ShowTitleBar", B(S.ShowTitleBar)},
        {"ShowMenuBar", B(S.ShowMenuBar)},
        {"ShowTabs", B(S.ShowTabs)},
        {"ShowCloseButton", B(S.ShowCloseButton)},
        {"StayOnTop", B(S.StayOnTop)},
        {"LastTileMode", QString::number(S.LastTileMode)},
        {"AlphaBlendValue", QString::number(S.AlphaBlendValue)},
        {"Caption", S.Caption},
        {"StyleName", S.StyleName},
        {"ShowTimeSlider", B(S.ShowTimeSlider)},
        {"ClockFiles", S.ClockFiles.join(u'|')},
    };
    for (const auto& [Key, Value] : Fields)
        if (Name == QLatin1String(Key))
            return Value;
    return u"<no such field>"_s;
}

const QString Stamp = u"[PROGRAM]\r\nName=Pendulor\r\nPath=/opt/p\r\nVersion=V1.2\r\nIniFile=%1\r\n"
                      u"LastClose=2026/12/10 9:05:07\r\n\r\n"_s;

TProgramStamp ProgramStamp(const QString& IniFile)
{
    return {u"Pendulor"_s, u"/opt/p"_s, u"V1.2"_s, IniFile, u"2026/12/10 9:05:07"_s};
}

} // namespace

class TestFrameSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEachKeyOrItsDefault_data();
    void readsEachKeyOrItsDefault();
    void layoutOfTheSavedTileMode_data();
    void layoutOfTheSavedTileMode();
    void writesTheFileInItsFixedOrder();
    void roundTripKeepsEveryValue();
    void rewriteKeepsTheByteOrderMark();
    void unreadableAndUnwritableFilesThrow();
};

void TestFrameSettings::readsEachKeyOrItsDefault_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    // Work area 1200 x 900: a third is 400 x 300, centred at 400, 300.
    QTest::newRow("empty: a third of the work area, centred") << "" << "Bounds" << "400,300 400x300";
    QTest::newRow("empty: title bar") << "" << "ShowTitleBar" << "1";
    QTest::newRow("empty: menu bar") << "" << "ShowMenuBar" << "1";
    QTest::newRow("empty: no tabs") << "" << "ShowTabs" << "0";
    QTest::newRow("empty: no close buttons") << "" << "ShowCloseButton" << "0";
    QTest::newRow("empty: not on top") << "" << "StayOnTop" << "0";
    QTest::newRow("empty: cascade") << "" << "LastTileMode" << "-1";
    QTest::newRow("empty: opaque") << "" << "AlphaBlendValue" << "255";
    QTest::newRow("empty: caption") << "" << "Caption" << "Pendulor";
    QTest::newRow("empty: style") << "" << "StyleName" << "Windows";
    QTest::newRow("empty: no clocks") << "" << "ClockFiles" << "";
    QTest::newRow("empty: no time slider") << "" << "ShowTimeSlider" << "0";

    QTest::newRow("stored bounds") << "[POSITION]\nLeft=-50\nTop=20\nWidth=640\nHeight=480"
                                   << "Bounds" << "-50,20 640x480";
    QTest::newRow("only a width: centred with it")
        << "[POSITION]\nWidth=800" << "Bounds" << "200,300 800x300";
    QTest::newRow("hex and blanks") << "[POSITION]\nWidth= 0x200 \nHeight=$100"
                                    << "Bounds" << "344,322 512x256";
    QTest::newRow("not a number takes the default") << "[POSITION]\nWidth=abc" << "Bounds" << "400,300 400x300";
    QTest::newRow("tiny size grows to the minimum") << "[POSITION]\nWidth=3\nHeight=-7\nLeft=0\nTop=0"
                                                    << "Bounds" << "0,0 120x60";
    QTest::newRow("huge size shrinks to the desktop") << "[POSITION]\nWidth=99999\nHeight=99999\nLeft=0\nTop=0"
                                                      << "Bounds" << "0,0 2400x900";
    QTest::newRow("far positions are limited") << "[POSITION]\nLeft=-99999\nTop=77777"
                                               << "Bounds" << "-30000,30000 400x300";

    QTest::newRow("title bar off") << "[OPTION]\nShowTitleBar=0" << "ShowTitleBar" << "0";
    QTest::newRow("any non-zero number is true") << "[OPTION]\nShowTabs=-3" << "ShowTabs" << "1";
    QTest::newRow("a bool that is no number: default") << "[OPTION]\nShowMenuBar=no" << "ShowMenuBar" << "1";
    QTest::newRow("names ignore case") << "[option]\nstayontop=1" << "StayOnTop" << "1";
    QTest::newRow("close buttons") << "[OPTION]\nShowCloseButton=1" << "ShowCloseButton" << "1";
    QTest::newRow("vertical tiling") << "[OPTION]\nLastTileMode=1" << "LastTileMode" << "1";
    QTest::newRow("odd tile mode kept as read") << "[OPTION]\nLastTileMode=7" << "LastTileMode" << "7";
    QTest::newRow("opacity's low 8 bits") << "[OPTION]\nAlphaBlendValue=0x1C8" << "AlphaBlendValue" << "200";
    QTest::newRow("negative opacity's low 8 bits") << "[OPTION]\nAlphaBlendValue=-1" << "AlphaBlendValue" << "255";
    QTest::newRow("empty caption stays empty") << "[OPTION]\nCaption=" << "Caption" << "";
    QTest::newRow("caption") << "[OPTION]\nCaption= World  Clock " << "Caption" << "World  Clock";
    QTest::newRow("time slider") << "[OPTION]\nTimeSlider=1" << "ShowTimeSlider" << "1";
    QTest::newRow("time slider off") << "[OPTION]\nTimeSlider=0" << "ShowTimeSlider" << "0";
    QTest::newRow("unknown style name is kept") << "[OPTION]\nStyleName=Nowhere" << "StyleName" << "Nowhere";
    QTest::newRow("clock files in their order, whatever the keys")
        << "[DATAFILE]\nFileName1=/b.dat\nX=/a.dat" << "ClockFiles" << "/b.dat|/a.dat";
}

void TestFrameSettings::readsEachKeyOrItsDefault()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(Field(FromText(text), field), expected);
}

void TestFrameSettings::layoutOfTheSavedTileMode_data()
{
    QTest::addColumn<int>("saved");
    QTest::addColumn<TRememberedLayout>("layout");
    QTest::addColumn<int>("tileMode");
    QTest::addColumn<int>("writtenBack");
    QTest::newRow("cascade") << -1 << TRememberedLayout::Cascade << 1 << -1;
    QTest::newRow("horizontal") << 0 << TRememberedLayout::TileHorizontal << 0 << 0;
    QTest::newRow("vertical") << 1 << TRememberedLayout::TileVertical << 1 << 1;
    // Nothing remembered: the frame's tile mode is written.
    QTest::newRow("two") << 2 << TRememberedLayout::None << 0 << 0;
    QTest::newRow("minus two") << -2 << TRememberedLayout::None << 1 << 1;
}

void TestFrameSettings::layoutOfTheSavedTileMode()
{
    QFETCH(int, saved);
    QFETCH(TRememberedLayout, layout);
    QFETCH(int, tileMode);
    QFETCH(int, writtenBack);
    QCOMPARE(LayoutOfSavedTileMode(saved), layout);
    QCOMPARE(SavedTileModeOf(layout, tileMode), writtenBack);
}

void TestFrameSettings::writesTheFileInItsFixedOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Pendulor.ini"_s);
    WriteBytes(path, "[OPTION]\r\nHandAdded=1\r\n"); // replaced, not merged
    TFrameSettings s;
    s.Bounds = QRect(10, -20, 640, 480);
    s.ShowMenuBar = false;
    s.StayOnTop = true;
    s.LastTileMode = 1;
    s.AlphaBlendValue = 128;
    s.Caption = u"World"_s;
    s.StyleName = u"Amethyst Kamri"_s;
    s.ClockFiles = {u"/d/Tokyo.dat"_s, u"/d/(new).dat"_s};
    WriteFrameSettingsFile(path, s, ProgramStamp(path));
    const QString expected = Stamp.arg(path) +
        u"[POSITION]\r\nWidth=640\r\nHeight=480\r\nLeft=10\r\nTop=-20\r\n\r\n"
        u"[OPTION]\r\nShowTitleBar=1\r\nShowMenuBar=0\r\nShowCloseButton=0\r\nStayOnTop=1\r\n"
        u"LastTileMode=1\r\nAlphaBlendValue=128\r\nCaption=World\r\nStyleName=Amethyst Kamri\r\n\r\n"
        u"[DATAFILE]\r\nFileName0=/d/Tokyo.dat\r\nFileName1=/d/(new).dat\r\n\r\n"_s;
    QCOMPARE(QString::fromUtf8(ReadBytes(path)), expected);

    // Tabs on: the key stands between ShowMenuBar and ShowCloseButton. No
    // clocks: no DATAFILE section.
    s.ShowTabs = true;
    s.ClockFiles.clear();
    WriteFrameSettingsFile(path, s, ProgramStamp(path));
    const QString text = QString::fromUtf8(ReadBytes(path));
    QVERIFY(text.contains(u"ShowMenuBar=0\r\nShowTabs=1\r\nShowCloseButton=0\r\n"_s));
    QVERIFY(!text.contains(u"DATAFILE"_s));
    QVERIFY(!text.contains(u"TimeSlider"_s));

    // The time slider shown: its key ends the OPTION section.
    s.ShowTimeSlider = true;
    WriteFrameSettingsFile(path, s, ProgramStamp(path));
    QVERIFY(QString::fromUtf8(ReadBytes(path)).endsWith(u"StyleName=Amethyst Kamri\r\nTimeSlider=1\r\n\r\n"_s));
}

void TestFrameSettings::roundTripKeepsEveryValue()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.ini"_s);
    TFrameSettings s;
    s.Bounds = QRect(-300, 5, 333, 222);
    s.ShowTitleBar = false;
    s.ShowTabs = true;
    s.ShowCloseButton = true;
    s.LastTileMode = 0;
    s.AlphaBlendValue = 0;
    s.Caption = QString(); // an empty caption survives: the key exists
    s.StyleName = u"日本語 Style"_s;
    s.ShowTimeSlider = true;
    s.ClockFiles = {u"/d/a=b.dat"_s};
    WriteFrameSettingsFile(path, s, ProgramStamp(path));
    QCOMPARE(ReadFrameSettingsFile(path, Screen), s);
    QCOMPARE(ReadFrameSettingsFile(dir.filePath(u"absent.ini"_s), Screen), FromText(QString()));
}

void TestFrameSettings::rewriteKeepsTheByteOrderMark()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.ini"_s);
    WriteBytes(path, "\xEF\xBB\xBF[OPTION]\r\nCaption=\xE6\x99\x82\xE8\xA8\x88\r\n");
    TFrameSettings s = ReadFrameSettingsFile(path, Screen);
    QCOMPARE(s.Caption, u"時計"_s);
    WriteFrameSettingsFile(path, s, ProgramStamp(path));
    const QByteArray bytes = ReadBytes(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF[PROGRAM]\r\n"));
    QVERIFY(bytes.contains("Caption=\xE6\x99\x82\xE8\xA8\x88\r\n"));
}

void TestFrameSettings::unreadableAndUnwritableFilesThrow()
{
    QTemporaryDir dir;
    // A folder where the file should be can be neither read nor replaced.
    const QString path = dir.filePath(u"folder.ini"_s);
    QVERIFY(QDir().mkpath(path));
    QVERIFY_THROWS_EXCEPTION(EPendulorError, ReadFrameSettingsFile(path, Screen));
    QVERIFY_THROWS_EXCEPTION(EPendulorError, WriteFrameSettingsFile(path, TFrameSettings{}, ProgramStamp(path)));
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_APPLESS_MAIN(TestFrameSettings)
#include "TestFrameSettings.moc"
