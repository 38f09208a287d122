#include "core/graph/ring.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace tsp::ring {

int VertexAt(TwipPoint point, int vertexCount) {
  assert(vertexCount >= 0 && vertexCount <= MaxVertices);
  for (int v = 0; v < vertexCount; ++v) {
    const TwipBox& box = Places[v].Marker;
    // Doubled, so that the centre of an odd-sized box is a whole number.
    const std::int64_t dx = 2 * static_cast<std::int64_t>(point.X) - (2 * box.Left + box.Width);
    const std::int64_t dy = 2 * static_cast<std::int64_t>(point.Y) - (2 * box.Top + box.Height);
    if (dx * dx + dy * dy <= std::int64_t{MarkerDiameter} * MarkerDiameter) return v;
  }
  return -1;
}

int LineAt(TwipPoint point, std::span<const Segment> lines, int vertexCount) {
  if (VertexAt(point, vertexCount) >= 0) return -1;
  int nearest = -1;
  double nearestDistance = 0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    assert(lines[k].From >= 0 && lines[k].From < MaxVertices && lines[k].To >= 0 &&
           lines[k].To < MaxVertices);
    const TwipPoint a = Anchors[lines[k].From];
    const TwipPoint b = Anchors[lines[k].To];
    const double ux = b.X - a.X;
    const double uy = b.Y - a.Y;
    const double px = point.X - a.X;
    const double py = point.Y - a.Y;
    const double length = ux * ux + uy * uy;
    // The nearest point of the segment, as a fraction of the way from a to b.
    const double along = length > 0 ? std::clamp((px * ux + py * uy) / length, 0.0, 1.0) : 0.0;
    const double distance = std::hypot(px - along * ux, py - along * uy);
    if (distance <= LineReach && (nearest < 0 || distance < nearestDistance)) {
      nearest = static_cast<int>(k);
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace tsp::ring
