#pragma once

#include <cstdint>

namespace rufo {

// Event codes that controls report to the game through NotifyGame.
inline constexpr int32_t kEventHoverEnter = 1;
inline constexpr int32_t kEventHoverLeave = 2;
inline constexpr int32_t kEventReleased = 3;
inline constexpr int32_t kEventClicked = 256;
inline constexpr int32_t kEventAnimationEnd = 512;
inline constexpr int32_t kEventReleasedOver = 1024;

}  // namespace rufo
