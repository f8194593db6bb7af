#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/rect.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {

// What the player knows of the game's screens: where each one's screen script and hit map live
// in the data tree, how a game is entered from its garden, which sticker it gives and which
// lesson a loss leads to, and the order in which walking at the screen edges links the gardens.
// A garden or a game whose screen script the data tree lacks has not been made yet. The gardens
// and their games are the game's own table, which its trace tells at its start.

inline constexpr int kScreenStart = 0x001;
inline constexpr int kScreenEnd = 0x002;
inline constexpr int kScreenCredits = 0x003;
inline constexpr int kScreenEntry = 0x004;
inline constexpr int kScreenTitle = 0x005;
inline constexpr int kScreenHub = 0x101;
inline constexpr int kScreenAlbum = 0x801;
inline constexpr int kStickerCount = 14;
inline constexpr int kLossAt = 3;

// A screen as the data tree describes it. Some games switch between several scripts or hit
// maps; each alternative is listed, and the first that exists is used.
struct Place {
  int id = 0;
  std::string name;
  std::vector<std::string> scripts;
  std::vector<std::string> masks;
};

struct GameRow {
  Place place;
  std::string enter;  // the control in the garden's main scene that leads into the game
  int sticker = 0;
  int winAt = 0;
  int lesson = 0;
};

// A main scene in the walking ring, with its games.
struct Garden {
  Place scene;
  std::vector<GameRow> games;
};

// Learns a garden or a game from its line in the trace (other lines are ignored); a place told
// again replaces the first. The game tells them before its first screen, so they are known
// before anything is played.
void Learn(const TraceEvent& event);
// Forgets the gardens and games learned.
void ForgetLearned();

// The learning garden first, then the gardens as the game told them, Garden1 to Garden6: walking
// right at the right edge goes to the next one, from the last back to the first; walking left the
// other way.
std::span<const Garden> Ring();
std::span<const Place> Lessons();
// Every screen the player knows, games and lessons included; nullptr for others.
const Place* FindPlace(int id);
const GameRow* FindGame(int id);
const Garden* FindGarden(int sceneId);
// The garden a game belongs to, or nullptr.
const Garden* GardenOf(int gameId);
// "0x202 Garden1 NUM"
std::string Describe(int id);

// Walking: a press right of kWalkRightFrom or left of kWalkLeftBelow, away from any region.
inline constexpr int kWalkRightFrom = 581;
inline constexpr int kWalkLeftBelow = 60;
// Where a press walks right (`direction` 1) or left (-1), kept off the corners and the toolbar.
platform::Rect WalkEdge(int direction);

// The toolbar at the bottom of the screen: its picture, its resting places and its five
// buttons (help, Start screen, album, back, end).
inline constexpr int kToolbarX = 144;
inline constexpr int kToolbarOpenY = 397;
inline constexpr int kToolbarRetractedY = 459;
inline constexpr const char* kToolbarPicture = "tbar";
struct ToolbarButton {
  const char* picture;
  platform::Point at;  // in the toolbar
};
std::span<const ToolbarButton> ToolbarButtons();
enum ToolbarItem { kHelp = 0, kToStart = 1, kToAlbum = 2, kBack = 3, kEndQuestion = 4 };

// The yes/no bubble of the end question: the middle of each answer's hot area.
inline constexpr platform::Point kDialogYes{140 + 80 + 53, 100 + 25 + 60};
inline constexpr platform::Point kDialogNo{140 + 202 + 50, 100 + 30 + 57};
// The sound each answer makes when pointed at; it shows the bubble is up.
inline constexpr const char* kDialogYesSound = "Sounds\\ano";
inline constexpr const char* kDialogNoSound = "Sounds\\ne";

// The Start screen: the face regions of the four slots, and the cap.
inline constexpr int kFaceRegion = 20;
inline constexpr int kDeleteRegion = 26;
inline constexpr const char* kCap = "CEPKA";
inline constexpr const char* kStartIntro = "Sounds\\Start\\sp_intro";

}  // namespace rufo::play
