#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "core/maps/city_map.h"

namespace tsp {

// When a long run on a map must end: on a stop request (the window's Stop, its closing) or at
// its deadline (the time limit). A run asks ShouldStop() often enough to end within a tenth of
// a second, and then gives the best it has.
struct RunLimits {
  std::stop_token Stop;
  std::optional<std::chrono::steady_clock::time_point> Deadline;

  bool ShouldStop() const {
    return Stop.stop_requested() || (Deadline && std::chrono::steady_clock::now() >= *Deadline);
  }
};

// How far a run is, as it reports it now and then: the tour (or, while a construction is under
// way, the path or partial tour) it holds, so that a window can draw it.
struct RunProgress {
  std::string_view Stage;       // "Building", "Improving", "Bounding", …
  double Done = -1;             // the share done, 0 to 1; negative where unknown
  std::span<const int> Cities;  // the cities in tour order so far
  bool Closed = false;          // Cities is a closed tour through every city
  std::int64_t Length = 0;      // the length of that closed tour, where Closed
  std::optional<double> LowerBound;
};
// Called on the run's own thread; it must be quick (copy what it needs, or nothing).
using ProgressCallback = std::function<void(const RunProgress&)>;

// What a run on a map may be told beyond the map.
struct MapRunOptions {
  std::string_view Start = "greedy_edge";  // the construction an improvement starts from
  std::uint64_t Seed = 1;
  std::int64_t Kicks = -1;  // for restarted methods: how many, negative for no limit
};

// What a run on a map gives: a closed tour through every city (written without repeating its
// start), or none and why; a bound gives a lower bound, an exact method a proof.
struct MapRunResult {
  std::vector<int> Tour;
  std::int64_t Length = 0;
  std::optional<double> LowerBound;
  bool ProvenOptimal = false;
  bool Stopped = false;  // ended by a stop request or the time limit before it was done
  std::string Reason;    // why there is no tour, where there is none
  std::string Method;    // how it was done where the row's name does not say it all
};

using MapRun = MapRunResult (*)(const CityMap& map, const MapRunOptions& options,
                                const RunLimits& limits, const ProgressCallback& progress);

}  // namespace tsp
