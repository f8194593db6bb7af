#include "sound/sound_host.h"

namespace rufo {
namespace {

SoundHost* g_host = nullptr;

}  // namespace

SoundHost* CurrentSoundHost() {
  return g_host;
}

void SetSoundHost(SoundHost* host) {
  g_host = host;
}

}  // namespace rufo
