// The sound effects against the real mixer on the dummy audio driver.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Sounds.h"

using namespace vexlar;
using namespace std::chrono_literals;

namespace {
// Waits until cond holds, at most two seconds (the effects are shorter than one).
template <typename F>
bool WaitFor(F cond) {
  for (int i = 0; i < 200 && !cond(); ++i) std::this_thread::sleep_for(10ms);
  return cond();
}
}  // namespace

TEST(Sounds, EveryEffectLoadsAndPlaysAtOnceWithTheOthers) {
  Sounds s;
  ASSERT_TRUE(s.DeviceOpen());
  for (const SoundRow& row : SoundTable) {
    EXPECT_GT(s.LengthSeconds(row.Kind), 0.05) << row.File;
    EXPECT_LT(s.LengthSeconds(row.Kind), 1.0) << row.File;
    s.PlaySound(row.Kind);
  }
  for (const SoundRow& row : SoundTable) EXPECT_TRUE(s.Playing(row.Kind)) << row.File;
  // Muting changes the volume only: the effect runs on, silently, and comes back at once.
  const auto flash = SoundKind::SoundFlash;
  s.SetVolume(flash, VolumeSilent);
  EXPECT_EQ(s.MixerVolume(flash), 0);
  EXPECT_TRUE(s.Playing(flash));
  s.SetVolume(flash, 0);
  EXPECT_EQ(s.MixerVolume(flash), 128);
  EXPECT_EQ(Sounds::ToMixerVolume(-600), 64);  // -6 dB is about half
  // The mixer leaves the program's interrupt and terminate to end it.
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction now {};
    sigaction(sig, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "signal " << sig;
  }
}

TEST(Sounds, PlayRestartsRunGoesOnAndAFinishedRunStaysSilent) {
  Sounds s;
  const auto probe = SoundKind::SoundProbe;
  s.RunSound(probe);  // a fresh slot plays whole
  ASSERT_TRUE(WaitFor([&] { return s.PlayedSeconds(probe) > 0.1; }));
  const double before = s.PlayedSeconds(probe);
  s.RunSound(probe);
  EXPECT_GE(s.PlayedSeconds(probe), before);
  s.PlaySound(probe);
  EXPECT_LT(s.PlayedSeconds(probe), before);
  ASSERT_TRUE(WaitFor([&] { return !s.Playing(probe); }));
  s.RunSound(probe);  // ran to its end: nothing more is heard
  EXPECT_FALSE(s.Playing(probe));
  s.PlaySound(probe);
  EXPECT_TRUE(s.Playing(probe));
}

TEST(Sounds, MissingBrokenOrNoDeviceEachSayOneLineAndTheRestPlays) {
  const auto dir = std::filesystem::temp_directory_path() / "vexlar-sound-test";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "boomcrak.mp3") << "not an mp3 at all";
  std::filesystem::copy_file("flash.mp3", dir / "flash.mp3",
                             std::filesystem::copy_options::overwrite_existing);
  testing::internal::CaptureStderr();
  {
    Sounds s(dir.string());
    s.PlaySound(SoundKind::SoundProbe);  // no crash, no sound
    EXPECT_FALSE(s.Playing(SoundKind::SoundProbe));
    s.PlaySound(SoundKind::SoundFlash);
    EXPECT_TRUE(s.Playing(SoundKind::SoundFlash));
  }
  const std::string err = testing::internal::GetCapturedStderr();
  for (const char* file : {"probe.mp3", "boomcrak.mp3", "mark.mp3"})
    EXPECT_NE(err.find(file), std::string::npos) << err;
  EXPECT_EQ(err.find("flash.mp3"), std::string::npos) << err;
  std::filesystem::remove_all(dir);

  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);  // what it says is read from the installed game
  {
    Sounds s;
    s.PlaySound(SoundKind::SoundProbe);
    EXPECT_FALSE(s.Playing(SoundKind::SoundProbe));
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}
