#include "controls/frame_script.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>

#include "controls/text_number.h"
#include "engine/line_reader.h"

namespace rufo {
namespace {

// A decimal fraction after optional blanks and sign, as the C library reads it in the "C"
// locale; 0 when there is none.
float ReadSeconds(std::string_view text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0;
  if (text[at] == '+') ++at;
  float value = 0;
#if defined(__cpp_lib_to_chars)
  std::from_chars(text.data() + at, text.data() + text.size(), value);
#else
  // The browser's C++ library reads no floating point with from_chars: strtof on a copy, with
  // from_chars's result for a number out of range (none).
  const std::string copy(text.substr(at));
  char* end = nullptr;
  errno = 0;
  const float read = std::strtof(copy.c_str(), &end);
  if (end != copy.c_str() && errno != ERANGE) value = read;
#endif
  return value;
}

}  // namespace

std::vector<SequenceEntry> ReadFrameScript(std::FILE* file) {
  std::vector<SequenceEntry> script;
  LineReader reader(file, kFrameScriptLineLimit);
  std::string line;
  float end = 0;
  while (script.size() < kFrameScriptCapacity && reader.Next(&line)) {
    const size_t comma = line.find(',');
    if (line.empty() || line[0] != '-' || comma == std::string::npos) continue;
    end += ReadSeconds(std::string_view(line).substr(comma + 1));
    script.push_back({ReadInt(std::string_view(line).substr(1)), end});
  }
  return script;
}

}  // namespace rufo
