// Conversion between UTF-8 narrow text and wide text (UTF-32 where wchar_t has
// 32 bits, UTF-16 where it has 16).
//
//   std::wstring name = Orvanta::string_to_wstring(u8"m\u00b2");  // L"m²"
//   std::string back = Orvanta::wstring_to_string(name);
//
// Neither function throws on bad input or reads past it: each malformed
// sequence (a stray continuation byte, a truncated or overlong sequence, an
// encoded surrogate, a value above U+10FFFF, an unpaired surrogate on the wide
// side) becomes one U+FFFD REPLACEMENT CHARACTER, and the conversion goes on.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

ORVANTA_API std::wstring string_to_wstring(const std::string& text);
ORVANTA_API std::string wstring_to_string(const std::wstring& text);

}  // namespace Orvanta
