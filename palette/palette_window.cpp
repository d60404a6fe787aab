#include "palette/palette_window.h"

#include "config/settings.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "resources/program_module.h"
#include "resources/resource.h"

HACCEL paletteAccelerators = nullptr;
PaletteShell paletteShell = {};

namespace {

constexpr char kPaletteClass[] = "zq_velun_palette";
constexpr char kPaletteTitle[] = "ぬべらパレット";

void OnClose() {
  paletteWanted = 0;
  ShowPalette(0);
}

}  // namespace

LRESULT CALLBACK PaletteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE: OnClose(); return 0;
    case PM_ADDCOLOR:
      AddPaletteColor(static_cast<std::uint32_t>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DESTROY: ResetPalettes(); return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int CreatePaletteWindow() {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = PaletteWndProc;
  wc.hInstance = appInstance;
  wc.hIcon = LoadProgramIcon(IDI_SHOWN, 32);
  wc.hIconSm = LoadProgramIcon(IDI_SHOWN, 16);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kPaletteClass;
  if (!RegisterClassExA(&wc)) return -1;

  paletteWindow = CreateWindowExA(0, kPaletteClass, kPaletteTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, nullptr, nullptr, appInstance, nullptr);
  if (paletteWindow == nullptr) return -1;
  SetWindowPos(paletteWindow, settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, settings.X, settings.Y,
               settings.CX, settings.CY, SWP_NOACTIVATE);
  return 0;
}

void ShowPalette(int visible) {
  if (visible == paletteShown) return;
  if (settings.HidePicker) {
    const int suspend = visible ? 1 : (settings.ShowPicker && !settingsOpen ? 0 : 1);
    SetPickerSuspend(suspend, 0);
  }
  if (visible) {
    ShowWindow(paletteWindow, SW_SHOW);
    SetForegroundWindow(paletteWindow);
  } else {
    ShowWindow(paletteWindow, SW_HIDE);
  }
  paletteShown = visible;
}
