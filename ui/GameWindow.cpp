#include "GameWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QTime>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "BoardAccessible.h"
#include "CheckBox.h"
#include "Describe.h"
#include "FocusRing.h"
#include "Fonts.h"
#include "PanelLayout.h"
#include "QuietText.h"
#include "ResultBox.h"
#include "Twips.h"

namespace vexlar {

namespace {

// The longest wait for a window manager to show the window (milliseconds).
constexpr int MaxSettleMs = 3000;

QString Css(std::int32_t bgr) { return FromBgr(bgr).name(); }

// A label with its colours and font; a negative back colour draws only the text.
QLabel* Label(QWidget* parent, const char* caption, std::int32_t back, std::int32_t fore,
              const QFont& font, bool bordered, Qt::Alignment align = Qt::AlignCenter) {
  auto* l = new QLabel(caption, parent);
  l->setFont(font);
  l->setAlignment(align);
  QString css = QString("color:%1;").arg(Css(fore));
  css += back < 0 ? "background:transparent;" : QString("background:%1;").arg(Css(back));
  if (bordered) css += "border:1px solid black;";
  l->setStyleSheet(css);
  return l;
}

QLineEdit* ScoreBox(QWidget* parent, std::int32_t fore, const char* name) {
  auto* t = new QLineEdit("000000", parent);
  t->setAccessibleName(name);
  // A display: a click gives it the focus, which it passes on; Tab goes past it.
  t->setFocusPolicy(Qt::ClickFocus);
  t->setFont(DesignFont("Times New Roman", 9.75, true));
  t->setAlignment(Qt::AlignCenter);
  t->setReadOnly(true);
  t->setStyleSheet(QString("background:black;color:%1;border:1px solid gray;").arg(Css(fore)));
  return t;
}

// The settings and mark boxes: disabled, so only the bars and the game write them, and still
// legible: dark grey digits on light grey, about 7:1.
QLineEdit* NumberBox(QWidget* parent, const char* name) {
  auto* t = new QLineEdit(parent);
  t->setAccessibleName(name);
  t->setFont(DesignFont("MS Sans Serif", 13.5, true));
  t->setAlignment(Qt::AlignCenter);
  t->setEnabled(false);
  QPalette pal = t->palette();
  pal.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
  t->setPalette(pal);
  return t;
}

// A bar used as a spinner: its thumb runs up as its value rises, and ▲, Up and Page Up raise it.
QScrollBar* Bar(QWidget* parent, int low, int high, const char* name) {
  auto* s = new Ringed<QScrollBar>(Qt::Vertical, parent);
  s->setAccessibleName(name);
  s->setFocusPolicy(Qt::StrongFocus);
  s->setRange(low, high);
  s->setSingleStep(1);
  s->setPageStep(1);
  s->setInvertedAppearance(true);
  // The arrows, keys and menu of a scroll bar move down the page; each move is turned round
  // here, so that up, Page Up, Home and the menu's Top all raise the value.
  QObject::connect(s, &QAbstractSlider::actionTriggered, s, [s](int action) {
    using A = QAbstractSlider::SliderAction;
    switch (action) {
      case A::SliderSingleStepSub:
      case A::SliderPageStepSub:
        return s->setSliderPosition(s->value() + 1);
      case A::SliderSingleStepAdd:
      case A::SliderPageStepAdd:
        return s->setSliderPosition(s->value() - 1);
      case A::SliderToMinimum:
        return s->setSliderPosition(s->maximum());
      case A::SliderToMaximum:
        return s->setSliderPosition(s->minimum());
    }
  });
  return s;
}

}  // namespace

template <typename Handler, typename... Args>
void VEXLAR::Run(Handler handler, Args... args) {
  std::invoke(handler, game_, args...);
  Sync();
}

VEXLAR::VEXLAR(SoundPort* sound, const QString& assetDir, QWidget* parent)
    : QWidget(parent), game_(sound, this), pictures_(Pictures::Load(assetDir)) {
  setWindowTitle("VEXLAR");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(0x800000));
  setPalette(pal);
  resize(9480 / TwipsPerPixel, 6795 / TwipsPerPixel);
  game_.TimeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0f; };

  InstallBoardAccessibility();
  Board = new BoardWidget(game_.Board, pictures_, this);
  Board->Describe = [this](BoardWidget::Spot s) {
    return QString::fromStdString(vexlar::Describe(game_, s.Kind, s.Index));
  };
  Board->Positions = &game_.S;
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
  LblResume = Label(PbxCover, "Cick Resume to continue", 0x800000, 0xFFFF80,
                    DesignFont("Arial", 24, true), false);
  LblResume->setWordWrap(true);
  LblResume->setGeometry(Pixels({1590, 2445, 3105, 1410}));
  LblResume->hide();
  buildPanel();

  qApp->installEventFilter(this);  // to see where the player puts the focus
  settle_.setSingleShot(true);
  connect(&settle_, &QTimer::timeout, this, &VEXLAR::Activate);
  for (QTimer* t : {&Timer1, &Timer2}) t->setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, [this] { Run(&Game::Timer1Tick); });
  connect(&Timer2, &QTimer::timeout, this, [this] { Run(&Game::Timer2Tick); });
  Run(&Game::LoadWindow);
}

