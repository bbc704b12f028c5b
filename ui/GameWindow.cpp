#include "GameWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTime>
#include <QWindow>
#include <functional>

#include "BoardAccessible.h"
#include "Fonts.h"
#include "PanelLayout.h"
#include "QuietText.h"
#include "ResultBox.h"
#include "Twips.h"

namespace vexlar {

namespace {

// The longest wait for a window manager to show the window (milliseconds).
constexpr int MaxSettleMs = 3000;

}  // namespace

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
  pal.setColor(QPalette::Window, FromBgr(0x800000));
  setPalette(pal);
  resize(9480 / TwipsPerPixel, 6795 / TwipsPerPixel);
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
  LblResume = ColouredLabel(PbxCover, "Cick Resume to continue", 0x800000, 0xFFFF80,
                            DesignFont("Arial", 24, true), false);
  LblResume->setWordWrap(true);
  LblResume->setGeometry(Pixels({1590, 2445, 3105, 1410}));
  LblResume->hide();
  buildPanel();
  layOut();  // the first build's places, as every resize's
  for (QLineEdit* score : {TxtScore, TxtScore2}) score->installEventFilter(this);
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

  qApp->installEventFilter(this);  // to see where the player puts the focus
  settle_.setSingleShot(true);
  connect(&settle_, &QTimer::timeout, this, &VEXLAR::Activate);
  for (QTimer* t : {&Timer1, &Timer2}) t->setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, [this] { Run(&Game::Timer1Tick); });
  connect(&Timer2, &QTimer::timeout, this, [this] { Run(&Game::Timer2Tick); });
  Run(&Game::LoadWindow);
}

void VEXLAR::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  QTimer::singleShot(0, this, &VEXLAR::RestoreFocus);  // shown again after a restore
  if (game_.S.BoardBuilt || settle_.isActive()) return;
  // The board is measured once the window manager has placed and shown the window.
  const QWindow* top = window()->windowHandle();
  settle_.start(top && top->isExposed() ? 0 : MaxSettleMs);
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
  settle_.stop();
  Run(&Game::BuildBoardOnce, layOut(), 150 / TwipsPerPixel, 150 / TwipsPerPixel);
  // The build's event pump may have seen the window change size.
  Run(&Game::ResizeBoard, layOut());
  if (!lastFocus_) CmdStart->setFocus(Qt::TabFocusReason);  // the keys start on Start
}

void VEXLAR::RestoreFocus() {
  if (lastFocus_ && lastFocus_->isEnabled() && lastFocus_->isVisible() &&
      lastFocus_ != QApplication::focusWidget())
    lastFocus_->setFocus(Qt::OtherFocusReason);
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

bool VEXLAR::eventFilter(QObject* watched, QEvent* e) {
  // The window manager's answer: the window shown where and as large as it placed it.
  if (e->type() == QEvent::Expose && settle_.isActive() && watched == window()->windowHandle() &&
      window()->windowHandle()->isExposed())
    settle_.start(0);
  // Focus the player or the game moved; where it lands while a restore hides this window, or
  // as the window manager activates it, is not kept.
  if (e->type() == QEvent::FocusIn && isVisible() && watched->isWidgetType() &&
      isAncestorOf(static_cast<QWidget*>(watched))) {
    const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
    if (why == Qt::MouseFocusReason || why == Qt::TabFocusReason || why == Qt::BacktabFocusReason ||
        why == Qt::ShortcutFocusReason)
      lastFocus_ = static_cast<QWidget*>(watched);
  }
  // The score boxes are displays: the focus they get goes on to Start or Finish.
  if (e->type() == QEvent::FocusIn && (watched == TxtScore || watched == TxtScore2)) {
    const FocusTarget t = game_.ScoreBoxFocus();
    if (t != FocusTarget::None)
      QTimer::singleShot(0, this, [this, t] {
        (t == FocusTarget::Start ? CmdStart : CmdFinish)->setFocus(Qt::TabFocusReason);
      });
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace vexlar
#include "moc_GameWindow.cpp"
