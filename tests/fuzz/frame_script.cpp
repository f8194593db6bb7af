// Feeds arbitrary bytes to the frame-script reader.
#include <cstdio>
#include <cstdlib>

#include "controls/frame_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  const std::vector<rufo::SequenceEntry> script = rufo::ReadFrameScript(file);
  std::fclose(file);
  if (script.size() > rufo::kFrameScriptCapacity) std::abort();
  return 0;
}
