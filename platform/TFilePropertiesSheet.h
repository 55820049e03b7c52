#pragma once

#include <QDialog>

// The application's own property sheet of a file, shown where the desktop
// offers none: name, folder, type, size, times, owner and permissions.
class TFilePropertiesSheet : public QDialog {
    Q_OBJECT

public:
    explicit TFilePropertiesSheet(const QString& Path, QWidget* Parent = nullptr);

    // Shows a sheet that closes and frees itself; returns at once.
    static TFilePropertiesSheet* ShowFor(const QString& Path);
};
