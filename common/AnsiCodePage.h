#pragma once

#include <cstdint>

using LCID = std::uint32_t;

// The ICU converter standing for the Windows ANSI code page of a locale:
// Japanese 932, Chinese 936/950, Korean 949, Thai 874, 1250..1258 by language;
// every other locale (Unicode-only languages too) uses windows-1252.
const char* AnsiConverterName(LCID Locale);
