#include "engine/interface.h"
#include "platform/cp1250.h"
#include "platform/system_error.h"

namespace rufo {

// Opens the sound device and sets its primary format: PCM, stereo, at the properties' rate and
// sample width. Without it the game runs silently.
void Interface::InitSound() {
  std::unique_ptr<platform::SoundDevice> device;
  if (platform_.openSound) device = platform_.openSound(options_);
  const bool formatValid = props_.sampleRate > 0 && props_.sampleBits > 0;
  if (!device || !formatValid ||
      !device->SetPrimaryFormat(platform::PcmFormat(2, static_cast<uint32_t>(props_.sampleRate),
                                                    static_cast<uint16_t>(props_.sampleBits)))) {
    Log(platform::Utf8ToCp1250("Chyba při inicializaci Direct sound"));
    std::string reason = formatValid ? platform::LastSystemError() : "neplatný formát zvuku";
    if (reason.empty()) reason = "zvukové zařízení není k dispozici";
    Log(platform::Utf8ToCp1250("Hra poběží bez zvuku: " + reason));
    return;
  }
  sound_ = std::move(device);
}

}  // namespace rufo
