#pragma once

#include <QChar>

// The value of an ASCII hexadecimal digit, -1 for any other character (the
// digits of other scripts count as no digit).
constexpr int HexDigit(QChar C)
{
    const char16_t U = C.unicode();
    if (U >= u'0' && U <= u'9') return U - u'0';
    if (U >= u'a' && U <= u'f') return U - u'a' + 10;
    if (U >= u'A' && U <= u'F') return U - u'A' + 10;
    return -1;
}
