#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "sound/sound_object.h"
#include "tests/controls/control_assets.h"
#include "tests/controls/control_fixture.h"

namespace rufo {
namespace {

using Events = std::vector<std::string>;

class AnimationControlTest : public test::ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    test::WriteAnimation(engine_.Folder(), "data/Anim/pes.ani", test::PlainFrames(4));
  }

  // A listed speaking control for Anim\pes at (10, 20).
  ScriptedAnimationControl* Add(int32_t id, uint32_t flags) {
    auto* control = new ScriptedAnimationControl(id);
    EXPECT_TRUE(control->Open(10, 20, "Anim\\pes", 0, flags));
    EXPECT_TRUE(AddControl(control));
    return control;
  }
  static uint32_t Shown(Control* control) { return control->Surface()->PixelAt(0, 0); }
};

TEST_F(AnimationControlTest, OpensFromTheRuntimeRootFirstHoldsToItsFramesAndReportsBadOnes) {
  auto* control = Add(1, 0);
  EXPECT_EQ(control->Path(), "Anim\\pes.ani");
  EXPECT_EQ(control->Rectangle(), (platform::Rect{0, 0, 4, 2}));
  EXPECT_EQ(control->FrameTimeMs(), 100);
  EXPECT_EQ(Shown(control), FramePixel(0));
  control->SetFrame(99);
  EXPECT_EQ(Shown(control), FramePixel(3));
  control->SetFrame(-5);
  EXPECT_EQ(Shown(control), FramePixel(0));
  control->SetFrame(3);
  Engine().SwitchMode();
  EXPECT_EQ(control->Surface()->Format().bits, 16);
  EXPECT_EQ(Shown(control), FramePixel(3)) << "decoded again after the mode switch";

  test::WriteSpeech(engine_.Folder(), "data/Anim/spatne", {{9, 0.5}}, 0);
  control->Speak("Anim\\spatne", false);
  TickAfter(10);
  EXPECT_EQ(Engine().DebugText(), "Bad frame!");
  EXPECT_EQ(Shown(control), FramePixel(3)) << "the previous picture stays";

  AnimationControl other(2);
  test::WriteAnimation(engine_.Folder(), "runtime/Anim/pes.ani", test::PlainFrames(2));
  ASSERT_TRUE(other.Open(0, 0, "Anim\\PES", 2, kCfHidden));
  EXPECT_EQ(other.Path(), "Anim\\PES.ani");
  EXPECT_EQ(other.GetFrameCount(), 2) << "the runtime root is tried first";
  EXPECT_EQ(Shown(&other), FramePixel(0));
  EXPECT_FALSE(other.Open(0, 0, "Anim\\chybi", 0, 0));
}

TEST_F(AnimationControlTest, ScriptTimesDecideTheFramesAndTheEndReports512) {
  auto* control = Add(7, kCfHideAtEnd | kCfHidden);
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.5}, {2, 0.5}}, 0);
  control->Speak({}, false);
  EXPECT_FALSE(control->IsHidden());
  EXPECT_TRUE(IsSpeaking());
  // Frame 1 until 500 ms have passed, frame 2 until 1000, then the end; the last frame stays.
  const std::pair<uint32_t, int> steps[] = {{0, 1}, {500, 1}, {1, 2}, {499, 2}, {1, 2}};
  for (const auto& [ms, frame] : steps) {
    EXPECT_TRUE(events_.empty());
    TickAfter(ms);
    EXPECT_EQ(Shown(control), FramePixel(frame)) << "after " << engine_.Clock().NowMs() << " ms";
  }
  EXPECT_EQ(events_, Events{"7:512"});
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
  EXPECT_EQ(Shown(control), FramePixel(1)) << "the sequence started again";
  // A sequence the game plays itself loops as it is, not as the last script.
  const SequenceEntry blink[] = {{3, 0.1f}};
  control->PlaySequence(blink, true);
  TickAfter(101);
  TickAfter(1);
  EXPECT_EQ(Shown(control), FramePixel(3));
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

  // An empty name chooses silence: the next script plays without its own sound, once, and no
  // file is looked for.
  const std::string logged = engine_.LogText();
  EXPECT_TRUE(control->LoadSound(""));
  control->Speak("Sounds\\reci", false);
  EXPECT_TRUE(control->IsPlaying());
  EXPECT_EQ(control->SoundName(), "");
  EXPECT_TRUE(control->Sound() == nullptr || !control->Sound()->IsPlaying());
  EXPECT_EQ(engine_.LogText(), logged);
  control->Speak("Sounds\\reci", false);
  EXPECT_EQ(control->SoundName(), "Sounds\\reci.wav");
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
  EXPECT_EQ(engine_.TakeMessageBoxes(),
            std::vector<std::string>{"Chyba pri nacitani skriptu Sounds\\nic"});
  EXPECT_TRUE(events_.empty());
}

