// SoundBlaster: the library's seven short sound effects, played without
// waiting, one at a time.
//
//   Orvanta::SoundBlaster::Instance()->Play(Orvanta::SoundBlaster::Warning);
//
// Sound s is the library's wave resource 1500 + s (22050 samples a second).
// A request made while a sound is still playing is refused.
#pragma once

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API SoundBlaster {
 public:
  enum SoundEnum : int {
    Click = 0,
    Chime = 1,
    Tick = 2,
    Descend = 3,
    Ascend = 4,
    Fanfare = 5,
    Warning = 6
  };

  // The one player, made on first use.
  static SoundBlaster* Instance();

  // True when the sound started; false for a value outside 0 to 6, while a
  // sound is playing, or when the system cannot play it (PlaySoundResource).
  bool Play(SoundEnum sound);

  SoundBlaster(const SoundBlaster&) = delete;
  SoundBlaster& operator=(const SoundBlaster&) = delete;

 private:
  SoundBlaster() = default;
};

}  // namespace Orvanta
