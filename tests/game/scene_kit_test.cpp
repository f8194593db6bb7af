#include "game/scene_kit.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "tests/game/demo_game.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/ani_file.h"
#include "tools/assetkit/frame_script.h"

namespace rufo {
namespace {

constexpr ScreenId kKitScreen = 0x703;

// A screen registered from the test: an animation, a bitmap and a hit map whose top left
// quarter is region 2 and top right quarter region 5; it keeps every input it receives.
class KitScreen final : public Screen {
 public:
  void Build() override {
    LoadScript("Data\\Kit\\screen.dat");
    LoadRegions("Bitmaps\\Kit\\bg_mask.png");
  }
  void OnMessage(const Input& input, bool* /*unconsumed*/) override { inputs.push_back(input); }

  std::vector<Input> inputs;
};

class SceneKitTest : public DemoGameTest {
 protected:
  void SetUp() override {
    DemoGameTest::SetUp();
    if (IsSkipped()) return;
    const test::TempFolder& folder = engine_.Folder();
    folder.Write("runtime/Data/Kit/screen.dat",
                 "PATH_ANI=Anim\\\r\nANI=500,300,KIT_ANI\r\nBITMAP=10,10,tb0,KIT_BMP\r\n");
    assetkit::Animation animation{8, 8, 0xFF00FF, 0.1f, {}};
    animation.frames.assign(6, assetkit::AniFrame(64, assetkit::Rgb565(0, 100, 200)));
    folder.Write("runtime/Anim/KIT_ANI.ani", assetkit::EncodeAni(animation));
    folder.Write("runtime/Anim/KIT_ANI.dat", assetkit::FrameScriptText({{0, 0.3}, {1, 0.3}}));
    test::WritePicture(folder, "runtime/Bitmaps/Kit/bg_mask.png", 640, 480, [](int x, int y) {
      return y >= 240 ? 0xFFFFFFu : x < 320 ? 0x020202u : 0x050505u;
    });
    Screens().Add<KitScreen>(kKitScreen);
    GoTo(kKitScreen);
  }
  void TearDown() override {
    Screens() = ScreenTable{};
    DemoGameTest::TearDown();
  }

