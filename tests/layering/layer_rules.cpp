// The rules, from the bottom up (a unit is a header with its source file):
//   1. core/, keybind/, resources/; 2. hookcore/, store/, shared/;
//   3. picker/, palette/; 4. settings/; 5. app/.
// - A lower layer never includes a higher one, and nothing outside app/
//   includes app/.
// - A core file includes only core/, the standard library and plain
//   headers of keybind/ and resources/ (header-only, no Windows header
//   reached); never a Windows header.
// - No two folders include each other; no circle of units.
#include "layering/layer_rules.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

const char* const kFolders[] = {"core",   "keybind", "resources", "hookcore", "store",
                                "shared", "picker",  "palette",   "settings", "app"};

int FolderLayer(const std::string& folder) {
  if (folder == "core" || folder == "keybind" || folder == "resources") return 1;
  if (folder == "hookcore" || folder == "store" || folder == "shared") return 2;
  if (folder == "picker" || folder == "palette") return 3;
  if (folder == "settings") return 4;
  return 5;  // app
}

struct Include {
  std::string file;  // the including file, relative to the root
  int line;
  std::string text;    // as written
  std::string target;  // the included unit
};

struct Unit {
  std::vector<std::string> files;
  bool windows = false;     // reaches a Windows header
  bool hasSource = false;   // not header-only
  std::vector<Include> includes;
  std::vector<Include> windowsIncludes;  // of a Windows header, written here
};

std::string FolderOf(const std::string& unit) { return unit.substr(0, unit.find('/')); }

std::string UnitOf(const std::string& path) {
  const fs::path p(path);
  return (p.parent_path() / p.stem()).generic_string();
}

std::string Where(const Include& inc) { return inc.file + ":" + std::to_string(inc.line) + ": " + inc.text; }

void Scan(const fs::path& root, std::map<std::string, Unit>& units) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  static const std::regex kWindowsHeader(R"(^(windows|windef|winuser|wingdi|winbase|winnt|commctrl|shellapi)\.h$)",
                                         std::regex::icase);
  for (const char* folder : kFolders) {
    if (!fs::is_directory(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") continue;
      const std::string rel = fs::relative(entry.path(), root).generic_string();
      Unit& unit = units[UnitOf(rel)];
      unit.files.push_back(rel);
      if (ext == ".cpp") unit.hasSource = true;
      std::ifstream in(entry.path());
      std::string line;
      for (int n = 1; std::getline(in, line); ++n) {
        std::smatch m;
        if (!std::regex_search(line, m, kInclude)) continue;
        const std::string name = m[2];
        if (std::regex_match(name, kWindowsHeader)) {
          unit.windows = true;
          unit.windowsIncludes.push_back({rel, n, line, name});
        }
        if (m[1] != "\"") continue;
        // Written from the root, or beside the including file.
        fs::path target = root / name;
        if (!fs::exists(target)) target = entry.path().parent_path() / name;
        if (!fs::exists(target)) continue;
        const std::string targetUnit = UnitOf(fs::relative(target, root).generic_string());
        if (targetUnit == UnitOf(rel)) continue;
        unit.includes.push_back({rel, n, line, targetUnit});
      }
    }
  }
}

// Depth-first search for a circle; reports each one once, by its includes.
bool FindCircle(const std::map<std::string, Unit>& units, const std::string& at, std::map<std::string, int>& state,
                std::vector<const Include*>& path, std::vector<std::string>& found) {
  state[at] = 1;
  for (const Include& inc : units.at(at).includes) {
    if (units.find(inc.target) == units.end()) continue;
    path.push_back(&inc);
    if (state[inc.target] == 1) {
      std::string text = "circle of units:";
      auto start = std::find_if(path.begin(), path.end(),
                                [&](const Include* i) { return UnitOf(i->file) == inc.target; });
      for (auto it = start; it != path.end(); ++it) text += "\n    " + Where(**it);
      found.push_back(text);
      path.pop_back();
      state[at] = 2;
      return true;
    }
    if (state[inc.target] == 0 && FindCircle(units, inc.target, state, path, found)) {
      path.pop_back();
      state[at] = 2;
      return true;
    }
    path.pop_back();
  }
  state[at] = 2;
  return false;
}

// What a core unit may include besides core/: a plain header, such as the
// KeyBind record the DLLs share or the resource ids.
bool PlainHeader(const std::string& name, const Unit& unit) {
  const std::string folder = FolderOf(name);
  return (folder == "keybind" || folder == "resources") && !unit.hasSource && !unit.windows;
}

}  // namespace

LayerReport CheckLayers(const fs::path& root) {
  std::map<std::string, Unit> units;
  Scan(root, units);

  // A unit that reaches a Windows header through another is Win32 too.
  for (bool changed = true; changed;) {
    changed = false;
    for (auto& [name, unit] : units)
      for (const Include& inc : unit.includes) {
        auto target = units.find(inc.target);
        if (!unit.windows && target != units.end() && target->second.windows) unit.windows = changed = true;
      }
  }

  LayerReport report;
  report.units = units.size();
  std::vector<std::string>& problems = report.problems;
  // The first include from one folder into another, by the pair.
  std::map<std::pair<std::string, std::string>, const Include*> between;
  for (const auto& [name, unit] : units) {
    const std::string from = FolderOf(name);
    if (from == "core")
      for (const Include& inc : unit.windowsIncludes)
        problems.push_back(Where(inc) + "\n    the portable core never includes a Windows header");
    for (const Include& inc : unit.includes) {
      ++report.includes;
      const std::string to = FolderOf(inc.target);
      if (to != from) between.emplace(std::make_pair(from, to), &inc);
      if (from == "core" && to != "core" && !PlainHeader(inc.target, units.at(inc.target))) {
        problems.push_back(Where(inc) + "\n    core/ includes only core/, the standard library and plain headers (" +
                           inc.target + " is none)");
      } else if (to == "app" && from != "app") {
        problems.push_back(Where(inc) + "\n    only the shell includes app/; ask the main window or a callback it installed");
      } else if (FolderLayer(to) > FolderLayer(from)) {
        problems.push_back(Where(inc) + "\n    " + name + " (layer " + std::to_string(FolderLayer(from)) +
                           ") includes " + inc.target + " (layer " + std::to_string(FolderLayer(to)) +
                           "): a lower layer never includes a higher one");
      }
    }
  }
  for (const auto& [pair, inc] : between) {
    if (pair.first > pair.second) continue;  // each pair once
    auto back = between.find({pair.second, pair.first});
    if (back == between.end()) continue;
    problems.push_back("folders " + pair.first + "/ and " + pair.second + "/ include each other:\n    " + Where(*inc) +
                       "\n    " + Where(*back->second) + "\n    move what both need below both");
  }

  std::map<std::string, int> state;
  for (const auto& [name, unit] : units) {
    if (state[name] != 0) continue;
    std::vector<const Include*> path;
    FindCircle(units, name, state, path, problems);
  }
  return report;
}
