#pragma once

#include <QString>
#include <QStringView>

// Replaces the nine characters that file names may not hold with full-width
// look-alikes.
QString NormalizeFileChar1(QStringView S);

// The path a clock named Name is saved to in Folder: "(new)" for an empty
// name, "ERRORNAME" when the normalised name still holds U+0000..U+001F, and
// the extension ".dat".
QString ClockDataFileName(const QString& Folder, const QString& Name);

// The data file a clock loaded from FileName starts with: the data folder
// joined with FileName's name without folder and extension. Only its folder
// matters: the writer saves there under the clock's name.
QString OpenedDataFileName(const QString& DataFolder, const QString& FileName);
