// Frames of a busy screen: a background, 50 colour-keyed 100 x 100 controls and a 32 x 32 cursor
// blended through its mask, presented, all in 5-6-5. Interface::ComposeFrame is measured when
// every control moves (each frame drawn and presented whole), when one control moves, and at rest
// (nothing changed, nothing drawn); SDL_BlitSurface composes the same scene for comparison. Both
// end with the frame copied to the primary surface; neither uploads it to a window, so the
// headless window counts the frames it is given without keeping a copy.
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_list.h"
#include "engine/interface.h"
#include "tools/assetkit/cursor_file.h"
#include "tools/assetkit/png_writer.h"

namespace {

using namespace rufo;

constexpr int kControls = 50;
constexpr int kSize = 100;
constexpr int kCursor = 32;

// Where the scene's controls stand: spread over the screen, overlapping.
SDL_Point ControlPosition(int i) {
  return {(i * 53) % 560, (i * 37) % 400};
}

// Control pixel: a coloured tile with a keyed (magenta) diagonal band, as sprites have.
bool Keyed(int x, int y) {
  return ((x + y) / 10) % 3 == 0;
}
uint32_t TileRgb(int i, int x, int y) {
  return Keyed(x, y) ? 0xFF00FF : ((i * 40) & 0xFF) << 16 | (x * 2) << 8 | (y * 2);
}
uint8_t CursorAlpha(int x, int y) {
  const int d = std::abs(x - 16) + std::abs(y - 16);
  return d < 10 ? 255 : d < 16 ? static_cast<uint8_t>(255 - (d - 10) * 40) : 0;
}

assetkit::PngPicture Picture(int w, int h, uint32_t (*rgb)(int, int)) {
  assetkit::PngPicture picture{w, h, assetkit::PngColor::kRgb, {}};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint32_t c = rgb(x, y);
      picture.pixels.insert(
          picture.pixels.end(),
          {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
  }
  return picture;
}
uint32_t BackgroundRgb(int x, int y) {
  return (x * 255 / 639) << 16 | (y * 255 / 479) << 8 | 90;
}
uint32_t CursorRgb(int x, int y) {
  return (x * 8) << 16 | 0xFF00 | (y * 8);
}
uint32_t MaskRgb(int x, int y) {
  return CursorAlpha(x, y) * 0x010101u;
}

// A control showing a tile of its own.
class Tile : public Control {
 public:
  Tile(int32_t id, int index) : Control(id), index_(index) {}
  void Paint() override {
    if (!surface_) return;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const uint32_t rgb = TileRgb(index_, x, y);
        const uint32_t gdi = (rgb >> 16) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
        surface_->SetPixel(x, y, Engine().ColorToPixel(gdi));
      }
    }
  }

 private:
  int index_;
};

