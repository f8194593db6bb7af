#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/profile.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kDemoData = fs::path(RUFO_BINARY_DIR) / "data";

// The first screens played from outside on the demo data: the title, the Start screen's
// speeches (clicks go on until the introduction is skipped), a face picked for slot 0, the cap
// carried onto it, the jump, and the learning garden.
std::string PlayScript() {
  std::string script = "300 lup\n";
  for (int t = 2000; t < 30000; t += 1000) {
    script += std::to_string(t) + " move 600 40\n" + std::to_string(t + 100) + " ldown\n" +
              std::to_string(t + 150) + " lup\n";
  }
  script +=
      "32000 move 116 283\n32100 ldown\n32150 lup\n"   // the free face shows picture 1
      "33000 move 203 297\n33100 ldown\n33150 lup\n"   // the cap is picked up
      "34000 move 116 283\n34100 ldown\n34150 lup\n";  // and dropped on the face
  return script;
}

TEST(FirstScreensTest, TitleStartFaceCapJumpAndTheLearningGarden) {
  if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
  test::TempFolder folder;
  fs::create_directories(folder.Path() / "rt");
  folder.Write("config/rufo.ini",
               "[Rufo I]\nCD=" + kDemoData.string() + "/\nHD=" + folder.Root() + "rt/\n");
  folder.Write("input.txt", PlayScript());
  const std::string start = folder.Root() + "start.png";
  test::Process rufo(test::BuiltProgram("rufo"), {},
                     {{"RUFO_HEADLESS", "1"},
                      {"RUFO_CONFIG_DIR", folder.Root() + "config"},
                      {"XDG_RUNTIME_DIR", folder.Root()},
                      {"RUFO_RUN_MS", "60000"},
                      {"RUFO_SEED", "7"},
                      {"RUFO_INPUT", folder.Root() + "input.txt"},
                      {"RUFO_CAPTURE", "33500:" + start}});
  ASSERT_TRUE(rufo.Start());
  ASSERT_EQ(rufo.Wait(), 0) << rufo.StandardError();

  const std::string user = folder.Read("rt/rufo_usr.dat");
  ASSERT_EQ(user.size(), kProfileCount * ProfileRecord::kSize) << "written when the jump ended";
  ProfileRecord slot0;
  slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
  EXPECT_EQ(slot0.inUse, 1);
  EXPECT_EQ(slot0.face, 1);
  ProfileRecord slot1;
  slot1.Load(reinterpret_cast<const uint8_t*>(user.data()) + ProfileRecord::kSize);
  EXPECT_EQ(slot1.inUse, 0);
  EXPECT_EQ(slot1.face, -1);
  EXPECT_EQ(test::ReadPicture(start).size(), 640u * 480u);
}

}  // namespace
}  // namespace rufo
