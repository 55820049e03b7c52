#pragma once

#include "common/BuildInfo.h"

#include <QString>

// Program-wide constants of the frame's module; the product's identity and
// the web addresses come from the build (common/BuildInfo.h).
inline const QString MakerFolderName = QStringLiteral("Quorvane");
