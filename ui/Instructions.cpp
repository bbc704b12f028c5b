#include "Instructions.h"

#include <QDialog>
#include <QProcess>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vexlar {

namespace {

// The page in a scrolling window of its own; Escape closes it, as any dialog.
void ShowPage(QWidget* parent, const QString& page) {
  auto* window = new QDialog(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle("VEXLAR - how to play");
  auto* text = new QTextBrowser(window);
  text->setAccessibleName("How to play");
  text->setOpenLinks(false);
  text->setSource(QUrl::fromLocalFile(page));
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text);
  window->resize(640, 480);
  window->show();
  text->setFocus();
}

}  // namespace

void OpenInstructions(QWidget* parent, const QString& assetDir) {
  const QString page = assetDir + "/instructions.html";
  auto* opener = new QProcess(parent);
  // A handler that opens the page keeps going or ends well; no opener, or one that ends in an
  // error, means the desktop has none.
  QObject::connect(opener, &QProcess::finished, parent, [=](int code, QProcess::ExitStatus how) {
    if (code != 0 || how != QProcess::NormalExit) ShowPage(parent, page);
    opener->deleteLater();
  });
  QObject::connect(opener, &QProcess::errorOccurred, parent, [=](QProcess::ProcessError e) {
    if (e != QProcess::FailedToStart) return;
    ShowPage(parent, page);
    opener->deleteLater();
  });
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  opener->start(InstructionsOpener, {page});
}

}  // namespace vexlar
