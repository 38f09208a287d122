#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

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

  ui::WindowSlot<StartScreen>& startScreen() { return *startScreen_; }
  ui::WindowSlot<HelpScreen>& helpScreen() { return *helpScreen_; }
  ui::WindowSlot<VertexCountScreen>& vertexCountScreen() { return *vertexCountScreen_; }
  ui::WindowSlot<MatrixEditor>& matrixEditor() { return *matrixEditor_; }
  ui::WindowSlot<GraphView>& graphView() { return *graphView_; }
  ui::WindowSlot<EdgeIdView>& edgeIdView() { return *edgeIdView_; }
  ui::WindowSlot<CompareWindow>& compareWindow() { return *compareWindow_; }

  // Runs when a handler has left no window on screen, after every window was unloaded.
  // The program quits there; tests count it.
  void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }
  bool anyShown() const;

 private:
  StartScreen* createStartScreen();
  HelpScreen* createHelpScreen();
  VertexCountScreen* createVertexCountScreen();
  MatrixEditor* createMatrixEditor();
  GraphView* createGraphView();
  EdgeIdView* createEdgeIdView();
  CompareWindow* createCompareWindow();

  void askForGraphFile(const ui::WindowSlotBase& asker, ui::Window* window);
  void saveGraphFile();
  void showComparison();
  // Plays a row of the comparison on the graph view, when it still shows the compared graph.
  void playCompared(const QString& id);
  bool graphViewShowsCompared() const;
  void updateComparison();
  void leaveGraphView();
  void scheduleEndCheck();
  void checkEnd();

  ui::Services services_;
  std::function<void()> onEnd_;
  bool endCheckPending_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  // The graph last drawn: the edge-identifier view shows it, even after the graph view went.
  std::optional<Drawing> lastDrawing_;
  // The graph the comparison window was made for.
  std::optional<Drawing> compared_;
  std::unique_ptr<ui::WindowSlot<StartScreen>> startScreen_;
  std::unique_ptr<ui::WindowSlot<HelpScreen>> helpScreen_;
  std::unique_ptr<ui::WindowSlot<VertexCountScreen>> vertexCountScreen_;
  std::unique_ptr<ui::WindowSlot<MatrixEditor>> matrixEditor_;
  std::unique_ptr<ui::WindowSlot<GraphView>> graphView_;
  std::unique_ptr<ui::WindowSlot<EdgeIdView>> edgeIdView_;
  std::unique_ptr<ui::WindowSlot<CompareWindow>> compareWindow_;
};

}  // namespace tsp
