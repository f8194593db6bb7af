#include "engine/line_reader.h"

namespace rufo {

bool LineReader::Next(std::string* line) {
  line->clear();
  int c = std::fgetc(file_);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::fgetc(file_)) {
    if (line->size() < limit_) line->push_back(static_cast<char>(c));
  }
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

}  // namespace rufo
