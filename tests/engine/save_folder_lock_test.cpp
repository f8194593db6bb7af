#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/instance_lock.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

// A copy of the game in a window, with a runtime folder ($XDG_RUNTIME_DIR) of its own, started
// while another copy holds the folder its profiles are saved in. There is no display: the
// refusal comes before the window, and its message box goes to standard error.
class SaveFolderLockTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteTestCursors(folder_, "data/"); }

  test::Process& Start(const std::string& runtimeRoot, bool headless = false) {
    folder_.Write("config/rufo.ini",
                  "[Rufo I]\nCD=" + folder_.Root() + "data/\nHD=" + runtimeRoot + "\n");
    copy_ = std::make_unique<test::Process>(
        test::BuiltProgram("rufo"), std::vector<std::string>{},
        std::map<std::string, std::string>{{"RUFO_HEADLESS", headless ? "1" : "0"},
                                           {"RUFO_CONFIG_DIR", folder_.Root() + "config"},
                                           {"XDG_RUNTIME_DIR", folder_.Root() + "own"},
                                           {"RUFO_RUN_MS", "300"},
                                           {"DISPLAY", ""},
                                           {"WAYLAND_DISPLAY", ""},
                                           {"SDL_VIDEODRIVER", ""}});
    EXPECT_TRUE(copy_->Start());
    return *copy_;
  }
  static std::string Refusal(const fs::path& folder) {
    return "Rufo už hraje v jiném okně a ukládá dětem nálepky do stejné složky (" +
           folder.string() +
           "). Dvě hry najednou by si je navzájem přepsaly, a tak se tahle nespustí. Hrajte "
           "prosím v okně, které už je otevřené.";
  }

  test::TempFolder folder_;
  std::unique_ptr<test::Process> copy_;
};

// The copy ends with exit code 0 and says why, and the running copy's log keeps its lines and
// gets the reason added. A runtime root that is no folder sends saves and the log to the data
// root, so there the data folder is the one held. A headless run is never refused.
TEST_F(SaveFolderLockTest, ACopySavingIntoAHeldFolderEndsAndSaysWhy) {
  folder_.Write("not-a-folder", "");
  struct Case {
    std::string runtimeRoot;
    std::string held;  // relative to the test's folder, where the log is too
  };
  const Case cases[] = {{folder_.Root() + "rt/", "rt"}, {folder_.Root() + "not-a-folder/", "data"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.runtimeRoot);
    const fs::path held = folder_.Path() / c.held;
    folder_.Write(c.held + "/Debug.log", "the running copy's line\n");
    platform::InstanceLock running;
    ASSERT_TRUE(running.AcquireFolder(held));

    test::Process& copy = Start(c.runtimeRoot);
    EXPECT_EQ(copy.Wait(), 0);
    EXPECT_NE(copy.StandardError().find("Chyba: " + Refusal(held) + "\n"), std::string::npos)
        << copy.StandardError();
    EXPECT_EQ(folder_.Read(c.held + "/Debug.log"),
              "the running copy's line\n" + Refusal(held) + "\n");
  }

  platform::InstanceLock running;
  ASSERT_TRUE(running.AcquireFolder(folder_.Path() / "rt"));
  test::Process& headless = Start(folder_.Root() + "rt/", true);
  EXPECT_EQ(headless.Wait(), 0) << headless.StandardError();
  EXPECT_EQ(headless.StandardError(), "");
}

}  // namespace
}  // namespace rufo
