#pragma once

#include <string>
#include <vector>

#include "core/graph/drawing.h"

namespace tsp {

// The drawing as a Graphviz graph: its vertices, its lines with their weights as labels, and
// each line that has a colour name ("#ff8000") in that colour; an empty name keeps the default.
std::string GraphvizText(const Drawing& drawing, const std::vector<std::string>& lineColours);

}  // namespace tsp
