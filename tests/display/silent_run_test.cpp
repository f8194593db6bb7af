#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/demo_run.h"
#include "tests/support/process.h"

namespace rufo {
namespace {

// A machine whose sound device cannot be opened: the game, in a real window, plays on silently
// past the title to the Start screen and its speeches, and its log says why there is no sound.
TEST(SilentRunTest, AFailingAudioDriverLeavesTheGameSilentAndSaysWhy) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  test::DemoRun run;
  auto env = run.Env(9000);
  env["RUFO_HEADLESS"] = "0";
  env["RUFO_WINDOWED"] = "1";
  env["SDL_AUDIODRIVER"] = "no-such-driver";
  env["RUFO_TRACE"] = run.Path("trace.txt");
  test::Process rufo(test::BuiltProgram("rufo"), {}, env);
  ASSERT_TRUE(rufo.Start());
  ASSERT_EQ(rufo.Wait(), 0) << rufo.StandardError();

  const std::string log = run.Read("rt/Debug.log");
  const std::string failed = "Chyba při inicializaci Direct sound\n";
  const std::string why = "Hra poběží bez zvuku: ";
  const size_t at = log.find(failed + why);
  ASSERT_NE(at, std::string::npos) << log;
  const size_t reason = at + failed.size() + why.size();
  EXPECT_GT(log.find('\n', reason), reason) << "the reason is empty";
  EXPECT_NE(log.find("Interface::Init () OK\n"), std::string::npos) << log;

  const std::string trace = run.Read("trace.txt");
  EXPECT_NE(trace.find(" screen 0x5 "), std::string::npos) << trace;
  EXPECT_NE(trace.find(" speak MLUVI Sounds\\Start\\"), std::string::npos) << trace;
}

}  // namespace
}  // namespace rufo
