#include <gtest/gtest.h>

#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

TEST(RegistryTest, ValuePathsSplitAtTheLastBackslashAndTypesMustMatch) {
  test::HeadlessEngine engine;
  Interface& e = engine.Engine();
  EXPECT_FALSE(e.OpenAppKey("", "Rufo")) << "no key without the game's name";
  EXPECT_FALSE(e.OpenAppKey("rufo", nullptr)) << "nor without its title";
  EXPECT_FALSE(e.OpenAppKey("rufo", ""));
  EXPECT_FALSE(e.RegSetDword("Count", 1));
  engine.Start();
  ASSERT_TRUE(e.RegSetString("Data Path", "/data/"));
  ASSERT_TRUE(e.RegSetDword("Count", 42));
  ASSERT_TRUE(e.RegSetBytes("Blob", "\x01\x00\xFF", 3));
  EXPECT_FALSE(e.RegSetString("Missing\\Value", "x")) << "setters do not create sub-keys";

  char text[16] = {};
  uint32_t size = sizeof text;
  ASSERT_TRUE(e.RegGetString("Data Path", text, &size));
  EXPECT_STREQ(text, "/data/");
  EXPECT_EQ(size, 7u) << "the size counts the terminator";

  size = 4;
  EXPECT_FALSE(e.RegGetString("Data Path", text, &size)) << "a short buffer is refused, not cut";

  uint32_t number = 0;
  EXPECT_TRUE(e.RegGetDword("Count", &number));
  EXPECT_EQ(number, 42u);
  EXPECT_FALSE(e.RegGetDword("Data Path", &number)) << "wrong type";
  size = sizeof text;
  EXPECT_FALSE(e.RegGetString("Count", text, &size)) << "wrong type";

  unsigned char bytes[8] = {};
  size = sizeof bytes;
  ASSERT_TRUE(e.RegGetBytes("Blob", bytes, &size));
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(bytes[2], 0xFF);
  EXPECT_FALSE(e.RegGetDword("Nowhere\\Count", &number));
}

TEST(RegistryTest, SubKeyValuesAndRootsFromTheRegistry) {
  test::HeadlessEngine engine;
  engine.Folder().Write("config/registry.txt",
                        "[SOFTWARE\\rufo\\Rufo - Tirlim]\n"
                        "\"Data Path\"=sz:\"/from/registry/\"\n"
                        "\"Runtime Path\"=dword:00000001\n"
                        "\"Third Path\"=sz:\"/third/\"\n"
                        "[software\\RUFO\\Rufo - Tirlim\\Sounds]\n"
                        "\"Volume\"=dword:0000000a\n");
  InterfaceProperties properties = test::HeadlessEngine::Properties();
  properties.useRegistry = true;
  Interface& e = engine.Engine();
  e.Init(&properties);
  EXPECT_EQ(e.Root(kDataRoot), "/from/registry/");
  EXPECT_EQ(e.Root(kRuntimeRoot), "") << "a value of another type leaves the root empty";
  EXPECT_EQ(e.Root(kThirdRoot), "/third/");

  uint32_t volume = 0;
  EXPECT_TRUE(e.RegGetDword("Sounds\\Volume", &volume));
  EXPECT_EQ(volume, 10u);
}

}  // namespace
}  // namespace rufo
