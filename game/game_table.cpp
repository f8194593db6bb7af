#include "game/game_table.h"

#include <cstring>
#include <deque>

#include "engine/trace.h"
#include "game/game_state.h"
#include "game/garden_scene.h"

namespace rufo {
namespace {

// Rows are only added or replaced in place, so a row's address stays valid for the screens
// that hold it.
std::deque<GardenInfo>& GardenRows() {
  static std::deque<GardenInfo> rows;
  return rows;
}

std::deque<MiniGameInfo>& GameRows() {
  static std::deque<MiniGameInfo> rows;
  return rows;
}

ScreenId Id(const GardenInfo& row) {
  return row.scene;
}

ScreenId Id(const MiniGameInfo& row) {
  return row.screen;
}

template <typename Row>
const Row& Put(std::deque<Row>& rows, ScreenId id, const Row& row) {
  for (Row& old : rows) {
    if (Id(old) == id) return old = row;
  }
  return rows.emplace_back(row);
}

// The alternatives of a name as the trace lists them: separated by commas, "-" for none.
std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names)
    text += (text.empty() ? "" : ",") + name;
  return text.empty() ? "-" : text;
}

}  // namespace

void AddGarden(ScreenTable& screens, const GardenInfo& garden) {
  const GardenInfo& row = Put(GardenRows(), garden.scene, garden);
  screens.Add(row.scene, [&row] { return std::make_unique<GardenScene>(row); });
}

void AddMiniGame(ScreenTable& screens, const MiniGameInfo& game) {
  const MiniGameInfo& row = Put(GameRows(), game.screen, game);
  if (row.make) screens.Add(row.screen, row.make);
}

const std::deque<GardenInfo>& Gardens() {
  return GardenRows();
}

const std::deque<MiniGameInfo>& MiniGames() {
  return GameRows();
}

const GardenInfo* FindGarden(ScreenId scene) {
  for (const GardenInfo& garden : GardenRows()) {
    if (garden.scene == scene) return &garden;
  }
  return nullptr;
}

const MiniGameInfo* FindMiniGame(ScreenId screen) {
  for (const MiniGameInfo& game : GameRows()) {
    if (game.screen == screen) return &game;
  }
  return nullptr;
}

std::vector<std::string> NamesOf(const MiniGameInfo& game, const char* name) {
  if (!name) return {};
  if (!std::strstr(name, "%d")) return {name};
  std::vector<std::string> names;
  for (int n = game.firstVariant; n <= game.lastVariant; ++n)
    names.push_back(Numbered(name, n));
  return names;
}

ScreenId Neighbour(ScreenId scene, int direction) {
  if (const GardenInfo* garden = FindGarden(scene))
    return direction > 0 ? garden->right : garden->left;
  if (scene != kScreenLearnHub) return 0;
  for (const GardenInfo& garden : GardenRows()) {
    if ((direction > 0 ? garden.left : garden.right) == kScreenLearnHub) return garden.scene;
  }
  return 0;
}

void TraceGameTable() {
  // The gardens in the order walking right from the learning garden passes them.
  ScreenId scene = Neighbour(kScreenLearnHub, 1);
  for (size_t told = 0; told < GardenRows().size() && FindGarden(scene); ++told) {
    const GardenInfo& garden = *FindGarden(scene);
    trace::Garden(garden.scene, garden.name, garden.script, garden.hitMap);
    scene = garden.right;
  }
  for (const MiniGameInfo& game : GameRows()) {
    trace::Game(game.screen, game.code, game.enter ? game.enter : "-", game.sticker, game.winAt,
                game.lesson, Listed(NamesOf(game, game.script)),
                Listed(NamesOf(game, game.hitMap)));
  }
}

}  // namespace rufo
