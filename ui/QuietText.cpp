#include "QuietText.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QTimer>
#include <utility>

namespace vexlar {

namespace {

constexpr int QuietMs = 1000;

// When one box was last told about, and what it showed then.
class Pace : public QObject {
  Q_OBJECT
 public:
  explicit Pace(QLineEdit* box) : QObject(box), box_(box) {
    later_.setSingleShot(true);
    connect(&later_, &QTimer::timeout, this, &Pace::tellLatest);
  }
  QLineEdit* Box() const { return box_; }
  // Whether a change of the text may be told now; if not, the latest is told once it may.
  bool MayTell() {
    const bool due =
        telling_ || box_->hasFocus() || !since_.isValid() || since_.elapsed() >= QuietMs;
    if (due) {
      told_ = box_->text();
      since_.start();
      later_.stop();
    } else if (!later_.isActive()) {
      later_.start(static_cast<int>(QuietMs - since_.elapsed()));
    }
    return due;
  }

 private:
  void tellLatest() {
    const QString now = box_->text();
    if (now == told_) return;
    telling_ = true;
    QAccessibleTextUpdateEvent e(box_, 0, told_, now);
    QAccessible::updateAccessibility(&e);
    telling_ = false;
  }

  QLineEdit* box_;
  QString told_;
  QElapsedTimer since_;
  QTimer later_;
  bool telling_ = false;
};

// Whether an event is a paced box's change that is not told now.
bool Held(QAccessibleEvent* e) {
  QObject* o = e->object();
  Pace* pace = o ? o->findChild<Pace*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!pace) return false;
  switch (e->type()) {
    case QAccessible::TextCaretMoved:
      return !pace->Box()->hasFocus();  // the caret only follows the text to its end
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
      return !pace->MayTell();
    default:
      return false;
  }
}

QAccessible::UpdateHandler passOn = nullptr;

void Filter(QAccessibleEvent* e) {
  if (Held(e)) return;
  if (passOn) return passOn(e);
  // Qt hands an event to the platform only while no handler is installed.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(e);
  QAccessible::installUpdateHandler(&Filter);
}

}  // namespace

void TellChangesOncePerSecond(QLineEdit* box) {
  new Pace(box);
  static bool installed = false;
  if (!std::exchange(installed, true)) passOn = QAccessible::installUpdateHandler(&Filter);
}

}  // namespace vexlar

#include "QuietText.moc"
