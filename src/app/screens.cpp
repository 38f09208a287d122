#include "app/screens.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/form1.h"
#include "app/form6.h"
#include "entry/form2.h"
#include "entry/form3.h"
#include "graph/form4.h"
#include "graph/form5.h"

namespace tsp {

Screens::Screens(ui::Services services) : services_(services) {
  const auto changed = [this] { ScheduleEndCheck(); };
  form1_ = std::make_unique<ui::WindowSlot<Form1>>([this] { return new Form1(*this); }, changed);
  form2_ = std::make_unique<ui::WindowSlot<Form2>>([this] { return new Form2(*this); }, changed);
  form3_ = std::make_unique<ui::WindowSlot<Form3>>([this] { return new Form3(*this); }, changed);
  form4_ = std::make_unique<ui::WindowSlot<Form4>>([this] { return new Form4(*this); }, changed);
  form5_ = std::make_unique<ui::WindowSlot<Form5>>([this] { return new Form5(*this); }, changed);
  form6_ = std::make_unique<ui::WindowSlot<Form6>>([this] { return new Form6(*this); }, changed);
}

Screens::~Screens() {
  // Windows that read other windows go first.
  form5_.reset();
  form4_.reset();
  form3_.reset();
  form2_.reset();
  form6_.reset();
  form1_.reset();
}

void Screens::Start() {
  form1_->Show();
}

GraphState& Screens::Graph() {
  if (!graph_) graph_ = std::make_unique<GraphState>();
  return *graph_;
}

bool Screens::AnyShown() const {
  return form1_->IsShown() || form2_->IsShown() || form3_->IsShown() || form4_->IsShown() ||
         form5_->IsShown() || form6_->IsShown();
}

// The check waits until the handler that hid or unloaded a window has finished, so that a
// handler that unloads one window and then shows another never ends the application.
void Screens::ScheduleEndCheck() {
  if (endCheckPending_) return;
  endCheckPending_ = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [this, guard = std::weak_ptr<bool>(alive_)] {
    if (guard.expired()) return;
    CheckEnd();
  });
}

void Screens::CheckEnd() {
  endCheckPending_ = false;
  if (AnyShown()) return;
  // No new check while the hidden windows go.
  endCheckPending_ = true;
  form5_->Unload();
  form4_->Unload();
  form3_->Unload();
  form2_->Unload();
  form6_->Unload();
  form1_->Unload();
  endCheckPending_ = false;
  if (onEnd_) onEnd_();
}

}  // namespace tsp
