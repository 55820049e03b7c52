#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QString>

// The tool-window look of a clock window: a small caption and a thin frame on
// top of the application's style.
class TToolWindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int CaptionHeight = 16;
    static constexpr int FrameWidth = 2;

    // The one instance all clock windows share (a style of its own per window
    // would also mean a base style, with its caches, per window). Owned by the
    // application; made again should the application be made again.
    static TToolWindowStyle* Shared();

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
    // The caption and window-menu icons are read once: the base style decodes
    // their image files anew on every call, which every new window makes.
    QIcon standardIcon(StandardPixmap Icon, const QStyleOption* Option = nullptr,
                       const QWidget* Widget = nullptr) const override;

private:
    // What the cached icons were made under; any change empties the cache.
    struct TIconContext {
        const QStyle* AppStyle = nullptr;
        qint64 Palette = 0;
        bool RightToLeft = false;
        QString Theme;
        bool operator==(const TIconContext&) const = default;
    };
    static TIconContext CurrentIconContext();
    static bool IsCachedIcon(StandardPixmap Icon);

    mutable TIconContext IconContext_;
    mutable QHash<int, QIcon> Icons_;
};
