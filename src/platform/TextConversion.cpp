#include "orvanta/platform/TextConversion.hpp"

#include "Utf8.hpp"

namespace Orvanta {

std::wstring string_to_wstring(const std::string& text) {
  std::wstring wide;
  wide.reserve(text.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = utf8::Decode(bytes, text.size(), i);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0x10000) {
        wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        continue;
      }
    }
    wide += static_cast<wchar_t>(c);
  }
  return wide;
}

std::string wstring_to_string(const std::wstring& text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      c &= 0xFFFF;
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
        const char32_t next = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
        if (next >= 0xDC00 && next <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
          ++i;
        }
      }
    }
    utf8::Append(narrow, c);
  }
  return narrow;
}

}  // namespace Orvanta
