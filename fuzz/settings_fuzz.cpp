// Any velun.ini values, read through the settings table and the number
// conversion from an in-memory store: the loaded settings hold their
// invariants, and a save of them loads back to the same values.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/settings_file.h"
#include "fuzz_store.h"
#include "invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Line k is the value of setting k of the table; a missing line, a
  // missing key. A line may hold anything but a line feed.
  FuzzStore store;
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t at = 0;
  for (int row = 0; row < kSettingCount && at <= input.size(); ++row) {
    const std::size_t end = std::min(input.find('\n', at), input.size());
    store.values[row] = input.substr(at, end - at);
    at = end + 1;
  }
  LoadSettingsFrom(store);
  fuzz::RequireLoaded();
  FuzzStore saved;
  fuzz::RequireSaveLoadsBack(saved);
  // Read and never written: it stays what the first store said.
  ResetPalettes();
  FreeRangeList();
  return 0;
}
