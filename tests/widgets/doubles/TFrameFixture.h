#pragma once

#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "widgets/doubles/TFrameDoubles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// One frame on doubles over an empty per-user folder.
struct TFrameFixture : TFrameDoubles {
    QTemporaryDir Home;
    std::unique_ptr<TMainForm> Frame;

    TFrameFixture() { qputenv("XDG_DATA_HOME", Home.path().toUtf8()); }
    ~TFrameFixture()
    {
        Frame.reset();
        qunsetenv("XDG_DATA_HOME");
    }

    QString IniPath() const { return GetIniFileName(QStringLiteral("Quorvane")); }
    QString Folder() const { return GetDataFolder(QStringLiteral("Quorvane")); }

    void WriteIni(const QByteArray& Bytes) const
    {
        QDir().mkpath(Folder());
        QFile file(IniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
    }
    QByteArray ReadIni() const
    {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TMainForm& Make()
    {
        Frame = std::make_unique<TMainForm>(Services());
        MakeDialogs(*Frame);
        Frame->SetCommandLine({});
        return *Frame;
    }
    TMainForm& MakeShown()
    {
        Make();
        Frame->show();
        if (!QTest::qWaitForWindowExposed(Frame.get()))
            qWarning("frame not exposed");
        QCoreApplication::processEvents(); // the first showing's work
        return *Frame;
    }
};

