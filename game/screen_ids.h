#pragma once

#include <cstdint>

namespace rufo {

// Screen ids: the high byte selects the scene family, the low byte the screen in it. A main
// scene always has the low byte 1, its games 2 to 4. Families reach each other only by these.
using ScreenId = int32_t;

inline constexpr ScreenId kScreenStart = 0x001;
inline constexpr ScreenId kScreenEnd = 0x002;
inline constexpr ScreenId kScreenCredits = 0x003;
inline constexpr ScreenId kScreenEntry = 0x004;
inline constexpr ScreenId kScreenTitle = 0x005;
// The parents' page, opened from the Start screen by its key.
inline constexpr ScreenId kScreenParents = 0x006;

// The learning garden: the hub and its six lessons.
inline constexpr ScreenId kScreenLearnHub = 0x101;
inline constexpr ScreenId kScreenLearnColours = 0x102;
inline constexpr ScreenId kScreenLearnDirections = 0x103;
inline constexpr ScreenId kScreenLearnCounting = 0x104;
inline constexpr ScreenId kScreenLearnNotions = 0x105;
inline constexpr ScreenId kScreenLearnPantry = 0x106;
inline constexpr ScreenId kScreenLearnShapes = 0x107;

inline constexpr ScreenId kScreenGarden1 = 0x201;
inline constexpr ScreenId kScreenGarden1Num = 0x202;
inline constexpr ScreenId kScreenGarden1Col = 0x203;

inline constexpr ScreenId kScreenGarden2 = 0x301;
inline constexpr ScreenId kScreenGarden2Dir = 0x302;
inline constexpr ScreenId kScreenGarden2Col = 0x303;
inline constexpr ScreenId kScreenGarden2Log = 0x304;

inline constexpr ScreenId kScreenGarden3 = 0x401;
inline constexpr ScreenId kScreenGarden3Not = 0x402;
inline constexpr ScreenId kScreenGarden3Cat = 0x403;

inline constexpr ScreenId kScreenGarden4 = 0x501;
inline constexpr ScreenId kScreenGarden4Num = 0x502;
inline constexpr ScreenId kScreenGarden4Nad = 0x503;

inline constexpr ScreenId kScreenGarden5 = 0x601;
inline constexpr ScreenId kScreenGarden5Not = 0x602;
inline constexpr ScreenId kScreenGarden5Col = 0x603;
inline constexpr ScreenId kScreenGarden5Col2 = 0x604;

inline constexpr ScreenId kScreenGarden6 = 0x701;
inline constexpr ScreenId kScreenGarden6Log = 0x702;
inline constexpr ScreenId kScreenGarden6Num = 0x703;

inline constexpr ScreenId kScreenAlbum = 0x801;

inline constexpr int Family(ScreenId id) {
  return id & 0xFF00;
}
inline constexpr int LowByte(ScreenId id) {
  return id & 0xFF;
}
// The main scene of the family a screen belongs to.
inline constexpr ScreenId MainSceneOf(ScreenId id) {
  return Family(id) | 1;
}

}  // namespace rufo
