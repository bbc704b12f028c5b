// The game window on the offscreen platform: the phases on the real controls, what the board
// draws and repaints, the mouse, legibility, the pictures and the panel's place. (The bars'
// arrows are clicked for real on the desktop, their keys in the keyboard test.)
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>

#include "GameTestSupport.h"
#include "Paint.h"
#include "Pictures.h"
#include "WindowSupport.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

// What the player sees of the board now: the window's backing store, not a fresh paint.
QImage OnScreen(QWidget* board) {
  QTest::qWait(20);  // lets pending repaints through
  const QPoint at = board->mapTo(board->window(), QPoint());
  return board->screen()
      ->grabWindow(board->window()->winId(), at.x(), at.y(), board->width(), board->height())
      .toImage();
}

// A cell of the board painted afresh at a device pixel ratio, in device pixels; the border left
// out. Only the cell is painted, so no other picture is asked for.
QImage Rendered(QWidget* board, const QRect& cell, qreal ratio) {
  QImage out(cell.size() * ratio, QImage::Format_RGB32);
  out.setDevicePixelRatio(ratio);
  board->render(&out, QPoint(), QRegion(cell));
  out.setDevicePixelRatio(1);
  return out.copy(out.rect().adjusted(3, 3, -3, -3));
}

// A frame (a rectangle of the 1x picture) as a cell of size device pixels should show it: its
// piece of the picture drawn at scale, drawn smoothly into the cell; the border left out.
QImage AsShown(const QImage& drawn, int scale, const QRect& frame, QSize size) {
  QImage out(size, QImage::Format_RGB32);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(out.rect(), drawn, QRect(frame.topLeft() * scale, frame.size() * scale));
  p.end();
  return out.copy(out.rect().adjusted(3, 3, -3, -3));
}

