// Sounds on POSIX go to the player found on PATH, one at a time, timed by a
// clock the test moves.
#include "orvanta/platform/SoundPlayer.hpp"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "EnvironmentGuard.hpp"
#include "TemporaryFolder.hpp"
#include "orvanta/platform/Module.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

TEST(SoundPlayer, PlaysThroughThePlayerOnPathOneAtATime) {
  const testing::TemporaryFolder folder;
  testing::EnvironmentGuard environment;
  std::chrono::steady_clock::time_point now;
  const detail::SoundClock previous = detail::SetSoundClock([&now] { return now; });
  const Module library(L"Orvanta.dll", LoadModule(L"Orvanta.dll"));
  const auto play = [&library](unsigned int id) { return PlaySoundResource(id, &library); };

  environment.Set("PATH", folder.Path().string());
  EXPECT_FALSE(play(1502));  // no player
  fs::create_directory(folder.Path() / "bin");
  const wpath player = folder.Write("bin/aplay", "#!/bin/sh\nexit 0\n");
  fs::permissions(player, fs::owner_all);
  environment.Set("PATH", (folder.Path() / "bin").string());
  EXPECT_FALSE(play(1507));  // no such sound
  EXPECT_TRUE(play(1502));   // 0.21 s
  EXPECT_FALSE(play(1500));  // still playing
  now += std::chrono::milliseconds(220);
  EXPECT_TRUE(play(1500));  // 0.20 s
  now += std::chrono::milliseconds(210);
  folder.Write("bin/aplay", "\x01\x02 not a program");
  EXPECT_FALSE(play(1500));  // the player cannot be started
  detail::SetSoundClock(previous);
}

}  // namespace
}  // namespace Orvanta
