#include "monkey/monkey_session.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <array>
#include <functional>
#include <string>

#include "app/form1.h"
#include "app/form6.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "entry/number_text.h"
#include "graph/animation.h"
#include "graph/edge_lists.h"
#include "graph/form4.h"
#include "graph/form5.h"
#include "monkey/graph_invariants.h"
#include "monkey/random_text.h"
#include "support/fake_services.h"

namespace tsp::testing {
namespace {

constexpr int FormCount = 6;
const std::array<QString, FormCount> FormNames = {QStringLiteral("Form1"), QStringLiteral("Form2"),
                                                  QStringLiteral("Form3"), QStringLiteral("Form4"),
                                                  QStringLiteral("Form5"), QStringLiteral("Form6")};
enum FormId { F1, F2, F3, F4, F5, F6 };

// Longer runs than this without an end message mean an animation that never ends: the longest
// table played has 100 slots.
constexpr int MaxRunTicks = 101;

const QStringList& SystemMessages() {
  static const QStringList texts = {
      QStringLiteral("Please enter a number between 1 and 10 !"),
      QStringLiteral("Please enter a number of iterations between -32768 and 32767 !"),
      QStringLiteral("Number must be 1's or 0's in white boxes "),
      QStringLiteral("Value for boxes must be between -101  and 101 different from 0."),
      QString::fromLatin1(AllDoneMessage),
      QString::fromLatin1(SentinelFoundMessage),
      QString::fromLatin1(EndReachedMessage),
  };
  return texts;
}
const QString& VertexCountMessage() {
  return SystemMessages()[0];
}
const QString& IterationMessage() {
  return SystemMessages()[1];
}
const QString& WhiteMessage() {
  return SystemMessages()[2];
}
const QString& RedMessage() {
  return SystemMessages()[3];
}

int FormIndex(const QString& name) {
  for (int i = 0; i < FormCount; ++i) {
    if (FormNames[i] == name) return i;
  }
  return -1;
}

ui::Form* FormAt(Screens& app, int index) {
  switch (index) {
    case F1:
      return app.StartScreen().Get();
    case F2:
      return app.VertexCountScreen().Get();
    case F3:
      return app.MatrixEditor().Get();
    case F4:
      return app.GraphView().Get();
    case F5:
      return app.EdgeIdView().Get();
    case F6:
      return app.HelpScreen().Get();
    default:
      return nullptr;
  }
}

QString BoxText(const QWidget* box) {
  if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(box)) return multi->toPlainText();
  return {};
}

bool IsBox(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(w) != nullptr;
}

using BoxTexts = QHash<QString, QString>;

BoxTexts TextsOf(const ui::Form* form) {
  BoxTexts texts;
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    if (IsBox(w)) texts.insert(w->objectName(), BoxText(w));
  }
  return texts;
}

struct WindowState {
  QPointer<ui::Form> Window;
  BoxTexts Texts;
  bool Shown = false;
};

bool IsVertexCountText(const QString& text) {
  for (int n = 1; n <= MaxVertices; ++n) {
    if (text == QString::number(n)) return true;
  }
  return false;
}

bool IsValidRed(const QString& text) {
  const double value = NumericValue(text.toStdString());
  return value > -101 && value < 101 && value != 0;
}

QString WhiteName(int box) {
  return QStringLiteral("Text1_%1").arg(box);
}
QString RedName(int box) {
  return QStringLiteral("Text2_%1").arg(box);
}

QString KindName(Act kind) {
  switch (kind) {
    case Act::Start:
      return QStringLiteral("Start");
    case Act::Click:
      return QStringLiteral("Click");
    case Act::Type:
      return QStringLiteral("Type");
    case Act::Paste:
      return QStringLiteral("Paste");
    case Act::Enter:
      return QStringLiteral("Enter");
    case Act::Close:
      return QStringLiteral("Close");
    case Act::Tick:
      return QStringLiteral("Tick");
  }
  return {};
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
      if (afterHexEscape && QStringLiteral("0123456789abcdefABCDEF").contains(QChar(unit))) {
        out += QStringLiteral("\" u\"");
      }
      out += QChar(unit);
      afterHexEscape = false;
    } else {
      out += QStringLiteral("\\x%1").arg(static_cast<unsigned>(unit), 4, 16, QChar(u'0'));
      afterHexEscape = true;
    }
  }
  return out + QChar(u'"');
}

class SwallowAnimationTimers final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The session ticks the animations itself; real 500 ms ticks in between would make a
    // session depend on how fast the machine runs it.
    return event->type() == QEvent::Timer && qobject_cast<ui::Timer*>(watched) != nullptr;
  }
};

}  // namespace

