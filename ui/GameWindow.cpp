#include "GameWindow.h"

#include <QApplication>
#include <QTime>
#include <functional>

#include "BoardAccessible.h"
#include "ColouredLabel.h"
#include "Colours.h"
#include "Fonts.h"
#include "PanelLayout.h"
#include "QuietText.h"
#include "ResultBox.h"
#include "Twips.h"

namespace vexlar {

template <typename Handler, typename... Args>
void VEXLAR::Run(Handler handler, Args... args) {
  if (sender() != &Timer1 && sender() != &Timer2) Board->LetGo();  // the player acts: a hold ends
  std::invoke(handler, game_, args...);
  Sync();
}

VEXLAR::VEXLAR(SoundPort* sound, const QString& assetDir, QWidget* parent)
    : QWidget(parent), game_(sound, this), pictures_(Pictures::Load(assetDir)) {
  setWindowTitle("VEXLAR");
  setAccessibleName("VEXLAR");  // it holds the keys until the board is built
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(bgr::Navy));
  setPalette(pal);
  resize(Pixels(9480, 6795));
  game_.TimeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0f; };

  InstallBoardAccessibility();
  Board = new BoardWidget(game_.Board, pictures_, this);
  connect(Board, &BoardWidget::EdgePressed, this,
          [this](int i) { Run(&Game::EdgeButtonPress, static_cast<std::int16_t>(i)); });
  connect(Board, &BoardWidget::EdgeClicked, this,
          [this](int i) { Run(&Game::EdgeButtonClick, static_cast<std::int16_t>(i)); });
  connect(Board, &BoardWidget::CellClicked, this,
          [this](int b) { Run(&Game::CellClick, static_cast<std::int16_t>(b)); });
  PbxCover = new QWidget(this);
  PbxCover->setAutoFillBackground(true);
  PbxCover->setPalette(pal);
  PbxCover->setAccessibleName("Cover");
  PbxCover->hide();
  LblResume = ColouredLabel(PbxCover, "Cick Resume to continue", bgr::LightCyan,
                            DesignFont("Arial", 24, true), Qt::AlignCenter, bgr::Navy);
  LblResume->setWordWrap(true);
  LblResume->setGeometry(Pixels({1590, 2445, 3105, 1410}));
  LblResume->hide();
  buildPanel();
  layOut();  // the first build's places, as every resize's
  // The score boxes are displays: the focus they get goes on to Start or Finish.
  focus_.PassOn({TxtScore, TxtScore2}, [this]() -> QWidget* {
    const FocusTarget t = game_.ScoreBoxFocus();
    return t == FocusTarget::None ? nullptr : t == FocusTarget::Start ? CmdStart : CmdFinish;
  });
  TellChangesOncePerSecond(TxtScore);  // the clock rewrites it on every tick
  connect(CmdStart, &QPushButton::clicked, this, [this] { Run(&Game::StartGame); });
  connect(CmdPause, &QPushButton::clicked, this, [this] { Run(&Game::PauseClick); });
  connect(CmdFinish, &QPushButton::clicked, this, [this] { Run(&Game::FinishClick); });
  connect(VScroll1, &QScrollBar::valueChanged, this,
          [this](int v) { Run(&Game::SetVScroll1, static_cast<std::int16_t>(v)); });
  connect(VScroll2, &QScrollBar::valueChanged, this,
          [this](int v) { Run(&Game::SetVScroll2, static_cast<std::int16_t>(v)); });
  for (const OptionBox& o : OptionBoxes) {
    const OptionRow& row = *o.Row;
    // Every way the box turns reaches the game: a click, a key, an assistive client's toggle;
    // the window's own bringing it up to date does not.
    connect(o.Check, &QCheckBox::toggled, this, [this, &row](bool on) {
      if (!syncing_) Run(&Game::OptionClick, std::cref(row), std::int16_t{on});
    });
  }

  for (QTimer* t : {&Timer1, &Timer2}) t->setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, [this] { Run(&Game::Timer1Tick); });
  connect(&Timer2, &QTimer::timeout, this, [this] { Run(&Game::Timer2Tick); });
  Run(&Game::LoadWindow);
}

void VEXLAR::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  QTimer::singleShot(0, this, &VEXLAR::RestoreFocus);  // shown again after a restore
  // The board is measured once the window manager has placed and shown the window.
  if (!game_.S.BoardBuilt) shown_.Start();
}

