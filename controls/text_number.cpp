#include "controls/text_number.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace rufo {

int32_t ReadInt(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (value < kLimit) value = value * 10 + (text[at] - '0');
  }
  if (negative) return static_cast<int32_t>(-std::min(value, kLimit));
  return static_cast<int32_t>(std::min(value, kLimit - 1));
}

}  // namespace rufo
