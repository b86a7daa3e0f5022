#include "orvanta/platform/internal/DecimalNumbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace Orvanta {
namespace {

TEST(DecimalNumbers, UnsignedNumbersFitOrAreRefused) {
  const struct {
    std::string text;
    bool read;
    unsigned int value;
  } cases[] = {{"0", true, 0},
               {"007", true, 7},
               {" 1024\r\n", true, 1024},
               {"4294967295", true, 4294967295u},
               {"4294967296", false, 0},
               {"99999999999999999999", false, 0},
               {"", false, 0},
               {" \t", false, 0},
               {"+1", false, 0},
               {"-1", false, 0},
               {"1 2", false, 0},
               {"12a", false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    unsigned int value = 12345;
    EXPECT_EQ(c.read, decimal::ParseUnsigned(c.text, value));
    EXPECT_EQ(c.read ? c.value : 12345u, value);
  }
  // A prefix, in a narrower type: the end of the digits, or nullptr.
  const std::wstring id = L"65535\tmore", tooLarge = L"65536\t";
  unsigned short small = 0;
  EXPECT_EQ(id.data() + 5, decimal::ReadUnsigned(id.data(), id.data() + id.size(), small));
  EXPECT_EQ(65535, small);
  EXPECT_EQ(nullptr, decimal::ReadUnsigned(tooLarge.data(), tooLarge.data() + 6, small));
}

TEST(DecimalNumbers, FloatingNumbersAsFromCharsReadsThem) {
  const struct {
    std::string text;
    bool read;
    double value;
  } cases[] = {{"0.1", true, 0.1},
               {" +2.5e3\n", true, 2500.0},
               {"-0.25", true, -0.25},
               {"1e-320", true, 1e-320},
               {"inf", true, INFINITY},
               {"+-1", false, 0},
               {"1e999", false, 0},
               {"", false, 0},
               {"+", false, 0},
               {"0x10", false, 0},
               {"1,5", false, 0},
               {". 5", false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    double value = 7.0;
    EXPECT_EQ(c.read, decimal::ParseFloating(c.text, value));
    EXPECT_EQ(c.read ? c.value : 7.0, value);
  }
  // Wide text: the number ends where its characters do.
  const std::wstring typed = L"2.5e3kN", noNumber = L"kN 2";
  double value = 0.0;
  EXPECT_EQ(typed.data() + 5,
            decimal::ReadFloating(typed.data(), typed.data() + typed.size(), value));
  EXPECT_EQ(2500.0, value);
  EXPECT_EQ(nullptr,
            decimal::ReadFloating(noNumber.data(), noNumber.data() + noNumber.size(), value));
}

}  // namespace
}  // namespace Orvanta
