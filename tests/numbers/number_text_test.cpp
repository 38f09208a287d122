#include <gtest/gtest.h>
#include "entry/number_text.h"
TEST(NumericValue, Smoke) { EXPECT_EQ(tsp::NumericValue("12"), 12.0); }
