// Feeds arbitrary bytes to the tools' reader of "screen.dat" entry names and files.
#include <cstdint>
#include <string>

#include "tools/assetkit/screen_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rufo::assetkit::ReadScreenEntries(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
