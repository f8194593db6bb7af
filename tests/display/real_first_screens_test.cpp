#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "controls/control.h"
#include "controls/control_list.h"
#include "game/profile.h"
#include "game/screen_rules.h"
#include "tests/display/real_display_test.h"
#include "tests/display/x_display.h"
#include "tests/game/demo_game.h"
#include "tests/game/garden_game.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

using std::chrono::steady_clock;

constexpr char kWindowTitle[] = "Rufo first screens";

// The commonest colour of a picture, and how many pixels have it.
std::pair<uint32_t, int> CommonestColour(const std::vector<uint32_t>& pixels) {
  std::map<uint32_t, int> counts;
  for (uint32_t pixel : pixels)
    ++counts[pixel];
  std::pair<uint32_t, int> best{0, 0};
  for (const auto& [colour, count] : counts) {
    if (count > best.second) best = {colour, count};
  }
  return best;
}

// The game in-process on the real platform and the demo data, in a window under Xvfb: the test
// runs its loop in real time, sound goes to SDL's dummy driver (so speeches play and end as they
// would for a child), and every click is made by xdotool on the real window.
class RealFirstScreensTest : public test::RealDisplayTest {
 protected:
  void SetUp() override {
    test::RealDisplayTest::SetUp();
    if (IsSkipped()) return;
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    fs::create_directories(folder_.Path() / "rt");
    folder_.Write("config/rufo.ini",
                  "[Rufo I]\nCD=" + kDemoData.string() + "/\nHD=" + folder_.Root() + "rt/\n");
    ResetState();
    engine_ = OpenWindow(kWindowTitle);
    ASSERT_NE(engine_, nullptr);
    ASSERT_NE(engine_->Sound(), nullptr) << "SDL's dummy audio driver did not open";
    ASSERT_TRUE(GameStart());
    started_ = true;
  }
  void TearDown() override {
    if (started_) GameEnd();
    if (engine_) engine_->Shutdown();
    engine_.reset();
    ResetState();
  }

  Interface& Engine() { return *engine_; }
  bool OnScreen(ScreenId id) {
    return Engine().CurrentScreen() == id && !Engine().ScreenChangePending();
  }

