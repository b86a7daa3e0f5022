// Fills a text's placeholders, one (tag, value) pair after another, both with
// ReplaceTag on a string and with Error::Replace. After each pair both must
// hold the text with the first occurrence of the tag replaced (unchanged for
// an empty or absent tag), and the error's what() must be that text in UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/platform/Error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  FuzzedDataProvider input(data, size);
  const std::string first = input.ConsumeRandomLengthString(256);
  std::wstring text = string_to_wstring(first);
  Error error(text);
  FUZZ_CHECK(Error(first).Text() == text);

  for (int pairs = 0; pairs < 16 && input.remaining_bytes() > 0; ++pairs) {
    const std::wstring tag = string_to_wstring(input.ConsumeRandomLengthString(32));
    const std::wstring value = string_to_wstring(input.ConsumeRandomLengthString(64));

    std::wstring expected = text;
    const std::size_t at = tag.empty() ? std::wstring::npos : text.find(tag);
    if (at != std::wstring::npos) expected.replace(at, tag.size(), value);

    ReplaceTag(text, tag, value);
    error.Replace(tag, value);
    FUZZ_CHECK(text == expected);
    FUZZ_CHECK(error.Text() == expected);
    // what() is NUL-terminated: compare up to the first NUL.
    FUZZ_CHECK(std::string(error.what()) == wstring_to_string(expected).c_str());
  }
  return 0;
}
