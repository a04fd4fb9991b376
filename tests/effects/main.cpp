// The effects tests run on a real X server (scripts/desktop-session) with
// the real toolkit. Listing them needs no display.
#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  // The programs that end themselves run in a fresh process of their own.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  kestara::StartToolkit();
  return RUN_ALL_TESTS();
}
