// Reads quantities, one after another, from a wide string stream holding the
// input. Each read must do what reading a number and then a word from the
// same text does: leave the quantity unchanged when no number is read, store
// the number (and keep the label) when no word follows it, and write out (at
// 17 digits) as text that reads back to the same value and label.
#include <sstream>

#include "FuzzCheck.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

template <class Q>
void ReadAll(const std::wstring& text) {
  const Q sentinel(-7.25, std::wstring(L"unchanged"));
  std::wistringstream in(text), reference(text);
  for (int count = 0; count < 32; ++count) {
    Q q = sentinel;
    double value = 0.0;
    std::wstring word;
    const bool number = static_cast<bool>(reference >> value);
    const bool read = static_cast<bool>(q.Read(in));
    FUZZ_CHECK(read == (number && static_cast<bool>(reference >> word)));
    if (!read) {
      FUZZ_CHECK(fuzz::Same(q.value(), number ? value : sentinel.value()) &&
                 q.Units() == sentinel.Units());
      return;
    }
    FUZZ_CHECK(fuzz::Same(q.value(), value) && q.Units() == word);
    // What it writes reads back to the same value and label.
    std::wostringstream written;
    written.precision(17);
    written << q;
    std::wistringstream again(written.str());
    Q back = sentinel;
    FUZZ_CHECK(back.Read(again) && fuzz::Same(back.value(), value) && back.Units() == word);
  }
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::wstring text = string_to_wstring(fuzz::Bytes(data, size));
  ReadAll<Units::Length>(text);
  ReadAll<Units::Scalar>(text);

  return 0;
}
