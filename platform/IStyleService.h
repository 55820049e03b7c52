#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

// The named visual styles of the application. Exactly one is active; "Windows"
// is the platform's plain look.
class IStyleService {
public:
    virtual ~IStyleService() = default;

    // Every name on offer, "Windows" first, then the shipped styles.
    virtual QStringList StyleNames() const = 0;
    virtual QString ActiveStyleName() const = 0;
    // Redraws every window in the style. Throws for a name not on offer and
    // leaves the active style as it was.
    virtual void ActivateStyle(const QString& Name) = 0;
    // The colour a stored colour value stands for under the active style:
    // 0x00BBGGRR is a plain colour, 0xFF0000nn the system colour nn.
    virtual QColor ColorOf(std::uint32_t Color) const = 0;

    // The font element of one control: with FollowStyle the control's text
    // takes the style's colour, otherwise it keeps Own under any style.
    virtual void SetFontElement(QWidget& Control, bool FollowStyle, const QColor& Own) const = 0;
};
