#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/play/play_fixtures.h"
#include "tests/support/demo_run.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tools/rufo_play/game_link.h"
#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

// How a screen of the fake game answers presses.
struct FakeScreen {
  Rect exit{};  // a press inside leads to `next`
  int next = -1;
  uint32_t deafMs = 0;    // for this long after the screen is built presses do nothing
  std::string echo{};     // written at every other press
  std::string chatter{};  // written every five seconds, press or not
};

// A game in name only, on the virtual clock of the player's own steps: its screens write what
// their rules say. A real idle process stands for it, which F12 ends cleanly.
class FakeGame final : public GameLink {
 public:
  FakeGame(const rufo::test::TempFolder& folder, std::map<int, FakeScreen> screens)
      : process_(IdleProgram(folder), folder.Root()), screens_(std::move(screens)) {}

  bool Start(std::string* problem) override {
    Show(kScreenEntry, 100);
    Show(kScreenTitle, 200);
    return process_.Start({{"QUIT_FILE", process_.Folder() + "/quit"}}, problem);
  }

  void Act(const std::string& action) override {
    std::istringstream words(action);
    std::string verb;
    words >> verb;
    if (verb == "move") {
      words >> mouse_.x >> mouse_.y;
    } else if (verb == "ldown") {
      Press();
    } else if (action == "key F12 down") {
      std::ofstream(process_.Folder() + "/quit");
    }
  }

  std::vector<std::string> Advance(uint32_t ms) override {
    const uint32_t until = now_ + ms;
    const FakeScreen& rules = screens_[screen_];
    for (; !rules.chatter.empty() && nextChatter_ <= until; nextChatter_ += 5000)
      Write(nextChatter_, rules.chatter);
    std::vector<std::string> lines;
    const auto due = pending_.upper_bound(until);
    for (auto line = pending_.begin(); line != due; ++line)
      lines.push_back(std::to_string(line->first) + " " + line->second);
    pending_.erase(pending_.begin(), due);
    now_ = until;
    return lines;
  }

  uint32_t NowMs() const override { return now_; }
  GameProcess& Process() override { return process_; }

 private:
  static std::string IdleProgram(const rufo::test::TempFolder& folder) {
    const fs::path program =
        folder.Write("idle.sh", "#!/bin/sh\nwhile [ ! -e \"$QUIT_FILE\" ]; do sleep 0.01; done\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    return program.string();
  }

  void Write(uint32_t at, const std::string& text) { pending_.emplace(at, text); }

  void Show(int id, uint32_t at) {
    Write(at, "screen " + ScreenText(id) + " " + ScreenText(screen_));
    screen_ = id;
    builtAt_ = at;
    nextChatter_ = at + 5000;
  }

  void Press() {
    const FakeScreen& rules = screens_[screen_];
    if (now_ < builtAt_ + rules.deafMs) return;
    if (rules.exit.Contains(mouse_.x, mouse_.y)) {
      // A screen is built eleven ticks after it is asked for.
      Show(rules.next, now_ + 110);
    } else if (!rules.echo.empty()) {
      Write(now_, rules.echo);
    }
  }

  GameProcess process_;
  std::map<int, FakeScreen> screens_;
  std::multimap<uint32_t, std::string> pending_;  // by time, in the order written
  Point mouse_;
  int screen_ = -1;
  uint32_t now_ = 0;
  uint32_t builtAt_ = 0;
  uint32_t nextChatter_ = 0;
};

constexpr Rect kWholeScreen{0, 0, RegionMap::kWidth, RegionMap::kHeight};

class ExploreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  }

  // Explores the fake game for five minutes from the title, which any press leaves for the
  // Start screen; the traps found.
  std::vector<std::string> Explore(const FakeScreen& start, uint32_t* endMs = nullptr) {
    rufo::test::TempFolder folder;
    const FakeScreen title{.exit = kWholeScreen, .next = kScreenStart};
    FakeGame game(folder, {{kScreenTitle, title}, {kScreenStart, start}});
    DataTree data(fs::absolute(rufo::test::DemoData()).string());
    PlayOptions options;
    options.mode = Mode::kExplore;
    options.seed = 5;
    options.exploreMs = 5 * 60000;
    const Report report = Player(game, data, options).Play();
    if (endMs) *endMs = report.gameMs;
    std::vector<std::string> stuck;
    std::copy_if(report.problems.begin(), report.problems.end(), std::back_inserter(stuck),
                 [](const std::string& problem) { return problem.starts_with("stuck on "); });
    return stuck;
  }
};

