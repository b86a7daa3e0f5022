#include "orvanta/quantities/Range.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "orvanta/quantities/QuantityFunctions.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

using Units::Length;
typedef Range<Length> LengthRange;

Length Labelled(double value, const wchar_t* label) { return Length(value, std::wstring(label)); }

TEST(Range, OrdersItsEndsAndHoldsBoth) {
  const Length a = Labelled(-1.0, L"a"), b = Labelled(1.0, L"b");
  for (const LengthRange& range : {LengthRange(a, b), LengthRange(b, a)}) {
    EXPECT_EQ(L"ab", range.Minimum().Units() + range.Maximum().Units());
    EXPECT_EQ(2.0, range.Extent().value());
    for (double within : {-1.0, 1.0, 0.0}) EXPECT_TRUE(range.IsWithin(Length(within))) << within;
    EXPECT_FALSE(range.IsWithin(Length(std::nextafter(1.0, 2.0))) ||
                 range.IsWithin(Length(std::nextafter(-1.0, -2.0))));
  }
  EXPECT_EQ(LengthRange(a, b), LengthRange(b, a));
  EXPECT_NE(LengthRange(a, b), LengthRange(a, a));

  // Equal or NaN ends are not swapped.
  const LengthRange equal(Labelled(2.0, L"a"), Labelled(2.0, L"b"));
  EXPECT_EQ(L"ba", equal.Minimum().Units() + equal.Maximum().Units());
  EXPECT_TRUE(equal.IsWithin(Length(2.0)));

  const Length nan = Labelled(std::numeric_limits<double>::quiet_NaN(), L"nan");
  const LengthRange withNan(nan, Length(5.0));
  EXPECT_TRUE(withNan.Minimum().value() == 5.0 && !withNan.IsWithin(Length(5.0)));
  EXPECT_TRUE(std::isnan(LengthRange(Length(5.0), nan).Minimum().value()));
}

TEST(QuantityFunctions, GravityDensitiesAndReciprocalTrigonometry) {
  EXPECT_NEAR(2000.68, WeightToDensity(Units::WeightDensity(19.62, Units::kN_per_m3)).value(),
              0.005);
  EXPECT_DOUBLE_EQ(9806.65, DensityToWeight(Units::MassDensity(1000.0)).value());

  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(inf, Units::cotan(Units::Angle(0.0)));
  EXPECT_EQ(inf, Units::sec(Units::Angle(0.0)));
  EXPECT_EQ(1.0, Units::cosec(Units::Angle(0.0)));
  const Units::Angle thirty(30, Units::deg);
  EXPECT_DOUBLE_EQ(2.0, Units::sec(thirty));                     // 1 / sin
  EXPECT_DOUBLE_EQ(2.0 / std::sqrt(3.0), Units::cosec(thirty));  // 1 / cos
  EXPECT_DOUBLE_EQ(std::sqrt(3.0), Units::cotan(thirty));
}

}  // namespace
}  // namespace Orvanta
