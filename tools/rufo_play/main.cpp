// rufo-play: plays the game from outside, by mouse alone, and says what it found.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "tools/rufo_play/player.h"

namespace {

using rufo::play::Mode;

constexpr char kUsage[] =
    "usage: rufo-play --win-all | --lose-all | --explore MINUTES\n"
    "                 [--seed N | --seed random] [--garden N] [--data DIR] [--game PROGRAM]\n"
    "                 [--trace FILE] [--window]\n"
    "\n"
    "Plays the game on a data tree as a child would, by the mouse alone, deciding every click\n"
    "from the game's trace and the data's screen scripts and hit maps.\n"
    "  --win-all        choose a child, walk the gardens, win every game to its sticker, then\n"
    "                   the End screen (or, with gardens still missing, the farewell) and the\n"
    "                   Credits\n"
    "  --lose-all       lose every game once, check it lands in its lesson, play the lesson\n"
    "                   two rounds and come back\n"
    "  --explore M      M minutes of game time as a restless child: the toolbar, walking,\n"
    "                   deleting and making profiles, clicks during speeches, stray drags;\n"
    "                   it fails with \"stuck on SCREEN at MS\" when a minute passes in which\n"
    "                   nothing the child tries, the whole screen and the toolbar swept, changes\n"
    "                   anything\n"
    "  --seed N         the game's random seed (default 1); \"random\" picks one and prints it\n"
    "  --garden N       play the games of GardenN (1 to 6) only; exploring, stay in its\n"
    "                   scenes and games\n"
    "  --trace FILE     keep the game's trace of the run in FILE\n"
    "  --data DIR       the data tree (default: the \"data\" folder beside rufo-play)\n"
    "  --game PROGRAM   the game (default: \"rufo\" beside rufo-play)\n"
    "  --window         play in a real window in real time instead of headless\n"
    "Exits with 1 on any fault: a fatal error, a \"Cannot load\" line in the log, a question\n"
    "it could not answer, a screen it did not reach.\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "rufo-play: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

std::filesystem::path OwnFolder() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  rufo::play::PlayOptions options;
  bool modeGiven = false;
  bool window = false;
  std::string data = (OwnFolder() / "data").string();
  std::string game = (OwnFolder() / "rufo").string();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--win-all" || arg == "--lose-all") {
      options.mode = arg == "--win-all" ? Mode::kWinAll : Mode::kLoseAll;
      modeGiven = true;
    } else if (arg == "--explore" && hasValue) {
      char* end = nullptr;
      const double minutes = std::strtod(argv[++i], &end);
      if (*end || !(minutes > 0) || minutes > 24 * 60) return Usage("--explore needs minutes");
      options.mode = Mode::kExplore;
      options.exploreMs = static_cast<uint32_t>(minutes * 60000);
      modeGiven = true;
    } else if (arg == "--seed" && hasValue) {
      const std::string value = argv[++i];
      if (value == "random") {
        options.seed = std::random_device{}() % 1000000;
      } else {
        char* end = nullptr;
        const unsigned long seed = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end || seed > 0xFFFFFFFFul) return Usage("--seed needs a number");
        options.seed = static_cast<uint32_t>(seed);
      }
    } else if (arg == "--garden" && hasValue) {
      const std::string value = argv[++i];
      if (value.size() != 1 || value[0] < '1' || value[0] > '6')
        return Usage("--garden needs 1 to 6");
      options.garden = value[0] - '0';
    } else if (arg == "--trace" && hasValue) {
      options.traceCopy = argv[++i];
    } else if (arg == "--data" && hasValue) {
      data = argv[++i];
    } else if (arg == "--game" && hasValue) {
      game = argv[++i];
    } else if (arg == "--window") {
      window = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      return Usage(("unknown argument " + arg).c_str());
    }
  }
  if (!modeGiven) return Usage("choose --win-all, --lose-all or --explore");
  if (!std::filesystem::is_directory(data)) return Usage(("no data tree at " + data).c_str());

  std::printf("rufo-play: seed %u, data %s\n", options.seed, data.c_str());
  std::fflush(stdout);
  rufo::play::DataTree tree(std::filesystem::absolute(data).string());
  const auto link = window ? rufo::play::MakeWindowLink(game, tree.Root(), options.seed)
                           : rufo::play::MakeHeadlessLink(game, tree.Root(), options.seed);
  rufo::play::Player player(*link, tree, options);
  const rufo::play::Report report = player.Play();
  report.Print(stdout);
  return report.Ok() ? 0 : 1;
}
