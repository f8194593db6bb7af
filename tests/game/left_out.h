#pragma once

#include <string>
#include <vector>

#include "game/row_file.h"

namespace rufo {

// What a row file's reading left out, one "LINE: REASON" each.
inline std::vector<std::string> LeftOutReasons(const std::vector<LeftOutLines>& leftOut) {
  std::vector<std::string> reasons;
  for (const LeftOutLines& left : leftOut)
    reasons.push_back(std::to_string(left.first) + ": " + left.reason);
  return reasons;
}

}  // namespace rufo
