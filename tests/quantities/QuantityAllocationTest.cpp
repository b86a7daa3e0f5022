// Computing with quantities allocates nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "AllocationCounter.hpp"

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {
namespace {

TEST(QuantityAllocation, ArithmeticOnCatalogueQuantitiesAllocatesNothing) {
  if (!testing::CountsLibraryAllocations())
    GTEST_SKIP() << "the library's allocations cannot be counted here";
  // A label of its own is the one thing that allocates, and it is counted.
  long before = testing::AllocationCount();
  const Units::Length labelled(1.0, std::wstring(L"a label that is not a base label"));
  EXPECT_GT(testing::AllocationCount(), before);

  before = testing::AllocationCount();
  Units::SecondMomentOfArea total;
  Units::Length longest = Units::mm;
  Units::Force force = Units::kN;
  for (int i = 1; i <= 1000; ++i) {
    const Units::Length b(i, Units::mm), d = Units::ft * (i % 7 + 1);
    total += b * d * d * d / 12.0;
    force = force + Units::kN * 0.5 - Units::N;
    Units::Length copy = labelled;  // shared labels only count
    copy += b;
    const Range<Units::Length> span(b, -d);
    longest = std::max(longest, span.Extent());
  }
  EXPECT_EQ(0, testing::AllocationCount() - before);
  EXPECT_GT(total.value() * force.value(), 0.0);  // the loop was not optimised away
}

}  // namespace
}  // namespace Orvanta
