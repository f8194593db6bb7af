#include "tools/rufo_play/shots.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "tools/rufo_play/game_process.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {
namespace {

constexpr int kStartScreen = 0x001;
constexpr int kFirstShown = 0x101;
constexpr int kPastLastShown = 0x800;
// After a question the frame shows what it asks about; a press is captured just before it.
constexpr uint32_t kAfterQuestionMs = 150;
constexpr uint32_t kBeforePressMs = 5;
// How long the replay may run past the input's end, and how long it may take in wall time.
constexpr uint32_t kRunPastInputMs = 60000;
constexpr int kReplayWallMs = 600000;

struct Moment {
  uint32_t atMs;
  bool settled;  // the screen's introduction, if any, is over
};

// The time of an input line ("MS ldown"), when it presses or releases the button.
std::optional<uint32_t> PressAt(const std::string& line) {
  const size_t space = line.find(' ');
  if (space == std::string::npos) return std::nullopt;
  const std::string action = line.substr(space + 1);
  if (action != "ldown" && action != "lup") return std::nullopt;
  return static_cast<uint32_t>(std::stoul(line.substr(0, space)));
}

}  // namespace

std::vector<Shot> PlanShots(const std::vector<std::string>& trace,
                            const std::vector<std::string>& input) {
  std::vector<TraceEvent> events;
  for (const std::string& line : trace) {
    if (std::optional<TraceEvent> event = ParseTraceLine(line)) events.push_back(*event);
  }
  std::vector<uint32_t> presses;
  for (const std::string& line : input) {
    if (std::optional<uint32_t> at = PressAt(line)) presses.push_back(*at);
  }
  // Every visit's moment, by screen, in the order of the visits.
  std::map<int, std::vector<Moment>> moments;
  for (size_t i = 0; i < events.size(); ++i) {
    const TraceEvent& built = events[i];
    if (built.kind != TraceEvent::Kind::kScreen || built.screen < kFirstShown ||
        built.screen >= kPastLastShown) {
      continue;
    }
    // The visit lasts until the next screen is built.
    std::optional<uint32_t> asked;
    uint32_t left = UINT32_MAX;
    for (size_t j = i + 1; j < events.size(); ++j) {
      if (events[j].kind == TraceEvent::Kind::kScreen) {
        left = events[j].timeMs;
        break;
      }
      if (!asked && events[j].kind == TraceEvent::Kind::kQuestion &&
          events[j].screen == built.screen) {
        asked = events[j].timeMs;
      }
    }
    std::optional<uint32_t> at;
    if (asked) {
      at = *asked + kAfterQuestionMs;
    } else {
      const auto press = std::upper_bound(presses.begin(), presses.end(), built.timeMs);
      if (press != presses.end() && *press < left) at = *press - kBeforePressMs;
    }
    // Arriving from the Start screen, RUFO jumps in and introduces the learning garden: a later
    // visit shows it as it is after that.
    if (at && *at < left)
      moments[built.screen].push_back({*at, asked || built.previous != kStartScreen});
  }
  std::map<int, Shot> shots;
  for (const auto& [screen, visits] : moments) {
    const auto settled =
        std::find_if(visits.begin(), visits.end(), [](const Moment& m) { return m.settled; });
    shots[screen] = {screen, (settled != visits.end() ? *settled : visits.front()).atMs};
  }
  std::vector<Shot> planned;
  for (const auto& [screen, shot] : shots)
    planned.push_back(shot);
  return planned;
}

std::vector<std::string> TakeShots(const std::string& program, const std::string& dataRoot,
                                   uint32_t seed, const std::vector<std::string>& input,
                                   const std::string& trace, const std::vector<Shot>& shots,
                                   const std::string& outDir, std::string* problem) {
  GameProcess game(program, dataRoot);
  const std::string script = game.Folder() + "/input.txt";
  uint32_t lastMs = 0;
  {
    std::ofstream out(script);
    for (const std::string& line : input) {
      out << line << '\n';
      lastMs = std::max<uint32_t>(lastMs, std::stoul(line));
    }
  }
  std::vector<std::string> files;
  std::string captures;
  for (const Shot& shot : shots) {
    files.push_back((std::filesystem::path(outDir) / (ScreenText(shot.screen) + ".png")).string());
    captures += (captures.empty() ? "" : ",") + std::to_string(shot.atMs) + ":" + files.back();
  }
  if (!game.Start({{"RUFO_HEADLESS", "1"},
                   {"RUFO_SEED", std::to_string(seed)},
                   {"RUFO_INPUT", script},
                   {"RUFO_RUN_MS", std::to_string(lastMs + kRunPastInputMs)},
                   {"RUFO_CAPTURE", captures}},
                  problem)) {
    return {};
  }
  if (!game.WaitMs(kReplayWallMs)) {
    game.Kill();
    *problem = "the replay did not end";
    return {};
  }
  if (ReadWholeFile(game.TracePath()) != trace) {
    *problem =
        "the replay played another game than the play (its folder is kept: " + game.Folder() + ")";
    game.Keep();
    return {};
  }
  for (const std::string& file : files) {
    if (!std::filesystem::exists(file)) {
      *problem = "the replay captured no frame for " + file +
                 " (its folder is kept: " + game.Folder() + ")";
      game.Keep();
      return {};
    }
  }
  return files;
}

}  // namespace rufo::play
