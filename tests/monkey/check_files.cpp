// Loads the files a monkey run saved, as velun does, checks what the fuzz
// targets check after a load, and saves them again in memory: what velun
// wrote at its exit must be byte for byte what a save of what it loads
// writes, or a file was cut or damaged (a cut file loads as less, and its
// save writes more). Non-zero when one fails.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "core/ini_text.h"
#include "core/settings_file.h"
#include "fuzz/invariants.h"

namespace {
std::optional<std::vector<std::uint8_t>> Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class DirStore : public DataStore {
 public:
  explicit DirStore(std::string dir) : dir_(std::move(dir)) {
    auto ini = Slurp(dir_ + "/velun.ini");
    if (ini) ini_ = IniText(std::string(ini->begin(), ini->end()));
  }
  std::string ReadProfile(const char* section, const char* key, const char* fallback) override {
    return ini_.Get(section, key).value_or(fallback).substr(0, 259);
  }
  void WriteProfile(const char* section, const char* key, const char* value) override { ini_.Set(section, key, value); }
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override { return Slurp(dir_ + "/" + name); }
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override {
    written_[name] = bytes;
    return true;
  }
  // A name whose saved bytes differ from the file's, or null.
  const char* Differing() const {
    const auto ini = Slurp(dir_ + "/velun.ini");
    if (!ini || std::string(ini->begin(), ini->end()) != ini_.text()) return "velun.ini";
    for (const auto& [name, bytes] : written_)
      if (Slurp(dir_ + "/" + name) != bytes) return name.c_str();
    return nullptr;
  }

 private:
  std::string dir_;
  IniText ini_;
  std::map<std::string, std::vector<std::uint8_t>> written_;
};
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  for (const char* name : {"velun.ini", "pickfmt.dat", "range.dat", "keycfg.dat", "palette.dat"})
    if (!Slurp(std::string(argv[1]) + "/" + name)) {
      std::printf("missing %s\n", name);
      return 1;
    }
  DirStore store(argv[1]);
  LoadSettingsFrom(store);
  fuzz::RequireLoaded();  // aborts on a broken invariant
  if (!SaveSettingsTo(store, nullptr)) return std::printf("no save\n"), 1;
  if (const char* name = store.Differing()) return std::printf("%s is not what a save of its load writes\n", name), 1;
  std::printf("files load and save back\n");
  return 0;
}
