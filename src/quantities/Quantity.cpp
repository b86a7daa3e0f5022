#include "orvanta/quantities/Quantity.hpp"

#include <new>

namespace Orvanta {

#define ORVANTA_DIMENSION(M, L, T, A, label) \
  template <>                                \
  const std::wstring Quantity<M, L, T, A>::base_units = label;
#include "orvanta/quantities/Dimensions.def"

namespace detail {
namespace {

// A shared label: the text header, the count, then the characters.
struct SharedLabel {
  LabelText head;
  std::atomic<std::size_t> references;
};

static_assert(alignof(SharedLabel) >= 2 && alignof(LabelText) >= 2,
              "the lowest bit of a label pointer must be free for the tag");

SharedLabel* FromBits(std::uintptr_t bits) {
  return reinterpret_cast<SharedLabel*>(bits & ~std::uintptr_t{1});
}

}  // namespace

std::uintptr_t LabelRef::MakeShared(const std::wstring& text) {
  void* memory = ::operator new(sizeof(SharedLabel) + (text.size() + 1) * sizeof(wchar_t));
  wchar_t* characters = reinterpret_cast<wchar_t*>(static_cast<SharedLabel*>(memory) + 1);
  text.copy(characters, text.size());
  characters[text.size()] = L'\0';
  SharedLabel* label = new (memory) SharedLabel{LabelText{characters, text.size()}, {1}};
  return reinterpret_cast<std::uintptr_t>(label) | 1u;
}

void LabelRef::Acquire(std::uintptr_t bits) noexcept {
  FromBits(bits)->references.fetch_add(1, std::memory_order_relaxed);
}

void LabelRef::Release(std::uintptr_t bits) noexcept {
  SharedLabel* label = FromBits(bits);
  if (label->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    label->~SharedLabel();
    ::operator delete(label);
  }
}

}  // namespace detail
}  // namespace Orvanta
