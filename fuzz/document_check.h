#pragma once

#include <cstdlib>
#include <variant>

#include "core/files/graph_file.h"

// Stops the fuzzer where a read gave a document that a graph file does not keep as it is, or
// failed without saying why.
inline void CheckDocumentRead(const std::variant<tsp::GraphDocument, tsp::FileError>& read) {
  const auto check = [](bool condition) {
    if (!condition) std::abort();
  };
  if (const auto* document = std::get_if<tsp::GraphDocument>(&read)) {
    const auto again = tsp::ReadGraphFile(tsp::WriteGraphFile(*document));
    check(std::holds_alternative<tsp::GraphDocument>(again));
    check(std::get<tsp::GraphDocument>(again) == *document);
  } else {
    check(!std::get<tsp::FileError>(read).What.empty());
  }
}
