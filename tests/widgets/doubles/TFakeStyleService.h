#pragma once

#include "common/EPendulorError.h"
#include "platform/IStyleService.h"

#include <QColor>
#include <QStringList>

// Styles by name only; activating records the name. A name in Refused is on
// offer but fails to activate, as a broken style would.
class TFakeStyleService final : public IStyleService {
public:
    QStringList Names{QStringLiteral("Windows"), QStringLiteral("Carbon"), QStringLiteral("Amethyst Kamri"),
                      QStringLiteral("Auric")};
    QString Active = QStringLiteral("Windows");
    QStringList Activated;
    QStringList Refused;

    QStringList StyleNames() const override { return Names; }
    QString ActiveStyleName() const override { return Active; }
    void ActivateStyle(const QString& Name) override
    {
        if (!Names.contains(Name))
            throw EPendulorError(QStringLiteral("Style not found: ") + Name);
        if (Refused.contains(Name))
            throw EPendulorError(QStringLiteral("Style cannot be drawn: ") + Name);
        Active = Name;
        Activated << Name;
    }
    QColor ColorOf(std::uint32_t Color) const override
    {
        return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
    }
    void SetFontElement(QWidget&, bool, const QColor&) const override {}
};
