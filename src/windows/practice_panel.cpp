#include "windows/practice_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "core/algorithms/algorithm_table.h"
#include "ui/geometry.h"
#include "ui/timer.h"
#include "windows/graph_view_layout.h"

namespace tsp {

using namespace graph_view_layout;

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

PracticePanel::PracticePanel(QWidget* view) : QObject(view) {
  choice_ = new QComboBox(view);
  choice_->setObjectName(QStringLiteral("PracticeBox"));
  choice_->setAccessibleName(QStringLiteral("Practice"));
  choice_->addItem(QStringLiteral("Practice\u2026"));
  for (const PracticeRow& row : PracticeAlgorithms()) {
    choice_->addItem(FromUtf8(std::string(AlgorithmById(row.Id).Name)));
  }
  ui::SetPlace(choice_, PracticeBoxPlace);
  answers_ = new QListWidget(view);
  answers_->setObjectName(QStringLiteral("AnswerList"));
  answers_->setAccessibleName(QStringLiteral("Your answer"));
  ui::SetPlace(answers_, AnswerListPlace);
  for (const ControlRow& row : PracticeTable()) AddControl(view, row);
  check_ = view->findChild<QPushButton*>("CheckButton");
  reveal_ = view->findChild<QPushButton*>("RevealButton");
  score_ = view->findChild<QLineEdit*>("ScoreLine");
  score_->setReadOnly(true);
  verdict_ = ui::AddMultiLineTextBox(view, {.Name = "VerdictBox",
                                            .Where = VerdictPlace,
                                            .Style = ui::Look{0, false, ListGrey, {}, {}},
                                            .AccessibleName = QStringLiteral("Verdict")});
  verdict_->setReadOnly(true);
  flashTimer_ = new ui::Timer(view, FlashTimerName, FlashMs);
  flashTimer_->setSingleShot(true);
  // Out of practice the panel is the Practice box alone, and what is left to read.
  for (QWidget* control : std::array<QWidget*, 5>{answers_, check_, reveal_, verdict_, score_}) {
    control->hide();
  }
  connect(verdict_, &QPlainTextEdit::textChanged, this,
          [this] { verdict_->setVisible(!verdict_->toPlainText().isEmpty()); });
  connect(score_, &QLineEdit::textChanged, this,
          [this](const QString& text) { score_->setVisible(!text.isEmpty()); });

  // Activated, not changed: choosing the algorithm being practised starts it afresh.
  connect(choice_, &QComboBox::activated, this, &PracticePanel::choose);
  connect(answers_, &QListWidget::itemActivated, this, &PracticePanel::check);
  connect(check_, &QPushButton::clicked, this, &PracticePanel::check);
  connect(reveal_, &QPushButton::clicked, this, &PracticePanel::reveal);
  connect(flashTimer_, &ui::Timer::ticked, this, &PracticePanel::stopFlash);
}

void PracticePanel::setDrawing(const Drawing* drawing) {
  leave();
  drawing_ = drawing;
  segments_.clear();
  if (drawing_ == nullptr) return;
  for (const DrawnLine& line : drawing_->Lines()) segments_.push_back({line.From, line.To});
}

void PracticePanel::leave() {
  if (practice_) finish(true);
  clearVerdict();
}

void PracticePanel::answerAt(ring::TwipPoint point) {
  if (!practice_ || drawing_ == nullptr) return;
  if (practice_->Row().Kind == AnswerKind::Vertex) {
    const int vertex = ring::VertexAt(point, drawing_->VertexCount());
    if (vertex >= 0) answer(PracticeAnswer::Vertex(vertex));
    return;
  }
  const int line = ring::LineAt(point, segments_, drawing_->VertexCount());
  if (line >= 0) answerWithLine(line);
}

void PracticePanel::answerWithVertex(int vertex) {
  if (practice_ && practice_->Row().Kind == AnswerKind::Vertex) {
    answer(PracticeAnswer::Vertex(vertex));
  }
}

void PracticePanel::answerWithLine(int lineId) {
  if (!practice_ || practice_->Row().Kind != AnswerKind::Line) return;
  if (lineId < 0 || lineId >= static_cast<int>(segments_.size())) return;
  answer(PracticeAnswer::Line(segments_[lineId].From, segments_[lineId].To));
}

void PracticePanel::choose(int index) {
  if (index <= 0 || index > static_cast<int>(PracticeAlgorithms().size())) {
    leave();
    return;
  }
  start(PracticeAlgorithms()[index - 1]);
}

void PracticePanel::start(const PracticeRow& row) {
  if (drawing_ == nullptr) return;
  Practice practice(row, *drawing_);
  leave();
  if (!practice.Unavailable().empty()) {
    // Said where the verdicts are, and the run on screen stays as it was.
    verdict_->setPlainText(FromUtf8(practice.Unavailable()));
    choice_->setCurrentIndex(0);
    return;
  }
  practice_ = std::move(practice);
  choice_->setCurrentIndex(1 + static_cast<int>(&row - PracticeAlgorithms().data()));
  emit started(practice_->Algorithm(), practice_->Play());
  score_->setText(FromUtf8(practice_->Score()));
  ask();
}

void PracticePanel::ask() {
  const QString question = FromUtf8(practice_->Question());
  emit asked(question);
  // Read out when the list takes the focus, for those who do not see the step line.
  answers_->setAccessibleDescription(question);
  offered_ = practice_->Offered();
  answers_->clear();
  for (PracticeAnswer offered : offered_) {
    answers_->addItem(FromUtf8(practice_->AnswerText(offered)));
  }
  answers_->show();
  check_->show();
  reveal_->show();
}

void PracticePanel::answer(PracticeAnswer given) {
  if (!practice_) return;
  stopFlash();
  const Practice::Outcome outcome = practice_->Answer(given);
  if (!outcome.Right) {
    verdict_->setPlainText(FromUtf8(outcome.Verdict));
    flashing_ = true;
    emit flashed(practice_->Expected(), practice_->Algorithm().Colour);
    flashTimer_->SetEnabled(true);
    return;
  }
  show(outcome);
}

void PracticePanel::check() {
  if (!practice_) return;
  const int row = answers_->currentRow();
  if (row < 0 || row >= static_cast<int>(offered_.size())) {
    verdict_->setPlainText(
        QStringLiteral("Choose an answer in the list, or click one on the drawing."));
    return;
  }
  answer(offered_[row]);
}

void PracticePanel::reveal() {
  if (!practice_) return;
  stopFlash();
  show(practice_->Reveal());
}

void PracticePanel::show(const Practice::Outcome& outcome) {
  verdict_->setPlainText(FromUtf8(outcome.Verdict));
  score_->setText(FromUtf8(practice_->Score()));
  emit played(outcome.Tick);
  if (practice_->Done()) {
    // The run has ended as a played one does; the verdict and the score stay to be read.
    finish(false);
  } else {
    ask();
  }
}

void PracticePanel::finish(bool midway) {
  stopFlash();
  practice_.reset();
  offered_.clear();
  answers_->clear();
  answers_->hide();
  check_->hide();
  reveal_->hide();
  choice_->setCurrentIndex(0);
  emit ended(midway);
}

void PracticePanel::clearVerdict() {
  verdict_->clear();
  score_->clear();
}

void PracticePanel::stopFlash() {
  flashTimer_->SetEnabled(false);
  if (!flashing_) return;
  flashing_ = false;
  emit flashed(std::nullopt, {});
}

}  // namespace tsp
