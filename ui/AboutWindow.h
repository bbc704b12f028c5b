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
  // Stops the animation, hides it and ends the window.
  void Close();

  // The controls, by their design names; lblText1 and lblText2 are the two grey lines.
  QFrame* Frame1 = nullptr;
  AnimationPlayer* ShockwaveFlash1 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
  QLabel *lblCompanyProduct = nullptr, *lblPlatform = nullptr, *lblVersion = nullptr;
  QLabel *lblWarning = nullptr, *lblText1 = nullptr, *lblText2 = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* Command1 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void clicked(QObject* control);

  QString assetDir_;
  QObject* pressed_ = nullptr;
  bool activated_ = false;
};

}  // namespace vexlar
