#include "orvanta/geometry/Shape.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

#include "orvanta/geometry/Circle.hpp"
#include "orvanta/geometry/Rectangle.hpp"
#include "orvanta/geometry/Square.hpp"
#include "orvanta/geometry/Strip.hpp"

namespace Orvanta {
namespace {

using Units::Length;
const double kInf = std::numeric_limits<double>::infinity();

TEST(Shape, PropertiesOfEachSection) {
  const Rectangle beam(Length(300, Units::mm), Length(0.5));
  EXPECT_DOUBLE_EQ(0.0125, beam.FirstMomentOfArea().value());
  // b d s² (1/3 - 0.21 r (1 - r⁴/12)), s the shorter side and r = s / the longer
  EXPECT_NEAR(0.0028173708, beam.PolarMomentOfArea().value(), 1e-12);
  EXPECT_NEAR(0.0028173708, Rectangle(Length(0.5), Length(0.3)).PolarMomentOfArea().value(), 1e-12);
  EXPECT_DOUBLE_EQ(0.6, beam.AspectRatio().value());
  EXPECT_DOUBLE_EQ(std::sqrt(0.003125 / 0.15), beam.RadiusOfGyration().value());
  EXPECT_EQ(kInf, Rectangle(Length(0.3), Length(0.0)).AspectRatio().value());
  // A square's torsion constant is its own, not the equal-sided rectangle's.
  EXPECT_DOUBLE_EQ(2.5 * 2.5 * 2.5 * 2.5 / 7.1, Square(Length(2.5)).PolarMomentOfArea().value());

  Circle bar(Length(1.0));
  bar.SetRadius(Length(0.1));
  const double pi = 3.141592653589793, d = 0.2;
  EXPECT_DOUBLE_EQ(d * d * d / 6, bar.FirstMomentOfArea().value());
  EXPECT_DOUBLE_EQ(pi * d * d * d * d / 32, bar.PolarMomentOfArea().value());
  EXPECT_DOUBLE_EQ(d / 4, bar.RadiusOfGyration().value());  // sqrt(π d⁴/64 / (π d²/4))

  const Strip strip(Length(0.2));  // unbounded
  EXPECT_EQ(kInf, strip.Area().value());
  EXPECT_TRUE(std::isnan(strip.RadiusOfGyration().value()));
}

// Calls (shape.*set)(v) with invalid values v, expecting `text` and no change.
template <class S>
void ExpectRejected(S shape, void (S::*set)(const Length&), Length (S::*get)() const,
                    const std::string& text) {
  const double before = (shape.*get)().value();
  for (double bad : {0.0, -std::numeric_limits<double>::denorm_min(), kInf,
                     std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(text + " " + std::to_string(bad));
    try {
      (shape.*set)(Length(bad));
      ADD_FAILURE() << "no exception";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(text, error.what());
    }
    EXPECT_EQ(before, (shape.*get)().value());
  }
}

TEST(Shape, SettersRejectInvalidDimensionsAndKeepTheShape) {
  const Length one(1.0);
  ExpectRejected(Strip(one), &Strip::SetWidth, &Strip::Width, "Strip::SetWidth");
  ExpectRejected(Rectangle(one, one), &Rectangle::SetBreadth, &Rectangle::Breadth,
                 "Rectangle::SetBreadth");
  ExpectRejected(Rectangle(one, one), &Rectangle::SetDepth, &Rectangle::Depth,
                 "Rectangle::SetDepth");
  ExpectRejected(Circle(one), &Circle::SetRadius, &Circle::Diameter, "Circle::SetDiameter");
  ExpectRejected(Square(one), &Square::SetWidth, &Square::Width, "Square::SetWidth");
}

TEST(Shape, CloneAssignAndSwapMakeSeparateCopies) {
  const Rectangle original(Length(0.3), Length(0.5));
  std::unique_ptr<Shape> clone(static_cast<const Shape&>(original).Clone());
  Rectangle* rectangle = dynamic_cast<Rectangle*>(clone.get());
  ASSERT_NE(nullptr, rectangle);
  rectangle->SetDepth(Length(1.0));
  EXPECT_EQ(0.5, original.Depth().value());
  Rectangle other(Length(2.0), Length(2.0));
  other.Swap(*rectangle);
  EXPECT_EQ(1.0, other.Depth().value());
  EXPECT_EQ(2.0, rectangle->Depth().value());
  other = original;
  EXPECT_EQ(0.5, other.Depth().value());
}

}  // namespace
}  // namespace Orvanta