void VEXLAR::buildPanel() {
  const QFont bold975 = DesignFont("MS Sans Serif", 9.75, true);
  const QFont bold825 = DesignFont("MS Sans Serif", 8.25, true);
  CtrlBoxBack = new QLabel(this);
  CtrlBoxBack->setStyleSheet(
      QString("background:%1;border:1px solid %2;").arg(Css(0x808000), Css(0xC0C000)));
  const Qt::Alignment top = Qt::AlignHCenter | Qt::AlignTop;
  LblTime = Label(this, "Time Bonus", 0x505000, 0x80FFFF, bold975, true, top);
  LblSkill = Label(this, "Skill Bonus", 0x606000, 0x80FFFF, bold975, true, top);
  TxtScore = ScoreBox(this, 0x00FF00, "Time Bonus");
  TxtScore2 = ScoreBox(this, 0x00FFFF, "Skill Bonus");
  for (QLineEdit* score : {TxtScore, TxtScore2}) score->installEventFilter(this);
  TellChangesOncePerSecond(TxtScore);  // the clock rewrites it on every tick
  for (auto [button, caption] :
       {std::pair{&CmdFinish, "Finished"}, {&CmdPause, "Pause"}, {&CmdStart, "Start"}}) {
    *button = new Ringed<QPushButton>(caption, this);
    (*button)->setFont(bold975);
  }
  connect(CmdStart, &QPushButton::clicked, this, [this] { Run(&Game::StartGame); });
  connect(CmdPause, &QPushButton::clicked, this, [this] { Run(&Game::PauseClick); });
  connect(CmdFinish, &QPushButton::clicked, this, [this] { Run(&Game::FinishClick); });

  LblGrid = Label(this, "", 0x800000, 0x80FF80, bold825, true);
  LblQue = Label(this, "", 0x800000, 0x80FF80, bold825, true);
  LblMark = Label(this, "", 0x000080, 0x0000C0, bold825, true);
  LblGrid1 = Label(this, "Grid", -1, 0xFFFF80, bold825, false);
  LblGrid2 = Label(this, "Size", -1, 0xFFFF80, bold825, false);
  LblQue1 = Label(this, "Queue", -1, 0xFFFF80, bold825, false);
  LblQue2 = Label(this, "Count", -1, 0xFFFF80, bold825, false);
  LblMark1 = Label(this, "Mark", -1, 0xC0C0FF, bold825, false);
  LblMark2 = Label(this, "Count", -1, 0xC0C0FF, bold825, false);
  TxtGridSize = NumberBox(this, "Grid Size");
  TxtQues = NumberBox(this, "Queue Count");
  TxtMarks = NumberBox(this, "Mark Count");
  VScroll1 = Bar(this, MinGridSize, MaxGridSize, "Grid Size");
  VScroll2 = Bar(this, MinQues, MaxQues, "Queue Count");
  connect(VScroll1, &QScrollBar::valueChanged, this,
          [this](int v) { Run(&Game::SetVScroll1, static_cast<std::int16_t>(v)); });
  connect(VScroll2, &QScrollBar::valueChanged, this,
          [this](int v) { Run(&Game::SetVScroll2, static_cast<std::int16_t>(v)); });

  const QFont arial = DesignFont("Arial", 8.25, false);
  for (const OptionRow& row : Options()) {
    QLabel* strip =
        Label(this, row.Caption, row.Back, row.Fore, arial, true, Qt::AlignLeft | Qt::AlignVCenter);
    auto* check = new PanelCheckBox(this);
    check->setAccessibleName(QString(row.Caption).trimmed());
    // Every way the box turns reaches the game: a click, a key, an assistive client's toggle;
    // the window's own bringing it up to date does not.
    connect(check, &QCheckBox::toggled, this, [this, &row](bool on) {
      if (!syncing_) Run(&Game::OptionClick, std::cref(row), std::int16_t{on});
    });
    OptionBoxes.push_back({&row, strip, check});
  }

  // Design places first; the first activation slides the panel beside the board.
  for (const Placed& p : panelPlaces()) p.Control->setGeometry(Pixels(p.Place));

  // The keyboard's round in the order of the tab indexes; the score boxes (5, 13) are left out.
  std::vector<std::pair<int, QWidget*>> tabs = {{2, Board},    {4, VScroll1},   {7, CmdPause},
                                                {8, VScroll2}, {11, CmdFinish}, {12, CmdStart}};
  for (const OptionBox& o : OptionBoxes) tabs.emplace_back(o.Row->Tab, o.Check);
  std::sort(tabs.begin(), tabs.end());
  for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].second, tabs[i].second);
}

