#include "engine/cursor_file.h"

#include <climits>

#include "platform/picture_limits.h"

namespace rufo {

int ParseCursorNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {
      value = static_cast<long long>(INT_MAX) + 1;
      if (!negative) return INT_MAX;
    }
  }
  if (negative) return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
  return static_cast<int>(value);
}

CursorLineKind ParseCursorLine(std::string_view line, CursorLine* cursor) {
  if (line.empty() || line[0] == '\n' || line[0] == ';') return CursorLineKind::kSkip;
  line = line.substr(0, line.find('\n'));

  const size_t colon = line.find(':');
  if (colon == std::string_view::npos) return CursorLineKind::kError;
  cursor->name = std::string(line.substr(0, std::min(colon, CursorLine::kNameChars)));

  const size_t firstComma = line.find(',', colon + 1);
  if (firstComma == std::string_view::npos) return CursorLineKind::kError;
  const std::string_view pictures = line.substr(colon + 1, firstComma - colon - 1);
  const size_t maskColon = pictures.find(':');
  cursor->picture = std::string(pictures.substr(0, maskColon));
  cursor->mask =
      maskColon == std::string_view::npos ? "" : std::string(pictures.substr(maskColon + 1));

  const size_t secondComma = line.find(',', firstComma + 1);
  if (secondComma == std::string_view::npos) return CursorLineKind::kError;
  cursor->hotspotX = platform::BoundCoordinate(
      ParseCursorNumber(line.substr(firstComma + 1, secondComma - firstComma - 1)));
  const size_t thirdComma = line.find(',', secondComma + 1);
  if (thirdComma == std::string_view::npos) return CursorLineKind::kError;
  cursor->hotspotY = platform::BoundCoordinate(
      ParseCursorNumber(line.substr(secondComma + 1, thirdComma - secondComma - 1)));

  const std::string_view kind = line.substr(thirdComma + 1);
  if (kind.starts_with("static")) {
    cursor->loop = false;
    cursor->delay = 0;
  } else if (kind.starts_with("loop")) {
    const size_t delayComma = kind.find(',');
    if (delayComma == std::string_view::npos) return CursorLineKind::kError;
    cursor->loop = true;
    cursor->delay = ParseCursorNumber(kind.substr(delayComma + 1));
  } else {
    return CursorLineKind::kError;
  }
  return CursorLineKind::kCursor;
}

}  // namespace rufo
