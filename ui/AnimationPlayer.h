// Plays an animated picture file, the whole movie fitted into the area on black, looping.
#pragma once
#include <QMovie>
#include <QWidget>

namespace vexlar {

class AnimationPlayer : public QWidget {
  Q_OBJECT
 public:
  explicit AnimationPlayer(QWidget* parent);
  // Opens a movie file; a missing or broken one leaves the area black.
  void SetMovie(const QString& path);
  void Play();
  void Stop();
  bool Playing() const { return movie_.state() == QMovie::Running; }
  int FrameNumber() const { return movie_.currentFrameNumber(); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void Refuse(const QString& path, const QString& why);
  QMovie movie_;
  bool valid_ = false;
  int framesThisRun_ = 0;  // frames shown since the movie last started
};

}  // namespace vexlar
