#include "AllocationCounter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "orvanta/platform/TextConversion.hpp"

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
namespace testing {

long AllocationCount() { return allocations.load(); }

bool CountsLibraryAllocations() {
  const std::string text(100, 'x');
  const long before = AllocationCount();
  const std::wstring wide = string_to_wstring(text);  // allocates inside the library
  return AllocationCount() > before && wide.size() == text.size();
}

}  // namespace testing
}  // namespace Orvanta
