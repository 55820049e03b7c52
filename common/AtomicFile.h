#pragma once

#include <QByteArray>
#include <QString>

struct TFileContent {
    bool Exists = false;
    QByteArray Bytes;
};

// The whole content of Path; Exists is false when there is no such file.
// Throws EPendulorError naming the file and the reason when it exists but
// cannot be read (a folder, a device or pipe, no permission, a read error,
// more than MaxSize bytes).
TFileContent ReadWholeFile(const QString& Path, qint64 MaxSize);

// Replaces Path with Bytes through a temporary file in the same folder,
// flushed to disk and renamed over the old file; the folder is synced after.
// Throws EPendulorError naming the path and the system's reason; the old
// file is then untouched.
void WriteFileAtomically(const QString& Path, const QByteArray& Bytes);
