#include "orvanta/platform/TextConversion.hpp"

#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <type_traits>

#include "orvanta/platform/internal/Utf16.hpp"

namespace Orvanta {
namespace {

TEST(TextConversion, RoundTripsEveryPlaneAsUtf8) {
  const struct {
    std::wstring wide;
    std::string utf8;
  } texts[] = {
      {L"", ""},
      {L"m\u00b2 \u00b0C",
       "m\xC2\xB2 \xC2\xB0"
       "C"},
      {L"\u20ac \u6881", "\xE2\x82\xAC \xE6\xA2\x81"},
      {L"\U0001F3D7 \U0010FFFF", "\xF0\x9F\x8F\x97 \xF4\x8F\xBF\xBF"},
      {std::wstring(L"nul\0inside", 10), std::string("nul\0inside", 10)},
  };
  for (const auto& t : texts) {
    SCOPED_TRACE(t.utf8);
    EXPECT_EQ(t.utf8, wstring_to_string(t.wide));
    EXPECT_EQ(t.wide, string_to_wstring(t.utf8));
  }
  // Pairs are what Windows' wide text holds above U+FFFF; checked on every system.
  const struct {
    char32_t c, high, low;  // low 0: a single unit
  } units[] = {{U'A', U'A', 0},
               {0xFFFF, 0xFFFF, 0},
               {0x10000, 0xD800, 0xDC00},
               {0x1F3D7, 0xD83C, 0xDFD7},
               {0x10FFFF, 0xDBFF, 0xDFFF}};
  for (const auto& t : units) {
    SCOPED_TRACE(static_cast<unsigned long>(t.c));
    char32_t encoded[2] = {};
    ASSERT_EQ(t.low == 0 ? 1 : 2, utf16::Encode(t.c, encoded));
    EXPECT_EQ(t.high, encoded[0]);
    if (t.low == 0) continue;
    EXPECT_EQ(t.low, encoded[1]);
    EXPECT_TRUE(utf16::IsHighSurrogate(encoded[0]) && utf16::IsLowSurrogate(encoded[1]));
    EXPECT_EQ(t.c, utf16::Combine(encoded[0], encoded[1]));
  }
}

TEST(TextConversion, ReplacesEachMalformedSequenceOnce) {
  const std::wstring r = L"\uFFFD";
  const struct {
    const char* name;
    std::string utf8;
    std::wstring expected;
  } cases[] = {
      {"stray continuation",
       "a\x80"
       "b",
       L"a" + r + L"b"},
      {"two stray continuations", "\x80\xBF", r + r},
      {"lead byte C0 is never valid", "\xC0\xAF", r + r},
      {"overlong three-byte", "\xE0\x80\xAF", r + r + r},
      {"encoded surrogate", "\xED\xA0\x80", r + r + r},
      {"above U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r},
      {"F5 and above", "\xF5\xFF", r + r},
      {"truncated two-byte at end", "ok\xC3", L"ok" + r},
      {"truncated four-byte at end", "\xF0\x9F\x8F", r},
      {"truncated sequence before ASCII", "\xE2\x82x", r + L"x"},
      {"valid after invalid", "\xFF\xC2\xB2", r + L"\u00b2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, string_to_wstring(c.utf8));
  }
  const std::string u = "\xEF\xBF\xBD";
  EXPECT_EQ("a" + u + "b",
            wstring_to_string(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}));
  EXPECT_EQ(u, wstring_to_string(std::wstring{static_cast<wchar_t>(0xDFFF)}));
  if (sizeof(wchar_t) == 4) {
    EXPECT_EQ(u, wstring_to_string(std::wstring{static_cast<wchar_t>(0x110000)}));
  }
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

  const std::wstring wide = L"/tmp/Br\u00fccke/m\u00b2.xml";
  EXPECT_EQ(
      "/tmp/Br\xC3\xBC"
      "cke/m\xC2\xB2.xml",
      path_to_string(wstring_to_path(wide)));
  EXPECT_EQ(wide, path_to_wstring(wstring_to_path(wide)));
  EXPECT_EQ(wide, path_to_wstring(string_to_path(wstring_to_string(wide))));
  if (!kNarrowPaths) return;

  // Any byte string is a name here, and comes back whole from its wide form.
  std::string every;
  for (int byte = 1; byte < 256; ++byte)
    if (byte != '/') every += static_cast<char>(byte);
  for (const std::string& name : {std::string("caf\xE9.xml"), std::string("\xED\xA0\x80"),
                                  std::string("\xC3"), std::string("\xF4\x90\x80\x80"), every}) {
    SCOPED_TRACE(name);
    const std::wstring text = path_to_wstring(string_to_path(name));
    EXPECT_EQ(name, path_to_string(wstring_to_path(text)));
  }
  // Shown as text, an undecodable byte is U+FFFD like any malformed text.
  EXPECT_EQ("caf\xEF\xBF\xBD.xml", wstring_to_string(path_to_wstring(wpath("caf\xE9.xml"))));
}

}  // namespace
}  // namespace Orvanta
