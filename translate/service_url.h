#pragma once

#include <string>

namespace kestara {

// The service's translate page: the build constant SERVICE_URL.
std::string ServiceUrl();

}  // namespace kestara
