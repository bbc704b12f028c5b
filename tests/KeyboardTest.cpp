// A whole game by keys on the real windows (offscreen): tab rounds, focus rings, what is told.
#include <QAccessible>
#include <QAccessibleValueInterface>

#include "GameTestSupport.h"
#include "WindowSupport.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

// The controls that have the focus after each of n presses of Tab (or Shift+Tab).
QList<QWidget*> Tabs(int n, bool back = false) {
  QList<QWidget*> seen;
  while (seen.size() < n) {
    Key(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    seen << QApplication::focusWidget();
  }
  return seen;
}

void Held(Qt::Key key) {  // as X11 repeats it: a press, a repeated release and press, a release
  for (int k = 0; k < 4; ++k) {
    QKeyEvent e(k % 2 ? QEvent::KeyRelease : QEvent::KeyPress, key, {}, {}, k == 1 || k == 2);
    QApplication::sendEvent(QApplication::focusWidget(), &e);
  }
}

// Presses Tab (or Shift+Tab) until w has the focus; false if it never comes.
bool TabTo(QWidget* w, bool back = false) {
  for (int n = 0; n < 16 && QApplication::focusWidget() != w; ++n) Tabs(1, back);
  return QApplication::focusWidget() == w;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT
 private slots:
  void wholeGameByKeysAsAScreenReaderTellsIt() {
    Shown s{QSize()};  // as at start-up: the keys go to Start once the board is built
    VEXLAR* w = s.W;
    Game& game = s.G;
    QCOMPARE(QApplication::focusWidget(), w->CmdStart);
    QCheckBox *audio = w->Check(&PanelView::ChkAudio), *demo = w->Check(&PanelView::ChkDemo),
              *adjacency = w->Check(&PanelView::ChkAdjacency);
    const auto read = [](QWidget* c) { return QAccessible::queryAccessibleInterface(c); };
    QCOMPARE(read(w->VScroll1)->valueInterface()->currentValue().toInt(), 14);
    QCOMPARE(read(w->TxtQues)->text(QAccessible::Value), QString("4"));
    QCOMPARE(read(w)->text(QAccessible::Name), QString("VEXLAR"));  // named before Start has it
    QVERIFY(read(demo)->state().checkable && !read(demo)->state().checked);
    // From Start, where the keys are at launch, down the panel and round both ways.
    QCOMPARE(Tabs(7), (QList<QWidget*>{w->VScroll1, w->VScroll2, audio, demo, adjacency,
                                       w->CmdStart, w->VScroll1}));
    QCOMPARE(Tabs(6, true),
             (QList<QWidget*>{w->CmdStart, adjacency, demo, audio, w->VScroll2, w->VScroll1}));
    QVERIFY(TabTo(audio));  // an option ticks by Return and Enter too
    Key(Qt::Key_Return);
    QVERIFY(game.Panel.ChkAudio && audio->isChecked());
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!game.Panel.ChkAudio);
    QVERIFY(TabTo(w->VScroll1));
    Key(Qt::Key_Up);  // up raises, as the up arrow does
    QCOMPARE(w->TxtGridSize->text(), QString("15"));
    // Page Up raises as Up does; Home is the top of the bar, End the bottom: the smallest board.
    for (auto [k, size] :
         {std::pair{Qt::Key_PageUp, "16"}, {Qt::Key_Home, "25"}, {Qt::Key_End, "8"}}) {
      Key(k);
      QCOMPARE(w->TxtGridSize->text(), QString(size));
    }
    Click(w->TxtScore2);  // a score box hands the focus on
    QTRY_COMPARE(QApplication::focusWidget(), w->CmdStart);
    // Return presses Start; the board takes the keys, a quick second tap only puts its cursor down.
    Key(Qt::Key_Return), Key(Qt::Key_Space);
    const auto at = [&](Side side, int i) {
      return ElementId{Element::Button, Edge(game.S, side, i)};
    };
    QCOMPARE(w->Board->Cursor(), at(Side::Top, 1));
    QCOMPARE(game.S.ProbeCount + game.S.MarkCount + game.S.Paused + !w->Timer1.isActive(), 0);
    PutQues(game, {"", "", "", "", "", "", "", ".....QQQ"});
    QAccessibleInterface* board = read(w->Board);
    QStringList heard;  // what a probe and a mark change is told as it happens
    connect(w->Board, &BoardWidget::Announced, [&](const QString& text) { heard << text; });
    Key(Qt::Key_Space);  // down column 1 and out at its foot
    const QString probe1 = "top edge, column 1: probe 1, pair with bottom edge, column 1";
    QCOMPARE(board->child(0)->text(QAccessible::Name), probe1);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left}) Key(k);
    QCOMPARE(w->Board->Cursor(), at(Side::Left, 3));
    QCOMPARE(board->focusChild()->text(QAccessible::Name), QString("left edge, row 3: not probed"));
    const QRect r = s.EdgeRect(Side::Left, 3);  // its ring: yellow two pixels wide, black inside
    QList<QColor> across;
    for (int x = 0; x < 4; ++x) across << OnScreen(w->Board).pixelColor(r.x() + x, r.center().y());
    QCOMPARE(across, (QList<QColor>{Qt::yellow, Qt::yellow, Qt::black, FromBgr(ColourUntouched)}));
    Key(Qt::Key_Return);  // the second probe, counted in the result
    Key(Qt::Key_Left);    // round to the far end of row 3: the right edge
    QCOMPARE(w->Board->Cursor(), at(Side::Right, 3));
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) Key(k);
    QCOMPARE(w->Board->Cursor(), at(Side::Top, 1));  // past the hidden corner, round again
    // Holding the space bar on a pair end lights the pair; letting go paints it back.
    const auto colour = [&](Side side) { return game.Board.Buttons[at(side, 1).Index].BackColour; };
    QTest::keyPress(w->Board, Qt::Key_Space);
    QCOMPARE(colour(Side::Bottom), ColourHighlight);
    QTest::keyRelease(w->Board, Qt::Key_Space);
    QCOMPARE(colour(Side::Bottom), ColourPair);
    QTest::keyPress(w->Board, Qt::Key_Space), Key(Qt::Key_Down);  // let go on a cell: no click,
    QTest::keyRelease(w->Board, Qt::Key_Space), Key(Qt::Key_Up);  // so the pair stays lit
    QCOMPARE(std::pair(colour(Side::Bottom), int(game.S.MarkCount)), std::pair(ColourHighlight, 0));
    // Held by a screen reader, the pair stays lit for about a second, or up to the next key.
    w->Board->HoldElement(at(Side::Top, 1));
    QCOMPARE(colour(Side::Bottom), ColourHighlight);
    QTRY_COMPARE(colour(Side::Bottom), ColourPair);
    w->Board->HoldElement(at(Side::Top, 1)), Key(Qt::Key_Down);
    QCOMPARE(colour(Side::Bottom), ColourPair);
    Key(Qt::Key_Enter);                         // the keypad's Enter marks
    Held(Qt::Key_Space), Held(Qt::Key_Return);  // a held key clicks once: unmarked, marked again
    QCOMPARE(game.S.MarkCount, std::int16_t{1});
    QVERIFY(heard.contains(probe1));
    QVERIFY(heard.contains("bottom edge, column 1: probe 1, pair with top edge, column 1"));
    QVERIFY(heard.contains("row 1, column 1: marked"));
    // The mark turning with the clock shows nothing new, so the ticks are not told.
    heard.clear();
    const ImageView& mark = game.Board.Images[ImageAt(game.S, 1, 1)];
    const std::int16_t frame = mark.Frame;
    QTRY_VERIFY(mark.Frame != frame);
    QVERIFY2(heard.isEmpty(), qPrintable(heard.join("; ")));
    Click(w->TxtScore);  // during a game a score box hands the focus on to Finished
    QTRY_COMPARE(QApplication::focusWidget(), w->CmdFinish);
    QCOMPARE(Tabs(6), (QList<QWidget*>{w->CmdPause, w->VScroll1, w->VScroll2, audio, w->Board,
                                       w->CmdFinish}));
    for (int n = 0; n < 6; ++n) {  // every stop shows a ring that stands out 3:1 against its ground
      QWidget* c = QApplication::focusWidget();
      const QImage with = c->grab().toImage();
      const QRect area = c == w->Board ? w->Board->RectOf(w->Board->Cursor()) : c->rect();
      Key(Qt::Key_Tab);  // three in four pixels of a full ring stand out
      const std::vector<double> ring = Contrasts(c->grab().toImage(), with, area);
      const auto strong = std::ranges::count_if(ring, [](double v) { return v >= 3; });
      QVERIFY2(strong >= 0.75 * (2 * (area.width() + area.height()) - 4),
               qPrintable(c->accessibleName()));
    }
    QVERIFY(TabTo(w->CmdPause, true));
    Held(Qt::Key_Return);  // the panel's buttons take Return and Enter as Space, once each
    QVERIFY(game.S.Paused);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!game.S.Paused);
    // Finished: the result box is read and closed with the keyboard too.
    QVERIFY(TabTo(w->CmdFinish));
    QCOMPARE(Answer([] { Key(Qt::Key_Return); }), QStringList{"You hit 0 of 3 with 2 probes."});
  }
};

QTEST_MAIN(KeyboardTest)

#include "KeyboardTest.moc"
