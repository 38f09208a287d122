#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

#include "core/graph/drawing.h"
#include "ui/services.h"
#include "ui/window.h"

namespace tsp {

class StartScreen;
class HelpScreen;
class VertexCountScreen;
class MatrixEditor;
class GraphView;
class EdgeIdView;
class CompareWindow;
class ExampleGallery;

// The one place that knows every window: it creates each when it is loaded, connects its
// signals, passes values between windows and performs each navigation step in its order.
class Navigator {
 public:
  explicit Navigator(ui::Services services);
  ~Navigator();
  Navigator(const Navigator&) = delete;
  Navigator& operator=(const Navigator&) = delete;

  // Shows the start screen; nothing else is loaded.
  void start();
  // Opens a graph file (or imports a CSV matrix) into the matrix editor, as if its counts were
  // typed on the vertex-count screen. On failure one message says why and nothing changes.
  bool openGraphFile(const QString& path);
  // The examples come from this folder (app/examples.h); ExampleFolder() unless told.
  void setExampleFolder(const QString& folder) { exampleFolder_ = folder; }
  // Opens the example with this id as openGraphFile opens a file.
  bool openExample(const QString& id);

  // The slot of window W: whether it is loaded or shown, and the window itself.
  template <class W>
  ui::WindowSlot<W>& window() const {
    return windows_.template Of<W>();
  }

  // Runs when a handler has left no window on screen, after every window was unloaded.
  // The program quits there; tests count it.
  void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }
  bool anyShown() const;

 private:
  // Each window as it is loaded, with its signals connected.
  StartScreen* create(std::type_identity<StartScreen>);
  HelpScreen* create(std::type_identity<HelpScreen>);
  VertexCountScreen* create(std::type_identity<VertexCountScreen>);
  MatrixEditor* create(std::type_identity<MatrixEditor>);
  GraphView* create(std::type_identity<GraphView>);
  EdgeIdView* create(std::type_identity<EdgeIdView>);
  CompareWindow* create(std::type_identity<CompareWindow>);
  ExampleGallery* create(std::type_identity<ExampleGallery>);

  void askForGraphFile(const ui::WindowSlotBase& asker, ui::Window* window);
  void saveGraphFile();
  void showExampleGallery();
  void showComparison();
  // Plays a row of the comparison on the graph view, when it still shows the compared graph.
  void playCompared(const QString& id);
  bool graphViewShowsCompared() const;
  void updateComparison();
  void leaveGraphView();
  void scheduleEndCheck();
  void checkEnd();

  ui::Services services_;
  QString exampleFolder_;
  std::function<void()> onEnd_;
  bool endCheckPending_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  // The graph last drawn: the edge-identifier view shows it, even after the graph view went.
  std::optional<Drawing> lastDrawing_;
  // The graph the comparison window was made for.
  std::optional<Drawing> compared_;
  // Every window of the program, in the order they go at the end, last one first.
  ui::WindowSlots<StartScreen, HelpScreen, VertexCountScreen, MatrixEditor, GraphView, EdgeIdView,
                  CompareWindow, ExampleGallery>
      windows_;
};

}  // namespace tsp
