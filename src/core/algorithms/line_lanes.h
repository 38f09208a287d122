#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <experimental/simd>
#include <limits>
#include <optional>
#include <utility>

#include "core/algorithms/line_order.h"
#include "core/graph/pair_weights.h"

namespace tsp {

namespace line_lanes {

using Lanes = std::experimental::native_simd<std::int16_t>;
inline constexpr std::size_t Blocks = (MaxLines + Lanes::size() - 1) / Lanes::size();
inline constexpr std::size_t Slots = Blocks * Lanes::size();
// A missing line weighs Missing in its key, above every weight; a refused line's key is raised
// to Refused, above every other key.
inline constexpr std::int16_t Missing = 127;
inline constexpr std::int16_t Refused = std::numeric_limits<std::int16_t>::max();
inline constexpr std::int16_t Kept = std::numeric_limits<std::int16_t>::min();
static_assert(Missing * 256 + 255 == Refused);

// The lane of the pair of a and a + 1.
constexpr int FirstLane(int a) {
  return a * (2 * MaxVertices - a - 1) / 2;
}
// Where in the graph's rows, read as one run, lane L of vertex a's lines is: L plus this.
constexpr int RowOffset(int a) {
  return a * static_cast<int>(PairWeights::RowLanes) + a + 1 - FirstLane(a);
}
static_assert(Slots - 1 + RowOffset(MaxVertices - 2) < MaxVertices * PairWeights::RowLanes);

struct Tables {
  // The lower half of each lane's key; 255 beyond the last pair, which makes those keys
  // Refused.
  std::array<std::int16_t, Slots> Pairs;
  // For every vertex, and for MaxVertices, Refused in the lanes of its lines and Kept in the
  // others.
  std::array<std::array<std::int16_t, Slots>, MaxVertices + 1> Floors;
  // For every vertex count, Refused in the lanes of the lines of the vertices beyond it.
  std::array<std::array<std::int16_t, Slots>, MaxVertices + 1> Beyond;
  // For every pair of vertices, in either order, Refused in the lane of its line alone: a step
  // that refuses a line loads these at once, without first working out the line's lane.
  alignas(64) std::array<std::array<std::array<std::int16_t, Slots>, MaxVertices>, MaxVertices> One;
  // For every vertex a below the last, -1 in the lanes of its lines to later letters; the
  // last of them also in the lanes beyond the last pair, where its row reads NoLine.
  std::array<std::array<std::int16_t, Slots>, MaxVertices - 1> RunOf;
  // The first and the last vertex whose run has a lane in the block.
  std::array<int, Blocks> FirstRow;
  std::array<int, Blocks> LastRow;
};
inline constexpr Tables Table = [] {
  Tables tables{};
  tables.Pairs.fill(255);
  for (auto& row : tables.Floors) row.fill(Kept);
  for (auto& row : tables.Beyond) row.fill(Kept);
  for (int a = 0; a < MaxVertices; ++a) {
    for (int b = a + 1, lane = FirstLane(a); b < MaxVertices; ++b, ++lane) {
      tables.Pairs[lane] = static_cast<std::int16_t>(a * 16 + b);
      tables.Floors[a][lane] = tables.Floors[b][lane] = Refused;
      for (int n = 0; n <= b; ++n) tables.Beyond[n][lane] = Refused;
    }
  }
  for (int a = 0; a < MaxVertices; ++a) {
    for (int b = 0; b < MaxVertices; ++b) {
      tables.One[a][b].fill(Kept);
      if (a < b) tables.One[a][b][FirstLane(a) + b - a - 1] = Refused;
      if (a > b) tables.One[a][b][FirstLane(b) + a - b - 1] = Refused;
    }
  }
  for (int a = 0; a + 1 < MaxVertices; ++a) {
    const int end = a + 2 == MaxVertices ? static_cast<int>(Slots) : FirstLane(a + 1);
    for (int lane = FirstLane(a); lane < end; ++lane) tables.RunOf[a][lane] = -1;
  }
  for (std::size_t block = 0; block < Blocks; ++block) {
    tables.FirstRow[block] = MaxVertices;
    tables.LastRow[block] = -1;
    for (int a = 0; a + 1 < MaxVertices; ++a) {
      for (std::size_t lane = block * Lanes::size(); lane < (block + 1) * Lanes::size(); ++lane) {
        if (tables.RunOf[a][lane] != 0) {
          tables.FirstRow[block] = std::min(tables.FirstRow[block], a);
          tables.LastRow[block] = std::max(tables.LastRow[block], a);
        }
      }
    }
  }
  return tables;
}();

inline Lanes Load(const std::array<std::int16_t, Slots>& values, std::size_t block) {
  return Lanes(values.data() + block * Lanes::size(), std::experimental::element_aligned);
}

}  // namespace line_lanes

// The lines of up to ten vertices as 16-bit keys in vector lanes, for the algorithms that take
// the lightest line still allowed, line after line (greedy edge, Kruskal). A line refused once
// stays refused there, so this takes the same lines as going through all of them by weight; but
// a step costs a few vector instructions per line taken and no branch on the weights, where
// going through every line mispredicts a branch at nearly every one.
//
// A key orders as TakenBefore does: the weight in the top byte, the pair's letters a half byte
// each below it. The lanes hold AB, AC, ..., AJ, BC, ..., IJ, in registers of the native width.
class LineLanes {
 public:
  using Lanes = line_lanes::Lanes;
  static constexpr std::size_t Blocks = line_lanes::Blocks;
  // Some lines: Refused in their lanes and Kept in the others. Raising the keys to it refuses
  // them; the lanewise maximum of two is the lines of either, the minimum those of both.
  // Refusing is all the state changes: the keys never fall.
  using Lines = std::array<Lanes, Blocks>;

