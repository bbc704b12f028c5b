// The game window: the board, its cover and the control panel, forwarding every event to the game.
#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

#include "BoardWidget.h"
#include "Game.h"
#include "Pictures.h"

namespace vexlar {

class VEXLAR : public QWidget, public EventPump {
  Q_OBJECT
 public:
  // The window's load; sound may be null (no sound at all).
  VEXLAR(SoundPort* sound, const QString& assetDir, QWidget* parent = nullptr);

  Game& game() { return game_; }
  BoardWidget* board() const { return board_; }
  QWidget* control(const char* name) const { return controls_.at(name); }
  QPushButton* button(const char* name) const { return static_cast<QPushButton*>(control(name)); }
  QLineEdit* text(const char* name) const { return static_cast<QLineEdit*>(control(name)); }
  QWidget* cover() const { return cover_; }
  QLabel* resumeLabel() const { return resume_; }

  // Shows what changed now: synchronous repaint, then pending events.
  void ProcessEvents() override;
  // Brings every control up to the game's state and repaints the changed board elements.
  void Sync();
  // The first activation: lays out the panel and builds the board once.
  void Activate();

 signals:
  void MessageShown(const QString& text);

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildPanel();
  void showPendingMessage();

  Game game_;
  Pictures pictures_;
  BoardWidget* board_ = nullptr;
  QWidget* cover_ = nullptr;
  QLabel* resume_ = nullptr;
  std::map<std::string, QWidget*> controls_;
  QTimer timer1_, timer2_;
  bool syncing_ = false;
};

}  // namespace vexlar
