#include <cstdio>

#include "tools/rufo_play/game_link.h"

namespace rufo::play {

std::vector<std::string> LineFollower::NewLines() {
  std::vector<std::string> lines;
  std::FILE* file = std::fopen(path_.c_str(), "rb");
  if (!file) return lines;
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  if (size >= 0 && static_cast<uint64_t>(size) < offset_) {
    offset_ = 0;  // the file was started anew
    partial_.clear();
  }
  std::fseek(file, static_cast<long>(offset_), SEEK_SET);
  char buffer[8192];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    offset_ += got;
    partial_.append(buffer, got);
  }
  std::fclose(file);
  size_t start = 0;
  for (size_t end; (end = partial_.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(partial_.substr(start, end - start));
  partial_.erase(0, start);
  return lines;
}

}  // namespace rufo::play
