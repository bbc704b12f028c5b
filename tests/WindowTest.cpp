// The real windows on the offscreen platform: start-up, a whole game by mouse, pause, panel place.
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MainWindow.h"

using namespace vexlar;

namespace {

QString AssetDir() { return QCoreApplication::applicationDirPath(); }

// Waits until the game window's first activation has built the board.
bool WaitForBoard(VEXLAR* w) {
  return QTest::qWaitFor([w] { return w->game().S.BoardBuilt != 0 && !w->game().Building; }, 5000);
}

// Clicks the centre of a board element the way a player does: press and release on it.
void ClickAt(QWidget* board, const QRect& r) {
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, r.center());
}

// Accepts the modal result box as soon as it appears and keeps its text.
struct MessageCatcher {
  QTimer poll;
  QString text;
  int boxes = 0;
  MessageCatcher() {
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text = box->text();
      ++boxes;
      box->button(QMessageBox::Ok)->click();
    });
    poll.start();
  }
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startUpReachesTheIdlePhase();
  void wholeGameThroughTheWidgets();
  void pauseHidesTheBoardAndSwallowsClicks();
  void panelStandsBesideTheSquareBoard();
  void playsWithoutAnyAssets();
  void drawsFromTheTwiceDensityPicturesAtRatioTwo();
};

void WindowTest::startUpReachesTheIdlePhase() {
  VEXLAROS main(nullptr, AssetDir());
  main.resize(1024, 700);
  main.show();
  VEXLAR* w = main.gameWindow();
  QVERIFY(WaitForBoard(w));
  QVERIFY(w->button("CmdStart")->isEnabled());
  QVERIFY(!w->button("CmdPause")->isEnabled());
  QVERIFY(!w->button("CmdFinish")->isEnabled());
  QCOMPARE(w->text("TxtGridSize")->text(), QString("14"));
  QCOMPARE(w->text("TxtQues")->text(), QString("4"));
  QCOMPARE(w->text("TxtScore")->text(), QString("000000"));
  // The board built for the largest side waits under the cover for the first Start.
  QVERIFY(w->cover()->isVisible());
  QVERIFY(!w->resumeLabel()->isVisible());
  QVERIFY(!w->text("TxtGridSize")->isEnabled());
  QTest::mouseClick(w->button("CmdStart"), Qt::LeftButton);
  QVERIFY(!w->cover()->isVisible());
  // The 14-side board: 56 edge buttons and 196 cells can be hit; nothing of the 25-side rest.
  int buttons = 0, images = 0;
  for (int i = 0; i < ButtonCapacity; ++i) buttons += !w->board()->ButtonRect(i).isEmpty();
  for (int b = 0; b < ImageCapacity; ++b) images += !w->board()->ImageRect(b).isEmpty();
  QCOMPARE(buttons, 56);
  QCOMPARE(images, 196);
  // The panel lies right of the board, inside the window.
  int boardRight = 0;
  for (int b = 0; b < ImageCapacity; ++b)
    boardRight = std::max(boardRight, w->board()->ImageRect(b).right());
  QVERIFY(w->control("CtrlBoxBack")->x() > boardRight);
  QVERIFY(w->control("CtrlBoxBack")->geometry().right() < w->width());
}

