// A minute of game time on the first screens, headless: `rufo` on the demo data with the virtual
// clock, no input, until RUFO_RUN_MS ends it. Reports the wall time of the whole run, start-up
// included, and the CPU time the run took (a fairer figure on a busy machine). Target: at most
// 0.15 s.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path BuildFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// Runs the game once with the extra environment and adds its CPU seconds to *cpu; false when it
// cannot start or fails.
bool RunGame(const std::vector<std::string>& extra, double* cpu) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    env.emplace_back(*e);
  env.insert(env.end(), extra.begin(), extra.end());
  std::vector<char*> envp;
  for (std::string& entry : env)
    envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = (BuildFolder() / "rufo").string();
  char* argv[] = {program.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  *cpu += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
          static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_HeadlessMinute(benchmark::State& state) {
  if (!fs::exists(BuildFolder() / "data" / "Cursors.dat")) {
    state.SkipWithError("needs the demo data in the build folder");
    return;
  }
  char pattern[] = "/tmp/rufo-minute-XXXXXX";
  const fs::path folder = mkdtemp(pattern);
  fs::create_directories(folder / "config");
  fs::create_directories(folder / "rt");
  std::ofstream(folder / "config" / "rufo.ini")
      << "[Rufo I]\nCD=" << (BuildFolder() / "data").string() << "/\nHD=" << folder.string()
      << "/rt/\n";
  const std::vector<std::string> env = {"RUFO_HEADLESS=1", "RUFO_RUN_MS=60000", "RUFO_SEED=1",
                                        "RUFO_CONFIG_DIR=" + (folder / "config").string(),
                                        "XDG_RUNTIME_DIR=" + folder.string()};
  double cpu = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!RunGame(env, &cpu)) {
      state.SkipWithError("rufo failed");
      break;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(wall.count());
  }
  state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
  fs::remove_all(folder);
}
BENCHMARK(BM_HeadlessMinute)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
