#include "app/navigator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/examples.h"
#include "app/graph_files.h"
#include "core/graph/matrix.h"
#include "core/report/report.h"
#include "core/text/number_text.h"
#include "ui/dialog_gate.h"
#include "windows/compare_window.h"
#include "windows/edge_id_view.h"
#include "windows/example_gallery.h"
#include "windows/graph_view.h"
#include "windows/help_screen.h"
#include "windows/matrix_editor.h"
#include "windows/start_screen.h"
#include "windows/vertex_count_screen.h"

namespace tsp {

Navigator::Navigator(ui::Services services)
    : services_(services),
      exampleFolder_(ExampleFolder()),
      windows_([this](auto window) { return create(window); },
               [this] {
                 updateComparison();
                 scheduleEndCheck();
               }) {}

Navigator::~Navigator() = default;

void Navigator::start() {
  window<StartScreen>().Show();
}

StartScreen* Navigator::create(std::type_identity<StartScreen>) {
  auto* screen = new StartScreen;
  QObject::connect(screen, &StartScreen::startRequested, screen, [this] {
    window<VertexCountScreen>().Show();
    window<StartScreen>().Unload();
  });
  QObject::connect(screen, &StartScreen::helpRequested, screen,
                   [this] { window<HelpScreen>().Show(); });
  QObject::connect(screen, &StartScreen::openRequested, screen,
                   [this, screen] { askForGraphFile(window<StartScreen>(), screen); });
  QObject::connect(screen, &StartScreen::exampleRequested, screen,
                   [this] { showExampleGallery(); });
  return screen;
}

HelpScreen* Navigator::create(std::type_identity<HelpScreen>) {
  auto* screen = new HelpScreen;
  QObject::connect(screen, &HelpScreen::backRequested, screen, [this] {
    window<HelpScreen>().Unload();
    window<StartScreen>().Show();
  });
  return screen;
}

VertexCountScreen* Navigator::create(std::type_identity<VertexCountScreen>) {
  auto* screen = new VertexCountScreen(services_);
  QObject::connect(screen, &VertexCountScreen::continueRequested, screen, [this] {
    window<MatrixEditor>().Show();
    window<VertexCountScreen>().Hide();
  });
  return screen;
}

// The editor's load step reads the counts from the vertex-count screen, loading it if need be.
MatrixEditor* Navigator::create(std::type_identity<MatrixEditor>) {
  auto* editor = new MatrixEditor(services_);
  const VertexCountScreen& counts = window<VertexCountScreen>().Load();
  editor->loadCounts(counts.vertexCountText(), counts.iterationText());
  QObject::connect(editor, &MatrixEditor::viewGraphRequested, editor, [this] {
    window<GraphView>().Show();
    updateComparison();
  });
  QObject::connect(editor, &MatrixEditor::resetRequested, editor, [this] {
    window<MatrixEditor>().Unload();
    window<VertexCountScreen>().Show();
  });
  QObject::connect(editor, &MatrixEditor::exitRequested, editor,
                   [this] { window<MatrixEditor>().Unload(); });
  QObject::connect(editor, &MatrixEditor::openRequested, editor,
                   [this, editor] { askForGraphFile(window<MatrixEditor>(), editor); });
  QObject::connect(editor, &MatrixEditor::saveRequested, editor, [this] { saveGraphFile(); });
  QObject::connect(editor, &MatrixEditor::exampleRequested, editor,
                   [this] { showExampleGallery(); });
  return editor;
}

// The graph view's load step draws the editor's boxes, keeping one white "1" per vertex pair in
// the editor too. It only ever opens from a validated editor; without one it stays empty
// rather than draw boxes that nobody checked.
GraphView* Navigator::create(std::type_identity<GraphView>) {
  auto* view = new GraphView(services_);
  QObject::connect(view, &GraphView::rearrangeRequested, view, [this] { leaveGraphView(); });
  QObject::connect(view, &GraphView::edgeIdsRequested, view,
                   [this] { window<EdgeIdView>().Show(); });
  QObject::connect(view, &GraphView::compareRequested, view, [this] { showComparison(); });
  QObject::connect(view, &GraphView::exitRequested, view, [this] {
    window<GraphView>().Unload();
    window<MatrixEditor>().Unload();
  });

  MatrixEditor* editor = window<MatrixEditor>().Get();
  if (editor == nullptr) return view;
  const std::int16_t vertexCount = editor->vertexCount();
  if (vertexCount < 1 || vertexCount > MaxVertices) return view;
  MatrixTexts texts = editor->texts();
  texts.White = KeepOneBoxPerPair(texts.White);
  editor->setWhiteTexts(texts.White);
  lastDrawing_ = BuildDrawing(vertexCount, texts);
  view->loadGraph(*lastDrawing_, editor->iterationCount());
  view->setGraphTitle(editor->graphTitle());
  if (EdgeIdView* grid = window<EdgeIdView>().Get()) grid->showDrawing(&*lastDrawing_);
  return view;
}

void Navigator::leaveGraphView() {
  window<GraphView>().Unload();
  if (window<MatrixEditor>().IsLoaded()) {
    window<MatrixEditor>().Show();
  } else {
    window<VertexCountScreen>().Show();
  }
}

EdgeIdView* Navigator::create(std::type_identity<EdgeIdView>) {
  auto* view = new EdgeIdView;
  view->showDrawing(lastDrawing_ ? &*lastDrawing_ : nullptr);
  QObject::connect(view, &EdgeIdView::returnRequested, view, [this] {
    if (window<GraphView>().IsLoaded()) {
      window<GraphView>().Show();
      window<EdgeIdView>().Unload();
      return;
    }
    // The graph view is gone: back to the matrix editor rather than load a graph view from
    // boxes that were never validated.
    window<EdgeIdView>().Unload();
    if (window<MatrixEditor>().IsLoaded()) {
      window<MatrixEditor>().Show();
    } else {
      window<VertexCountScreen>().Show();
    }
  });
  return view;
}

CompareWindow* Navigator::create(std::type_identity<CompareWindow>) {
  auto* comparison = new CompareWindow;
  QObject::connect(comparison, &CompareWindow::closeRequested, comparison,
                   [this] { window<CompareWindow>().Unload(); });
  QObject::connect(comparison, &CompareWindow::playRequested, comparison,
                   [this](const QString& id) { playCompared(id); });
  return comparison;
}

// Computed afresh every time it opens, from the graph on view.
void Navigator::showComparison() {
  const GraphView* view = window<GraphView>().Get();
  if (view == nullptr || !view->drawing()) return;
  compared_ = *view->drawing();
  CompareWindow& comparison = window<CompareWindow>().Show();
  comparison.showReport(MakeReport(*compared_));
  comparison.setPlayable(true);
}

bool Navigator::graphViewShowsCompared() const {
  const GraphView* view = window<GraphView>().Get();
  return view != nullptr && view->drawing() && compared_ && *view->drawing() == *compared_;
}

void Navigator::updateComparison() {
  if (CompareWindow* comparison = window<CompareWindow>().Get()) {
    comparison->setPlayable(graphViewShowsCompared());
  }
}

void Navigator::playCompared(const QString& id) {
  if (!graphViewShowsCompared()) return;
  window<GraphView>().Show().playAlgorithm(id.toStdString());
}

ExampleGallery* Navigator::create(std::type_identity<ExampleGallery>) {
  auto* gallery = new ExampleGallery;
  QObject::connect(gallery, &ExampleGallery::openRequested, gallery, [this](const QString& id) {
    if (openExample(id)) window<ExampleGallery>().Unload();
  });
  QObject::connect(gallery, &ExampleGallery::cancelRequested, gallery,
                   [this] { window<ExampleGallery>().Unload(); });
  return gallery;
}

// The list is read when the gallery opens; one already open is only brought to the front.
void Navigator::showExampleGallery() {
  if (window<ExampleGallery>().IsLoaded()) {
    window<ExampleGallery>().Show();
    return;
  }
  std::vector<ExampleGallery::Entry> entries;
  for (const Example& example : ListExamples(exampleFolder_)) {
    entries.push_back({example.Id, example.Title, example.Description});
  }
  if (entries.empty()) {
    services_.Messages.Show(NoExamplesText(exampleFolder_));
    return;
  }
  window<ExampleGallery>().Show().showExamples(std::move(entries));
}

bool Navigator::openExample(const QString& id) {
  const QString path = ExamplePath(exampleFolder_, id);
  if (path.isEmpty()) {
    services_.Messages.Show(
        QStringLiteral("The example \"%1\" is no longer there.").arg(id.left(40)));
    return false;
  }
  return openGraphFile(path);
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
  const VertexCountScreen* typed = window<VertexCountScreen>().Get();
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
  window<VertexCountScreen>().Load().setCounts(QString::number(document.VertexCount),
                                               iterationText);
  window<MatrixEditor>().Unload();
  MatrixEditor& editor = window<MatrixEditor>().Show();
  editor.setTexts(BoxTextsOf(document));
  editor.setGraphTitle(QString::fromStdString(document.Title),
                       QString::fromStdString(document.Description));
  window<VertexCountScreen>().Hide();
  window<StartScreen>().Unload();
  window<HelpScreen>().Unload();
  return true;
}

void Navigator::saveGraphFile() {
  MatrixEditor* editor = window<MatrixEditor>().Get();
  if (editor == nullptr || editor->vertexCount() < 1 || editor->vertexCount() > MaxVertices) {
    return;
  }
  const std::weak_ptr<bool> guard = alive_;
  QString path = services_.Files.SaveFileName(editor, QStringLiteral("Save the graph"),
                                              QStringLiteral("TSP graph (*.tspgraph)"),
                                              QStringLiteral("graph.tspgraph"));
  // The boxes to save are the editor's that asked, if it is still there.
  if (path.isEmpty() || guard.expired() || !window<MatrixEditor>().Holds(editor)) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tspgraph");
  // The iteration count as typed, unless the screen now holds another than the editor took.
  const VertexCountScreen* typed = window<VertexCountScreen>().Get();
  QString iterations = QString::number(editor->iterationCount());
  if (typed != nullptr &&
      ToInt16(NumericValue(typed->iterationText().toStdString())) == editor->iterationCount()) {
    iterations = typed->iterationText();
  }
  GraphDocument document =
      DocumentOf(editor->vertexCount(), iterations.toStdString(), editor->texts());
  document.Title = editor->graphTitle().toStdString();
  document.Description = editor->graphDescription().toStdString();
  if (const auto error = WriteGraphDocument(path, document)) {
    services_.Messages.Show(FileMessage(QStringLiteral("save"), path, *error));
  }
}

bool Navigator::anyShown() const {
  bool shown = false;
  windows_.ForEach([&shown](const ui::WindowSlotBase& slot) { shown = shown || slot.IsShown(); });
  return shown;
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
  windows_.ForEachLastFirst([](ui::WindowSlotBase& slot) { slot.Unload(); });
  endCheckPending_ = false;
  if (onEnd_) onEnd_();
}

}  // namespace tsp
