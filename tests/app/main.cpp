// Each test runs in a process of its own, in a fresh working directory (the
// first-run marker is written there), with the real toolkit on the offscreen
// platform unless the caller chose another (listing needs no display).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "toolkit/toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::string dir = "/tmp/kestara-app-test.XXXXXX";
  if (mkdtemp(dir.data()) == nullptr || chdir(dir.c_str()) != 0) return 2;
  kestara::StartToolkit();
  kestara::ExitProgram(RUN_ALL_TESTS());
}
