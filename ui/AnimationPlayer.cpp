#include "AnimationPlayer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "Pictures.h"
#include "Types.h"

namespace vexlar {

AnimationPlayer::AnimationPlayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&movie_, &QMovie::frameChanged, this, [this] {
    ++framesThisRun_;
    update();
  });
  // The movie loops however often the file says it should play.
  connect(&movie_, &QMovie::finished, this, [this] {
    if (!valid_) return;
    // A file that ends before its first frame would restart for ever: it counts as broken.
    if (framesThisRun_ == 0) return Refuse(movie_.fileName(), "no frame could be read");
    framesThisRun_ = 0;
    // Restarted from the event loop, not from inside the movie's own finishing.
    QMetaObject::invokeMethod(&movie_, &QMovie::start, Qt::QueuedConnection);
  });
}

void AnimationPlayer::Refuse(const QString& path, const QString& why) {
  valid_ = false;
  movie_.stop();
  Complain("cannot play the animation " + path.toStdString(), "showing black", why.toStdString());
  update();
}

void AnimationPlayer::SetMovie(const QString& path) {
  movie_.stop();
  // On a dense screen the movie with twice the pixels, where it is there; the 1x one otherwise.
  const QString twice = TwiceName(path);
  const bool dense = devicePixelRatioF() > 1 && QFileInfo::exists(twice) &&
                     QImageReader(twice).size() == 2 * QImageReader(path).size();
  movie_.setFileName(dense ? twice : path);
  movie_.setCacheMode(QMovie::CacheAll);
  valid_ = movie_.isValid();
  if (!valid_)
    return Refuse(path, QFileInfo::exists(path) ? movie_.lastErrorString() : "no such file");
  update();
}

void AnimationPlayer::Play() {
  if (!valid_) return;
  movie_.stop();  // a stopped movie starts again from its first frame
  framesThisRun_ = 0;
  movie_.start();
}

void AnimationPlayer::Stop() { movie_.stop(); }

void AnimationPlayer::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!valid_) return;
  const QImage frame = movie_.currentImage();
  if (frame.isNull()) return;
  // The whole movie stays visible: scaled to fit, centred, bars in black.
  QSize size = frame.size().scaled(this->size(), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), size);
  target.moveCenter(rect().center());
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, frame);
}

}  // namespace vexlar
#include "moc_AnimationPlayer.cpp"
