// The pictures the cell images show: five strips and the design cell picture.
#pragma once
#include <QIcon>
#include <QImage>
#include <QString>
#include <array>
#include <memory>

#include "BoardModel.h"
#include "PictureStrip.h"
#include "StripFrames.h"

class QPainter;

namespace vexlar {

struct StripPicture {
  QImage Bitmap;     // the stand-in for a broken picture, else null: the game draws its own
  PictureStrip Cut;  // rows and columns, always over the 1x picture
  std::unique_ptr<StripFrames> Frames;
  // Draws frame (a rectangle of the 1x cut) into target from the picture drawn for target's
  // size in the painter's device pixels, pixel for pixel.
  void Draw(QPainter& p, const QRect& target, const Rect& frame) const;
  // Starts on the picture cells of this size need, before any of them shows a frame.
  void Prepare(QSize cell, qreal ratio) const;
};

struct Pictures {
  std::array<StripPicture, 7> Strips;  // indexed by Clip; 0 is the cell picture, 1 unused
  // Loads the pictures from dir; a missing or broken file is drawn plainly instead.
  static Pictures Load(const QString& dir);
  const StripPicture& Of(Clip c) const { return Strips[static_cast<int>(c)]; }
};

// File name, rows, columns, bitmap size and drawing of each picture, by Clip.
struct PictureFile {
  Clip Strip;
  const char* File;
  std::int16_t Rows, Cols;
  int Width, Height;
  pictures::StripDrawing Draw;
  // The frames of the 1x file.
  PictureStrip Cut() const { return {Width, Height, Rows, Cols}; }
};
extern const std::array<PictureFile, 6> PictureFiles;
// The row of PictureFiles for a strip.
const PictureFile& FileOf(Clip c);

// The name of a picture's 2x file: "board.png" gives "board@2x.png".
QString TwiceName(const QString& file);

// The window icon at 32 and, where its 2x file is there, 64 pixels; empty without its 1x file.
QIcon GameIcon(const QString& dir);

}  // namespace vexlar
