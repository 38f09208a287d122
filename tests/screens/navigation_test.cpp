#include <gtest/gtest.h>

#include "app/form1.h"
#include "support/fake_services.h"

using tsp::testing::TestApp;

TEST(Navigation, StartShowsOnlyTheStartScreen) {
  TestApp t;
  t.App->Start();
  EXPECT_TRUE(t.App->StartScreen().IsShown());
}