  // One pass of the loop, paced as the game's own: input every pass; a tick and a frame once
  // more than a tick period has passed since the last, else a short sleep.
  void Step() {
    Engine().PumpInput();
    const uint32_t now = Engine().Clock().NowMs();
    if (now - lastTickMs_ > static_cast<uint32_t>(Engine().Properties().tickMs)) {
      lastTickMs_ = now;
      ++ticks_;
      Engine().RunTick();
      Engine().ComposeFrame();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  // Runs the loop until the condition holds; false when it has not within the time allowed.
  template <typename Condition>
  bool RunUntil(Condition done, std::chrono::milliseconds allowed) {
    const auto deadline = steady_clock::now() + allowed;
    while (!done()) {
      if (steady_clock::now() > deadline) return false;
      Step();
    }
    return true;
  }
  // A flag of the Start screen; false while another screen is shown.
  static bool StartShown(bool (StartScreen::*flag)() const) {
    const auto* start = dynamic_cast<const StartScreen*>(CurrentScreen());
    return start && (start->*flag)();
  }
  // What the game is at, for failure messages.
  std::string Where() {
    const GameState& state = State();
    std::ostringstream out;
    out << "screen 0x" << std::hex << Engine().CurrentScreen() << std::dec
        << (Engine().ScreenChangePending() ? " (pending)" : "") << ", speech kind " << SpeechKind();
    if (const auto* start = dynamic_cast<const StartScreen*>(CurrentScreen())) {
      out << ", faces clickable " << start->FacesClickable() << ", cap held " << start->CapHeld();
    }
    out << ", slot 0 face " << state.profiles[0].face << ", mouse " << Engine().MouseX() << ","
        << Engine().MouseY();
    return out.str();
  }
  // Moves the X pointer over the game pixel, waits until the game has it there, and clicks.
  void ClickAt(int gx, int gy) {
    ASSERT_GT(test::MovePointerToGamePixel(kWindowTitle, gx, gy), 0) << "window not found";
    ASSERT_TRUE(RunUntil([&] { return Engine().MouseX() == gx && Engine().MouseY() == gy; },
                         std::chrono::seconds(2)))
        << "the pointer did not reach " << gx << "," << gy << ": " << Where();
    test::ClickLeftButton();
  }

  test::ScopedEnv audio_{"SDL_AUDIODRIVER", "dummy"};
  std::unique_ptr<Interface> engine_;
  bool started_ = false;
  uint32_t lastTickMs_ = 0;
  int ticks_ = 0;
};

TEST_F(RealFirstScreensTest, TitleStartFaceCapJumpAndTheLearningGardenByRealClicks) {
  using std::chrono::seconds;
  ASSERT_TRUE(RunUntil([&] { return OnScreen(kScreenTitle); }, seconds(5))) << Where();

  // The title would move on by its own timer after 500 ticks; the click moves on at once.
  ClickAt(320, 240);
  const int clickedAt = ticks_;
  ASSERT_TRUE(RunUntil([&] { return Engine().CurrentScreen() == kScreenStart; }, seconds(2)))
      << "the click on the title was not taken: " << Where();
  EXPECT_LE(ticks_ - clickedAt, 5);
  ASSERT_TRUE(RunUntil([&] { return OnScreen(kScreenStart); }, seconds(2))) << Where();
  EXPECT_EQ(SpeechKind(), kSpeechWait);
  EXPECT_FALSE(StartShown(&StartScreen::FacesClickable));

  // The window shows the Start background: its commonest colour, which the title's picture
  // lacks, covers most of its area on the screen.
  const int shownAt = ticks_;
  ASSERT_TRUE(RunUntil([&] { return ticks_ >= shownAt + 3; }, seconds(1)));
  const auto [sand, sandPixels] =
      CommonestColour(test::ReadPicture((kDemoData / "Bitmaps/Start/bg.png").string()));
  const std::vector<uint32_t> title = test::ReadPicture((kDemoData / "enter.png").string());
  ASSERT_EQ(std::count(title.begin(), title.end(), sand), 0);
  EXPECT_GE(test::CountScreenPixels(folder_, sand), sandPixels / 2);

  ASSERT_TRUE(RunUntil([] { return SpeechKind() == kSpeechIntro; }, seconds(15)))
      << "the waiting speech did not lead to the introduction: " << Where();
  EXPECT_FALSE(StartShown(&StartScreen::FacesClickable));
  ClickAt(600, 40);
  ASSERT_TRUE(RunUntil(
      [] { return SpeechKind() == kSpeechNone && StartShown(&StartScreen::FacesClickable); },
      seconds(2)))
      << "the click did not skip the introduction: " << Where();

  ClickAt(kFace0X, kFace0Y);
  ASSERT_TRUE(RunUntil([] { return State().profiles[0].face == 1; }, seconds(2))) << Where();
  const Control* face = FindControl(kFirstFaceId);
  ASSERT_NE(face, nullptr);
  EXPECT_FALSE(face->IsHidden());

  ClickAt(kCapX, kCapY);
  ASSERT_TRUE(RunUntil([] { return StartShown(&StartScreen::CapHeld); }, seconds(2)))
      << "the cap was not picked up: " << Where();
  ClickAt(kFace0X, kFace0Y);
  ASSERT_TRUE(RunUntil([] { return StartShown(&StartScreen::ProfileChosen); }, seconds(2)))
      << "the cap was not dropped on the face: " << Where();
  EXPECT_EQ(SpeechKind(), kSpeechGo);
  EXPECT_FALSE(StartShown(&StartScreen::CapHeld));

  ASSERT_TRUE(RunUntil([&] { return Engine().CurrentScreen() == kScreenLearnHub; }, seconds(15)))
      << "no jump to the learning garden: " << Where();
  const std::string user = folder_.Read("rt/rufo_usr.dat");
  ASSERT_EQ(user.size(), kProfileCount * ProfileRecord::kSize);
  ProfileRecord slot0;
  slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
  EXPECT_EQ(slot0.inUse, 1);
  EXPECT_EQ(slot0.face, 1);
}

// One turn of Garden1's frogs: they jump onto the lilies in real time, the number is clicked
// by xdotool, RUFO praises, the frogs dive back and the next turn begins.
TEST_F(RealFirstScreensTest, OneFrogTurnByRealClicks) {
  using std::chrono::seconds;
  RegisterGardenScreens(Screens());
  ASSERT_TRUE(RunUntil([&] { return OnScreen(kScreenTitle); }, seconds(5))) << Where();
  ClickAt(320, 240);
  ASSERT_TRUE(RunUntil([&] { return OnScreen(kScreenStart); }, seconds(5))) << Where();
  Engine().ChangeScreen(kScreenGarden1Num, 0, false);  // not from the scene: no introduction
  const auto frogs = [] { return dynamic_cast<const FrogCount*>(CurrentScreen()); };
  ASSERT_TRUE(RunUntil([&] { return frogs() && frogs()->AnswerAllowed(); }, seconds(15)))
      << "the frogs did not finish jumping: " << Where();
  const int number = frogs()->Number();
  ClickAt(NumberButtonX(number), kNumberButtonY);
  ASSERT_TRUE(RunUntil([&] { return frogs()->Score().good == 1; }, seconds(3)))
      << "the number was not taken: " << Where();
  EXPECT_TRUE(frogs()->Speaking());
  EXPECT_EQ(frogs()->Kind(), 2) << "the praise";
  ASSERT_TRUE(RunUntil([&] { return frogs()->Number() != number; }, seconds(15)))
      << "no new turn after the praise: " << Where();
  EXPECT_EQ(frogs()->Score().wrong, 0);
}

}  // namespace
}  // namespace rufo
