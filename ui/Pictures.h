// The pictures the cell images show: five strips and the design cell picture.
#pragma once
#include <QIcon>
#include <QImage>
#include <QString>
#include <array>

#include "BoardModel.h"
#include "PictureStrip.h"

class QPainter;

namespace vexlar {

struct StripPicture {
  QImage Bitmap;
  QImage Twice;      // the same picture with twice the pixels each way, or none
  PictureStrip Cut;  // rows and columns, always over the 1x bitmap
  // Draws frame (a rectangle of the 1x cut) into target; on a device with more than one pixel
  // per logical pixel it takes the same piece of the picture from the 2x bitmap.
  void Draw(QPainter& p, const QRect& target, const Rect& frame) const;
};

struct Pictures {
  std::array<StripPicture, 7> Strips;  // indexed by Clip; 0 is the cell picture, 1 unused
  // Loads the pictures from dir; a missing or broken file is drawn plainly instead.
  static Pictures Load(const QString& dir);
  const StripPicture& Of(Clip c) const { return Strips[static_cast<int>(c)]; }
};

// File name, rows, columns and bitmap size of each picture, by Clip.
struct PictureFile {
  Clip Strip;
  const char* File;
  std::int16_t Rows, Cols;
  int Width, Height;
};
extern const std::array<PictureFile, 6> PictureFiles;

// The name of a picture's 2x file: "board.png" gives "board@2x.png".
QString TwiceName(const QString& file);

// The window icon at 32 and, where its 2x file is there, 64 pixels; empty without its 1x file.
QIcon GameIcon(const QString& dir);

}  // namespace vexlar
