#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// Writes the INI text (none when empty), starts the engine and returns its data, runtime and
// third roots.
std::vector<std::string> RootsAfterInit(test::HeadlessEngine& engine, const std::string& ini) {
  if (!ini.empty()) engine.Folder().Write("config/rufo.ini", ini);
  const InterfaceProperties properties = test::HeadlessEngine::Properties();
  Interface& e = engine.Engine();
  e.Init(&properties);
  return {e.Root(kDataRoot), e.Root(kRuntimeRoot), e.Root(kThirdRoot)};
}

class DataPathsTest : public ::testing::Test {
 protected:
  test::HeadlessEngine engine_;
};

TEST_F(DataPathsTest, RootsComeFromTheSectionAndStopAtTheNextSection) {
  engine_.Folder().Write("runtime/Debug.log", "old line that must go\n");
  const std::vector<std::string> roots = RootsAfterInit(engine_,
                                                        "CD=/before/section/\n"
                                                        "[Rufo I]\n"
                                                        "HD=" +
                                                            engine_.RuntimeRoot() +
                                                            "\n"
                                                            "CD=/first/\n"
                                                            "CD=/data/root/ \n"
                                                            "cd=/lower/case/\n"
                                                            "Third Path=/wrong/case/\n"
                                                            "; comment\n"
                                                            "[Other]\n"
                                                            "Third path=/too/late/\n");
  // The last line wins and keeps its blank.
  EXPECT_EQ(roots, (std::vector<std::string>{"/data/root/ ", engine_.RuntimeRoot(), ""}));
  Interface& e = engine_.Engine();
  EXPECT_EQ(e.MakeDataPath("Data\\x.dat", kDataRoot), "/data/root/ Data\\x.dat");
  EXPECT_EQ(e.MakeDataPath("x.dat", kNoRoot), "x.dat");
  EXPECT_EQ(engine_.LogText(),  // the log of an earlier run is replaced
            "CD=/data/root/ \nHD=" + engine_.RuntimeRoot() + "\nInterface::Init () OK\n");
}

// The header is recognised by its second to seventh characters and CRLF line ends are text; a
// missing section or file leaves the roots empty; an overlong line is cut and the overflow, which
// would read as an "HD=" line, is not taken for a line.
TEST(DataPathsRootsTest, HeaderMissingSectionsAndOverlongLines) {
  const std::string longRoot = "/" + std::string(300, 'a');
  const struct {
    std::string ini;
    std::vector<std::string> roots;
  } cases[] = {
      {"<Rufo I> anything\r\nThird path=/third/\r\nCD=/d/\r\n", {"/d/", "", "/third/"}},
      {"[Rufa I]\nCD=/x/\nThird path=/t/\n", {"", "", ""}},
      {"[Rufo I]\nCD=" + longRoot.substr(0, 251) + "HD=/evil/" + longRoot + "\nThird path=/t/\n",
       {longRoot.substr(0, 251), "", "/t/"}},
      {"", {"", "", ""}},  // no file at all
  };
  for (const auto& c : cases) {
    test::HeadlessEngine engine;
    EXPECT_EQ(RootsAfterInit(engine, c.ini), c.roots) << c.ini.substr(0, 40);
  }
}

TEST_F(DataPathsTest, OpenDataFileFallsBackBetweenTheMainRootsAndLogsTheSecondPath) {
  Interface& e = engine_.Start();
  engine_.Folder().Write("runtime/Cursors.dat", "runtime");
  engine_.Folder().Write("data/Data/Start/screen.dat", "data");

  std::FILE* f = e.OpenDataFile("Cursors.dat", "rt", kDataRoot, true);
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  f = e.OpenDataFile("data\\start\\SCREEN.DAT", "rb", kRuntimeRoot, true);
  ASSERT_NE(f, nullptr) << "backslashes and letter case are resolved";
  std::fclose(f);

  EXPECT_EQ(e.OpenDataFile("missing.dat", "rb", kDataRoot, false), nullptr);
  EXPECT_EQ(e.OpenDataFile("missing.dat", "rb", kThirdRoot, true), nullptr);
  EXPECT_EQ(e.OpenDataFile("missing.dat", "rb", kDataRoot, true), nullptr);
  const std::string log = engine_.LogText();
  EXPECT_NE(log.find("Cannot load file \"" + engine_.RuntimeRoot() + "missing.dat\"\n"),
            std::string::npos);
  EXPECT_EQ(log.find("Cannot load file \"" + engine_.DataRoot()), std::string::npos)
      << "only the fallback attempt is reported, once";
}

// The log goes where it can be written: the runtime root, else the data root, else standard
// error, so that what went wrong with the runtime root is still told somewhere.
TEST_F(DataPathsTest, TheLogGoesToTheDataRootOrToStandardErrorWhenTheRuntimeRootCannotTakeIt) {
  engine_.Folder().Write("config/rufo.ini",
                         "[Rufo I]\nCD=" + engine_.DataRoot() + "\nHD=/proc/no-such/\n");
  const InterfaceProperties properties = test::HeadlessEngine::Properties();
  ASSERT_TRUE(engine_.Engine().Init(&properties));
  engine_.Engine().LogOnce("told once");
  engine_.Engine().LogOnce("told once");
  EXPECT_EQ(engine_.Folder().Read("data/Debug.log"),
            "CD=" + engine_.DataRoot() + "\nHD=/proc/no-such/\nInterface::Init () OK\ntold once\n");
  engine_.Engine().Shutdown();

  std::filesystem::remove(engine_.Folder().Path() / "data/Debug.log");
  std::filesystem::create_directories(engine_.Folder().Path() / "data/Debug.log/x");
  testing::internal::CaptureStderr();
  EXPECT_TRUE(engine_.Engine().Init(&properties));
  engine_.Engine().Shutdown();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("HD=/proc/no-such/\n"), std::string::npos);
}

}  // namespace
}  // namespace rufo
