// Feeds arbitrary bytes to the row file reader (series, grids and shelves).
#include <cstdio>
#include <cstdlib>

#include "game/row_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  bool cut = false;
  const std::vector<rufo::RowFileLine> rows = rufo::ReadRowFileLines(file, 90, &cut);
  std::fclose(file);
  if (rows.empty() || rows.size() > 90) std::abort();
  return 0;
}
