#include <gtest/gtest.h>

#include "engine/trace.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

TEST(TraceTest, LinesCarryTheGameTimeAndReadableOneLineTextsOnceOpened) {
  test::TempFolder folder;
  const std::string path = folder.Root() + "trace.txt";
  uint32_t now = 0;
  EXPECT_FALSE(trace::Open("/nonexistent-folder/trace.txt", [] { return 0u; }));
  EXPECT_FALSE(trace::Enabled());
  trace::Debug("before the trace is open");
  ASSERT_TRUE(trace::Open(path, [&now] { return now; }));
  now = 1250;
  trace::Screen(0x201, -1);
  trace::Debug("Chyba p\xF8i\nna\xE8\xEDt\xE1n\xED");  // Windows-1250, with a line break
  trace::Debug("CD=/home/ji\xC5\x99\xC3\xAD/data");    // a path from the system, UTF-8 already
  trace::Speak("MLUVI", "Sounds\\Start\\sp_wait");
  trace::Question(0x202, trace::DragToRect(3, {10, 20, 30, 40}));
  trace::Answer(0x202, false, 2, 1);
  trace::Sync(1240);
  trace::Fatal(-1, "Bad properties");
  trace::Close();
  trace::Save();  // closed: nothing more is written

  EXPECT_EQ(folder.Read("trace.txt"),
            "1250 screen 0x201 0xffffffff\n"
            "1250 debug Chyba p\xC5\x99i na\xC4\x8D\xC3\xADt\xC3\xA1n\xC3\xAD\n"
            "1250 debug CD=/home/ji\xC5\x99\xC3\xAD/data\n"
            "1250 speak MLUVI Sounds\\Start\\sp_wait\n"
            "1250 question 0x202 drag 3 to 10,20,30,40\n"
            "1250 answer 0x202 wrong 2 1\n"
            "1240 sync\n"
            "1250 fatal -1 Bad properties\n");
}

}  // namespace
}  // namespace rufo
