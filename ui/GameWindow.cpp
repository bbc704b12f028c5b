#include "GameWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QTime>

#include "Fonts.h"
#include "PanelLayout.h"

namespace vexlar {

namespace {

QString Css(std::int32_t bgr) { return FromBgr(bgr).name(); }

QRect Pixels(const DesignPlace& d) {
  return QRect(qRound(d.Left / TwipsPerPixel), d.Top / TwipsPerPixel, d.Width / TwipsPerPixel,
               d.Height / TwipsPerPixel);
}

// One strip label (bordered) with its colours and font.
QLabel* Strip(QWidget* parent, const char* caption, std::int32_t back, std::int32_t fore,
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

}  // namespace

VEXLAR::VEXLAR(SoundPort* sound, const QString& assetDir, QWidget* parent)
    : QWidget(parent), game_(sound, this), pictures_(Pictures::Load(assetDir)) {
  setWindowTitle("VEXLAR");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(0x800000));
  setPalette(pal);
  resize(9480 / TwipsPerPixel, 6795 / TwipsPerPixel);
  game_.TimeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0f; };

  board_ = new BoardWidget(game_, pictures_, this);
  connect(board_, &BoardWidget::Changed, this, &VEXLAR::Sync);
  cover_ = new QWidget(this);
  cover_->setAutoFillBackground(true);
  cover_->setPalette(pal);
  cover_->hide();
  resume_ = Strip(cover_, "Cick Resume to continue", 0x800000, 0xFFFF80,
                  DesignFont("Arial", 24, true), false);
  resume_->setWordWrap(true);
  resume_->setGeometry(1590 / TwipsPerPixel, 2445 / TwipsPerPixel, 3105 / TwipsPerPixel,
                       1410 / TwipsPerPixel);
  resume_->hide();
  buildPanel();

  for (QTimer* t : {&timer1_, &timer2_}) t->setTimerType(Qt::PreciseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    game_.Timer1Tick();
    Sync();
  });
  connect(&timer2_, &QTimer::timeout, this, [this] {
    game_.Timer2Tick();
    Sync();
  });
  game_.LoadWindow();
  Sync();
}

