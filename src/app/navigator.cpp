#include "app/navigator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/graph_files.h"
#include "core/graph/matrix.h"
#include "core/report/report.h"
#include "core/text/number_text.h"
#include "ui/dialog_gate.h"
#include "windows/compare_window.h"
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
  const auto changed = [this] {
    updateComparison();
    scheduleEndCheck();
  };
  startScreen_ =
      std::make_unique<Slot<StartScreen>>([this] { return createStartScreen(); }, changed);
  helpScreen_ = std::make_unique<Slot<HelpScreen>>([this] { return createHelpScreen(); }, changed);
  vertexCountScreen_ = std::make_unique<Slot<VertexCountScreen>>(
      [this] { return createVertexCountScreen(); }, changed);
  matrixEditor_ =
      std::make_unique<Slot<MatrixEditor>>([this] { return createMatrixEditor(); }, changed);
  graphView_ = std::make_unique<Slot<GraphView>>([this] { return createGraphView(); }, changed);
  edgeIdView_ = std::make_unique<Slot<EdgeIdView>>([this] { return createEdgeIdView(); }, changed);
  compareWindow_ =
      std::make_unique<Slot<CompareWindow>>([this] { return createCompareWindow(); }, changed);
}

Navigator::~Navigator() {
  compareWindow_.reset();
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
  QObject::connect(screen, &StartScreen::openRequested, screen,
                   [this, screen] { askForGraphFile(*startScreen_, screen); });
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
  QObject::connect(editor, &MatrixEditor::viewGraphRequested, editor, [this] {
    graphView_->Show();
    updateComparison();
  });
  QObject::connect(editor, &MatrixEditor::resetRequested, editor, [this] {
    matrixEditor_->Unload();
    vertexCountScreen_->Show();
  });
  QObject::connect(editor, &MatrixEditor::exitRequested, editor,
                   [this] { matrixEditor_->Unload(); });
  QObject::connect(editor, &MatrixEditor::openRequested, editor,
                   [this, editor] { askForGraphFile(*matrixEditor_, editor); });
  QObject::connect(editor, &MatrixEditor::saveRequested, editor, [this] { saveGraphFile(); });
  return editor;
}

