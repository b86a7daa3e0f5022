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

TEST(Range, OrdersItsEndsEitherWay) {
  const Length a(1.0, std::wstring(L"a")), b(4.0, std::wstring(L"b"));
  for (const LengthRange& range : {LengthRange(a, b), LengthRange(b, a)}) {
    EXPECT_EQ(1.0, range.Minimum().value());
    EXPECT_EQ(L"a", range.Minimum().Units());
    EXPECT_EQ(4.0, range.Maximum().value());
    EXPECT_EQ(L"b", range.Maximum().Units());
    EXPECT_EQ(3.0, range.Extent().value());
    EXPECT_EQ(L"b", range.Extent().Units());
  }
  EXPECT_EQ(LengthRange(a, b), LengthRange(b, a));
  EXPECT_NE(LengthRange(a, b), LengthRange(a, a));
}

TEST(Range, EqualOrNanEndsAreNotSwapped) {
  const Length a(2.0, std::wstring(L"a")), b(2.0, std::wstring(L"b"));
  const LengthRange equal(a, b);
  EXPECT_EQ(L"b", equal.Minimum().Units());
  EXPECT_EQ(L"a", equal.Maximum().Units());
  EXPECT_EQ(0.0, equal.Extent().value());
  EXPECT_TRUE(equal.IsWithin(Length(2.0)));
  EXPECT_FALSE(equal.IsWithin(Length(std::nextafter(2.0, 3.0))));

  const Length nan(std::numeric_limits<double>::quiet_NaN(), std::wstring(L"nan"));
  const LengthRange withNan(nan, Length(5.0));
  EXPECT_EQ(5.0, withNan.Minimum().value());
  EXPECT_EQ(L"nan", withNan.Maximum().Units());
  EXPECT_FALSE(withNan.IsWithin(Length(5.0)));
  EXPECT_NE(withNan, withNan);  // NaN equals nothing
  const LengthRange nanFirst(Length(5.0), nan);
  EXPECT_TRUE(std::isnan(nanFirst.Minimum().value()));
}

TEST(Range, IsWithinIncludesBothEnds) {
  const LengthRange range(Length(-1.0), Length(1.0));
  const struct {
    double value;
    bool within;
  } cases[] = {{-1.0, true},
               {1.0, true},
               {0.0, true},
               {std::nextafter(1.0, 2.0), false},
               {std::nextafter(-1.0, -2.0), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(c.within, range.IsWithin(Length(c.value)));
  }
}

TEST(QuantityFunctions, GravityAndDensities) {
  EXPECT_EQ(9.80665, Gravity().value());
  EXPECT_EQ(L"m/s\u00b2", Gravity().Units());
  const Units::MassDensity rho = WeightToDensity(Units::WeightDensity(19.62, Units::kN_per_m3));
  EXPECT_NEAR(2000.68, rho.value(), 0.005);
  EXPECT_EQ(L"kg/m\u00b3", rho.Units());
  const Units::WeightDensity w = DensityToWeight(Units::MassDensity(1000.0));
  EXPECT_DOUBLE_EQ(9806.65, w.value());
  EXPECT_EQ(L"N/m\u00b3", w.Units());
}

TEST(QuantityFunctions, ReciprocalTrigonometry) {
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
