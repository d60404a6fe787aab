// The layer rules of the program's includes, read from the #include lines
// of a source tree.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

struct LayerReport {
  std::size_t units = 0;
  std::size_t includes = 0;
  // Each broken rule: the include that broke it, then why.
  std::vector<std::string> problems;
};

LayerReport CheckLayers(const std::filesystem::path& root);
