// The text form of a quantity's value in archives.
#include <boost/archive/archive_exception.hpp>
#include <charconv>
#include <limits>

#include "orvanta/quantities/QuantityArchive.hpp"

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
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  std::size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  double value = 0.0;
  const char* begin = text.data() + first;
  const char* end = text.data() + last;
  // from_chars takes no plus sign; skip one, but then no minus may follow.
  const bool plus = begin != end && *begin == '+';
  if (plus) ++begin;
  const std::from_chars_result result = std::from_chars(begin, end, value);
  if (begin == end || (plus && *begin == '-') || result.ec != std::errc() || result.ptr != end)
    throw boost::archive::archive_exception(boost::archive::archive_exception::input_stream_error);
  return value;
}

}  // namespace detail
}  // namespace Orvanta
