// Raising a signal allocates nothing when its arguments are shared pointers.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <vector>

#include "AllocationCounter.hpp"
#include "TestItems.hpp"
#include "orvanta/messages/SignalManager.hpp"

namespace Orvanta {
namespace {

struct Counter {
  void OnItem(Signals::ConstItemPtr item) { total += item ? 1 : 0; }
  long total = 0;
};

TEST(SignalAllocation, RaisingAllocatesNothing) {
  if (!testing::CountsLibraryAllocations())
    GTEST_SKIP() << "the library's allocations cannot be counted here";
  Signals::SignalManager* hub = Signals::SignalManager::Instance();
  std::vector<Counter> counters(50);
  for (Counter& counter : counters) hub->ConnectToItemChanged(&counter, &Counter::OnItem);
  const Signals::ConstItemPtr item = testing::MakeLayer(L"Wall 1");
  const long before = testing::AllocationCount();
  for (int i = 0; i < 1000; ++i) hub->ItemChanged(item);
  EXPECT_EQ(0, testing::AllocationCount() - before);
  for (Counter& counter : counters) hub->DisconnectFromItemChanged(&counter, &Counter::OnItem);
  EXPECT_EQ(1000, counters[0].total);
}

}  // namespace
}  // namespace Orvanta
