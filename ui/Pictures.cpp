#include "Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace vexlar {

const std::array<PictureFile, 6> PictureFiles = {{
    {Clip::Cell, "cell.png", 1, 1, 26, 28, pictures::CellPicture},
    {Clip::Mark, "markball.png", 3, 4, 200, 150, pictures::MarkStrip},
    {Clip::Glow, "queglow.png", 4, 3, 153, 204, pictures::GlowStrip},
    {Clip::Board, "board.png", 1, 1, 300, 300, pictures::BoardPicture},
    {Clip::Trail, "trail.png", 6, 4, 124, 186, pictures::TrailStrip},
    {Clip::Wrong, "wrongball.png", 3, 4, 200, 150, pictures::WrongStrip},
}};

namespace {

// A plain stand-in drawn when a picture file is missing, numbered like the real one.
QImage PlainPicture(const PictureFile& f) {
  QImage img(f.Width, f.Height, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const PictureStrip cut = f.Cut();
  if (f.Strip == Clip::Cell) {
    img.fill(QColor(194, 194, 194));
    return img;
  }
  if (f.Strip == Clip::Board) {
    QRadialGradient g(150, 150, 212);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(0.5, QColor(0, 128, 128));
    g.setColorAt(1, QColor(0, 80, 40));
    p.fillRect(img.rect(), g);
    return img;
  }
  img.fill(Qt::black);
  for (std::int16_t n = 0; n < cut.FrameCount(); ++n) {
    const Rect r = cut.Frame(n);
    const QRectF box(r.Left, r.Top, r.Width, r.Height);
    const QPointF c = box.center();
    if (f.Strip == Clip::Mark || f.Strip == Clip::Wrong) {
      if (f.Strip == Clip::Wrong) {
        p.fillRect(box, QColor(200, 0, 0));
        p.setPen(QColor(255, 150, 0));
        p.drawRect(box.adjusted(0.5, 0.5, -1, -1));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 190, 40));
      p.drawEllipse(c, r.Width * 0.4, r.Height * 0.4);
      p.setBrush(QColor(90, 40, 130));
      const double a = n * M_PI / 6;
      p.drawEllipse(QPointF(c.x() + std::cos(a) * r.Width * 0.22, c.y()), r.Width * 0.1,
                    r.Height * 0.25);
    } else if (f.Strip == Clip::Glow) {
      p.fillRect(box, QColor(0, 0, 60));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(150 + n * 9, 200 + n * 4, 255));
      p.drawEllipse(c, 4 + n * 2.0, 4 + n * 2.0);
    } else {
      p.fillRect(box, QColor(20, 40, 110));
      if (n >= 2) {
        p.setPen(QColor(0, 255, 255));
        p.drawText(box, Qt::AlignCenter, QString::number(n));
      }
    }
  }
  return img;
}

}  // namespace

Pictures Pictures::Load(const QString& dir) {
  Pictures out;
  for (const PictureFile& f : PictureFiles) {
    StripPicture& s = out.Strips[static_cast<int>(f.Strip)];
    const QString path = dir + "/" + f.File;
    // Only the file's head is read: the game draws the same pixels itself at every size, the
    // file's own among them, and a picture of another size would cut into frames it does not
    // expect.
    QImageReader file(path);
    const bool readable = file.canRead(),
               fits = readable && file.size() == QSize(f.Width, f.Height);
    if (!fits) {
      const char* why = !QFile::exists(path) ? "no such file"
                        : !readable          ? "not a readable picture"
                                             : "not of the expected size";
      Complain("cannot use the picture " + path.toStdString(), "drawing it plainly", why);
      s.Bitmap = PlainPicture(f);
    }
    s.Cut = f.Cut();
    // A stand-in for a broken picture serves every size, so all sizes show alike.
    s.Frames = std::make_unique<StripFrames>(s.Bitmap, fits ? f.Draw : nullptr);
  }
  return out;
}

void StripPicture::Draw(QPainter& p, const QRect& target, const Rect& frame) const {
  // The device transform, unlike the widget's ratio, also holds for renders into a 2x image.
  const qreal ratio = p.deviceTransform().m11();
  const QSize size = (QSizeF(target.size()) * ratio).toSize();
  const StripFrames::Piece piece = Frames->Frame(frame, size);
  if (ratio == 1)  // a plain copy
    p.drawImage(target.topLeft(), *piece.Picture, piece.From);
  else
    p.drawImage(QRectF(target.topLeft(), QSizeF(size) / ratio), *piece.Picture, piece.From);
}

void StripPicture::Prepare(QSize cell, qreal ratio) const {
  Frames->Prepare(Cut.Frame(0), (QSizeF(cell) * ratio).toSize());
}

const PictureFile& FileOf(Clip c) {
  return *std::find_if(PictureFiles.begin(), PictureFiles.end(),
                       [c](const PictureFile& f) { return f.Strip == c; });
}

QString TwiceName(const QString& file) {
  QString name = file;
  return name.insert(name.lastIndexOf('.'), "@2x");
}

QIcon GameIcon(const QString& dir) {
  const QString file = "vexlar.png";
  const QPixmap one(dir + "/" + file);
  if (one.isNull()) return {};
  QIcon icon(one);
  const QPixmap two(dir + "/" + TwiceName(file));
  if (two.size() == 2 * one.size()) icon.addPixmap(two);
  return icon;
}

}  // namespace vexlar
