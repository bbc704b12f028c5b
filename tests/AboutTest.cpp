// The about window and the Help menu on the offscreen platform.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "AboutWindow.h"
#include "Instructions.h"
#include "WindowSupport.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {
// The game's own window with the instructions page, if one is open.
QTextBrowser* PageShown() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* page = top->findChild<QTextBrowser*>(); page && top->isVisible()) return page;
  return nullptr;
}
}  // namespace

class AboutTest : public QObject {
  Q_OBJECT
 private slots:
  // Each opening plays from the start, no text under the icon; a listed control or a key closes.
  void everyOpeningPlaysFromTheStartAndAClickOrKeyClosesIt_data() {
    QTest::addColumn<bool>("own");        // the game's own animation, else one of these bytes
    QTest::addColumn<QByteArray>("gif");  // none: no file at all
    QTest::addColumn<int>("control");     // the listed control clicked; -1 for a key
    QFile good(AssetDir() + "/about.gif");
    QVERIFY(good.open(QIODevice::ReadOnly));
    QTest::newRow("a key") << true << QByteArray() << -1;
    for (int i = 0; i < 10; ++i) QTest::addRow("listed control %d", i) << true << QByteArray() << i;
    QTest::newRow("no file") << false << QByteArray() << -1;
    QTest::newRow("no picture") << false << QByteArray(400, 'x') << -1;
    QTest::newRow("GIF cut off") << false << good.readAll().left(300) << -1;
  }
  void everyOpeningPlaysFromTheStartAndAClickOrKeyClosesIt() {
    QFETCH(bool, own);
    QFETCH(QByteArray, gif);
    QFETCH(int, control);
    QTemporaryDir dir;
    QFile f(dir.path() + "/about.gif");
    if (!gif.isEmpty()) QVERIFY(f.open(QIODevice::WriteOnly) && f.write(gif) > 0);
    f.close();
    frmSplash d(own ? AssetDir() : dir.path());
    d.show();
    if (own) {
      QVERIFY(d.ShockwaveFlash1->isVisible());
      QCOMPARE(d.ShockwaveFlash1->FrameNumber(), 0);
      QVERIFY(QTest::qWaitFor([&] { return d.ShockwaveFlash1->FrameNumber() >= 3; }, 3000));
    } else {
      QTest::qWait(200);
      QCOMPARE(Pixel(d.ShockwaveFlash1->grab().toImage(), d.ShockwaveFlash1->rect()),
               QColor(Qt::black));
    }
    for (QLabel* l : d.Frame1->findChildren<QLabel*>()) {
      const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment(),
                                             l->fontMetrics().size(0, l->text()), l->geometry());
      QVERIFY2(l->text().isEmpty() || !text.intersects(d.Image1->geometry()),
               qPrintable(l->text()));
    }
    Click(d.Label3);
    Click(d.ShockwaveFlash1);
    // The shadow shows only along the title's right edge, below the title label.
    Click(d.Label2, QPoint(d.Label2->width() - 2, d.Label2->height() - 2));
    QTest::mousePress(d.lblVersion, Qt::LeftButton);
    QTest::mouseRelease(d.Label3, Qt::LeftButton);
    QTest::keyClick(d.Command1, Qt::Key_Shift);
    QVERIFY(d.isVisible() && d.ShockwaveFlash1->Playing() == own);
    const QList<QWidget*> listed = {d.Frame1,      d.Command1,   d.Image1,     d.lblCompanyProduct,
                                    d.lblPlatform, d.lblVersion, d.lblWarning, d.lblText1,
                                    d.lblText2,    d.Label1};
    if (control < 0)
      QTest::keyClick(d.Command1, own ? Qt::Key_Q : Qt::Key_Escape);
    else  // the frame at its own corner, clear of every control
      Click(listed[control], control == 0 ? QPoint(3, 3) : QPoint());
    QVERIFY(!d.isVisible());
    QVERIFY(!d.ShockwaveFlash1->Playing() && d.ShockwaveFlash1->isHidden());
  }

  // Help opens the modal About window; the rules open in the game's own window, whose button,
  // and nothing else, hands the page to the desktop's browser (a recording xdg-open here).
  void helpMenuOpensTheInstructionsAndTheModalAboutWindow() {
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open")), opened(bin.filePath("opened"));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write(QString("#!/bin/sh\necho \"$@\" >>'%1'\n").arg(opened.fileName()).toUtf8());
    opener.close();
    opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));
    InstructionsOpener = "xdg-open";
    Shown s;
    QMenu* help = s.Main.menuBar()->actions().first()->menu();
    QStringList items;
    for (QAction* a : help->actions()) items << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(help->title() + ": " + items.join(", "), QString("&Help: &Instructions, -, &About"));
    // Seen from inside its own loop, then closed by a key.
    QCOMPARE(Answer([&] { help->actions()[2]->trigger(); }, Qt::Key_Space),
             QStringList{"vexlar::frmSplash"});
    for (int from = 0; from < 2; ++from) {
      if (from == 0) help->actions()[0]->trigger(), help->actions()[0]->trigger();
      frmSplash about(AssetDir(), &s.Main);
      if (from == 1) about.show(), Click(about.Label1);
      QTRY_VERIFY(PageShown());
      QTextBrowser* page = PageShown();
      QCOMPARE(s.Main.findChildren<QTextBrowser*>().size(), 1);  // a second Help raises the first
      QVERIFY(page->toPlainText().contains("Marks and scoring"));
      QCOMPARE(page->accessibleName(), QString("How to play"));
      page->window()->resize(400, 300);
      QTRY_VERIFY(page->verticalScrollBar()->maximum() > 0);
      QVERIFY(!opened.exists());
      Click(page->window()->findChild<QPushButton*>());
      QTRY_VERIFY(opened.size() > 0);
      QVERIFY(opened.open(QIODevice::ReadOnly));
      QCOMPARE(opened.readAll(), (AssetDir() + "/instructions.html\n").toUtf8());
      opened.close();
      opened.remove();
      QTest::keyClick(page, Qt::Key_Escape);
      QTRY_VERIFY(!PageShown());
    }
  }
};

QTEST_MAIN(AboutTest)

#include "AboutTest.moc"
