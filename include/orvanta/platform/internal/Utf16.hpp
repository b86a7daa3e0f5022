// UTF-16 surrogate pairs, and wide text as code points: wchar_t text is UTF-16
// where wchar_t has 16 bits (Windows) and UTF-32 elsewhere. Internal to the
// library; UTF-8 is in Utf8.hpp beside it.
//
//   for (std::size_t i = 0; i < text.size();) {
//     const char32_t c = utf16::NextWide(text, i);  // a pair taken whole
//     ...
//   }
#pragma once

#include <cstddef>
#include <string>

namespace Orvanta {
namespace utf16 {

// Whether wide text is UTF-16 here.
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

inline bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point of a high surrogate followed by a low one.
inline char32_t Combine(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The UTF-16 units of code point `c` (at most U+10FFFF): a surrogate pair
// above U+FFFF, else `c` itself. Returns how many, 1 or 2.
inline int Encode(char32_t c, char32_t (&units)[2]) {
  if (c < 0x10000) {
    units[0] = c;
    return 1;
  }
  units[0] = 0xD800 + ((c - 0x10000) >> 10);
  units[1] = 0xDC00 + ((c - 0x10000) & 0x3FF);
  return 2;
}

// Appends code point `c` (at most U+10FFFF) to wide text.
inline void AppendWide(std::wstring& wide, char32_t c) {
  if constexpr (kWideIsUtf16) {
    char32_t units[2];
    for (int i = 0, n = Encode(c, units); i < n; ++i) wide += static_cast<wchar_t>(units[i]);
  } else {
    wide += static_cast<wchar_t>(c);
  }
}

// The code point at text[i] (i < text.size()), a surrogate pair taken whole
// where wide text is UTF-16; i moves past it. A surrogate that is not part of
// a pair is returned as it is, and so is anything above U+10FFFF: the
// encoders replace them.
inline char32_t NextWide(const std::wstring& text, std::size_t& i) {
  char32_t c = static_cast<char32_t>(text[i++]);
  if constexpr (kWideIsUtf16) {
    c &= 0xFFFF;
    if (IsHighSurrogate(c) && i < text.size()) {
      const char32_t next = static_cast<char32_t>(text[i]) & 0xFFFF;
      if (IsLowSurrogate(next)) {
        ++i;
        return Combine(c, next);
      }
    }
  }
  return c;
}

}  // namespace utf16
}  // namespace Orvanta
