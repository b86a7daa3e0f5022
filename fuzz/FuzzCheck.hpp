// What the fuzz targets share: a check that aborts when a property does not
// hold, so that libFuzzer reports the input as a crash and keeps it, the
// input as text, and a comparison of doubles.
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

// Whether two doubles are the same value: equal bits, or both NaN.
inline bool Same(double a, double b) {
  return (a != a && b != b) || std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace fuzz
}  // namespace Orvanta
