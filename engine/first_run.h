#pragma once

#include <filesystem>

#include "engine/interface_properties.h"

namespace rufo {

// The data set that came with the program: "data" beside the executable in a build tree, else
// "../share/rufo" relative to it as installed.
std::filesystem::path InstalledDataFolder();

// Writes "<appName>.ini" in the configuration folder when there is none, pointing the data root
// at the installed data and the runtime root at the user's data folder (which it creates).
void EnsureIniFile(const InterfaceProperties& properties);

}  // namespace rufo
