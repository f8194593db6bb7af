// rufo-data shots DATA OUTDIR: a frame of every main scene, game, hub and lesson screen, each
// at a moment where it is fully drawn, and a contact sheet of them all, so that a person can
// review how the game looks. The scripted player plays the game headless (losing every game
// once, which leads through every screen); its input is then played again with the frames
// captured.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tools/rufo_data/command.h"
#include "tools/rufo_data/contact_sheet.h"
#include "tools/rufo_play/game_process.h"
#include "tools/rufo_play/player.h"
#include "tools/rufo_play/shots.h"

namespace rufo::data_tool {
namespace {

namespace fs = std::filesystem;

constexpr char kUsage[] = "DATA OUTDIR [--seed N] [--game PROGRAM]";

int Usage(const char* problem) {
  std::fprintf(stderr, "rufo-data shots: %s\nusage: rufo-data shots %s\n", problem, kUsage);
  return 2;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

bool WriteSheet(const std::vector<play::Shot>& shots, const std::vector<std::string>& files,
                const std::string& out) {
  std::vector<Tile> tiles;
  for (size_t i = 0; i < files.size(); ++i) {
    CairoSurface picture(cairo_image_surface_create_from_png(files[i].c_str()),
                         cairo_surface_destroy);
    const std::string label =
        play::ScreenText(shots[i].screen) + " at " + std::to_string(shots[i].atMs) + " ms";
    if (cairo_surface_status(picture.get()) != CAIRO_STATUS_SUCCESS) {
      tiles.push_back(LabelOnly(label + " (unreadable)"));
    } else {
      tiles.push_back({label, std::move(picture)});
    }
  }
  // Half-size frames, six to a row.
  return WriteContactSheet(tiles, {330, 266, 320, 240, 6, 12, 40}, out, "shots");
}

int Run(std::span<char*> args) {
  if (args.size() < 2) return Usage("DATA and OUTDIR are needed");
  const fs::path data = fs::absolute(args[0]);
  const fs::path out = fs::absolute(args[1]);
  std::error_code error;
  uint32_t seed = 1;
  std::string game = (fs::read_symlink("/proc/self/exe", error).parent_path() / "rufo").string();
  for (size_t i = 2; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (std::strcmp(args[i], "--seed") == 0 && hasValue) {
      char* end = nullptr;
      const unsigned long value = std::strtoul(args[++i], &end, 10);
      if (*end || value > 0xFFFFFFFFul) return Usage("--seed needs a number");
      seed = static_cast<uint32_t>(value);
    } else if (std::strcmp(args[i], "--game") == 0 && hasValue) {
      game = args[++i];
    } else {
      return Usage((std::string("unknown argument ") + args[i]).c_str());
    }
  }
  if (!fs::is_directory(data)) return Usage(("no data tree at " + data.string()).c_str());
  // The capture list separates its entries with commas and each time from its file by a colon.
  if (out.string().find_first_of(",:") != std::string::npos) {
    return Usage("OUTDIR may hold neither ',' nor ':'");
  }
  fs::create_directories(out, error);
  if (!fs::is_directory(out)) return Usage(("cannot make " + out.string()).c_str());

  play::DataTree tree(data.string());
  const auto link = play::MakeHeadlessLink(game, tree.Root(), seed);
  play::PlayOptions options;
  options.mode = play::Mode::kLoseAll;
  options.seed = seed;
  play::Player player(*link, tree, options);
  const play::Report report = player.Play();
  if (!report.Ok()) {
    report.Print(stderr);
    return 1;
  }
  const std::string trace = play::ReadWholeFile(link->Process().TracePath());
  const std::vector<play::Shot> shots = play::PlanShots(Lines(trace), link->Sent());
  std::string problem;
  const std::vector<std::string> files =
      play::TakeShots(game, tree.Root(), seed, link->Sent(), trace, shots, out.string(), &problem);
  if (files.empty()) {
    std::fprintf(stderr, "rufo-data shots: %s\n", problem.empty() ? "no screens" : problem.c_str());
    return 1;
  }
  const std::string sheet = (out / "sheet.png").string();
  if (!WriteSheet(shots, files, sheet)) return 1;
  std::printf("%zu screens in %s, on %s\n", files.size(), out.c_str(), sheet.c_str());
  return 0;
}

const Registration kShots({"shots", kUsage, Run});

}  // namespace
}  // namespace rufo::data_tool
