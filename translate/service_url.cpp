// Kept in a file of its own so that a test program can link its own
// loopback address in its place.
#include "translate/service_url.h"

#include "build_config.h"

namespace kestara {

std::string ServiceUrl() { return kServiceUrl; }

}  // namespace kestara
