// The result message: modal, to screen readers too, and placed where the board stays in view.
#pragma once
#include <QMessageBox>
#include <QPointer>

namespace vexlar {

// Where a box of this size stands, all on the screen: right of the panel, else below the board,
// else over the panel's side beside the board; the corner of the screen if none of them is clear.
QPoint ResultPlace(QSize box, const QRect& board, const QRect& panel, const QRect& screen);

class ResultBox : public QMessageBox {
  Q_OBJECT
 public:
  // board and panel: the game window's board area and control panel, kept in view.
  ResultBox(const QString& text, QWidget* parent, const QWidget* board, const QWidget* panel);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QPointer<const QWidget> board_, panel_;
};

}  // namespace vexlar
