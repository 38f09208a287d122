#pragma once

#include <QStringList>
#include <functional>
#include <memory>

#include "app/navigator.h"
#include "ui/services.h"

namespace tsp::testing {

// Records message texts instead of opening a modal box.
class RecordingMessageBox final : public ui::MessageBox {
 public:
  void Present(const QString& text) override {
    Texts.append(text);
    if (OnShow) OnShow(text);
  }
  QStringList Texts;
  // Runs while the "box is open", for tests that check what happens meanwhile.
  std::function<void(const QString&)> OnShow;
};

// A clock that only moves when told to: by setting Now, or by Step at every reading, which
// makes every timed section last exactly Step seconds.
class ManualClock final : public ui::Clock {
 public:
  double Seconds() override {
    const double now = Now;
    Now += Step;
    return now;
  }
  double Now = 1000.0;
  double Step = 0;
};

// Answers file dialogs from a script: each call takes the next name, "" once it runs out
// (the dialog was cancelled).
class ScriptedFileDialog final : public ui::FileDialog {
 public:
  QStringList Names;
  int Asked = 0;
  // Runs while the "dialog is open", for tests that check what happens meanwhile.
  std::function<void()> OnAsk;

 protected:
  QString PresentOpen(QWidget*, const QString&, const QString&) override { return Next(); }
  QString PresentSave(QWidget*, const QString&, const QString&, const QString&) override {
    return Next();
  }

 private:
  QString Next() {
    ++Asked;
    if (OnAsk) OnAsk();
    return Names.isEmpty() ? QString() : Names.takeFirst();
  }
};

// The application's windows wired to recording services; the end of the application is
// counted, not acted on.
struct TestApp {
  // files replaces the scripted dialog (Qt's own, say).
  explicit TestApp(ui::FileDialog* files = nullptr);
  ~TestApp();

  // Lets queued work run: deferred deletions of unloaded windows and the end-of-application
  // check.
  void Settle();

  RecordingMessageBox Messages;
  ManualClock Time;
  ui::FixedRandomSource Random;
  ScriptedFileDialog Files;
  int Ends = 0;
  std::unique_ptr<Navigator> App;
};

}  // namespace tsp::testing
