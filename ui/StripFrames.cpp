#include "StripFrames.h"

#include <QPainter>
#include <QtConcurrent>
#include <algorithm>

namespace vexlar {

StripFrames::StripFrames(QImage one, QImage twice, pictures::StripDrawing draw, PictureNews* news)
    : one_(std::move(one)), twice_(std::move(twice)), draw_(draw), news_(news) {
  QObject::connect(&drawing_, &QFutureWatcherBase::finished, [this] { Drawn(); });
}

StripFrames::~StripFrames() {
  if (stop_) *stop_ = true;  // nobody is left to show it; the program need not wait for it
}

const QImage& StripFrames::Frame(const Rect& frame, QSize size, qreal ratio) {
  // The smallest scale at which the frame has at least the cell's device pixels.
  const int need = std::max({1, (size.width() + frame.Width - 1) / std::max(1, frame.Width),
                             (size.height() + frame.Height - 1) / std::max(1, frame.Height)});
  const auto [source, scale] = Source(need);
  if (size != size_ || ratio != ratio_ || scale != from_) {
    frames_.clear();  // only the frames of the size now drawn are kept
    size_ = size, ratio_ = ratio, from_ = scale;
  }
  QImage& out = frames_[{frame.Left, frame.Top, frame.Width, frame.Height}];
  if (out.isNull()) {
    const QRect from(frame.Left * scale, frame.Top * scale, frame.Width * scale,
                     frame.Height * scale);
    if (from.width() > 2 * size.width()) {  // filtering would skip pixels: average them
      out = source->copy(from).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {  // filtering, many times quicker, where it sees every pixel
      out = QImage(size, QImage::Format_RGB32);
      QPainter p(&out);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(out.rect(), *source, from);
    }
    out.setDevicePixelRatio(ratio);
  }
  return out;
}

std::pair<const QImage*, int> StripFrames::Source(int need) {
  std::pair<const QImage*, int> best{&one_, 1};
  const auto consider = [&](const QImage& img, int scale) {
    if (img.isNull()) return;
    const bool enough = scale >= need, bestEnough = best.second >= need;
    if (enough ? !bestEnough || scale < best.second : !bestEnough && scale > best.second)
      best = {&img, scale};
  };
  consider(twice_, 2);
  consider(drawn_, drawnScale_);
  if (best.second < need && draw_ && drawingScale_ < need) Draw(need);
  return best;
}

void StripFrames::Draw(int scale) {
  if (stop_) *stop_ = true;  // a drawing under way is too small now
  stop_ = std::make_shared<std::atomic<bool>>(false);
  drawingScale_ = scale;
  drawing_.setFuture(
      QtConcurrent::run([draw = draw_, scale, stop = stop_] { return draw(scale, stop.get()); }));
}

void StripFrames::Drawn() {
  const QImage img = drawing_.result();
  if (img.isNull()) return;  // stopped
  drawn_ = img, drawnScale_ = drawingScale_, drawingScale_ = 0;
  stop_.reset();
  emit news_->Sharper();
}

}  // namespace vexlar
#include "moc_StripFrames.cpp"
