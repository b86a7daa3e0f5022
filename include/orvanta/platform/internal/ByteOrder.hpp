// Little-endian numbers in byte buffers: the fields of wave, bitmap and cursor
// files and of Windows resources. Internal to the library.
//
//   std::uint32_t rate = little_endian::Read32(wave + 28);
//   little_endian::Append16(file, 2);  // a cursor file's type
#pragma once

#include <cstdint>
#include <vector>

namespace Orvanta {
namespace little_endian {

// The number in the two or four bytes at `bytes`, which must be readable.
inline std::uint16_t Read16(const unsigned char* bytes) noexcept {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}
inline std::uint32_t Read32(const unsigned char* bytes) noexcept {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Appends `value` as two or four bytes.
inline void Append16(std::vector<unsigned char>& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value));
  out.push_back(static_cast<unsigned char>(value >> 8));
}
inline void Append32(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<unsigned char>(value >> shift));
}

}  // namespace little_endian
}  // namespace Orvanta
