#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

// A machine whose sound device cannot be opened: the game, in a real window, plays on silently
// past the title to the Start screen and its speeches, and its log says why there is no sound.
TEST(SilentRunTest, AFailingAudioDriverLeavesTheGameSilentAndSaysWhy) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  const fs::path data = fs::path(RUFO_BINARY_DIR) / "data";
  if (!fs::exists(data / ".demogen")) GTEST_SKIP() << "no generated data";
  test::TempFolder folder;
  fs::create_directories(folder.Path() / "rt");
  folder.Write("config/rufo.ini",
               "[Rufo I]\nCD=" + data.string() + "/\nHD=" + folder.Root() + "rt/\n");
  const std::string shot = folder.Root() + "start.png";
  test::Process rufo(test::BuiltProgram("rufo"), {},
                     {{"RUFO_HEADLESS", "0"},
                      {"RUFO_WINDOWED", "1"},
                      {"SDL_AUDIODRIVER", "no-such-driver"},
                      {"RUFO_CONFIG_DIR", folder.Root() + "config"},
                      {"XDG_RUNTIME_DIR", folder.Root()},
                      {"RUFO_RUN_MS", "9000"},
                      {"RUFO_CAPTURE", "8500:" + shot}});
  ASSERT_TRUE(rufo.Start());
  ASSERT_EQ(rufo.Wait(), 0) << rufo.StandardError();

  const std::string log = folder.Read("rt/Debug.log");
  const std::string failed = std::string("Chyba při inicializaci Direct sound\n");
  const std::string why = std::string("Hra poběží bez zvuku: ");
  const size_t at = log.find(failed + why);
  ASSERT_NE(at, std::string::npos) << log;
  const size_t reason = at + failed.size() + why.size();
  EXPECT_GT(log.find('\n', reason), reason) << "the reason is empty";
  EXPECT_NE(log.find("Interface::Init () OK\n"), std::string::npos) << log;

  // The Start screen's background, whose most common colour covers most of the frame.
  const std::vector<uint32_t> background =
      test::ReadPicture((data / "Bitmaps/Start/bg.png").string());
  const std::vector<uint32_t> frame = test::ReadPicture(shot);
  ASSERT_FALSE(background.empty());
  std::map<uint32_t, size_t> counts;
  for (uint32_t pixel : background)
    ++counts[pixel];
  const auto sand = std::max_element(counts.begin(), counts.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
  EXPECT_GE(size_t(std::count(frame.begin(), frame.end(), sand->first)), sand->second / 2)
      << "the game did not reach the Start screen";
}

}  // namespace
}  // namespace rufo
