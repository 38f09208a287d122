#include "app/random_session.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <random>

#include "app/examples.h"
#include "app/graph_files.h"
#include "app/random_text.h"
#include "core/algorithms/algorithm_table.h"
#include "core/graph/matrix.h"
#include "core/lesson/animation.h"
#include "core/text/number_text.h"
#include "support/session_helpers.h"
#include "support/widget_helpers.h"
#include "ui/canvas.h"
#include "ui/dialog_gate.h"
#include "ui/timer.h"
#include "windows/compare_window.h"
#include "windows/example_gallery.h"
#include "windows/graph_view.h"

namespace tsp::testing {
namespace {

constexpr int WindowCount = 8;
enum WindowId { F1, F2, F3, F4, F5, F6, FC, FG };
// The six numbered windows, then the comparison window that the graph view opens and the
// examples that the start screen and the editor open.
const std::array<QString, WindowCount> Titles = {
    "Form1",          "Form2", "Form3", "Form4", "Form5", "Form6", "Compare with the optimum",
    "Open an example"};

const QString VertexCountMessage = QStringLiteral("Please enter a number between 1 and 10 !");
const QString IterationMessage =
    QStringLiteral("Please enter a number of iterations between -32768 and 32767 !");
const QString WhiteMessage = QStringLiteral("Number must be 1's or 0's in white boxes ");
const QString RedMessage =
    QStringLiteral("Value for boxes must be between -101  and 101 different from 0.");
const QString TreeEnd = QString::fromLatin1(SentinelFoundMessage);
const QString TourEnd = QString::fromLatin1(EndReachedMessage);
const QString NoTourMessage = QStringLiteral("No tour visits every vertex once and returns to A:");

// Names the session answers the file dialog with, inside its own folder.
const QString MissingFile = QStringLiteral("missing.tspgraph");
const QString BrokenFile = QStringLiteral("broken.tspgraph");
const QString MissingFolder = QStringLiteral("no-such-folder/graph.tspgraph");

int WindowIndex(const QString& title) {
  for (int i = 0; i < WindowCount; ++i) {
    if (Titles[i] == title) return i;
  }
  return -1;
}

QString BoxText(const QWidget* box) {
  if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(box)) return multi->toPlainText();
  // Its text is fixed up when it loses focus; the value is what counts.
  if (const auto* spin = qobject_cast<const QSpinBox*>(box)) return QString::number(spin->value());
  return {};
}

// A spin box counts as one box; the line edit inside it is part of it.
bool IsBox(const QWidget* w) {
  if (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) != nullptr) return false;
  return qobject_cast<const QLineEdit*>(w) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(w) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

// Nothing can be typed into it: keys go to the window's shortcuts instead.
bool IsReadOnly(const QWidget* w) {
  if (const auto* line = qobject_cast<const QLineEdit*>(w)) return line->isReadOnly();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(w)) return multi->isReadOnly();
  return false;
}

using BoxTexts = QHash<QString, QString>;

BoxTexts TextsOf(const QWidget* window) {
  BoxTexts texts;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (IsBox(w)) texts.insert(w->objectName(), BoxText(w));
  }
  return texts;
}

QString Text(const QWidget* window, const QString& name) {
  const auto* box = window->findChild<QLineEdit*>(name);
  return box != nullptr ? box->text() : QString();
}

QString White(int box) {
  return QStringLiteral("Text1_%1").arg(box);
}
QString Red(int box) {
  return QStringLiteral("Text2_%1").arg(box);
}

bool IsVertexCountText(const QString& text) {
  bool ok = false;
  const int n = text.toInt(&ok);
  return ok && n >= 1 && n <= MaxVertices && text == QString::number(n);
}

// A line as the graph view shows it: its weight box, named after the vertices it joins.
struct ShownLine {
  int From = 0;
  int To = 0;
  QString Text;
};

// The weight boxes shown, in line-id order; nothing when a box's name is not a vertex pair.
std::optional<std::vector<ShownLine>> ShownLines(const QWidget* view) {
  static const QRegularExpression name(QStringLiteral("^Weight of edge ([A-J])--([A-J])$"));
  std::vector<ShownLine> lines;
  for (int k = 0; k < BoxCount; ++k) {
    const auto* box = view->findChild<QLineEdit*>(QStringLiteral("Text3_%1").arg(k));
    if (box == nullptr || !box->isVisibleTo(view)) break;
    const auto match = name.match(box->accessibleName());
    if (!match.hasMatch()) return std::nullopt;
    lines.push_back({match.captured(1)[0].unicode() - u'A', match.captured(2)[0].unicode() - u'A',
                     box->text()});
  }
  return lines;
}

int ShownVertices(const QWidget* view) {
  int n = 0;
  for (int v = 0; v < MaxVertices; ++v) {
    const auto* letter = view->findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(v));
    if (letter != nullptr && letter->isVisibleTo(view)) ++n;
  }
  return n;
}

int LineBetween(const std::vector<ShownLine>& lines, int a, int b) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if ((lines[k].From == a && lines[k].To == b) || (lines[k].From == b && lines[k].To == a)) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

int WeightOf(const ShownLine& line) {
  return WeightOfText(line.Text.toStdString());
}

// "X--Y," pairs; nothing when the text is anything else.
std::optional<std::vector<std::pair<int, int>>> Pairs(const QString& text) {
  static const QRegularExpression list(QStringLiteral("^([A-J]--[A-J],)*$"));
  if (!list.match(text).hasMatch()) return std::nullopt;
  std::vector<std::pair<int, int>> pairs;
  for (qsizetype i = 0; i < text.size(); i += 5) {
    pairs.emplace_back(text[i].unicode() - u'A', text[i + 3].unicode() - u'A');
  }
  return pairs;
}

// Total weight of a least tree over the vertices that A reaches (Prim's algorithm), with the
// set of those vertices.
std::pair<int, unsigned> LeastTree(int n, const std::vector<ShownLine>& lines) {
  unsigned reached = 1;
  int total = 0;
  for (;;) {
    int best = -1;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const ShownLine& l = lines[k];
      if (l.From >= n || l.To >= n || ((reached >> l.From) & 1) == ((reached >> l.To) & 1)) {
        continue;
      }
      if (best < 0 || WeightOf(l) < WeightOf(lines[best])) best = static_cast<int>(k);
    }
    if (best < 0) return {total, reached};
    reached |= (1u << lines[best].From) | (1u << lines[best].To);
    total += WeightOf(lines[best]);
  }
}

// Weight of the lightest closed walk from A through every vertex once, over the lines shown;
// nothing when there is none. One vertex is a tour of weight 0; two joined vertices use their
// line twice.
std::optional<int> LightestTour(int n, const std::vector<ShownLine>& lines) {
  constexpr int None = std::numeric_limits<int>::max();
  std::vector<std::vector<int>> weight(n, std::vector<int>(n, None));
  for (const ShownLine& l : lines) {
    if (l.From < n && l.To < n) weight[l.From][l.To] = weight[l.To][l.From] = WeightOf(l);
  }
  if (n == 1) return 0;
  if (n == 2) {
    return weight[0][1] == None ? std::nullopt : std::optional<int>(2 * weight[0][1]);
  }
  // best[set][v]: lightest path from A through the set (which holds v, not A) ending at v.
  const int sets = 1 << n;
  std::vector<std::vector<int>> best(sets, std::vector<int>(n, None));
  for (int v = 1; v < n; ++v) best[1 << v][v] = weight[0][v];
  for (int set = 2; set < sets; set += 2) {
    for (int v = 1; v < n; ++v) {
      if (!((set >> v) & 1) || best[set][v] == None) continue;
      for (int w = 1; w < n; ++w) {
        if (((set >> w) & 1) || weight[v][w] == None) continue;
        int& next = best[set | (1 << w)][w];
        next = std::min(next, best[set][v] + weight[v][w]);
      }
    }
  }
  int lightest = None;
  for (int v = 1; v < n; ++v) {
    if (best[sets - 2][v] != None && weight[v][0] != None)
      lightest = std::min(lightest, best[sets - 2][v] + weight[v][0]);
  }
  return lightest == None ? std::nullopt : std::optional<int>(lightest);
}

// A C++ string literal of char16_t that holds text exactly.
QString Char16Literal(const QString& text) {
  QString out = QStringLiteral("u\"");
  bool afterHexEscape = false;
  for (const QChar ch : text) {
    const char16_t unit = ch.unicode();
    const bool plain = unit >= 0x20 && unit < 0x7f && unit != '"' && unit != '\\' && unit != '?';
    if (plain) {
      // A hex escape would swallow a hex digit behind it.
      if (afterHexEscape && QStringLiteral("0123456789abcdefABCDEF").contains(ch)) {
        out += QStringLiteral("\" u\"");
      }
      out += ch;
      afterHexEscape = false;
    } else {
      out += QStringLiteral("\\x%1").arg(static_cast<unsigned>(unit), 4, 16, QChar(u'0'));
      afterHexEscape = true;
    }
  }
  return out + QChar(u'"');
}