TEST_F(AnimationControlTest, HaltingALoopingPlaySilencesItWithoutReportingAnEnd) {
  auto* control = Add(4, 0);
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.2}, {2, 0.2}}, 0);
  test::WriteSpeech(engine_.Folder(), "data/Sounds/bzum", {{0, 0.1}}, 150);
  ASSERT_TRUE(control->LoadSound("Sounds\\bzum"));
  control->Speak({}, true);
  TickAfter(450);
  ASSERT_TRUE(control->Sound()->IsPlaying()) << "the short sound starts again while it loops";

  control->Halt();
  EXPECT_FALSE(control->IsPlaying());
  EXPECT_FALSE(control->Sound()->IsPlaying());
  EXPECT_FALSE(IsSpeaking());
  EXPECT_EQ(control->SoundName(), "");
  TickAfter(500);
  EXPECT_FALSE(control->Sound()->IsPlaying()) << "nothing restarts the loop's sound";
  EXPECT_TRUE(events_.empty()) << "a halt is not an end the game reacts to";

  // The next play takes its own sound again.
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.2}}, 100);
  control->Speak({}, false);
  EXPECT_EQ(control->SoundName(), "Anim\\pes.wav");
}

TEST_F(AnimationControlTest, ClicksPlayOnlyWhenAllowedAndAlwaysReport256) {
  test::WriteSpeech(engine_.Folder(), "data/Anim/pes", {{1, 0.5}}, 0);
  auto* plain = Add(1, 0);
  plain->SetPosition(100, 100);
  auto* clickable = Add(2, kCfClickPlays);
  MoveTo(11, 21);
  Click();
  EXPECT_TRUE(clickable->IsPlaying());
  EXPECT_TRUE(IsSpeaking());
  EXPECT_EQ(events_, (Events{"2:1", "2:256", "2:3"}));

  // Another speech runs: the click is reported but plays nothing.
  clickable->StopSpeaking();
  plain->Speak({}, false);
  events_.clear();
  Click();
  EXPECT_FALSE(clickable->IsPlaying());
  EXPECT_EQ(events_, (Events{"2:256", "2:3"}));
  plain->StopSpeaking();

  // A modal dialog silences the control; so does a press while the help sound plays.
  events_.clear();
  GameStateForControls().modalDialog = true;
  Click();
  EXPECT_TRUE(events_.empty());
  GameStateForControls().modalDialog = false;

  test::WriteSpeech(engine_.Folder(), "data/Sounds/help", {}, 500);
  SoundObject help;
  ASSERT_TRUE(help.Load("Sounds\\help"));
  help.Play();
  GameStateForControls().helpSound = &help;
  Click();
  EXPECT_EQ(events_, (Events{"2:3"}));
  EXPECT_FALSE(clickable->IsPlaying());

  clickable->SetFlags(kCfDisabled);
  GameStateForControls().helpSound = nullptr;
  events_.clear();
  Click();
  EXPECT_TRUE(events_.empty());
}

TEST_F(AnimationControlTest, CaptionStandsInABlueBoxAboveOrBelow) {
  auto* control = Add(1, 0);
  control->SetCaption("Ahoj", nullptr);
  platform::Surface& back = *Engine().BackBuffer();
  // The first blue row of the column x = 202; -1 when there is none.
  const auto firstBlueRow = [&]() {
    back.Fill(nullptr, 0);
    control->Draw();
    for (int y = 0; y < back.Height(); ++y) {
      if (back.PixelAt(202, y) == Engine().ColorToPixel(0xFF0000)) return y;
    }
    return -1;
  };
  // Above the control, below it (2 pixels high), and held at row 0 above the top edge.
  const std::tuple<int, uint32_t, int> cases[] = {
      {100, 0, 80}, {100, kCfCaptionBelow, 122}, {5, 0, 0}, {100, kCfHidden, -1}};
  for (const auto& [y, flags, row] : cases) {
    control->SetPosition(200, y);
    control->ClearFlags(kCfCaptionBelow | kCfHidden);
    control->SetFlags(flags);
    EXPECT_EQ(firstBlueRow(), row) << "y " << y << " flags " << flags;
  }
  control->ClearFlags(kCfHidden);
  control->SetCaption(nullptr, nullptr);
  EXPECT_EQ(firstBlueRow(), -1);
}

}  // namespace
}  // namespace rufo
