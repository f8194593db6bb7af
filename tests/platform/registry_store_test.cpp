#include "platform/registry_store.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace rufo::platform {
namespace {

TEST(RegistryStoreTest, ValuesSurviveAReloadWithTheirTypesAndOddBytes) {
  test::TempFolder folder;
  const auto file = folder.Path() / "sub" / "registry.txt";
  {
    RegistryStore store(file);
    ASSERT_TRUE(store.CreateKey("SOFTWARE\\rufo\\Rufo - Tirlim"));
    ASSERT_TRUE(store.Set("software\\RUFO\\Rufo - Tirlim", "Name \"quoted\"",
                          {RegistryType::kString, "P\xF8\xEDli\x9A \\ \n end"}));
    ASSERT_TRUE(store.Set("SOFTWARE\\rufo", "Count", {RegistryType::kDword, {"\x2A\0\0\x80", 4}}));
    ASSERT_TRUE(store.Set("SOFTWARE", "Empty", {RegistryType::kBinary, ""}));
    EXPECT_FALSE(store.Set("SOFTWARE\\other", "x", {RegistryType::kString, "y"}));
  }
  RegistryStore reloaded(file);
  reloaded.Load();
  EXPECT_EQ(reloaded.Get("SOFTWARE\\rufo\\Rufo - Tirlim", "Name \"quoted\""),
            (RegistryValue{RegistryType::kString, "P\xF8\xEDli\x9A \\ \n end"}));
  EXPECT_EQ(reloaded.Get("SOFTWARE\\RUFO", "Count"),
            (RegistryValue{RegistryType::kDword, {"\x2A\0\0\x80", 4}}));
  EXPECT_EQ(reloaded.Get("SOFTWARE", "Empty"), (RegistryValue{RegistryType::kBinary, ""}));
  EXPECT_FALSE(reloaded.Get("SOFTWARE", "Count").has_value());
  EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
}

TEST(RegistryStoreTest, DamagedLinesAreSkippedAndTheRestIsKept) {
  RegistryStore store("/nonexistent/registry.txt");
  store.LoadFromText(
      "\"Orphan\"=sz:\"no key yet\"\n"
      "[A\\B]\r\n"
      "\"Good\"=sz:\"yes\"\r\n"
      "\"Unterminated=sz:\"x\"\n"
      "\"Bad escape\"=sz:\"\\x4\"\n"
      "\"Short dword\"=dword:123\n"
      "\"Odd hex\"=hex:0,1\n"
      "\"Trailing\"=sz:\"x\" junk\n"
      "\"Unknown\"=qword:00\n"
      "[]\n"
      "\"After empty key\"=sz:\"lost\"\n"
      "[A]\n"
      "\"Bytes\"=hex:de,ad\n");
  EXPECT_EQ(store.Get("a\\b", "Good"), (RegistryValue{RegistryType::kString, "yes"}));
  EXPECT_EQ(store.Get("A", "Bytes"), (RegistryValue{RegistryType::kBinary, "\xDE\xAD"}));
  for (const char* name : {"Unterminated", "Bad escape", "Short dword", "Odd hex", "Trailing",
                           "Unknown", "After empty key", "Orphan"}) {
    EXPECT_FALSE(store.Get("A\\B", name).has_value()) << name;
  }
  EXPECT_TRUE(store.KeyExists("A"));
}

}  // namespace
}  // namespace rufo::platform
