#pragma once

#include <QFileDialog>
#include <QString>
#include <cstdint>

class QWidget;

namespace tsp::ui {

// Title of every message box.
inline const QString ApplicationTitle = QStringLiteral("TSP Simulator");

// A modal box with one OK button; tests put a recorder in its place.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Returns when the box is closed. While it is open the program's windows and their timers do
  // nothing (ui/dialog_gate.h).
  void Show(const QString& text);

 protected:
  virtual void Present(const QString& text) = 0;
};

class QtMessageBox final : public MessageBox {
 protected:
  void Present(const QString& text) override;
};

// Seconds from a monotonic clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double Seconds() = 0;
};

class SteadyClock final : public Clock {
 public:
  double Seconds() override;
};

// Single-precision values uniform in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Next() = 0;
};

// Never seeded from outside: every start of the program draws the same sequence, on every
// machine and library version (a 32-bit xorshift generator with a fixed starting state).
class FixedRandomSource final : public RandomSource {
 public:
  float Next() override;

 private:
  std::uint32_t state_ = 0x2545F491u;
};

// Asks for a file to open or to save to; tests put a script in its place.
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen file, empty when the dialog was cancelled. While the dialog is open the
  // program's windows do nothing; parent may be gone when it returns.
  QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter);
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                       const QString& suggestedName);

 protected:
  virtual QString PresentOpen(QWidget* parent, const QString& caption, const QString& filter) = 0;
  virtual QString PresentSave(QWidget* parent, const QString& caption, const QString& filter,
                              const QString& suggestedName) = 0;
};

// Qt's dialogs, starting in the folder of the last file chosen in any of them; the folder is
// kept in the settings from one start of the program to the next.
class QtFileDialog final : public FileDialog {
 public:
  // Tests ask for Qt's own dialog (QFileDialog::DontUseNativeDialog), whatever the desktop.
  explicit QtFileDialog(QFileDialog::Options options = {}) : options_(options) {}

 protected:
  QString PresentOpen(QWidget* parent, const QString& caption, const QString& filter) override;
  QString PresentSave(QWidget* parent, const QString& caption, const QString& filter,
                      const QString& suggestedName) override;

 private:
  QString Ask(QWidget* parent, const QString& caption, const QString& filter,
              QFileDialog::AcceptMode mode, const QString& start);

  QFileDialog::Options options_;
};

// What the windows reach the outside world through.
struct Services {
  MessageBox& Messages;
  Clock& Time;
  RandomSource& Random;
  FileDialog& Files;
};

}  // namespace tsp::ui
