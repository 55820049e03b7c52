#include "common/AtomicFile.h"

#include "common/EPendulorError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <algorithm>
#include <cstring>

namespace {

// The system's error text without trailing blanks, line breaks and full stops.
QString Reason(const QString& Text)
{
    QString R = Text;
    while (!R.isEmpty() && (R.back().isSpace() || R.back() == u'.'))
        R.chop(1);
    return R.isEmpty() ? QStringLiteral("Unknown error") : R;
}

[[noreturn]] void FailRead(const QString& Path, const QString& Why)
{
    throw EPendulorError(QStringLiteral("Cannot read file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(Path), Reason(Why)));
}

[[noreturn]] void FailWrite(const QString& Path, const QString& Why)
{
    throw EPendulorError(QStringLiteral("Cannot save file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(Path), Reason(Why)));
}

// A rename is durable only once the folder's entry is on disk too.
void SyncFolder(const QString& Path)
{
#ifdef Q_OS_UNIX
    const QByteArray Folder = QFile::encodeName(QFileInfo(Path).absolutePath());
    const int Fd = ::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        ::fsync(Fd);
        ::close(Fd);
    }
#else
    Q_UNUSED(Path);
#endif
}

} // namespace

TFileContent ReadWholeFile(const QString& Path, qint64 MaxSize)
{
    const QFileInfo Info(Path);
    if (!Info.exists() && !Info.isSymLink())
        return {};
    if (Info.isDir())
        FailRead(Path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    // A device or pipe could block or never end.
    if (!Info.isFile())
        FailRead(Path, QStringLiteral("Not a regular file"));
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        FailRead(Path, File.errorString());
    if (File.size() > MaxSize)
        FailRead(Path, QStringLiteral("The file is larger than %1 bytes").arg(MaxSize));
    // Read in pieces: asking for MaxSize + 1 bytes at once reserves all of it.
    TFileContent Content{true, {}};
    Content.Bytes.reserve(File.size());
    char Piece[65536];
    while (Content.Bytes.size() <= MaxSize) {
        const qint64 Got = File.read(Piece, std::min<qint64>(sizeof Piece, MaxSize + 1 - Content.Bytes.size()));
        if (Got <= 0)
            break;
        Content.Bytes.append(Piece, Got);
    }
    if (Content.Bytes.size() > MaxSize)
        FailRead(Path, QStringLiteral("The file is larger than %1 bytes").arg(MaxSize));
    if (File.error() != QFileDevice::NoError)
        FailRead(Path, File.errorString());
    return Content;
}

void WriteFileAtomically(const QString& Path, const QByteArray& Bytes)
{
    if (QFileInfo(Path).isDir())
        FailWrite(Path, QString::fromLocal8Bit(std::strerror(EISDIR)));
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        FailWrite(Path, File.errorString());
    if (File.write(Bytes) != Bytes.size()) {
        const QString Why = File.errorString();
        File.cancelWriting();
        FailWrite(Path, Why);
    }
    if (!File.commit())
        FailWrite(Path, File.errorString());
    SyncFolder(Path);
}