std::vector<VEXLAR::Placed> VEXLAR::panelPlaces() const {
  std::vector<Placed> p = {
      {TxtScore, {7425, 510, 1170, 315}},   {TxtScore2, {7425, 1155, 1185, 315}},
      {LblTime, {7350, 255, 1320, 630}},    {LblSkill, {7350, 915, 1335, 615}},
      {CmdFinish, {7380, 1575, 1290, 405}}, {CmdPause, {7380, 2010, 1290, 405}},
      {CmdStart, {7380, 2445, 1290, 405}},  {LblGrid, {7365, 2925, 1320, 600}},
      {LblGrid1, {7440, 3000, 465, 225}},   {LblGrid2, {7455, 3210, 465, 210}},
      {LblQue, {7365, 3555, 1320, 600}},    {LblQue1, {7440, 3630, 555, 225}},
      {LblQue2, {7440, 3855, 510, 225}},    {LblMark, {7365, 4200, 1320, 600}},
      {LblMark1, {7425, 4260, 555, 225}},   {LblMark2, {7440, 4470, 510, 225}},
      {TxtMarks, {8025, 4275, 450, 435}},   {VScroll1, {8445, 3015, 210, 435}},
      {VScroll2, {8430, 3660, 225, 435}},   {TxtGridSize, {7995, 3015, 435, 420}},
      {TxtQues, {8010, 3645, 435, 435}}};
  for (const OptionBox& o : OptionBoxes) {
    p.push_back({o.Strip, o.Row->Strip});
    p.push_back({o.Check, o.Row->Check});
  }
  p.push_back({CtrlBoxBack, CtrlBoxBackPlace});
  return p;
}

QCheckBox* VEXLAR::Check(std::int16_t PanelView::*value) const {
  const OptionRow* row = &OptionFor(value);
  return OptionBoxes[static_cast<std::size_t>(row - Options().data())].Check;
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
  const std::vector<Placed> panel = panelPlaces();
  std::vector<DesignPlace> places;
  for (const Placed& p : panel) places.push_back(p.Place);
  LayoutPanel(places, layout.PanelLeftTwips);
  for (std::size_t i = 0; i < panel.size(); ++i) panel[i].Control->setGeometry(Pixels(places[i]));
  Board->setGeometry(0, 0, CtrlBoxBack->x(), layout.BoardHeight);
  return layout.BoardHeight;
}

void VEXLAR::Activate() {
  if (game_.S.BoardBuilt) return;
  settle_.stop();
  Run(&Game::BuildBoardOnce, layOut(), 150 / TwipsPerPixel, 150 / TwipsPerPixel);
  // The build's event pump may have seen the window change size.
  Run(&Game::ResizeBoard, layOut());
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
  // A game button that disabled itself hands the focus on: Start to the board, so that a second
  // Space fires a probe instead of finishing the game; Finished to Start, as a score box would.
  if (focused == CmdStart && !CmdStart->isEnabled() && Board->isVisible()) Board->FocusFirstEdge();
  if (focused == CmdFinish && !CmdFinish->isEnabled() &&
      game_.ScoreBoxFocus() == FocusTarget::Start)
    CmdStart->setFocus(Qt::TabFocusReason);
  for (auto [timer, on] : {std::pair{&Timer1, p.Timer1Enabled}, {&Timer2, p.Timer2Enabled}}) {
    if (timer->interval() != p.TimerInterval) timer->setInterval(p.TimerInterval);
    if (on && !timer->isActive()) timer->start();
    if (!on) timer->stop();
  }
  QRegion dirty;
  game_.Board.TakeDirty([&](Element kind, int i) { dirty += Board->Changed(kind, i); });
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
