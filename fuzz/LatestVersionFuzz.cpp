// Reads the input as the body of the latest-version file. The version must be
// what a plain reading of the documented rule gives: the text between the
// first <product_version> and the next </product_version>, blanks around it
// allowed, as a decimal number that fits an unsigned int; 0 for anything else.
#include <limits>

#include "FuzzCheck.hpp"
#include "LatestVersionBody.hpp"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

unsigned int Expected(const std::string& body) {
  const std::string open = "<product_version>", close = "</product_version>";
  const std::size_t start = body.find(open);
  if (start == std::string::npos) return 0;
  const std::size_t first = start + open.size(), end = body.find(close, first);
  if (end == std::string::npos) return 0;
  std::string text = body.substr(first, end - first);
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
  std::size_t from = 0;
  while (from < text.size() && IsBlank(text[from])) ++from;
  text.erase(0, from);
  if (text.empty()) return 0;
  // Leading zeros do not count towards the size of the number.
  const std::size_t significant = std::min(text.find_first_not_of('0'), text.size() - 1);
  if (text.size() - significant > 10) return 0;
  unsigned long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return value > std::numeric_limits<unsigned int>::max() ? 0 : static_cast<unsigned int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::string body = fuzz::Bytes(data, size);
  const unsigned int version = detail::LatestVersionInBody(body);
  FUZZ_CHECK(version == Expected(body));

  return 0;
}
