// What the window tests share: the game started as a player starts it, keys and double-clicks
// as the platform delivers them, the result box answered, and contrast measured on drawn pixels.
#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "MainWindow.h"

namespace vexlar::test {

inline QString AssetDir() { return QCoreApplication::applicationDirPath(); }

inline bool WaitForBoard(VEXLAR* w) {
  return QTest::qWaitFor([w] { return w->game().S.BoardBuilt && !w->game().Building; }, 5000);
}

// The main window shown at a size, with the game window's board built.
struct Shown {
  VEXLAROS Main;
  VEXLAR* W;
  explicit Shown(QSize size = {1024, 700}, const QString& dir = AssetDir())
      : Main(nullptr, dir), W(Main.gameWindow()) {
    Main.resize(size);
    Main.show();
    if (!WaitForBoard(W)) qFatal("the board was never built");
  }
};

// A key as the player types it: to whatever has the focus.
inline void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, mods);
}

// A double-click as the platform delivers it: press, release, double-click, release.
inline void DoubleClick(QWidget* w, QPoint at) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

// Answers the modal result box with Return as soon as it shows, and keeps its text.
struct MessageCatcher {
  QTimer Poll;
  QString Text;
  int Boxes = 0;
  QPointer<QMessageBox> Last;  // answered already, until its loop lets it go
  MessageCatcher() {
    Poll.setInterval(10);
    QObject::connect(&Poll, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box == Last) return;
      Last = box;
      Text = box->text();
      ++Boxes;
      QTest::keyClick(box, Qt::Key_Return);
    });
    Poll.start();
  }
};

// WCAG contrast of two colours, 1 to 21.
inline double Contrast(QColor a, QColor b) {
  const auto lum = [](QColor c) {
    const auto f = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF());
  };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The strongest contrast that any pixel of an area of the widget has against its ground colour.
inline double MostContrast(QWidget* w, const QRect& area, QPoint ground) {
  const QImage shot = w->grab().toImage();
  double most = 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      most = std::max(most, Contrast(shot.pixelColor(ground), shot.pixelColor(x, y)));
  return most;
}

}  // namespace vexlar::test
