#pragma once

#include <filesystem>

namespace rufo::platform {

// The configuration folder (the stand-in for the Windows folder): $RUFO_CONFIG_DIR, else
// $XDG_CONFIG_HOME/rufo, else ~/.config/rufo. It is not created here.
std::filesystem::path ConfigFolder();

// The per-user data folder for runtime files: $XDG_DATA_HOME/rufo, else ~/.local/share/rufo.
std::filesystem::path UserDataFolder();

}  // namespace rufo::platform