Action::Action(Act kind, const char* window, const char* control, const char16_t* text,
               int nestedTicks)
    : Kind(kind),
      Window(QString::fromLatin1(window)),
      Control(QString::fromLatin1(control)),
      Text(QString::fromUtf16(text)),
      NestedTicks(nestedTicks) {}

Action::Action(Act kind, QString window, QString control, QString text, int nestedTicks)
    : Kind(kind),
      Window(std::move(window)),
      Control(std::move(control)),
      Text(std::move(text)),
      NestedTicks(nestedTicks) {}

QString ActionListCode(const std::vector<Action>& actions) {
  QString code;
  for (const Action& a : actions) {
    code += QStringLiteral("    {Act::%1").arg(KindName(a.Kind));
    if (a.Kind != Act::Start) code += QStringLiteral(", \"%1\", \"%2\"").arg(a.Window, a.Control);
    if (!a.Text.isEmpty() || a.NestedTicks != 0)
      code += QStringLiteral(", ") + Char16Literal(a.Text);
    if (a.NestedTicks != 0) code += QStringLiteral(", %1").arg(a.NestedTicks);
    code += QStringLiteral("},\n");
  }
  return code;
}

// What the session knows and expects of the program between two actions.
class SessionDriver {
 public:
  SessionDriver() { qApp->installEventFilter(&swallow_); }
  ~SessionDriver() { qApp->removeEventFilter(&swallow_); }

  QString Perform(const Action& action);
  Action Pick(std::mt19937& random);
  const SessionCounts& Counts() const { return counts_; }

 private:
  struct Before {
    std::array<WindowState, FormCount> Windows;
    int Messages = 0;
    int Ends = 0;
    std::array<bool, 3> TimersOn{};
  };

  Screens& App() { return *app_->App; }
  Before Capture();
  bool Execute(const Action& action);
  void TickRunningTimers();
  void TickTimer(int timer);
  void Fail(const QString& reason) {
    if (failure_.isEmpty()) failure_ = reason;
  }

  void CheckMessages(const Action& action, const Before& before);
  void CheckEnd(const Before& before);
  void CheckWindows(const Action& action, const Before& before);
  void CheckMatrixEditor(const Before& before);
  void CheckGraphViewLoad(const Before& before);
  void CheckUntouchedTexts(const Action& action, const Before& before);
  void CheckAnimation(const Action& action, const Before& before);
  bool NewlyLoaded(const Before& before, int form) {
    ui::Form* now = FormAt(App(), form);
    return now != nullptr && now != before.Windows[form].Window.data();
  }
  bool IsClick(const Action& a, int form, const char* button) const {
    return a.Kind == Act::Click && a.Window == FormNames[form] &&
           a.Control == QLatin1String(button);
  }

  SwallowAnimationTimers swallow_;
  std::unique_ptr<TestApp> app_;
  QString failure_;
  int nestedTicks_ = 0;
  int openBoxes_ = 0;
  // The vertex-count and iteration texts that the open matrix editor was loaded with.
  QString acceptedVertexCount_;
  QString acceptedIterations_;
  // Ticks since the running animation was started, and whether it ended.
  int runTicks_ = 0;
  std::vector<std::pair<int, QString>> tickMessages_;
  bool entryClosedUnderEditor_ = false;
  SessionCounts counts_;
};

SessionDriver::Before SessionDriver::Capture() {
  Before before;
  for (int f = 0; f < FormCount; ++f) {
    ui::Form* form = FormAt(App(), f);
    before.Windows[f].Window = form;
    if (form != nullptr) {
      before.Windows[f].Texts = TextsOf(form);
      before.Windows[f].Shown = form->isVisible();
    }
  }
  before.Messages = static_cast<int>(app_->Messages.Texts.size());
  before.Ends = app_->Ends;
  if (const Form4* view = App().GraphView().Get()) {
    before.TimersOn = {view->Timer1->Enabled(), view->Timer2->Enabled(), view->Timer3->Enabled()};
  }
  return before;
}

void SessionDriver::TickTimer(int timer) {
  Form4* view = App().GraphView().Get();
  const int before = static_cast<int>(app_->Messages.Texts.size());
  // A tick while a box is open does nothing.
  if (!app_->Messages.IsOpen()) ++runTicks_;
  if (timer == 0) view->Timer1_Timer();
  if (timer == 1) view->Timer2_Timer();
  if (timer == 2) view->Timer3_Timer();
  if (app_->Messages.Texts.size() > before) {
    tickMessages_.emplace_back(timer, app_->Messages.Texts.back());
  }
}

