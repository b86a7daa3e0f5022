// Converts the input between UTF-8 and wide text both ways. Converted text
// must be stable (converting it on and back again changes nothing), bytes that
// decode without a replacement character must come back unchanged, every wide
// character must be a Unicode scalar value, and the decoder must not read past
// the input: it runs on libFuzzer's own buffer, which ends where the input does.

#include "FuzzCheck.hpp"
#include "orvanta/platform/internal/Utf8.hpp"

namespace {

bool IsScalar(char32_t c) { return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  static_assert(sizeof(wchar_t) == 4, "the checks below assume UTF-32 wide text");

  // UTF-8 to wide and back.
  const std::string bytes = fuzz::Bytes(data, size);
  const std::wstring wide = string_to_wstring(bytes);
  std::wstring decoded;
  for (std::size_t i = 0; i < size;) {
    const std::size_t before = i;
    decoded += static_cast<wchar_t>(utf8::Decode(data, size, i));
    FUZZ_CHECK(i > before && i <= size);
  }
  FUZZ_CHECK(decoded == wide);
  bool replaced = false;
  for (wchar_t c : wide) {
    FUZZ_CHECK(IsScalar(static_cast<char32_t>(c)));
    replaced = replaced || c == L'\uFFFD';
  }
  const std::string narrow = wstring_to_string(wide);
  if (!replaced) FUZZ_CHECK(narrow == bytes);
  FUZZ_CHECK(string_to_wstring(narrow) == wide);

  // The same bytes as wide characters, to UTF-8 and back: anything but a
  // scalar value becomes U+FFFD, the rest is kept.
  std::wstring units(size / sizeof(wchar_t), L'\0');
  std::memcpy(&units[0], data, units.size() * sizeof(wchar_t));
  std::wstring expected = units;
  for (wchar_t& c : expected)
    if (!IsScalar(static_cast<char32_t>(c))) c = L'\uFFFD';
  const std::string utf8 = wstring_to_string(units);
  FUZZ_CHECK(string_to_wstring(utf8) == expected);
  FUZZ_CHECK(wstring_to_string(expected) == utf8);
  return 0;
}
