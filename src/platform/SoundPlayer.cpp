#include "orvanta/platform/SoundPlayer.hpp"

#include <chrono>
#include <cstring>
#include <utility>

#include "Backend.hpp"
#include "orvanta/platform/Module.hpp"
#include "orvanta/platform/internal/ByteOrder.hpp"

namespace Orvanta {
namespace {

detail::SoundClock& Clock() {
  static detail::SoundClock clock;
  return clock;
}

}  // namespace

double WaveDuration(const unsigned char* data, unsigned long size) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return -1.0;
  unsigned long byteRate = 0;
  bool pcm = false;
  for (unsigned long at = 12; at + 8 <= size;) {
    const unsigned long length = little_endian::Read32(data + at + 4);
    const unsigned char* body = data + at + 8;
    if (std::memcmp(data + at, "fmt ", 4) == 0 && length >= 16 && at + 8 + 16 <= size) {
      pcm = little_endian::Read16(body) == 1;
      byteRate = little_endian::Read32(body + 8);
    } else if (std::memcmp(data + at, "data", 4) == 0) {
      if (!pcm || byteRate == 0) return -1.0;
      const unsigned long bytes = length < size - at - 8 ? length : size - at - 8;
      return static_cast<double>(bytes) / static_cast<double>(byteRate);
    }
    if (length > size - at - 8) break;
    at += 8 + length + (length & 1);
  }
  return -1.0;
}

bool PlaySoundResource(unsigned int id, const Module* module) {
  const detail::SoundClock& clock = Clock();
  return sys::PlayModuleSound(module != nullptr ? module->Handle() : nullptr, id,
                              clock ? clock() : std::chrono::steady_clock::now());
}

namespace detail {

SoundClock SetSoundClock(SoundClock clock) { return std::exchange(Clock(), std::move(clock)); }

}  // namespace detail

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/SoundPlayer.inc"
#else
#include "Unix/SoundPlayer.inc"
#endif