void SessionDriver::TickRunningTimers() {
  Form4* view = App().GraphView().Get();
  if (view == nullptr) return;
  const std::array<ui::Timer*, 3> timers = {view->Timer1, view->Timer2, view->Timer3};
  for (int t = 0; t < 3; ++t) {
    if (timers[t]->Enabled()) TickTimer(t);
  }
}

bool SessionDriver::Execute(const Action& action) {
  if (action.Kind == Act::Start) {
    app_.reset();
    app_ = std::make_unique<TestApp>();
    app_->Messages.OnShow = [this](const QString& text) {
      if (openBoxes_ > 0) Fail(QStringLiteral("a second message box opened over another: ") + text);
      ++openBoxes_;
      for (int k = 0; k < nestedTicks_; ++k) TickRunningTimers();
      --openBoxes_;
    };
    App().Start();
    return true;
  }
  if (!app_) return false;
  const int formIndex = FormIndex(action.Window);
  ui::Form* form = formIndex >= 0 ? FormAt(App(), formIndex) : nullptr;
  if (form == nullptr || !form->isVisible()) return false;

  if (action.Kind == Act::Close) {
    form->close();
    return true;
  }
  if (action.Kind == Act::Tick) {
    auto* timer = formIndex == F4 ? form->findChild<ui::Timer*>(action.Control) : nullptr;
    if (timer == nullptr || !timer->Enabled()) return false;
    TickTimer(action.Control.back().digitValue() - 1);
    return true;
  }
  const QList<QWidget*> found = form->findChildren<QWidget*>(action.Control);
  if (found.size() != 1 || !found[0]->isVisible() || !found[0]->isEnabled()) return false;
  QWidget* control = found[0];

  if (action.Kind == Act::Click) {
    auto* button = qobject_cast<QPushButton*>(control);
    if (button == nullptr) return false;
    QTest::mouseClick(button, Qt::LeftButton);
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
  if (action.Kind == Act::Type) {
    if (action.Text.isEmpty()) QTest::keyClick(control, Qt::Key_Backspace);
    for (qsizetype i = 0; i < action.Text.size(); ++i) {
      QString key(action.Text[i]);
      if (action.Text[i].isHighSurrogate() && i + 1 < action.Text.size()) {
        key += action.Text[++i];
      }
      const char16_t unit = key[0].unicode();
      const Qt::Key code =
          unit < 0x80 ? QTest::asciiToKey(static_cast<char>(unit)) : Qt::Key_unknown;
      QTest::sendKeyEvent(QTest::Click, control, code, key, Qt::NoModifier);
    }
    return true;
  }
  return false;
}

QString SessionDriver::Perform(const Action& action) {
  failure_.clear();
  tickMessages_.clear();
  ++counts_.Actions;
  if (action.Kind == Act::Start) ++counts_.Starts;
  if (action.Kind != Act::Start && (!app_ || !App().AnyShown())) {
    return QStringLiteral("no window is open: only a program start is possible");
  }
  Before before;
  if (app_ && action.Kind != Act::Start) before = Capture();
  if (action.Kind == Act::Start) {
    entryClosedUnderEditor_ = false;
    acceptedVertexCount_.clear();
    acceptedIterations_.clear();
    runTicks_ = 0;
  }
  nestedTicks_ = action.NestedTicks;
  if (!Execute(action)) return QStringLiteral("the action is not possible in this state");
  nestedTicks_ = 0;
  app_->Settle();

  if (action.Kind == Act::Start) {
    if (!App().StartScreen().IsShown() || App().VertexCountScreen().IsLoaded() ||
        App().HelpScreen().IsLoaded() || App().MatrixEditor().IsLoaded() ||
        App().GraphView().IsLoaded() || App().EdgeIdView().IsLoaded()) {
      Fail(QStringLiteral("the start shows more or less than the start screen"));
    }
    return failure_;
  }
  for (const QString& text : app_->Messages.Texts.mid(before.Messages)) {
    if (!text.startsWith(QStringLiteral(" Simulation terminated"))) ++counts_.Rejections;
  }
  for (const auto& tick : tickMessages_)
    ++(tick.first == 0 ? counts_.TreeRunEnds : counts_.TourRunEnds);
  if (NewlyLoaded(before, F4)) ++counts_.GraphViews;
  CheckMessages(action, before);
  CheckEnd(before);
  if (app_->Ends > before.Ends) return failure_;
  CheckWindows(action, before);
  CheckMatrixEditor(before);
  CheckGraphViewLoad(before);
  CheckUntouchedTexts(action, before);
  CheckAnimation(action, before);
  if (App().HasGraph()) {
    const std::string problem = GraphProblem(App().Graph());
    if (!problem.empty()) Fail(QStringLiteral("graph state: ") + QString::fromStdString(problem));
  }
  return failure_;
}

void SessionDriver::CheckMessages(const Action& action, const Before& before) {
  const QStringList shown = app_->Messages.Texts.mid(before.Messages);
  for (const QString& text : shown) {
    if (!SystemMessages().contains(text)) Fail(QStringLiteral("unknown message: ") + text);
  }
  if (shown.size() > 1) {
    Fail(QStringLiteral("%1 messages for one action: ").arg(shown.size()) + shown.join(u'|'));
  }
  // Messages raised by a tick are checked with the animation.
  QStringList own = shown;
  for (const auto& tick : tickMessages_) own.removeOne(tick.second);

  QString expected;
  if (IsClick(action, F2, "Command1")) {
    const BoxTexts& texts = before.Windows[F2].Texts;
    if (!IsVertexCountText(texts.value(QStringLiteral("Text3")))) {
      expected = VertexCountMessage();
    } else if (!ToInt16(NumericValue(texts.value(QStringLiteral("Text4")).toStdString()))) {
      expected = IterationMessage();
    }
  } else if (IsClick(action, F3, "Command1")) {
    const BoxTexts& texts = before.Windows[F3].Texts;
    bool whitesPass = true;
    bool redsPass = true;
    for (int i = 0; i < BoxCount; ++i) {
      const QString white = texts.value(WhiteName(i));
      if (white != QStringLiteral("1") && white != QStringLiteral("0")) whitesPass = false;
      if (!IsValidRed(texts.value(RedName(i)))) redsPass = false;
    }
    if (!whitesPass) {
      expected = WhiteMessage();
    } else if (!redsPass) {
      expected = RedMessage();
    }
  }
  const QString got = own.isEmpty() ? QString() : own.front();
  if (got != expected) {
    Fail(QStringLiteral("message \"%1\" where \"%2\" was due").arg(got, expected));
  }
}

void SessionDriver::CheckEnd(const Before& before) {
  const bool anyShown = App().AnyShown();
  const int ends = app_->Ends - before.Ends;
  if (!anyShown && ends != 1) Fail(QStringLiteral("no window shown, yet the program runs on"));
  if (anyShown && ends != 0) Fail(QStringLiteral("the program ended with a window shown"));
  int liveForms = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<ui::Form*>(w);
    if (form == nullptr) continue;
    ++liveForms;
    bool known = false;
    for (int f = 0; f < FormCount; ++f) known = known || FormAt(App(), f) == form;
    if (!known)
      Fail(QStringLiteral("a window outside the six slots lives on: ") + form->objectName());
  }
  int loaded = 0;
  for (int f = 0; f < FormCount; ++f) loaded += FormAt(App(), f) != nullptr ? 1 : 0;
  if (liveForms != loaded) Fail(QStringLiteral("windows alive and windows loaded differ"));
  if (ends == 1 && loaded != 0) Fail(QStringLiteral("the program ended with windows loaded"));
}

