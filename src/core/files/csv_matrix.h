#pragma once

#include <string_view>
#include <variant>

#include "core/files/graph_file.h"

namespace tsp {

// Reads a square weight matrix exported from a spreadsheet; never throws. Cells are separated
// by tabs, semicolons or commas (the first of these found in the first line), may be quoted,
// and an optional first row and first column may name the vertices A, B, ... An empty cell or
// 0 is no edge; any other cell must be a decimal number from -100 to 100 and becomes the red
// box's text as written. Weights on the diagonal are checked but not imported, as a vertex is
// never joined to itself. Errors give the line and the cell number, both from 1.
std::variant<GraphDocument, FileError> ReadCsvMatrix(std::string_view bytes,
                                                     std::string_view iterationText);

}  // namespace tsp
