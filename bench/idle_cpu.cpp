// The game at rest in a real window: `rufo` is started windowed on the demo data, left until the
// title has passed and the Start screen has said its greeting and its introduction, and its
// process CPU time is then read over ten seconds. Target: at most 3 % of one core.
// Needs an X display (xvfb-run) and the demo data built beside the program.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The title waits 500 ticks, then the Start screen speaks for about ten seconds.
constexpr auto kSettle = 20s;
constexpr auto kMeasure = 10s;

fs::path BuildFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// User plus system CPU time of a process in seconds; negative when it cannot be read.
double ProcessCpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(stat, text);
  // Fields after the command name, which is in parentheses and may hold spaces.
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  unsigned long utime = 0, stime = 0;
  if (std::sscanf(text.c_str() + close + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                  &utime, &stime) != 2) {
    return -1;
  }
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A windowed run of the game with a configuration and runtime folder of its own.
class IdleGame {
 public:
  IdleGame() {
    char pattern[] = "/tmp/rufo-idle-XXXXXX";
    folder_ = mkdtemp(pattern);
    fs::create_directories(folder_ / "config");
    fs::create_directories(folder_ / "rt");
    std::ofstream(folder_ / "config" / "rufo.ini")
        << "[Rufo I]\nCD=" << (BuildFolder() / "data").string() << "/\nHD=" << folder_.string()
        << "/rt/\n";
  }
  ~IdleGame() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    fs::remove_all(folder_);
  }

  bool Start() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
      env.emplace_back(*e);
    env.push_back("RUFO_WINDOWED=1");
    env.push_back("RUFO_CONFIG_DIR=" + (folder_ / "config").string());
    env.push_back("XDG_RUNTIME_DIR=" + folder_.string());
    env.push_back("SDL_AUDIODRIVER=dummy");
    std::vector<char*> envp;
    for (std::string& entry : env)
      envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = (BuildFolder() / "rufo").string();
    char* argv[] = {program.data(), nullptr};
    return posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, envp.data()) == 0;
  }

  bool Running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
  pid_t Pid() const { return pid_; }

 private:
  fs::path folder_;
  pid_t pid_ = -1;
};

void BM_IdleStartScreen(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("needs an X display (run under xvfb-run)");
    return;
  }
  if (!fs::exists(BuildFolder() / "data" / "Cursors.dat")) {
    state.SkipWithError("needs the demo data in the build folder");
    return;
  }
  for (auto _ : state) {
    IdleGame game;
    if (!game.Start()) {
      state.SkipWithError("cannot start rufo");
      return;
    }
    std::this_thread::sleep_for(kSettle);
    const double before = ProcessCpuSeconds(game.Pid());
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(kMeasure);
    const double after = ProcessCpuSeconds(game.Pid());
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!game.Running() || before < 0 || after < 0) {
      state.SkipWithError("rufo ended before the measurement did");
      return;
    }
    state.SetIterationTime(wall.count());
    state.counters["core_percent"] = 100.0 * (after - before) / wall.count();
  }
}
BENCHMARK(BM_IdleStartScreen)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
