#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::test {

// The program run headless as a black box and played as a child would: input goes in through
// a FIFO as game time goes on, and what the game decides comes back through its trace. Every
// input line sent is kept, so that the same run can be replayed from a file.
class LivePlayer {
 public:
  LivePlayer(const TempFolder& folder, std::map<std::string, std::string> env);
  ~LivePlayer();

  bool Start();
  // Plays on by `ms` of game time and waits until the trace holds everything up to then.
  bool Advance(int ms);
  // Plays on until a trace line after the last one looked at contains `text` (at most
  // `limitMs` of game time); that line, or empty.
  std::string AwaitLine(const std::string& text, int limitMs = 60000);
  void Click(int x, int y);
  void Release(int x, int y);
  // Moves there and presses the left button, holding it down.
  void Press(int x, int y);
  void Move(int x, int y);
  void Key(const std::string& name);
  // Ends the input; the program plays on to its own end or RUFO_RUN_MS.
  int Finish();

  int Now() const { return now_; }
  const std::vector<std::string>& Sent() const { return sent_; }
  const std::vector<std::string>& Trace() const { return trace_; }
  std::string StandardError() const { return process_->StandardError(); }

 private:
  void Send(const std::string& line);
  void ReadTrace();

  std::string fifo_;
  std::string tracePath_;
  std::unique_ptr<Process> process_;
  int input_ = -1;
  int now_ = 0;
  size_t looked_ = 0;  // trace lines already looked at by AwaitLine
  std::vector<std::string> sent_;
  std::vector<std::string> trace_;
  size_t traceRead_ = 0;  // bytes of the trace file read so far
  std::string partial_;   // the start of a line still being written
};

}  // namespace rufo::test
