// What the fuzz targets share: a check that aborts when a property does not
// hold, so that libFuzzer reports the input as a crash and keeps it, and the
// input as narrow and as wide text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "orvanta/platform/TextConversion.hpp"

#define FUZZ_CHECK(condition)                                                                 \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "%s:%d: property violated: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)

namespace Orvanta {
namespace fuzz {

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input as UTF-8, malformed sequences replaced.
inline std::wstring Wide(const std::uint8_t* data, std::size_t size) {
  return string_to_wstring(Bytes(data, size));
}

// Whether two doubles are the same value: equal bits, or both NaN.
inline bool Same(double a, double b) {
  if (a != a && b != b) return true;
  std::uint64_t x, y;
  std::memcpy(&x, &a, sizeof a);
  std::memcpy(&y, &b, sizeof b);
  return x == y;
}

}  // namespace fuzz
}  // namespace Orvanta
