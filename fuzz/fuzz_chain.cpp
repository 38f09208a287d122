// Runs the whole computation chain on matrices decoded from arbitrary bytes: validation, graph
// construction with its edge lists, spanning tree, tour, light cycle and the animations, and
// checks every invariant of the graph state on the way.
//
// Input: vertex count byte, iteration count byte, then per cell of the n x n block one byte
// for the white box and a red box text (a length byte, its top bit asking for a number from
// the next byte instead of raw text).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/monkey/graph_invariants.h"
#include "entry/number_text.h"
#include "graph/animation.h"
#include "graph/graph_build.h"
#include "mst/spanning_tree_run.h"
#include "tour/light_cycle.h"
#include "tour/tour_search.h"

namespace {

using tsp::GraphState;
using tsp::testing::GraphProblem;

void Check(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

void CheckState(const GraphState& state, const char* step) {
  const std::string problem = GraphProblem(state);
  Check(problem.empty(), std::string(step) + ": " + problem);
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

// The rules of the matrix editor's "View Resulting Graph".
bool PassesValidation(const tsp::MatrixBoxes& boxes) {
  for (const std::string& white : boxes.White) {
    if (white != "1" && white != "0") return false;
  }
  for (const std::string& red : boxes.Red) {
    const double value = tsp::NumericValue(red);
    if (!(value > -101 && value < 101) || value == 0) return false;
  }
  return true;
}

// Plays an animation to its end as its timer would; returns the end message.
template <class Tick>
std::string PlayToEnd(GraphState& state, Tick tick, const char* name) {
  state.AnimationStep = 0;
  state.TourWeight = 0;
  for (int ticks = 1; ticks <= 101; ++ticks) {
    const tsp::AnimationTick result = tick(state);
    Check(result.ColourLine >= -1 && result.ColourLine < state.EdgeCount,
          std::string(name) + " colours a line that is not drawn");
    if (result.EndMessage != nullptr) return result.EndMessage;
  }
  Check(false, std::string(name) + " does not end within 101 ticks");
  return {};
}

struct ChainResult {
  tsp::MstList Tree;
  tsp::TourList TreeTour;
  tsp::TourList LightCycle;
};

ChainResult RunChain(GraphState& state, std::int16_t n, std::int16_t iterations,
                     const tsp::MatrixBoxes& entered) {
  using namespace tsp;
  using namespace tsp::testing;
  MatrixBoxes boxes = entered;
  std::array<DrawnEdge, BoxCount> edges{};
  LoadGraphState(state, n, iterations, boxes, edges);
  CheckState(state, "load");
  int ones = 0;
  for (int i = 0; i < BoxCount; ++i) {
    const int r = i / 10;
    const int c = i % 10;
    if (boxes.White[i] != "1") continue;
    ++ones;
    Check(r != c && boxes.White[c * 10 + r] == "0", "symmetrising kept a pair twice");
    Check(entered.White[i] == "1", "symmetrising made up an edge");
    const int line = state.LineIdOf(c, r);
    Check(line >= 0 && edges[line].Row == r && edges[line].Column == c, "drawn line mismatch");
  }
  Check(ones == state.EdgeCount, "kept boxes and drawn lines differ");
  for (int r = 0; r < n; ++r) {
    for (int c = r + 1; c < n; ++c) {
      const bool entered1 = entered.White[r * 10 + c] == "1" || entered.White[c * 10 + r] == "1";
      Check(entered1 == (state.LineIdOf(c, r) >= 0 || state.LineIdOf(r, c) >= 0),
            "a pair entered is not drawn, or the other way round");
    }
  }

  RunSpanningTreeRepetitions(state);
  CheckState(state, "spanning tree");
  const std::string treeProblem = SpanningTreeProblem(state);
  Check(treeProblem.empty(), treeProblem);
  Check(PlayToEnd(state, MstAnimationTick, "tree run") == SentinelFoundMessage,
        "tree run ends with another message");
  Check(state.EdgeListText == TreeListing(state), "tree run lists other edges");
  CheckState(state, "tree run");
  ChainResult result{state.MstBoxes, {}, {}};

  RunTourRepetitions(state);
  CheckState(state, "tour search");
  {
    // Every vertex of the tree exactly once: the plain vertex order is no answer here.
    unsigned visited = 0;
    int k = 0;
    for (; k + 1 < TourSlots && state.Tour[k + 1] != ListSentinel; ++k) {
      visited |= 1u << state.Tour[k];
    }
    unsigned tree = 1;
    for (int i = 0; state.MstBoxes[i] != ListSentinel; ++i)
      tree |= 1u << DecodeTo(state.MstBoxes[i]);
    Check(visited == tree, "the tour does not visit exactly the tree's vertices");
  }
  const int treeTourWeight = TourWeight(state, state.Tour);
  const TourListing tour = ListTour(state);
  Check(PlayToEnd(state, TourAnimationTick, "tour run") == EndReachedMessage,
        "tour run ends with another message");
  Check(state.EdgeListText == tour.Edges && state.WeightListText == tour.Weights &&
            state.TourWeight == tour.Weight,
        "tour run lists other edges or weights");
  result.TreeTour = state.Tour;

  RunLightCycleRepetitions(state);
  CheckState(state, "light cycle");
  const std::string cycleProblem = LightCycleProblem(state);
  Check(cycleProblem.empty(), cycleProblem);
  Check(TourWeight(state, state.Tour) <= treeTourWeight,
        "the light cycle is heavier than the tree tour");
  Check(state.BaseCycle == result.TreeTour, "the light cycle starts from another tree tour");
  const TourListing cycle = ListTour(state);
  Check(PlayToEnd(state, TourAnimationTick, "light cycle run") == EndReachedMessage,
        "light cycle run ends with another message");
  Check(state.EdgeListText == cycle.Edges && state.TourWeight == cycle.Weight,
        "light cycle run lists other edges");
  CheckState(state, "light cycle run");
  result.LightCycle = state.Tour;
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  const auto n = static_cast<std::int16_t>(1 + in.Next() % tsp::MaxVertices);
  const auto iterations = static_cast<std::int16_t>(1 + in.Next() % 3);

  // Boxes outside the n x n block are hidden: their white boxes keep "0", their red boxes "1"
  // or a weight of " Random Weight".
  tsp::MatrixBoxes boxes;
  boxes.White.fill("0");
  boxes.Red.fill("1");
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      boxes.White[r * 10 + c] = WhiteText(in.Next());
      boxes.Red[r * 10 + c] = RedText(in);
    }
  }
  if (!in.Empty()) {
    const std::uint8_t hidden = in.Next();
    for (int i = 0; i < tsp::BoxCount; ++i) {
      if (i / 10 >= n || i % 10 >= n) boxes.Red[i] = std::to_string(1 + (hidden + 7 * i) % 99);
    }
  }
  if (!PassesValidation(boxes)) return 0;

  // The same graph state through two loads, as one program run would use it: the second load
  // must compute exactly what the first did.
  GraphState state;
  const ChainResult first = RunChain(state, n, iterations, boxes);
  const ChainResult second = RunChain(state, n, iterations, boxes);
  Check(first.Tree == second.Tree && first.TreeTour == second.TreeTour &&
            first.LightCycle == second.LightCycle,
        "a second load of the same graph computes another result");
  return 0;
}
