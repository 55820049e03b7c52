#include "common/GettextCatalog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// A .mo file laid out by hand: header, the two tables, then the strings.
QByteArray MoFile(const QList<QPair<QByteArray, QByteArray>>& Messages, bool BigEndian)
{
    const auto Word = [BigEndian](quint32 Value) {
        QByteArray Bytes(4, '\0');
        if (BigEndian)
            qToBigEndian(Value, Bytes.data());
        else
            qToLittleEndian(Value, Bytes.data());
        return Bytes;
    };
    const quint32 Count = quint32(Messages.size());
    const quint32 Originals = 28;
    const quint32 Translations = Originals + 8 * Count;
    quint32 At = Translations + 8 * Count;
    QByteArray Head = Word(0x950412de) + Word(0) + Word(Count) + Word(Originals) + Word(Translations) + Word(0) + Word(0);
    QByteArray Tables[2];
    QByteArray Strings;
    for (int Side = 0; Side < 2; ++Side) {
        for (const auto& Message : Messages) {
            const QByteArray& Text = Side == 0 ? Message.first : Message.second;
            Tables[Side] += Word(quint32(Text.size())) + Word(At);
            Strings += Text + '\0';
            At += quint32(Text.size()) + 1;
        }
    }
    return Head + Tables[0] + Tables[1] + Strings;
}

} // namespace

// Reading libgeonames' translations (a gettext catalog) without the process
// locale.
class TestGettextCatalog : public QObject {
    Q_OBJECT

    QTemporaryDir Folder;

    QString Write(const QByteArray& Bytes)
    {
        static int Serial = 0;
        const QString Path = Folder.filePath(u"c%1.mo"_s.arg(++Serial));
        QFile File(Path);
        if (File.open(QIODevice::WriteOnly))
            File.write(Bytes);
        return Path;
    }

private Q_SLOTS:
    void readsBothByteOrders_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little-endian") << false;
        QTest::newRow("big-endian") << true;
    }

    void readsBothByteOrders()
    {
        QFETCH(bool, bigEndian);
        const QByteArray Bytes = MoFile({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                                         {"1850147", "東京都"},
                                         {"IN.07", "デリー首都圏"}},
                                        bigEndian);
        const QHash<QByteArray, QString> Table = ReadGettextCatalog(Write(Bytes));
        QCOMPARE(Table.size(), 2); // the header entry is no message
        QCOMPARE(Table.value("1850147"), u"東京都"_s);
        QCOMPARE(Table.value("IN.07"), u"デリー首都圏"_s);
    }

    void badFilesGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray Good = MoFile({{"1", "one"}, {"2", "two"}}, false);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wrong magic") << QByteArray("xxxx") + Good.mid(4);
        QTest::newRow("tables cut off") << Good.left(40);
        QByteArray Outside = Good;
        qToLittleEndian<quint32>(0x7fffffff, Outside.data() + 28 + 4); // first string's offset
        QTest::newRow("string outside the file") << Outside;
    }

    void badFilesGiveNothing()
    {
        QFETCH(QByteArray, bytes);
        const QHash<QByteArray, QString> Table = ReadGettextCatalog(Write(bytes));
        QVERIFY(!Table.contains("1"));
    }

    void missingFileGivesNothing()
    {
        QVERIFY(ReadGettextCatalog(Folder.filePath(u"none.mo"_s)).isEmpty());
        QVERIFY(GettextCatalogPaths(u"no-such-domain"_s, u"ja-JP"_s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGettextCatalog)
#include "TestGettextCatalog.moc"
