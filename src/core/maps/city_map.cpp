#include "core/maps/city_map.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace tsp {
namespace {

// TSPLIB's nint: the nearest integer, halves rounded up.
double Nint(double x) {
  return std::floor(x + 0.5);
}

// Degrees.minutes to radians as TSPLIB's GEO rule reads them: the integer part are degrees
// (truncated toward zero), the rest minutes.
double GeoRadians(double value) {
  constexpr double Pi = 3.141592;
  const double degrees = std::trunc(value);
  const double minutes = value - degrees;
  return Pi * (degrees + 5.0 * minutes / 3.0) / 180.0;
}

std::int32_t Checked(double distance) {
  assert(distance >= 0 && distance <= 2147483647.0);
  return static_cast<std::int32_t>(distance);
}

}  // namespace

std::int32_t DistanceByRule(DistanceRule rule, Point a, Point b) {
  const double dx = a.X - b.X;
  const double dy = a.Y - b.Y;
  switch (rule) {
    case DistanceRule::Euclidean:
      return Checked(Nint(std::sqrt(dx * dx + dy * dy)));
    case DistanceRule::Ceiling:
      return Checked(std::ceil(std::sqrt(dx * dx + dy * dy)));
    case DistanceRule::Att: {
      // Pseudo-Euclidean: the rounded value, one more where rounding went down.
      const double r = std::sqrt((dx * dx + dy * dy) / 10.0);
      const double t = Nint(r);
      return Checked(t < r ? t + 1 : t);
    }
    case DistanceRule::Geo: {
      constexpr double EarthRadius = 6378.388;
      const double latitudeA = GeoRadians(a.X);
      const double longitudeA = GeoRadians(a.Y);
      const double latitudeB = GeoRadians(b.X);
      const double longitudeB = GeoRadians(b.Y);
      const double q1 = std::cos(longitudeA - longitudeB);
      const double q2 = std::cos(latitudeA - latitudeB);
      const double q3 = std::cos(latitudeA + latitudeB);
      const double cosine = std::clamp(0.5 * ((1.0 + q1) * q2 - (1.0 - q1) * q3), -1.0, 1.0);
      return Checked(std::trunc(EarthRadius * std::acos(cosine) + 1.0));
    }
    case DistanceRule::Manhattan:
      return Checked(Nint(std::abs(dx) + std::abs(dy)));
    case DistanceRule::Maximum:
      return Checked(std::max(Nint(std::abs(dx)), Nint(std::abs(dy))));
    case DistanceRule::Explicit:
      break;
  }
  assert(false && "an explicit table has no coordinate rule");
  return 0;
}

CityMap::CityMap(std::string name, DistanceRule rule, std::vector<Point> coordinates)
    : name_(std::move(name)), rule_(rule), positions_(std::move(coordinates)) {
  assert(rule != DistanceRule::Explicit);
}

CityMap::CityMap(std::string name, int cityCount, std::vector<std::int32_t> distances,
                 std::vector<Point> positions, PositionSource source)
    : name_(std::move(name)),
      rule_(DistanceRule::Explicit),
      source_(source),
      positions_(std::move(positions)),
      table_(std::move(distances)) {
  assert(cityCount >= 0 && static_cast<int>(positions_.size()) == cityCount);
  assert(table_.size() ==
         static_cast<std::size_t>(cityCount) * static_cast<std::size_t>(cityCount));
  assert(source != PositionSource::Coordinates);
}

std::span<const Point> CityMap::Coordinates() const {
  if (rule_ == DistanceRule::Explicit) return {};
  return positions_;
}

std::int32_t CityMap::Distance(int a, int b) const {
  assert(a >= 0 && a < CityCount() && b >= 0 && b < CityCount());
  if (rule_ == DistanceRule::Explicit) {
    return table_[static_cast<std::size_t>(a) * positions_.size() + static_cast<std::size_t>(b)];
  }
  return DistanceByRule(rule_, positions_[a], positions_[b]);
}

bool IsTour(int cityCount, std::span<const int> tour) {
  if (static_cast<int>(tour.size()) != cityCount) return false;
  std::vector<bool> seen(static_cast<std::size_t>(cityCount), false);
  for (const int city : tour) {
    if (city < 0 || city >= cityCount || seen[city]) return false;
    seen[city] = true;
  }
  return true;
}

std::int64_t TourLength(const CityMap& map, std::span<const int> tour) {
  std::int64_t length = 0;
  for (std::size_t i = 0; i < tour.size(); ++i) {
    length += map.Distance(tour[i], tour[(i + 1) % tour.size()]);
  }
  return length;
}

}  // namespace tsp
