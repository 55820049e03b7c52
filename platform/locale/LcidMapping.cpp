#include "platform/locale/LcidMapping.h"

#include <unicode/uloc.h>
#include <unicode/ures.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace LcidMapping {
namespace {

constexpr int NameCapacity = ULOC_FULLNAME_CAPACITY;

std::string Canonical(const std::string& Name)
{
    std::array<char, NameCapacity> Buffer{};
    UErrorCode Status = U_ZERO_ERROR;
    uloc_canonicalize(Name.c_str(), Buffer.data(), NameCapacity, &Status);
    return U_SUCCESS(Status) ? std::string(Buffer.data()) : std::string();
}

std::string Maximized(const std::string& Name)
{
    std::array<char, NameCapacity> Buffer{};
    UErrorCode Status = U_ZERO_ERROR;
    uloc_addLikelySubtags(Name.c_str(), Buffer.data(), NameCapacity, &Status);
    return U_SUCCESS(Status) ? std::string(Buffer.data()) : std::string();
}

struct TSubtags {
    std::string Language, Script, Region, Variant;
};

TSubtags SplitSubtags(const std::string& Name)
{
    std::array<char, NameCapacity> Buffer{};
    TSubtags Tags;
    auto Read = [&](auto Getter, std::string& Into) {
        UErrorCode Status = U_ZERO_ERROR;
        Getter(Name.c_str(), Buffer.data(), NameCapacity, &Status);
        Into = U_SUCCESS(Status) ? std::string(Buffer.data()) : std::string();
    };
    Read(uloc_getLanguage, Tags.Language);
    Read(uloc_getScript, Tags.Script);
    Read(uloc_getCountry, Tags.Region);
    Read(uloc_getVariant, Tags.Variant);
    return Tags;
}

std::string Join(std::initializer_list<const std::string*> Parts)
{
    std::string Out;
    for (const std::string* Part : Parts) {
        if (Part->empty())
            continue;
        if (!Out.empty())
            Out += '_';
        Out += *Part;
    }
    return Out;
}

// The code set goes, the script modifiers become a script subtag, other
// modifiers (such as @euro) carry nothing about the conventions.
std::string IcuNameOfPosix(std::string_view Name)
{
    std::string_view Modifier;
    if (const auto At = Name.find('@'); At != std::string_view::npos) {
        Modifier = Name.substr(At + 1);
        Name = Name.substr(0, At);
    }
    if (const auto Dot = Name.find('.'); Dot != std::string_view::npos)
        Name = Name.substr(0, Dot);
    std::string Base(Name);
    if (Modifier == "valencia")
        return Base + "_VALENCIA";
    std::string Script;
    if (Modifier == "latin")
        Script = "Latn";
    else if (Modifier == "cyrillic")
        Script = "Cyrl";
    else if (Modifier == "devanagari")
        Script = "Deva";
    if (Script.empty())
        return Base;
    const std::string::size_type Underscore = Base.find('_');
    if (Underscore == std::string::npos)
        return Base + '_' + Script;
    return Base.substr(0, Underscore) + '_' + Script + Base.substr(Underscore);
}

// An identifier stands for Name when it maps back to a locale with the same
// language, script and region once both are maximised.
bool RoundTrips(LCID Locale, const std::string& MaximizedName)
{
    std::array<char, NameCapacity> Buffer{};
    UErrorCode Status = U_ZERO_ERROR;
    uloc_getLocaleForLCID(Locale, Buffer.data(), NameCapacity, &Status);
    if (U_FAILURE(Status))
        return false;
    // A neutral identifier ("sr") maximises to some region too: a region
    // asked for must be named by the identifier itself.
    if (SplitSubtags(Buffer.data()).Region.empty())
        return false;
    const TSubtags Back = SplitSubtags(Maximized(Buffer.data()));
    const TSubtags Want = SplitSubtags(MaximizedName);
    return Back.Language == Want.Language && Back.Script == Want.Script && Back.Region == Want.Region &&
           Back.Variant == Want.Variant;
}

} // namespace

std::optional<std::string> IcuLocaleOf(LCID Locale)
{
    std::array<char, NameCapacity> Buffer{};
    UErrorCode Status = U_ZERO_ERROR;
    uloc_getLocaleForLCID(Locale, Buffer.data(), NameCapacity, &Status);
    if (U_FAILURE(Status) || Status == U_STRING_NOT_TERMINATED_WARNING)
        return std::nullopt;
    std::string Name(Buffer.data());
    std::array<char, NameCapacity> Language{};
    Status = U_ZERO_ERROR;
    uloc_getLanguage(Name.c_str(), Language.data(), NameCapacity, &Status);
    if (U_FAILURE(Status) || Language[0] == '\0' || Name == "root")
        return std::nullopt;
    // ICU maps an unknown sub-language to its language: only an identifier
    // that ICU names the same way both ways round exists.
    if (uloc_getLCID(Name.c_str()) != Locale)
        return std::nullopt;
    // ICU falls back to the default locale for a language it lacks.
    Status = U_ZERO_ERROR;
    UResourceBundle* Bundle = ures_open(nullptr, Name.c_str(), &Status);
    ures_close(Bundle);
    if (U_FAILURE(Status) || Status == U_USING_DEFAULT_WARNING)
        return std::nullopt;
    return Name;
}

LCID FromPosixLocale(std::string_view Name)
{
    if (Name.empty() || Name == "C" || Name == "POSIX" || Name.starts_with("C.") || Name.starts_with("C@"))
        return EnglishUnitedStates;
    const std::string Full = Maximized(Canonical(IcuNameOfPosix(Name)));
    if (Full.empty())
        return EnglishUnitedStates;
    const TSubtags Tags = SplitSubtags(Full);
    const std::vector<std::string> Candidates = {
        Join({&Tags.Language, &Tags.Region, &Tags.Variant}),
        Join({&Tags.Language, &Tags.Script, &Tags.Region, &Tags.Variant}),
        Join({&Tags.Language, &Tags.Region}),
        Join({&Tags.Language, &Tags.Script, &Tags.Region}),
    };
    for (const std::string& Candidate : Candidates) {
        const LCID Locale = uloc_getLCID(Candidate.c_str());
        if (Locale != 0 && RoundTrips(Locale, Full) && IcuLocaleOf(Locale))
            return Locale;
    }
    return EnglishUnitedStates;
}

std::string EnvironmentLocaleName()
{
    for (const char* Variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* Value = std::getenv(Variable);
        if (Value != nullptr && *Value != '\0')
            return Value;
    }
    return {};
}

QString Bcp47NameOf(LCID Locale)
{
    const std::optional<std::string> Name = IcuLocaleOf(Locale);
    if (!Name)
        return QStringLiteral("en-US");
    std::array<char, NameCapacity> Buffer{};
    UErrorCode Status = U_ZERO_ERROR;
    uloc_toLanguageTag(Name->c_str(), Buffer.data(), NameCapacity, true, &Status);
    if (U_FAILURE(Status))
        return QStringLiteral("en-US");
    return QString::fromLatin1(Buffer.data());
}

} // namespace LcidMapping