void WindowTest::wholeGameThroughTheWidgets() {
  VEXLAROS main(nullptr, AssetDir());
  main.resize(1024, 700);
  main.show();
  VEXLAR* w = main.gameWindow();
  QVERIFY(WaitForBoard(w));
  Game& g = w->game();
  // Down to the smallest board with the bar, then Start.
  static_cast<QScrollBar*>(w->control("VScroll1"))->setValue(8);
  QCOMPARE(w->text("TxtGridSize")->text(), QString("8"));
  QTest::mouseClick(w->button("CmdStart"), Qt::LeftButton);
  QCOMPARE(g.S.GridSize, std::int16_t{8});
  QVERIFY(w->button("CmdFinish")->isEnabled());
  QVERIFY(!w->button("CmdStart")->isEnabled());

  // A probe from the first visible edge button gets number 1 on its button.
  int first = -1;
  for (int i = 0; i < ButtonCapacity && first < 0; ++i)
    if (!w->board()->ButtonRect(i).isEmpty()) first = i;
  QVERIFY(first > 0);
  ClickAt(w->board(), w->board()->ButtonRect(first));
  QCOMPARE(g.S.ProbeCount, std::int16_t{1});
  QCOMPARE(g.Board.Buttons[first].Caption, std::string("1"));
  QVERIFY(g.Board.Buttons[first].BackColour != ColourUntouched);

  // Mark two cells that hold ques and one that does not.
  std::vector<int> queImages, emptyImages;
  for (std::int16_t r = 1; r <= g.S.GridSize; ++r)
    for (std::int16_t c = 1; c <= g.S.GridSize; ++c) {
      const CellRec& cell = g.S.Cells[g.S.Pos(r, c)];
      (cell.Que ? queImages : emptyImages).push_back(cell.Box);
    }
  QCOMPARE(int(queImages.size()), 4);
  for (int b : {queImages[0], queImages[1], emptyImages[0]})
    ClickAt(w->board(), w->board()->ImageRect(b));
  QCOMPARE(w->text("TxtMarks")->text(), QString("3"));
  QCOMPARE(g.Board.Images[queImages[0]].Strip, Clip::Mark);

  // Finished: the reveal runs on and the box tells the result.
  MessageCatcher catcher;
  QSignalSpy shown(w, &VEXLAR::MessageShown);
  QTest::mouseClick(w->button("CmdFinish"), Qt::LeftButton);
  QVERIFY(QTest::qWaitFor([&] { return catcher.boxes == 1; }, 5000));
  QCOMPARE(catcher.text, QString("You hit 2 of 4 with 1 probes."));
  QCOMPARE(shown.count(), 1);
  QVERIFY(QTest::qWaitFor([&] { return g.S.RevealDone != 0; }, 5000));
  QCOMPARE(g.Board.Images[emptyImages[0]].Strip, Clip::Wrong);
  QCOMPARE(g.Board.Images[queImages[2]].Strip, Clip::Glow);
  QVERIFY(w->button("CmdStart")->isEnabled());
  QVERIFY(!w->button("CmdFinish")->isEnabled());
  QCOMPARE(w->text("TxtScore2")->text().toStdString(), g.Panel.TxtScore2);
  QVERIFY(w->text("TxtScore2")->text() != QString("000000"));
}

void WindowTest::pauseHidesTheBoardAndSwallowsClicks() {
  VEXLAROS main(nullptr, AssetDir());
  main.resize(1024, 700);
  main.show();
  VEXLAR* w = main.gameWindow();
  QVERIFY(WaitForBoard(w));
  QTest::mouseClick(w->button("CmdStart"), Qt::LeftButton);
  QTest::mouseClick(w->button("CmdPause"), Qt::LeftButton);
  QCOMPARE(w->button("CmdPause")->text(), QString("Resume"));
  QVERIFY(w->cover()->isVisible());
  QVERIFY(w->resumeLabel()->isVisible());
  QCOMPARE(w->resumeLabel()->text(), QString("Cick Resume to continue"));
  // Every cell and edge button lies under the cover.
  const QRect cover = w->cover()->geometry();
  for (int b = 0; b < ImageCapacity; ++b) {
    const QRect r = w->board()->ImageRect(b);
    if (!r.isEmpty()) QVERIFY(cover.contains(r));
  }
  // A click where a cell lies reaches the cover, not the board.
  const QRect cell = w->board()->ImageRect(20);
  QWidget* under = w->childAt(cell.center());
  QVERIFY(under == w->cover() || under == w->resumeLabel());
  QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(w, cell.center()));
  QCOMPARE(w->game().S.MarkCount, std::int16_t{0});
  const std::string bonus = w->game().Panel.TxtScore;
  QTest::qWait(200);
  QCOMPARE(w->game().Panel.TxtScore, bonus);  // the clock stands while paused

  QTest::mouseClick(w->button("CmdPause"), Qt::LeftButton);
  QVERIFY(!w->cover()->isVisible());
  QCOMPARE(w->button("CmdPause")->text(), QString("Pause"));
  ClickAt(w->board(), cell);
  QCOMPARE(w->game().S.MarkCount, std::int16_t{1});
}

void WindowTest::panelStandsBesideTheSquareBoard() {
  // A window 490 pixels (7350 twips) high puts the panel's left edge at 7280 twips.
  VEXLAR w(nullptr, AssetDir());
  w.resize(800, 490);
  w.show();
  // The height counted is the frame's; the first activation has not run yet.
  w.resize(800, 490 - (w.frameGeometry().height() - w.height()));
  QCOMPARE(w.frameGeometry().height(), 490);
  QVERIFY(WaitForBoard(&w));
  QCOMPARE(w.control("CtrlBoxBack")->x(), qRound(7280 / 15.0));
  QCOMPARE(w.control("TxtScore")->x(), qRound(7415 / 15.0));
  QCOMPARE(w.control("VScroll1")->x(), qRound(8435 / 15.0));
  QCOMPARE(w.control("CmdStart")->x(), qRound(7370 / 15.0));
  QCOMPARE(w.control("CmdStart")->y(), 2445 / 15);  // vertical places keep their design
}

