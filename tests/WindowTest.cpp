// The game window offscreen: the panel, the phases, legibility, the mouse, the board's pictures.
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>

#include "Paint.h"
#include "Pictures.h"
#include "ResultBox.h"
#include "Twips.h"
#include "WindowSupport.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

// A cell painted afresh at a device pixel ratio, border left out; no other picture is asked for.
QImage Rendered(QWidget* board, const QRect& cell, qreal ratio) {
  QImage out(cell.size() * ratio, QImage::Format_RGB32);
  out.setDevicePixelRatio(ratio);
  board->render(&out, QPoint(), QRegion(cell));
  out.setDevicePixelRatio(1);
  return out.copy(out.rect().adjusted(3, 3, -3, -3));
}

// A 1x frame as a cell of size device pixels shows it, from a picture drawn at scale; no border.
QImage AsShown(const QImage& drawn, int scale, const QRect& frame, QSize size) {
  QImage out(size, QImage::Format_RGB32);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(out.rect(), drawn, QRect(frame.topLeft() * scale, frame.size() * scale));
  p.end();
  return out.copy(out.rect().adjusted(3, 3, -3, -3));
}

// The 1x rectangle of the frame that the image of the cell at (row, col) shows now.
QRect FrameOf(const Game& g, int row, int col) {
  const ImageView& v = g.Board.Images[ImageAt(g.S, row, col)];
  return ToQRect(FileOf(v.Strip).Cut().Frame(v.Frame));
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Where the panel stands, what each phase enables, shows and runs, and that all of it reads.
  void controlsShowEachPhaseLegibly() {
    Shown s;
    VEXLAR* w = s.W;
    QCheckBox* demo = w->Check(&PanelView::ChkDemo);
    const auto state = [&] {
      QString s;
      for (bool on : {w->CmdStart->isEnabled(), w->CmdPause->isEnabled(), w->CmdFinish->isEnabled(),
                      demo->isEnabled(), w->Check(&PanelView::ChkAudio)->isEnabled(),
                      w->Timer1.isActive(), w->Timer2.isActive(), w->PbxCover->isVisible(),
                      w->LblResume->isVisible(), w->Board->isVisible()})
        s += on ? '1' : '0';
      return s + " " + w->CmdPause->text();
    };
    QCOMPARE(state(), QString("1001100100 Pause"));  // idle: the board waits under the cover
    // At twice the design size and at it: each caption's ground as its row says, the text on it
    // legible and clear of the control it names by a pixel a scale; Start and its font grown.
    int startFont = 0;
    for (auto [size, band] : {std::pair{QSize(1400, 955), 2}, {QSize(800, 464), 1}}) {
      s.Main.resize(s.Main.size() - w->size() + size);
      QTRY_COMPARE(w->size(), size);
      QTRY_COMPARE(w->CmdStart->height(), 27 * band);
      QVERIFY(QFontInfo(w->CmdStart->font()).pixelSize() * 2 / band >= startFont);
      startFont = QFontInfo(w->CmdStart->font()).pixelSize();
      const QImage shot = OnScreen(w);
      const QPoint border = w->CtrlBoxBack->pos() + QPoint(band - 1, band - 1);  // a pixel a scale
      QCOMPARE(shot.pixelColor(border), FromBgr(w->PanelParts.front().Row->Fore));
      for (const PanelPart& p : w->PanelParts) {
        auto* caption = qobject_cast<QLabel*>(p.Widget);
        if (!caption || p.Row->Back < 0) continue;
        QImage ground(shot.size(), shot.format());
        ground.fill(FromBgr(p.Row->Back));
        const QRect r = caption->geometry(), box = caption->buddy()->geometry();
        QCOMPARE(shot.pixelColor(r.topLeft() + QPoint(band, band)), ground.pixelColor(0, 0));
        QVERIFY(std::ranges::max(Contrasts(
                    shot, ground, caption->contentsRect().translated(r.topLeft()))) >= 4.5);
        const QRect clear = box.top() - r.top() > box.left() - r.left()
                                ? QRect(box.left(), box.top() - band, box.width(), band)
                                : QRect(box.left() - band, box.top(), band, box.height());
        QVERIFY2(std::ranges::max(Contrasts(shot, ground, clear)) == 1, p.Row->Caption);
      }
    }
    // 464 pixels inside and a maximized child's frame, 7350 twips, put the panel at 7280 twips.
    QCOMPARE(w->CtrlBoxBack->x(), qRound(7280 / 15.0));
    QCOMPARE(w->VScroll1->x(), qRound(8435 / 15.0));
    QCOMPARE(w->CmdStart->pos(), QPoint(qRound(7370 / 15.0), 2445 / 15));
    QVERIFY(w->CtrlBoxBack->x() > w->PbxCover->geometry().right() + 2);  // a gap beside the board
    // The ticks of the check boxes, enabled and locked by a game; the disabled number boxes.
    Click(demo, QPoint(demo->width() - 1, 1));  // all of it clicks: else no tick to measure
    const QRect box(4, (demo->height() - 11) / 2 + 1, 9,
                    9);  // inside the box, ground at its corner
    for (QWidget* c : QList<QWidget*>{demo, w->TxtGridSize, w->TxtMarks}) {
      const QRect inside = c == demo ? box : c->rect().adjusted(3, 3, -3, -3);
      QVERIFY(MostContrast(c, inside, inside.topLeft()) >= 4.5);
    }
    s.Start();
    QCOMPARE(state(), QString("0110110001 Pause"));                 // mute is never locked
    QCOMPARE(w->Timer1.interval(), w->game().Panel.TimerInterval);  // the clock at the game's pace
    // Tab goes down the panel stop by stop, and back to the board; Shift+Tab the other way.
    w->Board->setFocus();
    QList<QWidget*> down{w->Board}, up{w->Board};
    while (down.size() < 10 && (down.size() == 1 || down.back() != w->Board)) {
      Key(Qt::Key_Tab);
      down << QApplication::focusWidget();
    }
    QCOMPARE(down.size(), 7);  // Finished, Pause, the bars and Audio Mute: the rest wait
    for (int i = 2; i + 1 < down.size(); ++i) QVERIFY(down[i]->y() > down[i - 1]->y());
    while (up.size() < down.size())
      Key(Qt::Key_Tab, Qt::ShiftModifier), up.prepend(QApplication::focusWidget());
    QCOMPARE(up, down);
    QVERIFY(MostContrast(demo, box, box.topLeft()) >= 4.5);
    // A caption on every colour an edge button can show; teal is the darkest ground.
    const std::int16_t i = Edge(s.G.S, Side::Left, 3);
    const QRect r = s.EdgeRect(Side::Left, 3);
    for (std::int32_t c :
         {ColourUntouched, ColourAbsorbed, ColourReflected, ColourPair, ColourHighlight}) {
      s.G.Board.SetCaption(i, "88");
      s.G.Board.SetColour(i, c);
      w->Sync(true);
      const double most =
          MostContrast(w->Board, r.adjusted(3, 3, -3, -3), r.center() - QPoint(0, r.height() / 3));
      QVERIFY2(most >= (c == ColourUntouched ? 4.39 : 4.5), qPrintable(QString::number(most)));
    }
    Click(w->CmdPause);  // the clock stands: its timer is off
    QCOMPARE(state(), QString("0100100110 Resume"));
    QCOMPARE(w->LblResume->text(), QString("Cick Resume to continue"));
    Click(w->CmdPause);
    QCOMPARE(state(), QString("0110110001 Pause"));
    QCOMPARE(s.Finish().size(), 1);
    QCOMPARE(state(), QString("1001101001 Pause"));
    // No room right of the panel nor below a board as tall as the screen: over the panel's side.
    QCOMPARE(ResultPlace({200, 100}, {0, 0, 560, 560}, {565, 0, 230, 560}, {0, 0, 800, 600}),
             QPoint(567, 229));
    s.Start();  // during the reveal: it stops first
    QCOMPARE(state(), QString("0110110001 Pause"));
  }

  void theBoardAnswersThePrimaryButtonAndDrawsWhatTheGameSays() {
    Recorder sound;
    Shown s({1024, 700}, AssetDir(), &sound);
    BoardWidget* board = s.W->Board;
    s.W->VScroll1->setValue(8);
    s.Start();
    PutQues(s.G, {"........", "....Q...", "..Q.....", "", "", "Q......."});
    // Other buttons click nothing, nor does a press released over another element.
    const QRect top8 = s.EdgeRect(Side::Top, 8), cell = s.CellRect(4, 4);
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
      for (QRect r : {top8, cell}) QTest::mouseClick(board, other, Qt::NoModifier, r.center());
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, top8.center());
    const QImage held = OnScreen(board);  // held down, it looks pressed in: dark above, light below
    QVERIFY(qGray(Pixel(held, top8, 0.5, 0).rgb()) < qGray(Pixel(held, top8, 0.5, 1).rgb()));
    int k = 0;  // released and pressed by turns: over top 7, top 8, a cell, the cell, another
    for (QRect r : {s.EdgeRect(Side::Top, 7), top8, cell, cell, s.CellRect(4, 5)})
      QTest::mouseEvent(QTest::MouseAction(++k % 2), board, Qt::LeftButton, {}, r.center());
    QCOMPARE(s.G.S.ProbeCount + s.G.S.MarkCount, 0);
    // A double-click on an edge button: the probe, then a press and click that flash its pair.
    sound.Log.clear();
    DoubleClick(board, top8.center());
    QCOMPARE(s.G.S.ProbeCount, std::int16_t{1});
    QCOMPARE(std::count(sound.Log.begin(), sound.Log.end(), "play flash"), 2);
    const ButtonView& pair = s.G.Board.Buttons[Edge(s.G.S, Side::Top, 8)];
    QCOMPARE(pair.BackColour, ColourPair);
    // Any button presses: the pair lights up, and only the primary button's release clicks.
    QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, top8.center());
    QCOMPARE(pair.BackColour, ColourHighlight);
    s.ClickBoard(top8);
    QCOMPARE(pair.BackColour, ColourPair);
    const auto tip = [&](QRect r) {  // what hovering tells: only a used button has words to show
      QHelpEvent e(QEvent::ToolTip, r.center(), board->mapToGlobal(r.center()));
      QApplication::sendEvent(board, &e);
      return QToolTip::text();
    };
    QCOMPARE(tip(s.EdgeRect(Side::Top, 7)), QString());
    QCOMPARE(tip(top8), QString("top edge, column 8: probe 1, pair with bottom edge, column 8"));
    // Outcomes told apart without colour: absorbed boxed in, reflected 4 dark corners, pair 2.
    const QRect absorbed = s.EdgeRect(Side::Left, 3), reflected = s.EdgeRect(Side::Left, 5);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, absorbed.center());
    QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, absorbed.center());   // ignored
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, absorbed.center());  // a click
    s.ClickBoard(reflected);
    const QImage shot = OnScreen(board);
    const auto dark = [&](QRect r, double x, double y) {
      return qGray(Pixel(shot, r, x, y).rgb()) < 40;
    };
    for (auto [r, colour, box, corners] : {std::tuple{top8, QColor(48, 192, 255), false, "1010"},
                                           {absorbed, QColor(0, 192, 0), true, "0000"},
                                           {reflected, QColor(255, 0, 0), false, "1111"}}) {
      QCOMPARE(Pixel(shot, r, 0.5, 0.06), colour);
      QCOMPARE(dark(r, 0.1, 0.5) && dark(r, 0.5, 0.1) && dark(r, 0.9, 0.5), box);
      QString seen;
      for (auto [x, y] : {std::pair{0.03, 0.03}, {0.97, 0.03}, {0.97, 0.97}, {0.03, 0.97}})
        seen += dark(r, x, y) ? '1' : '0';
      QCOMPARE(seen, QString(corners));
    }
    // A double-click on a cell marks it once and leaves the mark, which turns on each tick.
    DoubleClick(board, cell.center());
    QCOMPARE(s.G.S.MarkCount, std::int16_t{1});
    const QImage before = OnScreen(board).copy(cell);
    QTRY_VERIFY(OnScreen(board).copy(cell) != before);
    // A pair held by a screen reader over a Start: the click that lets it go fires no probe.
    board->HoldElement({Element::Button, Edge(s.G.S, Side::Top, 8)}), s.G.StartGame();
    s.ClickBoard(cell);
    QCOMPARE(s.G.S.ProbeCount, std::int16_t{0});
    // A smaller board after a larger one: where the larger one's buttons were is navy again.
    QCOMPARE(s.Finish().size(), 1);
    s.W->VScroll1->setValue(25);
    s.Start();
    QCOMPARE(s.Finish().size(), 1);
    s.W->VScroll1->setValue(8);
    s.Start();
    QCOMPARE(Pixel(OnScreen(board), top8.translated(top8.width(), 0)), QColor(0, 0, 128));
  }

  // From their first frame, cells show pictures drawn at their device size, pixel for pixel.
  void cellsShowPicturesDrawnAtTheirDeviceSize_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("at a ratio of 2") << QSize(1024, 700) << 2.0;
    QTest::newRow("104-pixel cells") << QSize(1920, 1080) << 1.0;
  }
  void cellsShowPicturesDrawnAtTheirDeviceSize() {
    QFETCH(QSize, window);
    QFETCH(qreal, ratio);
    Shown s(window);
    s.W->Check(&PanelView::ChkDemo)->click();
    s.W->VScroll1->setValue(8);
    s.Start();
    PutQues(s.G, {"", "", "", "", "", "", "", "Q......."});
    s.ClickBoard(s.EdgeRect(Side::Left, 1));  // a trail
    const QRect mark = s.CellRect(8, 8), piece = s.CellRect(8, 7), trail = s.CellRect(1, 1);
    s.ClickBoard(mark);
    const int side = qRound(mark.width() * ratio);
    // The frame of the picture drawn for cells of that many device pixels, border left out.
    const auto drawn = [&](pictures::StripDrawing draw, int design, const QRect& frame) {
      const QRect from(frame.topLeft() / design * side, QSize(side, side));
      return draw({design, side}, nullptr).copy(from.adjusted(3, 3, -3, -3));
    };
    // Row 8, column 7 is the 1x square 37 px at (222, 259) of the board picture cut 8 x 8.
    QCOMPARE(Rendered(s.W->Board, piece, ratio),
             drawn(pictures::BoardPicture, 37, QRect(222, 259, 37, 37)));
    QCOMPARE(Rendered(s.W->Board, mark, ratio), drawn(pictures::MarkStrip, 50, FrameOf(s.G, 8, 8)));
    // What the player sees at once: the trail sharp, no stand-in while it is drawn.
    const QImage sharp = drawn(pictures::TrailStrip, 31, FrameOf(s.G, 1, 1));
    if (ratio == 1)
      QCOMPARE(
          OnScreen(s.W->Board).copy(trail.adjusted(3, 3, -3, -3)).convertToFormat(sharp.format()),
          sharp);
  }

  void missingOrWrongSizedPicturesAreDrawnPlainly() {
    QTemporaryDir dir;
    QVERIFY(QImage(QSize(10, 10), QImage::Format_RGB32).save(dir.path() + "/markball.png"));
    QVERIFY(QFile::copy(AssetDir() + "/markball@2x.png", dir.path() + "/markball@2x.png"));
    Shown s({900, 600}, dir.path());
    s.Start();
    const QRect marked = s.CellRect(3, 3);
    s.ClickBoard(marked);
    // The stand-in keeps the strip's size and frames: a mark differs from an unmarked cell.
    const QImage shot = OnScreen(s.W->Board);
    QVERIFY(Pixel(shot, marked) != Pixel(shot, s.CellRect(5, 5)));
    // It serves every scale, the real 2x picture beside it notwithstanding: all sizes show alike.
    const QImage plain = Pictures::Load(dir.path()).Of(Clip::Mark).Bitmap;
    QCOMPARE(plain.size(), QSize(200, 150));
    QCOMPARE(Rendered(s.W->Board, marked, 2),
             AsShown(plain, 1, FrameOf(s.G, 3, 3), marked.size() * 2));
  }
};

QTEST_MAIN(WindowTest)

#include "WindowTest.moc"