void SessionDriver::CheckWindows(const Action& action, const Before& before) {
  struct Road {
    int Form;
    std::function<bool()> Allowed;
  };
  const Road roads[] = {
      {F1, [&] { return IsClick(action, F6, "Command1"); }},
      {F2,
       [&] {
         return IsClick(action, F1, "Command1") || IsClick(action, F3, "Command2") ||
                IsClick(action, F4, "Command1") || IsClick(action, F5, "Command1");
       }},
      {F3, [&] { return IsClick(action, F2, "Command1"); }},
      {F4, [&] { return IsClick(action, F3, "Command1"); }},
      {F5, [&] { return IsClick(action, F4, "Command3"); }},
      {F6, [&] { return IsClick(action, F1, "Command2"); }},
  };
  for (const Road& road : roads) {
    if (NewlyLoaded(before, road.Form) && !road.Allowed()) {
      Fail(FormNames[road.Form] + QStringLiteral(" loaded by a road not in the design"));
    }
  }
  if (NewlyLoaded(before, F2)) {
    const Form2& entry = *App().VertexCountScreen().Get();
    if (!entry.Text3->text().isEmpty() || entry.Text4->text() != QStringLiteral("1")) {
      Fail(QStringLiteral("a freshly loaded Form2 does not hold its design-time texts"));
    }
  }
  // Form2 stays loaded under the editor; only its own title-bar button, reachable when "Start
  // Simulation" showed it again, unloads it.
  if (action.Kind == Act::Close && action.Window == FormNames[F2] && before.Windows[F3].Window) {
    entryClosedUnderEditor_ = true;
  }
  if (NewlyLoaded(before, F3)) entryClosedUnderEditor_ = false;
  if (App().MatrixEditor().IsLoaded() && !App().VertexCountScreen().IsLoaded() &&
      !entryClosedUnderEditor_) {
    Fail(QStringLiteral("the matrix editor is loaded without Form2"));
  }
  if (const Form4* view = App().GraphView().Get()) {
    const int running = (view->Timer1->Enabled() ? 1 : 0) + (view->Timer2->Enabled() ? 1 : 0) +
                        (view->Timer3->Enabled() ? 1 : 0);
    if (running > 1) Fail(QStringLiteral("two animations run at once"));
    const GraphState& graph = App().Graph();
    int letters = 0;
    for (const QLineEdit* letter : view->Text2) letters += letter->isVisibleTo(view) ? 1 : 0;
    int weights = 0;
    for (const QLineEdit* weight : view->Text3) weights += weight->isVisibleTo(view) ? 1 : 0;
    if (letters != graph.VertexCount || weights != graph.EdgeCount) {
      Fail(QStringLiteral("the graph view shows %1 vertices and %2 weights for %3 and %4")
               .arg(letters)
               .arg(weights)
               .arg(graph.VertexCount)
               .arg(graph.EdgeCount));
    }
  }
}

