#pragma once

#include "app/MainUnit.h"
#include "app/TDesktopServices.h"
#include "app/TMainForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// The application's frame with the real services over an empty per-user
// folder, shown at 780 x 580 (the offscreen screen is 800 x 600); Options
// are more lines of the settings file's [OPTION] section.
struct TShownFrame {
    QTemporaryDir Home;
    std::unique_ptr<TDesktopServices> Desktop;
    std::unique_ptr<TMainForm> Frame;

    explicit TShownFrame(const QByteArray& Options = {})
    {
        qputenv("XDG_DATA_HOME", Home.path().toUtf8());
        QDir().mkpath(GetDataFolder(QStringLiteral("Quorvane")));
        QFile ini(GetIniFileName(QStringLiteral("Quorvane")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[POSITION]\r\nWidth=780\r\nHeight=580\r\nLeft=0\r\nTop=0\r\n[OPTION]\r\n" + Options);
        ini.close();
        Desktop = std::make_unique<TDesktopServices>();
        Frame = std::make_unique<TMainForm>(Desktop->Frame());
        Desktop->MakeDialogs(*Frame);
        Frame->SetCommandLine({});
        Frame->show();
        QCoreApplication::processEvents();
    }
};
