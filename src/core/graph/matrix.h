#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/graph/vertex.h"

namespace tsp {

// The matrix editor's box texts exactly as typed; index = BoxIndex(row, column). White boxes
// say whether a line joins row to column, red boxes give its weight.
struct MatrixTexts {
  std::array<std::string, BoxCount> White;
  std::array<std::string, BoxCount> Red;

  // The texts of a fresh editor: no line, weight 1.
  static MatrixTexts Blank();
};

// A white box passes when it reads exactly "1" or "0".
bool IsAdjacencyText(std::string_view text);
// A red box passes when its numeric value lies strictly between -101 and 101 and is not 0.
bool IsWeightText(std::string_view text);

// The boxes that fail, all hundred of them, hidden ones included. The red boxes are checked only
// when every white box passes.
struct MatrixCheck {
  std::bitset<BoxCount> BadWhite;
  std::bitset<BoxCount> BadRed;
  bool RedChecked = false;

  bool Passes() const { return RedChecked && BadRed.none(); }
};
MatrixCheck CheckMatrix(const MatrixTexts& texts);

// Why the boxes would not pass the checks, naming the first box that fails; empty when they
// pass.
std::string MatrixFault(const MatrixTexts& texts);

// One white "1" per vertex pair: in box order, each "1" clears the box of the opposite
// direction; a "1" on the diagonal clears itself.
std::array<std::string, BoxCount> KeepOneBoxPerPair(std::array<std::string, BoxCount> white);

// The weight of a red box text: its numeric value rounded half to even. Validation keeps the
// value strictly between -101 and 101; anything else is clamped into -101..101 so that sums of
// weights stay far from overflow.
std::int16_t WeightOfText(std::string_view text);
inline constexpr std::int16_t MaxWeight = 101;

}  // namespace tsp
