#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/interface.h"
#include "platform/message_box.h"

namespace rufo {

void Interface::Log(const std::string& text, bool withTime) {
  if (!log_) return;
  if (withTime) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::fprintf(log_, "[%02d:%02d:%02d] ", local.tm_hour, local.tm_min, local.tm_sec);
  }
  if (std::fputs(text.c_str(), log_) >= 0) std::fputc('\n', log_);
  std::fflush(log_);
}

void Interface::Fatal(const std::string& text, int32_t exitCode) {
  Log(text);
  char line[32];
  std::snprintf(line, sizeof line, "Exit code: %x", static_cast<uint32_t>(exitCode));
  Log(line);
  platform::ShowErrorBox("Chyba", text);
  Shutdown();
  std::exit(exitCode);
}

}  // namespace rufo
