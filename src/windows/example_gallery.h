#pragma once

#include <QString>
#include <vector>

#include "ui/window.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tsp {

// The example graphs the program ships, by title, with the description of the one chosen;
// "Open" asks for it to be opened in the matrix editor.
class ExampleGallery final : public ui::Window {
  Q_OBJECT

 public:
  struct Entry {
    QString Id;
    QString Title;
    QString Description;
  };

  ExampleGallery();

  // Lists the examples in this order and chooses the first.
  void showExamples(std::vector<Entry> entries);
  // The id of the example chosen, empty when none is.
  QString chosenId() const;

 signals:
  void openRequested(const QString& id);
  void cancelRequested();

 private:
  void showChosen();

  std::vector<Entry> entries_;
  QListWidget* list_;
  QPlainTextEdit* description_;
  QPushButton* open_;
};

}  // namespace tsp
