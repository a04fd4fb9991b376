// The toolkit tests run against the real Qt toolkit, headless by default.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  // Exit tests re-run this program for the one case: the child gets its
  // own fresh toolkit instead of a forked copy of ours.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  kestara::StartToolkit();
  return RUN_ALL_TESTS();
}
