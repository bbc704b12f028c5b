// A strip's frames at the size the cells show them, cut and scaled once so that a paint is a
// plain copy, from a picture with at least as many pixels as a cell wherever one can be had.
#pragma once
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <array>
#include <atomic>
#include <map>
#include <memory>

#include "BoardModel.h"
#include "Paint.h"

namespace vexlar {

// Says, on the UI thread, when a sharper picture is ready to draw from.
class PictureNews : public QObject {
  Q_OBJECT
 signals:
  void Sharper();
};

class StripFrames {
 public:
  // one and twice: the strip at scale 1 and 2 (twice may be null); draw: the generator's drawing
  // for larger scales, or null for a stand-in, which then serves every scale from one.
  StripFrames(QImage one, QImage twice, pictures::StripDrawing draw, PictureNews* news);
  ~StripFrames();
  StripFrames(const StripFrames&) = delete;
  StripFrames& operator=(const StripFrames&) = delete;

  // Frame (a rectangle at scale 1) filling size device pixels at the given pixel ratio. Until a
  // picture of the scale it needs is drawn, the best one at hand serves and news tells when.
  const QImage& Frame(const Rect& frame, QSize size, qreal ratio);

 private:
  // The picture with the fewest pixels that still has enough for scale need, else the largest;
  // starts drawing one of scale need when there is none.
  std::pair<const QImage*, int> Source(int need);
  void Draw(int scale);
  void Drawn();

  QImage one_, twice_, drawn_;
  int drawnScale_ = 0;
  pictures::StripDrawing draw_;
  PictureNews* news_;
  QFutureWatcher<QImage> drawing_;
  int drawingScale_ = 0;
  std::shared_ptr<std::atomic<bool>> stop_;  // shared with the drawing, which may outlive this
  // The frames cut so far, all of one size, ratio and source scale.
  QSize size_;
  qreal ratio_ = 0;
  int from_ = 0;
  std::map<std::array<int, 4>, QImage> frames_;
};

}  // namespace vexlar
