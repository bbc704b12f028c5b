// Draws every picture of the game: vexlar_make_pictures <asset dir> <about frame dir>.
#include <QDir>
#include <cstdio>
#include <utility>

#include "Paint.h"

namespace {

bool Save(const QImage& img, const QString& path) {
  if (img.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <asset dir> <about frame dir>\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]), frames = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out), QDir().mkpath(frames);
  using namespace pictures;
  const std::pair<const char*, StripDrawing> drawn[] = {
      {"cell", CellPicture},  {"markball", MarkStrip}, {"wrongball", WrongStrip},
      {"queglow", GlowStrip}, {"board", BoardPicture}, {"trail", TrailStrip}};
  bool ok = true;
  // name.png for ordinary screens, name@2x.png with twice the pixels for high-density ones.
  for (const auto& [name, draw] : drawn)
    ok = ok && Save(draw({1, 1}, nullptr), out + "/" + name + ".png") &&
         Save(draw({1, 2}, nullptr), out + "/" + name + "@2x.png");
  ok = ok && Save(Icon(32, true), out + "/vexlar.png") &&
       Save(Icon(64, true), out + "/vexlar@2x.png") &&
       Save(Icon(256, false), out + "/vexlar-256.png");
  // about-NN.png and, for high-density screens, about@2x-NN.png.
  for (int n = 0; ok && n < AboutFrames; ++n)
    for (const char* twice : {"", "@2x"})
      ok = ok && Save(AboutFrame(n, *twice ? 2 : 1),
                      frames + QString("/about%1-%2.png").arg(twice).arg(n, 2, 10, QChar('0')));
  return ok ? 0 : 1;
}
