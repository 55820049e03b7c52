#include "datetime/TZoneCatalog.h"

#include <QDateTime>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const qint64 January = QDateTime::fromString(u"2026-01-15T12:00:00Z"_s, Qt::ISODate).toMSecsSinceEpoch();

} // namespace

// Finding a zone by what a user knows of it.
class TestZoneCatalog : public QObject {
    Q_OBJECT

private:
    TZoneCatalog English{u"en-US"_s};
    TZoneCatalog Japanese{u"ja-JP"_s};

    static QStringList Ids(TZoneCatalog& Catalog, const QString& Query)
    {
        QStringList Result;
        for (const int Index : Catalog.Search(Query, January))
            Result.append(Catalog.Id(Index));
        return Result;
    }

private Q_SLOTS:
    void finds_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("within"); // the zone is among the first N hits

        QTest::newRow("city prefix") << u"tok"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("city in capitals") << u"TOKYO"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("country") << u"Germany"_s << u"Europe/Berlin"_s << 2;
        QTest::newRow("country, part") << u"japa"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("id") << u"Asia/Tokyo"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("id with blanks") << u"new york"_s << u"America/New_York"_s << 1;
        QTest::newRow("generic name") << u"Pacific Time"_s << u"America/Los_Angeles"_s << 10;
        QTest::newRow("abbreviation") << u"CET"_s << u"Europe/Berlin"_s << 40;
        QTest::newRow("abbreviation of the other season") << u"CEST"_s << u"Europe/Berlin"_s << 40;
        QTest::newRow("accent left out") << u"Sao Paulo"_s << u"America/Sao_Paulo"_s << 1;
        QTest::newRow("accent typed") << u"Zürich"_s << u"Europe/Zurich"_s << 1;
        QTest::newRow("zone ICU names by its old id") << u"kolkata"_s << u"Asia/Kolkata"_s << 1;
        QTest::newRow("zone newer than ICU's data") << u"juarez"_s << u"America/Ciudad_Juarez"_s << 1;
        QTest::newRow("utc") << u"utc"_s << u"UTC"_s << 1;
    }

    void finds()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QFETCH(int, within);
        const QStringList Found = Ids(English, query);
        const qsizetype At = Found.indexOf(zone);
        QVERIFY2(At >= 0 && At < within, qPrintable(Found.mid(0, 10).join(u' ')));
    }

    void findsInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::newRow("city") << u"東京"_s << u"Asia/Tokyo"_s;
        QTest::newRow("country") << u"ドイツ"_s << u"Europe/Berlin"_s;
        QTest::newRow("zone name") << u"日本標準時"_s << u"Asia/Tokyo"_s;
        QTest::newRow("English still") << u"Tokyo"_s << u"Asia/Tokyo"_s;
    }

    void findsInTheUsersLanguage()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QVERIFY(Ids(Japanese, query).contains(zone));
        if (!query.front().isLetter() || query.front().unicode() > 0x7F)
            QVERIFY(!Ids(English, query).contains(zone));
    }

    void nothingForNonsense()
    {
        QVERIFY(Ids(English, u"qqqzzz"_s).isEmpty());
        // Kana keep their voicing marks: ヘルリン is not ベルリン.
        QVERIFY(Ids(Japanese, u"ベルリン"_s).contains(u"Europe/Berlin"_s));
        QVERIFY(Ids(Japanese, u"ヘルリン"_s).isEmpty());
    }

    void emptyQueryListsEveryZoneByOffset()
    {
        const QList<int> All = English.Search(u"  "_s, January);
        QCOMPARE(All.size(), English.Size());
        QVERIFY(English.Size() > 300);
        for (qsizetype i = 1; i < All.size(); ++i)
            QVERIFY(English.OffsetAt(All[i - 1], January) <= English.OffsetAt(All[i], January));
    }

    void rowTexts_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::newRow("Tokyo") << u"Asia/Tokyo"_s << u"(UTC+09:00) Tokyo, Japan — Asia/Tokyo"_s
                               << u"(UTC+09:00) 東京, 日本 — Asia/Tokyo"_s;
        QTest::newRow("Kathmandu") << u"Asia/Kathmandu"_s << u"(UTC+05:45) Kathmandu, Nepal — Asia/Kathmandu"_s
                                   << u"(UTC+05:45) カトマンズ, ネパール — Asia/Kathmandu"_s;
        QTest::newRow("St. John's, half an hour") << u"America/St_Johns"_s
                                                  << u"(UTC-03:30) St. John’s, Canada — America/St_Johns"_s
                                                  << u"(UTC-03:30) セントジョンズ, カナダ — America/St_Johns"_s;
    }

    void rowTexts()
    {
        QFETCH(QString, zone);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QCOMPARE(English.RowText(English.Find(zone), January), english);
        QCOMPARE(Japanese.RowText(Japanese.Find(zone), January), japanese);
    }
};

QTEST_GUILESS_MAIN(TestZoneCatalog)
#include "TestZoneCatalog.moc"