  static KitScreen& Kit() { return dynamic_cast<KitScreen&>(*CurrentScreen()); }
  std::vector<Input> Received(int32_t message) {
    std::vector<Input> found;
    for (const Input& input : Kit().inputs) {
      if (input.message == message) found.push_back(input);
    }
    return found;
  }
};

TEST_F(SceneKitTest, AClickArrivesOnceWithItsPlaceAndTheRegionUnderIt) {
  for (const auto& [x, y, region] : {std::tuple{100, 50, 2}, {600, 200, 5}, {300, 400, 255}}) {
    Kit().inputs.clear();
    Click(x, y);
    const std::vector<Input> downs = Received(kMsgLeftDown);
    ASSERT_EQ(downs.size(), 1u) << "one press, one message, at " << x << "," << y;
    EXPECT_EQ(downs[0].x, x);
    EXPECT_EQ(downs[0].y, y);
    EXPECT_EQ(downs[0].region, region);
    ASSERT_EQ(Received(kMsgLeftUp).size(), 1u);
    EXPECT_EQ(Received(kMsgLeftUp)[0].region, region);
    for (const Input& input : Kit().inputs) {
      EXPECT_FALSE(input.message >= kMsgDeviceKeyDown && input.message <= kMsgDeviceMove)
          << "the devices' own message " << input.message << " reached the screen";
    }
  }
}

TEST_F(SceneKitTest, AMoveCarriesWhereThePointerWentAndTheKitAgrees) {
  Kit().inputs.clear();
  engine_.Play("0 move 610 20");
  Step();
  const std::vector<Input> moves = Received(kMsgMouseMoved);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().x, 610);
  EXPECT_EQ(moves.back().y, 20);
  EXPECT_EQ(moves.back().region, 5);
  EXPECT_EQ(RegionUnderPointer(), 5);
  EXPECT_EQ(RegionAt(10, 10), 2);
  EXPECT_EQ(RegionAt(-1, 10), kNoRegion) << "outside the screen";
}

TEST_F(SceneKitTest, ControlsAreFoundByKindAndMovedShownAndHidden) {
  EXPECT_EQ(ScriptedBitmap("KIT_ANI"), nullptr) << "an animation is no bitmap";
  BitmapControl* bitmap = ScriptedBitmap("KIT_BMP");
  ASSERT_NE(bitmap, nullptr);
  const int entry = State().screen->FindEntry("KIT_BMP");
  EXPECT_TRUE(IsEntry(bitmap, entry));
  EXPECT_EQ(EntryControl(entry), static_cast<Control*>(bitmap));
  EXPECT_EQ(EntryName(entry), "KIT_BMP");
  EXPECT_NE(EntryFile("KIT_BMP").find("tb0"), std::string::npos);

  const ControlSize size = SizeOf(bitmap);
  ASSERT_GT(size.width, 1);
  CentreOn(bitmap, 301, 201);
  EXPECT_EQ(PositionOf(bitmap).x, 301 - size.width / 2);
  EXPECT_EQ(PositionOf(bitmap).y, 201 - size.height / 2);
  MoveHome(bitmap);
  EXPECT_EQ(PositionOf(bitmap).x, 10) << "where the script put it";
  EXPECT_EQ(PositionOf(bitmap).y, 10);

  Hide(bitmap);
  EXPECT_FALSE(IsShown(bitmap));
  ShowControl("KIT_BMP", true);
  EXPECT_TRUE(IsShown(bitmap));
  ToTop(bitmap);
  const ControlList& controls = Engine().Controls();
  EXPECT_EQ(controls.At(controls.Count() - 1), static_cast<Control*>(bitmap)) << "drawn last";
}

TEST_F(SceneKitTest, AnimationsPlayFromTheirFirstFrame) {
  ScriptedAnimationControl* animation = ScriptedAnimation("KIT_ANI");
  ASSERT_NE(animation, nullptr);
  ASSERT_EQ(FrameCount(animation), 6);
  SetFrame(animation, 4);
  ASSERT_TRUE(PlayFromStart(animation));
  EXPECT_EQ(FrameOf(animation), 0);
  EXPECT_TRUE(IsPlaying(animation));
  Halt(animation);
  EXPECT_FALSE(IsPlaying(animation));
  EXPECT_TRUE(Play(animation));
  Stop(animation);
  EXPECT_FALSE(IsPlaying(animation));
}

TEST_F(SceneKitTest, EveryStepOnAMissingControlDoesNothing) {
  ScriptedAnimationControl* missing = ScriptedAnimation("NONE");
  ASSERT_EQ(missing, nullptr);
  EXPECT_FALSE(PlayFromStart(missing));
  EXPECT_FALSE(Play(missing, "x"));
  EXPECT_EQ(PlayAnimation("NONE"), nullptr);
  EXPECT_FALSE(IsPlaying(missing));
  EXPECT_FALSE(IsShown(missing));
  EXPECT_EQ(SizeOf(nullptr).width, 0);
  EXPECT_EQ(HitIndexOf(nullptr), kNoRegion);
  Show(missing);
  Hide(nullptr);
  CentreOn(nullptr, 1, 1);
  ToTop(nullptr);
  SetFrame(ScriptedBitmap("NONE"), 3);
  ChooseSound(missing, "x");
  StopSpeaking(missing);
  ShowControl("NONE", true);
  MoveHome(nullptr);
  EXPECT_EQ(EntryControl(-1), nullptr);
  EXPECT_EQ(EntryControl(State().screen->Count()), nullptr);
  EXPECT_EQ(EntryName(State().screen->Count()), "");
  EXPECT_EQ(EntryFile("NONE"), "");
}

TEST_F(SceneKitTest, AControlSetAsideLeavesTheSceneAndItsEntry) {
  const int entry = State().screen->FindEntry("KIT_BMP");
  {
    SetAside aside;
    EXPECT_FALSE(aside.Take(-1));
    EXPECT_FALSE(aside.Take(State().screen->Count()));
    ASSERT_TRUE(aside.Take(entry));
    EXPECT_TRUE(aside.Holds(entry));
    EXPECT_FALSE(aside.Holds(entry - 1));
    EXPECT_EQ(ScriptedControl("KIT_BMP"), nullptr) << "the entry no longer names it";
    EXPECT_FALSE(aside.Take(entry)) << "taken once";
    Step();  // drawn and asked without it
  }
  GoTo(kScreenStart);  // and the screen goes without it
}

}  // namespace
}  // namespace rufo
