// The Start screen tried as a new user would: damaged profiles, questions at awkward moments,
// missing pictures and positions far off the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "controls/question_control.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "game/common_controls.h"
#include "tests/game/demo_game.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/cursor_file.h"

namespace rufo {
namespace {

constexpr int kDeleteSlot0X = 182;
constexpr int kDeleteSlot0Y = 335;

// Writes the user file with slot 0 in use and slot 1 not, both with the given face.
void WriteProfiles(const test::TempFolder& folder, int32_t face) {
  ProfileTable table;
  table.fill(ProfileRecord::Empty());
  table[0].inUse = 1;
  table[0].face = face;
  table[1].face = face;
  folder.Write("runtime/rufo_usr.dat", UserFileBytes(table));
}

class StartFaultsTest : public DemoGameTest {
 protected:
  void BeforeStart() override { WriteProfiles(engine_.Folder(), 2); }

  void SkipIntroduction() {
    RunUntil([] { return SpeechKind() == kSpeechIntro; });
    Click(600, 40);
    ASSERT_TRUE(Start().FacesClickable());
  }
  // Carries the cap onto slot 0's face.
  void ChooseSlot0() {
    Click(kCapX, kCapY);
    Click(kFace0X, kFace0Y);
    ASSERT_TRUE(Start().ProfileChosen());
  }
  bool DeleteQuestionUp() { return !FindControl(kDeleteQuestionId)->IsHidden() || ModalDialog(); }
};

class DamagedFaceTest : public StartFaultsTest, public ::testing::WithParamInterface<int32_t> {
 protected:
  void BeforeStart() override { WriteProfiles(engine_.Folder(), GetParam()); }
};

TEST_P(DamagedFaceTest, ReadsAsTheFirstPictureForAChildAndAsAnEmptySlotOtherwise) {
  EXPECT_EQ(State().profiles[0].face, 0);
  EXPECT_EQ(State().profiles[1].face, -1);
  auto* face = dynamic_cast<BitmapControl*>(FindControl(kFirstFaceId));
  ASSERT_NE(face, nullptr);
  EXPECT_FALSE(face->IsHidden());
  EXPECT_EQ(face->GetCurrentFrame(), 0);
  face->SetCurrentFrame(GetParam());
  EXPECT_EQ(face->GetCurrentFrame(), 0) << "a frame outside the strip is refused";
  SkipIntroduction();
  ChooseSlot0();
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
}

INSTANTIATE_TEST_SUITE_P(FacesFromTheFile, DamagedFaceTest,
                         ::testing::Values(23860929, 0x40000000, -23860930, 8, -2));

TEST_F(StartFaultsTest, TheDeleteQuestionDuringTheGreetingLeadsOnToTheIntroduction) {
  ASSERT_EQ(SpeechKind(), kSpeechWait);
  Click(kDeleteSlot0X, kDeleteSlot0Y);
  ASSERT_TRUE(ModalDialog());
  RunUntil([] { return !IsSpeaking(); });  // the greeting ends under the question
  Click(kNoX, kNoY);
  EXPECT_FALSE(ModalDialog());
  EXPECT_EQ(State().profiles[0].face, 2);
  SkipIntroduction();
  Click(kCapX, kCapY);
  EXPECT_TRUE(Start().CapHeld());
}

TEST_F(StartFaultsTest, NoDeleteQuestionOnceAChildIsChosen) {
  SkipIntroduction();
  ChooseSlot0();
  Click(kDeleteSlot0X, kDeleteSlot0Y);
  EXPECT_FALSE(DeleteQuestionUp());
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
  EXPECT_FALSE(DeleteQuestionUp());
}

TEST_F(StartFaultsTest, LeavingTheStartScreenClosesTheDeleteQuestion) {
  Click(kDeleteSlot0X, kDeleteSlot0Y);
  ASSERT_TRUE(DeleteQuestionUp());
  GoTo(kScreenGarden1);
  EXPECT_FALSE(DeleteQuestionUp());
  EXPECT_EQ(Question(kDeleteQuestionId)->GetResult(), -1);
  engine_.Play("0 move 620 200");
  engine_.Play("0 ldown");
  EXPECT_TRUE(Engine().ScreenChangePending()) << "walking is free again";
}

// The Start screen's hit map with two more regions beside the profiles': 24 and 30.
class ProfileRegionsTest : public StartFaultsTest {
 protected:
  void BeforeStart() override {
    StartFaultsTest::BeforeStart();
    const std::string mask = (CopyOfDemoData() / "Bitmaps/Start/bg_mask.png").string();
    mask_ = test::ReadPicture(mask);
    ASSERT_EQ(mask_.size(), 640u * 480u);
    for (int y = 100; y < 140; ++y) {
      for (int x = 560; x < 600; ++x)
        mask_[y * 640 + x] = 0x1E1E1E;  // 30
      for (int x = 500; x < 540; ++x)
        mask_[y * 640 + x] = 0x181818;  // 24
    }
    test::WritePicture(engine_.Folder(), "demo/Bitmaps/Start/bg_mask.png", 640, 480,
                       [&](int x, int y) { return mask_[y * 640 + x]; });
  }
  // The cursor over the middle of a region of the hit map.
  int CursorOver(uint8_t region) {
    long sx = 0, sy = 0, n = 0;
    for (int i = 0; i < 640 * 480; ++i) {
      if ((mask_[i] & 0xFF) == region) sx += i % 640, sy += i / 640, ++n;
    }
    EXPECT_GT(n, 0) << "no region " << int(region);
    if (n == 0) return -1;
    engine_.Play("0 move " + std::to_string(sx / n) + " " + std::to_string(sy / n));
    Step();
    return Engine().CurrentCursor();
  }
  std::vector<uint32_t> mask_;
};

TEST_F(ProfileRegionsTest, TheCursorSaysWhatAClickOnAProfileWouldDo) {
  // Slot 0 is in use with face 2, slot 1 has face 2 and is free, slot 3 is empty.
  EXPECT_EQ(CursorOver(20), kCursorArrow) << "a face in use does not change";
  EXPECT_EQ(CursorOver(21), kCursorHand) << "a free face changes on a click";
  EXPECT_EQ(CursorOver(26), kCursorHand) << "a profile to wipe";
  EXPECT_EQ(CursorOver(29), kCursorArrow) << "nothing to wipe";
  EXPECT_EQ(CursorOver(30), kCursorHand) << "an ordinary region";
  EXPECT_EQ(CursorOver(24), kCursorHand);
}

TEST_F(ProfileRegionsTest, OnlyTheFourWipeButtonsAskTheDeleteQuestion) {
  CursorOver(30);
  engine_.Play("0 ldown");
  engine_.Play("0 lup");
  EXPECT_FALSE(DeleteQuestionUp());
  CursorOver(27);
  engine_.Play("0 ldown");
  EXPECT_TRUE(DeleteQuestionUp()) << "slot 1 has a face to wipe";
}

// Data the Start screen can do without: a face picture and the toolbar's picture, which then
// draw nothing, every speech and the jump, after which the faces take clicks at once, or the
// cap, after which a click on a face chooses it. The chosen child still reaches the learning
// garden.
class MissingDataTest : public StartFaultsTest,
                        public ::testing::WithParamInterface<std::vector<std::string>> {
 protected:
  void BeforeStart() override {
    StartFaultsTest::BeforeStart();
    const fs::path data = CopyOfDemoData();
    for (const std::string& file : GetParam())
      fs::remove(data / file);
  }
};

TEST_P(MissingDataTest, TheChildStillReachesTheLearningGarden) {
  if (!Toolbar()) {  // the pictures are missing
    EXPECT_EQ(FindControl(kFirstFaceId + 1), nullptr);
  }
  const auto& files = GetParam();
  if (std::ranges::find(files, "Sounds/Start/sp_intro.dat") == files.end()) SkipIntroduction();
  EXPECT_TRUE(Start().FacesClickable());
  ChooseSlot0();
  RunUntil([&] { return OnScreen(kScreenLearnHub); });
}

INSTANTIATE_TEST_SUITE_P(Files, MissingDataTest,
                         ::testing::Values(std::vector<std::string>{"face2.png", "tbar.png"},
                                           std::vector<std::string>{"Sounds/Start/sp_wait.dat",
                                                                    "Sounds/Start/sp_intro.dat",
                                                                    "Sounds/Start/sp_go.dat",
                                                                    "Bitmaps/Start/Ani/A_JUMP.dat"},
                                           std::vector<std::string>{"Bitmaps/Start/cepka.png"}));

// The toolbar's pictures come from the runtime root first.
class RuntimeToolbarTest : public StartFaultsTest {
 protected:
  void BeforeStart() override {
    test::WritePicture(engine_.Folder(), "runtime/tbar.png", 300, 40,
                       [](int, int) { return 0x336699u; });
  }
};

TEST_F(RuntimeToolbarTest, ItsPictureIsTakenFromTheRuntimeRoot) {
  ASSERT_NE(Toolbar(), nullptr);
  int w = 0;
  int h = 0;
  Toolbar()->GetSize(&w, &h);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 40);
  EXPECT_TRUE(Toolbar()->GetFlags() & kCfPersistent);
}

// Cursor hot spots and control positions at the 32-bit limits are drawn and pointed at
// without overflow.
class FarPositionsTest : public StartFaultsTest {
 protected:
  void BeforeStart() override {
    std::vector<assetkit::CursorEntry> cursors;
    for (int i = 0; i < 6; ++i) {
      const bool odd = i % 2;
      cursors.push_back({"C" + std::to_string(i), "cursors/arrow.png", "", odd ? INT_MAX : INT_MIN,
                         odd ? INT_MIN : INT_MAX, false, 0});
    }
    engine_.Folder().Write("runtime/Cursors.dat", assetkit::CursorFileText(cursors));
  }
};

TEST_F(FarPositionsTest, AreBoundedWhereTheyAreRead) {
  for (int corner : {INT_MAX - 3, INT_MIN + 3}) {
    auto face = std::make_unique<BitmapControl>(90 + (corner > 0));
    ASSERT_TRUE(face->Init(corner, corner, "face1", 8, 0, 0));
    EXPECT_FALSE(face->MouseInside(face->Rectangle()));
    AddControl(face.release());
  }
  for (int shape = 0; shape < 6; ++shape) {
    Engine().SetCursor(shape);
    engine_.Play("0 move " + std::to_string(shape * 100) + " " + std::to_string(shape * 80));
    Run(50);
  }
  EXPECT_EQ(Engine().CurrentScreen(), kScreenStart);
}

}  // namespace
}  // namespace rufo
