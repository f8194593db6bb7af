#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/ani_file.h"
#include "engine/interface.h"
#include "game/album.h"
#include "game/game.h"
#include "game/game_state.h"
#include "game/start_screen.h"
#include "gardens/garden_screens.h"
#include "platform/window.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"

namespace rufo {

namespace fs = std::filesystem;

const fs::path kDemoData = fs::path(RUFO_BINARY_DIR) / "data";

// The user file's bytes for a table of profiles, and one slot's record read back from them
// (empty when the file has another size).
inline std::string UserFileBytes(const ProfileTable& table) {
  std::string bytes(kProfileCount * ProfileRecord::kSize, '\0');
  for (int i = 0; i < kProfileCount; ++i)
    table[i].Store(reinterpret_cast<uint8_t*>(bytes.data()) + i * ProfileRecord::kSize);
  return bytes;
}
inline ProfileRecord StoredRecord(const std::string& bytes, int slot) {
  ProfileRecord record;
  if (bytes.size() == kProfileCount * ProfileRecord::kSize) {
    record.Load(reinterpret_cast<const uint8_t*>(bytes.data()) + slot * ProfileRecord::kSize);
  }
  return record;
}
// Places on the demo data's Start screen: slot 0's face and the cap at rest.
constexpr int kFace0X = 116;
constexpr int kFace0Y = 283;
constexpr int kCapX = 203;
constexpr int kCapY = 297;
// Slot 1's face, and "yes" and "no" in a yes/no question's bubble.
constexpr int kFace1X = 106, kFace1Y = 113;
constexpr int kYesX = 273, kYesY = 185;
constexpr int kNoX = 392, kNoY = 180;

// A 640 x 480 frame and how much of a picture's rectangle it shows at a place: the share of
// pixels within the rounding of a 16-bit display, leaving out the colour key (magenta).
struct Frame {
  std::vector<uint32_t> pixels;

  // Two 0xRRGGBB colours within the rounding of a 16-bit display.
  static bool Close(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
      if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 8) return false;
    }
    return true;
  }

  double Shows(const std::string& picture, int sx, int sy, int w, int h, int x, int y) const {
    int width = 0;
    const std::vector<uint32_t> source = test::ReadPicture((kDemoData / picture).string(), &width);
    if (source.empty() || pixels.size() != 640u * 480u) return 0;
    int same = 0;
    int compared = 0;
    for (int row = 0; row < h; ++row) {
      for (int col = 0; col < w; ++col) {
        const uint32_t a = source[(sy + row) * width + sx + col];
        if (a == 0xFF00FF) continue;
        ++compared;
        same += Close(a, pixels[(y + row) * 640 + x + col]);
      }
    }
    return compared ? double(same) / compared : 0;
  }
  // How much of a whole picture drawn at a place the frame shows.
  double ShowsWhole(const std::string& picture, int x, int y) const {
    int width = 0;
    const std::vector<uint32_t> source = test::ReadPicture((kDemoData / picture).string(), &width);
    if (width <= 0) return 0;
    const int height = static_cast<int>(source.size()) / width;
    return Shows(picture, 0, 0, std::min(width, 640 - x), std::min(height, 480 - y), x, y);
  }
  // How much of an animation drawn at a place the frame shows: the best share over its frames,
  // each drawn over the one before as the game draws them.
  double ShowsAnimation(const std::string& ani, int x, int y) const {
    AniFile file;
    if (pixels.size() != 640u * 480u || !file.Open(std::fopen((kDemoData / ani).c_str(), "rb"))) {
      return 0;
    }
    const int w = static_cast<int>(file.Header().width);
    const int h = static_cast<int>(file.Header().height);
    const uint32_t key = file.Header().colorKey;  // 0x00BBGGRR
    const uint16_t key565 =
        static_cast<uint16_t>((key & 0xF8) << 8 | (key >> 8 & 0xFC) << 3 | (key >> 19 & 0x1F));
    std::vector<uint16_t> picture(static_cast<size_t>(w) * h, key565);
    double best = 0;
    for (int f = 0; f < file.FrameCount(); ++f) {
      if (!file.LoadFrame(f)) break;
      DecodeAniFrame(*file.CachedFrame(f), file.Header().runMarker, w, h,
                     reinterpret_cast<uint8_t*>(picture.data()), w * 2,
                     platform::PixelLayout::kRgb565);
      int same = 0;
      int compared = 0;
      for (int row = 0; row < h && y + row < 480; ++row) {
        for (int col = 0; col < w && x + col < 640; ++col) {
          const uint16_t p = picture[row * w + col];
          if (p == key565) continue;
          ++compared;
          const uint32_t rgb =
              uint32_t(p >> 11) << 19 | uint32_t((p >> 5) & 0x3F) << 10 | uint32_t(p & 0x1F) << 3;
          same += Close(rgb, pixels[(y + row) * 640 + x + col]);
        }
      }
      if (compared) best = std::max(best, double(same) / compared);
    }
    return best;
  }
};

