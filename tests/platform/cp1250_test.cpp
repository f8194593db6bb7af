#include "platform/cp1250.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// Texts for people come from the game (Windows-1250) and from the system (UTF-8 paths) alike.
TEST(Cp1250Test, ReadableTextKeepsUtf8AndConvertsTheGamesTexts) {
  const std::string czech = "Chyba při načítání souboru 'Cursors.dat'";
  const std::string path = "/home/jiří/Hry/rufo";
  const std::pair<std::string, std::string> cases[] = {
      {Utf8ToCp1250(czech), czech},
      {path, path},
      {"plain ASCII", "plain ASCII"},
      {"\xC3", "\xC4\x82"},              // a cut sequence is a Windows-1250 letter
      {"\xC0\xAF", "\xC5\x94\xC5\xBB"},  // an overlong form is not UTF-8
      {"\xED\x9F\xBF", "\xED\x9F\xBF"},  // U+D7FF
  };
  for (const auto& [text, readable] : cases) {
    EXPECT_EQ(ReadableUtf8(text), readable) << text;
  }
}

}  // namespace
}  // namespace rufo::platform