const char* KindName(Act kind) {
  switch (kind) {
    case Act::Start:
      return "Start";
    case Act::Click:
      return "Click";
    case Act::Type:
      return "Type";
    case Act::Paste:
      return "Paste";
    case Act::Enter:
      return "Enter";
    case Act::Close:
      return "Close";
    case Act::Tick:
      return "Tick";
    case Act::Choose:
      return "Choose";
  }
  return "";
}

constexpr int RunCount = 5;
// The graph view's own runs, then the plays that the comparison's rows start.
enum RunId { TreeRun, TourRun, CycleRun, OptimumRun, PlayRun };
const std::array<QString, RunCount> TimerNames = {"Timer1", "Timer2", "Timer3", "OptimumTimer",
                                                  "PlayTimer"};
const std::array<const char*, RunCount> RunButtons = {"Command2", "Command4", "Command6",
                                                      "OptimumButton", ""};

// The row of the table of algorithms behind a "Play" of the comparison.
const AlgorithmRow* PlayedRow(const Action& action) {
  if (action.Kind != Act::Click || action.Window != Titles[FC] ||
      !action.Control.startsWith(QLatin1String("Play_"))) {
    return nullptr;
  }
  return FindAlgorithm(action.Control.mid(5).toStdString());
}

// Drives the real windows and checks, after every action, what the user sees.
class Session {
 public:
  explicit Session(bool pressWhileDialogsOpen = false)
      : pressWhileDialogsOpen_(pressWhileDialogsOpen) {
    QFile broken(FilePath(BrokenFile));
    if (broken.open(QIODevice::WriteOnly)) broken.write("{\"vertices\": ");
  }
  QString Perform(const Action& action);
  Action Pick(std::mt19937& random);
  const SessionCounts& Counts() const { return counts_; }

 private:
  struct Before {
    std::array<QPointer<ui::Window>, WindowCount> Windows;
    std::array<BoxTexts, WindowCount> Texts;
    int Messages = 0;
    int Ends = 0;
    std::array<bool, RunCount> TimersOn{};
    std::array<bool, WindowCount> Shown{};
    int Asked = 0;
  };

  ui::Window* At(int window) const {
    if (window == FC) return app_->App->window<CompareWindow>().Get();
    if (window == FG) return app_->App->window<ExampleGallery>().Get();
    return WindowNamed(*app_->App, Titles[window]);
  }
  ui::Timer* TimerOf(int timer) const {
    const ui::Window* view = At(F4);
    return view != nullptr ? view->findChild<ui::Timer*>(TimerNames[timer]) : nullptr;
  }
  bool Shown(int window) const { return At(window) != nullptr && At(window)->isVisible(); }
  Before Capture() const;
  bool Execute(const Action& action);
  void Tick(int timer);
  void PressBlockedWindows();
  QString ChangedSince(const Before& before) const;
  void Fail(const QString& reason) {
    if (failure_.isEmpty()) failure_ = reason;
  }
  bool NewlyLoaded(const Before& before, int window) const {
    return At(window) != nullptr && At(window) != before.Windows[window].data();
  }
  static bool IsClick(const Action& a, int window, const char* button) {
    return a.Kind == Act::Click && a.Window == Titles[window] && a.Control == QLatin1String(button);
  }
  // The run a click starts: one of the view's buttons, or a row of the comparison.
  static bool Starts(const Action& a, int run) {
    return run == PlayRun ? PlayedRow(a) != nullptr : IsClick(a, F4, RunButtons[run]);
  }
  // A play of the comparison lists in the tree's box unless it plays a tour.
  bool PlaysTree() const { return playing_ == TreeRun || (playing_ == PlayRun && !played_.IsTour); }
  // A practice is asking its questions: its answer list is on screen.
  bool Practising() const {
    const ui::Window* view = At(F4);
    const auto* list = view ? view->findChild<QListWidget*>(QStringLiteral("AnswerList")) : nullptr;
    return list != nullptr && list->isVisible();
  }
  static bool IsPracticeAction(const Action& a) {
    return (a.Kind == Act::Choose && a.Window == Titles[F4]) || IsClick(a, F4, "CheckButton") ||
           IsClick(a, F4, "RevealButton");
  }

  void CheckMessages(const Action& action, const Before& before);
  void CheckEnd(const Before& before);
  void CheckWindows(const Action& action, const Before& before);
  void CheckEditor(const Before& before);
  void CheckGraphViewLoad(const Before& before);
  void CheckEdgeIds(const Before& before);
  void CheckUntouchedTexts(const Action& action, const Before& before);
  void CheckLists(const Action& action);
  void CheckRunEnds(const Action& action, const Before& before);
  void FollowPlayback(const Action& action, const Before& before);
  void CheckPlayback(const Before& before);
  void CheckFiles(const Action& action, const Before& before);
  void CheckComparison(const Action& action);

  // What the editor held when a graph file was written.
  struct SavedGraph {
    int VertexCount = 0;
    QString Iterations;
    QStringList White;  // the vertexCount × vertexCount block, row-major
    QStringList Red;
  };
  // What the playing run's own boxes, the step line and the lines show at one tick.
  struct Shot {
    QStringList Texts;
    std::vector<QColor> Colours;
    bool operator==(const Shot&) const = default;
  };
  Shot TakeShot() const;
  // The example chosen in the list, as the file holds it.
  static std::optional<SavedGraph> ExampleGraph(const ui::Window* gallery) {
    const QString id = static_cast<const ExampleGallery*>(gallery)->chosenId();
    const auto read =
        ReadGraphDocument(ExamplePath(QStringLiteral(TSP_EXAMPLES_DIR), id), QStringLiteral("1"));
    const auto* document = std::get_if<GraphDocument>(&read);
    if (document == nullptr) return std::nullopt;
    SavedGraph graph{
        document->VertexCount, QString::fromStdString(document->IterationText), {}, {}};
    for (std::size_t k = 0; k < document->White.size(); ++k) {
      graph.White.append(QString::fromStdString(document->White[k]));
      graph.Red.append(QString::fromStdString(document->Red[k]));
    }
    return graph;
  }
  QString FilePath(const QString& name) const { return folder_.filePath(name); }
  static bool IsOpenClick(const Action& a) {
    return IsClick(a, F1, "OpenGraphButton") || IsClick(a, F3, "OpenButton");
  }
  // The examples' "Open" opens a graph file as the file dialog's answer does.
  static bool IsExampleOpen(const Action& a) { return IsClick(a, FG, "OpenButton"); }
  static bool OpensGraph(const Action& a) { return IsOpenClick(a) || IsExampleOpen(a); }
  static bool IsFileClick(const Action& a) {
    return IsOpenClick(a) || IsClick(a, F3, "SaveButton") || IsClick(a, F4, "ExportButton");
  }
  static QString SavedName(const QString& answer) {
    return QFileInfo(answer).suffix().isEmpty() ? answer + QStringLiteral(".tspgraph") : answer;
  }

  // The session ticks the animations itself.
  SwallowAnimationTimers swallow_;
  std::unique_ptr<TestApp> app_;
  QString failure_;
  int nestedTicks_ = 0;
  bool pressWhileDialogsOpen_ = false;
  std::optional<std::mt19937> whileOpen_;  // the presses of the action's dialogs
  int openBoxes_ = 0;
  // The counts as accepted on the vertex-count screen for the open editor.
  QString acceptedVertexCount_;
  QString acceptedIterations_;
  // The graph view's load: its iteration count and the lines drawn, kept because the user
  // may type over the weight boxes afterwards.
  int viewIterations_ = 0;
  int viewVertices_ = 0;
  std::vector<ShownLine> viewLines_;
  // The last run started on the graph view, as the user drove it.
  bool hasRun_ = false;
  int playing_ = TreeRun;
  Animation played_;  // what the comparison's play plays, from the table of algorithms
  // A practice plays its run through the answers; the session follows whether it is paused
  // or ended, but not which tick it shows, until a run starts afresh.
  bool practising_ = false;
  bool opaque_ = false;
  bool practiceTouched_ = false;  // the action asked, answered, started or left a practice
  int position_ = 0;              // ticks played
  bool ended_ = false;            // the tick at position_ showed the end message
  bool paused_ = false;
  bool moved_ = false;       // the action played, undid or restarted a tick
  std::vector<Shot> shots_;  // by position, as first played
  QTemporaryDir folder_;
  QHash<QString, SavedGraph> saved_;
  std::optional<SavedGraph> opening_;  // the saved graph the action opens
  std::vector<std::pair<int, QString>> tickMessages_;
  bool vertexCountClosedUnderEditor_ = false;
  SessionCounts counts_;
};

