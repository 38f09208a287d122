// Checks the number rules on arbitrary texts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/text/number_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = tsp::NumericValue(text);
  Check(!std::isnan(value));
  // A character that cannot continue a number never changes the value read before it.
  Check(tsp::NumericValue(text + "x") == value || (std::isnan(value)));

  if (const auto rounded = tsp::ToInt16(value)) {
    const double distance = std::fabs(*rounded - value);
    Check(distance <= 0.5);
    if (distance == 0.5) Check(*rounded % 2 == 0);
  } else {
    Check(!std::isfinite(value) || std::fabs(value) >= 32767.5);
  }

  if (const auto whole = tsp::WholeNumber(text)) {
    Check(tsp::ToInt16(value) == whole);
  }
  return 0;
}