void SessionDriver::CheckMatrixEditor(const Before& before) {
  const Form3* editor = App().MatrixEditor().Get();
  if (editor == nullptr) return;
  if (NewlyLoaded(before, F3)) {
    const BoxTexts& entry = before.Windows[F2].Texts;
    acceptedVertexCount_ = entry.value(QStringLiteral("Text3"));
    const auto iterations =
        ToInt16(NumericValue(entry.value(QStringLiteral("Text4")).toStdString()));
    acceptedIterations_ = iterations ? QString::number(*iterations) : QStringLiteral("?");
    if (App().VertexCountScreen().IsShown() || !App().MatrixEditor().IsShown()) {
      Fail(QStringLiteral("Continue did not show the editor and hide Form2"));
    }
    for (int i = 0; i < BoxCount; ++i) {
      if (editor->Text1[i]->text() != QStringLiteral("0") ||
          editor->Text2[i]->text() != QStringLiteral("1")) {
        Fail(QStringLiteral("a fresh matrix editor holds other than design-time boxes"));
        break;
      }
    }
  }
  if (!IsVertexCountText(acceptedVertexCount_) ||
      editor->vertexCount != acceptedVertexCount_.toInt() ||
      editor->Text23->text() != acceptedVertexCount_ ||
      editor->Text24->text() != acceptedIterations_) {
    Fail(QStringLiteral("the editor holds vertex count %1 (%2, %3) where %4, %5 were accepted")
             .arg(editor->vertexCount)
             .arg(editor->Text23->text(), editor->Text24->text(), acceptedVertexCount_,
                  acceptedIterations_));
    return;
  }
  const int n = editor->vertexCount;
  for (int i = 0; i < BoxCount; ++i) {
    const bool inBlock = i / 10 < n && i % 10 < n;
    if (editor->Text1[i]->isVisibleTo(editor) != inBlock ||
        editor->Text2[i]->isVisibleTo(editor) != inBlock) {
      Fail(QStringLiteral("box %1 of the editor is shown outside the block or hidden inside")
               .arg(i));
      return;
    }
  }
}

