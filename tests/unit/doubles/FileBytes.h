#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Raw file access for tests that check the bytes on disk.
inline QByteArray ReadBytes(const QString& Path)
{
    QFile F(Path);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray("<unreadable>");
}

inline void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile F(Path);
    QVERIFY(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(F.write(Bytes), Bytes.size());
}
