#pragma once

#include <filesystem>

#include "engine/interface_properties.h"

namespace rufo {

// The data set that came with the program. A program run from its build folder uses the tree
// the build generated beside it; an installed one the data folder its install put beside it
// (PREFIX/share/games/rufo for PREFIX/games/rufo).
std::filesystem::path InstalledDataFolder();

// Writes "<appName>.ini" in the configuration folder when there is none, pointing the data root
// at the installed data and the runtime root at the user's data folder (which it creates).
void EnsureIniFile(const InterfaceProperties& properties);

}  // namespace rufo
