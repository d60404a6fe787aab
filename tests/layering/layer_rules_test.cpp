// Each layer rule on a small tree of its own: the tree that keeps every
// rule passes, and each row breaks one rule and must be named for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "layering/layer_rules.h"

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

// A tree that keeps every rule: both windows share shared/, the core
// includes a plain header of keybind/.
const Files kGoodTree = {
    {"core/format.h", "#include <cstdint>\n#include \"keybind/keybind.h\"\n"},
    {"core/format.cpp", "#include \"core/format.h\"\n"},
    {"keybind/keybind.h", "#include <cstdint>\n"},
    {"shared/clipboard.h", "#include <windows.h>\n"},
    {"picker/spuit.cpp", "#include <windows.h>\n#include \"core/format.h\"\n#include \"shared/clipboard.h\"\n"},
    {"palette/copy.cpp", "#include \"shared/clipboard.h\"\n"},
    {"app/main.cpp", "#include \"picker/spuit.h\"\n"},
    {"picker/spuit.h", "#include <windows.h>\n"},
};

LayerReport Check(const Files& changes) {
  const fs::path root = fs::temp_directory_path() / ("layers-" + std::to_string(std::rand()));
  Files files = kGoodTree;
  for (const auto& [path, text] : changes) files[path] = text;
  for (const auto& [path, text] : files) {
    fs::create_directories((root / path).parent_path());
    std::ofstream(root / path) << text;
  }
  LayerReport report = CheckLayers(root);
  fs::remove_all(root);
  return report;
}

}  // namespace

TEST(LayerRules, EachBrokenRuleIsNamedWithItsInclude) {
  EXPECT_TRUE(Check({}).problems.empty());
  const struct {
    Files change;
    const char* problem;  // the include named, then why
  } rows[] = {
      {{{"core/format.cpp", "#include <windows.h>\n"}},
       "core/format.cpp:1: #include <windows.h>\n    the portable core never includes a Windows header"},
      {{{"core/colour.cpp", "#include \"shared/clipboard.h\"\n"}},
       "core/colour.cpp:1: #include \"shared/clipboard.h\"\n    core/ includes only core/"},
      // Code of a DLL's folder is no plain header.
      {{{"core/colour.cpp", "#include \"keybind/keybind_ctrl.h\"\n"}, {"keybind/keybind_ctrl.h", ""},
        {"keybind/keybind_ctrl.cpp", ""}},
       "core/ includes only core/"},
      {{{"palette/copy.h", ""}, {"picker/spuit.cpp", "#include \"palette/copy.h\"\n"},
        {"palette/copy.cpp", "#include \"picker/spuit.h\"\n"}},
       "folders palette/ and picker/ include each other"},
      {{{"shared/clipboard.cpp", "#include \"picker/spuit.h\"\n"}},
       "shared/clipboard (layer 2) includes picker/spuit (layer 3)"},
      {{{"app/main.h", ""}, {"picker/spuit.h", "#include \"app/main.h\"\n"}}, "only the shell includes app/"},
      {{{"core/format.h", "#include \"core/text.h\"\n"}, {"core/text.h", "#include \"core/format.h\"\n"}},
       "circle of units"},
  };
  for (const auto& row : rows) {
    const LayerReport report = Check(row.change);
    std::string all;
    for (const std::string& p : report.problems) all += p + "\n";
    EXPECT_NE(all.find(row.problem), std::string::npos) << "expected: " << row.problem << "\ngot:\n" << all;
  }
}
