#include "graph/form4.h"

#include "app/screens.h"
#include "ui/geometry.h"

namespace tsp {

Form4::Form4(Screens& screens)
    : Form(QStringLiteral("Form4"), 12165, 11115, ui::SystemColour::MenuText), screens_(screens) {}

}  // namespace tsp