Session::Before Session::Capture() const {
  Before before;
  for (int w = 0; w < WindowCount; ++w) {
    before.Windows[w] = At(w);
    if (At(w) != nullptr) before.Texts[w] = TextsOf(At(w));
  }
  before.Messages = static_cast<int>(app_->Messages.Texts.size());
  before.Ends = app_->Ends;
  for (int t = 0; t < RunCount; ++t)
    before.TimersOn[t] = TimerOf(t) != nullptr && TimerOf(t)->Enabled();
  for (int w = 0; w < WindowCount; ++w) before.Shown[w] = Shown(w);
  before.Asked = app_->Files.Asked;
  return before;
}

void Session::Tick(int timer) {
  const qsizetype before = app_->Messages.Texts.size();
  // A tick while a dialog is open does nothing.
  const bool plays = !ui::WindowsBlocked() && timer == playing_;
  if (plays) {
    ++position_;
    moved_ = true;
  }
  TimerOf(timer)->Fire();
  if (app_->Messages.Texts.size() > before) {
    tickMessages_.emplace_back(timer, app_->Messages.Texts.back());
    ended_ = ended_ || plays;
  }
}

bool Session::Execute(const Action& action) {
  if (action.Kind == Act::Start) {
    app_.reset();
    app_ = std::make_unique<TestApp>();
    app_->Messages.OnShow = [this](const QString& text) {
      if (openBoxes_ > 0) Fail(QStringLiteral("a second message box opened over another: ") + text);
      ++openBoxes_;
      for (int k = 0; k < nestedTicks_; ++k) {
        for (int t = 0; t < RunCount; ++t) {
          if (TimerOf(t) != nullptr && TimerOf(t)->Enabled()) Tick(t);
        }
      }
      PressBlockedWindows();
      --openBoxes_;
    };
    app_->Files.OnAsk = [this] { PressBlockedWindows(); };
    app_->App->setExampleFolder(QStringLiteral(TSP_EXAMPLES_DIR));
    app_->App->start();
    return true;
  }
  const int index = WindowIndex(action.Window);
  ui::Window* window = index >= 0 ? At(index) : nullptr;
  if (window == nullptr || !window->isVisible()) return false;
  if (action.Kind == Act::Close) {
    window->close();
    return true;
  }
  if (action.Kind == Act::Tick) {
    const int timer = static_cast<int>(
        std::find(TimerNames.begin(), TimerNames.end(), action.Control) - TimerNames.begin());
    if (index != F4 || timer >= RunCount || !TimerOf(timer)->Enabled()) return false;
    Tick(timer);
    return true;
  }
  const QList<QWidget*> found = window->findChildren<QWidget*>(action.Control);
  if (found.size() != 1 || !found[0]->isVisible() || !found[0]->isEnabled()) return false;
  QWidget* control = found[0];
  if (action.Kind == Act::Click) {
    auto* button = qobject_cast<QPushButton*>(control);
    if (button == nullptr) return false;
    // The text of a click is the file the dialog answers with; none cancels it.
    app_->Files.Names.clear();
    if (!action.Text.isEmpty()) app_->Files.Names.append(FilePath(action.Text));
    QTest::mouseClick(button, Qt::LeftButton);
    app_->Files.Names.clear();
    return true;
  }
  if (action.Kind == Act::Choose) {
    const bool enter = action.Text.endsWith(u'+');
    const int item = QStringView(action.Text).left(action.Text.size() - (enter ? 1 : 0)).toInt();
    if (auto* box = qobject_cast<QComboBox*>(control)) {
      if (item < 0 || item >= box->count() || box->count() < 2) return false;
      // The arrow keys choose the neighbouring item and report it as chosen.
      box->setCurrentIndex(item > 0 ? item - 1 : 1);
      QTest::keyClick(box, item > 0 ? Qt::Key_Down : Qt::Key_Up);
      return true;
    }
    auto* list = qobject_cast<QListWidget*>(control);
    if (list == nullptr || item < 0 || item >= list->count()) return false;
    list->setCurrentRow(item);
    if (enter) QTest::keyClick(list, Qt::Key_Return);
    return true;
  }
  if (!IsBox(control)) return false;
  if (action.Kind == Act::Enter) {
    QTest::keyClick(control, Qt::Key_Return);
    return true;
  }
  QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
  if (action.Kind == Act::Paste) {
    QGuiApplication::clipboard()->setText(action.Text);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    return true;
  }
  if (action.Text.isEmpty()) QTest::keyClick(control, Qt::Key_Backspace);
  for (qsizetype i = 0; i < action.Text.size(); ++i) {
    QString key(action.Text[i]);
    if (action.Text[i].isHighSurrogate() && i + 1 < action.Text.size()) key += action.Text[++i];
    const char16_t unit = key[0].unicode();
    const Qt::Key code = unit < 0x80 ? QTest::asciiToKey(static_cast<char>(unit)) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, control, code, key, Qt::NoModifier);
  }
  return true;
}

// What the dialog's blocked windows show and do, against before: empty when nothing changed.
QString Session::ChangedSince(const Before& before) const {
  for (int w = 0; w < WindowCount; ++w) {
    if (At(w) != before.Windows[w].data() || Shown(w) != before.Shown[w])
      return Titles[w] + QStringLiteral(" was loaded, unloaded, shown or hidden");
    if (At(w) == nullptr) continue;
    const BoxTexts texts = TextsOf(At(w));
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
      if (before.Texts[w].value(it.key()) != it.value())
        return QStringLiteral("%1 %2 became \"%3\"").arg(Titles[w], it.key(), it.value().left(40));
    }
  }
  for (int t = 0; t < RunCount; ++t) {
    if ((TimerOf(t) != nullptr && TimerOf(t)->Enabled()) != before.TimersOn[t])
      return TimerNames[t] + QStringLiteral(" was switched");
  }
  if (app_->Messages.Texts.size() != before.Messages)
    return QStringLiteral("a message box opened: ") + app_->Messages.Texts.back();
  if (app_->Files.Asked != before.Asked) return QStringLiteral("a second file dialog opened");
  if (app_->Ends != before.Ends) return QStringLiteral("the program ended");
  return {};
}

// Inside a dialog's event loop: what reaches the windows it blocks, whatever Qt's modality
// stops (an accessibility press is a click()), changes nothing. Whatever the loop would run
// meanwhile (timers, deferred deletions) runs after each.
void Session::PressBlockedWindows() {
  if (!whileOpen_) return;
  std::mt19937& random = *whileOpen_;
  const Before before = Capture();
  const int presses = std::uniform_int_distribution<int>(2, 5)(random);
  for (int i = 0; i < presses && failure_.isEmpty(); ++i) {
    std::vector<std::function<QString()>> choices;
    for (int w = 0; w < WindowCount; ++w) {
      ui::Window* window = At(w);
      if (window == nullptr || !window->isVisible()) continue;
      const QString& title = Titles[w];
      choices.push_back([window, title] {
        window->close();
        return QStringLiteral("close ") + title;
      });
      for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisible() || !child->isEnabled()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
          choices.push_back([button, title] {
            const QString name = button->objectName();
            button->click();
            return QStringLiteral("click ") + title + u'/' + name;
          });
        } else if (IsBox(child) && !IsReadOnly(child)) {
          choices.push_back([child, title] {
            const QString name = child->objectName();
            QTest::keyClick(child, Qt::Key_7);
            return QStringLiteral("key 7 in ") + title + u'/' + name;
          });
        }
      }
    }
    for (int t = 0; t < RunCount; ++t) {
      if (TimerOf(t) == nullptr || !TimerOf(t)->Enabled()) continue;
      choices.push_back([this, t] {
        TimerOf(t)->Fire();
        return QStringLiteral("tick ") + TimerNames[t];
      });
    }
    if (choices.empty()) return;
    const auto pick = std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random);
    const QString done = choices[pick]();
    ++counts_.PressesWhileOpen;
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString changed = ChangedSince(before);
    if (!changed.isEmpty())
      Fail(QStringLiteral("while a dialog was open, %1: %2").arg(done, changed));
  }
}

