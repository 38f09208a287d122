#include "core/graph/matrix.h"

#include <gtest/gtest.h>

#include <string>

namespace tsp {
namespace {

TEST(CheckMatrix, BlankEditorPasses) {
  EXPECT_TRUE(CheckMatrix(MatrixTexts::Blank()).Passes());
}

TEST(CheckMatrix, WhiteBoxesReadExactlyOneOrZero) {
  for (const char* bad : {" 1", "1.0", "01", "", "2"}) {
    MatrixTexts texts = MatrixTexts::Blank();
    texts.White[BoxIndex(9, 8)] = bad;  // hidden boxes count too
    texts.Red[3] = "0";
    const MatrixCheck check = CheckMatrix(texts);
    EXPECT_FALSE(check.Passes()) << bad;
    EXPECT_EQ(check.BadWhite.count(), 1u);
    EXPECT_TRUE(check.BadWhite[98]);
    // A bad white box keeps the red ones from being checked.
    EXPECT_FALSE(check.RedChecked);
    EXPECT_TRUE(check.BadRed.none());
  }
}

struct RedCase {
  const char* Text;
  bool Passes;
};

class RedBox : public ::testing::TestWithParam<RedCase> {};

TEST_P(RedBox, PassesStrictlyBetweenMinusAndPlus101ButNotZero) {
  MatrixTexts texts = MatrixTexts::Blank();
  texts.Red[BoxIndex(7, 2)] = GetParam().Text;
  const MatrixCheck check = CheckMatrix(texts);
  EXPECT_TRUE(check.RedChecked);
  EXPECT_EQ(check.Passes(), GetParam().Passes);
  EXPECT_EQ(check.BadRed[72], !GetParam().Passes);
  EXPECT_EQ(IsWeightText(GetParam().Text), GetParam().Passes);
}

INSTANTIATE_TEST_SUITE_P(Texts, RedBox,
                         ::testing::Values(RedCase{"1", true}, RedCase{"100.9", true},
                                           RedCase{"-100.9", true}, RedCase{"0.3", true},
                                           RedCase{"7 km", true}, RedCase{"&H10", true},
                                           RedCase{"101", false}, RedCase{"-101", false},
                                           RedCase{"0", false}, RedCase{"0.0", false},
                                           RedCase{"abc", false}, RedCase{"", false},
                                           RedCase{"1e400", false}));

TEST(KeepOneBoxPerPair, FirstBoxInBoxOrderWinsAndTheDiagonalClears) {
  std::array<std::string, BoxCount> white;
  white.fill("0");
  white[BoxIndex(2, 5)] = "1";
  white[BoxIndex(5, 2)] = "1";  // the pair again: the earlier box 25 stays
  white[BoxIndex(7, 3)] = "1";  // below the diagonal only: stays there
  white[BoxIndex(4, 4)] = "1";
  white[BoxIndex(0, 1)] = " 1";  // not a "1": clears nothing, but is cleared by box 10
  white[BoxIndex(1, 0)] = "1";
  const auto kept = KeepOneBoxPerPair(white);
  std::array<std::string, BoxCount> expected = white;
  expected[52] = "0";
  expected[44] = "0";
  expected[1] = "0";
  EXPECT_EQ(kept, expected);
}

TEST(KeepOneBoxPerPair, FullMatrixKeepsTheUpperTriangle) {
  std::array<std::string, BoxCount> white;
  white.fill("1");
  const auto kept = KeepOneBoxPerPair(white);
  for (int box = 0; box < BoxCount; ++box) {
    EXPECT_EQ(kept[box], BoxRow(box) < BoxColumn(box) ? "1" : "0") << box;
  }
}

struct WeightCase {
  const char* Text;
  std::int16_t Weight;
};

class WeightOfTextTest : public ::testing::TestWithParam<WeightCase> {};

TEST_P(WeightOfTextTest, RoundsHalfToEvenAndClamps) {
  EXPECT_EQ(WeightOfText(GetParam().Text), GetParam().Weight) << '"' << GetParam().Text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WeightOfTextTest,
    ::testing::Values(WeightCase{"7.0", 7}, WeightCase{" 7", 7}, WeightCase{"5.5", 6},
                      WeightCase{"4.5", 4}, WeightCase{"-2.5", -2}, WeightCase{"7 km", 7},
                      WeightCase{"1E1", 10}, WeightCase{"0.4", 0}, WeightCase{"0.3", 0},
                      WeightCase{"abc", 0}, WeightCase{"-101", -101}, WeightCase{"101", 101},
                      WeightCase{"250", 101}, WeightCase{"40000", 101}, WeightCase{"-1E300", -101},
                      WeightCase{"1e400", 101}, WeightCase{"-1e400", -101}));

}  // namespace
}  // namespace tsp
