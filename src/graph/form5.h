#pragma once

#include "ui/form.h"

namespace tsp {

class Screens;

// The edge-identifier view.
class Form5 final : public ui::Form {
  Q_OBJECT

 public:
  explicit Form5(Screens& screens);

 private:
  Screens& screens_;
};

}  // namespace tsp
