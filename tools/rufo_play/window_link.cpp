#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <thread>

#include "tools/rufo_play/game_link.h"

namespace rufo::play {
namespace {

using Clock = std::chrono::steady_clock;

std::string Run(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[256];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
    out += buffer;
  return out;
}

class WindowLink final : public GameLink {
 public:
  WindowLink(std::string program, std::string dataRoot, uint32_t seed)
      : process_(std::move(program), std::move(dataRoot)),
        trace_(process_.TracePath()),
        seed_(seed) {}

  bool Start(std::string* problem) override {
    if (!process_.Start({{"RUFO_WINDOWED", "1"}, {"RUFO_SEED", std::to_string(seed_)}}, problem)) {
      return false;
    }
    started_ = Clock::now();
    std::istringstream found(Run("timeout 20 xdotool search --sync --onlyvisible --pid " +
                                 std::to_string(process_.Pid()) + " 2>/dev/null"));
    found >> window_;
    if (window_.empty()) {
      *problem = "the game's window did not appear (is there an X display?)";
      return false;
    }
    return true;
  }

  void Act(const std::string& action) override {
    std::istringstream words(action);
    std::string verb;
    words >> verb;
    if (verb == "move") {
      int x = 0, y = 0;
      words >> x >> y;
      MovePointer(x, y);
    } else if (verb == "ldown" || verb == "lup") {
      Run(std::string("xdotool ") + (verb == "ldown" ? "mousedown" : "mouseup") + " 1");
    } else if (verb == "key") {
      std::string name, direction;
      words >> name >> direction;
      Run("xdotool key" + direction + " " + name);
    }
  }

  std::vector<std::string> Advance(uint32_t ms) override {
    std::vector<std::string> lines;
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (process_.Running() && Clock::now() < until)
      std::this_thread::sleep_for(
          std::min<Clock::duration>(until - Clock::now(), std::chrono::milliseconds(20)));
    for (std::string& line : trace_.NewLines())
      lines.push_back(std::move(line));
    return lines;
  }

  uint32_t NowMs() const override {
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
  }
  GameProcess& Process() override { return process_; }

 private:
  // The game area is scaled by a whole factor and centred in the window.
  void MovePointer(int gx, int gy) {
    int x = 0, y = 0, width = 0, height = 0;
    const std::string geometry = Run("xdotool getwindowgeometry --shell " + window_);
    std::sscanf(geometry.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y, &width,
                &height);
    const int scale = std::max(1, std::min(width / 640, height / 480));
    const int left = x + (width - 640 * scale) / 2;
    const int top = y + (height - 480 * scale) / 2;
    Run("xdotool mousemove " + std::to_string(left + gx * scale + scale / 2) + " " +
        std::to_string(top + gy * scale + scale / 2));
  }

  GameProcess process_;
  LineFollower trace_;
  uint32_t seed_;
  std::string window_;
  Clock::time_point started_ = Clock::now();
};

}  // namespace

std::unique_ptr<GameLink> MakeWindowLink(std::string program, std::string dataRoot, uint32_t seed) {
  return std::make_unique<WindowLink>(std::move(program), std::move(dataRoot), seed);
}

}  // namespace rufo::play
