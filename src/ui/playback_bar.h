#pragma once

#include <QWidget>

class QPushButton;
class QSpinBox;

namespace tsp::ui {

// Pause or resume, step back, step forward and the pace of an animation, in milliseconds per
// tick, as one row of controls.
class PlaybackBar final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int SlowestMs = 2000;
  static constexpr int FastestMs = 50;
  static constexpr int DefaultMs = 500;

  // place gives the row's position in the parent, in twips.
  PlaybackBar(QWidget* parent, int leftTwips, int topTwips);

  int MsPerTick() const;
  void SetMsPerTick(int ms);
  void SetPaused(bool paused);
  // Space, Left, Right, + and - on the window that holds the bar.
  void AddShortcuts(QWidget* window);

 signals:
  void pauseToggled();
  void stepBackRequested();
  void stepForwardRequested();
  void msPerTickChanged(int ms);

 private:
  QPushButton* pause_;
  QSpinBox* speed_;
};

}  // namespace tsp::ui
