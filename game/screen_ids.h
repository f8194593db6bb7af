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

// The six gardens: each main scene, then its games, named after what the child does there; the
// comment gives the game's data folder.
inline constexpr ScreenId kScreenGarden1 = 0x201;
inline constexpr ScreenId kScreenFrogCount = 0x202;      // Garden1\NUM
inline constexpr ScreenId kScreenFlowerColours = 0x203;  // Garden1\COL

inline constexpr ScreenId kScreenGarden2 = 0x301;
inline constexpr ScreenId kScreenWatering = 0x302;       // Garden2\DIR
inline constexpr ScreenId kScreenColourThings = 0x303;   // Garden2\COL
inline constexpr ScreenId kScreenPictureSeries = 0x304;  // Garden2\LOG

inline constexpr ScreenId kScreenGarden3 = 0x401;
inline constexpr ScreenId kScreenToolCart = 0x402;    // Garden3\NOT
inline constexpr ScreenId kScreenFlowerBeds = 0x403;  // Garden3\CAT

inline constexpr ScreenId kScreenGarden4 = 0x501;
inline constexpr ScreenId kScreenWoodpeckerKnocks = 0x502;  // Garden4\NUM
inline constexpr ScreenId kScreenNestBirds = 0x503;         // Garden4\NAD

inline constexpr ScreenId kScreenGarden5 = 0x601;
inline constexpr ScreenId kScreenTruthfulParrot = 0x602;  // Garden5\NOT
inline constexpr ScreenId kScreenMeadowColours = 0x603;   // Garden5\COL
inline constexpr ScreenId kScreenBeeHives = 0x604;        // Garden5\COL2

inline constexpr ScreenId kScreenGarden6 = 0x701;
inline constexpr ScreenId kScreenPictureGrids = 0x702;  // Garden6\LOG
inline constexpr ScreenId kScreenLadybirdDots = 0x703;  // Garden6\NUM

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
