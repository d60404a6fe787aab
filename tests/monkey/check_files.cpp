// Loads a monkey run's files as velun does, checks the fuzz targets' invariants and saves them again in
// memory: each file and INI value must be what a save of its load writes. Non-zero when one is not.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/memory_store.h"
#include "core/ini_text.h"
#include "core/settings_file.h"
#include "fuzz/invariants.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  MemoryStore disk, saved;
  for (const char* name : {"velun.ini", "pickfmt.dat", "range.dat", "keycfg.dat", "palette.dat"}) {
    std::ifstream in(std::string(argv[1]) + "/" + name, std::ios::binary);
    if (!in) return std::printf("missing %s\n", name), 1;
    disk.files[name].assign(std::istreambuf_iterator<char>(in), {});
  }
  const IniText text(std::string(disk.files["velun.ini"].begin(), disk.files["velun.ini"].end()));
  for (const SettingDef& row : kSettingsTable)
    if (const auto value = text.Get(row.section, row.key)) disk.profile[{row.section, row.key}] = *value;
  LoadSettingsFrom(disk);
  fuzz::RequireLoaded();  // aborts on a broken invariant
  if (!SaveSettingsTo(saved, nullptr)) return std::printf("no save\n"), 1;
  for (const auto& [name, bytes] : saved.files)
    if (disk.files[name] != bytes) return std::printf("%s is not what a save of its load writes\n", name.c_str()), 1;
  for (const auto& [at, value] : saved.profile)
    if (disk.profile[at] != value) return std::printf("velun.ini: %s is not what was saved\n", at.second.c_str()), 1;
  std::printf("files load and save back\n");
  return 0;
}
