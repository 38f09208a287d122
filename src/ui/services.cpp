#include "ui/services.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <chrono>

#include "ui/dialog_gate.h"

namespace tsp::ui {

void MessageBox::Show(const QString& text) {
  const DialogScope open;
  Present(text);
}

// Without a parent: no window's end can take the box with it.
void QtMessageBox::Present(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

namespace {

const QString LastFolderKey = QStringLiteral("files/lastFolder");

QString LastFolder() {
  return QSettings().value(LastFolderKey, QDir::homePath()).toString();
}

QString Remember(const QString& chosen) {
  if (!chosen.isEmpty()) QSettings().setValue(LastFolderKey, QFileInfo(chosen).absolutePath());
  return chosen;
}

}  // namespace

QString FileDialog::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
  const DialogScope open;
  return PresentOpen(parent, caption, filter);
}

QString FileDialog::SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suggestedName) {
  const DialogScope open;
  return PresentSave(parent, caption, filter, suggestedName);
}

QString QtFileDialog::PresentOpen(QWidget* parent, const QString& caption, const QString& filter) {
  return Ask(parent, caption, filter, QFileDialog::AcceptOpen, LastFolder());
}

QString QtFileDialog::PresentSave(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& suggestedName) {
  return Ask(parent, caption, filter, QFileDialog::AcceptSave,
             QDir(LastFolder()).filePath(suggestedName));
}

// On the heap, watched: should its parent go while it is open, Qt deletes the dialog, its
// event loop ends as cancelled and nothing here touches it again. A stack dialog (as in
// QFileDialog's static functions) would be freed a second time.
QString QtFileDialog::Ask(QWidget* parent, const QString& caption, const QString& filter,
                          QFileDialog::AcceptMode mode, const QString& start) {
  QPointer<QFileDialog> dialog = new QFileDialog(parent, caption, start, filter);
  dialog->setOptions(options_);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  if (dialog.isNull()) return {};
  const QStringList chosen = dialog->selectedFiles();
  delete dialog.data();
  return accepted && !chosen.isEmpty() ? Remember(chosen.first()) : QString();
}

double SteadyClock::Seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

float FixedRandomSource::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  // The top 24 bits give every float in [0, 1) that is a multiple of 2^-24: never 1.0.
  return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

}  // namespace tsp::ui
