// Feeds arbitrary bytes to the INI reader as the configuration file.
#include <cstdio>
#include <cstdlib>

#include "engine/interface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static rufo::Interface* engine = new rufo::Interface(rufo::Platform::Headless());
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  engine->ReadPathsFromIni(file);
  std::fclose(file);
  for (int root = rufo::kDataRoot; root <= rufo::kThirdRoot; ++root) {
    if (engine->Root(root).size() >= rufo::Interface::kRootSize) std::abort();
  }
  return 0;
}
