#include "picker/spuit.h"

#include <windows.h>

#include <cstring>

#include "config/settings.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "picker/format.h"
#include "picker/picker_state.h"

BeepFn spuitBeep = MessageBeep;

void Spuit() {
  if (settings.SpuitFormat[0] == '\0') return;
  const std::uint32_t colour = pickerColour;  // one sample for the text and the palette
  char text[kFormatBufferSize] = {};
  ExpandFormat(text, settings.SpuitFormat, colour, cursorPosition.x, cursorPosition.y,
               clientPosition.x, clientPosition.y, CurrentRange(), settings.ZoomLevel, 0);
  const std::size_t size = std::strlen(text) + 1;

  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (memory == nullptr) {
    spuitBeep(MB_ICONHAND);
    return;
  }
  void* locked = GlobalLock(memory);
  if (locked != nullptr) {
    std::memcpy(locked, text, size);
    GlobalUnlock(memory);
  }
  if (locked == nullptr || !OpenClipboard(pickerWindow)) {
    GlobalFree(memory);
    spuitBeep(MB_ICONHAND);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);  // still ours then
  CloseClipboard();

  if (settings.BeepOnSpuit && (!paletteShown || !settings.MuteBeep)) spuitBeep(MB_OK);
  if (palettes[kSpuitPalette].header.enabled)
    PostMessageA(paletteWindow, PM_ADDCOLOR, 0x10000, static_cast<LPARAM>(colour));
}
