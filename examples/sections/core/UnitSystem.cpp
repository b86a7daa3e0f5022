#include "UnitSystem.hpp"

#include <cmath>
#include <cwctype>
#include <iomanip>
#include <sstream>
#include <stdexcept>

#include <orvanta/platform/TextConversion.hpp>

namespace Sections {
namespace {

const char* const kSuperscriptDigits[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                          "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

template <class Q>
Q FromCatalogue(const std::wstring& label) {
  for (const Q& unit : Units::Catalogue<Q>())
    if (unit.Units() == label) return unit;
  throw std::logic_error("no unit '" + Orvanta::wstring_to_string(label) + "' in the catalogue");
}

}  // namespace

void TerminalText::DrawText(const std::string& piece) {
  if (!superscript_) {
    output_ += piece;
    return;
  }
  for (const char c : piece) {
    if (c >= '0' && c <= '9')
      output_ += kSuperscriptDigits[c - '0'];
    else if (c == '-')
      output_ += "\u207b";
    else
      output_ += c;
  }
}

std::string TerminalText::Render() {
  output_.clear();
  DrawString();
  ResetAll();
  return output_;
}

std::string TaggedLabel(const std::wstring& label) {
  std::wstring tagged;
  for (std::size_t i = 0; i < label.size(); ++i) {
    const wchar_t c = label[i];
    if (c == L'\u00b2' || c == L'\u00b3') {
      tagged += L"<sup>";
      tagged += c == L'\u00b2' ? L'2' : L'3';
      tagged += L"</sup>";
    } else if (c == L'^' && i + 1 < label.size() && IsDigit(label[i + 1])) {
      tagged += L"<sup>";
      while (i + 1 < label.size() && IsDigit(label[i + 1])) tagged += label[++i];
      tagged += L"</sup>";
    } else if (IsDigit(c) && i > 0 && std::iswalpha(label[i - 1])) {
      // "in4": a power written straight after the unit's letters.
      tagged += L"<sup>";
      tagged += c;
      while (i + 1 < label.size() && IsDigit(label[i + 1])) tagged += label[++i];
      tagged += L"</sup>";
    } else {
      tagged += c;
    }
  }
  return Orvanta::wstring_to_string(tagged);
}

std::string ShownLabel(const std::wstring& label) {
  return TerminalText(TaggedLabel(label)).Render();
}

UnitSystem UnitSystem::Named(const std::string& name) {
  UnitSystem system;
  system.name_ = name;
  if (name == "si") {
    system.length_ = FromCatalogue<Units::Length>(L"mm");
    system.area_ = FromCatalogue<Units::Area>(L"cm\u00b2");
    system.volume_ = FromCatalogue<Units::Volume>(L"cm\u00b3");
    system.second_ = FromCatalogue<Units::SecondMomentOfArea>(L"cm^4");
  } else if (name == "imperial") {
    system.length_ = FromCatalogue<Units::Length>(L"in");
    system.area_ = FromCatalogue<Units::Area>(L"in\u00b2");
    system.volume_ = FromCatalogue<Units::Volume>(L"in\u00b3");
    system.second_ = FromCatalogue<Units::SecondMomentOfArea>(L"in4");
  } else {
    throw std::invalid_argument("unknown unit system '" + name + "' (use si or imperial)");
  }
  return system;
}

namespace {

// The unit of Q's catalogue nearest to `size` by ratio; the first of equals.
template <class Q>
Q Nearest(double size) {
  const std::vector<Q>& units = Units::Catalogue<Q>();
  const Q* best = &units.front();
  for (const Q& unit : units)
    if (std::abs(std::log(unit.value() / size)) < std::abs(std::log(best->value() / size)))
      best = &unit;
  return *best;
}

}  // namespace

UnitSystem UnitSystem::ForLength(const Units::Length& length) {
  UnitSystem system;
  const double size = length.value();
  system.name_ = Orvanta::wstring_to_string(length.Units());
  system.length_ = length;
  system.area_ = Nearest<Units::Area>(size * size);
  system.volume_ = Nearest<Units::Volume>(size * size * size);
  system.second_ = Nearest<Units::SecondMomentOfArea>(size * size * size * size);
  return system;
}

Units::Length UnitSystem::ReadLength(const std::string& text) const {
  std::wstring typed = Orvanta::string_to_wstring(text);
  // A bare number is in this system's length unit.
  const std::size_t last = typed.find_last_not_of(L" \t");
  if (last != std::wstring::npos && (IsDigit(typed[last]) || typed[last] == L'.'))
    typed += L" " + length_.Units();
  return Units::Parse<Units::Length>(typed);
}

Units::Length UnitSystem::ParseLength(const std::string& option, const std::string& text) const {
  Units::Length length;
  try {
    length = ReadLength(text);
  } catch (const std::invalid_argument&) {
    throw std::invalid_argument(option + ": '" + text +
                                "' is not a length (write a number and a length unit such as " +
                                Orvanta::wstring_to_string(length_.Units()) + ")");
  }
  if (!(length.value() > 0.0) || !std::isfinite(length.value()))
    throw std::invalid_argument(option + ": '" + text + "' must be a length greater than zero");
  return length;
}

template <class Q>
std::string InUnit(const Q& value, const Q& unit) {
  const double number = (value / unit).value();
  if (std::isnan(number)) return "n/a";
  if (std::isinf(number)) return number > 0 ? "\u221e" : "-\u221e";
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::setprecision(6) << number;
  return text.str();
}
template std::string InUnit(const Units::Length&, const Units::Length&);
template std::string InUnit(const Units::Area&, const Units::Area&);
template std::string InUnit(const Units::Volume&, const Units::Volume&);
template std::string InUnit(const Units::SecondMomentOfArea&, const Units::SecondMomentOfArea&);

}  // namespace Sections
