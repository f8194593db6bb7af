#include "controls/question_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "engine/interface.h"
#include "sound/sound_object.h"
#include "tests/controls/control_assets.h"
#include "tests/controls/control_fixture.h"

namespace rufo {
namespace {

// The bubble at (140, 100); "ano" at (80, 25) of it with its hot area 107 x 120, "ne" at
// (202, 30) with 100 x 115, as the game sets them up. Events are recorded as "id:code:result",
// the bubble's result read inside the handler.
class QuestionControlTest : public test::ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    const test::TempFolder& folder = engine_.Folder();
    test::WriteBands(folder, "data/Bitmaps/buble.png", 340, 170, 1, false);
    test::WriteBands(folder, "data/Bitmaps/ano.png", 4 * 30, 40, 4, false);
    test::WriteBands(folder, "data/Bitmaps/ne.png", 8 * 20, 40, 8, false);
    test::WriteSpeech(folder, "data/Sounds/ano", {}, 200);
    test::WriteSpeech(folder, "data/Sounds/ne", {}, 200);
    test::WriteSpeech(folder, "data/Sounds/hura", {}, 300);
  }
  std::string Describe(Control* control, int32_t event) override {
    const auto* bubble = dynamic_cast<QuestionControl*>(control);
    return ControlFixture::Describe(control, event) + ":" +
           std::to_string(bubble ? bubble->GetResult() : -9);
  }

  QuestionControl* Add(const char* closingSound, float neFrameSeconds = 0.1f) {
    auto* bubble = new QuestionControl(2);
    EXPECT_TRUE(bubble->Init(140, 100, "Bitmaps\\buble", kCfHidden | kCfPersistent));
    EXPECT_TRUE(
        bubble->AddAnswer(80, 25, "Bitmaps\\ano", 4, 0.1f, "Sounds\\ano", "", 0, 0, 107, 120));
    EXPECT_TRUE(bubble->AddAnswer(202, 30, "Bitmaps\\ne", 8, neFrameSeconds, "Sounds\\ne",
                                  closingSound, 0, 0, 100, 115));
    EXPECT_TRUE(AddControl(bubble));
    bubble->ClearFlags(kCfHidden);
    return bubble;
  }
  // Lets virtual time pass as the main loop does, pumping input and ticking.
  void Pass(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += 10) {
      engine_.Clock().Advance(10);
      Engine().PumpInput();
      Engine().RunTick();
    }
  }
  bool Speaks(const QuestionControl* bubble, int answer) {
    return bubble->HoverSound(answer)->IsPlaying();
  }
};

constexpr int kAnoX = 140 + 80 + 10, kAnoY = 100 + 25 + 10;
constexpr int kNeX = 140 + 202 + 10, kNeY = 100 + 30 + 10;
constexpr int kEmptyX = 140 + 5, kEmptyY = 100 + 160;

TEST_F(QuestionControlTest, PointingSpeaksEachAnswerOnceUntilTheOtherIsSpoken) {
  auto* bubble = Add("");
  const int selArrow = Engine().FindCursor("SelArrow");
  MoveTo(kAnoX, kAnoY);
  EXPECT_TRUE(Speaks(bubble, 0));
  EXPECT_EQ(bubble->ActiveAnswer(), 0);
  EXPECT_EQ(Engine().CurrentCursor(), selArrow);
  Pass(500);
  EXPECT_FALSE(Speaks(bubble, 0));

  MoveTo(kAnoX + 3, kAnoY + 3);
  EXPECT_FALSE(Speaks(bubble, 0)) << "moving within ano";
  MoveTo(kEmptyX, kEmptyY);
  EXPECT_EQ(bubble->ActiveAnswer(), -1);
  EXPECT_EQ(Engine().CurrentCursor(), Engine().FindCursor("Arrow"));
  MoveTo(kAnoX, kAnoY);
  EXPECT_FALSE(Speaks(bubble, 0)) << "coming back from an empty spot";
  EXPECT_EQ(bubble->ActiveAnswer(), 0);

  MoveTo(kNeX, kNeY);
  EXPECT_TRUE(Speaks(bubble, 1));
  Pass(500);
  MoveTo(kAnoX, kAnoY);
  EXPECT_TRUE(Speaks(bubble, 0)) << "ano again after ne";
  Pass(500);

  // While the game's question plays, pointing changes nothing.
  test::WriteSpeech(engine_.Folder(), "data/Sounds/otazka", {}, 500);
  SoundObject question;
  ASSERT_TRUE(question.Load("Sounds\\otazka"));
  question.Play();
  GameStateForControls().questionSound = &question;
  MoveTo(kNeX, kNeY);
  EXPECT_EQ(bubble->ActiveAnswer(), 0);
  EXPECT_FALSE(Speaks(bubble, 1));
  GameStateForControls().questionSound = nullptr;
}

