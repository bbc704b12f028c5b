// The about window and the Help menu on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "AboutWindow.h"
#include "MainWindow.h"

using namespace vexlar;

// Stands in for the desktop's default handler of file addresses.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

namespace {
QString AssetDir() { return QCoreApplication::applicationDirPath(); }
void Click(QWidget* w, QPoint at = {}) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}
}  // namespace

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QDesktopServices::setUrlHandler("file", &catcher, "open"); }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

  void everyOpeningPlaysFromTheStartAndAKeyClosesIt() {
    for (int opening = 0; opening < 2; ++opening) {
      frmSplash d(AssetDir());
      d.show();
      QVERIFY(d.ShockwaveFlash1->isVisible());
      QCOMPARE(d.ShockwaveFlash1->FrameNumber(), 0);
      QVERIFY(QTest::qWaitFor([&] { return d.ShockwaveFlash1->FrameNumber() >= 3; }, 3000));
      QTest::keyClick(d.Command1, Qt::Key_Shift);  // a lone modifier types nothing
      QVERIFY(d.isVisible());
      QTest::keyClick(d.Command1, Qt::Key_Q);
      QVERIFY(!d.isVisible());
      QVERIFY(!d.ShockwaveFlash1->Playing() && d.ShockwaveFlash1->isHidden());
    }
  }

  void theListedClicksCloseAndTheWebLineOpensTheInstructionsFirst() {
    for (int i = 0;; ++i) {  // a fresh window for each control
      frmSplash d(AssetDir());
      d.show();
      const QList<QWidget*> closing = {
          d.Frame1,     d.Command1,   d.Image1,   d.lblCompanyProduct, d.lblPlatform,
          d.lblVersion, d.lblWarning, d.lblText1, d.lblText2,          d.Label1};
      if (i == closing.size()) break;
      // The frame's own area: its top left corner, clear of every control.
      Click(closing[i], closing[i] == d.Frame1 ? QPoint(3, 3) : QPoint());
      QVERIFY2(!d.isVisible(), qPrintable(QString::number(i)));
      QCOMPARE(catcher.opened.size(), closing[i] == d.Label1 ? 1 : 0);
    }
    QCOMPARE(catcher.opened.takeFirst(), QUrl::fromLocalFile(AssetDir() + "/instructions.html"));
  }

  void theTitleAndTheAnimationCloseNothing() {
    frmSplash d(AssetDir());
    d.show();
    Click(d.Label3);
    Click(d.ShockwaveFlash1);
    // The shadow shows only along the title's right edge, below the title label.
    Click(d.Label2, QPoint(d.Label2->width() - 2, d.Label2->height() - 2));
    // A press on one control and a release on another is no click.
    QTest::mousePress(d.lblVersion, Qt::LeftButton);
    QTest::mouseRelease(d.Label3, Qt::LeftButton);
    QVERIFY(d.isVisible() && d.ShockwaveFlash1->Playing());
  }

  void aMissingOrBrokenAnimationLeavesABlackArea() {
    QFile good(AssetDir() + "/about.gif");
    QVERIFY(good.open(QIODevice::ReadOnly));
    // No file, bytes that are no picture, and a GIF cut off after its first few hundred bytes.
    for (const QByteArray& content :
         {QByteArray(), QByteArray(400, 'x'), good.readAll().left(300)}) {
      QTemporaryDir dir;
      QFile f(dir.path() + "/about.gif");
      if (!content.isEmpty()) QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) > 0);
      f.close();
      frmSplash d(dir.path());
      d.show();
      QTest::qWait(200);
      const QImage shot = d.ShockwaveFlash1->grab().toImage();
      QCOMPARE(shot.pixelColor(shot.rect().center()), QColor(Qt::black));
      QTest::keyClick(&d, Qt::Key_Escape);
      QVERIFY(!d.isVisible());
    }
  }

  void helpMenuOpensTheInstructionsAndTheModalAboutWindow() {
    VEXLAROS main(nullptr, AssetDir());
    main.show();
    const QList<QAction*> items = main.menuBar()->actions().first()->menu()->actions();
    QCOMPARE(main.menuBar()->actions().first()->text(), QString("&Help"));
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QString("&Instructions"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), QString("&About"));
    items[0]->trigger();
    QCOMPARE(catcher.opened.takeFirst().fileName(), QString("instructions.html"));
    // Seen from inside its own loop, then closed by a key.
    bool seen = false;
    QTimer::singleShot(50, [&] {
      if (auto* d = qobject_cast<frmSplash*>(QApplication::activeModalWidget())) {
        seen = true;
        QTest::keyClick(d, Qt::Key_Space);
      }
    });
    items[2]->trigger();
    QVERIFY(seen);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

 private:
  UrlCatcher catcher;
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  AboutTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "AboutTest.moc"
