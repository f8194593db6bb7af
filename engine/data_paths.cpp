#include <cstring>

#include "engine/interface.h"
#include "engine/line_reader.h"
#include "platform/data_file.h"
#include "platform/folders.h"

namespace rufo {

void Interface::ReadPaths() {
  if (props_.useRegistry) {
    static constexpr const char* kValues[3] = {"Data Path", "Runtime Path", "Third Path"};
    for (int i = 0; i < 3; ++i) {
      char buffer[256] = {};
      uint32_t size = 255;
      if (RegGetString(kValues[i], buffer, &size)) roots_[i] = buffer;
    }
    return;
  }
  const auto ini = platform::ConfigFolder() / (std::string(props_.appName) + ".ini");
  std::FILE* file = platform::OpenFile(ini.string(), "rt");
  if (!file) return;
  ReadPathsFromIni(file);
  std::fclose(file);
}

void Interface::ReadPathsFromIni(std::FILE* ini) {
  LineReader reader(ini, kIniLineLimit);
  std::string line;
  bool inSection = false;
  while (reader.Next(&line)) {
    if (line.size() >= 7 && line.compare(1, 6, "Rufo I") == 0) {
      inSection = true;
      break;
    }
  }
  if (!inSection) return;
  while (reader.Next(&line)) {
    if (!line.empty() && line[0] == '[') break;
    static constexpr std::pair<const char*, int> kKeys[] = {
        {"CD=", kDataRoot}, {"HD=", kRuntimeRoot}, {"Third path=", kThirdRoot}};
    for (const auto& [key, root] : kKeys) {
      if (line.starts_with(key)) {
        roots_[root] = line.substr(std::strlen(key), kRootSize - 1);
        break;
      }
    }
  }
}

std::string Interface::MakeDataPath(const std::string& name, int selector) const {
  if (selector < kDataRoot || selector > kThirdRoot) return name;
  return roots_[selector] + name;
}

std::filesystem::path Interface::RootFolder(int selector) const {
  const std::filesystem::path folder =
      std::filesystem::path(platform::ResolveDataPath(MakeDataPath(".", selector))).parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

std::FILE* Interface::OpenDataFile(const std::string& name, const char* mode, int selector,
                                   bool fallback) {
  if (std::FILE* file = platform::OpenFile(MakeDataPath(name, selector), mode)) return file;
  if (!fallback || (selector != kDataRoot && selector != kRuntimeRoot)) return nullptr;
  const std::string second = MakeDataPath(name, selector == kDataRoot ? kRuntimeRoot : kDataRoot);
  if (std::FILE* file = platform::OpenFile(second, mode)) return file;
  Log("Cannot load file \"" + second + "\"");
  return nullptr;
}

}  // namespace rufo