void SessionDriver::CheckGraphViewLoad(const Before& before) {
  if (!NewlyLoaded(before, F4)) return;
  const Form3* editor = App().MatrixEditor().Get();
  const Form4* view = App().GraphView().Get();
  if (editor == nullptr || before.Windows[F3].Window.data() != editor) {
    Fail(QStringLiteral("the graph view loaded without the matrix editor it was validated by"));
    return;
  }
  if (!App().MatrixEditor().IsShown() || !App().GraphView().IsShown()) {
    Fail(QStringLiteral("View Resulting Graph did not leave editor and graph view shown"));
  }
  const GraphState& graph = App().Graph();
  if (graph.VertexCount != editor->vertexCount || graph.IterationCount != editor->iterationCount) {
    Fail(QStringLiteral("the graph view took other counts than the editor holds"));
  }
  if (view->Timer1->Enabled() || view->Timer2->Enabled() || view->Timer3->Enabled() ||
      view->Command4->isEnabled()) {
    Fail(QStringLiteral("a fresh graph view runs an animation or offers RunTSP"));
  }
  runTicks_ = 0;
  const int n = editor->vertexCount;
  int ones = 0;
  for (int r = 0; r < MaxVertices; ++r) {
    for (int c = 0; c < MaxVertices; ++c) {
      const bool one = editor->Text1[BoxIndex(r, c)]->text() == QStringLiteral("1");
      if (!one) continue;
      ++ones;
      const bool mirrored = editor->Text1[BoxIndex(c, r)]->text() == QStringLiteral("1");
      const std::int16_t line = graph.LineIdOf(c, r);
      if (r == c || r >= n || c >= n || mirrored || line < 0 || line >= graph.EdgeCount) {
        Fail(QStringLiteral("white box %1 after the load does not match one drawn line")
                 .arg(BoxIndex(r, c)));
        return;
      }
      if (view->Text3[line]->text() != editor->Text2[BoxIndex(r, c)]->text()) {
        Fail(QStringLiteral("weight box of line %1 does not show its red box text").arg(line));
      }
    }
  }
  if (ones != graph.EdgeCount) Fail(QStringLiteral("kept white boxes and drawn lines differ"));
  if (const Form5* grid = App().EdgeIdView().Get()) {
    for (int cell = 0; cell < BoxCount; ++cell) {
      const EdgeGridCell& shown = graph.EdgeGrid[cell];
      if (grid->Text1[cell]->text() != QString::number(shown.LineId) ||
          grid->Text3[cell]->text() != QString::fromStdString(shown.WeightText)) {
        Fail(QStringLiteral("the open edge-identifier view missed the new grid at cell %1")
                 .arg(cell));
        return;
      }
    }
  }
}

void SessionDriver::CheckUntouchedTexts(const Action& action, const Before& before) {
  QSet<QString> mayChange;  // "form/control"
  std::function<bool(int form, const QString& name, const QString& was, const QString& now)> rule;
  const auto allow = [&](int form, const QString& name) {
    mayChange.insert(FormNames[form] + u'/' + name);
  };
  const int acted = FormIndex(action.Window);
  if (action.Kind == Act::Type || action.Kind == Act::Paste || action.Kind == Act::Enter) {
    allow(acted, action.Control);
  }
  const auto allowList = [&](std::initializer_list<const char*> names) {
    for (const char* name : names) allow(F4, QLatin1String(name));
  };
  const int n = App().MatrixEditor().IsLoaded() ? App().MatrixEditor().Get()->vertexCount : 0;
  if (IsClick(action, F3, "Command4")) {
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) allow(F3, WhiteName(BoxIndex(r, c)));
    }
    rule = [](int, const QString&, const QString&, const QString& now) {
      return now == QStringLiteral("1");
    };
  }
  if (IsClick(action, F3, "Command5")) {
    for (int i = 0; i < BoxCount; ++i) allow(F3, RedName(i));
    static const QRegularExpression weight(QStringLiteral("^[1-9][0-9]?$"));
    rule = [](int, const QString&, const QString&, const QString& now) {
      return weight.match(now).hasMatch();
    };
  }
  if (IsClick(action, F3, "Command1") && NewlyLoaded(before, F4)) {
    for (int i = 0; i < BoxCount; ++i) allow(F3, WhiteName(i));
    for (int i = 0; i < BoxCount; ++i) {
      allow(F5, QStringLiteral("Text1_%1").arg(i));
      allow(F5, QStringLiteral("Text3_%1").arg(i));
    }
    // Symmetrising only ever clears a kept box's mirror.
    rule = [](int form, const QString&, const QString& was, const QString& now) {
      return form == F5 || (was == QStringLiteral("1") && now == QStringLiteral("0"));
    };
  }
  if (IsClick(action, F4, "Command2")) allowList({"Text4"});
  if (IsClick(action, F4, "Command4")) allowList({"Text5", "Text10", "Text7"});
  if (IsClick(action, F4, "Command6")) allowList({"Text10", "Text7"});
  if (action.Kind == Act::Tick || action.NestedTicks > 0) {
    allowList({"Text6", "Text7", "Text8", "Text9"});
  }

  for (int f = 0; f < FormCount; ++f) {
    const WindowState& was = before.Windows[f];
    ui::Form* now = FormAt(App(), f);
    if (was.Window.isNull() || now != was.Window.data()) continue;
    const BoxTexts texts = TextsOf(now);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
      const QString old = was.Texts.value(it.key());
      if (old == it.value()) continue;
      if (!mayChange.contains(FormNames[f] + u'/' + it.key())) {
        Fail(QStringLiteral("%1 %2 changed from \"%3\" to \"%4\" without being touched")
                 .arg(FormNames[f], it.key(), old.left(40), it.value().left(40)));
        return;
      }
      if (rule && f != acted && f != F5) continue;
      if (rule && !rule(f, it.key(), old, it.value())) {
        Fail(QStringLiteral("%1 %2 became \"%3\"").arg(FormNames[f], it.key(), it.value()));
        return;
      }
    }
  }
}

