#pragma once

#include <cstdint>

namespace tsp {

inline constexpr const char* AllDoneMessage = " Simulation terminated all was done!!";
inline constexpr const char* SentinelFoundMessage = " Simulation terminated (200 found ) !!";
inline constexpr const char* EndReachedMessage = " Simulation terminated (End reached) !!";

// What one animation tick asks of its window. The window applies it in this order: switch the
// timer off when EndMessage is set (before showing it, so one end gives one message box), clear
// the list boxes when ClearLists is set, colour line ColourLine when it is not -1, refresh the
// list boxes from the state, show TourWeight when ShowTourWeight is set, then show EndMessage.
struct AnimationTick {
  bool ClearLists = false;
  std::int16_t ColourLine = -1;
  const char* EndMessage = nullptr;
  bool ShowTourWeight = false;
};

}  // namespace tsp
