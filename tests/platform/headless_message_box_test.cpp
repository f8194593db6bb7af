#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/cp1250.h"
#include "platform/message_box.h"

namespace rufo::platform {
namespace {

TEST(HeadlessMessageBoxTest, BoxesGoToStandardErrorInUtf8AndAreRecordedUntilTaken) {
  HeadlessMessageBox box;
  const std::string text = Utf8ToCp1250("Chybí složka s obrázky");
  testing::internal::CaptureStderr();
  box.ShowError("Chyba", text);
  box.ShowError(":o(", "druha");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Chyba: Chybí složka s obrázky\n:o(: druha\n");
  EXPECT_EQ(box.TakeShown(), (std::vector<std::string>{text, "druha"}));
  EXPECT_TRUE(box.TakeShown().empty());

  // Another box keeps its own record.
  HeadlessMessageBox other;
  testing::internal::CaptureStderr();
  other.ShowError("Chyba", "jina");
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(box.TakeShown().empty());
  EXPECT_EQ(other.TakeShown().size(), 1u);

  // Boxes from several threads are all recorded.
  testing::internal::CaptureStderr();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&box] {
      for (int i = 0; i < 50; ++i)
        box.ShowError("Chyba", "x");
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(box.TakeShown().size(), 200u);
}

}  // namespace
}  // namespace rufo::platform
