#include "orvanta/geometry/Rect.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "orvanta/geometry/Size.hpp"

namespace Orvanta {

void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.Left().value() << ", " << r.Top().value() << ", " << r.Right().value() << ", "
       << r.Bottom().value() << ")";
}

namespace {

using Units::Length;

Rect R(double left, double top, double right, double bottom) {
  return Rect(Length(left), Length(top), Length(right), Length(bottom));
}

TEST(Rect, ContainsPointsWithTheLeftAndTopEdgesOnly) {
  const struct {
    double x, y;
    bool inside;
  } cases[] = {{0, 0, true},        {2, 0.5, false},
               {1, 1, false},       {std::nextafter(2.0, 0.0), 0.5, true},
               {-1e-300, 0, false}, {0, std::nextafter(1.0, 0.0), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(c.inside, R(0, 0, 2, 1).Contains(Length(c.x), Length(c.y)));
    EXPECT_EQ(c.inside, R(0, 0, 2, 1).Contains(Point(Length(c.x), Length(c.y))));
  }
}

TEST(Rect, TouchingNeedsOverlappingInteriorsAndContainingIsClosed) {
  const Rect r = R(0, 0, 2, 2);
  const struct {
    Rect other;
    bool touches, contains;
    Rect intersection;
  } cases[] = {
      {R(1, 1, 3, 3), true, false, R(1, 1, 2, 2)},
      {R(2, 0, 3, 2), false, false, Rect()},       // shares the right edge
      {R(0, -1, 2, 0), false, false, Rect()},      // shares the top edge
      {R(2, 2, 3, 3), false, false, Rect()},       // shares a corner
      {R(0, 1, 2, 2), true, true, R(0, 1, 2, 2)},  // inside, on three edges
      {R(-1, 0.5, 3, 1), true, false, R(0, 0.5, 2, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.other));
    EXPECT_EQ(c.touches, r.Touches(c.other));
    EXPECT_EQ(c.touches, c.other.Touches(r));
    EXPECT_EQ(c.contains, r.Contains(c.other));
    EXPECT_EQ(c.intersection, r & c.other);
    EXPECT_EQ(c.intersection, c.other & r);
  }
}

TEST(Rect, UnionCountsEmptyRectangles) {
  EXPECT_EQ(R(0, 0, 3, 4), R(1, 2, 3, 4) | Rect());
  EXPECT_EQ(R(-3, -4, 0, 0), Rect() | R(-3, -4, -1, -2));
  Rect r = R(1, 1, 2, 2);
  r |= R(4, 5, 5, 6);
  EXPECT_EQ(R(1, 1, 5, 6), r);
  r &= R(0, 0, 2, 3);
  EXPECT_EQ(R(1, 1, 2, 3), r);
}

TEST(Rect, OnlyNormalizeReordersTheSides) {
  Rect r;
  r.SetWidthHeight(Length(3.0), Length(4.0), Length(-2.0), Length(-2.0));
  EXPECT_EQ(R(3, 4, 1, 2), r);
  EXPECT_TRUE(r.IsEmpty());
  EXPECT_EQ(R(1, 2, 3, 4), r.Normalized());
  r.Normalize();
  EXPECT_FALSE(r.IsEmpty());
  EXPECT_EQ(R(1, 2, 3, 4), r);
  EXPECT_TRUE(R(1, 0, 1, 5).IsEmpty());
  EXPECT_EQ(0.0, R(1, 0, 1, 5).Area().value());
}

TEST(Rect, MovingKeepsTheSizeAndTheTopLeftPointIsInPlace) {
  Rect r = R(1, 2, 4, 6);
  EXPECT_EQ(R(-1, -1, 2, 3), r.MovedTo(Length(-1.0), Length(-1.0)));
  EXPECT_EQ(R(2, 0, 5, 4), r.OffsetBy(Length(1.0), Length(-2.0)));
  EXPECT_EQ(R(2, 2.5, 3, 5.5), r.InflatedBy(Length(-1.0), Length(-0.5)));
  EXPECT_EQ(Point(Length(4.0), Length(2.0)), r.TopRight());
  EXPECT_EQ(Point(Length(1.0), Length(6.0)), r.BottomLeft());
  r.MoveTo(Length(10.0), Length(20.0));
  EXPECT_EQ(R(10, 20, 13, 24), r);

  Point& corner = r;
  corner.Offset(Length(1.0), Length(1.0));
  EXPECT_EQ(R(11, 21, 13, 24), r);
}

TEST(Size, WidthIsTheFirstArgument) {
  const Size size(Length(3.0), Length(4.0));
  EXPECT_EQ(3.0, size.Width().value());
  EXPECT_EQ(4.0, size.Height().value());
}

}  // namespace
}  // namespace Orvanta
