#pragma once

#include <QString>

// Program-wide constants of the frame's module.
inline const QString AppName = QStringLiteral("Pendulor");
inline const QString AppVersion = QStringLiteral("V1.2");
inline const QString MakerFolderName = QStringLiteral("Quorvane");

// Build-time settings of the project.
QString HomeSiteUrl();
QString DonationUrl();
QString DownloadPageUrl();
QString BuildVersion(); // the four-part version of the build
