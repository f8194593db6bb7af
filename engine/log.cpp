#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/interface.h"
#include "engine/trace.h"
#include "platform/cp1250.h"
#include "platform/data_file.h"

namespace rufo {

void Interface::Log(const std::string& text, bool withTime) {
  if (!log_) return;
  if (withTime) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::fprintf(log_, "[%02d:%02d:%02d] ", local.tm_hour, local.tm_min, local.tm_sec);
  }
  // The game's texts are Windows-1250; the log is read by people, in UTF-8.
  if (std::fputs(platform::ReadableUtf8(text).c_str(), log_) >= 0) std::fputc('\n', log_);
  std::fflush(log_);
}

void Interface::LogOnce(const std::string& text) {
  if (loggedOnce_.insert(text).second) Log(text);
}

void Interface::OpenLog(bool replace) {
  // Where the runtime root cannot take the log the data root may, and where neither can,
  // standard error does: a save that went nowhere is still told somewhere.
  for (int root : {kRuntimeRoot, kDataRoot}) {
    log_ = platform::OpenLogFile(MakeDataPath("Debug.log", root), replace);
    if (log_) return;
  }
  log_ = stderr;
}

void Interface::Fatal(const std::string& text, int32_t exitCode) {
  trace::Fatal(exitCode, text);
  Log(text);
  char line[32];
  std::snprintf(line, sizeof line, "Exit code: %x", static_cast<uint32_t>(exitCode));
  Log(line);
  MessageBox().ShowError("Chyba", text);
  Shutdown();
  std::exit(exitCode);
}

}  // namespace rufo