void VEXLAR::buildPanel() {
  const QFont bold975 = DesignFont("MS Sans Serif", 9.75, true);
  const QFont bold825 = DesignFont("MS Sans Serif", 8.25, true);
  const QFont big = DesignFont("MS Sans Serif", 13.5, true);
  const QFont arial = DesignFont("Arial", 8.25, false);
  auto& c = controls_;
  auto* back = new QLabel(this);
  back->setStyleSheet(
      QString("background:%1;border:1px solid %2;").arg(Css(0x808000), Css(0xC0C000)));
  c["CtrlBoxBack"] = back;
  c["LblTime"] =
      Strip(this, "Time Bonus", 0x505000, 0x80FFFF, bold975, true, Qt::AlignHCenter | Qt::AlignTop);
  c["LblSkill"] = Strip(this, "Skill Bonus", 0x606000, 0x80FFFF, bold975, true,
                        Qt::AlignHCenter | Qt::AlignTop);
  for (auto [name, fore] : {std::pair{"TxtScore", 0x00FF00}, {"TxtScore2", 0x00FFFF}}) {
    auto* t = new QLineEdit("000000", this);
    t->setFont(DesignFont("Times New Roman", 9.75, true));
    t->setAlignment(Qt::AlignCenter);
    t->setReadOnly(true);
    t->setStyleSheet(QString("background:black;color:%1;border:1px solid gray;").arg(Css(fore)));
    t->installEventFilter(this);
    c[name] = t;
  }
  for (auto [name, caption] :
       {std::pair{"CmdFinish", "Finished"}, {"CmdPause", "Pause"}, {"CmdStart", "Start"}}) {
    auto* b = new QPushButton(caption, this);
    b->setFont(bold975);
    c[name] = b;
  }
  connect(button("CmdStart"), &QPushButton::clicked, this, [this] {
    game_.StartGame();
    Sync();
  });
  connect(button("CmdPause"), &QPushButton::clicked, this, [this] {
    game_.PauseClick();
    Sync();
  });
  connect(button("CmdFinish"), &QPushButton::clicked, this, [this] {
    game_.FinishClick();
    Sync();
  });
  c["LblGrid"] = Strip(this, "", 0x800000, 0x80FF80, bold825, true);
  c["LblQue"] = Strip(this, "", 0x800000, 0x80FF80, bold825, true);
  c["LblMark"] = Strip(this, "", 0x000080, 0x0000C0, bold825, true);
  c["LblGrid1"] = Strip(this, "Grid", -1, 0xFFFF80, bold825, false);
  c["LblGrid2"] = Strip(this, "Size", -1, 0xFFFF80, bold825, false);
  c["LblQue1"] = Strip(this, "Queue", -1, 0xFFFF80, bold825, false);
  c["LblQue2"] = Strip(this, "Count", -1, 0xFFFF80, bold825, false);
  c["LblMark1"] = Strip(this, "Mark", -1, 0xC0C0FF, bold825, false);
  c["LblMark2"] = Strip(this, "Count", -1, 0xC0C0FF, bold825, false);
  for (const char* name : {"TxtGridSize", "TxtQues", "TxtMarks"}) {
    auto* t = new QLineEdit(this);
    t->setFont(big);
    t->setAlignment(Qt::AlignCenter);
    t->setEnabled(false);  // only the bars change them
    c[name] = t;
  }
  for (auto [name, low, high] :
       {std::tuple{"VScroll1", MinGridSize, MaxGridSize}, {"VScroll2", MinQues, MaxQues}}) {
    auto* s = new QScrollBar(Qt::Vertical, this);
    s->setRange(low, high);
    s->setSingleStep(1);
    s->setPageStep(1);
    c[name] = s;
  }
  connect(static_cast<QScrollBar*>(c["VScroll1"]), &QScrollBar::valueChanged, this, [this](int v) {
    game_.SetVScroll1(static_cast<std::int16_t>(v));
    Sync();
  });
  connect(static_cast<QScrollBar*>(c["VScroll2"]), &QScrollBar::valueChanged, this, [this](int v) {
    game_.SetVScroll2(static_cast<std::int16_t>(v));
    Sync();
  });
  c["lblAudio"] =
      Strip(this, " Audio Mute", 0x003000, 0x80FFFF, arial, true, Qt::AlignLeft | Qt::AlignVCenter);
  c["LblDemo"] =
      Strip(this, " Demo Mode", 0x004000, 0x00FFFF, arial, true, Qt::AlignLeft | Qt::AlignVCenter);
  c["LblAdjacent"] =
      Strip(this, " Adjacency", 0x003000, 0x80FF80, arial, true, Qt::AlignLeft | Qt::AlignVCenter);
  for (const char* name : {"chkAudio", "ChkDemo", "ChkAdjacency"}) {
    auto* b = new QCheckBox(this);
    b->setStyleSheet(QString("background:%1;").arg(Css(0x800000)));
    c[name] = b;
  }
  connect(static_cast<QCheckBox*>(c["chkAudio"]), &QCheckBox::clicked, this, [this](bool on) {
    game_.Panel.ChkAudio = on ? 1 : 0;
    game_.AudioMuteClick();
  });
  connect(static_cast<QCheckBox*>(c["ChkDemo"]), &QCheckBox::clicked, this,
          [this](bool on) { game_.Panel.ChkDemo = on ? 1 : 0; });
  connect(static_cast<QCheckBox*>(c["ChkAdjacency"]), &QCheckBox::clicked, this,
          [this](bool on) { game_.Panel.ChkAdjacency = on ? 1 : 0; });

  // Design places first; the first activation slides the panel beside the board.
  for (const DesignPlace& d : DesignPanel()) c.at(d.Name)->setGeometry(Pixels(d));
}

void VEXLAR::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  QTimer::singleShot(0, this, &VEXLAR::Activate);
}

