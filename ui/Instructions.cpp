#include "Instructions.h"

#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vexlar {

void OpenInstructions(QWidget* parent, const QString& assetDir) {
  // One window for the rules: a second Help raises it instead of stacking another.
  if (auto* shown = parent->findChild<QDialog*>("HowToPlay", Qt::FindDirectChildrenOnly)) {
    shown->raise();
    shown->activateWindow();
    return;
  }
  const QString page = assetDir + "/instructions.html";
  auto* window = new QDialog(parent);
  window->setObjectName("HowToPlay");
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle("VEXLAR - how to play");
  auto* text = new QTextBrowser(window);
  text->setAccessibleName("How to play");
  text->setOpenLinks(false);
  text->setSource(QUrl::fromLocalFile(page));
  auto* browser = new QPushButton("Open in your web browser", window);
  // Handed over without waiting; what the desktop makes of it is not the game's business.
  QObject::connect(browser, &QPushButton::clicked, window,
                   [page] { QProcess::startDetached(InstructionsOpener, {page}); });
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(browser, 0, Qt::AlignRight);
  window->resize(640, 480);
  window->show();
  text->setFocus();
}

}  // namespace vexlar
