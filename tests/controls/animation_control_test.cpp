#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "platform/message_box.h"
#include "sound/sound_object.h"
#include "tests/controls/control_assets.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

std::vector<std::string>* g_events = nullptr;

void OnControlEvent(Control* control, int32_t event, bool) {
  g_events->push_back(std::to_string(control->GetId()) + ":" + std::to_string(event));
}

class AnimationControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &events_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, OnControlEvent, nullptr, nullptr);
    SetSpeaking(false);
    GameStateForControls() = {};
    platform::TakeRecordedMessageBoxes();
    test::WriteAnimation(engine_.Folder(), "data/Anim/pes.ani", test::PlainFrames(4));
  }
  void TearDown() override {
    SetSpeaking(false);
    GameStateForControls() = {};
    g_events = nullptr;
  }

  // A listed speaking control for Anim\pes at (10, 20).
  ScriptedAnimationControl* Add(int32_t id, uint32_t flags) {
    auto* control = new ScriptedAnimationControl(id);
    EXPECT_TRUE(control->Open(10, 20, "Anim\\pes", 0, flags));
    EXPECT_TRUE(AddControl(control));
    return control;
  }
  // Lets virtual time pass and runs one tick.
  void TickAfter(uint32_t ms) {
    engine_.Clock().Advance(ms);
    Engine().RunTick();
  }
  static uint32_t Shown(Control* control) { return control->Surface()->PixelAt(0, 0); }
  static uint32_t Frame(int frame) { return Engine().ColorToPixel(test::FrameColor(frame)); }

  std::vector<std::string> events_;
  test::HeadlessEngine engine_;
};

TEST_F(AnimationControlTest, OpenPrefersTheRuntimeRootAndRefusesBadFiles) {
  AnimationControl control(1);
  ASSERT_TRUE(control.Open(10, 20, "Anim\\PES", 2, kCfHidden));
  EXPECT_EQ(control.Path(), "Anim\\PES.ani");
  int w = 0, h = 0;
  control.GetSize(&w, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(control.Position().x, 10);
  EXPECT_EQ(control.GetFrameCount(), 4);
  EXPECT_EQ(control.FrameTimeMs(), 100);
  EXPECT_TRUE(control.IsHidden());
  EXPECT_EQ(Shown(&control), Frame(0));

  test::WriteAnimation(engine_.Folder(), "runtime/Anim/pes.ani", test::PlainFrames(2));
  ASSERT_TRUE(control.Open(0, 0, "Anim\\pes", 0, 0));
  EXPECT_EQ(control.GetFrameCount(), 2) << "the runtime root is tried first";

  std::string eightBit = assetkit::EncodeAni(test::PlainFrames(1));
  eightBit[12] = 8;
  engine_.Folder().Write("data/Anim/osm.ani", eightBit);
  EXPECT_FALSE(control.Open(0, 0, "Anim\\osm", 0, 0));
  EXPECT_FALSE(control.Open(0, 0, "Anim\\chybi", 0, 0));
}

TEST_F(AnimationControlTest, SetFrameHoldsToTheFramesAndBadFramesAreReported) {
  auto* control = Add(1, 0);
  control->SetFrame(-5);
  EXPECT_EQ(control->GetCurrentFrame(), 0);
  EXPECT_EQ(Shown(control), Frame(0));
  control->SetFrame(99);
  EXPECT_EQ(control->GetCurrentFrame(), 3);
  EXPECT_EQ(Shown(control), Frame(3));
  Engine().SwitchMode();
  EXPECT_EQ(control->Surface()->Format().bits, 16);
  EXPECT_EQ(Shown(control), Frame(3)) << "decoded again after the mode switch";

  test::WriteSpeech(engine_.Folder(), "data/Anim/spatne", {{9, 0.5}}, 0);
  control->Speak("Anim\\spatne", false);
  TickAfter(10);
  EXPECT_EQ(Engine().DebugText(), "Bad frame!");
  EXPECT_EQ(Shown(control), Frame(3)) << "the previous picture stays";
}

TEST_F(AnimationControlTest, ScriptTimesDecideTheFramesAndTheEndReports512) {
  auto* control = Add(7, kCfHideAtEnd | kCfHidden);
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.5}, {2, 0.5}}, 0);
  control->Speak({}, false);
  EXPECT_FALSE(control->IsHidden());
  EXPECT_TRUE(IsSpeaking());
  TickAfter(0);
  EXPECT_EQ(Shown(control), Frame(1));
  TickAfter(500);
  EXPECT_EQ(Shown(control), Frame(1)) << "elapsed 500 still shows frame 1";
  TickAfter(1);
  EXPECT_EQ(Shown(control), Frame(2));
  TickAfter(499);
  EXPECT_EQ(Shown(control), Frame(2));
  EXPECT_TRUE(events_.empty());
  TickAfter(1);
  EXPECT_EQ(Shown(control), Frame(2)) << "the last frame stays";
  EXPECT_EQ(events_, std::vector<std::string>{"7:512"});
  EXPECT_TRUE(control->IsHidden());
  EXPECT_FALSE(IsSpeaking());
  EXPECT_FALSE(control->IsPlaying());
  TickAfter(100);
  EXPECT_EQ(events_.size(), 1u);

  // Without the hide-at-end flag the control stays; a looping play restarts at its end.
  control->ClearFlags(kCfHideAtEnd | kCfHidden);
  control->Speak({}, true);
  TickAfter(1001);
  EXPECT_TRUE(control->IsPlaying());
  TickAfter(1);
  EXPECT_EQ(Shown(control), Frame(1)) << "the sequence started again";
  // A sequence the game plays itself loops as it is, not as the last script.
  const SequenceEntry blink[] = {{3, 0.1f}};
  control->PlaySequence(blink, true);
  TickAfter(101);
  TickAfter(1);
  EXPECT_EQ(Shown(control), Frame(3));
  control->StopSpeaking();
  EXPECT_FALSE(control->IsPlaying());
  EXPECT_FALSE(control->IsHidden()) << "stopping does not hide";
  EXPECT_EQ(events_.back(), "7:512");
  EXPECT_FALSE(IsSpeaking());
}

