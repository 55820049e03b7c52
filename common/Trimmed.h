#pragma once

#include <QStringView>

// S without leading and trailing blanks and control characters (U+0000 to
// U+0020): how the INI files, the memo and the format fields trim.
inline QStringView Trimmed(QStringView S)
{
    qsizetype Begin = 0;
    qsizetype End = S.size();
    while (Begin < End && S[Begin].unicode() <= 0x20)
        ++Begin;
    while (End > Begin && S[End - 1].unicode() <= 0x20)
        --End;
    return S.sliced(Begin, End - Begin);
}
