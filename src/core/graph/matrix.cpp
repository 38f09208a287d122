#include "core/graph/matrix.h"

#include <cmath>

#include "core/text/number_text.h"
#include "core/text/text_excerpt.h"

namespace tsp {

MatrixTexts MatrixTexts::Blank() {
  MatrixTexts texts;
  texts.White.fill("0");
  texts.Red.fill("1");
  return texts;
}

bool IsAdjacencyText(std::string_view text) {
  return text == "1" || text == "0";
}

bool IsWeightText(std::string_view text) {
  const double value = NumericValue(text);
  return value > -MaxWeight && value < MaxWeight && value != 0;
}

MatrixCheck CheckMatrix(const MatrixTexts& texts) {
  MatrixCheck check;
  for (int i = 0; i < BoxCount; ++i) check.BadWhite[i] = !IsAdjacencyText(texts.White[i]);
  if (check.BadWhite.any()) return check;
  check.RedChecked = true;
  for (int i = 0; i < BoxCount; ++i) check.BadRed[i] = !IsWeightText(texts.Red[i]);
  return check;
}

std::array<std::string, BoxCount> KeepOneBoxPerPair(std::array<std::string, BoxCount> white) {
  for (int i = 0; i < BoxCount; ++i) {
    // assign, not = "0": a false -Wrestrict in g++ 12
    if (white[i] == "1") white[BoxIndex(BoxColumn(i), BoxRow(i))].assign(1, '0');
  }
  return white;
}

std::int16_t WeightOfText(std::string_view text) {
  const double value = NumericValue(text);
  if (std::isnan(value)) return 0;
  const auto rounded = ToInt16(value);
  if (rounded && *rounded >= -MaxWeight && *rounded <= MaxWeight) return *rounded;
  return value < 0 ? static_cast<std::int16_t>(-MaxWeight) : MaxWeight;
}

namespace {

// A box text as a message quotes it.
std::string Quoted(const std::string& text) {
  const auto excerpt = Excerpt(text, 24);
  return excerpt ? "\"" + *excerpt + "\"" : "a text that cannot be shown";
}

}  // namespace

std::string MatrixFault(const MatrixTexts& texts) {
  const MatrixCheck check = CheckMatrix(texts);
  const auto pair = [](int box) {
    return std::string(1, VertexLetter(BoxRow(box))) + " to " + VertexLetter(BoxColumn(box));
  };
  for (int box = 0; box < BoxCount; ++box) {
    if (check.BadWhite[box]) {
      return "The white box " + pair(box) + " holds " + Quoted(texts.White[box]) +
             "; it must hold 1 or 0.";
    }
    if (check.RedChecked && check.BadRed[box]) {
      return "The red box " + pair(box) + " holds " + Quoted(texts.Red[box]) +
             "; a weight lies between -101 and 101 and is not 0.";
    }
  }
  return {};
}

}  // namespace tsp
