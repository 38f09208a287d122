// Reads arbitrary bytes as a CSV matrix; an imported matrix must survive a graph file.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/files/csv_matrix.h"
#include "core/graph/vertex.h"
#include "document_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto read = tsp::ReadCsvMatrix(bytes, "1");
  if (const auto* document = std::get_if<tsp::GraphDocument>(&read)) {
    const int n = document->VertexCount;
    const bool square = n >= 1 && n <= tsp::MaxVertices &&
                        document->White.size() == static_cast<std::size_t>(n * n) &&
                        document->Red.size() == document->White.size();
    if (!square) std::abort();
    for (int i = 0; i < n; ++i) {
      if (document->White[i * n + i] != "0") std::abort();
    }
  }
  CheckDocumentRead(read);
  return 0;
}