QString Session::Perform(const Action& action) {
  failure_.clear();
  tickMessages_.clear();
  if (action.Kind != Act::Start && (!app_ || !app_->App->anyShown())) {
    return QStringLiteral("no window is open: only a program start is possible");
  }
  Before before;
  if (action.Kind == Act::Start) {
    ++counts_.Starts;
    vertexCountClosedUnderEditor_ = false;
    acceptedVertexCount_.clear();
    acceptedIterations_.clear();
  } else {
    before = Capture();
  }
  opening_.reset();
  moved_ = false;
  if (IsOpenClick(action) && saved_.contains(action.Text)) opening_ = saved_.value(action.Text);
  if (IsExampleOpen(action) && At(FG) != nullptr) opening_ = ExampleGraph(At(FG));
  nestedTicks_ = action.NestedTicks;
  if (action.PressesWhileOpen != 0) whileOpen_.emplace(action.PressesWhileOpen);
  const bool done = Execute(action);
  nestedTicks_ = 0;
  whileOpen_.reset();
  if (!done)
    return QStringLiteral("the action is not possible in this state: ") + ActionListCode({action});
  app_->Settle();

  if (action.Kind == Act::Start) {
    if (LoadedWindows(*app_) != QLatin1String("Form1")) {
      Fail(QStringLiteral("the start shows ") + LoadedWindows(*app_));
    }
    return failure_;
  }
  // Stepping forward past the last step shows the run's end again.
  if (IsClick(action, F4, "StepForwardButton") && hasRun_ &&
      app_->Messages.Texts.size() > before.Messages) {
    tickMessages_.emplace_back(playing_, app_->Messages.Texts.back());
  }
  for (const QString& text : app_->Messages.Texts.mid(before.Messages)) {
    if (text != TreeEnd && text != TourEnd) ++counts_.Rejections;
  }
  for (const auto& tick : tickMessages_)
    ++(tick.first == 0 ? counts_.TreeRunEnds : counts_.TourRunEnds);
  if (NewlyLoaded(before, F4)) ++counts_.GraphViews;
  CheckMessages(action, before);
  CheckEnd(before);
  if (app_->Ends > before.Ends) return failure_;
  CheckWindows(action, before);
  CheckEditor(before);
  CheckGraphViewLoad(before);
  CheckEdgeIds(before);
  FollowPlayback(action, before);
  CheckUntouchedTexts(action, before);
  CheckLists(action);
  CheckRunEnds(action, before);
  CheckPlayback(before);
  CheckFiles(action, before);
  CheckComparison(action);
  return failure_;
}

void Session::CheckMessages(const Action& action, const Before& before) {
  const QStringList shown = app_->Messages.Texts.mid(before.Messages);
  if (shown.size() > 1) {
    Fail(QStringLiteral("%1 messages for one action: ").arg(shown.size()) + shown.join(u'|'));
  }
  QStringList own = shown;
  for (const auto& tick : tickMessages_) own.removeOne(tick.second);

  QString expected;
  bool prefix = false;  // the message starts with expected
  if (IsClick(action, F4, "OptimumButton") && !LightestTour(viewVertices_, viewLines_)) {
    expected = NoTourMessage;
    prefix = true;
  } else if (IsClick(action, F4, "ExportButton") && action.Text.endsWith(QLatin1String(".txt"))) {
    expected = QStringLiteral("Cannot export ");
    prefix = true;
  } else if (IsClick(action, F3, "SaveButton") && action.Text == MissingFolder) {
    expected = QStringLiteral("Cannot save ");
    prefix = true;
  } else if (IsOpenClick(action) && !action.Text.isEmpty() &&
             (!opening_ || !ToInt16(NumericValue(opening_->Iterations.toStdString())))) {
    expected = QStringLiteral("Cannot open ");
    prefix = true;
  } else if (IsClick(action, F2, "Command1")) {
    const BoxTexts& texts = before.Texts[F2];
    if (!IsVertexCountText(texts.value(QStringLiteral("Text3")))) {
      expected = VertexCountMessage;
    } else if (!ToInt16(NumericValue(texts.value(QStringLiteral("Text4")).toStdString()))) {
      expected = IterationMessage;
    }
  } else if (IsClick(action, F3, "Command1")) {
    const BoxTexts& texts = before.Texts[F3];
    bool whitesPass = true;
    bool redsPass = true;
    for (int i = 0; i < BoxCount; ++i) {
      const QString white = texts.value(White(i));
      whitesPass = whitesPass && (white == QLatin1String("1") || white == QLatin1String("0"));
      const double red = NumericValue(texts.value(Red(i)).toStdString());
      redsPass = redsPass && red > -101 && red < 101 && red != 0;
    }
    if (!whitesPass) {
      expected = WhiteMessage;
    } else if (!redsPass) {
      expected = RedMessage;
    }
  }
  const QString got = own.isEmpty() ? QString() : own.front();
  if (prefix ? !got.startsWith(expected) : got != expected)
    Fail(QStringLiteral("message \"%1\" where \"%2\" was due").arg(got, expected));
}

void Session::CheckEnd(const Before& before) {
  const bool anyShown = app_->App->anyShown();
  const int ends = app_->Ends - before.Ends;
  if (!anyShown && ends != 1) Fail(QStringLiteral("no window shown, yet the program runs on"));
  if (anyShown && ends != 0) Fail(QStringLiteral("the program ended with a window shown"));
  int alive = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<ui::Window*>(w) != nullptr) ++alive;
  }
  int loaded = 0;
  for (int w = 0; w < WindowCount; ++w) loaded += At(w) != nullptr ? 1 : 0;
  if (alive != loaded) Fail(QStringLiteral("%1 windows alive, %2 loaded").arg(alive).arg(loaded));
}

void Session::CheckWindows(const Action& action, const Before& before) {
  const std::array<std::function<bool()>, WindowCount> roads = {
      [&] { return IsClick(action, F6, "Command1"); },
      [&] {
        return IsClick(action, F1, "Command1") || IsClick(action, F3, "Command2") ||
               IsClick(action, F4, "Command1") || IsClick(action, F5, "Command1") ||
               OpensGraph(action);
      },
      [&] { return IsClick(action, F2, "Command1") || OpensGraph(action); },
      [&] { return IsClick(action, F3, "Command1"); },
      [&] { return IsClick(action, F4, "Command3"); },
      [&] { return IsClick(action, F1, "Command2"); },
      [&] { return IsClick(action, F4, "CompareButton"); },
      [&] {
        return IsClick(action, F1, "OpenExampleButton") || IsClick(action, F3, "OpenExampleButton");
      },
  };
  for (int w = 0; w < WindowCount; ++w) {
    if (NewlyLoaded(before, w) && !roads[w]()) {
      Fail(Titles[w] + QStringLiteral(" loaded by a road not in the design"));
    }
  }
  if (NewlyLoaded(before, F2) && !OpensGraph(action) &&
      (Text(At(F2), "Text3") != QString() || Text(At(F2), "Text4") != "1")) {
    Fail(QStringLiteral("a fresh vertex-count screen does not hold its design-time texts"));
  }
  // The vertex-count screen stays loaded under the editor; only its own title-bar button,
  // reachable when "Start Simulation" showed it again, unloads it.
  if (action.Kind == Act::Close && action.Window == Titles[F2] && before.Windows[F3]) {
    vertexCountClosedUnderEditor_ = true;
  }
  if (NewlyLoaded(before, F3)) vertexCountClosedUnderEditor_ = false;
  // A file that could not be opened changes nothing; one that could replaces the editor.
  if (OpensGraph(action)) {
    const bool opened = NewlyLoaded(before, F3);
    if (opened != (opening_ && app_->Messages.Texts.size() == before.Messages))
      Fail(QStringLiteral("opening \"%1\" loaded the editor: %2").arg(action.Text).arg(opened));
    if (opened && (!Shown(F3) || Shown(F2) || At(F1) != nullptr || At(F6) != nullptr))
      Fail(QStringLiteral("an opened graph shows ") + LoadedWindows(*app_));
    if (opened && IsExampleOpen(action) && At(FG) != nullptr)
      Fail(QStringLiteral("the examples stay open over the example opened"));
  }
  if (IsFileClick(action) && !NewlyLoaded(before, F3)) {
    for (int w = 0; w < WindowCount; ++w) {
      if (At(w) != before.Windows[w].data() || Shown(w) != before.Shown[w])
        Fail(Titles[w] + QStringLiteral(" changed on a file action that opened nothing"));
    }
  }
  if (At(F3) != nullptr && At(F2) == nullptr && !vertexCountClosedUnderEditor_) {
    Fail(QStringLiteral("the matrix editor is loaded without the vertex-count screen"));
  }
  int running = 0;
  for (int t = 0; t < RunCount; ++t)
    running += TimerOf(t) != nullptr && TimerOf(t)->Enabled() ? 1 : 0;
  if (running > 1) Fail(QStringLiteral("two animations run at once"));
}

