#include "orvanta/geometry/SoundBlaster.hpp"

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/SoundPlayer.hpp"

namespace Orvanta {

SoundBlaster* SoundBlaster::Instance() {
  static SoundBlaster player;
  return &player;
}

bool SoundBlaster::Play(SoundEnum sound) {
  const int value = static_cast<int>(sound);
  if (value < 0 || value > 6) return false;
  return PlaySoundResource(1500u + static_cast<unsigned int>(value), OrvantaDLL::Instance());
}

}  // namespace Orvanta
