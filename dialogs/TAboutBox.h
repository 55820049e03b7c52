#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QMessageBox>

#include <functional>

class IStyleService;
class INowSource;
class QLabel;
struct TAboutFacts;

// What the About box needs besides its text.
struct TAboutServices {
    const IStyleService* Styles = nullptr; // the gradient is drawn only under "Windows"
    std::function<void()> OpenDownloadPage = {}; // the icon's click
    // 0 up to, not including, 0xFFFFFF; red in the low byte. Empty = the
    // application's random generator.
    std::function<quint32()> RandomColor = {};
};

// The facts of the running application for the About text: the build, the
// primary screen, the user's locale and the command line.
TAboutFacts CurrentAboutFacts(TDateTime StartTime, LCID DefaultLocaleID, const INowSource& Now);

// The About box: a message box with the application's icon as a link to the
// download page, OK, and a gradient background under the plain style.
class TAboutBox : public QMessageBox {
    Q_OBJECT

public:
    TAboutBox(const QString& Text, TAboutServices Services, QWidget* Parent = nullptr);

    bool HasGradient() const { return HasGradient1; }
    // The colour of the latest gradient, as drawn.
    quint32 LastGradientColor() const { return LastColor1; }
    QLabel* IconLabel() const { return IconLabel1; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    void AboutFormPaint();
    void AboutIconClick();

    TAboutServices Services1;
    QLabel* IconLabel1 = nullptr;
    bool HasGradient1 = false;
    quint32 LastColor1 = 0;
    bool ColorDrawn1 = false;
};
