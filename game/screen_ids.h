#pragma once

#include <cstdint>

namespace rufo {

// Screen ids: the high byte selects the scene family, the low byte the screen in it.
using ScreenId = int32_t;

inline constexpr ScreenId kScreenStart = 0x001;
inline constexpr ScreenId kScreenEnd = 0x002;
inline constexpr ScreenId kScreenCredits = 0x003;
inline constexpr ScreenId kScreenEntry = 0x004;
inline constexpr ScreenId kScreenTitle = 0x005;
inline constexpr ScreenId kScreenAlbum = 0x801;

}  // namespace rufo
