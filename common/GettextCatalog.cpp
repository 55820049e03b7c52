#include "common/GettextCatalog.h"

#include <QFile>
#include <QStandardPaths>
#include <QtEndian>

namespace {

// A .mo file: magic, revision, count, offset of the original table, offset
// of the translation table; each table holds (length, offset) pairs.
constexpr quint32 MoMagic = 0x950412de;

} // namespace

QHash<QByteArray, QString> ReadGettextCatalog(const QString& Path)
{
    QHash<QByteArray, QString> Result;
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return Result;
    const QByteArray Data = File.readAll();
    if (Data.size() < 20)
        return Result;
    const auto* Bytes = reinterpret_cast<const uchar*>(Data.constData());
    const bool Little = qFromLittleEndian<quint32>(Bytes) == MoMagic;
    if (!Little && qFromBigEndian<quint32>(Bytes) != MoMagic)
        return Result;
    const auto Word = [&](qsizetype At) -> quint32 {
        return Little ? qFromLittleEndian<quint32>(Bytes + At) : qFromBigEndian<quint32>(Bytes + At);
    };
    const quint32 Count = Word(8);
    const quint64 Originals = Word(12);
    const quint64 Translations = Word(16);
    const quint64 Size = quint64(Data.size());
    if (Originals + 8ull * Count > Size || Translations + 8ull * Count > Size)
        return Result;
    // A string of the table at Table, entry i, when it lies inside the file.
    const auto Text = [&](quint64 Table, quint32 i, QByteArray& Out) {
        const quint64 Length = Word(qsizetype(Table + 8ull * i));
        const quint64 Offset = Word(qsizetype(Table + 8ull * i + 4));
        if (Offset + Length > Size)
            return false;
        Out = QByteArray(Data.constData() + Offset, qsizetype(Length));
        return true;
    };
    Result.reserve(Count);
    QByteArray Original;
    QByteArray Translation;
    for (quint32 i = 0; i < Count; ++i) {
        if (!Text(Originals, i, Original) || !Text(Translations, i, Translation) || Original.isEmpty())
            continue; // the empty id holds the catalog's header
        Result.insert(Original, QString::fromUtf8(Translation));
    }
    return Result;
}

QStringList GettextCatalogPaths(const QString& Domain, const QString& Language)
{
    QStringList Names;
    QString Name = Language;
    Name.replace(u'-', u'_');
    if (!Name.isEmpty())
        Names << Name;
    const QString Base = Name.section(u'_', 0, 0);
    if (!Base.isEmpty() && Base != Name)
        Names << Base;
    QStringList Paths;
    for (const QString& Each : std::as_const(Names)) {
        const QString Found = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("locale/%1/LC_MESSAGES/%2.mo").arg(Each, Domain));
        if (!Found.isEmpty())
            Paths << Found;
    }
    return Paths;
}
