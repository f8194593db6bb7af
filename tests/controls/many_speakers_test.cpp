// A busy screen: far more speaking figures than sounds used to fit in the engine's table of
// waitable events. Every sound's end still reaches the game.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "sound/sound_object.h"
#include "tests/controls/control_assets.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

std::vector<intptr_t>* g_ends = nullptr;

void RecordEnd(int32_t message, intptr_t param, bool*) {
  if (message == kMsgWaitableSignalled && g_ends) {
    g_ends->push_back(reinterpret_cast<const Waitable*>(param)->userData);
  }
}

TEST(ManySpeakersTest, SixtyFiguresSpeakInTurnAndEverySoundEndReachesTheGame) {
  constexpr int kSpeakers = 60;
  test::HeadlessEngine headless;
  Interface& engine = headless.Start();
  ASSERT_NE(engine.Sound(), nullptr);
  // The script outlasts the sound, so each sound ends on its own before the speech does.
  test::WriteAnimation(headless.Folder(), "data/Anim/figure.ani", test::PlainFrames(2));
  test::WriteSpeech(headless.Folder(), "data/Anim/figure", {{0, 0.1}, {1, 0.2}}, 150);

  std::vector<intptr_t> ends;
  g_ends = &ends;
  engine.SetGameCallbacks(nullptr, nullptr, nullptr, RecordEnd);
  std::vector<ScriptedAnimationControl*> figures;
  for (int i = 0; i < kSpeakers; ++i) {
    auto* figure = new ScriptedAnimationControl(0x100 + i);
    ASSERT_TRUE(figure->Open(8 * i, 0, "Anim\\figure", 0, kCfHidden));
    ASSERT_TRUE(AddControl(figure));
    figures.push_back(figure);
  }

  std::set<intptr_t> speakersHeard;
  for (ScriptedAnimationControl* figure : figures) {
    figure->Speak({}, false);
    ASSERT_NE(figure->Sound(), nullptr);
    const intptr_t sound = figure->Sound()->UserData();
    const size_t before = ends.size();
    for (int ms = 0; ms < 400 && ends.size() == before; ms += 10) {
      headless.Clock().Advance(10);
      engine.PumpInput();
      engine.RunTick();
    }
    ASSERT_EQ(ends.size(), before + 1) << "speaker " << speakersHeard.size();
    EXPECT_EQ(ends.back(), sound);
    speakersHeard.insert(sound);
  }
  EXPECT_EQ(speakersHeard.size(), size_t(kSpeakers));
  g_ends = nullptr;
}

}  // namespace
}  // namespace rufo
