#pragma once

#include "ui/form.h"

namespace tsp {

class Screens;

// The graph view.
class Form4 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form4(Screens& screens);

 private:
  Screens& screens_;
};

}  // namespace tsp
