#pragma once

#include <cstdint>
#include <string_view>

namespace rufo {

// A decimal integer after optional leading blanks and sign, as the scripts write numbers; text
// that is not a number reads as 0, and values beyond 32 bits are held at the nearest limit.
int32_t ReadInt(std::string_view text);

}  // namespace rufo
