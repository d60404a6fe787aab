// Reads the #include lines of the program's sources and fails on a broken
// layer rule, naming the include that broke it (the rules: layer_rules.cpp).
// Usage: check_layers ROOT
#include <cstdio>

#include "layering/layer_rules.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: check_layers ROOT\n");
    return 2;
  }
  const LayerReport report = CheckLayers(argv[1]);
  if (report.units == 0) {
    std::fprintf(stderr, "no sources under %s\n", argv[1]);
    return 2;
  }
  for (const std::string& p : report.problems) std::printf("%s\n", p.c_str());
  std::printf("%zu units, %zu includes between them: %zu broken rule(s)\n", report.units, report.includes,
              report.problems.size());
  return report.problems.empty() ? 0 : 1;
}
