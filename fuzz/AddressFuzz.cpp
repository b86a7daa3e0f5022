// Reads an Address from the input text and writes it out again. The fields
// must be the first seven lines of the text before any NUL; the written text
// is every non-empty field and a line feed, then one NUL; and reading that
// text back gives the same address whenever no field before the last
// non-empty one is empty (else the same text).
#include <array>
#include <sstream>

#include "FuzzCheck.hpp"
#include "orvanta/documents/Address.hpp"

namespace Orvanta {
namespace {

std::array<std::wstring, 7> Fields(const Address& a) {
  return {a.Street1(), a.Street2(), a.Street3(), a.Town(), a.County(), a.Postcode(), a.Country()};
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::wstring text = fuzz::Wide(data, size);
  const Address address(text);
  const std::array<std::wstring, 7> fields = Fields(address);

  std::wistringstream lines(text.substr(0, text.find(L'\0')));
  for (const std::wstring& field : fields) {
    std::wstring line;
    std::getline(lines, line);
    FUZZ_CHECK(field == line);
  }

  const std::wstring written = address.str();
  std::wstring expected;
  for (const std::wstring& field : fields)
    if (!field.empty()) expected += field + L'\n';
  expected += L'\0';
  FUZZ_CHECK(written == expected);

  const Address back(written);
  FUZZ_CHECK(back.str() == written);
  std::size_t last = fields.size();
  while (last > 0 && fields[last - 1].empty()) --last;
  bool gap = false;
  for (std::size_t i = 0; i < last; ++i) gap = gap || fields[i].empty();
  if (!gap) FUZZ_CHECK(Fields(back) == fields);

  // Copying and swapping keep every field.
  Address copy(address), other;
  copy.Swap(other);
  FUZZ_CHECK(Fields(other) == fields && copy.str() == std::wstring(1, L'\0'));
  return 0;
}
