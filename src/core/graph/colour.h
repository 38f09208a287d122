#pragma once

#include <cstdint>

namespace tsp {

// A colour as red, green and blue from 0 to 255.
struct Rgb {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;

  bool operator==(const Rgb&) const = default;
};

}  // namespace tsp
