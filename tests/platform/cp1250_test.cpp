#include "platform/cp1250.h"

#include <gtest/gtest.h>

namespace rufo::platform {
namespace {

TEST(Cp1250Test, CzechLettersRoundTripAndUnknownsBecomeQuestionMarks) {
  const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy – „Šťastný“";
  const std::string bytes = Utf8ToCp1250(czech);
  EXPECT_EQ(bytes.substr(0, 6), "P\xF8\xEDli\x9A");
  EXPECT_EQ(Cp1250ToUtf8(bytes), czech);
  EXPECT_EQ(Utf8ToCp1250("日本"), "??");
  EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?") << "a cut sequence at the end";
  EXPECT_EQ(Cp1250ToUtf8("\x81\x98"), "??") << "bytes without a character";
}

}  // namespace
}  // namespace rufo::platform
