#pragma once

#include <cstdint>

namespace rufo {

// The values that parameterise the engine; the entry point fills one and Interface::Init keeps a
// copy for the whole run.
struct InterfaceProperties {
  int32_t width = 640;
  int32_t height = 480;
  bool canFullScreen = true;
  bool startFullScreen = true;
  int32_t bitsPerPixel = 16;
  bool pageFlip = false;
  bool videoMemoryBuffers = true;
  bool f12Quits = true;
  bool showFps = false;
  bool showDebugText = false;
  char title[51] = "Rufo - Tirlim";  // Windows-1250; also the window class and registry key name
  char appName[49] = "rufo";         // INI file base name and first registry key component
  int32_t tickMs = 1;
  bool soundOn = true;
  int32_t sampleRate = 44100;
  int32_t sampleBits = 16;
  bool useRegistry = false;
  bool allowSecondInstance = false;
};

}  // namespace rufo
