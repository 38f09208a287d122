#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace tsp {
namespace {

struct ValueCase {
  std::string Text;
  double Value;
};

class NumericValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumber) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(NumericValue(c.Text), c.Value) << "text: \"" << c.Text << "\"";
}

const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    ::testing::Values(
        ValueCase{"12", 12}, ValueCase{"", 0}, ValueCase{"abc", 0}, ValueCase{" 1 2 3", 123},
        ValueCase{"1 .5", 1.5}, ValueCase{"\t\n42", 42}, ValueCase{"4\t2", 42}, ValueCase{"-5", -5},
        ValueCase{"- 5", -5}, ValueCase{"+7", 7}, ValueCase{"--5", 0}, ValueCase{"7 km", 7},
        ValueCase{"100.5", 100.5}, ValueCase{"-100.9", -100.9}, ValueCase{"0.0", 0},
        ValueCase{".5", 0.5}, ValueCase{"-.5", -0.5}, ValueCase{"..5", 0}, ValueCase{"1.2.3", 1.2},
        ValueCase{"1,5", 1}, ValueCase{"1E1", 10}, ValueCase{"1e1", 10}, ValueCase{"2.5E-1", 0.25},
        ValueCase{"5E", 5}, ValueCase{"5E+", 5}, ValueCase{"5e-x", 5}, ValueCase{"5 E 2", 500},
        ValueCase{"&H1F", 31}, ValueCase{"&h ff", 255}, ValueCase{"&HFFFF", 65535},
        ValueCase{"&O17", 15}, ValueCase{"&o8", 0}, ValueCase{"&X1", 0}, ValueCase{"&", 0},
        ValueCase{"&H-1", 0}, ValueCase{"1e400", kInf}, ValueCase{"-1e400", -kInf},
        ValueCase{"1e-400", 0}, ValueCase{"1e99999999999999999999", kInf},
        ValueCase{std::string(500, '9'), kInf}, ValueCase{std::string(500, '0') + "1", 1},
        ValueCase{"0." + std::string(500, '0') + "1", 0},
        ValueCase{"12345678901234567890", 12345678901234567890.0},
        ValueCase{"\xC2\xA0"
                  "5",
                  0},
        ValueCase{"5\xC3\xA9", 5}, ValueCase{"\r5", 0}));

TEST(ToInt16, RoundsHalvesToEven) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(-3.5), -4);
  EXPECT_EQ(ToInt16(0.5), 0);
  EXPECT_EQ(ToInt16(1.5), 2);
  EXPECT_EQ(ToInt16(98 * 0.99999994f + 1), 99);
  EXPECT_EQ(ToInt16(-0.4), 0);
}

TEST(ToInt16, RefusesWhatDoesNotFit) {
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  EXPECT_EQ(ToInt16(-32769), std::nullopt);
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt16(std::nan("")), std::nullopt);
}

TEST(WholeNumber, AcceptsOnlyCompleteDecimals) {
  EXPECT_EQ(WholeNumber("7"), 7);
  EXPECT_EQ(WholeNumber(" 7 "), 7);
  EXPECT_EQ(WholeNumber("7.0"), 7);
  EXPECT_EQ(WholeNumber("5.5"), 6);
  EXPECT_EQ(WholeNumber("4.5"), 4);
  EXPECT_EQ(WholeNumber("2.5"), 2);
  EXPECT_EQ(WholeNumber("-1"), -1);
  EXPECT_EQ(WholeNumber("+3"), 3);
  EXPECT_EQ(WholeNumber("5."), 5);
  EXPECT_EQ(WholeNumber(".5"), 0);
  EXPECT_EQ(WholeNumber("-32768"), -32768);
  for (const char* bad : {"7 km", "", " ", ".", "-", "1E1", "40000", " - 5", "1 2", "&H1"}) {
    EXPECT_EQ(WholeNumber(bad), std::nullopt) << bad;
  }
}

TEST(IntText, IsPlainDecimal) {
  EXPECT_EQ(IntText(7), "7");
  EXPECT_EQ(IntText(-1), "-1");
  EXPECT_EQ(IntText(-32768), "-32768");
}

TEST(Add16, ThrowsInsteadOfWrapping) {
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_EQ(Add16(-32767, -1), -32768);
  EXPECT_THROW(Add16(32767, 1), std::overflow_error);
  EXPECT_THROW(Add16(-32768, -1), std::overflow_error);
}

}  // namespace
}  // namespace tsp
