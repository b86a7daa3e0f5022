#include "orvanta/geometry/SoundBlaster.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/Resource.hpp"
#include "orvanta/platform/SoundPlayer.hpp"
#include "orvanta/platform/internal/ByteOrder.hpp"

namespace Orvanta {
namespace {

TEST(SoundBlaster, WaveFilesHaveTheirFormatsAndLengths) {
  const struct {
    unsigned int channels, bits;
    double seconds;
  } table[] = {{1, 8, 0.20}, {2, 16, 0.92}, {1, 8, 0.21}, {1, 8, 0.43},
               {1, 8, 0.42}, {2, 16, 1.35}, {1, 8, 0.71}};
  for (unsigned int s = 0; s < 7; ++s) {
    SCOPED_TRACE(s);
    const SoundResource sound(1500 + s, OrvantaDLL::Instance());
    const std::vector<unsigned char>& wave = sound.Data();
    ASSERT_GE(wave.size(), 44u);
    EXPECT_EQ(1u, little_endian::Read16(&wave[20]));  // PCM
    EXPECT_EQ(table[s].channels, little_endian::Read16(&wave[22]));
    EXPECT_EQ(22050u, little_endian::Read32(&wave[24]));
    EXPECT_EQ(table[s].bits, little_endian::Read16(&wave[34]));
    EXPECT_NEAR(table[s].seconds, WaveDuration(wave.data(), wave.size()),
                1.0 / 22050);  // within one sample
  }
  const unsigned char notWave[] = "RIFX....WAVE";
  EXPECT_LT(WaveDuration(notWave, sizeof notWave), 0.0);
}

// Playing itself is the platform's (tests/platform/Unix/SoundPlayerTest.cpp).
TEST(SoundBlaster, OnePlayerForSevenSounds) {
  SoundBlaster& player = *SoundBlaster::Instance();
  EXPECT_EQ(&player, SoundBlaster::Instance());
  EXPECT_FALSE(player.Play(static_cast<SoundBlaster::SoundEnum>(7)));
  EXPECT_FALSE(player.Play(static_cast<SoundBlaster::SoundEnum>(-1)));
}

}  // namespace
}  // namespace Orvanta
