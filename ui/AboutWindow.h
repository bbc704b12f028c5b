// The about window: title, animation, a few text lines; almost any click or key closes it.
#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "AnimationPlayer.h"

namespace vexlar {

class frmSplash : public QDialog {
  Q_OBJECT
 public:
  frmSplash(const QString& assetDir, QWidget* parent = nullptr);
  AnimationPlayer* player() const { return player_; }
  // A control by its design name (Frame1, Command1, Label1, Label2, ...).
  QWidget* control(const QString& name) const;
  // Stops the animation, hides it and ends the window.
  void Close();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void clicked(QObject* control);

  QString assetDir_;
  QFrame* frame_ = nullptr;
  AnimationPlayer* player_ = nullptr;
  QObject* pressed_ = nullptr;
  bool activated_ = false;
};

}  // namespace vexlar
