#include "tools/rufo_play/places.h"

#include <array>

#include "tools/rufo_play/region_map.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {
namespace {

const std::vector<Garden>& Gardens() {
  static const std::vector<Garden> gardens = {
      {{kScreenHub,
        "learning garden",
        {"Data\\LearnG\\screen.dat"},
        {"Bitmaps\\LearnG\\bg_mask.png"}},
       {}},
      {{0x201, "Garden1", {"Data\\Garden1\\screen.dat"}, {"Bitmaps\\Garden1\\bg_mask.png"}},
       {{{0x202,
          "Garden1 NUM",
          {"Data\\Garden1\\NUM\\screen.dat"},
          {"Bitmaps\\Garden1\\Num\\bg_mask.png"}},
         "RUFO",
         7,
         10,
         0x104},
        {{0x203,
          "Garden1 COL",
          {"Data\\Garden1\\COL\\screen.dat"},
          {"Bitmaps\\Garden1\\COL\\bg_mask.png"}},
         "KVETINY",
         8,
         10,
         0x102}}},
      {{0x301, "Garden2", {"Data\\Garden2\\screen.dat"}, {"Bitmaps\\Garden2\\bg_mask.png"}},
       {{{0x302,
          "Garden2 DIR",
          {"Data\\Garden2\\Dir\\screen.dat"},
          {"Bitmaps\\Garden2\\Dir\\bg_mask.png"}},
         "STUDNA",
         9,
         10,
         0x103},
        {{0x303,
          "Garden2 COL",
          {"Data\\Garden2\\col\\screen.dat"},
          {"Bitmaps\\Garden2\\col\\bg_mask.png"}},
         "MIC",
         11,
         10,
         0x102},
        {{0x304,
          "Garden2 LOG",
          {"Data\\Garden2\\log\\screen.dat"},
          {"Bitmaps\\Garden2\\log\\bg_mask.png"}},
         "PTAK",
         10,
         10,
         0x106}}},
      {{0x401, "Garden3", {"Data\\Garden3\\screen.dat"}, {"Bitmaps\\Garden3\\bg_mask.png"}},
       {{{0x402,
          "Garden3 NOT",
          {"Data\\Garden3\\NOT\\screen.dat"},
          {"Bitmaps\\Garden3\\NOT\\bg_mask0.png", "Bitmaps\\Garden3\\NOT\\bg_mask1.png"}},
         "RUFO",
         12,
         15,
         0x105},
        {{0x403,
          "Garden3 CAT",
          {"Data\\Garden3\\cat\\screen.dat"},
          {"Bitmaps\\Garden3\\cat\\bg_mask.png"}},
         "OPICE",
         13,
         10,
         0x107}}},
      {{0x501, "Garden4", {"Data\\Garden4\\screen.dat"}, {"Bitmaps\\Garden4\\bg_mask.png"}},
       {{{0x502,
          "Garden4 NUM",
          {"Data\\Garden4\\Num\\screen.dat"},
          {"Bitmaps\\Garden4\\Num\\bg_mask.png"}},
         "DATEL",
         5,
         10,
         0x104},
        {{0x503,
          "Garden4 NAD",
          {"Data\\Garden4\\NaD\\screen.dat"},
          {"Bitmaps\\Garden4\\nad\\bg_mask.png"}},
         "HNIZDO",
         6,
         10,
         0x104}}},
      {{0x601, "Garden5", {"Data\\Garden5\\screen.dat"}, {"Bitmaps\\Garden5\\bg_mask.png"}},
       {{{0x602,
          "Garden5 NOT",
          {"Data\\Garden5\\not\\screen.dat"},
          {"Bitmaps\\Garden5\\not\\bg_mask.png"}},
         "PAPOUCH",
         3,
         10,
         0x107},
        {{0x603,
          "Garden5 COL",
          {"Data\\Garden5\\col\\screen.dat"},
          {"Bitmaps\\Garden5\\col\\bg_mask.png"}},
         "RUFO",
         4,
         10,
         0x102},
        {{0x604,
          "Garden5 COL2",
          {"Data\\Garden5\\col2\\L1\\screen.dat", "Data\\Garden5\\col2\\L2\\screen.dat",
           "Data\\Garden5\\col2\\L3\\screen.dat", "Data\\Garden5\\col2\\L4\\screen.dat"},
          {"Bitmaps\\Garden5\\col2\\bg_mask.png"}},
         "UL",
         2,
         10,
         0x102}}},
      {{0x701, "Garden6", {"Data\\Garden6\\screen.dat"}, {"Bitmaps\\Garden6\\bg_mask.png"}},
       {{{0x702,
          "Garden6 LOG",
          {"Data\\Garden6\\LOG\\screen.dat"},
          {"Bitmaps\\Garden6\\LOG\\bg_mask.png"}},
         "ZROUT",
         1,
         10,
         0x106},
        {{0x703,
          "Garden6 NUM",
          {"Data\\Garden6\\NUM\\screen.dat"},
          {"Bitmaps\\Garden6\\NUM\\bg_mask.png"}},
         "BERUSKA",
         0,
         10,
         0x104}}},
  };
  return gardens;
}

const std::vector<Place>& LessonPlaces() {
  static const std::vector<Place> lessons = {
      {0x102,
       "colours lesson",
       {"Data\\LearnG\\COLORS\\screen.dat"},
       {"Bitmaps\\LearnG\\Colors\\bg_mask.png"}},
      {0x103,
       "directions lesson",
       {"Data\\LearnG\\DIR\\screen.dat"},
       {"Bitmaps\\LearnG\\Dir\\bg_mask.png"}},
      {0x104,
       "counting lesson",
       {"Data\\LearnG\\NUM\\screen.dat"},
       {"Bitmaps\\LearnG\\NUM\\bg_mask.png"}},
      {0x105,
       "notions lesson",
       {"Data\\LearnG\\NOT\\screen.dat"},
       {"Bitmaps\\LearnG\\NOT\\bg_mask.png"}},
      {0x106,
       "pantry lesson",
       {"Data\\LearnG\\LOG\\screen.dat"},
       {"Bitmaps\\LearnG\\LOG\\bg_mask.png"}},
      {0x107,
       "shapes lesson",
       {"Data\\LearnG\\TVA\\screen.dat"},
       {"Bitmaps\\LearnG\\TVA\\bm_mask0.png", "Bitmaps\\LearnG\\TVA\\bm_mask1.png",
        "Bitmaps\\LearnG\\TVA\\bm_mask2.png", "Bitmaps\\LearnG\\TVA\\bm_mask3.png"}},
  };
  return lessons;
}

const std::vector<Place>& CommonPlaces() {
  static const std::vector<Place> places = {
      {kScreenStart, "Start screen", {"Data\\Start\\screen.dat"}, {"Bitmaps\\Start\\bg_mask.png"}},
      {kScreenEnd, "End screen", {"Data\\End\\screen.dat"}, {"Bitmaps\\End\\bg_mask.png"}},
      {kScreenCredits, "Credits", {"Data\\Credits\\screen.dat"}, {}},
      {kScreenEntry, "entry screen", {}, {}},
      {kScreenTitle, "title screen", {}, {}},
      {kScreenAlbum, "sticker album", {"Data\\album\\screen.dat"}, {}},
  };
  return places;
}

constexpr std::array<ToolbarButton, 5> kButtons = {{
    {"tb0", {37, 23}},
    {"tb1", {86, 22}},
    {"tb2", {154, 22}},
    {"tb3", {224, 22}},
    {"tb4", {279, 20}},
}};

}  // namespace

