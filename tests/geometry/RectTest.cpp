// The flat boxes: Rect and the three-dimensional Extents.
#include "orvanta/geometry/Rect.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "orvanta/geometry/Extents.hpp"

namespace Orvanta {

namespace {

using Units::Length;
typedef std::vector<double> Ends;

Rect R(double left, double top, double right, double bottom) {
  return Rect(Length(left), Length(top), Length(right), Length(bottom));
}

Extents E(double minX, double maxX, double minY, double maxY, double minZ, double maxZ) {
  return Extents(Length(minX), Length(maxX), Length(minY), Length(maxY), Length(minZ),
                 Length(maxZ));
}

Ends EndsOf(const Extents& e) {
  return {e.MinX().value(), e.MaxX().value(), e.MinY().value(),
          e.MaxY().value(), e.MinZ().value(), e.MaxZ().value()};
}

TEST(Rect, ContainsPointsWithTheLeftAndTopEdgesOnly) {
  const struct {
    double x, y;
    bool inside;
  } cases[] = {{0, 0, true},
               {2, 0.5, false},
               {1, 1, false},
               {std::nextafter(2.0, 0.0), std::nextafter(1.0, 0.0), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(c.inside, R(0, 0, 2, 1).Contains(Point(Length(c.x), Length(c.y))));
  }
}

TEST(Rect, TouchingNeedsOverlappingInteriorsAndContainingIsClosed) {
  const Rect r = R(0, 0, 2, 2);
  const struct {
    Rect other;
    bool contains;
    Rect intersection;  // empty: they do not touch
  } cases[] = {
      {R(1, 1, 3, 3), false, R(1, 1, 2, 2)},
      {R(2, 0, 3, 2), false, Rect()},        // shares the right edge
      {R(0, -1, 2, 0), false, Rect()},       // shares the top edge
      {R(2, 2, 3, 3), false, Rect()},        // shares a corner
      {R(0, 1, 2, 2), true, R(0, 1, 2, 2)},  // inside, on three edges
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_EQ(c.intersection != Rect(), r.Touches(c.other));
    EXPECT_EQ(c.intersection != Rect(), c.other.Touches(r));
    EXPECT_EQ(c.contains, r.Contains(c.other));
    EXPECT_EQ(c.intersection, r & c.other);
  }
}

TEST(Rect, UnionCountsEmptyRectanglesMovingKeepsTheSizeAndOnlyNormalizeReorders) {
  EXPECT_EQ(R(0, 0, 3, 4), R(1, 2, 3, 4) | Rect());
  EXPECT_EQ(R(2, 0, 5, 4), R(1, 2, 4, 6).OffsetBy(Length(1.0), Length(-2.0)));
  EXPECT_EQ(R(2, 2.5, 3, 5.5), R(1, 2, 4, 6).InflatedBy(Length(-1.0), Length(-0.5)));
  Rect r;
  r.SetWidthHeight(Length(3.0), Length(4.0), Length(-2.0), Length(-2.0));
  EXPECT_EQ(R(3, 4, 1, 2), r);
  EXPECT_TRUE(r.IsEmpty());
  r.Normalize();
  EXPECT_EQ(R(1, 2, 3, 4), r);
  EXPECT_FALSE(r.IsEmpty());
  EXPECT_TRUE(R(1, 0, 1, 5).IsEmpty());
  r.MoveTo(Length(10.0), Length(20.0));
  EXPECT_EQ(R(10, 20, 12, 22), r);
}

TEST(Extents, OrdersExpandsAndAddsEachPair) {
  EXPECT_EQ(Ends({1, 5, 0, 2, 2, 10}), EndsOf(E(5, 1, 0, 2, 10, 2)));
  EXPECT_EQ(Ends({0, 6, -3, 1, 0, 1}), EndsOf(E(0, 1, 0, 1, 0, 1) + E(5, 6, -3, -2, 0.25, 0.5)));
  // Shrinking past the middle reorders the ends.
  for (const double d : {1.0, -0.5, -3.0}) {
    SCOPED_TRACE(d);
    Extents e = E(0, 2, 0, 2, 0, 2);
    e.ExpandBy(Length(d), Length(0.0), Length(d));
    const double low = std::min(-d, 2 + d), high = std::max(-d, 2 + d);
    EXPECT_EQ(Ends({low, high, 0, 2, low, high}), EndsOf(e));
  }
}

}  // namespace
}  // namespace Orvanta
