// Reads arbitrary bytes as a graph file; what reads must survive writing and reading again.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "core/graph_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto read = tsp::ReadGraphFile(bytes);
  if (const auto* document = std::get_if<tsp::GraphDocument>(&read)) {
    const auto again = tsp::ReadGraphFile(tsp::WriteGraphFile(*document));
    Check(std::holds_alternative<tsp::GraphDocument>(again));
    Check(std::get<tsp::GraphDocument>(again) == *document);
  } else {
    Check(!std::get<tsp::FileError>(read).What.empty());
  }
  return 0;
}
