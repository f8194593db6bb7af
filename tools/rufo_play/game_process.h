#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace rufo::play {

// The game as a child process in a folder of its own: a configuration that points the data
// root at the tree to play and the runtime root (log, user file) into the folder, the trace
// written there, standard error kept there.
class GameProcess {
 public:
  GameProcess(std::string program, std::string dataRoot);
  ~GameProcess();
  GameProcess(const GameProcess&) = delete;
  GameProcess& operator=(const GameProcess&) = delete;

  // The folder, made at construction; empty when it could not be made.
  const std::string& Folder() const { return folder_; }
  std::string RuntimeFolder() const { return folder_ + "/rt/"; }
  std::string TracePath() const { return folder_ + "/trace.txt"; }
  // Starts the program with these variables added to the player's own environment.
  bool Start(const std::map<std::string, std::string>& env, std::string* problem);
  // False once the program has ended.
  bool Running();
  // Waits up to `ms` of wall time for the end; false when it still runs.
  bool WaitMs(int ms);
  // Ends the program at once.
  void Kill();
  // "exit code 0", "killed by signal 11", "still running".
  std::string Status() const;
  bool ExitedCleanly() const;
  pid_t Pid() const { return pid_; }
  std::string StandardError() const;
  // Keeps the folder for a person to look at instead of removing it at the end.
  void Keep() { keep_ = true; }

 private:
  std::string program_;
  std::string dataRoot_;
  std::string folder_;
  pid_t pid_ = -1;
  int status_ = -1;
  bool ended_ = false;
  bool keep_ = false;
};

// The whole text of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace rufo::play