  // A weight that stands for no line.
  static constexpr std::int16_t NoLine = line_lanes::Missing;

  // The pairs among the first vertexCount vertices; weight(a, b), for a < b, gives the line's
  // weight, or NoLine where there is none.
  template <class Weight>
  LineLanes(int vertexCount, Weight weight) {
    using namespace line_lanes;
    std::array<std::int16_t, Slots> weights;
    weights.fill(Missing);
    for (int a = 0; a < vertexCount; ++a) {
      int lane = FirstLane(a);
      for (int b = a + 1; b < vertexCount; ++b, ++lane) {
        weights[lane] = weight(a, b);
        assert(weights[lane] == Missing ||
               (weights[lane] >= -MaxWeight && weights[lane] <= MaxWeight));
      }
    }
    for (std::size_t block = 0; block < Blocks; ++block) {
      keys_[block] = Load(weights, block) * 256 + Load(Table.Pairs, block);
    }
  }

  // The lines among the graph's first VertexCount vertices. The run of lanes of vertex a's
  // lines to later letters is row a of the graph from lane a + 1 on, so each block of lanes
  // is read straight from the rows it spans, one load and mask a row; an intermediate copy
  // would have to wait for its stores.
  explicit LineLanes(const PairWeights& graph) {
    // Block by block with the block a constant, so that its rows and their offsets are.
    [&]<std::size_t... Block>(std::index_sequence<Block...>) {
      (WeighBlock<Block>(graph), ...);
    }
    (std::make_index_sequence<Blocks>{});
  }

  // The lightest line not refused; nothing when no line is left.
  std::optional<WeightedLine> Lightest() const {
    Lanes least = keys_[0];
    for (std::size_t block = 1; block < Blocks; ++block) {
      least = std::experimental::min(least, keys_[block]);
    }
    const std::int16_t key = std::experimental::hmin(least);
    if (key >= line_lanes::Missing * 256) return std::nullopt;
    return WeightedLine{key >> 4 & 15, key & 15, key >> 8};
  }

  // Every line of the vertex; MaxVertices stands for no line.
  void RefuseLinesOf(int vertex) {
    for (std::size_t block = 0; block < Blocks; ++block) {
      keys_[block] = std::experimental::max(keys_[block], Floor(vertex, block));
    }
  }
  // The line between two vertices.
  void RefuseLine(int a, int b) {
    assert(a != b && a >= 0 && b >= 0 && a < MaxVertices && b < MaxVertices);
    for (std::size_t block = 0; block < Blocks; ++block) {
      keys_[block] = std::experimental::max(keys_[block],
                                            line_lanes::Load(line_lanes::Table.One[a][b], block));
    }
  }
  // Every line between two sets of vertices without a common one, each given by all its
  // lines (Of, Either).
  void RefuseBetween(const Lines& a, const Lines& b) {
    for (std::size_t block = 0; block < Blocks; ++block) {
      keys_[block] =
          std::experimental::max(keys_[block], std::experimental::min(a[block], b[block]));
    }
  }

  static Lines Of(int vertex) {
    Lines lines;
    for (std::size_t block = 0; block < Blocks; ++block) lines[block] = Floor(vertex, block);
    return lines;
  }
  static Lines Either(const Lines& a, const Lines& b) {
    Lines lines;
    for (std::size_t block = 0; block < Blocks; ++block) {
      lines[block] = std::experimental::max(a[block], b[block]);
    }
    return lines;
  }

 private:
  template <std::size_t Block>
  void WeighBlock(const PairWeights& graph) {
    using namespace line_lanes;
    Lanes weight = 0;
    for (int a = Table.FirstRow[Block]; a <= Table.LastRow[Block]; ++a) {
      const Lanes run(graph.RowOf(0) + Block * Lanes::size() + RowOffset(a),
                      std::experimental::element_aligned);
      weight |= run & Load(Table.RunOf[a], Block);
    }
    keys_[Block] = std::experimental::max(
        std::experimental::min(weight, Lanes(Missing)) * 256 + Load(Table.Pairs, Block),
        Load(Table.Beyond[graph.VertexCount], Block));
  }

  static Lanes Floor(int vertex, std::size_t block) {
    assert(vertex >= 0 && vertex <= MaxVertices);
    return line_lanes::Load(line_lanes::Table.Floors[vertex], block);
  }

  Lines keys_;
};

}  // namespace tsp