void SessionDriver::CheckAnimation(const Action& action, const Before& before) {
  const Form4* view = App().GraphView().Get();
  if (view == nullptr) return;
  if (IsClick(action, F4, "Command2") || IsClick(action, F4, "Command4") ||
      IsClick(action, F4, "Command6")) {
    runTicks_ = 0;
    const GraphState& graph = App().Graph();
    if (!IsClick(action, F4, "Command4") && graph.IterationCount > 0) {
      const std::string problem = SpanningTreeProblem(graph);
      if (!problem.empty()) Fail(QString::fromStdString(problem));
    }
    if (IsClick(action, F4, "Command6") && graph.IterationCount > 0) {
      const std::string problem = LightCycleProblem(graph);
      if (!problem.empty()) Fail(QString::fromStdString(problem));
    }
  }
  const std::array<ui::Timer*, 3> timers = {view->Timer1, view->Timer2, view->Timer3};
  for (const auto& [timer, message] : tickMessages_) {
    if (timers[timer]->Enabled()) Fail(QStringLiteral("an ended animation still ticks"));
    const GraphState& graph = App().Graph();
    if (timer == 0) {
      const QString listed = QString::fromStdString(TreeListing(graph));
      if (message != QString::fromLatin1(SentinelFoundMessage) || view->Text6->text() != listed) {
        Fail(QStringLiteral("the tree run ended with \"%1\" listing \"%2\" for \"%3\"")
                 .arg(message, view->Text6->text(), listed));
      }
      continue;
    }
    const TourListing expected = ListTour(graph);
    const QString end =
        QString::fromLatin1(expected.Empty ? SentinelFoundMessage : EndReachedMessage);
    if (message != end || view->Text7->text() != QString::fromStdString(expected.Edges) ||
        view->Text8->text() != QString::fromStdString(expected.Weights) ||
        view->Text9->text() != QString::number(expected.Weight)) {
      Fail(QStringLiteral("the tour run ended with \"%1\", \"%2\", \"%3\", \"%4\"")
               .arg(message, view->Text7->text(), view->Text8->text(), view->Text9->text()));
    }
  }
  for (int t = 0; t < 3; ++t) {
    if (!before.TimersOn[t] && timers[t]->Enabled() &&
        !IsClick(action, F4,
                 t == 0   ? "Command2"
                 : t == 1 ? "Command4"
                          : "Command6")) {
      Fail(QStringLiteral("Timer%1 switched on by another action").arg(t + 1));
    }
    if (timers[t]->Enabled() && runTicks_ > MaxRunTicks) {
      Fail(QStringLiteral("Timer%1 still runs after %2 ticks").arg(t + 1).arg(runTicks_));
    }
  }
}

