#include "tests/support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace rufo::test {

Process::Process(std::string program, std::vector<std::string> args,
                 std::map<std::string, std::string> env)
    : program_(std::move(program)), args_(std::move(args)), env_(std::move(env)) {
  char name[] = "/tmp/rufo-stderr-XXXXXX";
  int fd = ::mkstemp(name);
  if (fd >= 0) ::close(fd);
  stderrFile_ = name;
}

Process::~Process() {
  if (pid_ > 0 && status_ == -1) {
    Kill();
    Wait();
  }
  std::remove(stderrFile_.c_str());
}

bool Process::Start() {
  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e) {
    std::string entry = *e;
    if (!env_.contains(entry.substr(0, entry.find('=')))) envText.push_back(entry);
  }
  for (const auto& [name, value] : env_)
    envText.push_back(name + "=" + value);
  std::vector<char*> envp, argv;
  for (auto& entry : envText)
    envp.push_back(entry.data());
  envp.push_back(nullptr);
  argv.push_back(program_.data());
  for (auto& arg : args_)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, stderrFile_.c_str(), O_WRONLY | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  const int error =
      posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return error == 0;
}

int Process::Wait() {
  if (pid_ <= 0) return -1;
  if (status_ == -1) {
    int status = 0;
    if (::waitpid(pid_, &status, 0) == pid_) status_ = status;
  }
  return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

bool Process::Running() {
  if (pid_ <= 0 || status_ != -1) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = status;
    return false;
  }
  return true;
}

void Process::Kill() {
  if (pid_ > 0 && status_ == -1) ::kill(pid_, SIGKILL);
}

std::string Process::StandardError() const {
  return ReadFile(stderrFile_);
}

std::string BuiltProgram(const std::string& name) {
  return std::string(RUFO_BINARY_DIR) + "/" + name;
}

std::string RunCommand(const std::string& commandLine, int* exitCode) {
  std::string output;
  *exitCode = -1;
  FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe))
    output += buffer;
  const int status = pclose(pipe);
  if (WIFEXITED(status)) *exitCode = WEXITSTATUS(status);
  return output;
}

}  // namespace rufo::test