TEST_F(AnimationControlTest, SpeakTakesTheBaseOfANameAndPlaysItsSound) {
  auto* control = Add(1, 0);
  test::WriteSpeech(engine_.Folder(), "data/Sounds/reci", {{3, 0.2}, {0, 0.1}}, 400);
  test::WriteSpeech(engine_.Folder(), "data/Sounds/jine", {{2, 0.2}}, 300);
  control->Speak("Sounds\\reci.wav", false);
  EXPECT_EQ(control->Script().size(), 2u);
  EXPECT_EQ(control->SoundName(), "Sounds\\reci.wav");
  ASSERT_NE(control->Sound(), nullptr);
  EXPECT_TRUE(control->Sound()->IsPlaying());
  TickAfter(301);
  EXPECT_EQ(control->SoundName(), "") << "the end unloads the sound";
  EXPECT_FALSE(control->Sound()->IsPlaying());

  // A sound chosen with LoadSound plays with the next script, once.
  EXPECT_TRUE(control->LoadSound("Sounds\\jine"));
  control->Speak("Sounds\\reci", false);
  EXPECT_EQ(control->SoundName(), "Sounds\\jine.wav");
  control->Speak("Sounds\\reci", false);
  EXPECT_EQ(control->SoundName(), "Sounds\\reci.wav")
      << "a speech interrupted by another does not keep its sound";
  control->StopSpeaking();

  // Without a sound the animation still plays.
  test::WriteSpeech(engine_.Folder(), "data/Sounds/ticho", {{1, 0.1}}, 0);
  control->Speak("Sounds\\ticho", false);
  EXPECT_TRUE(control->IsPlaying());
  EXPECT_FALSE(control->Sound()->IsPlaying());
  TickAfter(101);
  EXPECT_EQ(events_.back(), "1:512");

  // Without a script nothing plays and the child's parent sees why.
  events_.clear();
  control->Speak("Sounds\\nic", false);
  EXPECT_FALSE(control->IsPlaying());
  EXPECT_FALSE(IsSpeaking());
  EXPECT_EQ(platform::TakeRecordedMessageBoxes(),
            std::vector<std::string>{"Chyba pri nacitani skriptu Sounds\\nic"});
  EXPECT_TRUE(events_.empty());
}

TEST_F(AnimationControlTest, ClicksPlayOnlyWhenAllowedAndAlwaysReport256) {
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.5}}, 0);
  auto* plain = Add(1, 0);
  plain->SetPosition(100, 100);
  auto* clickable = Add(2, kCfClickPlays);
  const std::string click = "0 ldown\n0 lup";

  engine_.Play("0 move 11 21");
  engine_.Play(click);
  EXPECT_TRUE(clickable->IsPlaying());
  EXPECT_TRUE(IsSpeaking());
  EXPECT_EQ(events_, (std::vector<std::string>{"2:1", "2:256", "2:3"}));

  // Another speech runs: the click is reported but plays nothing.
  clickable->StopSpeaking();
  plain->Speak({}, false);
  events_.clear();
  engine_.Play(click);
  EXPECT_FALSE(clickable->IsPlaying());
  EXPECT_EQ(events_, (std::vector<std::string>{"2:256", "2:3"}));
  plain->StopSpeaking();

  // A modal dialog silences the control; so does a press while the help sound plays.
  events_.clear();
  GameStateForControls().modalDialog = true;
  engine_.Play(click);
  EXPECT_TRUE(events_.empty());
  GameStateForControls().modalDialog = false;

  test::WriteSpeech(engine_.Folder(), "data/Sounds/help", {}, 500);
  SoundObject help;
  ASSERT_TRUE(help.Load("Sounds\\help"));
  help.Play();
  GameStateForControls().helpSound = &help;
  engine_.Play(click);
  EXPECT_EQ(events_, (std::vector<std::string>{"2:3"}));
  EXPECT_FALSE(clickable->IsPlaying());

  clickable->SetFlags(kCfDisabled);
  GameStateForControls().helpSound = nullptr;
  events_.clear();
  engine_.Play(click);
  EXPECT_TRUE(events_.empty());
}

TEST_F(AnimationControlTest, CaptionStandsInABlueBoxAboveOrBelow) {
  auto* control = Add(1, 0);
  control->SetPosition(200, 100);
  control->SetCaption("Ahoj", nullptr);
  platform::Surface& back = *Engine().BackBuffer();
  const uint32_t blue = Engine().ColorToPixel(0xFF0000);
  const auto blueRows = [&]() {
    std::vector<int> rows;
    back.Fill(nullptr, 0);
    control->Draw();
    for (int y = 0; y < back.Height(); ++y) {
      if (back.PixelAt(202, y) == blue) rows.push_back(y);
    }
    return rows;
  };
  std::vector<int> rows = blueRows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), 80);

  control->SetFlags(kCfCaptionBelow);
  rows = blueRows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), 100 + 2 + 20);

  control->ClearFlags(kCfCaptionBelow);
  control->SetPosition(200, 5);
  rows = blueRows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(), 0) << "a caption above the top edge is held at row 0";

  control->SetCaption(nullptr, nullptr);
  EXPECT_TRUE(blueRows().empty());
  control->SetCaption("Ahoj", nullptr);
  control->SetFlags(kCfHidden);
  EXPECT_TRUE(blueRows().empty());
}

}  // namespace
}  // namespace rufo
