// Decimal numbers in text, read the one way the library reads them: unsigned
// whole numbers (string-table ids, version numbers, the numbers in item
// names) and floating-point numbers (quantities in archives and typed
// values). Neither depends on the C locale. Internal to the library.
//
//   unsigned int version = 0;
//   if (decimal::ParseUnsigned(text, version)) ...       // " 1024\n": 1024
//   double value = 0.0;
//   const wchar_t* rest = decimal::ReadFloating(begin, end, value);  // "2.5kN": at "kN"
#pragma once

#include <charconv>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

namespace Orvanta {
namespace decimal {

// The blanks that may surround a whole text: space, tab, CR, LF.
template <class Char>
constexpr bool IsBlank(Char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the ASCII digits that start [first, last) (no sign, leading zeros
// allowed) into `value`. Returns the end of the digits, or nullptr, leaving
// `value` unchanged, when there is no digit or the number does not fit.
template <class Unsigned, class Char>
const Char* ReadUnsigned(const Char* first, const Char* last, Unsigned& value) noexcept {
  static_assert(std::is_unsigned<Unsigned>::value, "an unsigned type");
  constexpr Unsigned kMax = std::numeric_limits<Unsigned>::max();
  Unsigned number = 0;
  const Char* p = first;
  for (; p != last && *p >= '0' && *p <= '9'; ++p) {
    const auto digit = static_cast<Unsigned>(*p - '0');
    if (number > (kMax - digit) / 10) return nullptr;
    number = static_cast<Unsigned>(number * 10 + digit);
  }
  if (p == first) return nullptr;
  value = number;
  return p;
}

// Reads the number that starts [first, last) as std::from_chars does in its
// general format (digits with a point and an exponent, "inf", "nan"), a
// leading '+' also taken (but not "+-"). Returns the end of the number, or
// nullptr, leaving `value` unchanged, when there is none or it is out of the
// range of a double.
inline const char* ReadFloating(const char* first, const char* last, double& value) {
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return nullptr;
  }
  double number = 0.0;
  const std::from_chars_result result = std::from_chars(first, last, number);
  if (result.ec != std::errc()) return nullptr;
  value = number;
  return result.ptr;
}

// The same in wide text.
inline const wchar_t* ReadFloating(const wchar_t* first, const wchar_t* last, double& value) {
  // The visible ASCII characters ahead, which hold whatever number there is.
  std::string narrow;
  for (const wchar_t* p = first; p != last && *p > L' ' && *p < 0x7F; ++p)
    narrow += static_cast<char>(*p);
  const char* const end = ReadFloating(narrow.data(), narrow.data() + narrow.size(), value);
  return end != nullptr ? first + (end - narrow.data()) : nullptr;
}

// Narrows [first, last) to the text between its leading and trailing blanks.
template <class Char>
void TrimBlanks(const Char*& first, const Char*& last) noexcept {
  while (first != last && IsBlank(*first)) ++first;
  while (last != first && IsBlank(last[-1])) --last;
}

// Whole texts, blanks around the number allowed: false, `value` unchanged,
// when the text is anything else.
template <class Unsigned, class Char>
bool ParseUnsigned(const std::basic_string<Char>& text, Unsigned& value) noexcept {
  const Char* first = text.data();
  const Char* last = first + text.size();
  TrimBlanks(first, last);
  Unsigned number = 0;
  if (ReadUnsigned(first, last, number) != last) return false;
  value = number;
  return true;
}

inline bool ParseFloating(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  TrimBlanks(first, last);
  double number = 0.0;
  if (ReadFloating(first, last, number) != last) return false;
  value = number;
  return true;
}

}  // namespace decimal
}  // namespace Orvanta
