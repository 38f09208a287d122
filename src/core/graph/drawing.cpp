#include "core/graph/drawing.h"

#include "core/text/number_text.h"

namespace tsp {

Drawing BuildDrawing(int vertexCount, const MatrixTexts& texts) {
  assert(vertexCount >= 1 && vertexCount <= MaxVertices);
  Drawing drawing;
  drawing.vertexCount_ = vertexCount;
  const auto white = KeepOneBoxPerPair(texts.White);
  for (int box = 0; box < BoxCount; ++box) {
    const int from = BoxRow(box);
    const int to = BoxColumn(box);
    if (white[box] != "1" || from == to) continue;
    const std::string& text = texts.Red[box];
    const auto id = static_cast<std::int8_t>(drawing.lines_.size());
    drawing.lines_.push_back(
        DrawnLine{from, to, text, WeightOfText(text), NumericValue(text) != 0});
    drawing.lineAt_[box] = id;
    drawing.lineAt_[BoxIndex(to, from)] = id;
    const DrawnLine& line = drawing.lines_.back();
    if (line.Listed) {
      drawing.listed_[from][to] = line.Weight;
      drawing.listed_[to][from] = line.Weight;
    }
  }
  return drawing;
}

PairWeights PairWeightsOf(const Drawing& drawing) {
  PairWeights pairs;
  pairs.VertexCount = drawing.VertexCount();
  for (const DrawnLine& line : drawing.Lines()) {
    if (line.From < pairs.VertexCount && line.To < pairs.VertexCount) {
      pairs.Join(line.From, line.To, line.Weight);
    }
  }
  return pairs;
}

}  // namespace tsp
