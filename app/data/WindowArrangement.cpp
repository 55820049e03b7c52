#include "app/data/WindowArrangement.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this a shrunken cascade would leave no readable clock.
constexpr QSize SmallestCascadedSize{120, 80};

} // namespace

QList<QRect> TileRects(int Count, const QRect& Area, bool Rows)
{
    QList<QRect> rects;
    if (Count <= 0)
        return rects;
    const int lines = Count <= 3 ? 1 : int(std::sqrt(double(Count)));
    const int across = Rows ? Area.width() : Area.height();
    const int along = Rows ? Area.height() : Area.width();
    for (int line = 0; line < lines; ++line) {
        const int count = Count / lines + (line < Count % lines ? 1 : 0);
        const int lineStart = across * line / lines;
        const int lineEnd = across * (line + 1) / lines;
        for (int k = 0; k < count; ++k) {
            const int start = along * k / count;
            const int end = along * (k + 1) / count;
            const QRect r = Rows ? QRect(lineStart, start, lineEnd - lineStart, end - start)
                                 : QRect(start, lineStart, end - start, lineEnd - lineStart);
            rects.append(r.translated(Area.topLeft()));
        }
    }
    return rects;
}

QList<QRect> CascadeRects(const QList<QSize>& Sizes, const QSize& Area, int Step)
{
    QList<QRect> rects;
    if (Sizes.isEmpty())
        return rects;
    Step = std::max(0, Step);
    const int spread = Step * int(Sizes.size() - 1);
    QSize limit = Area - QSize(spread, spread);
    if (limit.width() < SmallestCascadedSize.width() || limit.height() < SmallestCascadedSize.height())
        limit = Area;
    int x = 0;
    int y = 0;
    for (const QSize& wanted : Sizes) {
        const QSize size = wanted.boundedTo(limit).expandedTo(QSize(0, 0));
        if (x + size.width() > Area.width() || y + size.height() > Area.height())
            x = y = 0; // start again at the top left
        rects.append(QRect(QPoint(x, y), size));
        x += Step;
        y += Step;
    }
    return rects;
}
