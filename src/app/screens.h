#pragma once

#include <functional>
#include <memory>

#include "graph/graph_state.h"
#include "ui/form.h"
#include "ui/services.h"

namespace tsp {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

// The six windows of the application and the one graph state. Every window reaches the
// others, and the outside world, through this object.
class Screens {
 public:
  explicit Screens(ui::Services services);
  ~Screens();
  Screens(const Screens&) = delete;
  Screens& operator=(const Screens&) = delete;

  // Shows the start screen; nothing else is loaded.
  void Start();

  ui::WindowSlot<Form1>& StartScreen() { return *form1_; }
  ui::WindowSlot<Form2>& VertexCountScreen() { return *form2_; }
  ui::WindowSlot<Form3>& MatrixEditor() { return *form3_; }
  ui::WindowSlot<Form4>& GraphView() { return *form4_; }
  ui::WindowSlot<Form5>& EdgeIdView() { return *form5_; }
  ui::WindowSlot<Form6>& HelpScreen() { return *form6_; }

  ui::Services& Services() { return services_; }

  // Created at the first opening of the graph view, kept until the application ends.
  GraphState& Graph();
  bool HasGraph() const { return graph_ != nullptr; }

  // Runs when a handler has left no window on screen, after every window was unloaded.
  // The program quits there; tests count it.
  void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }
  bool AnyShown() const;

 private:
  void ScheduleEndCheck();
  void CheckEnd();

  ui::Services services_;
  std::function<void()> onEnd_;
  bool endCheckPending_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::unique_ptr<GraphState> graph_;
  std::unique_ptr<ui::WindowSlot<Form1>> form1_;
  std::unique_ptr<ui::WindowSlot<Form2>> form2_;
  std::unique_ptr<ui::WindowSlot<Form3>> form3_;
  std::unique_ptr<ui::WindowSlot<Form4>> form4_;
  std::unique_ptr<ui::WindowSlot<Form5>> form5_;
  std::unique_ptr<ui::WindowSlot<Form6>> form6_;
};

}  // namespace tsp
