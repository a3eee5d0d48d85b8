// GTP coordinates: A1 is the bottom-left point, I is skipped.
#include "gtp/vertex.h"

#include <gtest/gtest.h>

namespace kz::gtp {
namespace {

TEST(Vertex, FourCornersOfEachSize) {
  for (int n : {9, 13, 19}) {
    const char last = "ABCDEFGHJKLMNOPQRST"[n - 1];
    const std::string top = std::to_string(n);
    struct Corner {
      std::string text;
      int i, j;
    };
    for (const Corner& c : {Corner{"A1", 0, n - 1}, Corner{"A" + top, 0, 0},
                            Corner{std::string(1, last) + "1", n - 1, n - 1},
                            Corner{std::string(1, last) + top, n - 1, 0}}) {
      const auto v = ParseVertex(c.text, n);
      ASSERT_TRUE(v) << c.text << " on " << n;
      EXPECT_EQ(v->i, c.i) << c.text;
      EXPECT_EQ(v->j, c.j) << c.text;
      EXPECT_EQ(FormatPoint(c.i, c.j, n), c.text);
    }
  }
}

TEST(Vertex, SkipsIAndRejectsWhatIsOffTheBoard) {
  EXPECT_EQ(ParseVertex("J9", 9)->i, 8);
  EXPECT_FALSE(ParseVertex("I5", 9));
  EXPECT_FALSE(ParseVertex("K5", 9));
  EXPECT_FALSE(ParseVertex("A10", 9));
  EXPECT_FALSE(ParseVertex("A0", 9));
  EXPECT_FALSE(ParseVertex("", 9));
  EXPECT_FALSE(ParseVertex("Z", 9));
  EXPECT_FALSE(ParseVertex("A1x", 19));
  EXPECT_TRUE(ParseVertex("PASS", 9)->pass);
  EXPECT_EQ(ParseVertex("d4", 19)->i, 3);
  EXPECT_EQ(ParseVertex("d4", 19)->j, 15);
}

TEST(Vertex, Colours) {
  EXPECT_EQ(ParseColour("B"), 1);
  EXPECT_EQ(ParseColour("white"), -1);
  EXPECT_EQ(ParseColour("WHITE"), -1);
  EXPECT_EQ(ParseColour("x"), 0);
}

}  // namespace
}  // namespace kz::gtp
