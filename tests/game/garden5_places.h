#pragma once

#include <utility>

namespace rufo {

// Places on the demo data's Garden5 pictures: the meadow's flower at each hit value (six in the
// upper row, five in the lower).
inline std::pair<int, int> FlowerAt(int place) {
  return place < 6 ? std::pair{75 + place * 98, 260} : std::pair{124 + (place - 6) * 98, 390};
}

}  // namespace rufo