// The game in-process on the demo data, brought to the Start screen.
class DemoGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    ResetState();
    UseDataRoot(kDemoData);
    RegisterGardenScreens(Screens());
    BeforeStart();
    const InterfaceProperties properties = test::HeadlessEngine::Properties();
    ASSERT_TRUE(Engine().Init(&properties));
    ASSERT_TRUE(GameStart());
    started_ = true;
    RunUntil([&] { return OnScreen(kScreenStart); });
  }
  void TearDown() override {
    if (started_) GameEnd();
    ResetState();
  }

  // Runs before the game starts: the place to change the data or the runtime root.
  virtual void BeforeStart() {}
  void UseDataRoot(const fs::path& root) {
    engine_.Folder().Write("config/rufo.ini", "[Rufo I]\nCD=" + root.string() +
                                                  "/\nHD=" + engine_.RuntimeRoot() + "\n");
  }
  // A copy of the demo data that the test may change; the returned folder is its root.
  fs::path CopyOfDemoData() {
    const fs::path copy = engine_.Folder().Path() / "demo";
    fs::copy(kDemoData, copy, fs::copy_options::recursive);
    UseDataRoot(copy);
    return copy;
  }

  Interface& Engine() { return engine_.Engine(); }
  bool OnScreen(ScreenId id) {
    return Engine().CurrentScreen() == id && !Engine().ScreenChangePending();
  }
  // Runs the loop a millisecond at a time until the condition holds (at most a minute).
  template <typename Condition>
  void RunUntil(Condition done) {
    for (int ms = 0; ms < 60000 && !done(); ++ms)
      Step();
    ASSERT_TRUE(done());
    Step();
  }
  void Step() {
    engine_.Clock().Advance(1);
    Engine().PumpInput();
    Engine().RunTick();
  }
  void Run(int ms) {
    for (int i = 0; i < ms; ++i)
      Step();
  }
  // Moves there and presses the left button, holding it down.
  void Press(int x, int y) {
    engine_.Play("0 move " + std::to_string(x) + " " + std::to_string(y));
    Step();
    engine_.Play("0 ldown");
    Step();
  }
  void Click(int x, int y) {
    Press(x, y);
    engine_.Play("0 lup");
    Step();
  }
  void Key(const std::string& name) {
    engine_.Play("0 key " + name + " down");
    Step();
    engine_.Play("0 key " + name + " up");
    Step();
  }
  // The screens shown now (the test fails when another one is shown).
  static const StartScreen& Start() { return Shown<StartScreen>(); }
  static const AlbumScreen& Album() { return Shown<AlbumScreen>(); }
  template <typename ScreenType>
  static const ScreenType& Shown() {
    const auto* screen = dynamic_cast<const ScreenType*>(CurrentScreen());
    if (!screen) throw std::logic_error("another screen is shown");
    return *screen;
  }
  // The frame the game shows now.
  Frame Shot() {
    Engine().ComposeFrame();
    const platform::Surface& primary = *Engine().Primary();
    Frame frame;
    for (int y = 0; y < primary.Height(); ++y) {
      for (int x = 0; x < primary.Width(); ++x)
        frame.pixels.push_back(platform::PixelToRgb(primary, x, y));
    }
    return frame;
  }
  void GoTo(ScreenId id) {
    Engine().ChangeScreen(id, 0, false);
    RunUntil([&] { return OnScreen(id); });
  }

  test::HeadlessEngine engine_;
  bool started_ = false;
};

}  // namespace rufo
