// Reads arbitrary bytes as the frame's settings file, in memory: the values
// must lie within their documented bounds, and writing the settings back,
// encoded as the file would be, and reading them again must give the same
// settings.
#include "app/data/FrameSettingsFile.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "common/Trimmed.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QString Path = QStringLiteral("/fuzz/Pendulor.ini");
constexpr LCID CodePageLocale = 1041;
const TFrameDefaults Defaults{QSize(1366, 738), QSize(3286, 1080), QStringLiteral("Pendulor")};

TIniFile Parse(const QByteArray& Bytes)
{
    const TTextEncoding Encoding = TTextEncoding::Detect(Bytes, CodePageLocale);
    return TIniFile::FromText(Path, Encoding.Decode(Bytes), Encoding);
}

// What a value keeps through writing: line breaks become blanks, outer
// blanks go.
QString Written(QString S)
{
    S.replace(u'\r', u' ');
    S.replace(u'\n', u' ');
    return Trimmed(S).toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    TFrameSettings Settings;
    try {
        Settings = ReadFrameSettings(Parse(Bytes), Defaults);
    } catch (const EPendulorError&) {
        return 0; // refused as undecodable
    }
    const QRect& B = Settings.Bounds;
    if (B.width() < FrameMinimumWidth || B.width() > Defaults.Desktop.width() || B.height() < FrameMinimumHeight
        || B.height() > Defaults.Desktop.height() || std::abs(B.left()) > FrameCoordinateLimit
        || std::abs(B.top()) > FrameCoordinateLimit || Settings.AlphaBlendValue < 0
        || Settings.AlphaBlendValue > 255)
        std::abort();

    TIniFile Out = TIniFile::FromText(Path, QStringView(), TTextEncoding::Detect(Bytes, CodePageLocale));
    WriteFrameSettings(Out, Settings, TProgramStamp{QStringLiteral("Pendulor"), QStringLiteral("/usr/bin"), QStringLiteral("1.0"), Path, QStringLiteral("x")});
    const TFrameSettings Back = ReadFrameSettings(Parse(Out.Encoding().Encode(Out.Text())), Defaults);

    TFrameSettings Expected = Settings;
    Expected.Caption = Written(Expected.Caption);
    Expected.StyleName = Written(Expected.StyleName);
    for (QString& File : Expected.ClockFiles)
        File = Written(File);
    if (!(Back == Expected))
        std::abort();
    return 0;
}
