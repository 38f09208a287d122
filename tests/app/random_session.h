#pragma once

#include <QString>
#include <vector>

namespace tsp::testing {

enum class Act {
  Start,   // a fresh program start: the start screen and nothing else
  Click,   // a mouse click on a button
  Type,    // select all with the keyboard, then type the text key by key
  Paste,   // select all with the keyboard, then paste the text from the clipboard
  Enter,   // the Enter key in a box
  Close,   // the title-bar close button
  Tick,    // one tick of a running timer
  Choose,  // the item numbered Text in a combo box or list, by keyboard; "+" after it: then Enter
};

// One user action, named by window title and control object name so that a list of them can
// be written down as code and replayed.
struct Action {
  Action(Act kind, const char* window = "", const char* control = "", const char16_t* text = u"",
         int nestedTicks = 0, unsigned pressesWhileOpen = 0);
  Action(Act kind, QString window, QString control, QString text = {}, int nestedTicks = 0,
         unsigned pressesWhileOpen = 0);

  Act Kind;
  QString Window;
  QString Control;
  QString Text;
  // Ticks of the running animation while a message box raised by this action is open (the
  // real box runs a nested event loop in which timers keep firing).
  int NestedTicks = 0;
  // While a dialog this action raises is open (a message box or a file dialog): presses,
  // keys, close requests and ticks on the windows it blocks, drawn from a generator with this
  // seed; 0 for none. Qt's modality does not stop an accessibility action or click().
  unsigned PressesWhileOpen = 0;
};

// The actions as C++ initialisers, ready to paste into a replay test.
QString ActionListCode(const std::vector<Action>& actions);

// How far a session got, so that a generator that stops reaching the runs is noticed.
struct SessionCounts {
  int Starts = 0;
  int GraphViews = 0;  // loads of the graph view
  int TreeRunEnds = 0;
  int TourRunEnds = 0;
  int Rejections = 0;  // messages about a wrong input
  int PressesWhileOpen = 0;
};

struct SessionResult {
  std::vector<Action> Performed;  // up to and including the failing action
  QString Failure;                // empty when every check held
  SessionCounts Counts;
};

// Starts the program and lets a seeded generator pick actionCount actions a user could take,
// checking after each what the user sees. With pressWhileDialogsOpen, half the clicks and
// ticks also press the blocked windows while a dialog they raise is open.
SessionResult RunRandomSession(unsigned seed, int actionCount, bool pressWhileDialogsOpen = false);

// Performs the actions in order; stops at the first failed check.
SessionResult Replay(const std::vector<Action>& actions);

// A shorter list that fails the same way: the actions from the last program start, then
// without every chunk that the failure does not need.
std::vector<Action> ShrinkFailure(const SessionResult& failed);

}  // namespace tsp::testing
