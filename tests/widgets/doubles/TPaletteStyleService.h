#pragma once

#include "common/EPendulorError.h"
#include "platform/IStyleService.h"
#include "platform/TStyleService.h"

#include <QApplication>

// The plain look without the style table: "Windows" alone, colours from the
// application palette as it stands. Sets no style of its own, so a test
// keeps whatever style its application has.
class TPaletteStyleService final : public IStyleService {
public:
    QStringList StyleNames() const override { return {QStringLiteral("Windows")}; }
    QString ActiveStyleName() const override { return QStringLiteral("Windows"); }
    void ActivateStyle(const QString& Name) override
    {
        if (Name.compare(QStringLiteral("Windows"), Qt::CaseInsensitive) != 0)
            throw EPendulorError(QStringLiteral("Style not found: ") + Name);
    }
    QColor ColorOf(std::uint32_t Color) const override
    {
        return TStyleService::ColorIn(QApplication::palette(), Color);
    }
    void SetFontElement(QWidget& Control, bool FollowStyle, const QColor& Own) const override
    {
        TStyleService::ApplyFontElement(Control, FollowStyle, Own);
    }
};
