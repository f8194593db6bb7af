#include "tests/game/live_player.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

namespace rufo::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(30);

}  // namespace

LivePlayer::LivePlayer(const TempFolder& folder, std::map<std::string, std::string> env)
    : fifo_(folder.Root() + "input.fifo"), tracePath_(folder.Root() + "trace.txt") {
  env["RUFO_HEADLESS"] = "1";
  env["RUFO_INPUT"] = fifo_;
  env["RUFO_TRACE"] = tracePath_;
  process_ = std::make_unique<Process>(BuiltProgram("rufo"), std::vector<std::string>{}, env);
}

LivePlayer::~LivePlayer() {
  if (input_ >= 0) close(input_);
  if (process_->Running()) process_->Kill();
}

bool LivePlayer::Start() {
  std::signal(SIGPIPE, SIG_IGN);
  if (mkfifo(fifo_.c_str(), 0600) != 0 || !process_->Start()) return false;
  // The game opens its end of the FIFO when it starts; until then there is no reader.
  const auto until = Clock::now() + kPatience;
  while ((input_ = open(fifo_.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
    if (errno != ENXIO || Clock::now() > until || !process_->Running()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  fcntl(input_, F_SETFL, fcntl(input_, F_GETFL) & ~O_NONBLOCK);
  return true;
}

void LivePlayer::Send(const std::string& line) {
  sent_.push_back(line);
  const std::string text = line + "\n";
  if (input_ >= 0 && write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    close(input_);
    input_ = -1;
  }
}

void LivePlayer::ReadTrace() {
  // Only what was written since the last look, and only whole lines: the last one may still be
  // being written.
  std::ifstream in(tracePath_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(traceRead_));
  std::ostringstream text;
  text << in.rdbuf();
  const std::string added = text.str();
  traceRead_ += added.size();
  partial_ += added;
  size_t start = 0;
  for (size_t end; (end = partial_.find('\n', start)) != std::string::npos; start = end + 1)
    trace_.push_back(partial_.substr(start, end - start));
  partial_.erase(0, start);
}

bool LivePlayer::Advance(int ms) {
  now_ += ms;
  const std::string sync = std::to_string(now_) + " sync";
  Send(sync);
  const auto until = Clock::now() + kPatience;
  while (Clock::now() < until) {
    ReadTrace();
    for (size_t i = trace_.size(); i-- > looked_;) {
      if (trace_[i] == sync) return true;
    }
    if (!process_->Running()) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  return false;
}

std::string LivePlayer::AwaitLine(const std::string& text, int limitMs) {
  for (int played = 0; played <= limitMs; played += 100) {
    for (; looked_ < trace_.size(); ++looked_) {
      if (trace_[looked_].find(text) != std::string::npos) return trace_[looked_++];
    }
    if (!Advance(100)) return "";
  }
  return "";
}

void LivePlayer::Move(int x, int y) {
  Send(std::to_string(now_ + 1) + " move " + std::to_string(x) + " " + std::to_string(y));
  Advance(20);
}

void LivePlayer::Click(int x, int y) {
  Move(x, y);
  Send(std::to_string(now_ + 1) + " ldown");
  Send(std::to_string(now_ + 60) + " lup");
  Advance(80);
}

void LivePlayer::Key(const std::string& name) {
  Send(std::to_string(now_ + 1) + " key " + name + " down");
  Send(std::to_string(now_ + 50) + " key " + name + " up");
  Advance(60);
}

void LivePlayer::Release(int x, int y) {
  Move(x, y);
  Send(std::to_string(now_ + 1) + " lup");
  Advance(20);
}

void LivePlayer::Press(int x, int y) {
  Move(x, y);
  Send(std::to_string(now_ + 1) + " ldown");
  Advance(20);
}

int LivePlayer::Finish() {
  if (input_ >= 0) close(input_);
  input_ = -1;
  const int code = process_->Wait();
  ReadTrace();
  return code;
}

}  // namespace rufo::test
