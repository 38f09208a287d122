// Reads arbitrary bytes as a CSV matrix; an imported matrix must survive a graph file.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/csv_matrix.h"
#include "core/vertex.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto read = tsp::ReadCsvMatrix(bytes, "1");
  if (const auto* document = std::get_if<tsp::GraphDocument>(&read)) {
    const int n = document->VertexCount;
    Check(n >= 1 && n <= tsp::MaxVertices);
    Check(document->White.size() == static_cast<std::size_t>(n * n));
    Check(document->Red.size() == document->White.size());
    for (int i = 0; i < n; ++i) Check(document->White[i * n + i] == "0");
    const auto again = tsp::ReadGraphFile(tsp::WriteGraphFile(*document));
    Check(std::holds_alternative<tsp::GraphDocument>(again));
    Check(std::get<tsp::GraphDocument>(again) == *document);
  } else {
    Check(!std::get<tsp::FileError>(read).What.empty());
  }
  return 0;
}
