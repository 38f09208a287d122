#include "graph/form5.h"

#include "app/screens.h"
#include "ui/geometry.h"

namespace tsp {

Form5::Form5(Screens& screens)
    : Form(QStringLiteral("Form5"), 10905, 10815, ui::SystemColour::MenuText), screens_(screens) {}

}  // namespace tsp
