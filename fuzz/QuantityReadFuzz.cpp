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

// What a quantity writes reads back to the same value and label, and its
// narrow form is the same text in UTF-8.
template <class Q>
void CheckWrittenFormReadsBack(const Q& q) {
  std::wostringstream wide;
  std::ostringstream narrow;
  wide.precision(17);
  narrow.precision(17);
  wide << q;
  narrow << q;
  FUZZ_CHECK(narrow.str() == wstring_to_string(wide.str()));
  std::wistringstream in(wide.str());
  Q back(1.0, std::wstring(L"unread"));
  FUZZ_CHECK(in >> back);
  FUZZ_CHECK(fuzz::Same(q.value(), back.value()) && q.Units() == back.Units());
}

template <class Q>
void ReadAll(const std::wstring& text) {
  const Q sentinel(-7.25, std::wstring(L"unchanged"));
  std::wistringstream in(text), reference(text);
  for (int count = 0; count < 32; ++count) {
    Q q = sentinel;
    double value = 0.0;
    std::wstring word;
    const bool number = static_cast<bool>(reference >> value);
    const bool expected = number && static_cast<bool>(reference >> word);
    const bool read = static_cast<bool>(q.Read(in));
    FUZZ_CHECK(read == expected);
    if (!read) {
      FUZZ_CHECK(fuzz::Same(q.value(), number ? value : sentinel.value()) &&
                 q.Units() == sentinel.Units());
      return;
    }
    FUZZ_CHECK(fuzz::Same(q.value(), value) && q.Units() == word);
    CheckWrittenFormReadsBack(q);
  }
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::wstring text = fuzz::Wide(data, size);
  ReadAll<Units::Length>(text);
  ReadAll<Units::Scalar>(text);

  return 0;
}
