// Runs the whole computation chain on matrices decoded from arbitrary bytes: validation, the
// drawing, spanning tree, tour, light cycle and their animations, then every row of the table
// of algorithms, and checks what holds for every graph on the way.
//
// Input: vertex count byte, repetition count byte, then per cell of the n x n block one byte
// for the white box and a red box text (a length byte, its top bit asking for a number from
// the next byte instead of raw text), then a byte that seeds the hidden red boxes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/algorithms/light_cycle.h"
#include "core/graph/matrix.h"
#include "core/lesson/animation.h"
// Shared with the stress test of the core.
#include "../tests/core/row_checks.h"

namespace {

using namespace tsp;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Text(std::size_t length) {
    length = std::min(length, size_ - std::min(at_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Mostly "0" and "1"; now and then a text that validation must turn down.
std::string WhiteText(std::uint8_t b) {
  static const char* const odd[] = {" 1", "01", ""};
  if (b >= 253) return odd[b - 253];
  return (b & 1) != 0 ? "1" : "0";
}

std::string RedText(Bytes& in) {
  if (in.Empty()) return "1";
  const std::uint8_t head = in.Next();
  if ((head & 0x80) != 0) return std::to_string(static_cast<std::int8_t>(in.Next()));
  return in.Text(head % 24);
}

// Every vertex at most once, A first, and A again at the end.
void CheckClosedTour(const Tour& tour, int vertexCount) {
  Check(tour.size() >= 2 && tour.front() == 0 && tour.back() == 0, "a tour is not closed at A");
  unsigned seen = 0;
  for (std::size_t s = 0; s + 1 < tour.size(); ++s) {
    Check(tour[s] >= 0 && tour[s] < vertexCount, "a tour visits no vertex");
    Check((seen & (1u << tour[s])) == 0, "a tour visits a vertex twice");
    seen |= 1u << tour[s];
  }
}

void CheckPlayback(const Drawing& drawing, const Animation& animation) {
  const auto steps = static_cast<int>(animation.Steps.size());
  const PlayedTexts all = TextsAfter(animation, steps);
  Check(all.Edges.size() == 5u * animation.Steps.size(), "an edge listed is not X--Y,");
  for (const AnimationStep& step : animation.Steps) {
    Check(step.LineId == drawing.LineBetween(step.From, step.To), "a step colours another line");
    Check(step.Weight == drawing.WeightBetween(step.From, step.To), "a step has another weight");
  }
  Check(TextsAfter(animation, steps / 2).Edges == all.Edges.substr(0, 5 * (steps / 2)),
        "texts of fewer steps are no prefix");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  const int n = 1 + in.Next() % MaxVertices;
  const int repetitions = 1 + in.Next() % 3;

  // Boxes outside the n x n block are hidden: their white boxes keep "0", their red boxes "1"
  // or a weight of " Random Weight".
  MatrixTexts texts = MatrixTexts::Blank();
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      texts.White[BoxIndex(r, c)] = WhiteText(in.Next());
      texts.Red[BoxIndex(r, c)] = RedText(in);
    }
  }
  if (!in.Empty()) {
    const std::uint8_t hidden = in.Next();
    for (int i = 0; i < BoxCount; ++i) {
      if (BoxRow(i) >= n || BoxColumn(i) >= n)
        texts.Red[i] = std::to_string(1 + (hidden + 7 * i) % 99);
    }
  }
  if (!CheckMatrix(texts).Passes()) return 0;

  const Drawing drawing = BuildDrawing(n, texts);
  Check(drawing.Lines().size() <= static_cast<std::size_t>(n * (n - 1) / 2),
        "more lines than vertex pairs");
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      const bool entered =
          a != b && (texts.White[BoxIndex(a, b)] == "1" || texts.White[BoxIndex(b, a)] == "1");
      Check(entered == (drawing.LineBetween(a, b) >= 0), "a pair entered is not drawn, or back");
    }
  }

  const auto tree = Repeat(repetitions, [&] { return BuildSpanningTree(drawing); });
  Check(tree.has_value() && tree->Edges.size() <= static_cast<std::size_t>(n - 1),
        "the tree has more than n - 1 edges");
  unsigned reached = 1;
  for (const TreeEdge& edge : tree->Edges) {
    Check((reached & (1u << edge.From)) != 0, "a tree edge starts outside the tree");
    Check((reached & (1u << edge.To)) == 0, "a tree edge reaches no new vertex");
    Check(edge.LineId >= 0 && drawing.Lines()[edge.LineId].Listed, "a tree edge is not listed");
    reached |= 1u << edge.To;
  }
  const Animation treeAnimation = TreeAnimation(tree);
  CheckPlayback(drawing, treeAnimation);
  Check(std::string(treeAnimation.EndMessage) == SentinelFoundMessage,
        "the tree run ends otherwise");

  const auto tour = Repeat(repetitions, [&] { return TreeTour(*tree); });
  CheckClosedTour(*tour, n);
  Check(tour->size() == tree->Edges.size() + 2, "the tour misses a tree vertex");
  const Animation tourAnimation = TourAnimation(drawing, tour);
  CheckPlayback(drawing, tourAnimation);
  Check(std::string(tourAnimation.EndMessage) == EndReachedMessage, "the tour run ends otherwise");
  Check(TextsAfter(tourAnimation, static_cast<int>(tourAnimation.Steps.size())).Weight ==
            TourWeight(drawing, *tour),
        "the tour run shows another weight");

  const auto cycle = Repeat(repetitions, [&] { return BuildLightCycle(drawing); });
  Check(cycle->Variants.size() == static_cast<std::size_t>(n + 1), "not n + 1 variants");
  Check(cycle->Variants[0] == *tour, "the light cycle starts from another tour");
  for (std::size_t i = 0; i < cycle->Variants.size(); ++i) {
    CheckClosedTour(cycle->Variants[i], n);
    Check(cycle->Weights[i] >= cycle->Weights[cycle->Lightest], "a variant is lighter");
    Check(i >= static_cast<std::size_t>(cycle->Lightest) ||
              cycle->Weights[i] > cycle->Weights[cycle->Lightest],
          "an earlier variant is as light");
  }
  const Animation cycleAnimation = TourAnimation(drawing, cycle->Best());
  CheckPlayback(drawing, cycleAnimation);
  Check(TextsAfter(cycleAnimation, static_cast<int>(cycleAnimation.Steps.size())).Weight ==
            TourWeight(drawing, cycle->Best()),
        "the light cycle run shows another weight");
  Check(cycle->Weights[cycle->Lightest] <= TourWeight(drawing, *tour),
        "the light cycle is heavier than the tour");
  const std::string broken = testing::BrokenRowInvariant(drawing);
  if (!broken.empty()) std::fprintf(stderr, "%s\n", broken.c_str());
  Check(broken.empty(), "a row of the table of algorithms");
  return 0;
}
