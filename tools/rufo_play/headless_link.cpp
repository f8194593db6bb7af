#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "tools/rufo_play/game_link.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {
namespace {

// Wall time without any trace line after which the game counts as stuck.
constexpr auto kStallLimit = std::chrono::seconds(60);

class HeadlessLink final : public GameLink {
 public:
  HeadlessLink(std::string program, std::string dataRoot, uint32_t seed)
      : process_(std::move(program), std::move(dataRoot)),
        trace_(process_.TracePath()),
        seed_(seed) {}
  ~HeadlessLink() override {
    if (input_ >= 0) ::close(input_);
    if (changes_ >= 0) ::close(changes_);
  }

  bool Start(std::string* problem) override {
    const std::string fifo = process_.Folder() + "/input.fifo";
    if (process_.Folder().empty() || ::mkfifo(fifo.c_str(), 0600) != 0) {
      *problem = "cannot make the input pipe";
      return false;
    }
    // Held open for reading too, so that neither side waits for the other to open it.
    input_ = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    changes_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (input_ < 0 || changes_ < 0 ||
        ::inotify_add_watch(changes_, process_.Folder().c_str(), IN_MODIFY | IN_CREATE) < 0) {
      *problem = "cannot open the input pipe";
      return false;
    }
    return process_.Start(
        {{"RUFO_HEADLESS", "1"}, {"RUFO_SEED", std::to_string(seed_)}, {"RUFO_INPUT", fifo}},
        problem);
  }

  void Act(const std::string& action) override { Write(std::to_string(now_) + " " + action); }

  std::vector<std::string> Advance(uint32_t ms) override {
    std::vector<std::string> lines;
    if (!process_.Running()) return lines;
    const uint32_t target = now_ + ms;
    Write(std::to_string(target) + " sync");
    auto lastNews = std::chrono::steady_clock::now();
    while (true) {
      for (std::string& line : trace_.NewLines()) {
        lastNews = std::chrono::steady_clock::now();
        const std::optional<TraceEvent> event = ParseTraceLine(line);
        if (event && event->kind == TraceEvent::Kind::kSync && event->timeMs >= target) {
          now_ = target;
          return lines;
        }
        lines.push_back(std::move(line));
      }
      if (!process_.Running()) {
        for (std::string& line : trace_.NewLines())
          lines.push_back(std::move(line));
        return lines;
      }
      if (std::chrono::steady_clock::now() - lastNews > kStallLimit) {
        process_.Kill();
        continue;
      }
      pollfd wait{changes_, POLLIN, 0};
      if (::poll(&wait, 1, 1) > 0) {
        char drain[4096];
        while (::read(changes_, drain, sizeof drain) > 0) {
        }
      }
    }
  }

  uint32_t NowMs() const override { return now_; }
  GameProcess& Process() override { return process_; }

 private:
  void Write(const std::string& line) {
    sent_.push_back(line);
    const std::string text = line + "\n";
    // Kept beside the trace: with the seed it replays the run as an input script.
    if (!script_.is_open()) script_.open(process_.Folder() + "/input.txt");
    script_ << text << std::flush;
    if (::write(input_, text.data(), text.size()) < 0) process_.Kill();
  }

  GameProcess process_;
  LineFollower trace_;
  uint32_t seed_;
  std::ofstream script_;
  int input_ = -1;
  int changes_ = -1;
  uint32_t now_ = 0;
};

}  // namespace

std::unique_ptr<GameLink> MakeHeadlessLink(std::string program, std::string dataRoot,
                                           uint32_t seed) {
  return std::make_unique<HeadlessLink>(std::move(program), std::move(dataRoot), seed);
}

}  // namespace rufo::play
