#include "orvanta/documents/Address.hpp"

#include <gtest/gtest.h>

namespace Orvanta {
namespace {

TEST(Address, TextSkipsEmptyFieldsAndEndsWithNul) {
  const struct {
    const char* name;
    Address address;
    std::wstring text;
  } cases[] = {
      {"empty", Address(), std::wstring(1, L'\0')},
      {"town and country", Address(L"", L"", L"", L"Leeds", L"", L"", L"UK"),
       std::wstring(L"Leeds\nUK\n") + L'\0'},
      {"full", Address(L"1", L"2", L"3", L"T", L"C", L"P", L"N"),
       std::wstring(L"1\n2\n3\nT\nC\nP\nN\n") + L'\0'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.text, c.address.str());
  }
}

TEST(Address, ReadingTextFillsFieldsInOrder) {
  const Address full(L"1 High St", L"Flat 2", L"", L"Leeds", L"West Yorks", L"LS1", L"UK");
  const Address back(full.str());  // street3 was empty: later lines move up
  EXPECT_EQ(L"1 High St", back.Street1());
  EXPECT_EQ(L"Leeds", back.Street3());
  EXPECT_EQ(L"UK", back.Postcode());
  EXPECT_EQ(L"", back.Country());

  const Address partial(L"a\nb");  // no final line feed
  EXPECT_EQ(L"a", partial.Street1());
  EXPECT_EQ(L"b", partial.Street2());
  EXPECT_EQ(L"", partial.Street3());

  const Address complete(L"1\n2\n3\n4\n5\n6\n7\n8\n");
  EXPECT_EQ(L"7", complete.Country());
  EXPECT_EQ(complete.str(), Address(complete.str()).str());
}

TEST(Address, SettersSwapAndClear) {
  Address a, b(L"s", L"", L"", L"t", L"", L"", L"");
  a.Town(L"York");
  a.Swap(b);
  EXPECT_EQ(L"t", a.Town());
  EXPECT_EQ(L"York", b.Town());
  b = a;
  EXPECT_EQ(L"s", b.Street1());
  b.Clear();
  EXPECT_EQ(std::wstring(1, L'\0'), b.str());
}

}  // namespace
}  // namespace Orvanta
