#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace rufo::test {

// Runs programs as black boxes with an environment of our own (added to the test's own).
class Process {
 public:
  Process(std::string program, std::vector<std::string> args,
          std::map<std::string, std::string> env);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Start();
  // Waits for the end; the exit code, or -1 when it did not exit normally.
  int Wait();
  bool Running();
  void Kill();
  // What the program wrote to standard error (complete after Wait).
  std::string StandardError() const;

 private:
  std::string program_;
  std::vector<std::string> args_;
  std::map<std::string, std::string> env_;
  std::string stderrFile_;
  pid_t pid_ = -1;
  int status_ = -1;
};

// Runs a command line through the shell; what it printed on standard output and standard error,
// with its exit code in *exitCode (-1 when it did not exit normally).
std::string RunCommand(const std::string& commandLine, int* exitCode);

// Path of a program built beside the tests.
std::string BuiltProgram(const std::string& name);

}  // namespace rufo::test
