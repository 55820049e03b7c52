// Feeds arbitrary bytes through encoding detection, decoding and the INI
// parser, then checks that writing the parsed file and parsing it again
// keeps every value.
#include "common/EPendulorError.h"
#include "common/TIniFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    const TTextEncoding Encoding = TTextEncoding::Detect(Bytes, 1041); // the double-byte code page: more to get wrong
    QString Text;
    try {
        Text = Encoding.Decode(Bytes);
    } catch (const EPendulorError&) {
        return 0;
    }
    const TIniFile Ini = TIniFile::FromText(QString(), Text, Encoding);
    const TIniFile Again = TIniFile::FromText(QString(), Ini.Text(), Encoding);
    if (Again.Text() != Ini.Text())
        std::abort();
    for (const QString& Section : Ini.ReadSections())
        for (const QString& Key : Ini.ReadSection(Section)) {
            Ini.ReadInteger(Section, Key, 0);
            if (Again.ReadString(Section, Key, QStringLiteral("\1absent")) != Ini.ReadString(Section, Key, QString()))
                std::abort();
        }
    // Writing in the detected encoding must not fail, whatever was read.
    (void)Encoding.Encode(Ini.Text());
    return 0;
}
