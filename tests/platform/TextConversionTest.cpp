#include "orvanta/platform/TextConversion.hpp"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <type_traits>
#include <utility>

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/internal/Utf16.hpp"

namespace Orvanta {
namespace {

TEST(TextConversion, RoundTripsEveryPlaneAsUtf8) {
  const std::wstring wide = L"m\u00b2 \u20ac \U0001F3D7 \U0010FFFF" + std::wstring(1, L'\0') + L"!";
  const std::string utf8 =
      "m\xC2\xB2 \xE2\x82\xAC \xF0\x9F\x8F\x97 \xF4\x8F\xBF\xBF" + std::string(1, '\0') + "!";
  EXPECT_EQ(utf8, wstring_to_string(wide));
  EXPECT_EQ(wide, string_to_wstring(utf8));
  // Pairs are what Windows' wide text holds above U+FFFF; checked on every
  // system.
  const std::pair<char32_t, std::u32string> units[] = {
      {0xFFFF, {0xFFFF}}, {0x10000, {0xD800, 0xDC00}}, {0x10FFFF, {0xDBFF, 0xDFFF}}};
  for (const auto& u : units) {
    char32_t encoded[2] = {};
    EXPECT_EQ(u.second, std::u32string(encoded, utf16::Encode(u.first, encoded)));
    EXPECT_EQ(u.first, u.second.size() == 1 ? encoded[0] : utf16::Combine(encoded[0], encoded[1]));
  }
}

// Each malformed sequence becomes one U+FFFD ("?" below) per byte it holds.
TEST(TextConversion, ReplacesEachMalformedSequenceOnce) {
  const struct {
    std::string utf8;
    std::wstring expected;
  } cases[] = {
      {"a\x80z", L"a?z"},             // stray continuation
      {"\xE0\x80\xAF", L"???"},       // overlong
      {"\xED\xA0\x80", L"???"},       // encoded surrogate
      {"\xF4\x90\x80\x80", L"????"},  // above U+10FFFF
      {"\xF0\x9F\x8F", L"?"},         // truncated four-byte sequence
      {"\xFF\xC2\xB2", L"?\u00b2"},   // valid after invalid
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.utf8));
    std::wstring expected = c.expected;
    for (wchar_t& w : expected)
      if (w == L'?') w = 0xFFFD;
    EXPECT_EQ(expected, string_to_wstring(c.utf8));
  }
  const std::string u = "\xEF\xBF\xBD";
  EXPECT_EQ("a" + u + "b",
            wstring_to_string(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}));
  if (sizeof(wchar_t) == 4) {
    EXPECT_EQ(u, wstring_to_string(std::wstring{static_cast<wchar_t>(0x110000)}));
  }
  // An error made from narrow text holds it as UTF-8 too.
  const Error narrow(std::string("20 \xC2\xB0 \xFF"));
  EXPECT_EQ(L"20 \u00b0 \uFFFD", narrow.Text());
  EXPECT_EQ("20 \xC2\xB0 " + u, narrow.what());
}

TEST(TextConversion, PathsKeepEveryByteWhateverTheLocale) {
  constexpr bool kNarrowPaths = std::is_same<wpath::value_type, char>::value;
  // Loading the library leaves the path library's own conversion as it chose it
  // (on POSIX, from the environment's locale): the host's paths are the host's.
  const std::locale previous = boost::filesystem::path::imbue(std::locale::classic());
  boost::filesystem::path::imbue(previous);
  if (kNarrowPaths) {
    EXPECT_EQ(std::locale("").name(), previous.name());
  }
  const std::wstring wide = L"/tmp/\u00fcmlaut/m\u00b2.xml";
  EXPECT_EQ("/tmp/\xC3\xBCmlaut/m\xC2\xB2.xml", path_to_string(wstring_to_path(wide)));
  EXPECT_EQ(wide, path_to_wstring(string_to_path(wstring_to_string(wide))));
  if (!kNarrowPaths) return;

  // Any byte string is a name here, and comes back whole from its wide form.
  std::string every;
  for (int byte = 1; byte < 256; ++byte)
    if (byte != '/') every += static_cast<char>(byte);
  for (const std::string& name : {every, std::string("\xED\xA0\x80")}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(name, path_to_string(wstring_to_path(path_to_wstring(string_to_path(name)))));
  }
  // Shown as text, an undecodable byte is U+FFFD like any malformed text.
  EXPECT_EQ("caf\xEF\xBF\xBD.xml", wstring_to_string(path_to_wstring(wpath("caf\xE9.xml"))));
}

}  // namespace
}  // namespace Orvanta