// The 1x rectangle of the frame that image b shows now.
QRect FrameOf(const Game& g, std::int16_t b) {
  const ImageView& v = g.Board.Images[b];
  const Rect r = FileOf(v.Strip).Cut().Frame(v.Frame);
  return {r.Left, r.Top, r.Width, r.Height};
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Start, Pause, Finished enabled, the locked options enabled, clock and reveal running,
  // cover, its label and the board shown; then the pause caption, phase by phase.
  void phasesShowOnTheRealControls() {
    Shown shown;
    VEXLAR* w = shown.W;
    QCheckBox* demo = w->Check(&PanelView::ChkDemo);
    const auto state = [&] {
      QString s;
      for (bool on : {w->CmdStart->isEnabled(), w->CmdPause->isEnabled(), w->CmdFinish->isEnabled(),
                      demo->isEnabled(), w->Timer1.isActive(), w->Timer2.isActive(),
                      w->PbxCover->isVisible(), w->LblResume->isVisible(), w->Board->isVisible()})
        s += on ? '1' : '0';
      return s + " " + w->CmdPause->text();
    };
    QCOMPARE(state(), QString("100100100 Pause"));  // idle: the board waits under the cover
    QVERIFY(w->Check(&PanelView::ChkAudio)->isEnabled());
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    QCOMPARE(state(), QString("011010001 Pause"));
    QVERIFY(w->Check(&PanelView::ChkAudio)->isEnabled());  // mute is never locked
    const QString bonus = w->TxtScore->text();
    QTest::mouseClick(w->CmdPause, Qt::LeftButton);
    QCOMPARE(state(), QString("010000110 Resume"));
    QCOMPARE(w->LblResume->text(), QString("Cick Resume to continue"));
    QTest::qWait(150);
    QCOMPARE(w->TxtScore->text(), bonus);  // the clock stands
    QTest::mouseClick(w->CmdPause, Qt::LeftButton);
    QCOMPARE(state(), QString("011010001 Pause"));
    MessageCatcher catcher;
    QTest::mouseClick(w->CmdFinish, Qt::LeftButton);
    QTRY_COMPARE(catcher.Boxes, 1);
    QCOMPARE(state(), QString("100101001 Pause"));
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);  // during the reveal: it stops first
    QCOMPARE(state(), QString("011010001 Pause"));
  }

  void theBoardDrawsAndRepaintsWhatTheGameSays() {
    Shown shown;
    VEXLAR* w = shown.W;
    Game& g = w->game();
    w->VScroll1->setValue(8);
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    PutQues(g, {"........", "....Q...", "..Q.....", "", "", "Q......."});
    const auto click = [&](QRect r) {
      QTest::mouseClick(w->Board, Qt::LeftButton, Qt::NoModifier, r.center());
    };
    // A press on one edge button and a release on another fires nothing.
    const QRect top8 = w->Board->ButtonRect(Edge(g.S, Side::Top, 8));
    QTest::mousePress(w->Board, Qt::LeftButton, Qt::NoModifier, top8.center());
    QTest::mouseRelease(w->Board, Qt::LeftButton, Qt::NoModifier,
                        w->Board->ButtonRect(Edge(g.S, Side::Top, 7)).center());
    QCOMPARE(g.S.ProbeCount, std::int16_t{0});
    // The outcomes in their colours as the player sees them: pair, absorbed, reflected.
    const QRect absorbed = w->Board->ButtonRect(Edge(g.S, Side::Left, 3));
    const QRect reflected = w->Board->ButtonRect(Edge(g.S, Side::Left, 5));
    for (QRect r : {top8, absorbed, reflected}) click(r);
    QImage shot = OnScreen(w->Board);
    const auto at = [&](QRect r, double x, double y) {
      return shot.pixelColor(r.x() + int(x * (r.width() - 1)), r.y() + int(y * (r.height() - 1)));
    };
    QCOMPARE(at(top8, 0.5, 0.06), QColor(48, 192, 255));
    QCOMPARE(at(absorbed, 0.5, 0.06), QColor(0, 192, 0));
    QCOMPARE(at(reflected, 0.5, 0.06), QColor(255, 0, 0));
    // Told apart without colour too: absorbed is boxed in, reflected has four dark corners, a
    // pair two facing ones.
    const auto dark = [&](QRect r, double x, double y) { return qGray(at(r, x, y).rgb()) < 40; };
    for (auto [r, box, corners] :
         {std::tuple{absorbed, true, "0000"}, {reflected, false, "1111"}, {top8, false, "1010"}}) {
      QCOMPARE(dark(r, 0.1, 0.5) && dark(r, 0.5, 0.1) && dark(r, 0.9, 0.5), box);
      QString seen;
      for (auto [x, y] : {std::pair{0.03, 0.03}, {0.97, 0.03}, {0.97, 0.97}, {0.03, 0.97}})
        seen += dark(r, x, y) ? '1' : '0';
      QCOMPARE(seen, QString(corners));
    }
    // A mark turns on each tick.
    const QRect mark = w->Board->ImageRect(ImageAt(g.S, 4, 4));
    click(mark);
    const QImage before = OnScreen(w->Board).copy(mark);
    QTRY_VERIFY(OnScreen(w->Board).copy(mark) != before);
    // A smaller board after a larger one: where the larger one's buttons were is navy again.
    MessageCatcher catcher;
    QTest::mouseClick(w->CmdFinish, Qt::LeftButton);
    QTRY_COMPARE(catcher.Boxes, 1);
    w->VScroll1->setValue(25);
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    QTest::mouseClick(w->CmdFinish, Qt::LeftButton);
    QTRY_COMPARE(catcher.Boxes, 2);
    w->VScroll1->setValue(8);
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    const QRect corner = w->Board->ButtonRect(Edge(g.S, Side::Top, 8)).translated(top8.width(), 0);
    QCOMPARE(OnScreen(w->Board).pixelColor(corner.center()), QColor(0, 0, 128));
  }

  void onlyThePrimaryButtonClicks() {
    Recorder sound;
    VEXLAR w(&sound, AssetDir());
    w.resize(900, 600);
    w.show();
    QVERIFY(WaitForBoard(&w));
    QTest::mouseClick(w.CmdStart, Qt::LeftButton);
    Game& g = w.game();
    PutQues(g, {"", "", "", "", "", "", "", "....QQQQ"});  // column 2 runs straight through
    const std::int16_t top2 = Edge(g.S, Side::Top, 2);
    const QRect edge = w.Board->ButtonRect(top2);
    const QRect cell = w.Board->ImageRect(ImageAt(g.S, 3, 3));
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
      QTest::mouseClick(w.Board, other, Qt::NoModifier, edge.center());
      QTest::mouseClick(w.Board, other, Qt::NoModifier, cell.center());
    }
    QCOMPARE(g.S.ProbeCount + g.S.MarkCount, 0);
    // A double-click on an edge button is two clicks: the probe, then a press and click that
    // flash its pair and paint it back.
    sound.Log.clear();
    DoubleClick(w.Board, edge.center());
    QCOMPARE(g.S.ProbeCount, std::int16_t{1});
    QCOMPARE(std::count(sound.Log.begin(), sound.Log.end(), "play flash"), 2);
    QCOMPARE(g.Board.Buttons[top2].BackColour, ColourPair);
    // Any button presses: the pair lights up, and only the primary button's release clicks.
    QTest::mouseClick(w.Board, Qt::RightButton, Qt::NoModifier, edge.center());
    QCOMPARE(g.Board.Buttons[top2].BackColour, ColourHighlight);
    QTest::mouseClick(w.Board, Qt::LeftButton, Qt::NoModifier, edge.center());
    QCOMPARE(g.Board.Buttons[top2].BackColour, ColourPair);
    // A double-click on a cell marks it once and leaves the mark.
    DoubleClick(w.Board, cell.center());
    QCOMPARE(g.S.MarkCount, std::int16_t{1});
  }

  void everyStateIsLegible() {
    Shown shown;
    VEXLAR* w = shown.W;
    // The ticks of the check boxes, enabled and locked by a game; the disabled number boxes.
    QCheckBox* demo = w->Check(&PanelView::ChkDemo);
    QTest::mouseClick(demo, Qt::LeftButton, {}, QPoint(demo->width() - 1, 1));  // all of it clicks
    QVERIFY(demo->isChecked());
    const QRect box(4, (demo->height() - 11) / 2 + 1, 9,
                    9);  // inside the box, ground at its corner
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
    const std::int16_t i = Edge(g.S, Side::Left, 3);
    const QRect r = w->Board->ButtonRect(i);
    for (std::int32_t c :
         {ColourUntouched, ColourAbsorbed, ColourReflected, ColourPair, ColourHighlight}) {
      g.Board.SetCaption(i, "88");
      g.Board.SetColour(i, c);
      w->Sync(true);
      const double most =
          MostContrast(w->Board, r.adjusted(3, 3, -3, -3), r.center() - QPoint(0, r.height() / 3));
      QVERIFY2(most >= (c == ColourUntouched ? 4.39 : 4.5), qPrintable(QString::number(most)));
    }
  }

  // Each cell draws from a picture with at least its device pixels, cut by the 1x frames, and
  // a sharper picture drawn at run time shows as soon as it is ready.
  void cellsDrawFromPicturesWithAtLeastTheirDevicePixels() {
    const QImage marks = pictures::MarkStrip(3), trails = pictures::TrailStrip(3);
    for (QSize window : {QSize(1024, 700), QSize(1920, 1080)}) {
      Shown shown(window);
      VEXLAR* w = shown.W;
      w->Check(&PanelView::ChkDemo)->click();
      w->VScroll1->setValue(8);
      QTest::mouseClick(w->CmdStart, Qt::LeftButton);
      Game& g = w->game();
      PutQues(g, {"", "", "", "", "", "", "", "Q......."});
      // A trail at once, while its strip is still being drawn for these cells.
      QTest::mouseClick(w->Board, Qt::LeftButton, Qt::NoModifier,
                        w->Board->ButtonRect(Edge(g.S, Side::Left, 1)).center());
      const std::int16_t at = ImageAt(g.S, 8, 8);
      const QRect mark = w->Board->ImageRect(at);
      QTest::mouseClick(w->Board, Qt::LeftButton, Qt::NoModifier, mark.center());
      const auto shows = [&](qreal ratio, const QImage& drawn, int scale) {
        const QImage shot = Rendered(w->Board, mark, ratio);
        return shot == AsShown(drawn, scale, FrameOf(g, at), mark.size() * ratio);
      };
      // 104-pixel cells, or 66-pixel ones at a ratio of 2: marks drawn at scale 3 (150 pixels).
      const bool big = window.width() > 1024;
      if (!big) {
        // 66-pixel cells: the 2x files' 100-pixel marks and 74-pixel board pieces are enough.
        // The piece of row 8, column 7 is the 37-pixel square at (222, 259) of the 1x picture.
        QVERIFY(shows(1, QImage(AssetDir() + "/markball@2x.png"), 2));
        const QRect piece = w->Board->ImageRect(ImageAt(g.S, 8, 7));
        QCOMPARE(Rendered(w->Board, piece, 1), AsShown(QImage(AssetDir() + "/board@2x.png"), 2,
                                                       QRect(222, 259, 37, 37), piece.size()));
        // The 2x trail's 62-pixel pieces are not: those of scale 3 replace them on screen
        // unasked.
        const QRect trail = w->Board->ImageRect(ImageAt(g.S, 1, 1));
        const QImage sharp = AsShown(trails, 3, FrameOf(g, ImageAt(g.S, 1, 1)), trail.size());
        QTRY_COMPARE_WITH_TIMEOUT(
            OnScreen(w->Board).copy(trail.adjusted(3, 3, -3, -3)).convertToFormat(sharp.format()),
            sharp, 30000);
      }
      QTRY_VERIFY_WITH_TIMEOUT(shows(big ? 1 : 2, marks, 3), 60000);
    }
  }

  void missingOrWrongSizedPicturesAreDrawnPlainly() {
    QTemporaryDir dir;
    QVERIFY(QImage(QSize(10, 10), QImage::Format_RGB32).save(dir.path() + "/markball.png"));
    QVERIFY(QFile::copy(AssetDir() + "/markball@2x.png", dir.path() + "/markball@2x.png"));
    Shown shown({900, 600}, dir.path());
    VEXLAR* w = shown.W;
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    Game& g = w->game();
    const QRect marked = w->Board->ImageRect(ImageAt(g.S, 3, 3));
    QTest::mouseClick(w->Board, Qt::LeftButton, Qt::NoModifier, marked.center());
    QCOMPARE(g.S.MarkCount, std::int16_t{1});
    // The stand-in keeps the strip's size and frames: a mark differs from an unmarked cell.
    const QImage shot = OnScreen(w->Board);
    QVERIFY(shot.pixelColor(marked.center()) !=
            shot.pixelColor(w->Board->ImageRect(ImageAt(g.S, 5, 5)).center()));
    // It serves every scale, the real 2x picture beside it notwithstanding: all sizes show alike.
    const QImage plain = Pictures::Load(dir.path()).Of(Clip::Mark).Bitmap;
    QCOMPARE(plain.size(), QSize(200, 150));
    QCOMPARE(Rendered(w->Board, marked, 2),
             AsShown(plain, 1, FrameOf(g, ImageAt(g.S, 3, 3)), marked.size() * 2));
  }

  void panelStandsBesideTheSquareBoard() {
    // 464 pixels inside and the frame of a maximized child: 490 pixels (7350 twips) in all put
    // the panel's left edge at 7280 twips.
    VEXLAR w(nullptr, AssetDir());
    w.resize(800, 464);
    w.show();
    QVERIFY(WaitForBoard(&w));
    QCOMPARE(w.CtrlBoxBack->x(), qRound(7280 / 15.0));
    QCOMPARE(w.VScroll1->x(), qRound(8435 / 15.0));
    QCOMPARE(w.CmdStart->pos(), QPoint(qRound(7370 / 15.0), 2445 / 15));
    QVERIFY(w.CtrlBoxBack->x() > w.PbxCover->geometry().right() + 2);  // a gap beside the board
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  WindowTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "WindowTest.moc"
