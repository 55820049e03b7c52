#pragma once

#include <optional>

// Width in pixels of the band along each edge of the frame in which dragging
// sizes a frame without title bar.
constexpr int ResizeMargin = 8;

// Edge codes of a sizing operation.
enum TResizeEdge : int {
    EdgeNone = 0,
    EdgeLeft = 1,
    EdgeRight = 2,
    EdgeTop = 3,
    EdgeTopLeft = 4,
    EdgeTopRight = 5,
    EdgeBottom = 6,
    EdgeBottomLeft = 7,
    EdgeBottomRight = 8,
};

// The cursor shapes the edge test chooses from.
enum TResizeCursor : short {
    CursorDefault = 0,
    CursorSizeWE,   // west-east
    CursorSizeNS,   // north-south
    CursorSizeNWSE, // north-west to south-east
    CursorSizeNESW, // north-east to south-west
};

struct TResizeHit {
    TResizeEdge Edge = EdgeNone;
    // The cursor to show; none on the rows T+m and T+H-m, where the
    // previous cursor stays.
    std::optional<TResizeCursor> Cursor;
};

// Which edge of the frame at L, T, W x H (outer bounds) the screen point
// (X, Y) lies on, within ResizeMargin.
TResizeHit ResizeEdgeAt(int X, int Y, int L, int W, int T, int H);
