#pragma once

#include <cstdio>
#include <string>

namespace rufo {

// Reads text lines from a stream, one physical line at a time. A line longer than the limit is
// cut to it and the rest of that line is skipped, so no part of a long line is taken for a line
// of its own. The line feed and a carriage return before it are removed.
class LineReader {
 public:
  LineReader(std::FILE* file, size_t limit) : file_(file), limit_(limit) {}

  bool Next(std::string* line);

 private:
  std::FILE* file_;
  size_t limit_;
};

}  // namespace rufo
