// Reads the #include lines of the program's sources and fails on a broken
// layer rule, naming the include that broke it:
//   - no circle of units (a unit is a header with its source file);
//   - nothing outside app/ includes app/ (the shell is on top);
//   - a unit never includes one of a higher layer: keybind/, resources/ and
//     the portable core (units without a Windows header) at the bottom, then
//     hookcore/ and config/, then picker/ and palette/, then settings/, then
//     app/. So picker/ and palette/ never include the settings dialog.
// Usage: check_layers ROOT
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kFolders[] = {"keybind", "resources", "hookcore", "config", "picker", "palette",
                                "settings", "app"};

int FolderLayer(const std::string& folder) {
  if (folder == "keybind" || folder == "resources") return 1;
  if (folder == "hookcore" || folder == "config") return 2;
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
  bool windows = false;  // reaches a Windows header: not portable core
  std::vector<Include> includes;
};

std::string FolderOf(const std::string& unit) { return unit.substr(0, unit.find('/')); }

std::string UnitOf(const std::string& path) {
  const fs::path p(path);
  return (p.parent_path() / p.stem()).generic_string();
}

int Layer(const std::map<std::string, Unit>& units, const std::string& name) {
  const Unit& u = units.at(name);
  return u.windows ? FolderLayer(FolderOf(name)) : 1;
}

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
      std::ifstream in(entry.path());
      std::string line;
      for (int n = 1; std::getline(in, line); ++n) {
        std::smatch m;
        if (!std::regex_search(line, m, kInclude)) continue;
        const std::string name = m[2];
        if (std::regex_match(name, kWindowsHeader)) unit.windows = true;
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

std::string Where(const Include& inc) { return inc.file + ":" + std::to_string(inc.line) + ": " + inc.text; }

// Depth-first search for a circle; reports each one once, by its includes.
bool FindCircle(const std::map<std::string, Unit>& units, const std::string& at,
                std::map<std::string, int>& state, std::vector<const Include*>& path,
                std::vector<std::string>& found) {
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: check_layers ROOT\n");
    return 2;
  }
  const fs::path root = argv[1];
  std::map<std::string, Unit> units;
  Scan(root, units);
  if (units.empty()) {
    std::fprintf(stderr, "no sources under %s\n", root.string().c_str());
    return 2;
  }

  // A unit that reaches a Windows header through another is Win32 too.
  for (bool changed = true; changed;) {
    changed = false;
    for (auto& [name, unit] : units)
      for (const Include& inc : unit.includes) {
        auto target = units.find(inc.target);
        if (!unit.windows && target != units.end() && target->second.windows) unit.windows = changed = true;
      }
  }

  std::vector<std::string> problems;
  std::size_t includes = 0;
  for (const auto& [name, unit] : units) {
    for (const Include& inc : unit.includes) {
      ++includes;
      const std::string from = FolderOf(name);
      const std::string to = FolderOf(inc.target);
      if (to == "app" && from != "app") {
        problems.push_back(Where(inc) + "\n    only the shell includes app/; ask the main window or a callback it installed");
      } else if (Layer(units, inc.target) > Layer(units, name)) {
        problems.push_back(Where(inc) + "\n    " + name + " (layer " + std::to_string(Layer(units, name)) +
                           ") includes " + inc.target + " (layer " + std::to_string(Layer(units, inc.target)) +
                           "): a lower layer never includes a higher one");
      }
    }
  }

  std::map<std::string, int> state;
  for (const auto& [name, unit] : units) {
    if (state[name] != 0) continue;
    std::vector<const Include*> path;
    FindCircle(units, name, state, path, problems);
  }

  for (const std::string& p : problems) std::printf("%s\n", p.c_str());
  std::printf("%zu units, %zu includes between them: %zu broken rule(s)\n", units.size(), includes,
              problems.size());
  return problems.empty() ? 0 : 1;
}
