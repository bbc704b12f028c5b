// What the window tests share: the shown game, clicks and keys, result boxes, drawn pixels.
#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "GameTestSupport.h"
#include "MainWindow.h"
#include "Program.h"

namespace vexlar::test {

// A primary-button click, in the middle of the widget unless told where.
inline void Click(QWidget* w, QPoint at = {}) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

// A key as the player types it: to whatever has the focus.
inline void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, mods);
}

// A double-click as the platform delivers it: press, release, double-click, release.
inline void DoubleClick(QWidget* w, QPoint at) {
  Click(w, at);
  QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

// The colour at a fraction of the way across and down a rectangle of a picture.
inline QColor Pixel(const QImage& shot, const QRect& r, double x = 0.5, double y = 0.5) {
  return shot.pixelColor(r.x() + int(x * (r.width() - 1)), r.y() + int(y * (r.height() - 1)));
}

// What the player sees of the board now: the window's backing store, not a fresh paint.
inline QImage OnScreen(QWidget* board) {
  QTest::qWait(20);  // lets pending repaints through
  const QPoint at = board->mapTo(board->window(), QPoint());
  return board->screen()
      ->grabWindow(board->window()->winId(), at.x(), at.y(), board->width(), board->height())
      .toImage();
}

// Answers each modal window open() brings with key: their texts or class names; none if one stays.
inline QStringList Answer(const std::function<void()>& open, Qt::Key key = Qt::Key_Return) {
  QStringList texts;
  QTimer poll;
  poll.callOnTimeout([&] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    auto* box = qobject_cast<QMessageBox*>(d);
    texts << (box ? box->text() : d->metaObject()->className());
    QTest::keyClick(d, key);
  });
  poll.start(10);
  open();
  const bool answered =
      QTest::qWaitFor([&] { return !texts.isEmpty() && !QApplication::activeModalWidget(); });
  return answered ? texts : QStringList();
}

// The main window shown at a size (as at start-up if the size is empty), its board built.
struct Shown {
  VEXLAROS Main;
  VEXLAR* W;
  Game& G;
  explicit Shown(QSize size = {1024, 700}, const QString& dir = AssetDir(),
                 SoundPort* sound = nullptr)
      : Main(sound, dir), W(Main.gameWindow()), G(W->game()) {
    if (size.isEmpty())
      ShowAtStartUp(Main);
    else
      Main.resize(size), Main.show();
    if (!QTest::qWaitFor([this] { return G.S.BoardBuilt && !G.Building; }, 5000))
      qFatal("the board was never built");
  }
  QRect EdgeRect(Side side, int i) const {
    return W->Board->RectOf({Element::Button, Edge(G.S, side, i)});
  }
  QRect CellRect(int row, int col) const {
    return W->Board->RectOf({Element::Image, ImageAt(G.S, row, col)});
  }
  void ClickBoard(const QRect& r) { Click(W->Board, r.center()); }
  void Start() { Click(W->CmdStart); }
  QStringList Finish() {
    return Answer([this] { Click(W->CmdFinish); });
  }
};

// WCAG contrast of two colours, 1 to 21.
inline double Contrast(QColor a, QColor b) {
  const auto lum = [](QColor c) {
    double sum = 0.05;
    for (auto [v, w] : {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
      sum += w * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    return sum;
  };
  return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b));
}

// The contrast of each pixel of an area of one picture against the same pixel of another.
inline std::vector<double> Contrasts(const QImage& a, const QImage& b, const QRect& area) {
  std::vector<double> out;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      out.push_back(Contrast(a.pixelColor(x, y), b.pixelColor(x, y)));
  return out;
}

// The strongest contrast that any pixel of an area of the widget has against its ground colour.
inline double MostContrast(QWidget* w, const QRect& area, QPoint ground) {
  const QImage shot = w->grab().toImage();
  QImage flat(shot.size(), shot.format());
  flat.fill(shot.pixelColor(ground));
  return std::ranges::max(Contrasts(shot, flat, area));
}

}  // namespace vexlar::test
