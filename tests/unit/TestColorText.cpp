#include "clock/data/ColorText.h"
#include "datetime/TClockData.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<quint32>)

class TestColorText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<quint32>>("expected");

        const std::optional<quint32> None;
        QTest::newRow("first entry") << u"clBlack"_s << std::optional<quint32>(0x00000000);
        QTest::newRow("last entry") << u"clNull"_s << std::optional<quint32>(0x00000000);
        QTest::newRow("system colour") << u"clWindowText"_s << std::optional<quint32>(0xFF000008);
        QTest::newRow("any letter case") << u"CLBTNFACE"_s << std::optional<quint32>(0xFF00000F);
        QTest::newRow("web colour") << u"clrebeccapurple"_s << None;
        QTest::newRow("web colour in table") << u"clCornflowerblue"_s << std::optional<quint32>(0x00ED9564);
        QTest::newRow("clMaroon first") << u"clMaroon"_s << std::optional<quint32>(0x00000080);
        QTest::newRow("clLightcyan first") << u"clLightcyan"_s << std::optional<quint32>(0x00FFFFE0);
        QTest::newRow("clMidnightblue first") << u"clmidnightblue"_s << std::optional<quint32>(0x00701919);
        QTest::newRow("clNavajowhite first") << u"clNavajowhite"_s << std::optional<quint32>(0x00ADDEFF);
        QTest::newRow("no colour") << u"$1FFFFFFF"_s << std::optional<quint32>(clNone);
        QTest::newRow("unnamed system colour") << u"$FF000099"_s << std::optional<quint32>(0xFF000099);
        QTest::newRow("decimal") << u"255"_s << std::optional<quint32>(0x000000FF);
        QTest::newRow("negative") << u"-1"_s << std::optional<quint32>(0xFFFFFFFF);
        QTest::newRow("0x") << u"0x00FF00"_s << std::optional<quint32>(0x0000FF00);
        QTest::newRow("#RRGGBB") << u"#AABBCC"_s << std::optional<quint32>(0x00CCBBAA);
        QTest::newRow("#rrggbb") << u"#0a0b0c"_s << std::optional<quint32>(0x000C0B0A);
        QTest::newRow("#RGB") << u"#abc"_s << std::optional<quint32>(0x00CCBBAA);
        QTest::newRow("# five digits") << u"#AABBC"_s << None;
        QTest::newRow("# eight digits") << u"#AABBCCDD"_s << None;
        QTest::newRow("# not hex") << u"#GGHHII"_s << None;
        QTest::newRow("# alone") << u"#"_s << None;
        QTest::newRow("name with suffix") << u"clBlackX"_s << None;
        QTest::newRow("name with prefix blank") << u" clBlack"_s << None;
        QTest::newRow("integer with trailing text") << u"12px"_s << None;
        QTest::newRow("empty") << QString() << None;
    }

    void reading()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<quint32>, expected);
        QCOMPARE(TextToColor(text), expected);
    }

    void writing_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<QString>("expected");

        QTest::newRow("black") << quint32(0x00000000) << u"clBlack"_s;
        QTest::newRow("window text") << quint32(0xFF000008) << u"clWindowText"_s;
        QTest::newRow("no colour") << quint32(0x1FFFFFFF) << u"clNone"_s;
        QTest::newRow("default colour") << quint32(0x20000000) << u"clDefault"_s;
        QTest::newRow("gray before its twins") << quint32(0x00808080) << u"clGray"_s;
        QTest::newRow("navy before clNavajowhite") << quint32(0x00800000) << u"clNavy"_s;
        QTest::newRow("sky blue before legacy") << quint32(0x00F0CAA6) << u"clSkyBlue"_s;
        QTest::newRow("only at later clMaroon") << quint32(0x00AACD66) << u"clMaroon"_s;
        QTest::newRow("only at later clLightcyan") << quint32(0x00D2FAFA) << u"clLightcyan"_s;
        QTest::newRow("only at later clMidnightblue") << quint32(0x00FAFFF5) << u"clMidnightblue"_s;
        QTest::newRow("plain colour without name") << quint32(0x00123456) << u"$00123456"_s;
        QTest::newRow("hex digits upper case") << quint32(0x00ABCDEF) << u"$00ABCDEF"_s;
        QTest::newRow("system colour without name") << quint32(0xFF000099) << u"$FF000099"_s;
    }

    void writing()
    {
        QFETCH(quint32, color);
        QFETCH(QString, expected);
        QCOMPARE(ColorToText(color), expected);
    }

    // Every colour written reads back as itself, unless its name belongs to
    // an earlier entry with another value.
    void everyEntryReadsBack()
    {
        const auto Table = ColorTable();
        QCOMPARE(Table.size(), size_t(187));
        int Shadowed = 0;
        for (size_t I = 0; I < Table.size(); ++I) {
            const QString Name = QString::fromUtf16(Table[I].Name);
            bool NameTakenEarlier = false;
            for (size_t J = 0; J < I; ++J)
                NameTakenEarlier |= Name.compare(QString::fromUtf16(Table[J].Name), Qt::CaseInsensitive) == 0;
            const std::optional<quint32> Back = TextToColor(ColorToText(Table[I].Value));
            QVERIFY2(Back.has_value(), qPrintable(Name));
            if (NameTakenEarlier && *Back != Table[I].Value)
                ++Shadowed;
            else
                QVERIFY2(*Back == Table[I].Value, qPrintable(Name));
        }
        // clMaroon, clLightcyan and clMidnightblue come back as their first
        // entry; the later clNavajowhite shares clNavy's value and is written
        // as clNavy.
        QCOMPARE(Shadowed, 3);
    }

    void integerTextRoundTrips_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::newRow("top bit") << quint32(0x80000000);
        QTest::newRow("all bits") << quint32(0xFFFFFFFF);
        QTest::newRow("system 0xFF") << quint32(0xFF0000FF);
        QTest::newRow("odd plain") << quint32(0x00010203);
    }

    void integerTextRoundTrips()
    {
        QFETCH(quint32, color);
        QCOMPARE(TextToColor(ColorToText(color)), std::optional<quint32>(color));
    }
};

QTEST_GUILESS_MAIN(TestColorText)
#include "TestColorText.moc"
