#include "orvanta/platform/TextConversion.hpp"

#include <type_traits>

#include "orvanta/platform/internal/Utf16.hpp"
#include "orvanta/platform/internal/Utf8.hpp"

namespace Orvanta {
namespace {

// Whether paths hold bytes (POSIX) rather than UTF-16 (Windows).
constexpr bool kNarrowPaths = std::is_same<wpath::value_type, char>::value;

template <char32_t (*Decode)(const unsigned char*, std::size_t, std::size_t&)>
std::wstring Widen(const std::string& text) {
  std::wstring wide;
  wide.reserve(text.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();) utf16::AppendWide(wide, Decode(bytes, text.size(), i));
  return wide;
}

template <void (*Append)(std::string&, char32_t)>
std::string Narrow(const std::wstring& text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) Append(narrow, utf16::NextWide(text, i));
  return narrow;
}

}  // namespace

std::wstring string_to_wstring(const std::string& text) { return Widen<utf8::Decode>(text); }

std::string wstring_to_string(const std::wstring& text) { return Narrow<utf8::Append>(text); }

// The path is built from, and read as, its own value type only, so that the
// path library's locale-dependent conversion is never involved.
wpath wstring_to_path(const std::wstring& name) {
  if constexpr (kNarrowPaths)
    return wpath(Narrow<utf8::AppendName>(name));
  else
    return wpath(wpath::string_type(name.begin(), name.end()));
}

std::wstring path_to_wstring(const wpath& path) {
  if constexpr (kNarrowPaths)
    return Widen<utf8::DecodeName>(std::string(path.native().begin(), path.native().end()));
  else
    return std::wstring(path.native().begin(), path.native().end());
}

wpath string_to_path(const std::string& name) {
  if constexpr (kNarrowPaths)
    return wpath(wpath::string_type(name.begin(), name.end()));
  else
    return wstring_to_path(string_to_wstring(name));
}

std::string path_to_string(const wpath& path) {
  if constexpr (kNarrowPaths)
    return std::string(path.native().begin(), path.native().end());
  else
    return wstring_to_string(path_to_wstring(path));
}

}  // namespace Orvanta
