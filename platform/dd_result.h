#pragma once

#include <cstdint>

namespace rufo::platform {

// Result codes of the surface operations, with the values the engine reports as exit codes.
using DdResult = int32_t;

inline constexpr DdResult kDdOk = 0;
inline constexpr DdResult kDdErrSurfaceLost = static_cast<DdResult>(0x887601C2u);
inline constexpr DdResult kDdErrOutOfVideoMemory = static_cast<DdResult>(0x8876017Cu);
inline constexpr DdResult kDdErrOutOfMemory = static_cast<DdResult>(0x8007000Eu);
inline constexpr DdResult kDdErrInvalidParams = static_cast<DdResult>(0x80070057u);
inline constexpr DdResult kDdErrNoExclusiveMode = static_cast<DdResult>(0x887600E1u);
inline constexpr DdResult kDdErrUnsupported = static_cast<DdResult>(0x80004001u);

}  // namespace rufo::platform
