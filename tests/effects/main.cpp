// The effects tests run on a real X server (scripts/desktop-session) with
// the real toolkit.
#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The programs that end themselves run in a fresh process of their own.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  kestara::StartToolkit();
  return RUN_ALL_TESTS();
}
