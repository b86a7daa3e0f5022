// Counts the program's heap allocations. Link AllocationCounter.cpp into a test
// executable of its own: it replaces the global operator new.
#pragma once

namespace Orvanta {
namespace testing {

// How many times operator new has been called so far.
long AllocationCount();

}  // namespace testing
}  // namespace Orvanta
