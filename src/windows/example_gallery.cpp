#include "windows/example_gallery.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "ui/geometry.h"

namespace tsp {

ExampleGallery::ExampleGallery()
    : Window(QStringLiteral("Open an example"), 9600, 5760, QColor(224, 224, 224)) {
  ui::AddLabel(this, {.Name = "Heading",
                      .Text = QStringLiteral("Choose a graph to open in the matrix editor:"),
                      .Where = {240, 120, 9120, 315}});
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ExampleList"));
  list_->setAccessibleName(QStringLiteral("Examples"));
  ui::SetPlace(list_, {240, 480, 3840, 4560});
  description_ = ui::AddMultiLineTextBox(this, {.Name = "ExampleDescription",
                                                .Where = {4320, 480, 5040, 4560},
                                                .AccessibleName = QStringLiteral("Description")});
  description_->setReadOnly(true);
  open_ = ui::AddButton(
      this,
      {.Name = "OpenButton", .Text = QStringLiteral("Open"), .Where = {6480, 5160, 1335, 375}});
  QPushButton* cancel = ui::AddButton(
      this,
      {.Name = "CancelButton", .Text = QStringLiteral("Cancel"), .Where = {8025, 5160, 1335, 375}});
  // At once, not as the button's own shortcut would, after an animated click.
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, cancel, &QPushButton::click);

  connect(list_, &QListWidget::currentRowChanged, this, &ExampleGallery::showChosen);
  // Through the button, which is silent while a dialog is open (ui/dialog_gate.h).
  connect(list_, &QListWidget::itemActivated, open_, &QPushButton::click);
  connect(open_, &QPushButton::clicked, this, [this] {
    if (const QString id = chosenId(); !id.isEmpty()) emit openRequested(id);
  });
  connect(cancel, &QPushButton::clicked, this, &ExampleGallery::cancelRequested);
  showChosen();
}

void ExampleGallery::showExamples(std::vector<Entry> entries) {
  entries_ = std::move(entries);
  list_->clear();
  for (const Entry& entry : entries_) list_->addItem(entry.Title);
  list_->setCurrentRow(entries_.empty() ? -1 : 0);
  showChosen();
}

QString ExampleGallery::chosenId() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(entries_.size()) ? entries_[row].Id : QString();
}

void ExampleGallery::showChosen() {
  const int row = list_->currentRow();
  const bool chosen = row >= 0 && row < static_cast<int>(entries_.size());
  description_->setPlainText(chosen ? entries_[row].Description : QString());
  open_->setEnabled(chosen);
}

}  // namespace tsp
