// Conversion between UTF-8 narrow text and wide text (UTF-32 where wchar_t has
// 32 bits, UTF-16 where it has 16), and between paths and text.
//
//   std::wstring name = Orvanta::string_to_wstring(u8"m\u00b2");  // L"m²"
//   std::string back = Orvanta::wstring_to_string(name);
//   Orvanta::wpath file = folder / Orvanta::wstring_to_path(L"Br\u00fccke.xml");
//
// Text and names follow two rules, on purpose:
//
// - Text (messages, labels, item names, anything shown to a user) must be
//   Unicode, and narrow text is UTF-8 on every system: text from outside
//   (files, servers, archives) is taken as UTF-8. The conversion is the
//   library's own on every system (on Windows too, rather than the system's
//   code-page conversion), so malformed input gives the same result
//   everywhere. string_to_wstring and wstring_to_string never throw on bad
//   input and never read past it: each malformed sequence (a stray continuation
//   byte, a truncated or overlong sequence, an encoded surrogate, a value
//   above U+10FFFF, an unpaired surrogate on the wide side) becomes one U+FFFD
//   REPLACEMENT CHARACTER, and the conversion goes on.
//
// - File names must survive every round trip, because a name that changes is
//   another file. A path holds the system's own form of a name: bytes on
//   POSIX, where any byte string (but '/' and NUL) is a valid name, and UTF-16
//   on Windows. The path conversions below are the library's only way between
//   a path and text; they never use the path library's own conversion (which
//   depends on the process's locale, and which the library leaves as the host
//   set it). On POSIX the bytes that are not well-formed UTF-8 are carried in
//   the wide form as the code points U+DC80 to U+DCFF, one per byte, and
//   written back as those bytes, so that
//       wstring_to_path(path_to_wstring(p)) == p
//   for every path p. Shown to a user (through wstring_to_string), such a
//   code point becomes U+FFFD like any other malformed text. On Windows a
//   path's wide form is its own UTF-16, unchanged both ways. Loading the
//   library changes nothing of the path library's conversion: a host that
//   builds paths from wide text should use these functions too (or set up
//   that conversion itself). Open files by path through Orvanta::ifstream,
//   ofstream and wofstream (FileStream.hpp), never by a narrow name.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

ORVANTA_API std::wstring string_to_wstring(const std::string& text);
ORVANTA_API std::string wstring_to_string(const std::wstring& text);

// A path from wide text, and its wide text (see above); neither throws.
ORVANTA_API wpath wstring_to_path(const std::wstring& name);
ORVANTA_API std::wstring path_to_wstring(const wpath& path);
// A path from narrow text, and its narrow form: on POSIX the bytes as they are
// (a command-line argument names exactly the file it names), on Windows UTF-8
// (malformed input becomes U+FFFD).
ORVANTA_API wpath string_to_path(const std::string& name);
ORVANTA_API std::string path_to_string(const wpath& path);

}  // namespace Orvanta
