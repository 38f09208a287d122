#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <vector>

#include "support/app_helpers.h"
#include "support/session_helpers.h"
#include "support/widget_helpers.h"
#include "ui/services.h"
#include "ui/timer.h"

// Qt's own file dialog, opened for real from each of the four places that ask for a file, and a
// context menu that runs its own event loop. While the loop runs, the tests act on the windows
// it blocks the way accessibility actions and automation tools do: QAbstractButton::click()
// and close() ignore modality.
namespace tsp::testing {
namespace {

using Step = std::function<void(QFileDialog*)>;

// Runs each step on its own tick of a timer inside the dialog's event loop, then cancels the
// dialog if a step has not closed it. A step runs outside the timer's own slot, so that a
// second dialog opened by a step gets driven too (a timer never fires inside its own slot).
// Returns how many steps ran.
int WhileDialogOpen(const std::vector<Step>& steps, const std::function<void()>& openDialog) {
  int next = 0;
  int ticks = 0;
  bool stepPending = false;
  QTimer driver;
  driver.setInterval(10);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || stepPending) return;
    if (++ticks > 500) {
      ADD_FAILURE() << "a dialog stayed open: " << modal->windowTitle().toStdString();
      modal->close();
      return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) return;
    stepPending = true;
    QTimer::singleShot(0, dialog, [&, dialog] {
      stepPending = false;
      if (next < static_cast<int>(steps.size())) {
        steps[next++](dialog);
      } else {
        dialog->reject();
      }
    });
  });
  driver.start();
  openDialog();
  return next;
}

// As typing the whole path into its file name box and pressing Open or Save.
void Choose(QFileDialog* dialog, const QString& path) {
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  name->setText(path);
  static_cast<QDialog*>(dialog)->accept();
}

// Every button of every program window on screen pressed, every running animation ticked,
// then every such window closed.
void PressAndCloseEveryWindow() {
  std::vector<QPointer<QAbstractButton>> buttons;
  std::vector<QPointer<ui::Window>> windows;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<ui::Window*>(top);
    if (window == nullptr || !window->isVisible()) continue;
    windows.emplace_back(window);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (button->window() == window && button->isVisible() && button->isEnabled())
        buttons.emplace_back(button);
    }
    for (ui::Timer* timer : window->findChildren<ui::Timer*>()) {
      if (timer->Enabled()) timer->Fire();
    }
  }
  for (const auto& button : buttons) {
    if (button) button->click();
  }
  for (const auto& window : windows) {
    if (window) window->close();
  }
}

// What the user sees of the program: the windows and every box of every loaded one.
std::string Screens(TestApp& app) {
  QStringList seen{LoadedWindows(app)};
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (qobject_cast<ui::Window*>(top) == nullptr) continue;
    for (const QLineEdit* box : top->findChildren<QLineEdit*>()) {
      if (box->window() == top)
        seen << top->windowTitle() + u'/' + box->objectName() + u'=' + box->text();
    }
  }
  seen.sort();
  return seen.join(u'\n').toStdString();
}

struct DialogPlace {
  const char* Name;
  // Leaves the window that asks on screen, with others beside it; gives the asking window.
  std::function<ui::Window*(TestApp&)> Open;
  const char* Button;
};

const std::vector<DialogPlace>& Places() {
  static const std::vector<DialogPlace> places = {
      {"start screen",
       [](TestApp& app) -> ui::Window* {
         app.App->start();
         Click(app.App->window<StartScreen>().Get(), "Command2");
         return app.App->window<StartScreen>().Get();
       },
       "OpenGraphButton"},
      {"editor, open", [](TestApp& app) -> ui::Window* { return OpenEditor(app, "3"); },
       "OpenButton"},
      {"editor, save", [](TestApp& app) -> ui::Window* { return OpenEditor(app, "3"); },
       "SaveButton"},
      {"graph view, export",
       [](TestApp& app) -> ui::Window* {
         GraphView* view = OpenGraph(app, FourVertexWeights());
         Click(view, "Command3");
         Click(view, "CompareButton");
         Click(view, "Command2");
         return view;
       },
       "ExportButton"},
  };
  return places;
}

TEST(RealFileDialog, TheWindowsItBlocksDoNothing) {
  const SwallowAnimationTimers swallow;
  for (const DialogPlace& place : Places()) {
    SCOPED_TRACE(place.Name);
    ui::QtFileDialog files(QFileDialog::DontUseNativeDialog);
    TestApp app(&files);
    ui::Window* asker = place.Open(app);
    ASSERT_NE(asker, nullptr);
    app.Settle();
    const std::string before = Screens(app);
    std::string whileOpen;
    const int steps = WhileDialogOpen({[](QFileDialog*) { PressAndCloseEveryWindow(); },
                                       [&](QFileDialog*) { whileOpen = Screens(app); }},
                                      [&] { Click(asker, place.Button); });
    app.Settle();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(whileOpen, before);
    EXPECT_EQ(Screens(app), before);
    EXPECT_TRUE(app.Messages.Texts.isEmpty()) << app.Messages.Texts.join('|').toStdString();
    EXPECT_EQ(app.Ends, 0);
  }
}

