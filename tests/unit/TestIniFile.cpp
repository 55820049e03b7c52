#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "unit/doubles/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Runs Action and returns the message of the EPendulorError it throws.
template <typename F>
QString ErrorOf(F&& Action)
{
    try {
        Action();
    } catch (const EPendulorError& E) {
        return E.Message();
    }
    return QStringLiteral("<no error>");
}

bool Run(const QString& Program, const QStringList& Arguments)
{
    QProcess P;
    P.start(Program, Arguments);
    return P.waitForFinished() && P.exitStatus() == QProcess::NormalExit && P.exitCode() == 0;
}

const QString Sample = QStringLiteral(u"[Clock]\r\nName=東京 🌍 القاهرة\r\nSize=26\r\n\r\n");

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
    }

    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QString D = QStringLiteral("<default>");
        QTest::newRow("crlf") << "[A]\r\nk=v\r\nj=w\r\n" << "A" << "j" << "w";
        QTest::newRow("lf") << "[A]\nk=v\nj=w\n" << "A" << "j" << "w";
        QTest::newRow("lone cr") << "[A]\rk=v\rj=w" << "A" << "j" << "w";
        QTest::newRow("mixed ends") << "[A]\r\n\rk=v\n\r\nj=w" << "A" << "j" << "w";
        QTest::newRow("trimmed blanks and controls") << " \t[ A ]\x01\r\n\t k \x02=\x1F v \t\r\n" << "A" << "k" << "v";
        QTest::newRow("comment") << "[A]\r\n;k=v\r\n" << "A" << "k" << D;
        QTest::newRow("indented comment") << "[A]\r\n   ;k=v\r\n" << "A" << "k" << D;
        QTest::newRow("before first section") << "k=v\r\n[A]\r\n" << "A" << "k" << D;
        QTest::newRow("first key wins") << "[A]\r\nk=1\r\nK=2\r\n" << "A" << "k" << "1";
        QTest::newRow("repeated section ignored") << "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\nj=3\r\n" << "A" << "k" << "1";
        QTest::newRow("keys under repeated header lost") << "[A]\r\nk=1\r\n[B]\r\n[a]\r\nj=3\r\n" << "A" << "j" << D;
        QTest::newRow("section after repeat counts") << "[A]\r\n[A]\r\n[C]\r\nj=3\r\n" << "C" << "j" << "3";
        QTest::newRow("names ignore case") << "[Name]\r\nFontSize=9\r\n" << "NAME" << "fontsize" << "9";
        QTest::newRow("empty value is present") << "[A]\r\nk=\r\n" << "A" << "k" << "";
        QTest::newRow("key without =") << "[A]\r\nk\r\n" << "A" << "k" << "";
        QTest::newRow("value holds =") << "[A]\r\nk= a=b \r\n" << "A" << "k" << "a=b";
        QTest::newRow("value holds ;") << "[A]\r\nk=;x\r\n" << "A" << "k" << ";x";
        QTest::newRow("unclosed header is a key") << "[A]\r\n[B\r\n" << "A" << "[B" << "";
        QTest::newRow("absent section") << "[A]\r\nk=v\r\n" << "B" << "k" << D;
        QTest::newRow("absent key") << "[A]\r\nk=v\r\n" << "A" << "x" << D;
        QTest::newRow("empty text") << "" << "A" << "k" << D;
        QTest::newRow("non-ascii") << u"[時計]\r\n名前=東京 🌍\r\n"_s << u"時計"_s << u"名前"_s << u"東京 🌍"_s;
    }

    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const TIniFile Ini = TIniFile::FromText(QString(), text, {});
        QCOMPARE(Ini.ReadString(section, key, QStringLiteral("<default>")), expected);
    }

    void integers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");

        const int D = 4711;
        QTest::newRow("decimal") << "26" << 26;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("blank and minus") << " -5" << -5;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("0x") << "0x10" << 16;
        QTest::newRow("0X") << "0X10" << 16;
        QTest::newRow("x") << "x1f" << 31;
        QTest::newRow("X") << "X1F" << 31;
        QTest::newRow("dollar") << "$1F" << 31;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("all 32 bits in hex") << "$FFFFFFFF" << -1;
        QTest::newRow("colour in hex") << "$FF00000F" << int(0xFF00000Fu);
        QTest::newRow("max") << "2147483647" << INT_MAX;
        QTest::newRow("min") << "-2147483648" << INT_MIN;
        QTest::newRow("above max") << "2147483648" << D;
        QTest::newRow("below min") << "-2147483649" << D;
        QTest::newRow("huge") << "99999999999999999999999" << D;
        QTest::newRow("33 bits in hex") << "$100000000" << D;
        QTest::newRow("letters") << "abc" << D;
        QTest::newRow("trailing letters") << "12abc" << D;
        QTest::newRow("inner blank") << "1 2" << D;
        QTest::newRow("blank after sign") << "- 5" << D;
        QTest::newRow("prefix only") << "$" << D;
        QTest::newRow("0x only") << "0x" << D;
        QTest::newRow("sign only") << "-" << D;
        QTest::newRow("two signs") << "--5" << D;
        QTest::newRow("hex digit in decimal") << "1F" << D;
        QTest::newRow("decimal point") << "1.5" << D;
        QTest::newRow("empty") << "" << D;
        QTest::newRow("true") << "True" << D;
        QTest::newRow("arabic-indic digit") << u"٣"_s << D;
        QTest::newRow("full-width digit") << u"３"_s << D;
    }

    void integers()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        QCOMPARE(TIniFile::ParseInteger(value).value_or(4711), expected);
        const TIniFile Ini = TIniFile::FromText(QString(), u"[S]\r\nk="_s + value + u"\r\n"_s, {});
        QCOMPARE(Ini.ReadInteger(u"S", u"k", 4711), expected);
    }

    void booleans_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");

        QTest::newRow("1") << "[S]\r\nb=1" << false << true;
        QTest::newRow("-1") << "[S]\r\nb=-1" << false << true;
        QTest::newRow("2") << "[S]\r\nb=2" << false << true;
        QTest::newRow("0") << "[S]\r\nb=0" << true << false;
        QTest::newRow("$0") << "[S]\r\nb=$0" << true << false;
        QTest::newRow("True keeps false default") << "[S]\r\nb=True" << false << false;
        QTest::newRow("False keeps true default") << "[S]\r\nb=False" << true << true;
        QTest::newRow("empty keeps default") << "[S]\r\nb=" << true << true;
        QTest::newRow("absent keeps default") << "[S]\r\n" << true << true;
    }

    void booleans()
    {
        QFETCH(QString, text);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        QCOMPARE(TIniFile::FromText(QString(), text, {}).ReadBool(u"S", u"b", defaultValue), expected);
    }

    void writingOrderAndLayout()
    {
        TIniFile Ini = TIniFile::FromText(QString(), u"[Old]\r\nkeep=1\r\nz=9\r\n", {});
        Ini.WriteString(u"New", u"b", QStringLiteral("2"));
        Ini.WriteInteger(u"New", u"a", -7);
        Ini.WriteBool(u"Other", u"on", true);
        Ini.WriteBool(u"Other", u"off", false);
        Ini.WriteString(u"old", u"KEEP", QStringLiteral("changed in place"));
        Ini.WriteString(u"new", u"empty", QString());
        QCOMPARE(Ini.Text(), QStringLiteral("[Old]\r\nkeep=changed in place\r\nz=9\r\n\r\n"
                                            "[New]\r\nb=2\r\na=-7\r\nempty=\r\n\r\n"
                                            "[Other]\r\non=1\r\noff=0\r\n\r\n"));
        QCOMPARE(Ini.ReadSections(), QStringList({"Old", "New", "Other"}));
        QCOMPARE(Ini.ReadSection(u"NEW"), QStringList({"b", "a", "empty"}));
    }

    void deletingKeysAndSections()
    {
        TIniFile Ini = TIniFile::FromText(QString(), u"[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=1\r\n", {});
        Ini.DeleteKey(u"a", u"K");
        Ini.EraseSection(u"b");
        QCOMPARE(Ini.Text(), QStringLiteral("[A]\r\nj=2\r\n\r\n"));
        Ini.Clear();
        QCOMPARE(Ini.Text(), QString());
    }

    // A value holding a line break must not forge a section on reading.
    void lineBreaksInValuesStayOnOneLine()
    {
        TIniFile Ini = TIniFile::FromText(QString(), QString(), {});
        Ini.WriteString(u"NAME", u"Caption", QStringLiteral("x\r\n[DATE]\nFontSize=99\rA"));
        Ini.WriteInteger(u"DATE", u"FontSize", 20);
        const TIniFile Back = TIniFile::FromText(QString(), Ini.Text(), {});
        QCOMPARE(Back.ReadInteger(u"DATE", u"FontSize", 0), 20);
        QCOMPARE(Back.ReadString(u"NAME", u"Caption", QString()), QStringLiteral("x  [DATE] FontSize=99 A"));
    }

    void encodingsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("legacyLocale");

        QTest::newRow("utf-8") << Sample.toUtf8() << int(TTextEncoding::Utf8) << 1033;
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + Sample.toUtf8()
                                         << int(TTextEncoding::Utf8Bom) << 1033;
        QByteArray Le("\xFF\xFE"), Be("\xFE\xFF");
        for (const QChar C : Sample) {
            Le.append(char(C.unicode() & 0xFF)).append(char(C.unicode() >> 8));
            Be.append(char(C.unicode() >> 8)).append(char(C.unicode() & 0xFF));
        }
        QTest::newRow("utf-16 le") << Le << int(TTextEncoding::Utf16LE) << 1033;
        QTest::newRow("utf-16 be") << Be << int(TTextEncoding::Utf16BE) << 1033;
        // "[Clock]\r\nName=東京\r\n" in code page 932, and "Zürich €" in 1252.
        QTest::newRow("cp932") << QByteArray("[Clock]\r\nName=\x93\x8C\x8B\x9E\r\n\r\n")
                               << int(TTextEncoding::Legacy) << 1041;
        QTest::newRow("cp1252") << QByteArray("[Clock]\r\nName=Z\xFCrich \x80\r\n\r\n")
                                << int(TTextEncoding::Legacy) << 1033;
    }

    void encodingsRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(int, legacyLocale);
        const QString Path = PathOf(QStringLiteral("round.ini"));
        WriteBytes(Path, bytes);

        TIniFile Ini(Path, LCID(legacyLocale));
        QCOMPARE(int(Ini.Encoding().Kind), kind);
        const QString Expected = kind != TTextEncoding::Legacy ? u"東京 🌍 القاهرة"_s
                               : legacyLocale == 1041        ? u"東京"_s
                                                             : u"Zürich €"_s;
        QCOMPARE(Ini.ReadString(u"clock", u"name", QString()), Expected);
        Ini.UpdateFile();
        QCOMPARE(ReadBytes(Path), bytes);
    }

    // A legacy file stays in its code page while that holds every character;
    // text it cannot hold moves the file to UTF-8 with a mark, never to "?".
    void legacyCodePageNeverDropsCharacters_data()
    {
        QTest::addColumn<int>("legacyLocale");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("cp932 holds it") << 1041 << QByteArray("[A]\r\nk=\x93\x8C\r\n") << u"東京"_s
                                        << QByteArray("[A]\r\nk=\x93\x8C\x8B\x9E\r\n\r\n");
        QTest::newRow("cp932 lacks emoji and é")
            << 1041 << QByteArray("[A]\r\nk=\x93\x8C\r\n") << u"東🌍é"_s
            << QByteArray("\xEF\xBB\xBF") + u"[A]\r\nk=東🌍é\r\n\r\n"_s.toUtf8();
        QTest::newRow("cp1252 lacks kanji") << 1033 << QByteArray("[A]\r\nk=Z\xFCrich\r\n") << u"Zürich 東京"_s
                                            << QByteArray("\xEF\xBB\xBF") + u"[A]\r\nk=Zürich 東京\r\n\r\n"_s.toUtf8();
        // In cp932 "譚ｱ莠ｬ" is the UTF-8 of "東京": kept in the code page, the
        // file would read back as UTF-8 with other text.
        QTest::newRow("cp932 bytes that spell UTF-8") << 1041 << QByteArray("[A]\r\nk=\x93\x8C\r\n")
                                                      << u"譚ｱ莠ｬ"_s
                                                      << QByteArray("\xEF\xBB\xBF") + u"[A]\r\nk=譚ｱ莠ｬ\r\n\r\n"_s.toUtf8();
        QTest::newRow("cp1252 bytes that spell UTF-8") << 1033 << QByteArray("[A]\r\nk=Z\xFCrich\r\n") << u"Ã©"_s
                                                       << QByteArray("\xEF\xBB\xBF") + u"[A]\r\nk=Ã©\r\n\r\n"_s.toUtf8();
        // Text that no encoding can hold still saves.
        QTest::newRow("lone surrogate") << 1033 << QByteArray("[A]\r\nk=\xFC\r\n") << QString(QChar(0xD800))
                                        << QByteArray("\xEF\xBB\xBF[A]\r\nk=?\r\n\r\n");
    }

    void legacyCodePageNeverDropsCharacters()
    {
        QFETCH(int, legacyLocale);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        const QString Path = PathOf(QStringLiteral("legacy.ini"));
        WriteBytes(Path, bytes);
        TIniFile Ini(Path, LCID(legacyLocale));
        QCOMPARE(int(Ini.Encoding().Kind), int(TTextEncoding::Legacy));
        Ini.WriteString(u"A", u"k", value);
        Ini.UpdateFile();
        QCOMPARE(ReadBytes(Path), written);
        if (!value.front().isSurrogate())
            QCOMPARE(TIniFile(Path, LCID(legacyLocale)).ReadString(u"A", u"k", QString()), value);
    }

    void newFileIsUtf8WithoutMark()
    {
        const QString Path = PathOf(QStringLiteral("new.ini"));
        TIniFile Ini(Path, 1033);
        QVERIFY(Ini.ReadSections().isEmpty());
        Ini.WriteString(u"A", u"k", u"東京"_s);
        Ini.UpdateFile();
        QCOMPARE(ReadBytes(Path), u"[A]\r\nk=東京\r\n\r\n"_s.toUtf8());
    }

    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");

        QTest::newRow("folder") << QByteArray() << "Is a directory";
        QTest::newRow("odd utf-16 le") << QByteArray("\xFF\xFE[\0A", 5) << "odd number of bytes";
        QTest::newRow("odd utf-16 be") << QByteArray("\xFE\xFF\0[\0", 5) << "odd number of bytes";
        QTest::newRow("lone high surrogate") << QByteArray("\xFF\xFE\x3D\xD8[\0", 6) << "unpaired surrogate";
        QTest::newRow("lone low surrogate") << QByteArray("\xFE\xFF\xDC\x00\0[", 6) << "unpaired surrogate";
        QTest::newRow("bad utf-8 after mark") << QByteArray("\xEF\xBB\xBF[A]\r\nk=\xC3\r\n") << "not valid UTF-8";
    }

    void unreadableFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString Path = PathOf(QStringLiteral("bad_%1").arg(QTest::currentDataTag()));
        if (bytes.isEmpty())
            QVERIFY(QDir().mkpath(Path));
        else
            WriteBytes(Path, bytes);
        const QString Message = ErrorOf([&] { TIniFile Ini(Path, 1033); });
        QVERIFY2(Message.contains(Path) && Message.contains(reason), qPrintable(Message));
        if (!bytes.isEmpty())
            QCOMPARE(ReadBytes(Path), bytes);
    }

    // A device or a huge file named as a settings file is refused, not read
    // until memory runs out.
    void devicesAndHugeFilesAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("endless device") << "/dev/zero" << "Not a regular file";
        QTest::newRow("huge file") << "huge.ini" << "larger than";
    }

    void devicesAndHugeFilesAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (!path.startsWith(u'/')) {
            path = PathOf(path);
            QFile Huge(path);
            QVERIFY(Huge.open(QIODevice::WriteOnly));
            QVERIFY(Huge.resize(64 * 1024 * 1024)); // sparse: costs no disk space
        }
        const QString Message = ErrorOf([&] { TIniFile Ini(path, 1033); });
        QVERIFY2(Message.contains(path) && Message.contains(reason), qPrintable(Message));
    }

    // A damaged file can still be replaced: only its mark decides the encoding.
    void rewritingKeepsTheMarkOfADamagedFile()
    {
        const QString Path = PathOf(QStringLiteral("damaged16.ini"));
        WriteBytes(Path, QByteArray("\xFE\xFF\xD8\x00", 4));
        TIniFile Ini = TIniFile::ForRewrite(Path, 1033);
        Ini.WriteString(u"A", u"k", QStringLiteral("v"));
        Ini.UpdateFile();
        QCOMPARE(ReadBytes(Path), QByteArray("\xFE\xFF\0[\0A\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0\r\0\n", 26));
    }

    void saveFailures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");

        QTest::newRow("parent is a file") << "plainfile/clock.ini" << "Not a directory";
        QTest::newRow("parent missing") << "no/such/folder/clock.ini" << "No such file or directory";
        QTest::newRow("target is a folder") << "afolder" << "Is a directory";
    }

    void saveFailures()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        WriteBytes(PathOf(QStringLiteral("plainfile")), "keep me");
        QVERIFY(QDir().mkpath(PathOf(QStringLiteral("afolder"))));
        const QString Path = PathOf(target);
        TIniFile Ini = TIniFile::FromText(Path, Sample, {});
        const QString Message = ErrorOf([&] { Ini.UpdateFile(); });
        QVERIFY2(Message.startsWith(QStringLiteral("Cannot save file \"%1\".").arg(Path)), qPrintable(Message));
        QVERIFY2(Message.contains(reason), qPrintable(Message));
        QCOMPARE(ReadBytes(PathOf(QStringLiteral("plainfile"))), QByteArray("keep me"));
        QVERIFY(QFileInfo(PathOf(QStringLiteral("afolder"))).isDir());
    }

    // An immutable folder stands for a read-only one: root ignores permissions.
    void saveIntoReadOnlyFolderKeepsOldFile()
    {
        const QString Folder = PathOf(QStringLiteral("frozen"));
        QVERIFY(QDir().mkpath(Folder));
        const QString Path = Folder + QStringLiteral("/clock.ini");
        WriteBytes(Path, "[Old]\r\nk=1\r\n");
        if (!Run(QStringLiteral("chattr"), {QStringLiteral("+i"), Folder}))
            QSKIP("the folder cannot be made immutable here");
        auto Thaw = qScopeGuard([&] { Run(QStringLiteral("chattr"), {QStringLiteral("-i"), Folder}); });
        TIniFile Ini(Path, 1033);
        Ini.WriteString(u"New", u"k", QStringLiteral("2"));
        const QString Message = ErrorOf([&] { Ini.UpdateFile(); });
        QVERIFY2(Message.contains(Path) && Message.contains(QStringLiteral("Operation not permitted")),
                 qPrintable(Message));
        QCOMPARE(ReadBytes(Path), QByteArray("[Old]\r\nk=1\r\n"));
    }

    void saveOntoFullDiskKeepsOldFile()
    {
        const QString Mount = PathOf(QStringLiteral("tiny"));
        QVERIFY(QDir().mkpath(Mount));
        if (!Run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", Mount}))
            QSKIP("a small file system cannot be mounted here");
        auto Unmount = qScopeGuard([&] { Run(QStringLiteral("umount"), {Mount}); });
        const QString Path = Mount + QStringLiteral("/clock.ini");
        WriteBytes(Path, "[Old]\r\nk=1\r\n");
        {
            QFile Filler(Mount + QStringLiteral("/filler"));
            QVERIFY(Filler.open(QIODevice::WriteOnly));
            const QByteArray Block(4096, 'x');
            while (Filler.write(Block) == Block.size() && Filler.flush()) {
            }
        }
        TIniFile Ini(Path, 1033);
        Ini.WriteString(u"New", u"k", QString(20000, u'y'));
        const QString Message = ErrorOf([&] { Ini.UpdateFile(); });
        QVERIFY2(Message.contains(Path) && Message.contains(QStringLiteral("No space left on device")),
                 qPrintable(Message));
        QCOMPARE(ReadBytes(Path), QByteArray("[Old]\r\nk=1\r\n"));
    }

    // A process killed while it saves, at whatever moment, leaves one whole
    // version of the file; the temporary files such deaths leave behind do
    // not stop the next save.
    void killedSaveLeavesAWholeFile()
    {
        const QString Path = PathOf(QStringLiteral("killed.ini"));
        const auto Version = [](char Fill) {
            TIniFile Ini = TIniFile::FromText(QString(), QString(), {});
            Ini.WriteString(u"A", u"k", QString(1 << 20, QChar(Fill)));
            return Ini;
        };
        const QByteArray Versions[2] = {Version('a').Text().toUtf8(), Version('b').Text().toUtf8()};
        WriteBytes(Path, Versions[0]);
        for (int Round = 0; Round < 20; ++Round) {
            const pid_t Child = fork();
            if (Child == 0) {
                TIniFile Ini(Path, 1033);
                for (int I = 0;; ++I) {
                    Ini.WriteString(u"A", u"k", QString(1 << 20, QChar(I % 2 ? 'a' : 'b')));
                    Ini.UpdateFile();
                }
            }
            QVERIFY(Child > 0);
            usleep(20000 + Round * 7919 % 50000);
            kill(Child, SIGKILL);
            int Status = 0;
            QCOMPARE(waitpid(Child, &Status, 0), Child);
            const QByteArray Bytes = ReadBytes(Path);
            QVERIFY2(Bytes == Versions[0] || Bytes == Versions[1],
                     qPrintable(QStringLiteral("round %1: %2 bytes").arg(Round).arg(Bytes.size())));
        }

        TIniFile Ini(Path, 1033);
        Ini.WriteString(u"A", u"k", QStringLiteral("2"));
        Ini.UpdateFile();
        QCOMPARE(ReadBytes(Path), QByteArray("[A]\r\nk=2\r\n\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "TestIniFile.moc"