void Session::CheckEditor(const Before& before) {
  const ui::Window* editor = At(F3);
  if (editor == nullptr) return;
  if (NewlyLoaded(before, F3) && opening_) {
    // The round trip: the editor holds what was saved, and fresh boxes beyond it.
    const int n = opening_->VertexCount;
    acceptedVertexCount_ = QString::number(n);
    acceptedIterations_ =
        QString::number(*ToInt16(NumericValue(opening_->Iterations.toStdString())));
    for (int i = 0; i < BoxCount; ++i) {
      const bool inside = BoxRow(i) < n && BoxColumn(i) < n;
      const int k = BoxRow(i) * n + BoxColumn(i);
      if (Text(editor, White(i)) != (inside ? opening_->White[k] : QStringLiteral("0")) ||
          Text(editor, Red(i)) != (inside ? opening_->Red[k] : QStringLiteral("1"))) {
        Fail(QStringLiteral("box %1 of the opened graph differs from what was saved").arg(i));
        break;
      }
    }
  } else if (NewlyLoaded(before, F3)) {
    const BoxTexts& entry = before.Texts[F2];
    acceptedVertexCount_ = entry.value(QStringLiteral("Text3"));
    const auto iterations =
        ToInt16(NumericValue(entry.value(QStringLiteral("Text4")).toStdString()));
    acceptedIterations_ = iterations ? QString::number(*iterations) : QStringLiteral("?");
    if (Shown(F2) || !Shown(F3))
      Fail(QStringLiteral("Continue did not show the editor and hide Form2"));
    for (int i = 0; i < BoxCount; ++i) {
      if (Text(editor, White(i)) != "0" || Text(editor, Red(i)) != "1") {
        Fail(QStringLiteral("a fresh matrix editor holds other than design-time boxes"));
        break;
      }
    }
  }
  if (!IsVertexCountText(acceptedVertexCount_) || Text(editor, "Text23") != acceptedVertexCount_ ||
      Text(editor, "Text24") != acceptedIterations_) {
    Fail(QStringLiteral("the editor holds counts %1, %2 where %3, %4 were accepted")
             .arg(Text(editor, "Text23"), Text(editor, "Text24"), acceptedVertexCount_,
                  acceptedIterations_));
    return;
  }
  const int n = acceptedVertexCount_.toInt();
  // One pass over the boxes: this runs after every action.
  static const QRegularExpression matrixBox(QStringLiteral("^Text[12]_([0-9]+)$"));
  for (const QLineEdit* box : editor->findChildren<QLineEdit*>()) {
    const auto match = matrixBox.match(box->objectName());
    if (!match.hasMatch()) continue;
    const int i = match.captured(1).toInt();
    if (box->isVisibleTo(editor) != (BoxRow(i) < n && BoxColumn(i) < n)) {
      Fail(QStringLiteral("box %1 of the editor is shown outside the block or hidden inside")
               .arg(box->objectName()));
      return;
    }
  }
}

// The drawing follows the editor's boxes once validated: one line per white "1" in box order,
// after the mirror of every kept "1" was cleared.
void Session::CheckGraphViewLoad(const Before& before) {
  if (!NewlyLoaded(before, F4)) return;
  const ui::Window* editor = At(F3);
  const ui::Window* view = At(F4);
  position_ = 0;
  if (editor == nullptr || before.Windows[F3].data() != editor) {
    Fail(QStringLiteral("the graph view loaded without the matrix editor it was validated by"));
    return;
  }
  if (!Shown(F3) || !Shown(F4))
    Fail(QStringLiteral("View Resulting Graph did not leave editor and graph view shown"));
  for (int t = 0; t < RunCount; ++t) {
    if (TimerOf(t)->Enabled()) Fail(QStringLiteral("a fresh graph view runs an animation"));
  }
  if (view->findChild<QPushButton*>("Command4")->isEnabled())
    Fail(QStringLiteral("a fresh graph view offers RunTSP"));
  viewIterations_ = Text(editor, "Text24").toInt();
  const int n = Text(editor, "Text23").toInt();
  if (ShownVertices(view) != n)
    Fail(QStringLiteral("the graph view shows %1 of %2 vertices").arg(ShownVertices(view)).arg(n));
  const auto lines = ShownLines(view);
  if (!lines) {
    Fail(QStringLiteral("a weight box does not name its vertex pair"));
    return;
  }
  viewVertices_ = n;
  viewLines_ = *lines;
  std::size_t k = 0;
  for (int box = 0; box < BoxCount; ++box) {
    if (Text(editor, White(box)) != "1") continue;
    const int r = BoxRow(box);
    const int c = BoxColumn(box);
    if (r == c || r >= n || c >= n || Text(editor, White(BoxIndex(c, r))) == "1") {
      Fail(QStringLiteral("white box %1 holds a 1 that no line can show").arg(box));
      return;
    }
    if (k >= lines->size() || (*lines)[k].From != r || (*lines)[k].To != c ||
        (*lines)[k].Text != Text(editor, Red(box))) {
      Fail(QStringLiteral("line %1 does not show white box %2 and its weight").arg(k).arg(box));
      return;
    }
    ++k;
  }
  if (k != lines->size())
    Fail(QStringLiteral("%1 lines drawn for %2 white boxes").arg(lines->size()).arg(k));
}

// The edge-identifier view shows the graph view's lines by the box that asked for each.
void Session::CheckEdgeIds(const Before& before) {
  const ui::Window* grid = At(F5);
  if (grid == nullptr || At(F4) == nullptr ||
      !(NewlyLoaded(before, F4) || NewlyLoaded(before, F5))) {
    return;
  }
  const std::vector<ShownLine>* lines = &viewLines_;
  std::array<int, BoxCount> ids;
  ids.fill(-1);
  for (std::size_t k = 0; k < lines->size(); ++k)
    ids[BoxIndex((*lines)[k].From, (*lines)[k].To)] = static_cast<int>(k);
  for (int cell = 0; cell < BoxCount; ++cell) {
    const int id = ids[cell];
    const QString weight = id < 0 ? QStringLiteral("0") : (*lines)[id].Text;
    if (Text(grid, QStringLiteral("Text1_%1").arg(cell)) != QString::number(id) ||
        Text(grid, QStringLiteral("Text3_%1").arg(cell)) != weight) {
      Fail(QStringLiteral("the edge-identifier view differs from the graph at cell %1").arg(cell));
      return;
    }
  }
}

void Session::CheckUntouchedTexts(const Action& action, const Before& before) {
  QSet<QString> mayChange;  // "window/control"
  std::function<bool(int window, const QString& was, const QString& now)> rule;
  const auto allow = [&](int window, const QString& name) {
    mayChange.insert(Titles[window] + u'/' + name);
  };
  const auto allowView = [&](std::initializer_list<const char*> names) {
    for (const char* name : names) allow(F4, QLatin1String(name));
  };
  const int acted = WindowIndex(action.Window);
  if (action.Kind == Act::Type || action.Kind == Act::Paste || action.Kind == Act::Enter) {
    allow(acted, action.Control);
  }
  const int n = acceptedVertexCount_.toInt();
  if (IsClick(action, F3, "Command4")) {
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) allow(F3, White(BoxIndex(r, c)));
    }
    rule = [](int, const QString&, const QString& now) { return now == QLatin1String("1"); };
  }
  if (IsClick(action, F3, "Command5")) {
    for (int i = 0; i < BoxCount; ++i) allow(F3, Red(i));
    static const QRegularExpression weight(QStringLiteral("^[1-9][0-9]?$"));
    rule = [](int, const QString&, const QString& now) { return weight.match(now).hasMatch(); };
  }
  if (IsClick(action, F3, "Command1") && NewlyLoaded(before, F4)) {
    for (int i = 0; i < BoxCount; ++i) {
      allow(F3, White(i));
      allow(F5, QStringLiteral("Text1_%1").arg(i));
      allow(F5, QStringLiteral("Text3_%1").arg(i));
    }
    // Keeping one box per pair only ever clears a "1".
    rule = [](int window, const QString& was, const QString& now) {
      return window == F5 || (was == QLatin1String("1") && now == QLatin1String("0"));
    };
  }
  if (IsClick(action, F4, "Command2")) allowView({"Text4"});
  if (IsClick(action, F4, "Command4")) allowView({"Text5", "Text10", "Text7"});
  if (IsClick(action, F4, "Command6")) allowView({"Text10", "Text7"});
  for (int run = 0; run < RunCount; ++run) {
    if (Starts(action, run)) allowView({"StepLine"});
  }
  // A step back shows the texts of one tick earlier.
  if (action.Kind == Act::Tick || action.NestedTicks > 0 || IsClick(action, F4, "StepBackButton") ||
      IsClick(action, F4, "StepForwardButton"))
    allowView({"Text6", "Text7", "Text8", "Text9", "StepLine"});
  if (OpensGraph(action)) {
    allow(F2, QStringLiteral("Text3"));
    allow(F2, QStringLiteral("Text4"));
  }
  if (practiceTouched_) {
    allowView({"StepLine", "VerdictBox", "ScoreLine", "Text6", "Text7", "Text8", "Text9"});
  }
  if (IsClick(action, F4, "CompareButton")) {
    allow(FC, QStringLiteral("GuaranteeText"));
    allow(FC, QStringLiteral("BoundChain"));
  }

  for (int w = 0; w < WindowCount; ++w) {
    const ui::Window* now = At(w);
    if (before.Windows[w].isNull() || now != before.Windows[w].data()) continue;
    const BoxTexts texts = TextsOf(now);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
      const QString was = before.Texts[w].value(it.key());
      if (was == it.value()) continue;
      if (!mayChange.contains(Titles[w] + u'/' + it.key())) {
        Fail(QStringLiteral("%1 %2 changed from \"%3\" to \"%4\" without being touched")
                 .arg(Titles[w], it.key(), was.left(40), it.value().left(40)));
        return;
      }
      if (rule && (w == acted || w == F5) && !rule(w, was, it.value())) {
        Fail(QStringLiteral("%1 %2 became \"%3\"").arg(Titles[w], it.key(), it.value()));
        return;
      }
    }
  }
}

