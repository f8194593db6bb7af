#include "platform/message_box.h"

#include <cstdio>

#include "platform/cp1250.h"

namespace rufo::platform {

void WriteBoxToStandardError(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", ReadableUtf8(caption).c_str(), ReadableUtf8(text).c_str());
}

}  // namespace rufo::platform
