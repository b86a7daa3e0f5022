// The label of a quantity: an immutable text, shared rather than copied.
//
// Base labels and the catalogue's labels are static texts that live for the
// whole program; a quantity refers to them by pointer, so copying it copies
// 16 bytes and allocates nothing. Any other label (read from a stream or an
// archive, or given to the constructor) is allocated once and shared with an
// atomic count, so quantities may be copied across threads. Internal to the
// quantity template.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {
namespace detail {

struct LabelText {
  const wchar_t* text;  // not necessarily NUL-terminated
  std::size_t length;
};

// Makes a static label from a string literal.
template <std::size_t N>
constexpr LabelText StaticLabel(const wchar_t (&text)[N]) {
  return LabelText{text, N - 1};
}

inline constexpr LabelText kEmptyLabel{L"", 0};

// Names a label of static storage in a type, for the quantity constructor
// that keeps only the label's address (a reference template argument cannot
// name a local or a temporary).
template <const LabelText& Label>
struct StaticLabelTag {};

// A reference to a label: a pointer to its text whose lowest bit tells a
// shared (counted) label from a static one. A static one is referred to by
// its plain address, so that a constant with a static label is
// constant-initialized (the catalogue's constants are).
class LabelRef {
 public:
  explicit constexpr LabelRef(const LabelText& staticText) noexcept : label_(&staticText) {}

  // `text` itself when it equals `candidate` (a static label), else a new
  // shared label.
  static LabelRef Make(const std::wstring& text, const LabelText& candidate) {
    if (text.size() == candidate.length &&
        text.compare(0, text.size(), candidate.text, candidate.length) == 0)
      return LabelRef(candidate);
    return LabelRef(MakeShared(text), Shared{});
  }

  LabelRef(const LabelRef& other) noexcept : label_(other.label_) {
    if (IsShared()) Acquire(Bits());
  }
  LabelRef(LabelRef&& other) noexcept : label_(other.label_) {
    if (IsShared()) other.label_ = &kEmptyLabel;
  }
  LabelRef& operator=(const LabelRef& other) noexcept {
    if (label_ != other.label_) {
      if (other.IsShared()) Acquire(other.Bits());
      if (IsShared()) Release(Bits());
      label_ = other.label_;
    }
    return *this;
  }
  LabelRef& operator=(LabelRef&& other) noexcept {
    if (this != &other) {
      if (IsShared()) Release(Bits());
      label_ = other.label_;
      if (IsShared()) other.label_ = &kEmptyLabel;
    }
    return *this;
  }
  ~LabelRef() {
    if (IsShared()) Release(Bits());
  }

  const LabelText& Text() const noexcept {
    return *reinterpret_cast<const LabelText*>(Bits() & ~std::uintptr_t{1});
  }
  std::wstring String() const { return std::wstring(Text().text, Text().length); }

 private:
  struct Shared {};
  LabelRef(std::uintptr_t bits, Shared) noexcept
      : label_(reinterpret_cast<const LabelText*>(bits)) {}
  std::uintptr_t Bits() const noexcept { return reinterpret_cast<std::uintptr_t>(label_); }
  bool IsShared() const noexcept { return (Bits() & 1u) != 0; }

  // A new shared label holding a copy of `text`, counted once; tagged.
  ORVANTA_API static std::uintptr_t MakeShared(const std::wstring& text);
  ORVANTA_API static void Acquire(std::uintptr_t bits) noexcept;
  ORVANTA_API static void Release(std::uintptr_t bits) noexcept;

  // Tagged when shared: never dereferenced as it is.
  const LabelText* label_;
};

}  // namespace detail
}  // namespace Orvanta
