// The real windows on the offscreen platform: start-up, a whole game by mouse, pause, panel place.
#include <QApplication>
#include <QMessageBox>
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

// The main window shown at a size, as the game starts it, with the game window's board built.
struct Shown {
  VEXLAROS Main;
  VEXLAR* W;
  explicit Shown(QSize size, const QString& dir = AssetDir())
      : Main(nullptr, dir), W(Main.gameWindow()) {
    Main.resize(size);
    Main.show();
  }
};

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
};

void WindowTest::startUpReachesTheIdlePhase() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  QVERIFY(w->CmdStart->isEnabled());
  QVERIFY(!w->CmdPause->isEnabled());
  QVERIFY(!w->CmdFinish->isEnabled());
  QCOMPARE(w->TxtGridSize->text(), QString("14"));
  QCOMPARE(w->TxtQues->text(), QString("4"));
  QCOMPARE(w->TxtScore->text(), QString("000000"));
  // The board built for the largest side waits under the cover for the first Start.
  QVERIFY(w->PbxCover->isVisible());
  QVERIFY(!w->LblResume->isVisible());
  QVERIFY(!w->TxtGridSize->isEnabled());
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  QVERIFY(!w->PbxCover->isVisible());
  // The 14-side board: 56 edge buttons and 196 cells can be hit; nothing of the 25-side rest.
  int buttons = 0, images = 0;
  for (int i = 0; i < ButtonCapacity; ++i) buttons += !w->Board->ButtonRect(i).isEmpty();
  for (int b = 0; b < ImageCapacity; ++b) images += !w->Board->ImageRect(b).isEmpty();
  QCOMPARE(buttons, 56);
  QCOMPARE(images, 196);
  // The panel lies right of the board, inside the window.
  int boardRight = 0;
  for (int b = 0; b < ImageCapacity; ++b)
    boardRight = std::max(boardRight, w->Board->ImageRect(b).right());
  QVERIFY(w->CtrlBoxBack->x() > boardRight);
  QVERIFY(w->CtrlBoxBack->geometry().right() < w->width());
}

void WindowTest::wholeGameThroughTheWidgets() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  Game& g = w->game();
  // Down to the smallest board with the bar, then Start.
  w->VScroll1->setValue(8);
  QCOMPARE(w->TxtGridSize->text(), QString("8"));
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  QCOMPARE(g.S.GridSize, std::int16_t{8});
  QVERIFY(w->CmdFinish->isEnabled());
  QVERIFY(!w->CmdStart->isEnabled());

  // A probe from the first visible edge button gets number 1 on its button.
  int first = -1;
  for (int i = 0; i < ButtonCapacity && first < 0; ++i)
    if (!w->Board->ButtonRect(i).isEmpty()) first = i;
  QVERIFY(first > 0);
  ClickAt(w->Board, w->Board->ButtonRect(first));
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
    ClickAt(w->Board, w->Board->ImageRect(b));
  QCOMPARE(w->TxtMarks->text(), QString("3"));
  QCOMPARE(g.Board.Images[queImages[0]].Strip, Clip::Mark);

  // Finished: the reveal runs on and the box tells the result.
  MessageCatcher catcher;
  QSignalSpy messages(w, &VEXLAR::MessageShown);
  QTest::mouseClick(w->CmdFinish, Qt::LeftButton);
  QVERIFY(QTest::qWaitFor([&] { return catcher.boxes == 1; }, 5000));
  QCOMPARE(catcher.text, QString("You hit 2 of 4 with 1 probes."));
  QCOMPARE(messages.count(), 1);
  QVERIFY(QTest::qWaitFor([&] { return g.S.RevealDone != 0; }, 5000));
  QCOMPARE(g.Board.Images[emptyImages[0]].Strip, Clip::Wrong);
  QCOMPARE(g.Board.Images[queImages[2]].Strip, Clip::Glow);
  QVERIFY(w->CmdStart->isEnabled());
  QVERIFY(!w->CmdFinish->isEnabled());
  QCOMPARE(w->TxtScore2->text().toStdString(), g.Panel.TxtScore2);
  QVERIFY(w->TxtScore2->text() != QString("000000"));
}

void WindowTest::pauseHidesTheBoardAndSwallowsClicks() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  QTest::mouseClick(w->CmdPause, Qt::LeftButton);
  QCOMPARE(w->CmdPause->text(), QString("Resume"));
  QVERIFY(w->PbxCover->isVisible());
  QVERIFY(w->LblResume->isVisible());
  QCOMPARE(w->LblResume->text(), QString("Cick Resume to continue"));
  // Every cell and edge button lies under the cover.
  const QRect cover = w->PbxCover->geometry();
  for (int b = 0; b < ImageCapacity; ++b) {
    const QRect r = w->Board->ImageRect(b);
    if (!r.isEmpty()) QVERIFY(cover.contains(r));
  }
  // A click where a cell lies reaches the cover, not the board.
  const QRect cell = w->Board->ImageRect(20);
  QWidget* under = w->childAt(cell.center());
  QVERIFY(under == w->PbxCover || under == w->LblResume);
  QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(w, cell.center()));
  QCOMPARE(w->game().S.MarkCount, std::int16_t{0});
  const std::string bonus = w->game().Panel.TxtScore;
  QTest::qWait(200);
  QCOMPARE(w->game().Panel.TxtScore, bonus);  // the clock stands while paused

  QTest::mouseClick(w->CmdPause, Qt::LeftButton);
  QVERIFY(!w->PbxCover->isVisible());
  QCOMPARE(w->CmdPause->text(), QString("Pause"));
  ClickAt(w->Board, cell);
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
  QCOMPARE(w.CtrlBoxBack->x(), qRound(7280 / 15.0));
  QCOMPARE(w.TxtScore->x(), qRound(7415 / 15.0));
  QCOMPARE(w.VScroll1->x(), qRound(8435 / 15.0));
  QCOMPARE(w.CmdStart->x(), qRound(7370 / 15.0));
  QCOMPARE(w.CmdStart->y(), 2445 / 15);  // vertical places keep their design
}

void WindowTest::playsWithoutAnyAssets() {
  QTemporaryDir empty;
  Shown shown({900, 600}, empty.path());
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  Game& g = w->game();
  int first = -1;
  for (int i = 0; i < ButtonCapacity && first < 0; ++i)
    if (!w->Board->ButtonRect(i).isEmpty()) first = i;
  ClickAt(w->Board, w->Board->ButtonRect(first));
  ClickAt(w->Board, w->Board->ImageRect(g.S.Cells[g.S.Pos(3, 3)].Box));
  QCOMPARE(g.S.ProbeCount, std::int16_t{1});
  QCOMPARE(g.S.MarkCount, std::int16_t{1});
  // The plain stand-in pictures still paint: a marked cell differs from an unmarked one.
  const QImage shot = w->Board->grab().toImage();
  const QPoint marked = w->Board->ImageRect(g.S.Cells[g.S.Pos(3, 3)].Box).center();
  const QPoint plain = w->Board->ImageRect(g.S.Cells[g.S.Pos(5, 5)].Box).center();
  QVERIFY(shot.pixelColor(marked) != shot.pixelColor(plain));
  MessageCatcher catcher;
  QTest::mouseClick(w->CmdFinish, Qt::LeftButton);
  QVERIFY(QTest::qWaitFor([&] { return catcher.boxes == 1; }, 5000));
  QVERIFY(catcher.text.endsWith("with 1 probes."));
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  WindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "WindowTest.moc"
