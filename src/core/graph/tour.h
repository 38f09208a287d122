#pragma once

#include "core/graph/fixed_list.h"
#include "core/graph/vertex.h"

namespace tsp {

// A closed tour: its vertices in order, the start again at the end (a single vertex alone).
using Tour = FixedList<int, MaxVertices + 1>;

}  // namespace tsp
