// Counts the program's heap allocations. Link AllocationCounter.cpp into a test
// executable of its own: it replaces the global operator new.
#pragma once

namespace Orvanta {
namespace testing {

// How many times operator new has been called so far.
long AllocationCount();

// Whether the count includes the library's own allocations. It does not where
// the library is a DLL with an operator new of its own (Windows, which has no
// symbol interposition); the tests that need it skip there.
bool CountsLibraryAllocations();

}  // namespace testing
}  // namespace Orvanta
