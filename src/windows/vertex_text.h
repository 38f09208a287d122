#pragma once

#include <QString>

#include "core/graph/vertex.h"

namespace tsp {

// "A" to "J" as the windows show them.
inline QString VertexText(int vertex) {
  return QString(QLatin1Char(VertexLetter(vertex)));
}

}  // namespace tsp
