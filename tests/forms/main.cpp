// The forms tests run with the real toolkit started once, on the offscreen
// platform unless the caller chose another one (listing the tests needs no
// display either).
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  kestara::StartToolkit();
  // Ends the way the program does: the toolkit's exit, not static teardown.
  kestara::ExitProgram(RUN_ALL_TESTS());
}
