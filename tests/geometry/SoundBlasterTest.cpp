#include "orvanta/geometry/SoundBlaster.hpp"

#include <gtest/gtest.h>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/Resource.hpp"
#include "orvanta/platform/SoundPlayer.hpp"

namespace Orvanta {
namespace {

// The sounds are the library's resources; playing them is the platform's.
TEST(SoundBlaster, SevenWaveSoundsAndNoOthers) {
  const double seconds[] = {0.20, 0.92, 0.21, 0.43, 0.42, 1.35, 0.71};
  for (unsigned int s = 0; s < 7; ++s) {
    SCOPED_TRACE(s);
    const SoundResource sound(1500 + s, OrvantaDLL::Instance());
    EXPECT_NEAR(seconds[s], WaveDuration(sound.Data().data(), sound.Data().size()), 1.0 / 22050);
  }
  const unsigned char notWave[] = "RIFX....WAVE";
  EXPECT_LT(WaveDuration(notWave, sizeof notWave), 0.0);
  for (const int none : {-1, 7})
    EXPECT_FALSE(SoundBlaster::Instance()->Play(static_cast<SoundBlaster::SoundEnum>(none)));
}

}  // namespace
}  // namespace Orvanta
