#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The places of the clock windows in the frame's client area, worked out
// without any window.

// Count windows tiled over Area without gaps or overlap. Rows: lines one
// above another; otherwise columns side by side. Up to three windows share
// one line; more form about sqrt(Count) lines, the first lines taking one
// window more when the count does not divide evenly. Windows are placed
// line by line in the order given.
QList<QRect> TileRects(int Count, const QRect& Area, bool Rows);

// Cascaded places for windows of the given sizes, back window first: each
// Step pixels right of and below the one behind it, starting at the top
// left of an area of size Area. Sizes shrink where needed so that the whole
// diagonal fits; when even that would leave them too small, sizes are kept
// (bounded by the area) and the diagonal starts again at the top left
// whenever a window would leave the area.
QList<QRect> CascadeRects(const QList<QSize>& Sizes, const QSize& Area, int Step);