platform::Rect WalkEdge(int direction) {
  return direction > 0
             ? platform::Rect{kWalkRightFrom + 4, 30, RegionMap::kWidth, kToolbarOpenY - 10}
             : platform::Rect{0, 30, kWalkLeftBelow - 4, kToolbarOpenY - 10};
}

std::span<const Garden> Ring() {
  return Gardens();
}

std::span<const Place> Lessons() {
  return LessonPlaces();
}

std::span<const ToolbarButton> ToolbarButtons() {
  return kButtons;
}

const Garden* FindGarden(int sceneId) {
  for (const Garden& garden : Gardens()) {
    if (garden.scene.id == sceneId) return &garden;
  }
  return nullptr;
}

const Garden* GardenOf(int gameId) {
  for (const Garden& garden : Gardens()) {
    for (const GameRow& game : garden.games) {
      if (game.place.id == gameId) return &garden;
    }
  }
  return nullptr;
}

const GameRow* FindGame(int id) {
  for (const Garden& garden : Gardens()) {
    for (const GameRow& game : garden.games) {
      if (game.place.id == id) return &game;
    }
  }
  return nullptr;
}

const Place* FindPlace(int id) {
  if (const Garden* garden = FindGarden(id)) return &garden->scene;
  if (const GameRow* game = FindGame(id)) return &game->place;
  for (const auto* list : {&LessonPlaces(), &CommonPlaces()}) {
    for (const Place& place : *list) {
      if (place.id == id) return &place;
    }
  }
  return nullptr;
}

std::string Describe(int id) {
  const Place* place = FindPlace(id);
  return ScreenText(id) + " " + (place ? place->name : "unknown screen");
}

}  // namespace rufo::play
