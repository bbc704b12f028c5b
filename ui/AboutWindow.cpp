#include "AboutWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <iterator>

#include "ColouredLabel.h"
#include "Colours.h"
#include "Fonts.h"
#include "Instructions.h"
#include "PanelLayout.h"
#include "Pictures.h"
#include "Twips.h"

namespace vexlar {

namespace {

// A label in its place; a sized one shrinks to its text about its anchor.
QLabel* Placed(QLabel* l, QRect place, bool sized) {
  l->setGeometry(place);
  if (!sized) return l;
  QRect r(place.topLeft(), l->sizeHint());
  if (l->alignment() & Qt::AlignRight) r.moveRight(place.right());
  if (l->alignment() & Qt::AlignHCenter) r.moveCenter(QPoint(place.center().x(), r.center().y()));
  l->setGeometry(r);
  return l;
}

}  // namespace

frmSplash::frmSplash(const QString& assetDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), assetDir_(assetDir) {
  setModal(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FromBgr(bgr::Black));
  setPalette(pal);
  setFixedSize(Pixels(7380, 4245));

  Frame1 = new QFrame(this);
  Frame1->setGeometry(Pixels({105, 60, 7170, 4035}));
  Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
  pal.setColor(QPalette::WindowText, FromBgr(bgr::Grey));  // the box's line
  Frame1->setPalette(pal);

  ShockwaveFlash1 = new AnimationPlayer(Frame1);
  ShockwaveFlash1->setGeometry(Pixels({240, 885, 3810, 2865}));
  ShockwaveFlash1->hide();

  const QFont title = DesignFont("Arial Black", 27.75, true),
              small = DesignFont("Arial", 8.25, false);
  const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
  using S = frmSplash;
  const struct {
    QLabel* S::*Member;
    const char* Caption;
    DesignPlace Place;  // twips
    QFont Font;
    std::int32_t Colour;
    Qt::Alignment Align;
    bool Sized;  // shrunk to its text about its anchor
  } texts[] = {
      // clang-format off
      // The navy copy lies behind, 75 twips right and 30 down: the title's drop shadow.
      {&S::Label2, "VEXLAR", {4320, 735, 2670, 750}, title, bgr::Navy, left, false},
      {&S::Label3, "VEXLAR", {4245, 705, 2670, 750}, title, bgr::TitleBlue, left, false},
      {&S::lblCompanyProduct, "The VEXLAR Developers", {255, 195, 6585, 435},
       DesignFont("Arial", 18, true), bgr::Yellow, centre, true},
      {&S::lblPlatform, "Win9x/NT/2000", {4605, 2340, 2250, 360},
       DesignFont("Arial", 15.75, true), bgr::Mint, right, true},
      {&S::lblVersion, "Beta Program", {5280, 2715, 1575, 285},
       DesignFont("Arial", 12, true), bgr::Red, right, true},
      {&S::lblText1, "Find the ques", {4500, 3075, 2415, 255}, small, bgr::Silver, right, false},
      {&S::lblText2, "Made with Qt", {5460, 3270, 1455, 255}, small, bgr::Silver, right, false},
      {&S::lblWarning, "$5.00 Donation Requested", {4620, 3495, 2295, 195}, small, bgr::White,
       right, false},
      {&S::Label1, "How to play: instructions.html", {3930, 3720, 2985, 195}, small, bgr::Cream,
       right, false},
      // clang-format on
  };
  for (const auto& t : texts)
    this->*t.Member =
        Placed(ColouredLabel(Frame1, t.Caption, t.Colour, t.Font, t.Align | Qt::AlignVCenter),
               Pixels(t.Place), t.Sized);
  Image1 = new QLabel(Frame1);
  Image1->setGeometry(Pixels({4605, 2775, 480, 480}));
  Image1->setPixmap(GameIcon(assetDir).pixmap(QSize(32, 32), Image1->devicePixelRatio()));
  Image1->setScaledContents(true);
  Command1 = new QPushButton("Close About", Frame1);
  Command1->setGeometry(Pixels({4275, 1560, 2550, 585}));
  Command1->setFont(DesignFont("MS Sans Serif", 8.25, false));
  // The desktop's button: every colour its own, so the window's black goes no further.
  QPalette desktop = QApplication::palette(Command1);
  desktop.setResolveMask(~QPalette::ResolveMask{});
  Command1->setPalette(desktop);
  connect(Command1, &QPushButton::clicked, this, &frmSplash::Close);

  // Every control reports its clicks and keys here, whichever of them has the focus.
  Frame1->installEventFilter(this);
  for (QWidget* w : Frame1->findChildren<QWidget*>()) w->installEventFilter(this);
}

void frmSplash::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  if (activated_) return;
  activated_ = true;
  ShockwaveFlash1->SetMovie(assetDir_ + "/about.gif");
  ShockwaveFlash1->show();
  ShockwaveFlash1->Play();
}

void frmSplash::Close() {
  ShockwaveFlash1->Stop();
  ShockwaveFlash1->hide();
  accept();
}

void frmSplash::clicked(QObject* control) {
  if (control == Label1) {
    // Opened beside the main window, which outlives this one.
    OpenInstructions(parentWidget() ? parentWidget() : this, assetDir_);
    Close();
    return;
  }
  // The title, its shadow and the animation close nothing; the button closes through its click.
  const QObject* closing[] = {Frame1,     Image1,     lblCompanyProduct, lblPlatform,
                              lblVersion, lblWarning, lblText1,          lblText2};
  if (std::find(std::begin(closing), std::end(closing), control) != std::end(closing)) Close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* e) {
  const bool button = watched == Command1;
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
#include "moc_AboutWindow.cpp"
