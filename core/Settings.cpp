// The settings bars and the option check boxes.
#include <algorithm>

#include "Game.h"

namespace vexlar {

void Game::SetVScroll1(std::int16_t value) {
  value = std::clamp<std::int16_t>(value, MinGridSize, MaxGridSize);
  if (value == Panel.VScroll1) return;
  Panel.VScroll1 = value;
  VScroll1Change();
}

void Game::SetVScroll2(std::int16_t value) {
  value = std::clamp<std::int16_t>(value, MinQues, MaxQues);
  if (value == Panel.VScroll2) return;
  Panel.VScroll2 = value;
  VScroll2Change();
}

void Game::VScroll1Change() {
  Panel.TxtGridSize = Decimal(Panel.VScroll1);
  if (Panel.VScroll1 < Panel.VScroll2) SetVScroll2(Panel.VScroll1);
}

void Game::VScroll2Change() {
  // The que count is held at the board side, so TxtQues always shows what Start will use.
  if (Panel.VScroll2 > Panel.VScroll1) {
    SetVScroll2(Panel.VScroll1);
    return;
  }
  Panel.TxtQues = Decimal(Panel.VScroll2);
}

void Game::SetAllVolumes(std::int32_t v) {
  if (!Sound) return;
  for (int k = 0; k < SoundKindCount; ++k) Sound->SetVolume(static_cast<SoundKind>(k), v);
}

void Game::OptionClick(const OptionRow& option, std::int16_t value) {
  Panel.*option.Value = value;
  if (option.Click) (this->*option.Click)();
}

void Game::AudioMuteClick() { SetAllVolumes(Panel.ChkAudio == 1 ? VolumeSilent : SoundVolume); }

}  // namespace vexlar
