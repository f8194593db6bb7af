#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace rufo::platform {
namespace {

namespace fs = std::filesystem;

// A folder is held by one holder at a time, read-only or not, while folders that do not exist
// (a path through a file) stop nobody; each holder keeps every lock it takes until it releases.
TEST(InstanceLockTest, AFolderIsHeldByOneHolderAtATime) {
  test::TempFolder folder;
  const fs::path shared = folder.Path() / "shared";
  const fs::path readOnly = folder.Path() / "read-only";
  fs::create_directories(shared);
  fs::create_directories(readOnly);
  ::chmod(readOnly.c_str(), 0555);
  const fs::path file = folder.Write("file", "");

  InstanceLock first;
  ASSERT_TRUE(first.AcquireFolder(shared));
  ASSERT_TRUE(first.AcquireFolder(readOnly));
  InstanceLock second;
  EXPECT_FALSE(second.AcquireFolder(shared));
  EXPECT_FALSE(second.AcquireFolder(readOnly)) << "both of the first holder's locks stay";
  EXPECT_TRUE(second.AcquireFolder(folder.Path())) << "another folder is free";
  EXPECT_TRUE(second.AcquireFolder(file / "x"));
  EXPECT_TRUE(first.AcquireFolder(file / "x"));

  first.Release();
  EXPECT_TRUE(second.AcquireFolder(shared));
  EXPECT_TRUE(second.AcquireFolder(readOnly));
  ::chmod(readOnly.c_str(), 0755);
}

}  // namespace
}  // namespace rufo::platform
