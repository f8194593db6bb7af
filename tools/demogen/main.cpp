// rufo-demogen DESCRIPTIONS OUT: writes the demo data tree described by every "*.txt" file of
// DESCRIPTIONS into OUT, replacing what an earlier run wrote there.
// rufo-demogen --icons NAME OUT: writes the program's icon as an icon theme tree under OUT.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tools/demogen/generator.h"
#include "tools/demogen/icons.h"

namespace fs = std::filesystem;

namespace {

// The file that marks a folder as ours to replace; the build also uses it as its stamp.
constexpr const char* kMarker = ".demogen";

bool PrepareOutput(const fs::path& out) {
  std::error_code error;
  if (fs::exists(out, error)) {
    if (!fs::exists(out / kMarker, error) && !fs::is_empty(out, error)) {
      std::fprintf(stderr, "rufo-demogen: %s holds files this program did not write\n",
                   out.c_str());
      return false;
    }
    fs::remove_all(out, error);
  }
  fs::create_directories(out, error);
  return !error;
}

int WriteIcons(const std::string& name, const fs::path& out) {
  try {
    rufo::demogen::WriteIcons(out, name);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rufo-demogen: %s\n", e.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--icons") return WriteIcons(argv[2], argv[3]);
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: rufo-demogen DESCRIPTIONS-FOLDER OUT-FOLDER\n"
                 "       rufo-demogen --icons NAME OUT-FOLDER\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const fs::path descriptions = argv[1];
  const fs::path out = fs::absolute(argv[2]);
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(descriptions, error)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  if (error || files.empty()) {
    std::fprintf(stderr, "rufo-demogen: no descriptions in %s\n", descriptions.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());
  if (!PrepareOutput(out)) return 1;
  try {
    rufo::demogen::Generator generator(out);
    for (const fs::path& file : files)
      generator.Add(rufo::demogen::ReadDescriptionFile(file));
    generator.Finish();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rufo-demogen: %s\n", e.what());
    return 1;
  }
  std::ofstream(out / kMarker) << "written by rufo-demogen\n";
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("rufo-demogen: data tree written to %s in %.1f s\n", out.c_str(), seconds);
  return 0;
}
