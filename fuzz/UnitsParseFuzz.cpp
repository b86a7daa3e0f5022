// Reads the input as a value typed in the units of several dimensions, and as
// the number text of an archive. Units::Parse may throw only
// std::invalid_argument, naming the text; what it takes starts, after blanks,
// with at most one sign and a digit or a point, and reads the same with more
// blanks around it. ParseExactNumber may throw only
// boost::archive::archive_exception, and gives what strtod gives. The first
// nine bytes also pick a number and a unit, typed as a user would type them.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include <boost/archive/archive_exception.hpp>

#include "FuzzCheck.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

template <class Q>
void CheckParse(const std::wstring& text, double number, unsigned pick) {
  try {
    const Q q = Units::Parse<Q>(text);
    const std::size_t start = text.find_first_not_of(L" \t"), at = text.find_first_not_of(L" \t+-");
    FUZZ_CHECK(at != std::wstring::npos && at <= start + 1);
    FUZZ_CHECK((text[at] >= L'0' && text[at] <= L'9') || text[at] == L'.');
    FUZZ_CHECK(q.Units() == Q::base_units);
    FUZZ_CHECK(fuzz::Same(Units::Parse<Q>(L" \t" + text + L" ").value(), q.value()));
  } catch (const std::invalid_argument& error) {
    std::string quoted = "'" + wstring_to_string(text) + "'";
    quoted.erase(std::min(quoted.find('\0'), quoted.size()));  // what() ends at a NUL
    const std::string what = error.what();
    FUZZ_CHECK(what.rfind("Units::Parse", 0) == 0 && what.find(quoted) != std::string::npos);
  }
  // Subnormal numbers are out of range for strtod, which may refuse them.
  const std::vector<Q>& catalogue = Units::Catalogue<Q>();
  if (catalogue.empty() || !(number == 0.0 || std::isnormal(number))) return;
  const Q& unit = catalogue[pick % catalogue.size()];
  char digits[64];
  char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  const Q typed = Units::Parse<Q>(std::wstring(digits, end) + L' ' + unit.Units());
  FUZZ_CHECK(fuzz::Same(typed.value(), Q(number, unit).value()));
}

template <class... Q>
void CheckDimensions(const std::wstring& text, double number, unsigned pick) {
  (CheckParse<Q>(text, number, pick), ...);
}

void CheckExactNumber(const std::string& text, double number) {
  try {
    const double value = detail::ParseExactNumber(text);
    errno = 0;
    const double expected = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(errno == ERANGE || fuzz::Same(expected, value));
  } catch (const boost::archive::archive_exception&) {
  }
  FUZZ_CHECK(fuzz::Same(number, detail::ParseExactNumber(detail::FormatExactNumber(number))));
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  double number = 0.0;
  const unsigned pick = size > sizeof number ? data[sizeof number] : 0;
  if (size > sizeof number) std::memcpy(&number, data, sizeof number);
  const std::wstring text = string_to_wstring(fuzz::Bytes(data, size));
  CheckDimensions<Units::Scalar, Units::Length, Units::Area, Units::Volume, Units::Angle,
                  Units::Force, Units::Pressure, Units::InverseForce>(text, number, pick);
  CheckExactNumber(fuzz::Bytes(data, size), number);
  return 0;
}
