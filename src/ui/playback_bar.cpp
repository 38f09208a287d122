#include "ui/playback_bar.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "ui/geometry.h"

namespace tsp::ui {

namespace {

constexpr int RowHeight = 375;

}  // namespace

PlaybackBar::PlaybackBar(QWidget* parent, int leftTwips, int topTwips) : QWidget(parent) {
  setObjectName(QStringLiteral("PlaybackBar"));
  SetPlace(this, {leftTwips, topTwips, 6855, RowHeight});
  pause_ = AddButton(
      this,
      {.Name = "PauseButton", .Text = QStringLiteral("Pause"), .Where = {0, 0, 1095, RowHeight}});
  QPushButton* back = AddButton(this, {.Name = "StepBackButton",
                                       .Text = QStringLiteral("Step back"),
                                       .Where = {1200, 0, 1215, RowHeight}});
  QPushButton* forward = AddButton(this, {.Name = "StepForwardButton",
                                          .Text = QStringLiteral("Step forward"),
                                          .Where = {2520, 0, 1455, RowHeight}});
  AddLabel(this, {.Name = "SpeedLabel",
                  .Text = QStringLiteral("ms per edge"),
                  .Where = {5280, 60, 1575, RowHeight - 60},
                  .Style = Look{0, false, {}, Qt::white, {}}});
  speed_ = new QSpinBox(this);
  speed_->setObjectName(QStringLiteral("SpeedBox"));
  speed_->setAccessibleName(QStringLiteral("Animation speed"));
  speed_->setRange(FastestMs, SlowestMs);
  speed_->setSingleStep(50);
  speed_->setValue(DefaultMs);
  SetPlace(speed_, {4080, 0, 1095, RowHeight});
  connect(pause_, &QPushButton::clicked, this, &PlaybackBar::pauseToggled);
  connect(back, &QPushButton::clicked, this, &PlaybackBar::stepBackRequested);
  connect(forward, &QPushButton::clicked, this, &PlaybackBar::stepForwardRequested);
  connect(speed_, &QSpinBox::valueChanged, this, &PlaybackBar::msPerTickChanged);
}

int PlaybackBar::MsPerTick() const {
  return speed_->value();
}

void PlaybackBar::SetMsPerTick(int ms) {
  speed_->setValue(ms);
}

void PlaybackBar::SetPaused(bool paused) {
  const QString caption = paused ? QStringLiteral("Resume") : QStringLiteral("Pause");
  pause_->setText(caption);
  pause_->setAccessibleName(caption);
}

void PlaybackBar::AddShortcuts(QWidget* window) {
  const auto add = [window](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, window);
    connect(shortcut, &QShortcut::activated, window, action);
  };
  // A focused button keeps Space for itself, as everywhere else in the program.
  add(QKeySequence(Qt::Key_Space), [this, window] {
    if (auto* button = qobject_cast<QAbstractButton*>(window->focusWidget())) {
      button->click();
      return;
    }
    emit pauseToggled();
  });
  add(QKeySequence(Qt::Key_Left), [this] { emit stepBackRequested(); });
  add(QKeySequence(Qt::Key_Right), [this] { emit stepForwardRequested(); });
  // Faster is fewer milliseconds per edge.
  add(QKeySequence(Qt::Key_Plus), [this] { speed_->stepDown(); });
  add(QKeySequence(Qt::Key_Minus), [this] { speed_->stepUp(); });
}

}  // namespace tsp::ui
