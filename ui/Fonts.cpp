#include "Fonts.h"

#include <QStringList>
#include <string>

namespace vexlar {

void InstallFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  // Liberation and Nimbus keep the widths the panel's places were designed for.
  const QStringList sans = {"Liberation Sans", "Nimbus Sans", "Arimo", "Helvetica"};
  QFont::insertSubstitutions("MS Sans Serif", sans);
  QFont::insertSubstitutions("Arial", sans);
  QFont::insertSubstitutions("Arial Black", sans);
  QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Nimbus Roman", "Tinos"});
}

QFont DesignFont(const char* family, double points, bool bold) {
  InstallFontSubstitutes();
  QFont f(family);
  f.setPointSizeF(points);
  const std::string name = family;
  f.setWeight(name == "Arial Black" ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
  f.setStyleHint(name == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
  return f;
}

}  // namespace vexlar
