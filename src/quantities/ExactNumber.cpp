// The text form of a quantity's value in archives.
#include <boost/archive/archive_exception.hpp>
#include <charconv>
#include <limits>

#include "orvanta/platform/internal/DecimalNumbers.hpp"
#include "orvanta/quantities/internal/QuantityArchive.hpp"

namespace Orvanta {
namespace detail {

std::string FormatExactNumber(double value) {
  char buffer[64];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                    std::numeric_limits<double>::max_digits10);
  return std::string(buffer, result.ptr);
}

double ParseExactNumber(const std::string& text) {
  double value = 0.0;
  if (!decimal::ParseFloating(text, value))
    throw boost::archive::archive_exception(boost::archive::archive_exception::input_stream_error);
  return value;
}

}  // namespace detail
}  // namespace Orvanta
