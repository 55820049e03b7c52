#pragma once

#include "platform/IStyleService.h"

#include <QObject>
#include <QPalette>
#include <QPointer>

class TThemedStyle;
struct TStyleDefinition;

// The visual styles: rows of the style table drawn by one engine over Fusion.
// Activating one hands the row to the engine and sets the application
// palette, which Qt hands to every widget. "Windows" is plain Fusion. Style
// sheets must not be used anywhere, as they stop palette changes from reaching
// the widgets.
class TStyleService final : public QObject, public IStyleService {
    Q_OBJECT
public:
    // Needs a QApplication; gives it the engine and "Windows".
    explicit TStyleService(QObject* Parent = nullptr);

    QStringList StyleNames() const override;
    QString ActiveStyleName() const override;
    void ActivateStyle(const QString& Name) override;
    QColor ColorOf(std::uint32_t Color) const override;
    void SetFontElement(QWidget& Control, bool FollowStyle, const QColor& Own) const override;

    // The palette a style stands for; throws for an unknown name.
    QPalette StylePalette(const QString& Name) const;

    // The colour of system colour Index (COLOR_WINDOWTEXT = 8, ...) in Palette.
    static QColor SystemColor(const QPalette& Palette, int Index);
    // ColorOf and SetFontElement for a given palette, usable without a service.
    static QColor ColorIn(const QPalette& Palette, std::uint32_t Color);
    static void ApplyFontElement(QWidget& Control, bool FollowStyle, const QColor& Own);
    // 0x00BBGGRR of a plain colour.
    static std::uint32_t ToColorValue(const QColor& Color);

Q_SIGNALS:
    // After the application palette has changed (the frame re-sets cached
    // brushes such as the MDI area's background).
    void ActiveStyleChanged(const QString& Name);

private:
    static const TStyleDefinition& Definition(const QString& Name);

    const TStyleDefinition* Active_ = nullptr;
    QPointer<TThemedStyle> Engine_;
};
