#include "ui/services.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <chrono>

namespace tsp::ui {

void MessageBox::Show(const QString& text) {
  ++openBoxes_;
  Present(text);
  --openBoxes_;
}

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

QString QtFileDialog::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
  return Remember(QFileDialog::getOpenFileName(parent, caption, LastFolder(), filter));
}

QString QtFileDialog::SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                   const QString& suggestedName) {
  return Remember(QFileDialog::getSaveFileName(parent, caption,
                                               QDir(LastFolder()).filePath(suggestedName), filter));
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
