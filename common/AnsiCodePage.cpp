#include "common/AnsiCodePage.h"

namespace {

constexpr const char* Cp874 = "windows-874-2000";
constexpr const char* Cp932 = "ibm-943_P15A-2003";
constexpr const char* Cp936 = "windows-936-2000";
constexpr const char* Cp949 = "windows-949-2000";
constexpr const char* Cp950 = "windows-950-2000";
constexpr const char* Cp1250 = "ibm-5346";
constexpr const char* Cp1251 = "ibm-5347";
constexpr const char* Cp1252 = "windows-1252";
constexpr const char* Cp1253 = "ibm-5349";
constexpr const char* Cp1254 = "ibm-5350";
constexpr const char* Cp1255 = "ibm-9447";
constexpr const char* Cp1256 = "ibm-9448";
constexpr const char* Cp1257 = "ibm-9449";
constexpr const char* Cp1258 = "ibm-5354";

// Languages written in more than one script choose by the full identifier.
const char* ByFullIdentifier(LCID Locale)
{
    switch (Locale & 0xFFFF) {
    case 0x0404: case 0x0C04: case 0x1404: case 0x7C04: return Cp950; // Chinese, traditional
    case 0x0804: case 0x1004: case 0x0004: return Cp936;               // Chinese, simplified
    case 0x0C1A: case 0x1C1A: case 0x201A: case 0x281A: case 0x301A:   // Serbian/Bosnian, Cyrillic
        return Cp1251;
    case 0x082C: return Cp1251; // Azerbaijani, Cyrillic
    case 0x042C: return Cp1254; // Azerbaijani, Latin
    case 0x0843: return Cp1251; // Uzbek, Cyrillic
    case 0x0443: return Cp1254; // Uzbek, Latin
    default: return nullptr;
    }
}

} // namespace

const char* AnsiConverterName(LCID Locale)
{
    if (const char* Name = ByFullIdentifier(Locale))
        return Name;
    switch (Locale & 0x3FF) {
    case 0x11: return Cp932; // Japanese
    case 0x04: return Cp936;
    case 0x12: return Cp949; // Korean
    case 0x1E: return Cp874; // Thai
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1A: case 0x1B: case 0x1C: case 0x24:
        return Cp1250; // Czech, Hungarian, Polish, Romanian, Croatian, Slovak, Albanian, Slovenian
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x28: case 0x2F: case 0x3F: case 0x40:
    case 0x44: case 0x50: case 0x6D: case 0x85:
        return Cp1251; // Bulgarian, Russian, Ukrainian, Belarusian, Tajik, Macedonian, Kazakh, Kyrgyz, Tatar, Mongolian, Bashkir, Sakha
    case 0x08: return Cp1253; // Greek
    case 0x1F: return Cp1254; // Turkish
    case 0x0D: case 0x3D: return Cp1255; // Hebrew, Yiddish
    case 0x01: case 0x20: case 0x29: case 0x8C: case 0x92: return Cp1256; // Arabic, Urdu, Persian, Dari, Central Kurdish
    case 0x25: case 0x26: case 0x27: return Cp1257; // Estonian, Latvian, Lithuanian
    case 0x2A: return Cp1258; // Vietnamese
    default: return Cp1252;
    }
}
