// Computing with quantities allocates nothing. This program replaces the global
// operator new to count allocations, so it is a test executable of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace Orvanta {
namespace {

TEST(QuantityAllocation, ArithmeticOnCatalogueQuantitiesAllocatesNothing) {
  std::vector<Units::Length> widths, depths;
  for (int i = 1; i <= 1000; ++i) {
    widths.emplace_back(i, Units::mm);
    depths.push_back(Units::ft * (i % 7 + 1));
  }
  const Units::Length labelled(1.0, std::wstring(L"custom"));

  const long before = allocations.load();
  Units::SecondMomentOfArea total;
  Units::Length longest = Units::mm;
  Units::Force force = Units::kN;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const Units::Length b = widths[i], d = depths[i];
    total += b * d * d * d / 12.0;
    if (d > longest) longest = d;
    force = force + Units::kN * 0.5 - Units::N;
    force *= Units::Scalar(1.0);
    Units::Length copy = labelled;  // shared labels only count
    copy += b;
    const Range<Units::Length> span(b, -d);
    longest = std::max(longest, span.Extent());
  }
  const long during = allocations.load() - before;

  EXPECT_EQ(0, during);
  EXPECT_GT(total.value(), 0.0);
  EXPECT_GT(force.value(), 0.0);
}

TEST(QuantityAllocation, CountingWorks) {
  const long before = allocations.load();
  const Units::Length labelled(1.0, std::wstring(L"a label that is not a base label"));
  EXPECT_GT(allocations.load(), before);
  EXPECT_EQ(1.0, labelled.value());
}

}  // namespace
}  // namespace Orvanta
