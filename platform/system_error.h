#pragma once

#include <string>

namespace rufo::platform {

// What the system last reported as the reason a window or a sound device could not be opened;
// empty when it gave none.
std::string LastSystemError();

}  // namespace rufo::platform