Action SessionDriver::Pick(std::mt19937& random) {
  if (!app_ || !App().AnyShown()) return Action(Act::Start);
  const auto uniform = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // Every choice with its weight; a text choice names only its window, the box comes later.
  std::vector<Action> choices;
  std::vector<double> weights;
  const auto offer = [&](Action action, double weight) {
    choices.push_back(std::move(action));
    weights.push_back(weight);
  };
  // Windows with hundreds of boxes are costly to open; leaving them is made rarer so that a
  // session spends its actions inside them rather than on opening them again.
  static const QHash<QString, double> buttonWeights = {
      {"Form3/Command2", 0.5}, {"Form3/Command3", 0.5}, {"Form4/Command1", 0.5},
      {"Form4/Command5", 0.5}, {"Form4/Command3", 1.5}, {"Form5/Command1", 2}};
  for (int f = 0; f < FormCount; ++f) {
    ui::Form* form = FormAt(App(), f);
    if (form == nullptr || !form->isVisible()) continue;
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
      if (!button->isVisible() || !button->isEnabled()) continue;
      const double weight = buttonWeights.value(FormNames[f] + u'/' + button->objectName(), 4);
      offer(Action(Act::Click, FormNames[f], button->objectName(), {}, 0), weight);
    }
    offer(Action(Act::Close, FormNames[f], {}, {}, 0), 0.3);
    offer(Action(Act::Type, FormNames[f], {}, {}, 0), f == F3 ? 24 : 8);
    if (f == F4) {
      for (ui::Timer* timer : form->findChildren<ui::Timer*>()) {
        if (timer->Enabled())
          offer(Action(Act::Tick, FormNames[f], timer->objectName(), {}, 0), 30);
      }
    }
  }
  Action action = choices[std::discrete_distribution<int>(weights.begin(), weights.end())(random)];

  if (action.Kind == Act::Click) {
    const Form4* view = App().GraphView().Get();
    const bool running = view != nullptr && (view->Timer1->Enabled() || view->Timer2->Enabled() ||
                                             view->Timer3->Enabled());
    if (running && uniform(0, 2) == 0) action.NestedTicks = uniform(1, 3);
  }
  if (action.Kind != Act::Type) return action;

  ui::Form* form = FormAt(App(), FormIndex(action.Window));
  QList<QWidget*> boxes;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (IsBox(w) && w->isVisible() && w->isEnabled()) boxes.append(w);
  }
  if (boxes.isEmpty()) return Action(Act::Close, action.Window, {}, {}, 0);
  action.Control = boxes[uniform(0, static_cast<int>(boxes.size()) - 1)]->objectName();
  BoxRole role = BoxRole::Other;
  if (action.Window == FormNames[F2] && action.Control == QStringLiteral("Text3")) {
    role = BoxRole::VertexCount;
  } else if (action.Window == FormNames[F2] && action.Control == QStringLiteral("Text4")) {
    role = BoxRole::Iterations;
  } else if (action.Window == FormNames[F3] &&
             action.Control.startsWith(QStringLiteral("Text1_"))) {
    role = BoxRole::White;
  } else if (action.Window == FormNames[F3] &&
             action.Control.startsWith(QStringLiteral("Text2_"))) {
    role = BoxRole::Red;
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

MonkeySession::MonkeySession() : driver_(std::make_unique<SessionDriver>()) {}
MonkeySession::~MonkeySession() = default;

const SessionCounts& MonkeySession::Counts() const {
  return driver_->Counts();
}

QString MonkeySession::Perform(const Action& action) {
  return driver_->Perform(action);
}

Action MonkeySession::Pick(std::mt19937& random) {
  return driver_->Pick(random);
}

SessionResult RunRandomSession(unsigned seed, int actionCount) {
  std::mt19937 random(seed);
  MonkeySession session;
  SessionResult result;
  for (int i = 0; i < actionCount; ++i) {
    result.Performed.push_back(session.Pick(random));
    const QString failure = session.Perform(result.Performed.back());
    if (!failure.isEmpty()) {
      result.Failure = QStringLiteral("action %1: %2").arg(i).arg(failure);
      break;
    }
  }
  result.Counts = session.Counts();
  return result;
}

SessionResult Replay(const std::vector<Action>& actions) {
  MonkeySession session;
  SessionResult result;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    result.Performed.push_back(actions[i]);
    const QString failure = session.Perform(actions[i]);
    if (!failure.isEmpty()) {
      result.Failure = QStringLiteral("action %1: %2").arg(i).arg(failure);
      break;
    }
  }
  result.Counts = session.Counts();
  return result;
}

namespace {

QString Reason(const QString& failure) {
  return failure.section(QStringLiteral(": "), 1);
}

}  // namespace

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
    for (std::size_t at = 1; at < actions.size() && budget > 0;) {
      std::vector<Action> shorter = actions;
      const std::size_t end = std::min(actions.size(), at + chunk);
      shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                    shorter.begin() + static_cast<std::ptrdiff_t>(end));
      --budget;
      if (Reason(Replay(shorter).Failure) == reason) {
        actions = std::move(shorter);
      } else {
        at += chunk;
      }
    }
  }
  for (Action& action : actions) {
    while (action.Text.size() > 1 && budget > 0) {
      std::vector<Action> shorter = actions;
      Action& cut = shorter[static_cast<std::size_t>(&action - actions.data())];
      cut.Text.truncate(cut.Text.size() / 2);
      --budget;
      if (Reason(Replay(shorter).Failure) != reason) break;
      action.Text = cut.Text;
    }
  }
  return actions;
}

}  // namespace tsp::testing
