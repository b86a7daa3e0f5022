// Reads the input as a value typed in the units of several dimensions, and as
// the number text of an archive, and compares both with a plain reading of what
// they take: an optionally signed decimal number, then (for Units::Parse)
// blanks and the label of one of the dimension's units, blanks allowed around
// the whole. Units::Parse may throw only std::invalid_argument, and
// ParseExactNumber only boost::archive::archive_exception. The first nine
// bytes also pick a number and a unit, written as a user would type them.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <stdexcept>

#include <boost/archive/archive_exception.hpp>

#include "FuzzCheck.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// `text` without the leading and trailing characters of `blanks`.
std::wstring Trim(const std::wstring& text, const wchar_t* blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

// The end of the decimal number at the start of `text`:
// [+-] digits [. digits] [(e|E) [+-] digits], with at least one digit before
// or after the point. npos when there is none.
std::size_t DecimalEnd(const std::wstring& text) {
  std::size_t i = 0, digits = 0;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == L'.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::wstring::npos;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Whether Units::Parse<Q>(text) throws, gives `value`, or may do either (a
// number out of range).
enum Outcome { kThrows, kValue, kEither };

template <class Q>
Outcome Expect(const std::wstring& text, double& value) {
  const std::wstring trimmed = Trim(text, L" \t");
  const std::size_t end = DecimalEnd(trimmed);
  if (end == std::wstring::npos) return kThrows;
  const std::wstring label = Trim(trimmed.substr(end), L" \t");
  const std::string digits(trimmed.begin(), trimmed.begin() + end);  // ASCII
  errno = 0;
  const double number = std::strtod(digits.c_str(), nullptr);
  const bool range = errno == ERANGE;
  for (const Q& unit : Units::Catalogue<Q>()) {
    if (unit.Units() != label) continue;
    value = Q(number, unit).value();
    return range ? kEither : kValue;
  }
  return kThrows;
}

template <class Q>
void CheckParse(const std::wstring& text) {
  double expected = 0.0;
  const Outcome outcome = Expect<Q>(text, expected);
  try {
    const Q q = Units::Parse<Q>(text);
    FUZZ_CHECK(outcome != kThrows && q.Units() == Q::base_units);
    FUZZ_CHECK(outcome == kEither || fuzz::Same(expected, q.value()));
  } catch (const std::invalid_argument& error) {
    FUZZ_CHECK(outcome != kValue);
    const std::string what = error.what();
    std::string quoted = "'" + wstring_to_string(text) + "'";
    quoted.erase(std::min(quoted.find('\0'), quoted.size()));  // what() ends at a NUL
    FUZZ_CHECK(what.rfind("Units::Parse", 0) == 0 && what.find(quoted) != std::string::npos);
  }
}

// `number` written shortest-exact, a blank and the label of the unit `pick`
// picks: text that random bytes seldom spell.
template <class Q>
std::wstring Typed(double number, unsigned pick) {
  const std::vector<Q>& catalogue = Units::Catalogue<Q>();
  char digits[64];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, number);
  const std::wstring label = catalogue.empty() ? L"" : catalogue[pick % catalogue.size()].Units();
  return std::wstring(digits, written.ptr) + L' ' + label;
}

template <class... Q>
void CheckDimensions(const std::wstring& text, double number, unsigned pick) {
  (CheckParse<Q>(text), ...);
  (CheckParse<Q>(Typed<Q>(number, pick)), ...);
}

// ParseExactNumber takes, between blanks, what strtod reads whole, but no
// hexadecimal: one optional sign and a decimal number, an infinity or a NaN.
void CheckExactNumber(const std::string& text, double number) {
  const std::wstring body = Trim(std::wstring(text.begin(), text.end()), L" \t\n\r");
  const std::string narrow(body.begin(), body.end());
  char* end = nullptr;
  errno = 0;
  const double expected = std::strtod(narrow.c_str(), &end);
  const bool range = errno == ERANGE;
  const bool valid = !narrow.empty() && end == narrow.c_str() + narrow.size() &&
                     narrow.find_first_of("xX") == std::string::npos;
  try {
    const double value = detail::ParseExactNumber(text);
    FUZZ_CHECK(valid && (range || fuzz::Same(expected, value)));
  } catch (const boost::archive::archive_exception&) {
    // Refused: out of range, or an infinity or NaN that from_chars spells otherwise.
    FUZZ_CHECK(!valid || range || narrow.find_first_of("iInN") != std::string::npos);
  }
  // What FormatExactNumber writes reads back exactly.
  FUZZ_CHECK(fuzz::Same(number, detail::ParseExactNumber(detail::FormatExactNumber(number))));
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  double number = 0.0;
  unsigned pick = 0;
  if (size > sizeof number) {
    std::memcpy(&number, data, sizeof number);
    pick = data[sizeof number];
  }
  CheckDimensions<Units::Scalar, Units::Length, Units::Area, Units::Volume, Units::Angle,
                  Units::Force, Units::Pressure, Units::InverseForce>(fuzz::Wide(data, size),
                                                                      number, pick);
  CheckExactNumber(fuzz::Bytes(data, size), number);
  return 0;
}
