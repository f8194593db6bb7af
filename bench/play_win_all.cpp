// The wall time of a whole --win-all play of the scripted player on the demo data, headless:
// the game's own speed and the player's round trips through the trace together.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path Beside(const char* name) {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

void BM_PlayWinAll(benchmark::State& state) {
  const std::string command = Beside("rufo-play").string() + " --win-all --seed 7 > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("the play failed; run rufo-play --win-all to see why");
      break;
    }
  }
}
BENCHMARK(BM_PlayWinAll)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