// A tick writes the list it plays: a tree growing from A, or a walk from A through distinct
// vertices with the weights of its lines; a run button writes its times. Both stay
// well-formed whatever the user typed over them before.
void Session::CheckLists(const Action& action) {
  const ui::Window* view = At(F4);
  if (view == nullptr) return;
  static const std::array<std::vector<const char*>, RunCount> times = {
      {{"Text4"}, {"Text5", "Text10"}, {"Text10"}, {}}};
  for (int t = 0; t < RunCount; ++t) {
    if (!IsClick(action, F4, RunButtons[t])) continue;
    for (const char* time : times[t]) {
      bool ok = false;
      Text(view, time).toDouble(&ok);
      if (!ok) Fail(QStringLiteral("%1 shows the time \"%2\"").arg(time, Text(view, time)));
    }
  }
  int run = -1;
  if (action.Kind == Act::Tick) {
    run = static_cast<int>(std::find(TimerNames.begin(), TimerNames.end(), action.Control) -
                           TimerNames.begin());
  } else if (hasRun_ &&
             (IsClick(action, F4, "StepBackButton") || IsClick(action, F4, "StepForwardButton"))) {
    run = playing_;
  }
  // Back at the start the boxes hold what they held before the run.
  if (run < 0 || (action.Kind != Act::Tick && (!moved_ || position_ == 0))) return;
  const int n = viewVertices_;
  if (run == PlayRun && opaque_) return;
  if (run == PlayRun) {
    const PlayedTexts texts = TextsAfter(played_, std::min(position_, played_.TickCount()));
    if (Text(view, played_.IsTour ? "Text7" : "Text6") != QString::fromStdString(texts.Edges))
      Fail(QStringLiteral("the play lists \"%1\" where its animation lists \"%2\"")
               .arg(Text(view, played_.IsTour ? "Text7" : "Text6"),
                    QString::fromStdString(texts.Edges)));
    return;
  }
  if (run == TreeRun) {
    const auto tree = Pairs(Text(view, "Text6"));
    unsigned reached = 1;
    for (const auto& [from, to] : tree.value_or(std::vector<std::pair<int, int>>{})) {
      if (!((reached >> from) & 1) || ((reached >> to) & 1) || to >= n ||
          LineBetween(viewLines_, from, to) < 0) {
        Fail(QStringLiteral("the tree list does not grow a tree from A: ") + Text(view, "Text6"));
        return;
      }
      reached |= 1u << to;
    }
    if (!tree) Fail(QStringLiteral("the tree list is malformed: ") + Text(view, "Text6"));
    return;
  }
  const auto tour = Pairs(Text(view, "Text7"));
  unsigned visited = 1;
  int at = 0;
  bool closed = false;
  QString weights;
  for (const auto& [from, to] : tour.value_or(std::vector<std::pair<int, int>>{})) {
    if (closed || from != at || to >= n || (to != 0 && ((visited >> to) & 1))) {
      Fail(QStringLiteral("the tour list is no walk from A: ") + Text(view, "Text7"));
      return;
    }
    visited |= 1u << to;
    closed = to == 0;
    at = to;
    const int line = LineBetween(viewLines_, from, to);
    if (line >= 0) weights += QString::number(WeightOf(viewLines_[line])) + QStringLiteral("**");
  }
  if (!tour || Text(view, "Text8") != weights) {
    Fail(QStringLiteral("the tour lists \"%1\" weigh \"%2\"")
             .arg(Text(view, "Text7"), Text(view, "Text8")));
  }
}

void Session::CheckRunEnds(const Action& action, const Before& before) {
  const ui::Window* view = At(F4);
  if (view == nullptr) return;
  for (int t = 0; t < RunCount; ++t) {
    // Resume goes on with the run last played.
    const bool resumed = IsClick(action, F4, "PauseButton") && t == playing_ && !paused_;
    if (!before.TimersOn[t] && TimerOf(t)->Enabled() && !Starts(action, t) && !resumed) {
      Fail(QStringLiteral("%1 switched on by another action").arg(TimerNames[t]));
    }
    // The longest of the view's runs plays a closed tour through ten vertices: ten steps, then
    // its end; a play of the comparison, its animation.
    const int longest = t == PlayRun ? played_.TickCount() + 1 : MaxVertices + 1;
    if (TimerOf(t)->Enabled() && position_ > longest && !(t == PlayRun && opaque_)) {
      Fail(QStringLiteral("%1 still runs after %2 ticks").arg(TimerNames[t]).arg(position_));
    }
  }
  const std::vector<ShownLine>* lines = &viewLines_;
  const int n = viewVertices_;
  for (const auto& [timer, message] : tickMessages_) {
    if (TimerOf(timer)->Enabled()) Fail(QStringLiteral("an ended animation still ticks"));
    if (timer == PlayRun && opaque_) {
      if (message != TreeEnd && message != TourEnd)
        Fail(QStringLiteral("the practised run ended with \"%1\"").arg(message));
      continue;
    }
    if (timer == PlayRun) {
      // Its lists end as its animation does.
      const PlayedTexts texts = TextsAfter(played_, played_.TickCount());
      const bool listed = played_.IsTour
                              ? Text(view, "Text7") == QString::fromStdString(texts.Edges) &&
                                    Text(view, "Text8") == QString::fromStdString(texts.Weights) &&
                                    Text(view, "Text9") == QString::number(texts.Weight)
                              : Text(view, "Text6") == QString::fromStdString(texts.Edges);
      if (message != QString::fromLatin1(played_.EndMessage) || !listed) {
        Fail(QStringLiteral("the play ended with \"%1\", \"%2\", \"%3\"")
                 .arg(message, Text(view, "Text6"), Text(view, "Text7")));
      }
      continue;
    }
    if (timer == 0) {
      const auto tree = Pairs(Text(view, "Text6"));
      int weight = 0;
      unsigned spanned = 1;
      for (const auto& [from, to] : tree.value_or(std::vector<std::pair<int, int>>{})) {
        const int line = LineBetween(*lines, from, to);
        weight += line >= 0 ? WeightOf((*lines)[line]) : 0;
        spanned |= 1u << to;
      }
      const auto [least, reachable] = LeastTree(n, *lines);
      const bool computed = viewIterations_ > 0;
      if (message != TreeEnd || (computed && (weight != least || spanned != reachable)) ||
          (!computed && !Text(view, "Text6").isEmpty())) {
        Fail(QStringLiteral("the tree run ended with \"%1\" listing \"%2\", least weight %3")
                 .arg(message, Text(view, "Text6"))
                 .arg(least));
      }
      continue;
    }
    const auto tour = Pairs(Text(view, "Text7"));
    QString expectedWeights;
    int total = 0;
    for (const auto& [from, to] : tour.value_or(std::vector<std::pair<int, int>>{})) {
      const int line = LineBetween(*lines, from, to);
      if (line < 0) continue;
      expectedWeights += QString::number(WeightOf((*lines)[line])) + QStringLiteral("**");
      total += WeightOf((*lines)[line]);
    }
    const QString tourText = Text(view, "Text7");
    if (timer == OptimumRun) {
      // Every vertex once, back to A, as light as any such tour.
      const auto lightest = LightestTour(n, *lines);
      const std::size_t pairs = tour ? tour->size() : 0;
      if (message != TourEnd || !lightest || Text(view, "Text9") != QString::number(*lightest) ||
          pairs != static_cast<std::size_t>(n == 1 ? 0 : n) ||
          (n > 1 && !tourText.endsWith(QStringLiteral("--A,")))) {
        Fail(QStringLiteral("the optimum run ended with \"%1\", \"%2\", \"%3\" where %4 was due")
                 .arg(message, tourText, Text(view, "Text9"))
                 .arg(lightest.value_or(-1)));
      }
    }
    const bool endOk = tourText.isEmpty()
                           ? (message == TreeEnd || message == TourEnd)
                           : (message == TourEnd && tourText.endsWith(QStringLiteral("--A,")));
    if (!endOk || Text(view, "Text8") != expectedWeights ||
        Text(view, "Text9") != QString::number(total) ||
        (timer != OptimumRun && viewIterations_ <= 0 &&
         (message != TreeEnd || !tourText.isEmpty()))) {
      Fail(QStringLiteral("the tour run ended with \"%1\", \"%2\", \"%3\", \"%4\"")
               .arg(message, tourText, Text(view, "Text8"), Text(view, "Text9")));
    }
  }
}

