#include "Sounds.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace vexlar {

namespace {

// Counts the bytes the mixer takes from a channel, so a test can tell where a sound stands.
void CountBytes(int, void*, int len, void* udata) {
  static_cast<Sounds::Slot*>(udata)->Bytes += static_cast<std::uint64_t>(len);
}

std::string ProgramDir() {
  char* base = SDL_GetBasePath();
  if (!base) return "./";
  std::string dir = base;
  SDL_free(base);
  return dir;
}

}  // namespace

Sounds::Sounds(std::string dir) {
  // Left to itself SDL takes over SIGINT and SIGTERM, and the game could no longer be ended by
  // them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Complain("no sound device", "the game runs silent", SDL_GetError());
    return;
  }
  Mix_Init(MIX_INIT_MP3);
  // 1024 samples (23 ms): a click is heard within the 50 ms frame, and the mixer's thread wakes
  // half as often as with 512 while the game runs silent.
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    Complain("no sound device", "the game runs silent", Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  open_ = true;
  Mix_AllocateChannels(SoundKindCount);
  int freq = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&freq, &format, &channels);
  bytesPerSecond_ = freq * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
  if (dir.empty()) dir = ProgramDir();
  if (dir.back() != '/') dir += '/';
  for (int k = 0; k < SoundKindCount; ++k) {
    const std::string path = dir + SoundTable[k].File;
    slots_[k].Chunk = Mix_LoadWAV(path.c_str());
    if (!slots_[k].Chunk)
      Complain("cannot load sound " + path, "playing on without it",
               std::filesystem::exists(path) ? Mix_GetError() : "no such file");
    Mix_Volume(k, MIX_MAX_VOLUME);
  }
}

Sounds::~Sounds() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  for (auto& s : slots_)
    if (s.Chunk) Mix_FreeChunk(s.Chunk);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Sounds::start(SoundKind kind) {
  Slot& s = slot(kind);
  const int ch = static_cast<int>(kind);
  // Playing on a busy channel cuts it short and starts again from the beginning.
  if (Mix_PlayChannel(ch, s.Chunk, 0) < 0) return;
  s.Bytes = 0;
  Mix_RegisterEffect(ch, CountBytes, nullptr, &s);
  s.Started = true;
}

void Sounds::PlaySound(SoundKind kind) {
  if (open_ && Loaded(kind)) start(kind);
}

void Sounds::RunSound(SoundKind kind) {
  // From where it stands: a fresh slot plays whole, a finished one stays at its end.
  if (open_ && Loaded(kind) && !slot(kind).Started) start(kind);
}

void Sounds::SetVolume(SoundKind kind, std::int32_t hundredthsDb) {
  if (open_) Mix_Volume(static_cast<int>(kind), ToMixerVolume(hundredthsDb));
}

bool Sounds::Playing(SoundKind kind) const {
  return open_ && Mix_Playing(static_cast<int>(kind)) != 0;
}

double Sounds::PlayedSeconds(SoundKind kind) const {
  if (!bytesPerSecond_) return 0.0;
  const double played = static_cast<double>(slot(kind).Bytes.load()) / bytesPerSecond_;
  return std::min(played, LengthSeconds(kind));
}

double Sounds::LengthSeconds(SoundKind kind) const {
  const Mix_Chunk* c = slot(kind).Chunk;
  return c && bytesPerSecond_ ? static_cast<double>(c->alen) / bytesPerSecond_ : 0.0;
}

int Sounds::MixerVolume(SoundKind kind) const {
  return open_ ? Mix_Volume(static_cast<int>(kind), -1) : 0;
}

int Sounds::ToMixerVolume(std::int32_t hundredthsDb) {
  if (hundredthsDb >= 0) return MIX_MAX_VOLUME;
  if (hundredthsDb <= VolumeSilent) return 0;
  const double gain = std::pow(10.0, hundredthsDb / 2000.0);
  return static_cast<int>(std::lround(gain * MIX_MAX_VOLUME));
}

}  // namespace vexlar
