// The four sound effects on SDL2_mixer: one loaded chunk and one dedicated channel per kind.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "Types.h"

struct Mix_Chunk;

namespace vexlar {

class Sounds : public SoundPort {
 public:
  // LoadSounds: opens the device and loads the four files from dir (the program's own
  // directory when empty). Each problem is one line on standard error; the game runs on.
  explicit Sounds(std::string dir = {});
  ~Sounds() override;
  Sounds(const Sounds&) = delete;
  Sounds& operator=(const Sounds&) = delete;

  void PlaySound(SoundKind kind) override;
  void RunSound(SoundKind kind) override;
  void SetVolume(SoundKind kind, std::int32_t hundredthsDb) override;

  bool DeviceOpen() const { return open_; }
  bool Loaded(SoundKind kind) const { return slot(kind).Chunk != nullptr; }
  bool Playing(SoundKind kind) const;
  // Seconds of the effect the mixer has played since its last start.
  double PlayedSeconds(SoundKind kind) const;
  // The channel volume on the mixer's 0..128 scale.
  int MixerVolume(SoundKind kind) const;
  double LengthSeconds(SoundKind kind) const;

  // Hundredths of a decibel of attenuation onto the mixer's scale.
  static int ToMixerVolume(std::int32_t hundredthsDb);

  struct Slot {
    Mix_Chunk* Chunk = nullptr;
    bool Started = false;                 // has run at least once since loading
    std::atomic<std::uint64_t> Bytes{0};  // counted on the mixer's thread
  };

 private:
  Slot& slot(SoundKind k) { return slots_[static_cast<int>(k)]; }
  const Slot& slot(SoundKind k) const { return slots_[static_cast<int>(k)]; }
  void start(SoundKind kind);

  std::array<Slot, SoundKindCount> slots_;
  bool open_ = false;
  int bytesPerSecond_ = 0;
};

}  // namespace vexlar
