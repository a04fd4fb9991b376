// The service address the program's tests point the exchange at (it
// replaces the build constant in the test programs only).
#pragma once

#include <string>

namespace kestara::testing {
void SetServiceUrlForTests(const std::string& url);
}  // namespace kestara::testing
