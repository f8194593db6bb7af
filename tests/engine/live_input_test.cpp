#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/demo_run.h"
#include "tests/support/process.h"

namespace rufo {
namespace {

// Input in blocks, each ending in a sync: the Start screen's introduction is clicked away, a face
// is picked for slot 0 and the cap is carried onto it.
const std::vector<std::pair<std::string, std::string>> kBlocks = {
    {"300 lup\n", "1000 sync"},
    {"2000 move 600 40\n2100 ldown\n2150 lup\n", "3000 sync"},
    {"# a comment line between actions\n"
     "32000 move 116 283\n32100 ldown\n32150 lup\n33000 move 203 297\n33100 ldown\n33150 lup\n",
     "34000 sync"},
    // The drop makes RUFO speak at once, at the very time of the sync after it.
    {"34000 move 116 283\n34100 ldown\n", "34100 sync"},
    {"34150 lup\n", "40000 sync"},
};
constexpr uint32_t kRunMs = 45000;

// Waits (at most half a minute of wall time) until the file holds the text.
bool WaitForText(const test::DemoRun& run, const std::string& file, const std::string& text) {
  for (int i = 0; i < 3000; ++i) {
    if (run.Read(file).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// Runs the program on the demo data with that input file, tracing to trace.txt; returns the exit
// code, and what the program wrote to standard error in *errors.
int RunWithInputFile(const test::DemoRun& run, const std::string& script, std::string* errors) {
  run.Folder().Write("input.txt", script);
  auto env = run.Env(kRunMs);
  env["RUFO_INPUT"] = run.Path("input.txt");
  env["RUFO_TRACE"] = run.Path("trace.txt");
  test::Process rufo(test::BuiltProgram("rufo"), {}, env);
  EXPECT_TRUE(rufo.Start());
  const int exitCode = rufo.Wait();
  *errors = rufo.StandardError();
  return exitCode;
}

// The program reading its input from a FIFO that the test writes, tracing to trace.txt.
class LiveRun {
 public:
  LiveRun() {
    const std::string fifo = run_.Path("input.fifo");
    if (::mkfifo(fifo.c_str(), 0600) != 0) return;
    auto env = run_.Env(kRunMs);
    env["RUFO_INPUT"] = fifo;
    env["RUFO_TRACE"] = run_.Path("trace.txt");
    rufo_ = std::make_unique<test::Process>(test::BuiltProgram("rufo"), std::vector<std::string>{},
                                            env);
    // Opening the writing end waits for the program to open the reading end.
    if (rufo_->Start()) pipe_ = ::open(fifo.c_str(), O_WRONLY);
  }
  ~LiveRun() { Close(); }

  bool Started() const { return pipe_ >= 0; }
  bool Write(const std::string& lines) const {
    return ::write(pipe_, lines.data(), lines.size()) == ssize_t(lines.size());
  }
  void Close() {
    if (pipe_ >= 0) ::close(pipe_);
    pipe_ = -1;
  }
  test::Process& Rufo() { return *rufo_; }
  const test::DemoRun& Run() const { return run_; }

 private:
  test::DemoRun run_;
  std::unique_ptr<test::Process> rufo_;
  int pipe_ = -1;
};

// A player on the other end of a pipe writes a block, reads the trace up to the block's sync and
// only then writes the next: the game waits for it each time, and plays exactly as it does from a
// file with the same lines.
TEST(LiveInputTest, GameWaitsAtEachSyncAndPlaysAsFromAFile) {
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated demo data";
  LiveRun live;
  ASSERT_TRUE(live.Started());
  for (const auto& [actions, sync] : kBlocks) {
    ASSERT_TRUE(live.Write(actions + sync + "\n"));
    ASSERT_TRUE(WaitForText(live.Run(), "trace.txt", sync + "\n")) << sync << "\n"
                                                                   << live.Rufo().StandardError();
    const std::string trace = live.Run().Read("trace.txt");
    EXPECT_TRUE(trace.ends_with("\n" + sync + "\n")) << "the game ran on past " << sync;
  }
  live.Close();
  ASSERT_EQ(live.Rufo().Wait(), 0) << live.Rufo().StandardError();

  const std::string trace = live.Run().Read("trace.txt");
  EXPECT_NE(trace.find(" speak "), std::string::npos) << trace;
  // A sync comes after every line of its time: what follows it is later.
  std::istringstream lines(trace);
  std::string line;
  long synced = -1;
  while (std::getline(lines, line)) {
    const long time = std::stol(line);
    if (line.ends_with(" sync")) {
      synced = time;
    } else {
      EXPECT_GT(time, synced) << line;
    }
  }
  test::DemoRun fromFile;
  std::string script, errors;
  for (const auto& [actions, sync] : kBlocks)
    script += actions + sync + "\n";
  EXPECT_EQ(RunWithInputFile(fromFile, script, &errors), 0) << errors;
  EXPECT_EQ(trace, fromFile.Read("trace.txt"));
}

// A malformed line stops the game and names it: from a file before the game starts, from a pipe
// when it comes.
TEST(LiveInputTest, MalformedLineStopsTheGameAndNamesIt) {
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated demo data";
  test::DemoRun fromFile;
  std::string errors;
  EXPECT_NE(RunWithInputFile(fromFile, "10 move 1 2\n20 key NoSuchKey down\n", &errors), 0);
  EXPECT_NE(errors.find("line 2: 20 key"), std::string::npos) << errors;

  LiveRun live;
  ASSERT_TRUE(live.Started());
  ASSERT_TRUE(live.Write("100 move 5 5\n\n200 jump\n"));
  live.Close();
  EXPECT_NE(live.Rufo().Wait(), 0);
  EXPECT_NE(live.Rufo().StandardError().find("line 3: 200 jump"), std::string::npos)
      << live.Rufo().StandardError();
  EXPECT_NE(live.Run().Read("trace.txt").find("fatal -1 RUFO_INPUT: line 3"), std::string::npos);
}

}  // namespace
}  // namespace rufo
