#include <cmath>
#include <stdexcept>

#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/internal/DecimalNumbers.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace Units {
namespace detail {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

[[noreturn]] void Reject(const std::wstring& text, const char* reason) {
  throw std::invalid_argument("Units::Parse: cannot read '" + wstring_to_string(text) +
                              "': " + reason);
}

}  // namespace

void SplitNumberAndLabel(const std::wstring& text, double& number, std::wstring& label) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;

  const wchar_t* const begin = text.data() + first;
  const wchar_t* const end = decimal::ReadFloating(begin, text.data() + last, number);
  if (end == nullptr || !std::isfinite(number)) Reject(text, "it does not start with a number");

  std::size_t rest = static_cast<std::size_t>(end - text.data());
  while (rest < last && IsBlank(text[rest])) ++rest;
  label.assign(text, rest, last - rest);
}

void ThrowUnknownUnit(const std::wstring& text) {
  Reject(text, "no unit of this quantity has that label");
}

}  // namespace detail
}  // namespace Units
}  // namespace Orvanta
