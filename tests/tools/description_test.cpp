#include "tools/demogen/description.h"

#include <gtest/gtest.h>

namespace rufo::demogen {
namespace {

TEST(Description, BlocksWordsOptionsAndTexts) {
  const auto statements = ParseDescription(
      "# a comment\n"
      "picture Bitmaps\\Start\\bg 640 480 opaque   # trailing comment\n"
      "  sky top=#336699\n"
      "\n"
      "\tflower 10 20 14 color=red\n"
      "speech rufo Sounds\\x \"Řekni \\\"ahoj\\\" # ne komentář\"\n",
      "start.txt");
  ASSERT_EQ(statements.size(), 2u);
  const Statement& picture = statements[0];
  EXPECT_EQ(picture.keyword, "picture");
  EXPECT_EQ(picture.Word(0), "Bitmaps\\Start\\bg");
  EXPECT_EQ(picture.Int(1), 640);
  EXPECT_TRUE(picture.HasWord("opaque"));
  ASSERT_EQ(picture.children.size(), 2u);
  EXPECT_EQ(picture.children[0].Option("top", ""), "#336699");
  EXPECT_EQ(picture.children[1].Real(2), 14.0);
  EXPECT_EQ(picture.children[1].where, "start.txt:5");
  EXPECT_EQ(statements[1].Quoted(), "Řekni \"ahoj\" # ne komentář");
  EXPECT_EQ(statements[1].Words().size(), 2u);
}

}  // namespace
}  // namespace rufo::demogen