void VEXLAR::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  // Once built, the board and the panel follow every size the window takes, in every phase.
  if (game_.S.BoardBuilt) return Run(&Game::ResizeBoard, layOut());
}

std::int32_t VEXLAR::layOut() {
  const WindowLayout layout = LayoutWindow(width(), height());
  placePanel(layout);
  Board->setGeometry(0, 0, CtrlBoxBack->x(), layout.BoardHeight);
  return layout.BoardHeight;
}

void VEXLAR::Activate() {
  if (game_.S.BoardBuilt) return;
  shown_.Stop();
  Run(&Game::BuildBoardOnce, layOut(), Pixels(150), Pixels(150));
  // The build's event pump may have seen the window change size.
  Run(&Game::ResizeBoard, layOut());
  if (!focus_.Kept()) CmdStart->setFocus(Qt::TabFocusReason);  // the keys start on Start
}

void VEXLAR::ProcessEvents() {
  Sync(true);  // the probe is on screen before its sound
  QApplication::processEvents();
}

void VEXLAR::Sync(bool paintNow) {
  if (syncing_) return;
  syncing_ = true;
  const PanelView& p = game_.Panel;
  QWidget* const focused = focusWidget();
  CmdStart->setEnabled(p.StartEnabled);
  CmdPause->setEnabled(p.PauseEnabled);
  CmdFinish->setEnabled(p.FinishEnabled);
  CmdPause->setText(QString::fromStdString(p.PauseCaption));
  for (const OptionBox& o : OptionBoxes) {
    o.Check->setEnabled(Enabled(p, *o.Row));
    o.Check->setChecked(p.*(o.Row->Value) != 0);
  }
  for (auto [box, text] : {std::pair{TxtGridSize, &p.TxtGridSize},
                           {TxtQues, &p.TxtQues},
                           {TxtMarks, &p.TxtMarks},
                           {TxtScore, &p.TxtScore},
                           {TxtScore2, &p.TxtScore2}}) {
    const QString v = QString::fromStdString(*text);
    if (box->text() != v) box->setText(v);
  }
  for (auto [bar, value] : {std::pair{VScroll1, p.VScroll1}, {VScroll2, p.VScroll2}}) {
    const QSignalBlocker block(bar);
    bar->setValue(value);
  }
  const Rect& c = p.Cover;
  PbxCover->setGeometry(c.Left, c.Top, c.Width, c.Height);
  PbxCover->setVisible(p.CoverVisible);
  if (p.CoverVisible) PbxCover->raise();
  Board->setVisible(!p.CoverVisible);  // out of reach of the keyboard and screen readers too
  LblResume->setVisible(p.ResumeVisible);
  // A game button that disabled itself hands the focus on: Start to the board, Finished to Start.
  if (focused == CmdStart && !CmdStart->isEnabled() && Board->isVisible()) Board->TakeKeys();
  if (focused == CmdFinish && !CmdFinish->isEnabled() &&
      game_.ScoreBoxFocus() == FocusTarget::Start)
    CmdStart->setFocus(Qt::TabFocusReason);
  for (auto [timer, on] : {std::pair{&Timer1, p.Timer1Enabled}, {&Timer2, p.Timer2Enabled}}) {
    if (timer->interval() != p.TimerInterval) timer->setInterval(p.TimerInterval);
    if (on && !timer->isActive()) timer->start();
    if (!on) timer->stop();
  }
  QRegion dirty;
  game_.TakeBoardChanges([&](ElementId e) { dirty += Board->Changed(e); });
  if (!dirty.isEmpty()) paintNow ? Board->repaint(dirty) : Board->update(dirty);
  syncing_ = false;
  if (p.PendingMessage) {
    const QString message = QString::fromStdString(*p.PendingMessage);
    game_.Panel.PendingMessage.reset();
    // Shown from the event loop, so the reveal timer keeps running under the box.
    QTimer::singleShot(0, this, [this, message] {
      ResultBox box(message, this, Board, CtrlBoxBack);
      emit MessageShown(message);
      box.exec();
      RestoreFocus();
    });
  }
}

}  // namespace vexlar
#include "moc_GameWindow.cpp"
