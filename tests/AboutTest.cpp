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

void ClickControl(QWidget* w, QPoint at = {}) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

// The controls whose click closes the window.
QList<QWidget*> Closing(frmSplash& d) {
  return {d.Frame1,     d.Command1,   d.Image1,   d.lblCompanyProduct, d.lblPlatform,
          d.lblVersion, d.lblWarning, d.lblText1, d.lblText2};
}

QMenu* HelpMenu(VEXLAROS& main) {
  for (QAction* menu : main.menuBar()->actions())
    if (menu->text() == "&Help") return menu->menu();
  return nullptr;
}

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QVERIFY(QFile::exists(AssetDir() + "/about.gif"));
  }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

  void opensPlayingAndAKeyClosesIt() {
    frmSplash d(AssetDir());
    d.show();
    QVERIFY(d.ShockwaveFlash1->isVisible());
    QVERIFY(d.ShockwaveFlash1->Playing());
    QVERIFY(d.ShockwaveFlash1->Movie().frameCount() > 1);
    QVERIFY(QTest::qWaitFor([&] { return d.ShockwaveFlash1->FrameNumber() > 1; }, 3000));
    // A lone modifier types nothing and leaves the window open; a letter closes it.
    QTest::keyClick(d.Command1, Qt::Key_Shift);
    QVERIFY(d.isVisible());
    QTest::keyClick(d.Command1, Qt::Key_Q);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.ShockwaveFlash1->Playing());
    QVERIFY(d.ShockwaveFlash1->isHidden());
  }

  void everyOpeningPlaysFromTheFirstFrame() {
    for (int opening = 0; opening < 2; ++opening) {
      frmSplash d(AssetDir());
      d.show();
      QCOMPARE(d.ShockwaveFlash1->FrameNumber(), 0);
      QVERIFY(QTest::qWaitFor([&] { return d.ShockwaveFlash1->FrameNumber() >= 3; }, 3000));
      ClickControl(d.Command1);
      QVERIFY(!d.isVisible());
    }
  }

  void theListedClicksClose() {
    for (qsizetype i = 0, n = 1; i < n; ++i) {  // a fresh window for each control
      frmSplash d(AssetDir());
      d.show();
      const QList<QWidget*> closing = Closing(d);
      n = closing.size();
      QWidget* w = closing[i];
      // The frame's own area: its top left corner, clear of every control.
      ClickControl(w, w == d.Frame1 ? QPoint(3, 3) : QPoint());
      QVERIFY2(!d.isVisible(), qPrintable(QString::number(i)));
    }
    QVERIFY(catcher.opened.isEmpty());
  }

  void theWebLineOpensTheInstructionsThenCloses() {
    frmSplash d(AssetDir());
    d.show();
    ClickControl(d.Label1);
    QVERIFY(!d.isVisible());
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.takeFirst(), QUrl::fromLocalFile(AssetDir() + "/instructions.html"));
  }

  void theTitleAndTheAnimationCloseNothing() {
    frmSplash d(AssetDir());
    d.show();
    ClickControl(d.Label3);
    ClickControl(d.ShockwaveFlash1);
    // The shadow shows only along the title's right edge, below the title label.
    QWidget* shadow = d.Label2;
    ClickControl(d.Label2, QPoint(shadow->width() - 2, shadow->height() - 2));
    // A press on one control and a release on another is no click.
    QTest::mousePress(d.lblVersion, Qt::LeftButton);
    QTest::mouseRelease(d.Label3, Qt::LeftButton);
    QVERIFY(d.isVisible());
    QVERIFY(d.ShockwaveFlash1->Playing());
  }

  void aMissingOrBrokenAnimationLeavesABlackArea() {
    QFile good(AssetDir() + "/about.gif");
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray gif = good.readAll();
    // No file, bytes that are no picture, and a GIF cut off after its first few hundred bytes.
    for (const QByteArray& content : {QByteArray(), QByteArray(400, 'x'), gif.left(300)}) {
      QTemporaryDir dir;
      if (!content.isEmpty()) {
        QFile f(dir.path() + "/about.gif");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
      }
      frmSplash d(dir.path());
      d.show();
      QVERIFY(d.ShockwaveFlash1->isVisible());
      QTest::qWait(200);
      const QImage shot = d.ShockwaveFlash1->grab().toImage();
      QCOMPARE(shot.pixelColor(shot.rect().center()), QColor(Qt::black));
      QCOMPARE(shot.pixelColor(2, 2), QColor(Qt::black));
      QTest::keyClick(&d, Qt::Key_Escape);
      QVERIFY(!d.isVisible());
    }
  }

  void helpMenuOpensTheInstructionsAndTheAboutWindow() {
    VEXLAROS main(nullptr, AssetDir());
    main.show();
    QMenu* help = HelpMenu(main);
    QVERIFY(help);
    const auto items = help->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QString("&Instructions"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), QString("&About"));
    QAction* instructions = items[0];
    QAction* about = items[2];

    instructions->trigger();
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.takeFirst().fileName(), QString("instructions.html"));

    // The about window is modal: seen from inside its own loop, then closed by a key.
    QString seen;
    QTimer::singleShot(50, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* d = qobject_cast<frmSplash*>(modal)) {
        seen = "frmSplash";
        QTest::keyClick(d, Qt::Key_Space);
      }
    });
    about->trigger();
    QCOMPARE(seen, QString("frmSplash"));
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
