// The pictures the cell images show: five strips and the design cell picture.
#pragma once
#include <QImage>
#include <QString>
#include <array>

#include "BoardModel.h"
#include "PictureStrip.h"

namespace vexlar {

struct StripPicture {
  QImage Bitmap;
  PictureStrip Cut;  // rows and columns
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

}  // namespace vexlar