void VEXLAR::Activate() {
  if (game_.S.BoardBuilt) return;
  // The window's height with its frame, in twips, sets the panel's left edge.
  const QWidget* frame = window() == this ? this : parentWidget();
  const int frameHeight = frame ? frame->frameGeometry().height() : height();
  PanelPlaces places = DesignPanel();
  LayoutPanel(places, PanelLeftFor(frameHeight * TwipsPerPixel));
  for (const DesignPlace& d : places) controls_.at(d.Name)->setGeometry(Pixels(d));
  board_->setGeometry(0, 0, controls_.at("CtrlBoxBack")->x(), height());
  game_.BuildBoardOnce(height(), 150 / TwipsPerPixel, 150 / TwipsPerPixel);
  Sync();
}

void VEXLAR::ProcessEvents() {
  Sync();
  board_->repaint(board_->TakeDirty());  // the probe is on screen before its sound
  QApplication::processEvents();
}

void VEXLAR::Sync() {
  if (syncing_) return;
  syncing_ = true;
  const PanelView& p = game_.Panel;
  button("CmdStart")->setEnabled(p.StartEnabled);
  button("CmdPause")->setEnabled(p.PauseEnabled);
  button("CmdFinish")->setEnabled(p.FinishEnabled);
  button("CmdPause")->setText(QString::fromStdString(p.PauseCaption));
  control("ChkAdjacency")->setEnabled(p.AdjacencyEnabled);
  control("ChkDemo")->setEnabled(p.DemoEnabled);
  const std::pair<const char*, const std::string*> texts[] = {{"TxtGridSize", &p.TxtGridSize},
                                                              {"TxtQues", &p.TxtQues},
                                                              {"TxtMarks", &p.TxtMarks},
                                                              {"TxtScore", &p.TxtScore},
                                                              {"TxtScore2", &p.TxtScore2}};
  for (auto [name, value] : texts) {
    const QString v = QString::fromStdString(*value);
    if (text(name)->text() != v) text(name)->setText(v);
  }
  for (auto [name, value] : {std::pair{"VScroll1", p.VScroll1}, {"VScroll2", p.VScroll2}}) {
    auto* s = static_cast<QScrollBar*>(control(name));
    const QSignalBlocker block(s);
    s->setValue(value);
  }
  for (auto [name, value] : {std::pair{"chkAudio", p.ChkAudio},
                             {"ChkDemo", p.ChkDemo},
                             {"ChkAdjacency", p.ChkAdjacency}})
    static_cast<QCheckBox*>(control(name))->setChecked(value != 0);
  const Rect& c = p.Cover;
  cover_->setGeometry(c.Left, c.Top, c.Width, c.Height);
  cover_->setVisible(p.CoverVisible);
  if (p.CoverVisible) cover_->raise();
  resume_->setVisible(p.ResumeVisible);
  for (auto [timer, on] : {std::pair{&timer1_, p.Timer1Enabled}, {&timer2_, p.Timer2Enabled}}) {
    if (timer->interval() != p.TimerInterval) timer->setInterval(p.TimerInterval);
    if (on && !timer->isActive()) timer->start();
    if (!on) timer->stop();
  }
  const QRegion dirty = board_->TakeDirty();
  if (!dirty.isEmpty()) board_->update(dirty);
  syncing_ = false;
  if (p.PendingMessage) {
    const QString message = QString::fromStdString(*p.PendingMessage);
    game_.Panel.PendingMessage.reset();
    // Shown from the event loop, so the reveal timer keeps running under the box.
    QTimer::singleShot(0, this, [this, message] {
      QMessageBox box(QMessageBox::NoIcon, "VEXLAR", message, QMessageBox::Ok, this);
      emit MessageShown(message);
      box.exec();
    });
  }
}

bool VEXLAR::eventFilter(QObject* watched, QEvent* e) {
  // The score boxes are displays: the focus they get goes on to Start or Finish.
  if (e->type() == QEvent::FocusIn &&
      (watched == control("TxtScore") || watched == control("TxtScore2"))) {
    const FocusTarget t = game_.ScoreBoxFocus();
    if (t != FocusTarget::None)
      QTimer::singleShot(0, button(t == FocusTarget::Start ? "CmdStart" : "CmdFinish"),
                         qOverload<>(&QWidget::setFocus));
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace vexlar
