#include "picker/spuit.h"

#include <windows.h>

#include "config/settings.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "picker/clipboard.h"
#include "picker/format.h"
#include "picker/picker_state.h"

BeepFn spuitBeep = MessageBeep;

void Spuit() {
  if (settings.SpuitFormat[0] == '\0') return;
  const std::uint32_t colour = pickerColour;  // one sample for the text and the palette
  char text[kFormatBufferSize] = {};
  ExpandFormat(text, settings.SpuitFormat, colour, cursorPosition.x, cursorPosition.y,
               clientPosition.x, clientPosition.y, CurrentRange(), settings.ZoomLevel, 0);
  if (!PutTextOnClipboard(pickerWindow, text)) {
    spuitBeep(MB_ICONHAND);
    return;
  }

  if (settings.BeepOnSpuit && (!paletteShown || !settings.MuteBeep)) spuitBeep(MB_OK);
  if (palettes[kSpuitPalette].header.enabled)
    PostMessageA(paletteWindow, PM_ADDCOLOR, 0x10000, static_cast<LPARAM>(colour));
}
