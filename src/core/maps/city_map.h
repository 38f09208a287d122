#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tsp {

// A point of the plane: a city's coordinates, or where it is drawn.
struct Point {
  double X = 0;
  double Y = 0;

  bool operator==(const Point&) const = default;
};

// How the distance between two cities is measured, as TSPLIB 95 names the rules: EUC_2D,
// CEIL_2D, ATT, GEO, MAN_2D, MAX_2D, and EXPLICIT for a table of distances.
enum class DistanceRule { Euclidean, Ceiling, Att, Geo, Manhattan, Maximum, Explicit };

// Where the drawn positions of a map's cities come from.
enum class PositionSource { Coordinates, DisplayData, ComputedLayout };

// The distance between two points by a coordinate rule (every rule but Explicit), exactly as
// TSPLIB 95 defines it; for Geo, X is the latitude and Y the longitude in degrees.minutes.
std::int32_t DistanceByRule(DistanceRule rule, Point a, Point b);

// A map of cities: n cities numbered 0 to n - 1 (the file's node numbers less one), the rule
// that gives the distance between any two, and where each is drawn. Distances are symmetric,
// 32-bit, never negative; a tour's length is 64-bit.
class CityMap {
 public:
  CityMap() = default;
  // Distances from the coordinates by a coordinate rule; the cities are drawn where they lie.
  CityMap(std::string name, DistanceRule rule, std::vector<Point> coordinates);
  // Distances from a full symmetric table of n * n entries, row by row; the cities are drawn at
  // `positions`, which come from display data or a layout computed from the distances.
  CityMap(std::string name, int cityCount, std::vector<std::int32_t> distances,
          std::vector<Point> positions, PositionSource source);

  const std::string& Name() const { return name_; }
  int CityCount() const { return static_cast<int>(positions_.size()); }
  DistanceRule Rule() const { return rule_; }
  PositionSource Source() const { return source_; }
  // Where each city is drawn: its coordinates, its display data or a computed layout.
  const std::vector<Point>& Positions() const { return positions_; }
  // The coordinates the distances come from; empty for an explicit table.
  std::span<const Point> Coordinates() const;
  // The explicit table, row by row; empty for a coordinate rule.
  const std::vector<std::int32_t>& Table() const { return table_; }

  std::int32_t Distance(int a, int b) const;

  // The city's label: its node number in the file, 1 to n.
  std::string Label(int city) const { return std::to_string(city + 1); }

  // Free text kept from the file (its COMMENT lines), and whatever else a reader keeps.
  std::string Comment;

 private:
  std::string name_;
  DistanceRule rule_ = DistanceRule::Euclidean;
  PositionSource source_ = PositionSource::Coordinates;
  std::vector<Point> positions_;
  std::vector<std::int32_t> table_;
};

// Whether `tour` visits every city of a map of cityCount cities exactly once (a closed tour
// written without repeating its start).
bool IsTour(int cityCount, std::span<const int> tour);

// The length of the closed tour, its last city joined back to its first.
std::int64_t TourLength(const CityMap& map, std::span<const int> tour);

}  // namespace tsp