// The dialog answers as before: the save dialog suggests its name, and what it saves opens.
TEST(RealFileDialog, SavesAndOpensTheChosenFile) {
  QTemporaryDir folder;
  const QString path = folder.filePath("chosen.tspgraph");
  ui::QtFileDialog files(QFileDialog::DontUseNativeDialog);
  {
    TestApp app(&files);
    MatrixEditor* editor = OpenEditor(app, "2");
    Type(editor, "Text1_1", "1");
    Type(editor, "Text2_1", "7");
    QStringList suggested;
    WhileDialogOpen({[&](QFileDialog* dialog) {
                      suggested = dialog->selectedFiles();
                      Choose(dialog, path);
                    }},
                    [&] { Click(editor, "SaveButton"); });
    ASSERT_EQ(suggested.size(), 1);
    EXPECT_TRUE(suggested[0].endsWith("/graph.tspgraph")) << suggested[0].toStdString();
    EXPECT_TRUE(QFile::exists(path));
  }
  TestApp app(&files);
  app.App->start();
  WhileDialogOpen({[&](QFileDialog* dialog) {
                    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());
                    Choose(dialog, path);
                  }},
                  [&] { Click(app.App->window<StartScreen>().Get(), "OpenGraphButton"); });
  app.Settle();
  ASSERT_TRUE(app.App->window<MatrixEditor>().IsShown());
  EXPECT_EQ(TextOf(app.App->window<MatrixEditor>().Get(), "Text2_1"), "7");
}

// Unloaded while its dialog is open (its own controls cannot do it, code can), a window is
// deleted only once the dialog has closed: hiding it ends the dialog as cancelled.
TEST(RealFileDialog, AWindowUnloadedMeanwhileGoesOnlyOnceItsDialogHasClosed) {
  ui::QtFileDialog files(QFileDialog::DontUseNativeDialog);
  TestApp app(&files);
  MatrixEditor* editor = OpenEditor(app, "2");
  QPointer<MatrixEditor> watched(editor);
  bool aliveInsideTheDialog = false;
  WhileDialogOpen({[&](QFileDialog*) {
                    app.App->window<MatrixEditor>().Unload();
                    app.App->window<VertexCountScreen>().Show();
                    app.Settle();
                    aliveInsideTheDialog = !watched.isNull();
                  }},
                  [&] { Click(editor, "SaveButton"); });
  app.Settle();
  EXPECT_TRUE(aliveInsideTheDialog);
  EXPECT_TRUE(watched.isNull());
  EXPECT_EQ(LoadedWindows(app), "Form2");
}

// A file chosen for a window that went while the dialog was open is dropped with it.
TEST(FileDialogAnswer, IsDroppedWhenTheWindowThatAskedWent) {
  QTemporaryDir folder;
  const QString path = folder.filePath("late.tspgraph");
  TestApp app;
  MatrixEditor* editor = OpenEditor(app, "2");
  app.Files.Names = {path, path};
  app.Files.OnAsk = [&] {
    app.App->window<MatrixEditor>().Unload();
    app.App->window<VertexCountScreen>().Show();
  };
  Click(editor, "SaveButton");
  app.Settle();
  EXPECT_FALSE(QFile::exists(path));
  QFile(path).open(QIODevice::WriteOnly);
  app.App->start();
  app.Files.OnAsk = [&] { app.App->window<StartScreen>().Unload(); };
  Click(app.App->window<StartScreen>().Get(), "OpenGraphButton");
  app.Settle();
  EXPECT_EQ(LoadedWindows(app), "Form2");
  EXPECT_TRUE(app.Messages.Texts.isEmpty());
}

// The speed box's context menu runs an event loop of its own (QMenu::exec): pressing
// "Rearrange Graph" meanwhile would delete the box inside its own event handler.
TEST(ContextMenu, TheWindowsItBlocksDoNothing) {
  const SwallowAnimationTimers swallow;
  TestApp app;
  GraphView* view = OpenGraph(app, FourVertexWeights());
  Click(view, "Command2");
  app.Settle();
  const std::string before = Screens(app);
  std::string whileOpen;
  QTimer driver;
  driver.setInterval(10);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* menu = QApplication::activePopupWidget();
    if (menu == nullptr) return;
    driver.stop();
    PressAndCloseEveryWindow();
    whileOpen = Screens(app);
    menu->close();
  });
  driver.start();
  auto* speed = Find<QSpinBox>(view, "SpeedBox");
  QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(5, 5),
                         speed->mapToGlobal(QPoint(5, 5)));
  QCoreApplication::sendEvent(speed, &open);
  app.Settle();
  EXPECT_EQ(whileOpen, before);
  EXPECT_EQ(Screens(app), before);
}

}  // namespace
}  // namespace tsp::testing