// An answer without a frame time stands on its first frame.
TEST_F(QuestionControlTest, ActiveAnswerAnimatesByItsFrameTimeIfItHasOne) {
  for (const float frameSeconds : {0.1f, 0.0f}) {
    SCOPED_TRACE(frameSeconds);
    DestroyControls(true);
    auto* bubble = Add("", frameSeconds);
    const auto shown = [&] { return bubble->Surface()->PixelAt(202 + 2, 30 + 2); };
    MoveTo(kEmptyX, kEmptyY);
    MoveTo(kNeX, kNeY);
    // 850 ms: frame 8 is 0 again.
    for (const auto& [ms, frame] : {std::pair{0u, 0}, {250u, 2}, {600u, 0}}) {
      TickAfter(ms);
      EXPECT_EQ(shown(), FramePixel(frameSeconds > 0 ? frame : 0)) << ms;
    }
    if (frameSeconds == 0) continue;
    Engine().SwitchMode();
    TickAfter(100);
    EXPECT_EQ(shown(), FramePixel(1)) << "pictures reloaded";
  }
}

TEST_F(QuestionControlTest, ClickWithoutClosingSoundReportsAtOnce) {
  auto* bubble = Add("");
  MoveTo(kEmptyX, kEmptyY);
  Click();
  EXPECT_EQ(std::count_if(events_.begin(), events_.end(),
                          [](const std::string& e) { return e.starts_with("2:256"); }),
            0)
      << "a click beside the answers is consumed and changes nothing";
  MoveTo(kNeX, kNeY);
  Click();
  EXPECT_EQ(Count("2:256:1"), 1);
  EXPECT_EQ(bubble->GetResult(), -1) << "the result holds only during the report";

  // Hidden, the bubble takes no input at all.
  bubble->SetFlags(kCfHidden);
  events_.clear();
  Click();
  EXPECT_TRUE(events_.empty());
}

TEST_F(QuestionControlTest, ClickWithClosingSoundReportsWhenItEnds) {
  auto* bubble = Add("Sounds\\hura");
  MoveTo(kNeX, kNeY);
  EXPECT_TRUE(Speaks(bubble, 1));
  Click();
  EXPECT_FALSE(Speaks(bubble, 1)) << "the word stops for the closing sound";
  EXPECT_EQ(bubble->GetResult(), 1);
  EXPECT_EQ(Count("2:256:1"), 0);
  MoveTo(kAnoX, kAnoY);
  Click();
  EXPECT_EQ(bubble->GetResult(), 1) << "a second click while the closing sound plays";
  EXPECT_FALSE(Speaks(bubble, 0)) << "no word is spoken while a result is set";

  Pass(600);
  EXPECT_EQ(Count("2:256:1"), 1);
  EXPECT_EQ(bubble->GetResult(), -1);
}

TEST_F(QuestionControlTest, RefusesAThirdAnswerAndMissingPictures) {
  auto* bubble = Add("");
  EXPECT_EQ(bubble->AnswerCount(), 2);
  EXPECT_FALSE(bubble->AddAnswer(0, 0, "Bitmaps\\ano", 4, 0.1f, "Sounds\\ano", "", 0, 0, 9, 9));
  QuestionControl other(3);
  EXPECT_FALSE(other.Init(0, 0, "Bitmaps\\chybi", 0));
  ASSERT_TRUE(other.Init(0, 0, "Bitmaps\\buble", 0));
  EXPECT_FALSE(other.AddAnswer(0, 0, "Bitmaps\\chybi", 4, 0.1f, "", "", 0, 0, 9, 9));
  EXPECT_FALSE(other.AddAnswer(0, 0, "Bitmaps\\ano", 0, 0.1f, "", "", 0, 0, 9, 9));
  EXPECT_EQ(other.AnswerCount(), 0);
}

}  // namespace
}  // namespace rufo
