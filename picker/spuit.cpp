#include "picker/spuit.h"

#include <windows.h>

#include "core/format.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "picker/picker_state.h"
#include "shared/clipboard.h"
#include "shared/palette_link.h"

BeepFn spuitBeep = MessageBeep;

void Spuit() {
  if (settings.SpuitFormat[0] == '\0') return;
  const std::uint32_t colour = pickerColour;  // one sample for the text and the palette
  char text[kFormatBufferSize] = {};
  ExpandFormat(text, settings.SpuitFormat, SampleInput(colour));
  if (!PutTextOnClipboard(pickerWindow, text)) {
    spuitBeep(MB_ICONHAND);
    return;
  }

  if (settings.BeepOnSpuit && (!paletteShown || !settings.MuteBeep)) spuitBeep(MB_OK);
  if (palettes[kSpuitPalette].header.enabled)
    PostMessageW(paletteWindow, PM_ADDCOLOR, 0x10000, static_cast<LPARAM>(colour));
}
