#include "orvanta/platform/internal/DecimalNumbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace Orvanta {
namespace {

// Whole texts, blanks around allowed; a refused text leaves the value alone.
TEST(DecimalNumbers, WholeTextsAreReadOrRefused) {
  const struct {
    std::string text;
    bool read;
    double value;
  } unsignedCases[] = {{"0", true, 0},
                       {"007", true, 7},
                       {" 1024\r\n", true, 1024},
                       {"4294967295", true, 4294967295.0},
                       {"4294967296", false, 0},
                       {"99999999999999999999", false, 0},
                       {"", false, 0},
                       {" \t", false, 0},
                       {"+1", false, 0},
                       {"-1", false, 0},
                       {"1 2", false, 0},
                       {"12a", false, 0}},
    floatingCases[] = {{"0.1", true, 0.1},      {" +2.5e3\n", true, 2500.0},
                       {"-0.25", true, -0.25},  {"1e-320", true, 1e-320},
                       {"inf", true, INFINITY}, {"+-1", false, 0},
                       {"1e999", false, 0},     {"", false, 0},
                       {"+", false, 0},         {"0x10", false, 0},
                       {"1,5", false, 0},       {". 5", false, 0}};
  for (const auto& c : unsignedCases) {
    SCOPED_TRACE(c.text);
    unsigned int value = 12345;
    EXPECT_EQ(c.read, decimal::ParseUnsigned(c.text, value));
    EXPECT_EQ(c.read ? c.value : 12345.0, value);
  }
  for (const auto& c : floatingCases) {
    SCOPED_TRACE(c.text);
    double value = 7.0;
    EXPECT_EQ(c.read, decimal::ParseFloating(c.text, value));
    EXPECT_EQ(c.read ? c.value : 7.0, value);
  }
}

// A prefix of wide text, in a type of any width: the end of the number, or
// nullptr when there is none or it does not fit.
TEST(DecimalNumbers, PrefixesOfWideText) {
  const std::wstring id = L"65535\tmore", tooLarge = L"65536\t", typed = L"2.5e3kN", none = L"kN 2";
  unsigned short small = 0;
  EXPECT_EQ(id.data() + 5, decimal::ReadUnsigned(id.data(), id.data() + id.size(), small));
  EXPECT_EQ(65535, small);
  EXPECT_EQ(nullptr, decimal::ReadUnsigned(tooLarge.data(), tooLarge.data() + 6, small));
  double value = 0.0;
  EXPECT_EQ(typed.data() + 5,
            decimal::ReadFloating(typed.data(), typed.data() + typed.size(), value));
  EXPECT_EQ(2500.0, value);
  EXPECT_EQ(nullptr, decimal::ReadFloating(none.data(), none.data() + none.size(), value));
}

}  // namespace
}  // namespace Orvanta
