// The game window: the board, the control panel and the two timers, all drawn from the game.
#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "BoardWidget.h"
#include "ExposeWait.h"
#include "Game.h"
#include "KeptFocus.h"
#include "Panel.h"
#include "Pictures.h"

namespace vexlar {

class VEXLAR : public QWidget, public EventPump {
  Q_OBJECT
 public:
  // The window's load; sound may be null (no sound at all).
  VEXLAR(SoundPort* sound, const QString& assetDir, QWidget* parent = nullptr);

  Game& game() { return game_; }

  // Shows what changed now: synchronous repaint, then pending events.
  void ProcessEvents() override;
  // Brings every control up to the game's state and repaints the changed board elements, at
  // once when paintNow, else with the next paint.
  void Sync(bool paintNow = false);
  // The first activation: lays out the panel and builds the board once. It waits until the
  // window stands on the screen at the size the window manager gave it.
  void Activate();
  // Gives the focus back to the control that last had it, once a window over this one has
  // closed or the window manager has restored or maximized a window.
  void RestoreFocus() { focus_.Restore(); }

  // The controls, by their design names. CmdBut and ImgBox are drawn by the board; LblGrid,
  // LblQue and LblMark, boxes without text, by CtrlBoxBack.
  BoardWidget* Board = nullptr;
  QWidget* PbxCover = nullptr;
  QLabel* LblResume = nullptr;
  PanelBack* CtrlBoxBack = nullptr;
  QLabel *LblTime = nullptr, *LblSkill = nullptr;
  QLineEdit *TxtScore = nullptr, *TxtScore2 = nullptr;
  QPushButton *CmdFinish = nullptr, *CmdPause = nullptr, *CmdStart = nullptr;
  QLabel *LblGrid1 = nullptr, *LblGrid2 = nullptr, *LblQue1 = nullptr, *LblQue2 = nullptr;
  QLabel *LblMark1 = nullptr, *LblMark2 = nullptr;
  QLineEdit *TxtGridSize = nullptr, *TxtQues = nullptr, *TxtMarks = nullptr;
  QScrollBar *VScroll1 = nullptr, *VScroll2 = nullptr;
  QTimer Timer1, Timer2;
  // Every panel row's widget, back to front.
  std::vector<PanelPart> PanelParts;
  // One strip label and check box per row of the option table, in its order.
  struct OptionBox {
    const OptionRow* Row;
    QLabel* Strip;
    QCheckBox* Check;
  };
  std::vector<OptionBox> OptionBoxes;
  // The check box of the option whose value the game keeps in that field of the panel.
  QCheckBox* Check(std::int16_t PanelView::*value) const;

 signals:
  void MessageShown(const QString& text);

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void buildPanel();
  // Scales the panel and slides it where the layout puts it; its captions' fonts fit their room.
  void placePanel(const WindowLayout& layout);
  // Slides the panel beside the board square this window's size gives, and sizes the board's
  // area; returns the inner height the board is measured from. The first build and every
  // resize lay out through here.
  std::int32_t layOut();
  // The one way input reaches the game: run the handler, then bring the window up to date.
  template <typename Handler, typename... Args>
  void Run(Handler handler, Args... args);

  Game game_;
  Pictures pictures_;
  bool syncing_ = false;
  KeptFocus focus_{this};
  ExposeWait shown_{this, [this] { Activate(); }};
};

}  // namespace vexlar
