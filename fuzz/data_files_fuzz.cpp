// Any pickfmt.dat, range.dat and keycfg.dat: the loaded picker format, range
// list and bindings hold their invariants, and a save of them loads back to
// the same values.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/data_files.h"
#include "core/settings_file.h"
#include "fuzz_store.h"
#include "invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Three bytes give the files' lengths (255: the file is missing; the
  // first counts double, so pickfmt.dat can outgrow its 260-byte buffer),
  // the files follow one after the other.
  if (size < 3) return 0;
  FuzzStore store;
  const char* names[3] = {kPickerFormatFile, kRangeFile, kKeyConfigFile};
  std::size_t at = 3;
  for (int i = 0; i < 3; ++i) {
    if (data[i] == 255) continue;
    const std::size_t want = i == 0 ? 2u * data[i] : data[i];
    const std::size_t length = std::min(want, size - at);
    store.files[store.File(names[i])] = std::vector<std::uint8_t>(data + at, data + at + length);
    at += length;
  }

  LoadSettingsFrom(store);
  fuzz::RequireLoaded();
  // Whole records go to their slots, in the file's order.
  if (const auto& keys = store.files[store.File(kKeyConfigFile)]) {
    const std::size_t records = std::min<std::size_t>(keys->size() / sizeof(KeyBind), 5);
    for (std::size_t r = 0; r < records; ++r)
      fuzz::Require(std::memcmp(&keyBinds[kKeyConfigOrder[r]], keys->data() + r * sizeof(KeyBind),
                                sizeof(KeyBind)) == 0);
  }
  FuzzStore saved;
  fuzz::RequireSaveLoadsBack(saved);
  fuzz::Require(saved.files[saved.File(kKeyConfigFile)]->size() == 5 * sizeof(KeyBind));
  ResetPalettes();
  FreeRangeList();
  return 0;
}
