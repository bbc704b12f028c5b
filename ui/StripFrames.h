// A strip's frames at the size the cells show them: one picture drawn at that size, from which a
// paint copies each frame as it stands.
#pragma once
#include <QFuture>
#include <QImage>
#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <optional>

#include "BoardModel.h"
#include "Paint.h"

namespace vexlar {

class StripFrames {
 public:
  // draw: the generator's drawing, or null for a stand-in, plain, which then serves every size.
  StripFrames(QImage plain, pictures::StripDrawing draw);
  ~StripFrames();
  StripFrames(const StripFrames&) = delete;
  StripFrames& operator=(const StripFrames&) = delete;

  // Where frame (a rectangle at scale 1) lies with size device pixels: Picture holds it at From.
  struct Piece {
    const QImage* Picture;
    QRect From;
  };
  // Draws the picture for this size first if it is not at hand, or waits for its drawing.
  Piece Frame(const Rect& frame, QSize size);
  // Starts drawing, on a worker thread, the picture that frames of this size come from.
  void Prepare(const Rect& frame, QSize size);

 private:
  // The scale at which frame has size device pixels; none if the two differ in shape.
  static std::optional<pictures::Scale> ScaleOf(const Rect& frame, QSize size);
  // A frame scaled to size from the picture at scale 1, for a stand-in or a frame of another shape.
  Piece Scaled(const Rect& frame, QSize size);

  QImage plain_;  // the stand-in, or the picture at scale 1 once a frame is scaled from it
  pictures::StripDrawing draw_;
  QImage drawn_;  // the picture last drawn, and its scale
  pictures::Scale drawnScale_;
  QFuture<QImage> drawing_;  // the drawing under way, and its scale
  pictures::Scale drawingScale_;
  std::shared_ptr<std::atomic<bool>> stop_;  // shared with the drawing, which may outlive this
  // Frames scaled so far, all of one size.
  QSize size_;
  std::map<std::array<int, 4>, QImage> scaled_;
};

}  // namespace vexlar
