#include <charconv>
#include <cmath>
#include <stdexcept>

#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace Units {
namespace detail {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool MayStartNumber(wchar_t c) {
  return (c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-' || c == L'e' ||
         c == L'E';
}

[[noreturn]] void Reject(const std::wstring& text, const char* reason) {
  throw std::invalid_argument("Units::Parse: cannot read '" + wstring_to_string(text) +
                              "': " + reason);
}

}  // namespace

void SplitNumberAndLabel(const std::wstring& text, double& number, std::wstring& label) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;

  // The longest run of characters a number may hold, as ASCII.
  std::string digits;
  for (std::size_t i = first; i < last && MayStartNumber(text[i]); ++i)
    digits += static_cast<char>(text[i]);
  const char* begin = digits.data();
  const char* const end = digits.data() + digits.size();
  // from_chars takes no plus sign; skip one, but then no minus may follow.
  const bool plus = begin != end && *begin == '+';
  if (plus) ++begin;
  const std::from_chars_result result = std::from_chars(begin, end, number);
  if (begin == end || (plus && *begin == '-') || result.ec != std::errc() || !std::isfinite(number))
    Reject(text, "it does not start with a number");

  std::size_t rest = first + static_cast<std::size_t>(result.ptr - digits.data());
  while (rest < last && IsBlank(text[rest])) ++rest;
  label.assign(text, rest, last - rest);
}

void ThrowUnknownUnit(const std::wstring& text) {
  Reject(text, "no unit of this quantity has that label");
}

}  // namespace detail
}  // namespace Units
}  // namespace Orvanta
