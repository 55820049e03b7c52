#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QString>

// A style that hands out the caption and window-menu icons of its base style
// made once: the base style decodes their image files anew on every call, and
// every new sub-window asks for five of them. Wrapped around the application
// style, it serves the sub-window's own constructor too.
class TIconCachingStyle : public QProxyStyle {
    Q_OBJECT
public:
    TIconCachingStyle() = default; // over the application style
    explicit TIconCachingStyle(QStyle* Base) : QProxyStyle(Base) {} // takes Base over

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
