#include <array>

#include "gardens/garden1/flower_colours.h"
#include "gardens/garden1/frog_count.h"
#include "gardens/garden2/colour_things.h"
#include "gardens/garden2/picture_series.h"
#include "gardens/garden2/watering.h"
#include "gardens/garden3/flower_beds.h"
#include "gardens/garden3/tool_cart.h"
#include "gardens/garden4/nest_birds.h"
#include "gardens/garden4/woodpecker_knocks.h"
#include "gardens/garden5/bee_hives.h"
#include "gardens/garden5/meadow_colours.h"
#include "gardens/garden5/truthful_parrot.h"
#include "gardens/garden6/ladybird_dots.h"
#include "gardens/garden6/picture_grids.h"
#include "gardens/garden_screens.h"

namespace rufo {
namespace {

// The main scenes with their neighbours: the walk links the learning garden and the six gardens
// in a ring.
constexpr std::array<GardenInfo, 6> kGardens = {{
    {kScreenGarden1, "Garden1", "Data\\Garden1\\screen.dat", "Bitmaps\\Garden1\\bg_mask.png",
     kScreenLearnHub, kScreenGarden2},
    {kScreenGarden2, "Garden2", "Data\\Garden2\\screen.dat", "Bitmaps\\Garden2\\bg_mask.png",
     kScreenGarden1, kScreenGarden3},
    {kScreenGarden3, "Garden3", "Data\\Garden3\\screen.dat", "Bitmaps\\Garden3\\bg_mask.png",
     kScreenGarden2, kScreenGarden4},
    {kScreenGarden4, "Garden4", "Data\\Garden4\\screen.dat", "Bitmaps\\Garden4\\bg_mask.png",
     kScreenGarden3, kScreenGarden5},
    {kScreenGarden5, "Garden5", "Data\\Garden5\\screen.dat", "Bitmaps\\Garden5\\bg_mask.png",
     kScreenGarden4, kScreenGarden6},
    {kScreenGarden6, "Garden6", "Data\\Garden6\\screen.dat", "Bitmaps\\Garden6\\bg_mask.png",
     kScreenGarden5, kScreenLearnHub},
}};

// The fourteen games. Speech kinds are in each garden's own numbering: intro, praise,
// correction, win, loss.
const MiniGameInfo kGames[] = {
    {.screen = kScreenFrogCount,
     .code = "NUM",
     .sticker = 7,
     .winAt = 10,
     .lesson = kScreenLearnCounting,
     .speeches = {0, 2, 3, 4, 5},
     .soundFolder = "Sounds\\Garden1\\NUM\\",
     .script = "Data\\Garden1\\NUM\\screen.dat",
     .hitMap = "Bitmaps\\Garden1\\Num\\bg_mask.png",
     .enter = "RUFO",
     .make = MakeScreen<FrogCount>},
    {.screen = kScreenFlowerColours,
     .code = "COL",
     .sticker = 8,
     .winAt = 10,
     .lesson = kScreenLearnColours,
     .speeches = {6, 8, 9, 10, 11},
     .soundFolder = "Sounds\\Garden1\\COL\\",
     .script = "Data\\Garden1\\COL\\screen.dat",
     .hitMap = "Bitmaps\\Garden1\\COL\\bg_mask.png",
     .enter = "KVETINY",
     .make = MakeScreen<FlowerColours>},
    {.screen = kScreenWatering,
     .code = "DIR",
     .sticker = 9,
     .winAt = 10,
     .lesson = kScreenLearnDirections,
     .speeches = {0, 8, 9, 6, 7},
     .soundFolder = "Sounds\\Garden2\\DIR\\",
     .script = "Data\\Garden2\\Dir\\screen.dat",
     .hitMap = "Bitmaps\\Garden2\\Dir\\bg_mask.png",
     .enter = "STUDNA",
     .make = MakeScreen<Watering>},
    {.screen = kScreenColourThings,
     .code = "COL",
     .sticker = 11,
     .winAt = 10,
     .lesson = kScreenLearnColours,
     .speeches = {10, 12, 13, 14, 15},
     .soundFolder = "Sounds\\Garden2\\COL\\",
     .script = "Data\\Garden2\\col\\screen.dat",
     .hitMap = "Bitmaps\\Garden2\\col\\bg_mask.png",
     .enter = "MIC",
     .make = MakeScreen<ColourThings>},
    {.screen = kScreenPictureSeries,
     .code = "LOG",
     .sticker = 10,
     .winAt = 10,
     .lesson = kScreenLearnPantry,
     .speeches = {16, 18, 19, 20, 21},
     .soundFolder = "Sounds\\Garden2\\LOG\\",
     .script = "Data\\Garden2\\log\\screen.dat",
     .hitMap = "Bitmaps\\Garden2\\log\\bg_mask.png",
     .enter = "PTAK",
     .make = MakeScreen<PictureSeries>},
    // The tools' game loads the hit map of the half it shows.
    {.screen = kScreenToolCart,
     .code = "NOT",
     .sticker = 12,
     .winAt = 15,
     .lesson = kScreenLearnNotions,
     .speeches = {0, 2, 3, 4, 5},
     .soundFolder = "Sounds\\Garden3\\NOT\\",
     .script = "Data\\Garden3\\NOT\\screen.dat",
     .hitMap = "Bitmaps\\Garden3\\NOT\\bg_mask%d.png",
     .firstVariant = 0,
     .lastVariant = 1,
     .enter = "RUFO",
     .make = MakeScreen<ToolCart>},
    {.screen = kScreenFlowerBeds,
     .code = "CAT",
     .sticker = 13,
     .winAt = 10,
     .lesson = kScreenLearnShapes,
     .speeches = {6, 8, 9, 10, 11},
     .soundFolder = "Sounds\\Garden3\\CAT\\",
     .script = "Data\\Garden3\\cat\\screen.dat",
     .hitMap = "Bitmaps\\Garden3\\cat\\bg_mask.png",
     .enter = "OPICE",
     .make = MakeScreen<FlowerBeds>},
    {.screen = kScreenWoodpeckerKnocks,
     .code = "NUM",
     .sticker = 5,
     .winAt = 10,
     .lesson = kScreenLearnCounting,
     .speeches = {0, 2, 3, 4, 5},
     .soundFolder = "Sounds\\Garden4\\NUM\\",
     .script = "Data\\Garden4\\Num\\screen.dat",
     .hitMap = "Bitmaps\\Garden4\\Num\\bg_mask.png",
     .enter = "DATEL",
     .make = MakeScreen<WoodpeckerKnocks>},
    {.screen = kScreenNestBirds,
     .code = "NAD",
     .sticker = 6,
     .winAt = 10,
     .lesson = kScreenLearnCounting,
     .speeches = {6, 8, 9, 10, 11},
     .soundFolder = "Sounds\\Garden4\\NAD\\",
     .script = "Data\\Garden4\\NaD\\screen.dat",
     .hitMap = "Bitmaps\\Garden4\\nad\\bg_mask.png",
     .enter = "HNIZDO",
     .make = MakeScreen<NestBirds>},
    {.screen = kScreenTruthfulParrot,
     .code = "NOT",
     .sticker = 3,
     .winAt = 10,
     .lesson = kScreenLearnShapes,
     .speeches = {0, 2, 3, 4, 5},
     .soundFolder = "Sounds\\Garden5\\NOT\\",
     .script = "Data\\Garden5\\not\\screen.dat",
     .hitMap = "Bitmaps\\Garden5\\not\\bg_mask.png",
     .enter = "PAPOUCH",
     .make = MakeScreen<TruthfulParrot>},
    {.screen = kScreenMeadowColours,
     .code = "COL",
     .sticker = 4,
     .winAt = 10,
     .lesson = kScreenLearnColours,
     .speeches = {6, 8, 9, 10, 11},
     .soundFolder = "Sounds\\Garden5\\COL\\",
     .script = "Data\\Garden5\\col\\screen.dat",
     .hitMap = "Bitmaps\\Garden5\\col\\bg_mask.png",
     .enter = "RUFO",
     .make = MakeScreen<MeadowColours>},
    // The bees' game loads the script of the hive layout it shows.
    {.screen = kScreenBeeHives,
     .code = "COL2",
     .sticker = 2,
     .winAt = 10,
     .lesson = kScreenLearnColours,
     .speeches = {13, 15, 16, 17, 18},
     .soundFolder = "Sounds\\Garden5\\COL2\\",
     .script = "Data\\Garden5\\col2\\L%d\\screen.dat",
     .hitMap = "Bitmaps\\Garden5\\col2\\bg_mask.png",
     .firstVariant = 1,
     .lastVariant = 4,
     .enter = "UL",
     .make = MakeScreen<BeeHives>},
    {.screen = kScreenPictureGrids,
     .code = "LOG",
     .sticker = 1,
     .winAt = 10,
     .lesson = kScreenLearnPantry,
     .speeches = {0, 2, 3, 4, 5},
     .soundFolder = "Sounds\\Garden6\\LOG\\",
     .script = "Data\\Garden6\\LOG\\screen.dat",
     .hitMap = "Bitmaps\\Garden6\\LOG\\bg_mask.png",
     .enter = "ZROUT",
     .make = MakeScreen<PictureGrids>},
    {.screen = kScreenLadybirdDots,
     .code = "NUM",
     .sticker = 0,
     .winAt = 10,
     .lesson = kScreenLearnCounting,
     .speeches = {6, 8, 9, 10, 11},
     .soundFolder = "SOUNDS\\Garden6\\NUM\\",
     .script = "Data\\Garden6\\NUM\\screen.dat",
     .hitMap = "Bitmaps\\Garden6\\NUM\\bg_mask.png",
     .enter = "BERUSKA",
     .make = MakeScreen<LadybirdDots>},
};

}  // namespace

void RegisterGardenScreens(ScreenTable& table) {
  for (const GardenInfo& garden : kGardens)
    AddGarden(table, garden);
  for (const MiniGameInfo& game : kGames)
    AddMiniGame(table, game);
}

}  // namespace rufo
