// The real windows on the offscreen platform: start-up, a whole game by mouse, pause, panel place.
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "GameTestSupport.h"
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

// WCAG contrast of two colours, 1 to 21.
double Contrast(QColor a, QColor b) {
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
double MostContrast(QWidget* w, const QRect& area, QPoint ground) {
  const QImage shot = w->grab().toImage();
  const QColor back = shot.pixelColor(ground);
  double most = 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      most = std::max(most, Contrast(back, shot.pixelColor(x, y)));
  return most;
}

// A double-click as the platform delivers it: press, release, double-click, release.
void DoubleClick(QWidget* w, QPoint at) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
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
  void onlyThePrimaryButtonClicks();
  void everyStateIsLegible();
  void upArrowRaisesTheSettings();
  void drawsFromTheTwiceDensityPicturesAtRatioTwo();
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
  // 464 pixels inside and the frame of a maximized child: 490 pixels (7350 twips) in all put
  // the panel's left edge at 7280 twips.
  VEXLAR w(nullptr, AssetDir());
  w.resize(800, 464);
  w.show();
  QVERIFY(WaitForBoard(&w));
  QCOMPARE(w.CtrlBoxBack->x(), qRound(7280 / 15.0));
  QCOMPARE(w.TxtScore->x(), qRound(7415 / 15.0));
  QCOMPARE(w.VScroll1->x(), qRound(8435 / 15.0));
  QCOMPARE(w.CmdStart->x(), qRound(7370 / 15.0));
  QCOMPARE(w.CmdStart->y(), 2445 / 15);  // vertical places keep their design
  QVERIFY(w.CtrlBoxBack->x() > w.PbxCover->geometry().right() + 2);  // a gap beside the board
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

void WindowTest::onlyThePrimaryButtonClicks() {
  test::Recorder sound;
  VEXLAR w(&sound, AssetDir());
  w.resize(900, 600);
  w.show();
  QVERIFY(WaitForBoard(&w));
  QTest::mouseClick(w.CmdStart, Qt::LeftButton);
  Game& g = w.game();
  test::PutQues(g, {"", "", "", "", "", "", "", "....QQQQ"});  // column 2 runs straight through
  const QRect edge = w.Board->ButtonRect(test::Edge(g.S, test::Side::Top, 2));
  const QRect cell = w.Board->ImageRect(g.S.Cells[g.S.Pos(3, 3)].Box);
  for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(w.Board, other, Qt::NoModifier, edge.center());
    QTest::mouseClick(w.Board, other, Qt::NoModifier, cell.center());
  }
  QCOMPARE(g.S.ProbeCount, std::int16_t{0});
  QCOMPARE(g.S.MarkCount, std::int16_t{0});
  // A double-click on an edge button is two clicks: the probe, then a press and click that
  // flash its pair and paint it back.
  sound.Log.clear();
  DoubleClick(w.Board, edge.center());
  QCOMPARE(g.S.ProbeCount, std::int16_t{1});
  QVERIFY(std::count(sound.Log.begin(), sound.Log.end(), "play flash") == 2);
  const auto colour = [&] {
    return g.Board.Buttons[test::Edge(g.S, test::Side::Top, 2)].BackColour;
  };
  QCOMPARE(colour(), ColourPair);
  // Any button presses: the pair lights up, and only the primary button's release clicks.
  QTest::mousePress(w.Board, Qt::RightButton, Qt::NoModifier, edge.center());
  QTest::mouseRelease(w.Board, Qt::RightButton, Qt::NoModifier, edge.center());
  QCOMPARE(colour(), ColourHighlight);
  QTest::mouseClick(w.Board, Qt::LeftButton, Qt::NoModifier, edge.center());
  QCOMPARE(colour(), ColourPair);
  // A double-click on a cell marks it once and leaves the mark.
  DoubleClick(w.Board, cell.center());
  QCOMPARE(g.S.MarkCount, std::int16_t{1});
}

void WindowTest::everyStateIsLegible() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  // The ticks of the check boxes, enabled and locked by a game; the disabled number boxes.
  QCheckBox* demo = w->Check(&PanelView::ChkDemo);
  QTest::mouseClick(demo, Qt::LeftButton);
  const QRect box(4, (demo->height() - 11) / 2 + 1, 9, 9);  // inside the box, ground at its corner
  QVERIFY(MostContrast(demo, box, box.topLeft()) >= 4.5);
  for (QLineEdit* number : {w->TxtGridSize, w->TxtMarks}) {
    const QRect inside = number->rect().adjusted(3, 3, -3, -3);
    QVERIFY(MostContrast(number, inside, inside.topLeft()) >= 4.5);
  }
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  QVERIFY(!demo->isEnabled());
  QVERIFY(MostContrast(demo, box, box.topLeft()) >= 4.5);
  // A caption on every colour an edge button can show; teal is the darkest ground.
  Game& g = w->game();
  const std::int16_t i = test::Edge(g.S, test::Side::Left, 3);
  const QRect r = w->Board->ButtonRect(i);
  for (std::int32_t c :
       {ColourUntouched, ColourAbsorbed, ColourReflected, ColourPair, ColourHighlight}) {
    g.Board.SetCaption(i, "88");
    g.Board.SetColour(i, c);
    w->Sync(true);
    const double most =
        MostContrast(w->Board, r.adjusted(3, 3, -3, -3), r.topLeft() + QPoint(3, 3));
    QVERIFY2(most >= (c == ColourUntouched ? 4.39 : 4.5), qPrintable(QString::number(most)));
  }
}

void WindowTest::upArrowRaisesTheSettings() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  QScrollBar* bar = w->VScroll1;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 3));
  QCOMPARE(w->TxtGridSize->text(), QString("15"));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                    QPoint(bar->width() / 2, bar->height() - 3));
  QCOMPARE(w->TxtGridSize->text(), QString("14"));
}

void WindowTest::drawsFromTheTwiceDensityPicturesAtRatioTwo() {
  Shown shown({1024, 700});
  VEXLAR* w = shown.W;
  QVERIFY(WaitForBoard(w));
  w->VScroll1->setValue(8);
  QTest::mouseClick(w->CmdStart, Qt::LeftButton);
  Game& g = w->game();
  const int mark = g.S.Cells[g.S.Pos(8, 8)].Box, piece = g.S.Cells[g.S.Pos(8, 7)].Box;
  ClickAt(w->Board, w->Board->ImageRect(mark));
  QImage shot(w->Board->size() * 2, QImage::Format_RGB32);
  shot.setDevicePixelRatio(2);
  w->Board->render(&shot);
  shot.setDevicePixelRatio(1);  // compared in device pixels from here on
  // A cell's device pixels inside its border, and a piece of an asset drawn as the board does.
  const auto inner = [](const QImage& img) { return img.copy(img.rect().adjusted(3, 3, -3, -3)); };
  const auto cell = [&](int b) {
    const QRect r = w->Board->ImageRect(b);
    return inner(shot.copy(QRect(r.topLeft() * 2, r.size() * 2)));
  };
  const auto drawn = [&](const char* file, const QRect& source) {
    QImage out(w->Board->ImageRect(mark).size() * 2, QImage::Format_RGB32);
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