// A headless engine in full screen (5-6-5) with the scene's data in a temporary folder.
class Scene {
 public:
  Scene() {
    char pattern[] = "/tmp/rufo-bench-XXXXXX";
    root_ = mkdtemp(pattern);
    std::filesystem::create_directories(root_ + "/config");
    std::ofstream(root_ + "/config/rufo.ini")
        << "[Rufo I]\nCD=" << root_ << "/\nHD=" << root_ << "/\n";
    setenv("RUFO_CONFIG_DIR", (root_ + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
    assetkit::WritePng(root_ + "/bg.png", Picture(640, 480, BackgroundRgb));
    assetkit::WritePng(root_ + "/cursor.png", Picture(kCursor, kCursor, CursorRgb));
    assetkit::WritePng(root_ + "/mask.png", Picture(kCursor, kCursor, MaskRgb));
    std::ofstream(root_ + "/Cursors.dat")
        << assetkit::CursorFileText({{"Arrow", "cursor.png", "mask.png", 16, 16, false, 0}});

    engine_ = std::make_unique<Interface>(Platform::Headless());
    InterfaceProperties properties;
    properties.allowSecondInstance = true;
    engine_->Init(&properties);
    engine_->SetBackground("bg", false);
    engine_->SetCursor(0);
    for (int i = 0; i < kControls; ++i) {
      auto* tile = new Tile(i + 1, i);
      tile->SetFlags(kCfTransparent);
      tile->SetSize(kSize, kSize);
      const SDL_Point at = ControlPosition(i);
      tile->SetPosition(at.x, at.y);
      AddControl(tile);
      tiles_.push_back(tile);
    }
    Window().KeepFrames(false);
    Window().SetCursorPosition(300, 200);
    engine_->PumpInput();
  }
  ~Scene() {
    engine_.reset();
    std::filesystem::remove_all(root_);
  }
  Interface& Engine() { return *engine_; }
  platform::HeadlessWindow& Window() {
    return static_cast<platform::HeadlessWindow&>(engine_->Window());
  }

  // Moves the first `count` controls one pixel to the right of their place, or back.
  void Shift(int count, int dx) {
    for (int i = 0; i < count; ++i) {
      const SDL_Point at = ControlPosition(i);
      tiles_[static_cast<size_t>(i)]->SetPosition(at.x + dx, at.y);
    }
  }

 private:
  std::string root_;
  std::unique_ptr<Interface> engine_;
  std::vector<Tile*> tiles_;
};

// Composes a frame after `moving` controls took a step. "presented" tells the share of frames
// that reached the window: 1 whenever something moves, 0 at rest.
void ComposeMoving(benchmark::State& state, int moving) {
  Scene scene;
  scene.Engine().ComposeFrame();
  const int presentedBefore = scene.Window().PresentCount();
  int dx = 0;
  for (auto _ : state) {
    dx ^= 1;
    scene.Shift(moving, dx);
    scene.Engine().ComposeFrame();
  }
  state.counters["presented"] = benchmark::Counter(scene.Window().PresentCount() - presentedBefore,
                                                   benchmark::Counter::kAvgIterations);
}

void BM_ComposeBusyFrame(benchmark::State& state) {
  ComposeMoving(state, kControls);
}
BENCHMARK(BM_ComposeBusyFrame)->Unit(benchmark::kMicrosecond);

void BM_ComposeOneMovingControl(benchmark::State& state) {
  ComposeMoving(state, 1);
}
BENCHMARK(BM_ComposeOneMovingControl)->Unit(benchmark::kMicrosecond);

void BM_ComposeFrameAtRest(benchmark::State& state) {
  ComposeMoving(state, 0);
}
BENCHMARK(BM_ComposeFrameAtRest)->Unit(benchmark::kMicrosecond);

SDL_Surface* Surface565(int w, int h, uint32_t (*rgb)(int, int)) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < w; ++x) {
      const uint32_t c = rgb(x, y);
      row[x] = static_cast<uint16_t>(SDL_MapRGB(s->format, c >> 16, (c >> 8) & 0xFF, c & 0xFF));
    }
  }
  return s;
}

void BM_SdlBlitSurface(benchmark::State& state) {
  SDL_Surface* back = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  SDL_Surface* primary = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  SDL_Surface* background = Surface565(640, 480, BackgroundRgb);
  std::vector<SDL_Surface*> tiles;
  for (int i = 0; i < kControls; ++i) {
    static int index;
    index = i;
    SDL_Surface* tile = Surface565(kSize, kSize, [](int x, int y) { return TileRgb(index, x, y); });
    SDL_SetColorKey(tile, SDL_TRUE, SDL_MapRGB(tile->format, 255, 0, 255));
    tiles.push_back(tile);
  }
  SDL_Surface* cursor =
      SDL_CreateRGBSurfaceWithFormat(0, kCursor, kCursor, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < kCursor; ++y) {
    auto* row =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(cursor->pixels) + y * cursor->pitch);
    for (int x = 0; x < kCursor; ++x)
      row[x] = CursorRgb(x, y) | CursorAlpha(x, y) << 24;
  }
  SDL_SetSurfaceBlendMode(cursor, SDL_BLENDMODE_BLEND);

  for (auto _ : state) {
    SDL_BlitSurface(background, nullptr, back, nullptr);
    for (int i = 0; i < kControls; ++i) {
      const SDL_Point at = ControlPosition(i);
      SDL_Rect to{at.x, at.y, kSize, kSize};
      SDL_BlitSurface(tiles[i], nullptr, back, &to);
    }
    SDL_Rect to{300 - 16, 200 - 16, kCursor, kCursor};
    SDL_BlitSurface(cursor, nullptr, back, &to);
    SDL_BlitSurface(back, nullptr, primary, nullptr);
    benchmark::DoNotOptimize(primary->pixels);
  }
  for (SDL_Surface* tile : tiles)
    SDL_FreeSurface(tile);
  SDL_FreeSurface(cursor);
  SDL_FreeSurface(background);
  SDL_FreeSurface(primary);
  SDL_FreeSurface(back);
}
BENCHMARK(BM_SdlBlitSurface)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
