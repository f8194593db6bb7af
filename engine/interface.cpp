#include "engine/interface.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "engine/trace.h"
#include "gfx/png_reader.h"
#include "platform/cp1250.h"
#include "platform/folders.h"

namespace rufo {
namespace {

Interface* g_current = nullptr;

// A start-up step that cannot be done without; Init turns it into a fatal error.
class InitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace

Platform Platform::Real() {
  Platform platform;
  platform.clock = std::make_unique<platform::RealClock>();
  platform.window = platform::CreateSdlWindow();
  platform.video = std::make_unique<platform::VideoDevice>();
  platform.input = platform::CreateSdlInputSystem();
  platform.messageBox = platform::CreateSdlMessageBox();
  platform.openSound = [](const RunOptions&) { return platform::OpenSdlSoundDevice(); };
  return platform;
}

Platform Platform::Headless() {
  Platform platform;
  auto clock = std::make_unique<platform::VirtualClock>();
  platform.openSound = [clock = clock.get()](const RunOptions& options) {
    return std::make_unique<platform::HeadlessSoundDevice>(*clock, options.audioOut);
  };
  platform.clock = std::move(clock);
  auto window = std::make_unique<platform::HeadlessWindow>();
  platform.input = std::make_unique<platform::InputSystem>();
  platform.inputFeed = std::make_unique<platform::HeadlessInputFeed>(*window, *platform.input);
  platform.window = std::move(window);
  platform.video = std::make_unique<platform::VideoDevice>();
  platform.messageBox = std::make_unique<platform::HeadlessMessageBox>();
  platform.headless = true;
  return platform;
}

Interface& Engine() {
  return *g_current;
}

Interface* EngineIfAny() {
  return g_current;
}

Interface::Interface(Platform platform, RunOptions options)
    : platform_(std::move(platform)), options_(options) {
  g_current = this;
  SetSoundHost(&soundHost_);
}

Interface::~Interface() {
  Shutdown();
  if (g_current == this) {
    g_current = nullptr;
    SetSoundHost(nullptr);
  }
}

bool Interface::Init(const InterfaceProperties* properties) {
  if (!options_.tracePath.empty() &&
      !trace::Open(options_.tracePath, [this] { return GameTimeMs(); })) {
    Fatal("RUFO_TRACE: cannot create " + options_.tracePath, -1);
  }
  if (!properties) Fatal("Bad properties", -1);
  OpenAppKey(properties->appName, properties->title);
  props_ = *properties;
  props_.title[sizeof props_.title - 1] = '\0';
  props_.appName[sizeof props_.appName - 1] = '\0';
  if (!props_.canFullScreen && props_.startFullScreen) Fatal("Bad properties", -1);
  if (options_.debugLines) props_.showFps = props_.showDebugText = true;

  // Headless runs (tests, the scripted player) share nothing with a window, so any number of
  // them may run beside each other and beside a player's window.
  if (!props_.allowSecondInstance && !platform_.headless && !instanceLock_.Acquire(props_.title)) {
    std::fprintf(stderr, "%s: already running; this copy ends.\n",
                 platform::Cp1250ToUtf8(props_.title).c_str());
    Shutdown();
    std::exit(0);
  }

  ReadPaths();
  MakeRuntimeFolder();
  if (!props_.allowSecondInstance && !platform_.headless) {
    if (const auto busy = LockSaveFolders()) RefuseSecondCopy(*busy);
  }
  OpenLog(true);
  gfx::SetPngMessageSink([this](const std::string& line) { Log(line); });
  Log("CD=" + roots_[kDataRoot]);
  Log("HD=" + roots_[kRuntimeRoot]);
  RequireDataFolder();
  OpenWindow();
  keyState_.fill(0);
  InitInput();
  LoadInputScript();

  try {
    if (platform_.video->Step(platform::VideoStep::kCreateDevice) != platform::kDdOk) {
      throw InitError(platform::Utf8ToCp1250("Chyba při inicializaci Direct draw"));
    }
    initialised_ = true;
    if (props_.canFullScreen && props_.startFullScreen) {
      SetDisplay(true);
      platform_.window->ShowSystemCursor(false);
      ownCursor_ = true;
      // The mouse starts in the middle of the screen.
      platform_.window->WarpCursor(props_.width / 2, props_.height / 2);
    } else {
      SetDisplay(false);
    }
  } catch (const InitError& error) {
    Fatal(error.what(), -1);
  }
  if (props_.soundOn) InitSound();

  Log("Interface::Init () OK");
  return true;
}

void Interface::Shutdown() {
  controls_.Destroy(true);
  sound_.reset();
  hitMap_.Free();
  ReleaseDisplay();
  if (initialised_ && platform_.video->LiveSurfaceCount() != 0) {
    Log(std::to_string(platform_.video->LiveSurfaceCount()) + " surfaces not released");
  }
  if (platform_.input) {
    platform_.input->Mouse().Unacquire();
    platform_.input->Keyboard().Unacquire();
  }
  initialised_ = false;
  gfx::SetPngMessageSink(nullptr);
  if (log_ && log_ != stderr) std::fclose(log_);
  log_ = nullptr;
  loggedOnce_.clear();
  if (platform_.window && platform_.window->IsOpen()) platform_.window->Close();
  CloseAppKey();
  instanceLock_.Release();
  if (!options_.tracePath.empty()) trace::Close();
}

}  // namespace rufo
