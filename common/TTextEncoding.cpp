#include "common/TTextEncoding.h"

#include "common/AnsiCodePage.h"
#include "common/EPendulorError.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>
#include <optional>

namespace {

constexpr char Utf8Mark[] = "\xEF\xBB\xBF";
constexpr char Utf16LEMark[] = "\xFF\xFE";
constexpr char Utf16BEMark[] = "\xFE\xFF";

struct TConverterCloser {
    void operator()(UConverter* C) const { ucnv_close(C); }
};
using TConverter = std::unique_ptr<UConverter, TConverterCloser>;

TConverter OpenConverter(const QByteArray& Name)
{
    UErrorCode Status = U_ZERO_ERROR;
    TConverter C(ucnv_open(Name.constData(), &Status));
    if (U_FAILURE(Status))
        throw EPendulorError(QStringLiteral("The code page converter %1 is not available.")
                                 .arg(QString::fromLatin1(Name)));
    return C;
}

bool IsValidUtf8(const char* Data, qsizetype Size)
{
    UErrorCode Status = U_ZERO_ERROR;
    int32_t Needed = 0;
    u_strFromUTF8(nullptr, 0, &Needed, Data, static_cast<int32_t>(Size), &Status);
    return Status == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(Status);
}

QString DecodeUtf8(const char* Data, qsizetype Size)
{
    if (!IsValidUtf8(Data, Size))
        throw EPendulorError(QStringLiteral("The text is not valid UTF-8."));
    return QString::fromUtf8(Data, Size);
}

QString DecodeUtf16(const char* Data, qsizetype Size, bool BigEndian)
{
    if (Size % 2 != 0)
        throw EPendulorError(QStringLiteral("The UTF-16 text has an odd number of bytes."));
    QString Text(Size / 2, Qt::Uninitialized);
    auto* Out = Text.data();
    const auto* In = reinterpret_cast<const unsigned char*>(Data);
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const unsigned char A = In[2 * I];
        const unsigned char B = In[2 * I + 1];
        Out[I] = QChar(BigEndian ? char16_t((A << 8) | B) : char16_t((B << 8) | A));
    }
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text.at(I);
        if (C.isHighSurrogate() && I + 1 < Text.size() && Text.at(I + 1).isLowSurrogate()) {
            ++I;
            continue;
        }
        if (C.isSurrogate())
            throw EPendulorError(QStringLiteral("The UTF-16 text holds an unpaired surrogate."));
    }
    return Text;
}

QByteArray EncodeUtf16(QStringView Text, bool BigEndian)
{
    QByteArray Bytes(BigEndian ? Utf16BEMark : Utf16LEMark, 2);
    Bytes.reserve(2 + Text.size() * 2);
    for (const QChar C : Text) {
        const char Hi = char(C.unicode() >> 8);
        const char Lo = char(C.unicode() & 0xFF);
        Bytes.append(BigEndian ? Hi : Lo);
        Bytes.append(BigEndian ? Lo : Hi);
    }
    return Bytes;
}

QString DecodeLegacy(const QByteArray& Converter, const char* Data, qsizetype Size)
{
    const TConverter C = OpenConverter(Converter);
    UErrorCode Status = U_ZERO_ERROR;
    const int32_t Needed = ucnv_toUChars(C.get(), nullptr, 0, Data, static_cast<int32_t>(Size), &Status);
    if (Status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(Status))
        throw EPendulorError(QStringLiteral("The text cannot be converted from %1: %2.")
                                 .arg(QString::fromLatin1(Converter), QString::fromLatin1(u_errorName(Status))));
    QString Text(Needed, Qt::Uninitialized);
    Status = U_ZERO_ERROR;
    ucnv_toUChars(C.get(), reinterpret_cast<UChar*>(Text.data()), Needed, Data,
                  static_cast<int32_t>(Size), &Status);
    if (U_FAILURE(Status) && Status != U_STRING_NOT_TERMINATED_WARNING)
        throw EPendulorError(QStringLiteral("The text cannot be converted from %1: %2.")
                                 .arg(QString::fromLatin1(Converter), QString::fromLatin1(u_errorName(Status))));
    return Text;
}

