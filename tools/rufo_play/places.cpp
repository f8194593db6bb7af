#include "tools/rufo_play/places.h"

#include <array>

#include "tools/rufo_play/region_map.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {
namespace {

// The learning garden, then the gardens the game told, in its order. A game's row belongs to
// the garden of its screen's family; the game tells the gardens before their games.
std::vector<Garden>& Gardens() {
  static std::vector<Garden> gardens = {{{kScreenHub,
                                          "learning garden",
                                          {"Data\\LearnG\\screen.dat"},
                                          {"Bitmaps\\LearnG\\bg_mask.png"}},
                                         {}}};
  return gardens;
}

Garden* MutableGarden(int sceneId) {
  for (Garden& garden : Gardens()) {
    if (garden.scene.id == sceneId) return &garden;
  }
  return nullptr;
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

void Learn(const TraceEvent& event) {
  if (event.kind == TraceEvent::Kind::kGarden) {
    Place scene{event.screen, event.name, event.scripts, event.masks};
    if (Garden* garden = MutableGarden(event.screen)) {
      garden->scene = std::move(scene);
    } else {
      Gardens().push_back({std::move(scene), {}});
    }
  } else if (event.kind == TraceEvent::Kind::kGame) {
    Garden* garden = MutableGarden((event.screen & 0xFF00) | 1);
    if (!garden) return;
    GameRow row{{event.screen, garden->scene.name + " " + event.name, event.scripts, event.masks},
                event.control,
                event.number,
                event.winAt,
                event.lesson};
    for (GameRow& game : garden->games) {
      if (game.place.id == event.screen) {
        game = std::move(row);
        return;
      }
    }
    garden->games.push_back(std::move(row));
  }
}

void ForgetLearned() {
  Gardens().resize(1);
}

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
  for (const std::vector<Place>* list : {&LessonPlaces(), &CommonPlaces()}) {
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
