#include "AboutWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <iterator>

#include "Fonts.h"
#include "Instructions.h"
#include "PanelLayout.h"
#include "Pictures.h"
#include "Twips.h"

namespace vexlar {

namespace {

// A transparent label in its design place; sized labels shrink to their text around their anchor.
QLabel* Text(QWidget* parent, const QString& caption, QRect place, const QFont& font,
             const QColor& colour, Qt::Alignment align, bool sized) {
  auto* l = new QLabel(caption, parent);
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

}  // namespace

frmSplash::frmSplash(const QString& assetDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), assetDir_(assetDir) {
  setModal(true);
  setAutoFillBackground(true);
  setStyleSheet("frmSplash{background:black;}");
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setFixedSize(7380 / TwipsPerPixel, 4245 / TwipsPerPixel);

  Frame1 = new QFrame(this);
  Frame1->setGeometry(Pixels({105, 60, 7170, 4035}));
  Frame1->setFrameShape(QFrame::Box);
  Frame1->setStyleSheet(".QFrame{background:black;border:1px solid #808080;}");  // not its labels

  ShockwaveFlash1 = new AnimationPlayer(Frame1);
  ShockwaveFlash1->setGeometry(Pixels({240, 885, 3810, 2865}));
  ShockwaveFlash1->hide();

  const QFont title = DesignFont("Arial Black", 27.75, true);
  // The navy copy lies behind, 75 twips right and 30 down: the title's drop shadow.
  Label2 = Text(Frame1, "VEXLAR", Pixels({4320, 735, 2670, 750}), title, QColor(0, 0, 128),
                Qt::AlignLeft, false);
  Label3 = Text(Frame1, "VEXLAR", Pixels({4245, 705, 2670, 750}), title, QColor(0, 0, 176),
                Qt::AlignLeft, false);
  lblCompanyProduct =
      Text(Frame1, "The VEXLAR Developers", Pixels({255, 195, 6585, 435}),
           DesignFont("Arial", 18, true), QColor(255, 255, 0), Qt::AlignHCenter, true);
  lblPlatform = Text(Frame1, "Win9x/NT/2000", Pixels({4605, 2340, 2250, 360}),
                     DesignFont("Arial", 15.75, true), QColor(192, 255, 192), Qt::AlignRight, true);
  Image1 = new QLabel(Frame1);
  Image1->setGeometry(Pixels({4605, 2775, 480, 480}));
  Image1->setPixmap(GameIcon(assetDir).pixmap(QSize(32, 32), Image1->devicePixelRatio()));
  Image1->setScaledContents(true);
  lblVersion = Text(Frame1, "Beta Program", Pixels({5280, 2715, 1575, 285}),
                    DesignFont("Arial", 12, true), QColor(255, 0, 0), Qt::AlignRight, true);
  const QFont small = DesignFont("Arial", 8.25, false);
  lblText1 = Text(Frame1, "Find the ques", Pixels({4500, 3075, 2415, 255}), small,
                  QColor(224, 224, 224), Qt::AlignRight, false);
  lblText2 = Text(Frame1, "Made with Qt", Pixels({5460, 3270, 1455, 255}), small,
                  QColor(224, 224, 224), Qt::AlignRight, false);
  lblWarning = Text(Frame1, "$5.00 Donation Requested", Pixels({4620, 3495, 2295, 195}), small,
                    Qt::white, Qt::AlignRight, false);
  Label1 = Text(Frame1, "How to play: instructions.html", Pixels({3930, 3720, 2985, 195}), small,
                QColor(255, 255, 192), Qt::AlignRight, false);
  Command1 = new QPushButton("Close About", Frame1);
  Command1->setGeometry(Pixels({4275, 1560, 2550, 585}));
  Command1->setFont(DesignFont("MS Sans Serif", 8.25, false));
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
