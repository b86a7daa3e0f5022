// Reads an Address from the input text and writes it out again. The fields
// must be the first seven lines of the text before any NUL; the written text
// is every non-empty field and a line feed, then one NUL; and reading that
// text back writes the same text again.
#include <array>
#include <sstream>

#include "FuzzCheck.hpp"
#include "orvanta/documents/Address.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::wstring text = string_to_wstring(fuzz::Bytes(data, size));
  const Address address(text);
  const std::array<std::wstring, 7> fields = {
      address.Street1(), address.Street2(),  address.Street3(), address.Town(),
      address.County(),  address.Postcode(), address.Country()};
  std::wistringstream lines(text.substr(0, text.find(L'\0')));
  std::wstring expected;
  for (const std::wstring& field : fields) {
    std::wstring line;
    std::getline(lines, line);
    FUZZ_CHECK(field == line);
    if (!field.empty()) expected += field + L'\n';
  }
  FUZZ_CHECK(address.str() == expected + L'\0');
  FUZZ_CHECK(Address(address.str()).str() == address.str());
  return 0;
}
