// Basic types shared by the whole game: flags, colours, sound kinds and the ports to the platform.
#pragma once
#include <cstdint>
#include <iterator>
#include <string>

namespace vexlar {

using Flag = std::int16_t;
constexpr Flag True = -1;
constexpr Flag False = 0;
inline Flag ToFlag(bool b) { return b ? True : False; }

// Back colours of the edge buttons, written 0xBBGGRR.
constexpr std::int32_t ColourUntouched = 0x808000;
constexpr std::int32_t ColourReflected = 0x0000FF;
constexpr std::int32_t ColourAbsorbed = 0x00C000;
constexpr std::int32_t ColourPair = 0xFFC030;
constexpr std::int32_t ColourHighlight = 0x00FFFF;

enum class SoundKind : std::int16_t { SoundProbe, SoundBoomcrak, SoundFlash, SoundMark };

// The effects in load order, each with its file in the program's directory; everything that
// loads, names or lists the sounds reads this table.
struct SoundRow {
  SoundKind Kind;
  const char* File;
};
inline constexpr SoundRow SoundTable[] = {{SoundKind::SoundProbe, "probe.mp3"},
                                          {SoundKind::SoundBoomcrak, "boomcrak.mp3"},
                                          {SoundKind::SoundFlash, "flash.mp3"},
                                          {SoundKind::SoundMark, "mark.mp3"}};
constexpr int SoundKindCount = static_cast<int>(std::size(SoundTable));
static_assert(
    [] {
      for (int k = 0; k < SoundKindCount; ++k)
        if (static_cast<int>(SoundTable[k].Kind) != k) return false;
      return true;
    }(),
    "the sound table lists the kinds in their order");

// Volumes are hundredths of a decibel of attenuation: 0 is full, -10000 silent.
constexpr std::int32_t VolumeSilent = -10000;

// What the game asks of the sound back end.
struct SoundPort {
  virtual ~SoundPort() = default;
  virtual void PlaySound(SoundKind kind) = 0;  // rewind to the start, then run
  virtual void RunSound(SoundKind kind) = 0;   // run from where it stands
  virtual void SetVolume(SoundKind kind, std::int32_t hundredthsDb) = 0;
};

// Lets the window show what changed (and handle queued input) from inside a handler.
struct EventPump {
  virtual ~EventPump() = default;
  virtual void ProcessEvents() = 0;
};

// Plain decimal digits, "-" only for a negative value.
std::string Decimal(std::int32_t value);

// The number a text begins with, 0 when it begins with none.
double LeadingNumber(const std::string& text);

// One line on standard error about a file or device the game goes on without:
// "VEXLAR: what, instead: why", the why left out when there is none.
void Complain(const std::string& what, const std::string& instead, const std::string& why = {});

// Double to integer, rounding half to even.
std::int32_t RoundEven(double value);

}  // namespace vexlar