// The user's view of the playback: which run, how far it went, whether it was paused. The
// ticks themselves are followed in Tick.
void Session::FollowPlayback(const Action& action, const Before& before) {
  if (At(F4) == nullptr) return;
  if (NewlyLoaded(before, F4)) {
    hasRun_ = false;
    paused_ = false;
    practising_ = false;
    opaque_ = false;
  }
  // A practice plays the run behind its answers; leaving it midway pauses that run, finishing
  // it ends it.
  const bool practising = Practising();
  // What a practice left to read goes when a run or another practice starts.
  const bool leftToRead = !before.Texts[F4].value(QStringLiteral("VerdictBox")).isEmpty() ||
                          !before.Texts[F4].value(QStringLiteral("ScoreLine")).isEmpty();
  practiceTouched_ = practising || practising_ || leftToRead || IsPracticeAction(action);
  if (practising) {
    hasRun_ = true;
    playing_ = PlayRun;
    opaque_ = true;
    ended_ = false;
    paused_ = false;
    shots_.clear();
  } else if (practising_) {
    const auto* pause = At(F4)->findChild<QPushButton*>(QStringLiteral("PauseButton"));
    paused_ = pause->text() == QLatin1String("Resume");
    ended_ = !paused_;
  }
  practising_ = practising;
  for (int t = 0; t < RunCount; ++t) {
    // The optimum of a graph without a tour starts nothing.
    const bool started = Starts(action, t) &&
                         (t != OptimumRun || LightestTour(viewVertices_, viewLines_)) &&
                         (t != PlayRun || TimerOf(PlayRun)->Enabled());
    if (!started) continue;
    if (t == PlayRun) {
      const GraphView* view = app_->App->window<GraphView>().Get();
      played_ = PlayedRow(action)->Run(*view->drawing()).Play;
    }
    opaque_ = false;
    hasRun_ = true;
    playing_ = t;
    position_ = 0;
    ended_ = false;
    paused_ = false;
    moved_ = true;
    shots_.clear();
  }
  if (!hasRun_) return;
  // An optimum without a tour stops the run on screen as a pause, to be resumed.
  if (IsClick(action, F4, RunButtons[OptimumRun]) && !ended_ &&
      !LightestTour(viewVertices_, viewLines_)) {
    paused_ = true;
  }
  if (IsClick(action, F4, "PauseButton")) paused_ = !paused_;
  // Where a practice left its run, the steps pause it whenever it had a tick to step over.
  if (opaque_ &&
      (IsClick(action, F4, "StepBackButton") || IsClick(action, F4, "StepForwardButton"))) {
    const auto* pause = At(F4)->findChild<QPushButton*>(QStringLiteral("PauseButton"));
    paused_ = pause->text() == QLatin1String("Resume");
    ended_ = IsClick(action, F4, "StepForwardButton") &&
             (ended_ || app_->Messages.Texts.size() > before.Messages);
    return;
  }
  if (IsClick(action, F4, "StepBackButton") && position_ > 0) {
    paused_ = true;
    --position_;
    ended_ = false;
    moved_ = true;
  }
  if (IsClick(action, F4, "StepForwardButton")) {
    paused_ = true;
    moved_ = moved_ || !ended_;
    if (!ended_) ++position_;
    ended_ = ended_ || app_->Messages.Texts.size() > before.Messages;
  }
}

Session::Shot Session::TakeShot() const {
  const ui::Window* view = At(F4);
  Shot shot;
  static const std::vector<const char*> treeBoxes = {"Text6", "StepLine"};
  static const std::vector<const char*> tourBoxes = {"Text7", "Text8", "Text9", "StepLine"};
  for (const char* box : PlaysTree() ? treeBoxes : tourBoxes)
    shot.Texts.append(Text(view, QLatin1String(box)));
  const ui::Canvas* canvas = view->findChild<ui::Canvas*>(QStringLiteral("Canvas"));
  for (std::size_t k = 0; k < viewLines_.size(); ++k)
    shot.Colours.push_back(canvas->Line(MaxVertices + static_cast<int>(k)).BorderColour);
  return shot;
}

// Pause and the steps: the caption says what a click would do, a paused or ended run does not
// tick, every tick shows what it showed when it was first played.
void Session::CheckPlayback(const Before& before) {
  const ui::Window* view = At(F4);
  if (view == nullptr) return;
  const auto* pause = view->findChild<QPushButton*>(QStringLiteral("PauseButton"));
  if (pause->text() != (paused_ ? QStringLiteral("Resume") : QStringLiteral("Pause")))
    Fail(QStringLiteral("the pause button reads \"%1\"").arg(pause->text()));
  const auto* speed = view->findChild<QSpinBox*>(QStringLiteral("SpeedBox"));
  for (int t = 0; t < RunCount; ++t) {
    if (!TimerOf(t)->Enabled()) continue;
    if (paused_ || (t == playing_ && ended_))
      Fail(QStringLiteral("%1 runs while paused or ended").arg(TimerNames[t]));
    if (TimerOf(t)->interval() != speed->value())
      Fail(QStringLiteral("%1 ticks every %2 ms, the speed box says %3")
               .arg(TimerNames[t])
               .arg(TimerOf(t)->interval())
               .arg(speed->value()));
  }
  if (!hasRun_ || opaque_) return;
  if (!moved_ || NewlyLoaded(before, F4)) return;
  const Shot shot = TakeShot();
  if (position_ < static_cast<int>(shots_.size())) {
    if (!(shot == shots_[position_]))
      Fail(QStringLiteral("tick %1 shows \"%2\" where it first showed \"%3\"")
               .arg(position_)
               .arg(shot.Texts.join(u'|'), shots_[position_].Texts.join(u'|')));
    return;
  }
  if (position_ != static_cast<int>(shots_.size()))
    Fail(QStringLiteral("the run jumped to tick %1").arg(position_));
  shots_.push_back(shot);
}

// Open, save and export each ask the dialog once; what was saved is kept for opening.
void Session::CheckFiles(const Action& action, const Before& before) {
  if (!IsFileClick(action)) return;
  if (app_->Files.Asked != before.Asked + 1)
    Fail(
        QStringLiteral("the file dialog was asked %1 times").arg(app_->Files.Asked - before.Asked));
  const bool quiet = app_->Messages.Texts.size() == before.Messages;
  if (IsClick(action, F3, "SaveButton") && !action.Text.isEmpty() && quiet) {
    const QString name = SavedName(action.Text);
    if (!QFileInfo::exists(FilePath(name))) Fail(QStringLiteral("no file saved as ") + name);
    SavedGraph graph;
    graph.VertexCount = acceptedVertexCount_.toInt();
    // The count as typed while the vertex-count screen still holds the one the editor took.
    const auto count = [](const QString& text) {
      return ToInt16(NumericValue(text.toStdString()));
    };
    const QString typed = before.Texts[F2].value(QStringLiteral("Text4"));
    const auto taken = count(acceptedIterations_);
    graph.Iterations =
        before.Windows[F2] && count(typed) == taken ? typed : QString::number(*taken);
    for (int r = 0; r < graph.VertexCount; ++r) {
      for (int c = 0; c < graph.VertexCount; ++c) {
        graph.White.append(before.Texts[F3].value(White(BoxIndex(r, c))));
        graph.Red.append(before.Texts[F3].value(Red(BoxIndex(r, c))));
      }
    }
    saved_.insert(name, graph);
  }
  if (IsClick(action, F4, "ExportButton") && !action.Text.isEmpty() && quiet) {
    QFile exported(FilePath(action.Text));
    if (exported.size() == 0) Fail(QStringLiteral("nothing exported to ") + action.Text);
    exported.remove();
  }
}

// The comparison shows the graph on view: its least tree and its optimum, or none.
void Session::CheckComparison(const Action& action) {
  const ui::Window* window = At(FC);
  if (IsClick(action, FC, "CopyReportButton") && QGuiApplication::clipboard()->text().isEmpty())
    Fail(QStringLiteral("Copy report copied nothing"));
  if (!IsClick(action, F4, "CompareButton")) return;
  if (window == nullptr || !window->isVisible()) {
    Fail(QStringLiteral("Compare did not show the comparison"));
    return;
  }
  const auto* table = window->findChild<QTableWidget*>(QStringLiteral("CompareTable"));
  const auto cell = [table](std::string_view id) {
    const auto rows = Algorithms();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [id](const AlgorithmRow& r) { return r.Id == id; });
    const QTableWidgetItem* item = table->item(static_cast<int>(row - rows.begin()), 2);
    return item != nullptr ? item->text() : QString();
  };
  const auto lightest = LightestTour(viewVertices_, viewLines_);
  const QString optimum = lightest ? QString::number(*lightest) : QStringLiteral("\u2013");
  const QString tree = QString::number(LeastTree(viewVertices_, viewLines_).first);
  if (cell("optimum") != optimum || cell("spanning_tree") != tree)
    Fail(QStringLiteral("the comparison weighs tree %1 and optimum %2 where %3 and %4 were due")
             .arg(cell("spanning_tree"), cell("optimum"), tree, optimum));
}

