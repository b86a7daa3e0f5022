// Computing with the geometry value types and shapes allocates nothing.
#include <gtest/gtest.h>

#include "AllocationCounter.hpp"

#include "orvanta/geometry/Circle.hpp"
#include "orvanta/geometry/Extents.hpp"
#include "orvanta/geometry/Rect.hpp"
#include "orvanta/geometry/Rectangle.hpp"

namespace Orvanta {
namespace {

TEST(GeometryAllocation, ValueArithmeticAllocatesNothing) {
  if (!testing::CountsLibraryAllocations())
    GTEST_SKIP() << "the library's allocations cannot be counted here";
  Rectangle rectangle(Units::Length(0.3), Units::Length(0.5));
  Circle circle(Units::Length(0.2));
  const Shape* const shapes[] = {&rectangle, &circle};
  const long before = testing::AllocationCount();
  Units::SecondMomentOfArea total;
  Rect bounds;
  Extents box;
  for (int i = 1; i <= 1000; ++i) {
    const Units::Length d(i, Units::mm);
    circle.SetRadius(d);
    rectangle = Rectangle(d, d * 2.0);
    for (const Shape* shape : shapes)
      total += shape->PolarMomentOfArea() + shape->Area() * shape->RadiusOfGyration() *
                                                shape->RadiusOfGyration() * shape->AspectRatio();
    const Rect r(d, -d, d * 2.0, d * 3.0);
    bounds |= r.InflatedBy(d, d).Normalized() & Rect(Point(), r.BottomRight());
    box += Extents(d, -d, d, d, -d, d * 2.0);
    box.ExpandBy(d, -d, d);
  }
  EXPECT_EQ(0, testing::AllocationCount() - before);
  EXPECT_TRUE(total.value() > 0 && bounds.Area().value() > 0 && box.MaxX().value() > 0);
}

}  // namespace
}  // namespace Orvanta
