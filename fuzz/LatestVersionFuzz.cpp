// Reads the input as the body of the latest-version file. A version other
// than 0 is a decimal number written, with blanks at most around it, between
// the first <product_version> and the next </product_version>.
#include "FuzzCheck.hpp"
#include "LatestVersionBody.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string body = Orvanta::fuzz::Bytes(data, size);
  const unsigned int version = Orvanta::detail::LatestVersionInBody(body);
  if (version == 0) return 0;
  const std::size_t open = body.find("<product_version>");
  FUZZ_CHECK(open != std::string::npos);
  const std::size_t first = open + 17, close = body.find("</product_version>", first);
  FUZZ_CHECK(close != std::string::npos);
  std::string text = body.substr(first, close - first);
  text.erase(0, text.find_first_not_of(" \t\r\n"));
  text.erase(text.find_last_not_of(" \t\r\n") + 1);
  text.erase(0, std::min(text.find_first_not_of('0'), text.size()));
  FUZZ_CHECK(text == std::to_string(version));
  return 0;
}
