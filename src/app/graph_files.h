#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "core/files/graph_file.h"

namespace tsp {

// The graph in a file: a .csv file is read as a weight matrix (with the iteration count
// given), any other as a graph file. On failure, what is wrong and where.
std::variant<GraphDocument, QString> ReadGraphDocument(const QString& path,
                                                       const QString& iterationText);

// Writes the graph file whole or not at all; empty on success, else why it failed.
std::optional<QString> WriteGraphDocument(const QString& path, const GraphDocument& document);

// "Cannot open FILE: what" for every message about a file.
QString FileMessage(const QString& verb, const QString& path, const QString& what);

}  // namespace tsp
