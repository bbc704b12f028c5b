// The about window and the Help menu on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "AboutWindow.h"
#include "Instructions.h"
#include "MainWindow.h"

using namespace vexlar;

namespace {
// The game's own window with the instructions page, if one is open.
QTextBrowser* PageShown() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* page = top->findChild<QTextBrowser*>(); page && top->isVisible()) return page;
  return nullptr;
}

QString AssetDir() { return QCoreApplication::applicationDirPath(); }
void Click(QWidget* w, QPoint at = {}) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}
}  // namespace

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  // A desktop handler that opens the page, unless a test says the desktop has none.
  void init() { InstructionsOpener = "true"; }

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
    }
  }

  // Where the desktop has no handler, the game shows the page itself: it scrolls, a screen
  // reader finds it by name, and Escape closes it. From the Help menu and the About window alike.
  void withoutAHandlerThePageShowsInTheGamesOwnWindow() {
    VEXLAROS main(nullptr, AssetDir());
    main.show();
    QAction* instructions = main.menuBar()->actions().first()->menu()->actions().first();
    instructions->trigger();
    QTest::qWait(300);
    QVERIFY(!PageShown());  // the desktop took it
    InstructionsOpener = "false";
    for (int from = 0; from < 2; ++from) {
      if (from == 0) instructions->trigger();
      frmSplash about(AssetDir(), &main);
      if (from == 1) about.show(), Click(about.Label1);
      QTRY_VERIFY(PageShown());
      QTextBrowser* page = PageShown();
      QVERIFY(page->toPlainText().contains("Marks and scoring"));
      QCOMPARE(page->accessibleName(), QString("How to play"));
      page->window()->resize(400, 300);
      QTRY_VERIFY(page->verticalScrollBar()->maximum() > 0);
      QTest::keyClick(page, Qt::Key_Escape);
      QTRY_VERIFY(!PageShown());
    }
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

  void noTextLiesUnderTheIcon() {
    frmSplash d(AssetDir());
    d.show();
    for (QLabel* l : d.Frame1->findChildren<QLabel*>()) {
      if (l->text().isEmpty()) continue;
      const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment(),
                                             l->fontMetrics().size(0, l->text()), l->geometry());
      QVERIFY2(!text.intersects(d.Image1->geometry()), qPrintable(l->text()));
    }
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
};

QTEST_MAIN(AboutTest)

#include "AboutTest.moc"
