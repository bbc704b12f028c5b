#include "AboutWindow.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

#include "Fonts.h"
#include "Pictures.h"

namespace vexlar {

namespace {

constexpr int Twips = 15;

QRect Px(int left, int top, int width, int height) {
  return QRect(left / Twips, top / Twips, width / Twips, height / Twips);
}

// A transparent label in its design place; sized labels shrink to their text around their anchor.
QLabel* Text(QWidget* parent, const char* name, const QString& caption, QRect place,
             const QFont& font, const QColor& colour, Qt::Alignment align, bool sized) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  l->setFont(font);
  l->setAlignment(align | Qt::AlignVCenter);
  l->setStyleSheet(QString("color:%1;background:transparent;").arg(colour.name()));
  l->setGeometry(place);
  if (sized) {
    const QSize fit = l->sizeHint();
    QRect r(place.topLeft(), fit);
    if (align & Qt::AlignRight) r.moveRight(place.right());
    if (align & Qt::AlignHCenter) r.moveCenter(QPoint(place.center().x(), r.center().y()));
    l->setGeometry(r);
  }
  return l;
}

// Clicks on these close the window; Label1 first opens the instructions page.
const char* const ClosingControls[] = {
    "Frame1",     "Command1",   "Image1",   "lblCompanyProduct", "lblPlatform",
    "lblVersion", "lblWarning", "lblText1", "lblText2"};

}  // namespace

frmSplash::frmSplash(const QString& assetDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), assetDir_(assetDir) {
  setModal(true);
  setAutoFillBackground(true);
  setStyleSheet("frmSplash{background:black;}");
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setFixedSize(7380 / Twips, 4245 / Twips);

  frame_ = new QFrame(this);
  frame_->setObjectName("Frame1");
  frame_->setGeometry(Px(105, 60, 7170, 4035));
  frame_->setFrameShape(QFrame::Box);
  frame_->setStyleSheet("#Frame1{background:black;border:1px solid #808080;}");

  player_ = new AnimationPlayer(frame_);
  player_->setObjectName("ShockwaveFlash1");
  player_->setGeometry(Px(240, 885, 3810, 2865));
  player_->hide();

  const QFont title = DesignFont("Arial Black", 27.75, true);
  // The navy copy lies behind, 75 twips right and 30 down: the title's drop shadow.
  Text(frame_, "Label2", "VEXLAR", Px(4320, 735, 2670, 750), title, QColor(0, 0, 128),
       Qt::AlignLeft, false);
  Text(frame_, "Label3", "VEXLAR", Px(4245, 705, 2670, 750), title, QColor(0, 0, 176),
       Qt::AlignLeft, false);
  Text(frame_, "lblCompanyProduct", "The VEXLAR Developers", Px(255, 195, 6585, 435),
       DesignFont("Arial", 18, true), QColor(255, 255, 0), Qt::AlignHCenter, true);
  Text(frame_, "lblPlatform", "Win9x/NT/2000", Px(4605, 2340, 2250, 360),
       DesignFont("Arial", 15.75, true), QColor(192, 255, 192), Qt::AlignRight, true);
  auto* icon = new QLabel(frame_);
  icon->setObjectName("Image1");
  icon->setGeometry(Px(4605, 2775, 480, 480));
  icon->setPixmap(GameIcon(assetDir).pixmap(QSize(32, 32), icon->devicePixelRatio()));
  icon->setScaledContents(true);
  Text(frame_, "lblVersion", "Beta Program", Px(5280, 2715, 1575, 285),
       DesignFont("Arial", 12, true), QColor(255, 0, 0), Qt::AlignRight, true);
  const QFont small = DesignFont("Arial", 8.25, false);
  Text(frame_, "lblText1", "Probe the board, find the ques", Px(4500, 3075, 2415, 255), small,
       QColor(224, 224, 224), Qt::AlignRight, false);
  Text(frame_, "lblText2", "Made with Qt", Px(5460, 3270, 1455, 255), small, QColor(224, 224, 224),
       Qt::AlignRight, false);
  Text(frame_, "lblWarning", "$5.00 Donation Requested", Px(4620, 3495, 2295, 195), small,
       Qt::white, Qt::AlignRight, false);
  Text(frame_, "Label1", "How to play: instructions.html", Px(3930, 3720, 2985, 195), small,
       QColor(255, 255, 192), Qt::AlignRight, false);
  auto* close = new QPushButton("Close About", frame_);
  close->setObjectName("Command1");
  close->setGeometry(Px(4275, 1560, 2550, 585));
  close->setFont(DesignFont("MS Sans Serif", 8.25, false));
  connect(close, &QPushButton::clicked, this, &frmSplash::Close);

  // Every control reports its clicks and keys here, whichever of them has the focus.
  frame_->installEventFilter(this);
  for (QWidget* w : frame_->findChildren<QWidget*>()) w->installEventFilter(this);
}

QWidget* frmSplash::control(const QString& name) const {
  if (name == "Frame1") return frame_;
  return frame_->findChild<QWidget*>(name);
}

void frmSplash::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  if (activated_) return;
  activated_ = true;
  player_->SetMovie(assetDir_ + "/about.gif");
  player_->show();
  player_->Play();
}

void frmSplash::Close() {
  player_->Stop();
  player_->hide();
  accept();
}

void frmSplash::clicked(QObject* control) {
  const QString name = control->objectName();
  if (name == "Label1") {
    // Handed to the desktop without waiting; if nothing opens, the window closes all the same.
    QDesktopServices::openUrl(QUrl::fromLocalFile(assetDir_ + "/instructions.html"));
    Close();
    return;
  }
  for (const char* closing : ClosingControls)
    if (name == closing && name != "Command1") {  // the button closes through its own click
      Close();
      return;
    }
}

bool frmSplash::eventFilter(QObject* watched, QEvent* e) {
  const bool button = watched == control("Command1");
  switch (e->type()) {
    case QEvent::MouseButtonPress:
      if (button) break;
      // Taken here so it does not travel on to the frame behind the control.
      if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) pressed_ = watched;
      return true;
    case QEvent::MouseButtonRelease: {
      if (button) break;
      auto* w = static_cast<QWidget*>(watched);
      // A click is a press and a release on the same control.
      const bool click = watched == pressed_ &&
                         w->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint());
      pressed_ = nullptr;
      if (click) clicked(watched);
      return true;
    }
    case QEvent::MouseButtonDblClick:
      return !button;
    case QEvent::KeyPress:
      keyPressEvent(static_cast<QKeyEvent*>(e));
      return true;
    default:
      break;
  }
  return QDialog::eventFilter(watched, e);
}

void frmSplash::keyPressEvent(QKeyEvent* e) {
  // A key that types something closes the window, whichever it is; lone modifiers do not.
  if (!e->text().isEmpty() || e->key() == Qt::Key_Escape) Close();
}

}  // namespace vexlar
