#include <gtest/gtest.h>

#include <string>

#include "orvanta/documents/internal/FreeNumbers.hpp"
#include "orvanta/documents/internal/NumberedNameFormat.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

using detail::FreeNumbers;
using detail::NumberedNameFormat;

// Both copy-name texts: every name Format writes reads back as the name and
// number it was made from, unless the name holds "<Number/>" (which the
// number then fills); then nothing reads back.
TEST(NumberedNameFormat, CopyNamesRoundTrip) {
  const std::wstring names[] = {
      L"A",         L"",  L"Beam 2",    L"B - Copy",   L"C - Copy (2)",  L"(7)",
      L"x<Name/>y", L"9", L"<Number/>", L"a<Number/>", L"Wall \u00e5 (3"};
  const unsigned int numbers[] = {2, 10, 4294967295u};
  for (const unsigned int id : {1929u, 1930u}) {
    const NumberedNameFormat format(OrvantaDLL::Instance()->LoadStringW(id));
    const bool hasNumber = id == 1930;
    for (const std::wstring& name : names) {
      const bool holdsNumber = name.find(L"<Number/>") != std::wstring::npos;
      EXPECT_EQ(!hasNumber || !holdsNumber, format.Reverses(name)) << id;
      for (const unsigned int number : numbers) {
        SCOPED_TRACE(std::to_string(id) + " '" + wstring_to_string(name) + "' " +
                     std::to_string(number));
        const std::wstring text = format.Format(name, number);
        std::wstring parsed = L"unset";
        unsigned int n = 12345;
        if (hasNumber && holdsNumber) {
          EXPECT_FALSE(format.Parse(text, parsed, n));
          continue;
        }
        ASSERT_TRUE(format.Parse(text, parsed, n));
        EXPECT_EQ(name, parsed);
        EXPECT_EQ(hasNumber ? number : 0u, n);
      }
    }
  }
  // Texts Format never writes.
  const NumberedNameFormat numbered(OrvantaDLL::Instance()->LoadStringW(1930));
  const NumberedNameFormat first(OrvantaDLL::Instance()->LoadStringW(1929));
  std::wstring name;
  unsigned int n = 0;
  for (const wchar_t* text : {L"A - Copy (02)", L"A - Copy ()", L"A - Copy (4294967296)",
                              L"A - Copy (2) ", L"A - Copy(2)", L"A - Copy (+2)", L"A"}) {
    SCOPED_TRACE(wstring_to_string(text));
    EXPECT_FALSE(numbered.Parse(text, name, n));
  }
  EXPECT_FALSE(first.Parse(L"A - Copy ", name, n));
  EXPECT_TRUE(first.Parse(L" - Copy", name, n));
  EXPECT_EQ(L"", name);
}

TEST(FreeNumbers, FirstFreeFollowsTakenAndFreedNumbers) {
  FreeNumbers numbers;
  EXPECT_EQ(1u, numbers.FirstFree());
  EXPECT_TRUE(numbers.IsEmpty());
  const struct {
    bool take;
    unsigned int number;
    unsigned int firstFree;
  } steps[] = {
      {true, 2, 1},  {true, 1, 3},  {true, 1, 3},   // taken twice: no change
      {true, 5, 3},  {true, 4, 3},  {true, 3, 6},   // 3 joins 1-2 and 4-5
      {false, 9, 6}, {false, 4, 4}, {false, 1, 1},  // freed inside and at the start
      {true, 1, 4},  {true, 4, 6},  {false, 5, 5},  // split runs rejoin
      {false, 3, 3}, {false, 2, 2}, {false, 1, 1}, {false, 4, 1}, {true, 4294967295u, 1},
  };
  for (std::size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
    SCOPED_TRACE(i);
    if (steps[i].take)
      numbers.Take(steps[i].number);
    else
      numbers.Free(steps[i].number);
    EXPECT_EQ(steps[i].firstFree, numbers.FirstFree());
  }
  numbers.Free(4294967295u);
  EXPECT_TRUE(numbers.IsEmpty());
}

}  // namespace
}  // namespace Orvanta