Action Session::Pick(std::mt19937& random) {
  if (!app_ || !app_->App->anyShown()) return Action(Act::Start);
  const auto uniform = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::vector<Action> choices;
  std::vector<double> weights;
  const auto offer = [&](Action action, double weight) {
    choices.push_back(std::move(action));
    weights.push_back(weight);
  };
  // Windows with hundreds of boxes are costly to open; leaving them is made rarer so that a
  // session spends its actions inside them rather than on opening them again.
  static const QHash<QString, double> buttonWeights = {
      {"Form3/Command2", 0.5},
      {"Form3/Command3", 0.5},
      {"Form4/Command1", 0.5},
      {"Form4/Command5", 0.5},
      {"Form4/Command3", 1.5},
      {"Form5/Command1", 2},
      {"Form1/OpenGraphButton", 1.5},
      {"Form3/OpenButton", 1.5},
      {"Form3/SaveButton", 2},
      {"Form4/OptimumButton", 3},
      {"Form4/CompareButton", 1},
      {"Form4/ExportButton", 0.5},
      {"Compare with the optimum/CopyReportButton", 1},
      {"Compare with the optimum/CloseButton", 1.5}};
  bool running = false;
  for (int w = 0; w < WindowCount; ++w) {
    const ui::Window* window = At(w);
    if (window == nullptr || !window->isVisible()) continue;
    const QString& title = Titles[w];
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
      if (!button->isVisible() || !button->isEnabled()) continue;
      const bool play = button->objectName().startsWith(QLatin1String("Play_"));
      offer(Action(Act::Click, title, button->objectName()),
            buttonWeights.value(title + u'/' + button->objectName(), play ? 0.5 : 4));
    }
    offer(Action(Act::Close, title, {}), 0.3);
    if (w != FC) offer(Action(Act::Type, title, {}), w == F3 ? 24 : 8);
    if (w != F4) continue;
    // The playback bar rests while a practice asks its questions.
    if (window->findChild<QWidget*>(QStringLiteral("SpeedBox"))->isEnabled())
      offer(Action(Act::Type, title, QStringLiteral("SpeedBox")), 2);
    const auto* practice = window->findChild<QComboBox*>(QStringLiteral("PracticeBox"));
    offer(Action(Act::Choose, title, QStringLiteral("PracticeBox"),
                 QString::number(uniform(0, practice->count() - 1))),
          1.5);
    const auto* answers = window->findChild<QListWidget*>(QStringLiteral("AnswerList"));
    if (answers->isVisible() && answers->count() > 0) {
      offer(Action(Act::Choose, title, QStringLiteral("AnswerList"),
                   QString::number(uniform(0, answers->count() - 1)) +
                       (uniform(0, 1) == 0 ? QStringLiteral("+") : QString())),
            12);
    }
    for (int t = 0; t < RunCount; ++t) {
      if (!TimerOf(t)->Enabled()) continue;
      running = true;
      offer(Action(Act::Tick, title, TimerNames[t]), 30);
    }
  }
  Action action = choices[std::discrete_distribution<int>(weights.begin(), weights.end())(random)];
  if (action.Kind == Act::Click && running && uniform(0, 2) == 0)
    action.NestedTicks = uniform(1, 3);
  if (pressWhileDialogsOpen_ && (action.Kind == Act::Click || action.Kind == Act::Tick) &&
      uniform(0, 1) == 0)
    action.PressesWhileOpen = static_cast<unsigned>(uniform(1, 1 << 30));
  // The file the dialog answers with: mostly a good one, now and then one that fails.
  const int file = uniform(0, 99);
  if (IsOpenClick(action) && file >= 15) {
    QStringList names = saved_.keys();
    names.sort();  // a hash's order differs from run to run
    if (file < 25 || names.isEmpty()) {
      action.Text = file % 2 == 0 ? MissingFile : BrokenFile;
    } else {
      action.Text = names[uniform(0, static_cast<int>(names.size()) - 1)];
    }
  }
  if (IsClick(action, F3, "SaveButton") && file >= 15) {
    action.Text = file < 22 ? MissingFolder
                            : QStringLiteral("graph%1%2")
                                  .arg(uniform(0, 3))
                                  .arg(file % 2 == 0 ? QStringLiteral(".tspgraph") : QString());
  }
  if (IsClick(action, F4, "ExportButton") && file >= 50) {
    action.Text = file < 60   ? QStringLiteral("drawing.txt")
                  : file < 80 ? QStringLiteral("drawing.png")
                              : QStringLiteral("drawing.dot");
  }
  if (action.Kind != Act::Type) return action;

  const ui::Window* window = At(WindowIndex(action.Window));
  if (action.Control == QLatin1String("SpeedBox")) {
    action.Kind = uniform(0, 9) == 0 ? Act::Enter : Act::Type;
    if (action.Kind == Act::Type) action.Text = QString::number(uniform(0, 2200));
    return action;
  }
  QList<QWidget*> boxes;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (IsBox(w) && w->isVisible() && w->isEnabled() && !IsReadOnly(w)) boxes.append(w);
  }
  if (boxes.isEmpty()) return Action(Act::Close, action.Window, {});
  action.Control = boxes[uniform(0, static_cast<int>(boxes.size()) - 1)]->objectName();
  BoxRole role = BoxRole::Other;
  if (action.Window == Titles[F2]) {
    if (action.Control == QLatin1String("Text3")) role = BoxRole::VertexCount;
    if (action.Control == QLatin1String("Text4")) role = BoxRole::Iterations;
  } else if (action.Window == Titles[F3]) {
    if (action.Control.startsWith(QLatin1String("Text1_"))) role = BoxRole::White;
    if (action.Control.startsWith(QLatin1String("Text2_"))) role = BoxRole::Red;
  }
  const int how = uniform(0, 99);
  if (how < 5) {
    action.Kind = Act::Enter;
    return action;
  }
  action.Text = RandomText(random, role);
  // Key by key is slow for long texts; a user would paste those anyway.
  action.Kind = how < 60 && action.Text.size() <= 24 ? Act::Type : Act::Paste;
  return action;
}

QString Reason(const QString& failure) {
  return failure.section(QStringLiteral(": "), 1);
}

}  // namespace

Action::Action(Act kind, const char* window, const char* control, const char16_t* text,
               int nestedTicks, unsigned pressesWhileOpen)
    : Action(kind, QString::fromLatin1(window), QString::fromLatin1(control),
             QString::fromUtf16(text), nestedTicks, pressesWhileOpen) {}

Action::Action(Act kind, QString window, QString control, QString text, int nestedTicks,
               unsigned pressesWhileOpen)
    : Kind(kind),
      Window(std::move(window)),
      Control(std::move(control)),
      Text(std::move(text)),
      NestedTicks(nestedTicks),
      PressesWhileOpen(pressesWhileOpen) {}

QString ActionListCode(const std::vector<Action>& actions) {
  QString code;
  for (const Action& a : actions) {
    code += QStringLiteral("    {Act::%1").arg(QLatin1String(KindName(a.Kind)));
    if (a.Kind != Act::Start) code += QStringLiteral(", \"%1\", \"%2\"").arg(a.Window, a.Control);
    const bool presses = a.PressesWhileOpen != 0;
    if (!a.Text.isEmpty() || a.NestedTicks != 0 || presses)
      code += QStringLiteral(", ") + Char16Literal(a.Text);
    if (a.NestedTicks != 0 || presses) code += QStringLiteral(", %1").arg(a.NestedTicks);
    if (presses) code += QStringLiteral(", %1u").arg(a.PressesWhileOpen);
    code += QStringLiteral("},\n");
  }
  return code;
}

SessionResult RunRandomSession(unsigned seed, int actionCount, bool pressWhileDialogsOpen) {
  std::mt19937 random(seed);
  Session session(pressWhileDialogsOpen);
  SessionResult result;
  for (int i = 0; i < actionCount && result.Failure.isEmpty(); ++i) {
    result.Performed.push_back(session.Pick(random));
    const QString failure = session.Perform(result.Performed.back());
    if (!failure.isEmpty()) result.Failure = QStringLiteral("action %1: %2").arg(i).arg(failure);
  }
  result.Counts = session.Counts();
  return result;
}

SessionResult Replay(const std::vector<Action>& actions) {
  Session session;
  SessionResult result;
  for (std::size_t i = 0; i < actions.size() && result.Failure.isEmpty(); ++i) {
    result.Performed.push_back(actions[i]);
    const QString failure = session.Perform(actions[i]);
    if (!failure.isEmpty()) result.Failure = QStringLiteral("action %1: %2").arg(i).arg(failure);
  }
  result.Counts = session.Counts();
  return result;
}

std::vector<Action> ShrinkFailure(const SessionResult& failed) {
  std::vector<Action> actions = failed.Performed;
  for (std::size_t i = actions.size(); i-- > 0;) {
    if (actions[i].Kind == Act::Start) {
      actions.erase(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  const QString reason = Reason(failed.Failure);
  int budget = 400;
  for (std::size_t chunk = actions.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
    // The program start stays first.
    for (std::size_t at = 1; at < actions.size() && budget > 0; --budget) {
      std::vector<Action> shorter = actions;
      const std::size_t end = std::min(actions.size(), at + chunk);
      shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                    shorter.begin() + static_cast<std::ptrdiff_t>(end));
      if (Reason(Replay(shorter).Failure) == reason) {
        actions = std::move(shorter);
      } else {
        at += chunk;
      }
    }
  }
  return actions;
}

}  // namespace tsp::testing