// The graph view's load step draws the editor's boxes, keeping one white "1" per vertex pair in
// the editor too. It only ever opens from a validated editor; without one it stays empty
// rather than draw boxes that nobody checked.
GraphView* Navigator::createGraphView() {
  auto* view = new GraphView(services_);
  QObject::connect(view, &GraphView::rearrangeRequested, view, [this] { leaveGraphView(); });
  QObject::connect(view, &GraphView::edgeIdsRequested, view, [this] { edgeIdView_->Show(); });
  QObject::connect(view, &GraphView::compareRequested, view, [this] { showComparison(); });
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

CompareWindow* Navigator::createCompareWindow() {
  auto* window = new CompareWindow;
  QObject::connect(window, &CompareWindow::closeRequested, window,
                   [this] { compareWindow_->Unload(); });
  QObject::connect(window, &CompareWindow::playRequested, window,
                   [this](const QString& id) { playCompared(id); });
  return window;
}

// Computed afresh every time it opens, from the graph on view.
void Navigator::showComparison() {
  const GraphView* view = graphView_->Get();
  if (view == nullptr || !view->drawing()) return;
  compared_ = *view->drawing();
  CompareWindow& window = compareWindow_->Show();
  window.showReport(MakeReport(*compared_));
  window.setPlayable(true);
}

bool Navigator::graphViewShowsCompared() const {
  const GraphView* view = graphView_->Get();
  return view != nullptr && view->drawing() && compared_ && *view->drawing() == *compared_;
}

void Navigator::updateComparison() {
  if (CompareWindow* window = compareWindow_->Get()) window->setPlayable(graphViewShowsCompared());
}

void Navigator::playCompared(const QString& id) {
  if (!graphViewShowsCompared()) return;
  graphView_->Show().playAlgorithm(id.toStdString());
}

// The answer counts only while the window that asked is still loaded: its dialog blocks every
// window, but whatever unloads one anyway takes its question with it.
void Navigator::askForGraphFile(const ui::WindowSlotBase& asker, ui::Window* window) {
  const std::weak_ptr<bool> guard = alive_;
  const QString path = services_.Files.OpenFileName(
      window, QStringLiteral("Open a graph"),
      QStringLiteral("Graphs (*.tspgraph *.csv);;TSP graph (*.tspgraph);;CSV weight matrix "
                     "(*.csv);;All files (*)"));
  if (path.isEmpty() || guard.expired() || !asker.Holds(window)) return;
  openGraphFile(path);
}

bool Navigator::openGraphFile(const QString& path) {
  // A CSV matrix keeps the iteration count typed so far, "1" when nothing was.
  const VertexCountScreen* typed = vertexCountScreen_->Get();
  const QString iterations = typed != nullptr && !typed->iterationText().isEmpty()
                                 ? typed->iterationText()
                                 : QStringLiteral("1");
  auto read = ReadGraphDocument(path, iterations);
  if (const QString* error = std::get_if<QString>(&read)) {
    services_.Messages.Show(FileMessage(QStringLiteral("open"), path, *error));
    return false;
  }
  const GraphDocument& document = std::get<GraphDocument>(read);
  const QString iterationText = QString::fromStdString(document.IterationText);
  if (!VertexCountScreen::IsIterationText(iterationText)) {
    services_.Messages.Show(FileMessage(
        QStringLiteral("open"), path,
        QStringLiteral("the iteration count \"%1\" is not a number between -32768 and 32767.")
            .arg(iterationText.left(24))));
    return false;
  }
  // Through the same steps as typing the counts and pressing "Continue".
  vertexCountScreen_->Load().setCounts(QString::number(document.VertexCount), iterationText);
  matrixEditor_->Unload();
  matrixEditor_->Show().setTexts(BoxTextsOf(document));
  vertexCountScreen_->Hide();
  startScreen_->Unload();
  helpScreen_->Unload();
  return true;
}

void Navigator::saveGraphFile() {
  MatrixEditor* editor = matrixEditor_->Get();
  if (editor == nullptr || editor->vertexCount() < 1 || editor->vertexCount() > MaxVertices) {
    return;
  }
  const std::weak_ptr<bool> guard = alive_;
  QString path = services_.Files.SaveFileName(editor, QStringLiteral("Save the graph"),
                                              QStringLiteral("TSP graph (*.tspgraph)"),
                                              QStringLiteral("graph.tspgraph"));
  // The boxes to save are the editor's that asked, if it is still there.
  if (path.isEmpty() || guard.expired() || !matrixEditor_->Holds(editor)) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tspgraph");
  // The iteration count as typed, unless the screen now holds another than the editor took.
  const VertexCountScreen* typed = vertexCountScreen_->Get();
  QString iterations = QString::number(editor->iterationCount());
  if (typed != nullptr &&
      ToInt16(NumericValue(typed->iterationText().toStdString())) == editor->iterationCount()) {
    iterations = typed->iterationText();
  }
  const GraphDocument document =
      DocumentOf(editor->vertexCount(), iterations.toStdString(), editor->texts());
  if (const auto error = WriteGraphDocument(path, document)) {
    services_.Messages.Show(FileMessage(QStringLiteral("save"), path, *error));
  }
}

bool Navigator::anyShown() const {
  return startScreen_->IsShown() || helpScreen_->IsShown() || vertexCountScreen_->IsShown() ||
         matrixEditor_->IsShown() || graphView_->IsShown() || edgeIdView_->IsShown() ||
         compareWindow_->IsShown();
}

// The check waits until the handler that hid or unloaded a window has finished, so that a
// handler that unloads one window and then shows another never ends the application. A
// dialog's event loop runs the timer too, inside such a handler: then the check starts again
// once the dialogs have closed.
void Navigator::scheduleEndCheck() {
  if (endCheckPending_) return;
  endCheckPending_ = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [this, guard = std::weak_ptr<bool>(alive_)] {
    if (guard.expired()) return;
    if (!ui::WindowsBlocked()) {
      checkEnd();
      return;
    }
    ui::WhenWindowsFree(QCoreApplication::instance(), [this, guard] {
      if (guard.expired()) return;
      endCheckPending_ = false;
      scheduleEndCheck();
    });
  });
}

void Navigator::checkEnd() {
  endCheckPending_ = false;
  if (anyShown()) return;
  // No new check while the hidden windows go.
  endCheckPending_ = true;
  compareWindow_->Unload();
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
