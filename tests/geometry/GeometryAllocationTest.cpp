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
  const long before = testing::AllocationCount();
  Units::SecondMomentOfArea total;
  Rect bounds;
  Extents box;
  for (int i = 1; i <= 100; ++i) {
    const Units::Length d(i, Units::mm);
    const Rectangle rectangle(d, d * 2.0);
    const Circle circle(d);
    for (const Shape* shape :
         {static_cast<const Shape*>(&rectangle), static_cast<const Shape*>(&circle)})
      total += shape->PolarMomentOfArea() * shape->AspectRatio();
    bounds |= Rect(d, -d, d * 2.0, d * 3.0).InflatedBy(d, d).Normalized();
    box += Extents(d, -d, d, d, -d, d * 2.0);
  }
  EXPECT_EQ(0, testing::AllocationCount() - before);
  EXPECT_TRUE(total.value() > 0 && bounds.Area().value() > 0 && box.MaxX().value() > 0);
}

}  // namespace
}  // namespace Orvanta
