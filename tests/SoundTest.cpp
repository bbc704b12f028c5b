// The four effects against the real mixer on the dummy audio driver.
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
struct SoundTest : ::testing::Test {
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 0); }
};

// Waits until cond holds, at most two seconds (the effects are shorter than one).
template <typename F>
bool WaitFor(F cond) {
  for (int i = 0; i < 200; ++i) {
    if (cond()) return true;
    std::this_thread::sleep_for(10ms);
  }
  return cond();
}
}  // namespace

TEST_F(SoundTest, LoadsAllFourShortEffectsFromTheProgramDirectory) {
  Sounds s;
  ASSERT_TRUE(s.DeviceOpen());
  for (int k = 0; k < SoundKindCount; ++k) {
    const auto kind = static_cast<SoundKind>(k);
    EXPECT_TRUE(s.Loaded(kind)) << SoundTable[k].File;
    EXPECT_GT(s.LengthSeconds(kind), 0.05);
    EXPECT_LT(s.LengthSeconds(kind), 1.0);
  }
}

TEST_F(SoundTest, PlayRestartsRunContinuesAndFinishedStaysSilent) {
  Sounds s;
  const auto probe = SoundKind::SoundProbe;
  s.RunSound(probe);  // a fresh slot plays whole
  ASSERT_TRUE(s.Playing(probe));
  ASSERT_TRUE(WaitFor([&] { return s.PlayedSeconds(probe) > 0.1; }));
  const double before = s.PlayedSeconds(probe);
  s.RunSound(probe);  // goes on from where it stands
  EXPECT_GE(s.PlayedSeconds(probe), before);
  s.PlaySound(probe);  // starts over
  EXPECT_LT(s.PlayedSeconds(probe), before);
  EXPECT_TRUE(s.Playing(probe));
  ASSERT_TRUE(WaitFor([&] { return !s.Playing(probe); }));
  s.RunSound(probe);  // ran to the end: nothing more is heard
  EXPECT_FALSE(s.Playing(probe));
  s.PlaySound(probe);
  EXPECT_TRUE(s.Playing(probe));
}

TEST_F(SoundTest, EffectsOverlapAndMuteChangesOnlyTheVolume) {
  Sounds s;
  s.PlaySound(SoundKind::SoundBoomcrak);
  s.PlaySound(SoundKind::SoundFlash);
  EXPECT_TRUE(s.Playing(SoundKind::SoundBoomcrak));
  EXPECT_TRUE(s.Playing(SoundKind::SoundFlash));
  s.SetVolume(SoundKind::SoundFlash, VolumeSilent);
  EXPECT_EQ(s.MixerVolume(SoundKind::SoundFlash), 0);
  EXPECT_TRUE(s.Playing(SoundKind::SoundFlash));  // still runs, silently
  ASSERT_TRUE(WaitFor([&] { return s.PlayedSeconds(SoundKind::SoundFlash) > 0.05; }));
  s.SetVolume(SoundKind::SoundFlash, 0);
  EXPECT_EQ(s.MixerVolume(SoundKind::SoundFlash), 128);
}

TEST_F(SoundTest, VolumeScale) {
  EXPECT_EQ(Sounds::ToMixerVolume(0), 128);
  EXPECT_EQ(Sounds::ToMixerVolume(-600), 64);  // -6 dB is about half
  EXPECT_EQ(Sounds::ToMixerVolume(VolumeSilent), 0);
  EXPECT_EQ(Sounds::ToMixerVolume(-20000), 0);
}

TEST_F(SoundTest, MissingOrBrokenFilesLeaveTheRestPlaying) {
  const auto dir = std::filesystem::temp_directory_path() / "vexlar-sound-test";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "boomcrak.mp3") << "not an mp3 at all";
  std::filesystem::copy_file("flash.mp3", dir / "flash.mp3",
                             std::filesystem::copy_options::overwrite_existing);
  testing::internal::CaptureStderr();
  Sounds s(dir.string());
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("probe.mp3"), std::string::npos) << err;
  EXPECT_NE(err.find("boomcrak.mp3"), std::string::npos) << err;
  EXPECT_EQ(err.find("flash.mp3"), std::string::npos) << err;
  EXPECT_FALSE(s.Loaded(SoundKind::SoundProbe));
  s.PlaySound(SoundKind::SoundProbe);  // no crash, no sound
  s.RunSound(SoundKind::SoundBoomcrak);
  EXPECT_FALSE(s.Playing(SoundKind::SoundProbe));
  s.PlaySound(SoundKind::SoundFlash);
  EXPECT_TRUE(s.Playing(SoundKind::SoundFlash));
  std::filesystem::remove_all(dir);
}

TEST_F(SoundTest, NoDeviceRunsSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  testing::internal::CaptureStderr();
  {
    Sounds s;
    EXPECT_FALSE(s.DeviceOpen());
    s.PlaySound(SoundKind::SoundProbe);
    s.SetVolume(SoundKind::SoundProbe, VolumeSilent);
    EXPECT_FALSE(s.Playing(SoundKind::SoundProbe));
  }
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no sound device"), std::string::npos);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST_F(SoundTest, TheProgramStillEndsOnInterruptAndTerminate) {
  Sounds s;
  ASSERT_TRUE(s.DeviceOpen());
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction now {};
    sigaction(sig, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "signal " << sig;
  }
}
