// Encoding and decoding of single UTF-8 code points, shared by the text and
// name conversions and the wide standard streams. Internal to the library;
// UTF-16 is in Utf16.hpp beside it.
#pragma once

#include <cstddef>
#include <string>

namespace Orvanta {
namespace utf8 {

constexpr char32_t kReplacement = 0xFFFD;

inline bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Appends `c` (a Unicode scalar value; anything else becomes U+FFFD).
inline void Append(std::string& out, char32_t c) {
  if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the code point at text[i] and advances i past it. A malformed
// sequence yields U+FFFD and advances past its maximal valid prefix (at least
// one byte), as the Unicode standard recommends; never reads past `size`.
inline char32_t Decode(const unsigned char* text, std::size_t size, std::size_t& i) {
  const unsigned char lead = text[i++];
  if (lead < 0x80) return lead;
  std::size_t length;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  char32_t c;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return kReplacement;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (i >= size) return kReplacement;
    const unsigned char byte = text[i];
    const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
    if (byte < lo || byte > hi) return kReplacement;
    c = (c << 6) | (byte & 0x3F);
    ++i;
  }
  return c;
}

// Names (POSIX file names are any bytes but '/' and NUL) are decoded without
// loss: each byte that does not start a well-formed sequence becomes one of
// the code points U+DC80 to U+DCFF (U+DC00 + byte), which no well-formed text
// holds, and EncodeName writes those back as the bytes they stand for. So
// every byte string comes back whole from its wide form; a wide text whose
// other surrogates cannot be encoded gets U+FFFD for them.
constexpr char32_t kEscapeBase = 0xDC00;

inline bool IsEscapedByte(char32_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

inline char32_t DecodeName(const unsigned char* text, std::size_t size, std::size_t& i) {
  const std::size_t start = i;
  const char32_t c = Decode(text, size, i);
  const bool replacementItself =
      i - start == 3 && text[start] == 0xEF && text[start + 1] == 0xBF && text[start + 2] == 0xBD;
  if (c != kReplacement || replacementItself) return c;
  i = start + 1;  // ASCII always decodes, so this byte is 0x80 or above
  return kEscapeBase + text[start];
}

inline void AppendName(std::string& out, char32_t c) {
  if (IsEscapedByte(c))
    out += static_cast<char>(c - kEscapeBase);
  else
    Append(out, c);
}

}  // namespace utf8
}  // namespace Orvanta
