#include "lemon_graph.h"

#include <lemon/christofides_tsp.h>
#include <lemon/full_graph.h>
#include <lemon/greedy_tsp.h>
#include <lemon/insertion_tsp.h>
#include <lemon/kruskal.h>
#include <lemon/nearest_neighbor_tsp.h>
#include <lemon/opt2_tsp.h>
#include <cassert>

namespace tsp::bench {

using Costs = lemon::FullGraph::EdgeMap<int>;

struct LemonGraph::Full {
  lemon::FullGraph graph{GraphVertices};
  Costs costs{graph};
};

LemonGraph::LemonGraph(const Weights& weights) : full_(std::make_unique<Full>()) {
  for (lemon::FullGraph::EdgeIt e(full_->graph); e != lemon::INVALID; ++e) {
    full_->costs[e] =
        weights[full_->graph.id(full_->graph.u(e))][full_->graph.id(full_->graph.v(e))];
  }
}
LemonGraph::~LemonGraph() = default;
LemonGraph::LemonGraph(LemonGraph&&) noexcept = default;
LemonGraph& LemonGraph::operator=(LemonGraph&&) noexcept = default;

int LemonGraph::NearestNeighbour() const {
  return lemon::NearestNeighborTsp<Costs>(full_->graph, full_->costs).run();
}

int LemonGraph::GreedyEdge() const {
  return lemon::GreedyTsp<Costs>(full_->graph, full_->costs).run();
}

int LemonGraph::Insertion(InsertionRule rule) const {
  using Tsp = lemon::InsertionTsp<Costs>;
  const Tsp::SelectionRule lemonRule = rule == InsertionRule::Nearest    ? Tsp::NEAREST
                                       : rule == InsertionRule::Farthest ? Tsp::FARTHEST
                                                                         : Tsp::CHEAPEST;
  return Tsp(full_->graph, full_->costs).run(lemonRule);
}

int LemonGraph::Christofides() const {
  return lemon::ChristofidesTsp<Costs>(full_->graph, full_->costs).run();
}

int LemonGraph::TwoOpt(const std::vector<int>& start) const {
  assert(static_cast<int>(start.size()) == GraphVertices);
  std::vector<lemon::FullGraph::Node> tour;
  tour.reserve(start.size());
  for (const int vertex : start) tour.push_back(full_->graph(vertex));
  return lemon::Opt2Tsp<Costs>(full_->graph, full_->costs).run(tour);
}

int LemonGraph::Kruskal() const {
  lemon::FullGraph::EdgeMap<bool> tree(full_->graph);
  return lemon::kruskal(full_->graph, full_->costs, tree);
}

}  // namespace tsp::bench