TEST_F(ExploreTest, AScreenThatOnlyRepeatsItselfIsATrap) {
  // Every press answers with the same line, and the screen chatters on its own.
  uint32_t endMs = 0;
  const std::vector<std::string> stuck = Explore(
      {.echo = "speak 0x24 Sounds\\ano", .chatter = "speak MLUVI Sounds\\Start\\sp_wait"}, &endMs);
  ASSERT_EQ(stuck.size(), 1u);
  const int at = std::stoi(stuck[0].substr(stuck[0].find(" at ") + 4));
  EXPECT_EQ(stuck[0], "stuck on 0x1 at " + std::to_string(at));
  // A minute after the last new line (the first chatter, five seconds in), after one sweep.
  EXPECT_GE(at, 65000);
  EXPECT_LE(at, 110000);
  // The run ends there.
  EXPECT_LT(endMs, static_cast<uint32_t>(at) + 5000);
}

TEST_F(ExploreTest, ALongSpeechOrTheToolbarAloneIsNoTrap) {
  // Deaf for most of a minute each time it is built, then any press builds it again.
  EXPECT_EQ(Explore({.exit = kWholeScreen, .next = kScreenStart, .deafMs = 58000}),
            std::vector<std::string>{});

  // Only the toolbar's back button leads on, which no press on the Start screen itself reaches.
  DataTree data(fs::absolute(rufo::test::DemoData()).string());
  const ToolbarButton& back = ToolbarButtons()[kBack];
  const std::optional<Size> size = data.PictureSize(back.picture);
  ASSERT_TRUE(size);
  const Rect button{kToolbarX + back.at.x, kToolbarOpenY + back.at.y,
                    kToolbarX + back.at.x + size->width,
                    kToolbarOpenY + back.at.y + size->height / 4};
  EXPECT_EQ(Explore({.exit = button, .next = kScreenStart, .echo = "speak 0x24 Sounds\\ne"}),
            std::vector<std::string>{});
}

// The demo game explored in Garden2 only, its trace kept.
TEST(ExploreGameTest, ExploringOneGardenStaysInItAndKeepsTheTrace) {
  if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  rufo::test::TempFolder folder;
  const std::string trace = folder.Root() + "kept/trace.txt";
  fs::create_directories(folder.Path() / "kept");
  int exit = -1;
  const std::string output =
      test::RunPlayer(folder,
                      "--explore 4 --garden 2 --seed 3 --trace " + trace + " --data " +
                          fs::absolute(rufo::test::DemoData()).string(),
                      &exit);
  std::istringstream lines(rufo::test::ReadFile(trace));
  std::string line;
  std::vector<int> screens;
  while (std::getline(lines, line)) {
    const std::optional<TraceEvent> event = ParseTraceLine(line);
    if (event) Learn(*event);
    if (event && event->kind == TraceEvent::Kind::kScreen) screens.push_back(event->screen);
  }
  ASSERT_FALSE(screens.empty()) << output;
  ASSERT_NE(FindGarden(0x301), nullptr) << "the trace told the gardens";
  EXPECT_NE(std::find(screens.begin(), screens.end(), 0x301), screens.end()) << output;
  for (int id : screens) {
    // On the way from the learning garden the walk passes Garden1; no other garden's games.
    const Garden* garden = GardenOf(id);
    EXPECT_TRUE(!garden || garden->scene.id == 0x301) << Describe(id) << "\n" << output;
    EXPECT_TRUE(!FindGarden(id) || id == kScreenHub || id == 0x201 || id == 0x301)
        << Describe(id) << "\n"
        << output;
  }
}

}  // namespace
}  // namespace rufo::play
