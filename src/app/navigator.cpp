#include "app/navigator.h"

#include <QCoreApplication>
#include <QTimer>

#include "core/matrix.h"
#include "windows/edge_id_view.h"
#include "windows/graph_view.h"
#include "windows/help_screen.h"
#include "windows/matrix_editor.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp {

template <class W>
using Slot = ui::WindowSlot<W>;

Navigator::Navigator(ui::Services services) : services_(services) {
  const auto changed = [this] { scheduleEndCheck(); };
  startScreen_ =
      std::make_unique<Slot<StartScreen>>([this] { return createStartScreen(); }, changed);
  helpScreen_ = std::make_unique<Slot<HelpScreen>>([this] { return createHelpScreen(); }, changed);
  vertexCountScreen_ = std::make_unique<Slot<VertexCountScreen>>(
      [this] { return createVertexCountScreen(); }, changed);
  matrixEditor_ =
      std::make_unique<Slot<MatrixEditor>>([this] { return createMatrixEditor(); }, changed);
  graphView_ = std::make_unique<Slot<GraphView>>([this] { return createGraphView(); }, changed);
  edgeIdView_ = std::make_unique<Slot<EdgeIdView>>([this] { return createEdgeIdView(); }, changed);
}

Navigator::~Navigator() {
  edgeIdView_.reset();
  graphView_.reset();
  matrixEditor_.reset();
  vertexCountScreen_.reset();
  helpScreen_.reset();
  startScreen_.reset();
}

void Navigator::start() {
  startScreen_->Show();
}

StartScreen* Navigator::createStartScreen() {
  auto* screen = new StartScreen;
  QObject::connect(screen, &StartScreen::startRequested, screen, [this] {
    vertexCountScreen_->Show();
    startScreen_->Unload();
  });
  QObject::connect(screen, &StartScreen::helpRequested, screen, [this] { helpScreen_->Show(); });
  return screen;
}

HelpScreen* Navigator::createHelpScreen() {
  auto* screen = new HelpScreen;
  QObject::connect(screen, &HelpScreen::backRequested, screen, [this] {
    helpScreen_->Unload();
    startScreen_->Show();
  });
  return screen;
}

VertexCountScreen* Navigator::createVertexCountScreen() {
  auto* screen = new VertexCountScreen(services_);
  QObject::connect(screen, &VertexCountScreen::continueRequested, screen, [this] {
    matrixEditor_->Show();
    vertexCountScreen_->Hide();
  });
  return screen;
}

// The editor's load step reads the counts from the vertex-count screen, loading it if need be.
MatrixEditor* Navigator::createMatrixEditor() {
  auto* editor = new MatrixEditor(services_);
  const VertexCountScreen& counts = vertexCountScreen_->Load();
  editor->loadCounts(counts.vertexCountText(), counts.iterationText());
  QObject::connect(editor, &MatrixEditor::viewGraphRequested, editor,
                   [this] { graphView_->Show(); });
  QObject::connect(editor, &MatrixEditor::resetRequested, editor, [this] {
    matrixEditor_->Unload();
    vertexCountScreen_->Show();
  });
  QObject::connect(editor, &MatrixEditor::exitRequested, editor,
                   [this] { matrixEditor_->Unload(); });
  return editor;
}

// The graph view's load step draws the editor's boxes, keeping one white "1" per vertex pair in
// the editor too. It only ever opens from a validated editor; without one it stays empty
// rather than draw boxes that nobody checked.
GraphView* Navigator::createGraphView() {
  auto* view = new GraphView(services_);
  QObject::connect(view, &GraphView::rearrangeRequested, view, [this] { leaveGraphView(); });
  QObject::connect(view, &GraphView::edgeIdsRequested, view, [this] { edgeIdView_->Show(); });
  QObject::connect(view, &GraphView::exitRequested, view, [this] {
    graphView_->Unload();
    matrixEditor_->Unload();
  });

  MatrixEditor* editor = matrixEditor_->Get();
  if (editor == nullptr) return view;
  const std::int16_t vertexCount = editor->vertexCount();
  if (vertexCount < 1 || vertexCount > MaxVertices) return view;
  MatrixTexts texts = editor->texts();
  texts.White = KeepOneBoxPerPair(texts.White);
  editor->setWhiteTexts(texts.White);
  lastDrawing_ = BuildDrawing(vertexCount, texts);
  view->loadGraph(*lastDrawing_, editor->iterationCount());
  if (EdgeIdView* grid = edgeIdView_->Get()) grid->showDrawing(&*lastDrawing_);
  return view;
}

void Navigator::leaveGraphView() {
  graphView_->Unload();
  if (matrixEditor_->IsLoaded()) {
    matrixEditor_->Show();
  } else {
    vertexCountScreen_->Show();
  }
}

EdgeIdView* Navigator::createEdgeIdView() {
  auto* view = new EdgeIdView;
  view->showDrawing(lastDrawing_ ? &*lastDrawing_ : nullptr);
  QObject::connect(view, &EdgeIdView::returnRequested, view, [this] {
    if (graphView_->IsLoaded()) {
      graphView_->Show();
      edgeIdView_->Unload();
      return;
    }
    // The graph view is gone: back to the matrix editor rather than load a graph view from
    // boxes that were never validated.
    edgeIdView_->Unload();
    if (matrixEditor_->IsLoaded()) {
      matrixEditor_->Show();
    } else {
      vertexCountScreen_->Show();
    }
  });
  return view;
}

bool Navigator::anyShown() const {
  return startScreen_->IsShown() || helpScreen_->IsShown() || vertexCountScreen_->IsShown() ||
         matrixEditor_->IsShown() || graphView_->IsShown() || edgeIdView_->IsShown();
}

// The check waits until the handler that hid or unloaded a window has finished, so that a
// handler that unloads one window and then shows another never ends the application.
void Navigator::scheduleEndCheck() {
  if (endCheckPending_) return;
  endCheckPending_ = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [this, guard = std::weak_ptr<bool>(alive_)] {
    if (guard.expired()) return;
    checkEnd();
  });
}

void Navigator::checkEnd() {
  endCheckPending_ = false;
  if (anyShown()) return;
  // No new check while the hidden windows go.
  endCheckPending_ = true;
  edgeIdView_->Unload();
  graphView_->Unload();
  matrixEditor_->Unload();
  vertexCountScreen_->Unload();
  helpScreen_->Unload();
  startScreen_->Unload();
  endCheckPending_ = false;
  if (onEnd_) onEnd_();
}

}  // namespace tsp
