// Loads arbitrary bytes as user-file records and checks that storing gives the same bytes back.
#include <cstdlib>
#include <cstring>

#include "game/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t image[rufo::ProfileRecord::kSize] = {};
  std::memcpy(image, data, size < sizeof image ? size : sizeof image);
  rufo::ProfileRecord record = rufo::ProfileRecord::Empty();
  record.Load(image);
  uint8_t again[rufo::ProfileRecord::kSize];
  record.Store(again);
  if (std::memcmp(image, again, sizeof image) != 0) std::abort();
  return 0;
}
