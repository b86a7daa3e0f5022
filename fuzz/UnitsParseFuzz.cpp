// Reads the input as a value typed in the units of several dimensions, and as
// the number text of an archive. Both are compared with a plain reading of
// what they document: an optionally signed decimal number, then (for
// Units::Parse) blanks and the label of one of the dimension's units, blanks
// allowed around the whole. Units::Parse may throw only std::invalid_argument,
// and ParseExactNumber only boost::archive::archive_exception.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include <boost/archive/archive_exception.hpp>

#include "FuzzCheck.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The end of the decimal number that starts at text[i]:
// [+-] digits [. digits] [(e|E) [+-] digits], with at least one digit before
// or after the point. npos when there is none.
std::size_t DecimalEnd(const std::wstring& text, std::size_t i) {
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
  std::size_t digits = 0;
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

// The C library's reading of a number that DecimalEnd accepted; `range` tells
// whether it overflowed or underflowed.
double Strtod(const std::wstring& number, bool& range) {
  const std::string narrow(number.begin(), number.end());  // ASCII only
  errno = 0;
  const double value = std::strtod(narrow.c_str(), nullptr);
  range = errno == ERANGE;
  return value;
}

// What Units::Parse<Q>(text) should give.
struct Expectation {
  enum { kThrows, kValue, kEither } outcome;
  double value;
};

template <class Q>
Expectation Expect(const std::wstring& text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  std::size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  const std::wstring trimmed = text.substr(first, last - first);

  const std::size_t end = DecimalEnd(trimmed, 0);
  if (end == std::wstring::npos) return {Expectation::kThrows, 0.0};
  std::size_t rest = end;
  while (rest < trimmed.size() && blank(trimmed[rest])) ++rest;
  const std::wstring label = trimmed.substr(rest);

  bool range = false;
  const double number = Strtod(trimmed.substr(0, end), range);
  for (const Q& unit : Units::Catalogue<Q>()) {
    if (unit.Units() != label) continue;
    if (range) return {Expectation::kEither, 0.0};
    return {Expectation::kValue, Q(number, unit).value()};
  }
  return {Expectation::kThrows, 0.0};
}

template <class Q>
void CheckParse(const std::wstring& text) {
  const Expectation expected = Expect<Q>(text);
  try {
    const Q q = Units::Parse<Q>(text);
    FUZZ_CHECK(expected.outcome != Expectation::kThrows);
    if (expected.outcome == Expectation::kValue) FUZZ_CHECK(fuzz::Same(expected.value, q.value()));
    FUZZ_CHECK(q.Units() == Q::base_units);
  } catch (const std::invalid_argument& error) {
    FUZZ_CHECK(expected.outcome != Expectation::kValue);
    const std::string what = error.what();
    FUZZ_CHECK(what.rfind("Units::Parse", 0) == 0);
    std::string quoted = "'" + wstring_to_string(text) + "'";
    quoted.erase(std::min(quoted.find('\0'), quoted.size()));  // what() ends at a NUL
    FUZZ_CHECK(what.find(quoted) != std::string::npos);
  }
}

// A finite number written shortest-exact, a blank and the label of the unit
// picked by `pick` read back as that number of the first unit with the label.
template <class Q>
void CheckWrittenValue(double number, unsigned pick) {
  const std::vector<Q>& catalogue = Units::Catalogue<Q>();
  if (catalogue.empty() || !std::isfinite(number) || std::fpclassify(number) == FP_SUBNORMAL)
    return;  // a subnormal number may read as out of range, as Expect allows
  const std::wstring label = catalogue[pick % catalogue.size()].Units();
  char digits[64];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, number);
  const std::wstring text = std::wstring(digits, written.ptr) + L' ' + label;
  const Q q = Units::Parse<Q>(text);
  for (const Q& unit : catalogue) {
    if (unit.Units() == label) {
      FUZZ_CHECK(fuzz::Same(Q(number, unit).value(), q.value()));
      return;
    }
  }
}

template <class... Q>
void CheckDimensions(const std::wstring& text, double number, unsigned pick) {
  (CheckParse<Q>(text), ...);
  (CheckWrittenValue<Q>(number, pick), ...);
}

// ParseExactNumber takes, between blanks, one optional sign and a decimal
// number, an infinity or a NaN, as std::from_chars reads them.
bool IsExactNumberText(const std::wstring& text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; };
  std::size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  std::wstring body = text.substr(first, last - first);
  if (DecimalEnd(body, 0) == body.size()) return true;
  if (!body.empty() && (body[0] == L'+' || body[0] == L'-')) body.erase(0, 1);
  for (wchar_t& c : body)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  if (body == L"inf" || body == L"infinity" || body == L"nan") return true;
  if (body.size() < 5 || body.compare(0, 4, L"nan(") != 0 || body.back() != L')') return false;
  for (std::size_t i = 4; i + 1 < body.size(); ++i)
    if (!IsDigit(body[i]) && !(body[i] >= L'a' && body[i] <= L'z') && body[i] != L'_') return false;
  return true;
}

void CheckExactNumber(const std::string& bytes, double number) {
  const std::wstring text(bytes.begin(), bytes.end());
  try {
    const double value = detail::ParseExactNumber(bytes);
    FUZZ_CHECK(IsExactNumberText(text));
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::size_t first = 0;
    while (first < bytes.size() && blank(bytes[first])) ++first;
    bool range = false;
    const double expected = Strtod(text.substr(first), range);
    if (!range) FUZZ_CHECK(fuzz::Same(expected, value));
  } catch (const boost::archive::archive_exception&) {
    bool range = false;
    if (IsExactNumberText(text) && text.find_first_of(L"iInN") == std::wstring::npos) {
      Strtod(text, range);
      FUZZ_CHECK(range);
    }
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
  if (size >= sizeof number + 1) {
    std::memcpy(&number, data, sizeof number);
    pick = data[sizeof number];
  }
  CheckDimensions<Units::Scalar, Units::Length, Units::Area, Units::Volume, Units::Angle,
                  Units::Force, Units::Pressure, Units::InverseForce>(fuzz::Wide(data, size),
                                                                      number, pick);
  CheckExactNumber(fuzz::Bytes(data, size), number);
  return 0;
}
