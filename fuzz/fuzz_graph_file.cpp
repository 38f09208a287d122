// Reads arbitrary bytes as a graph file; what reads must survive writing and reading again.
#include <cstdint>
#include <string_view>

#include "document_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckDocumentRead(
      tsp::ReadGraphFile(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
