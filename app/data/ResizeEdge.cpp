#include "app/data/ResizeEdge.h"

TResizeHit ResizeEdgeAt(int X, int Y, int L, int W, int T, int H)
{
    const int m = ResizeMargin;
    if (Y <= T + m || Y >= T + H - m) {
        if (Y < T + m) {
            if (X < L + m)
                return {EdgeTopLeft, CursorSizeNWSE};
            if (X > L + W - m)
                return {EdgeTopRight, CursorSizeNESW};
            return {EdgeTop, CursorSizeNS};
        }
        // The two rows y = T+m and y = T+H-m fall between the tests.
        if (Y <= T + H - m)
            return {EdgeNone, std::nullopt};
        if (X < L + m)
            return {EdgeBottomLeft, CursorSizeNESW};
        if (X > L + W - m)
            return {EdgeBottomRight, CursorSizeNWSE};
        return {EdgeBottom, CursorSizeNS};
    }
    if (X < L + m)
        return {EdgeLeft, CursorSizeWE};
    if (X > L + W - m)
        return {EdgeRight, CursorSizeWE};
    return {EdgeNone, CursorDefault};
}
