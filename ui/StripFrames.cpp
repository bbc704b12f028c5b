#include "StripFrames.h"

#include <QPainter>
#include <QtConcurrent>
#include <numeric>

#include "Twips.h"

namespace vexlar {

StripFrames::StripFrames(QImage plain, pictures::StripDrawing draw)
    : plain_(std::move(plain)), draw_(draw) {}

StripFrames::~StripFrames() {
  if (stop_) *stop_ = true;  // nobody is left to show it; the program need not wait for it
}

std::optional<pictures::Scale> StripFrames::ScaleOf(const Rect& frame, QSize size) {
  if (frame.Width <= 0 || size.isEmpty() ||
      frame.Width * size.height() != frame.Height * size.width())
    return std::nullopt;
  const int common = std::gcd(frame.Width, size.width());
  return pictures::Scale{frame.Width / common, size.width() / common};
}

StripFrames::Piece StripFrames::Frame(const Rect& frame, QSize size) {
  const std::optional<pictures::Scale> scale = ScaleOf(frame, size);
  if (!draw_ || !scale) return Scaled(frame, size);
  const QRect from(
      QPoint(frame.Left / frame.Width * size.width(), frame.Top / frame.Height * size.height()),
      size);
  if (drawn_.isNull() || drawnScale_ != *scale) {
    drawn_ = QImage();  // gone before the next is drawn: never two at once
    if (drawing_.isValid() && drawingScale_ == *scale) {
      drawn_ = drawing_.result();  // runs it here if no worker has taken it up yet
    } else {
      if (stop_) *stop_ = true;  // a drawing of another size is not wanted any more
      drawn_ = draw_(*scale, nullptr);
    }
    drawnScale_ = *scale;
    drawing_ = {}, stop_.reset();
  }
  return {&drawn_, from};
}

void StripFrames::Prepare(const Rect& frame, QSize size) {
  const std::optional<pictures::Scale> scale = ScaleOf(frame, size);
  if (!draw_ || !scale || (!drawn_.isNull() && drawnScale_ == *scale) ||
      (drawing_.isValid() && drawingScale_ == *scale))
    return;
  if (stop_) *stop_ = true;
  stop_ = std::make_shared<std::atomic<bool>>(false);
  drawingScale_ = *scale;
  drawing_ =
      QtConcurrent::run([draw = draw_, s = *scale, stop = stop_] { return draw(s, stop.get()); });
}

StripFrames::Piece StripFrames::Scaled(const Rect& frame, QSize size) {
  if (size != size_) scaled_.clear(), size_ = size;  // only the frames of one size are kept
  QImage& out = scaled_[{frame.Left, frame.Top, frame.Width, frame.Height}];
  if (out.isNull()) {
    if (plain_.isNull()) plain_ = draw_({1, 1}, nullptr);
    const QImage& source = plain_;
    const QRect from = ToQRect(frame);
    if (from.width() > 2 * size.width()) {  // filtering would skip pixels: average them
      out = source.copy(from).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {  // filtering, many times quicker, where it sees every pixel
      out = QImage(size, QImage::Format_RGB32);
      QPainter p(&out);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(out.rect(), source, from);
    }
  }
  return {&out, out.rect()};
}

}  // namespace vexlar