// Nullopt when the code page lacks a character of Text: writing its
// substitute would lose that character for good.
std::optional<QByteArray> EncodeLegacy(const QByteArray& Converter, QStringView Text)
{
    const TConverter C = OpenConverter(Converter);
    UErrorCode Status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(C.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &Status);
    const auto* Source = reinterpret_cast<const UChar*>(Text.utf16());
    const auto SourceLength = static_cast<int32_t>(Text.size());
    const int32_t Needed = ucnv_fromUChars(C.get(), nullptr, 0, Source, SourceLength, &Status);
    if (Status == U_INVALID_CHAR_FOUND || Status == U_ILLEGAL_CHAR_FOUND)
        return std::nullopt;
    if (Status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(Status))
        throw EPendulorError(QStringLiteral("The text cannot be converted to %1: %2.")
                                 .arg(QString::fromLatin1(Converter), QString::fromLatin1(u_errorName(Status))));
    QByteArray Bytes(Needed, Qt::Uninitialized);
    Status = U_ZERO_ERROR;
    ucnv_fromUChars(C.get(), Bytes.data(), Needed, Source, SourceLength, &Status);
    if (U_FAILURE(Status) && Status != U_STRING_NOT_TERMINATED_WARNING)
        throw EPendulorError(QStringLiteral("The text cannot be converted to %1: %2.")
                                 .arg(QString::fromLatin1(Converter), QString::fromLatin1(u_errorName(Status))));
    return Bytes;
}

} // namespace

TTextEncoding TTextEncoding::Detect(const QByteArray& Bytes, LCID LegacyLocale)
{
    if (Bytes.startsWith(Utf8Mark))
        return {Utf8Bom, {}};
    if (Bytes.startsWith(Utf16LEMark))
        return {Utf16LE, {}};
    if (Bytes.startsWith(Utf16BEMark))
        return {Utf16BE, {}};
    if (IsValidUtf8(Bytes.constData(), Bytes.size()))
        return {Utf8, {}};
    return {Legacy, QByteArray(AnsiConverterName(LegacyLocale))};
}

QString TTextEncoding::Decode(const QByteArray& Bytes) const
{
    const QByteArrayView Mark = Kind == Utf8Bom   ? QByteArrayView(Utf8Mark)
                              : Kind == Utf16LE ? QByteArrayView(Utf16LEMark)
                              : Kind == Utf16BE ? QByteArrayView(Utf16BEMark)
                                                : QByteArrayView();
    const qsizetype Skip = Bytes.startsWith(Mark) ? Mark.size() : 0;
    const char* Data = Bytes.constData() + Skip;
    const qsizetype Size = Bytes.size() - Skip;
    switch (Kind) {
    case Utf8:
    case Utf8Bom:
        return DecodeUtf8(Data, Size);
    case Utf16LE:
        return DecodeUtf16(Data, Size, false);
    case Utf16BE:
        return DecodeUtf16(Data, Size, true);
    case Legacy:
        return DecodeLegacy(Converter, Data, Size);
    }
    return {};
}

QByteArray TTextEncoding::Encode(QStringView Text) const
{
    switch (Kind) {
    case Utf8:
        return Text.toUtf8();
    case Utf8Bom:
        return QByteArray(Utf8Mark) + Text.toUtf8();
    case Utf16LE:
        return EncodeUtf16(Text, false);
    case Utf16BE:
        return EncodeUtf16(Text, true);
    case Legacy:
        // Bytes without a mark that are valid UTF-8 are read back as UTF-8:
        // in the code page they must not spell other text in UTF-8.
        if (std::optional<QByteArray> Bytes = EncodeLegacy(Converter, Text))
            if (!IsValidUtf8(Bytes->constData(), Bytes->size()) || QString::fromUtf8(*Bytes) == Text)
                return *std::move(Bytes);
        // The file moves to UTF-8 with its mark, which every reader of it
        // recognises, rather than lose the characters the code page lacks or
        // change them on the next reading.
        return QByteArray(Utf8Mark) + Text.toUtf8();
    }
    return {};
}
