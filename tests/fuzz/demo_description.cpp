// Feeds arbitrary bytes to the demo-data description parser: it either parses or reports a
// DescriptionError, nothing else.
#include <cstdint>
#include <string>

#include "tools/demogen/description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    rufo::demogen::ParseDescription(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
  } catch (const rufo::demogen::DescriptionError&) {
  }
  return 0;
}
