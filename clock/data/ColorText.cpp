#include "clock/data/ColorText.h"

#include "common/HexDigit.h"
#include "common/TIniFile.h"

#include <array>

namespace {

constexpr std::array<TColorEntry, 187> Table{{
    {u"clBlack", 0x00000000},
    {u"clMaroon", 0x00000080},
    {u"clGreen", 0x00008000},
    {u"clOlive", 0x00008080},
    {u"clNavy", 0x00800000},
    {u"clPurple", 0x00800080},
    {u"clTeal", 0x00808000},
    {u"clGray", 0x00808080},
    {u"clSilver", 0x00C0C0C0},
    {u"clRed", 0x000000FF},
    {u"clLime", 0x0000FF00},
    {u"clYellow", 0x0000FFFF},
    {u"clBlue", 0x00FF0000},
    {u"clFuchsia", 0x00FF00FF},
    {u"clAqua", 0x00FFFF00},
    {u"clWhite", 0x00FFFFFF},
    {u"clMoneyGreen", 0x00C0DCC0},
    {u"clSkyBlue", 0x00F0CAA6},
    {u"clCream", 0x00F0FBFF},
    {u"clMedGray", 0x00A4A0A0},
    {u"clActiveBorder", 0xFF00000A},
    {u"clActiveCaption", 0xFF000002},
    {u"clAppWorkSpace", 0xFF00000C},
    {u"clBackground", 0xFF000001},
    {u"clBtnFace", 0xFF00000F},
    {u"clBtnHighlight", 0xFF000014},
    {u"clBtnShadow", 0xFF000010},
    {u"clBtnText", 0xFF000012},
    {u"clCaptionText", 0xFF000009},
    {u"clDefault", 0x20000000},
    {u"clGradientActiveCaption", 0xFF00001B},
    {u"clGradientInactiveCaption", 0xFF00001C},
    {u"clGrayText", 0xFF000011},
    {u"clHighlight", 0xFF00000D},
    {u"clHighlightText", 0xFF00000E},
    {u"clHotLight", 0xFF00001A},
    {u"clInactiveBorder", 0xFF00000B},
    {u"clInactiveCaption", 0xFF000003},
    {u"clInactiveCaptionText", 0xFF000013},
    {u"clInfoBk", 0xFF000018},
    {u"clInfoText", 0xFF000017},
    {u"clMenu", 0xFF000004},
    {u"clMenuBar", 0xFF00001E},
    {u"clMenuHighlight", 0xFF00001D},
    {u"clMenuText", 0xFF000007},
    {u"clNone", 0x1FFFFFFF},
    {u"clScrollBar", 0xFF000000},
    {u"cl3DDkShadow", 0xFF000015},
    {u"cl3DLight", 0xFF000016},
    {u"clWindow", 0xFF000005},
    {u"clWindowFrame", 0xFF000006},
    {u"clWindowText", 0xFF000008},
    {u"clAliceblue", 0x00FFF8F0},
    {u"clAntiquewhite", 0x00D7EBFA},
    {u"clAquamarine", 0x00D4FF7F},
    {u"clAzure", 0x00FFFFF0},
    {u"clBeige", 0x00DCF5F5},
    {u"clBisque", 0x00C4E4FF},
    {u"clBlanchedalmond", 0x00CDEBFF},
    {u"clBlueviolet", 0x00E22B8A},
    {u"clBrown", 0x002A2AA5},
    {u"clBurlywood", 0x0087B8DE},
    {u"clCadetblue", 0x00A09E5F},
    {u"clChartreuse", 0x0000FF7F},
    {u"clChocolate", 0x001E69D2},
    {u"clCoral", 0x00507FFF},
    {u"clCornflowerblue", 0x00ED9564},
    {u"clCornsilk", 0x00DCF8FF},
    {u"clCrimson", 0x003C14DC},
    {u"clCyan", 0x00FFFF00},
    {u"clDarkblue", 0x008B0000},
    {u"clDarkcyan", 0x008B8B00},
    {u"clDarkgoldenrod", 0x000B86B8},
    {u"clDarkgray", 0x00A9A9A9},
    {u"clDarkgreen", 0x00006400},
    {u"clDarkgrey", 0x00A9A9A9},
    {u"clDarkkhaki", 0x006BB7BD},
    {u"clDarkmagenta", 0x008B008B},
    {u"clDarkolivegreen", 0x002F6B55},
    {u"clDarkorange", 0x00008CFF},
    {u"clDarkorchid", 0x00CC3299},
    {u"clDarkred", 0x0000008B},
    {u"clDarksalmon", 0x007A96E9},
    {u"clDarkseagreen", 0x008FBC8F},
    {u"clDarkslateblue", 0x008B3D48},
    {u"clDarkslategray", 0x004F4F2F},
    {u"clDarkslategrey", 0x004F4F2F},
    {u"clDarkturquoise", 0x00D1CE00},
    {u"clDarkviolet", 0x00D30094},
    {u"clDeeppink", 0x009314FF},
    {u"clDeepskyblue", 0x00FFBF00},
    {u"clDimgray", 0x00696969},
    {u"clDimgrey", 0x00696969},
    {u"clDodgerblue", 0x00FF901E},
    {u"clFirebrick", 0x002222B2},
    {u"clFloralwhite", 0x00F0FAFF},
    {u"clForestgreen", 0x00228B22},
    {u"clGainsboro", 0x00DCDCDC},
    {u"clGhostwhite", 0x00FFF8F8},
    {u"clGold", 0x0000D7FF},
    {u"clGoldenrod", 0x0020A5DA},
    {u"clGreenyellow", 0x002FFFAD},
    {u"clGrey", 0x00808080},
    {u"clHoneydew", 0x00F0FFF0},
    {u"clHotpink", 0x00B469FF},
    {u"clIndianred", 0x005C5CCD},
    {u"clIndigo", 0x0082004B},
    {u"clIvory", 0x00F0FFFF},
    {u"clKhaki", 0x008CE6F0},
    {u"clLavender", 0x00FAE6E6},
    {u"clLavenderblush", 0x00F5F0FF},
    {u"clLawngreen", 0x0000FC7C},
    {u"clLemonchiffon", 0x00CDFAFF},
    {u"clLightblue", 0x00E6D8AD},
    {u"clLightcoral", 0x008080F0},
    {u"clLightcyan", 0x00FFFFE0},
    {u"clLightcyan", 0x00D2FAFA},
    {u"clLightgray", 0x00D3D3D3},
    {u"clLightgreen", 0x0090EE90},
    {u"clLightgrey", 0x00D3D3D3},
    {u"clLightpink", 0x00C1B6FF},
    {u"clLightsalmon", 0x007AA0FF},
    {u"clLightseagreen", 0x00AAB220},
    {u"clLightskyblue", 0x00FACE87},
    {u"clLightslategray", 0x00998877},
    {u"clLightslategrey", 0x00998877},
    {u"clLightsteelblue", 0x00DEC4B0},
    {u"clLightyellow", 0x00E0FFFF},
    {u"clLtGray", 0x00C0C0C0},
    {u"clDkGray", 0x00808080},
    {u"clLegacySkyBlue", 0x00F0CAA6},
    {u"clLimegreen", 0x0032CD32},
    {u"clLinen", 0x00E6F0FA},
    {u"clMagenta", 0x00FF00FF},
    {u"clMaroon", 0x00AACD66},
    {u"clMediumblue", 0x00CD0000},
    {u"clMediumorchid", 0x00D355BA},
    {u"clMediumpurple", 0x00DB7093},
    {u"clMediumseagreen", 0x0071B33C},
    {u"clMediumslateblue", 0x00EE687B},
    {u"clMediumspringgreen", 0x009AFA00},
    {u"clMediumturquoise", 0x00CCD148},
    {u"clMediumvioletred", 0x008515C7},
    {u"clMidnightblue", 0x00701919},
    {u"clMidnightblue", 0x00FAFFF5},
    {u"clMistyrose", 0x00E1E4FF},
    {u"clMoccasin", 0x00B5E4FF},
    {u"clNavajowhite", 0x00ADDEFF},
    {u"clNavajowhite", 0x00800000},
    {u"clOldlace", 0x00E6F5FD},
    {u"clOlivedrab", 0x00238E6B},
    {u"clOrange", 0x0000A5FF},
    {u"clOrangered", 0x000045FF},
    {u"clOrchid", 0x00D670DA},
    {u"clPalegoldenrod", 0x00AAE8EE},
    {u"clPalegreen", 0x0098FB98},
    {u"clPaleturquoise", 0x00EEEEAF},
    {u"clPalevioletred", 0x009370DB},
    {u"clPapayawhip", 0x00D5EFFF},
    {u"clPeachpuff", 0x00B9DAFF},
    {u"clPeru", 0x003F85CD},
    {u"clPink", 0x00CBC0FF},
    {u"clPlum", 0x00DDA0DD},
    {u"clPowderblue", 0x00E6E0B0},
    {u"clRosybrown", 0x008F8FBC},
    {u"clRoyalblue", 0x00E16941},
    {u"clSaddlebrown", 0x0013458B},
    {u"clSalmon", 0x007280FA},
    {u"clSandybrown", 0x0060A4F4},
    {u"clSeagreen", 0x00578B2E},
    {u"clSeashell", 0x00EEF5FF},
    {u"clSienna", 0x002D52A0},
    {u"clSlateblue", 0x00CD5A6A},
    {u"clSlategray", 0x00908070},
    {u"clSlategrey", 0x00908070},
    {u"clSnow", 0x00FAFAFF},
    {u"clSpringgreen", 0x007FFF00},
    {u"clSteelblue", 0x00B48246},
    {u"clTan", 0x008CB4D2},
    {u"clThistle", 0x00D8BFD8},
    {u"clTomato", 0x004763FF},
    {u"clTurquoise", 0x00D0E040},
    {u"clViolet", 0x00EE82EE},
    {u"clWheat", 0x00B3DEF5},
    {u"clWhitesmoke", 0x00F5F5F5},
    {u"clYellowgreen", 0x0032CD9A},
    {u"clNull", 0x00000000},
}};

// "#RRGGBB" or "#RGB" (each digit doubled) into 0x00BBGGRR.
std::optional<quint32> HtmlColor(QStringView Text)
{
    if (!Text.startsWith(u'#') || (Text.size() != 7 && Text.size() != 4))
        return std::nullopt;
    std::array<int, 3> Rgb{};
    const bool Short = Text.size() == 4;
    for (int Part = 0; Part < 3; ++Part) {
        const int Hi = HexDigit(Text[1 + (Short ? Part : 2 * Part)]);
        const int Lo = HexDigit(Text[1 + (Short ? Part : 2 * Part + 1)]);
        if (Hi < 0 || Lo < 0)
            return std::nullopt;
        Rgb[Part] = Hi * 16 + Lo;
    }
    return quint32(Rgb[0]) | (quint32(Rgb[1]) << 8) | (quint32(Rgb[2]) << 16);
}

} // namespace

std::span<const TColorEntry> ColorTable() { return Table; }

QString ColorToText(quint32 Color)
{
    for (const TColorEntry& E : Table)
        if (E.Value == Color)
            return QString::fromUtf16(E.Name);
    return QStringLiteral("$%1").arg(Color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> TextToColor(QStringView Text)
{
    for (const TColorEntry& E : Table)
        if (Text.compare(QStringView(E.Name), Qt::CaseInsensitive) == 0)
            return E.Value;
    if (const std::optional<int> Number = TIniFile::ParseInteger(Text))
        return static_cast<quint32>(*Number);
    return HtmlColor(Text);
}
