#include "tools/rufo_play/game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace rufo::play {

namespace fs = std::filesystem;

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

GameProcess::GameProcess(std::string program, std::string dataRoot)
    : program_(std::move(program)), dataRoot_(std::move(dataRoot)) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/rufo-play-XXXXXX";
  if (!::mkdtemp(pattern.data())) return;
  folder_ = pattern;
  std::error_code error;
  fs::create_directories(folder_ + "/config", error);
  fs::create_directories(RuntimeFolder(), error);
  if (dataRoot_.empty() || dataRoot_.back() != '/') dataRoot_ += '/';
  std::ofstream(folder_ + "/config/rufo.ini")
      << "[Rufo I]\nCD=" << dataRoot_ << "\nHD=" << RuntimeFolder() << "\n";
}

GameProcess::~GameProcess() {
  if (Running()) {
    Kill();
    WaitMs(5000);
  }
  if (!keep_ && !folder_.empty()) {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
}

bool GameProcess::Start(const std::map<std::string, std::string>& env, std::string* problem) {
  if (folder_.empty()) {
    *problem = "cannot make a folder for the game";
    return false;
  }
  std::map<std::string, std::string> all = env;
  all["RUFO_CONFIG_DIR"] = folder_ + "/config";
  all["XDG_RUNTIME_DIR"] = folder_;
  all["RUFO_TRACE"] = TracePath();
  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!all.contains(entry.substr(0, entry.find('=')))) envText.push_back(entry);
  }
  for (const auto& [name, value] : all)
    envText.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& entry : envText)
    envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<char*> argv = {program_.data(), nullptr};

  const std::string errors = folder_ + "/stderr.txt";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  const int error =
      posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    *problem = "cannot start " + program_;
    pid_ = -1;
    return false;
  }
  return true;
}

bool GameProcess::Running() {
  if (pid_ <= 0 || ended_) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = status;
    ended_ = true;
  }
  return !ended_;
}

bool GameProcess::WaitMs(int ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (Running()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void GameProcess::Kill() {
  if (Running()) ::kill(pid_, SIGKILL);
}

bool GameProcess::ExitedCleanly() const {
  return ended_ && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
}

std::string GameProcess::Status() const {
  if (!ended_) return "still running";
  if (WIFEXITED(status_)) return "exit code " + std::to_string(WEXITSTATUS(status_));
  if (WIFSIGNALED(status_)) return "killed by signal " + std::to_string(WTERMSIG(status_));
  return "ended";
}

std::string GameProcess::StandardError() const {
  return ReadWholeFile(folder_ + "/stderr.txt");
}

}  // namespace rufo::play
