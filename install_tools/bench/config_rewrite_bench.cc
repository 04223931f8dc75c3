// Rewrites the configuration file named on the command line as ZARNDetect does,
// for scripts/bench-config-rewrite to time against sed.
#include <cstdio>

#include "core/config_rewrite.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <configuration file>\n", argv[0]);
    return 2;
  }
  platform::Status status = install_tools::RewriteConfigFile(argv[1]);
  if (!status.ok()) std::fprintf(stderr, "%s\n", status.message().c_str());
  return status.ok() ? 0 : 1;
}