void WindowTest::playsWithoutAnyAssets() {
  QTemporaryDir empty;
  VEXLAROS main(nullptr, empty.path());
  main.resize(900, 600);
  main.show();
  VEXLAR* w = main.gameWindow();
  QVERIFY(WaitForBoard(w));
  QTest::mouseClick(w->button("CmdStart"), Qt::LeftButton);
  Game& g = w->game();
  int first = -1;
  for (int i = 0; i < ButtonCapacity && first < 0; ++i)
    if (!w->board()->ButtonRect(i).isEmpty()) first = i;
  ClickAt(w->board(), w->board()->ButtonRect(first));
  ClickAt(w->board(), w->board()->ImageRect(g.S.Cells[g.S.Pos(3, 3)].Box));
  QCOMPARE(g.S.ProbeCount, std::int16_t{1});
  QCOMPARE(g.S.MarkCount, std::int16_t{1});
  // The plain stand-in pictures still paint: a marked cell differs from an unmarked one.
  const QImage shot = w->board()->grab().toImage();
  const QPoint marked = w->board()->ImageRect(g.S.Cells[g.S.Pos(3, 3)].Box).center();
  const QPoint plain = w->board()->ImageRect(g.S.Cells[g.S.Pos(5, 5)].Box).center();
  QVERIFY(shot.pixelColor(marked) != shot.pixelColor(plain));
  MessageCatcher catcher;
  QTest::mouseClick(w->button("CmdFinish"), Qt::LeftButton);
  QVERIFY(QTest::qWaitFor([&] { return catcher.boxes == 1; }, 5000));
  QVERIFY(catcher.text.endsWith("with 1 probes."));
}

void WindowTest::drawsFromTheTwiceDensityPicturesAtRatioTwo() {
  VEXLAROS main(nullptr, AssetDir());
  main.resize(1024, 700);
  main.show();
  VEXLAR* w = main.gameWindow();
  QVERIFY(WaitForBoard(w));
  static_cast<QScrollBar*>(w->control("VScroll1"))->setValue(8);
  QTest::mouseClick(w->button("CmdStart"), Qt::LeftButton);
  Game& g = w->game();
  const int mark = g.S.Cells[g.S.Pos(8, 8)].Box, piece = g.S.Cells[g.S.Pos(8, 7)].Box;
  ClickAt(w->board(), w->board()->ImageRect(mark));
  QImage shot(w->board()->size() * 2, QImage::Format_RGB32);
  shot.setDevicePixelRatio(2);
  w->board()->render(&shot);
  shot.setDevicePixelRatio(1);  // compared in device pixels from here on
  // A cell's device pixels inside its border, and a piece of an asset drawn as the board does.
  const auto inner = [](const QImage& img) { return img.copy(img.rect().adjusted(3, 3, -3, -3)); };
  const auto cell = [&](int b) {
    const QRect r = w->board()->ImageRect(b);
    return inner(shot.copy(QRect(r.topLeft() * 2, r.size() * 2)));
  };
  const auto drawn = [&](const char* file, const QRect& source) {
    QImage out(w->board()->ImageRect(mark).size() * 2, QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(out.rect(), QImage(AssetDir() + "/" + file), source);
    p.end();
    return inner(out);
  };
  // The mark shows far more edges (pixels unlike their right-hand neighbour) than its 1x frame
  // stretched over the same device pixels.
  const auto edges = [](const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x + 1 < img.width(); ++x)
        n += std::abs(qGray(img.pixel(x, y)) - qGray(img.pixel(x + 1, y))) > 24;
    return n;
  };
  const int f = g.Board.Images[mark].Frame;
  QVERIFY(edges(cell(mark)) >
          2 * edges(drawn("markball.png", QRect(f % 4 * 50, f / 4 * 50, 50, 50))));
  // Frames keep their 1x rectangles: on a side of 8 the board piece of row 7, column 6 is the
  // 37-pixel square at (222, 259) of the 1x picture, 74 pixels of the 2x one (not 600 / 8).
  QCOMPARE(g.Board.Images[piece].Frame, std::int16_t{62});
  QCOMPARE(cell(piece), drawn("board@2x.png", QRect(444, 518, 74, 74)));
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  WindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "WindowTest.moc"
