#include "app/main_window.h"

#include <commctrl.h>
#include <wtsapi32.h>

#include <string>

#include "app/after_drag.h"
#include "app/app_state.h"
#include "resources/messages.h"
#include "app/palette_hot_key.h"
#include "app/tray.h"
#include "store/settings_store.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "keybind/lumet.h"
#include "palette/palette_list.h"
#include "palette/palette_window.h"
#include "picker/picker_state.h"
#include "picker/picker_size.h"
#include "picker/picker_window.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "settings/settings_apply.h"
#include "settings/settings_dialog.h"
#include "shared/palette_link.h"

const char kPickerFailedText[] = "ピッカーの作成に失敗しました";
const char kErrorCaption[] = "エラー";

namespace {

// The shell's "TaskbarCreated": the tray icon must be added again.
UINT taskbarCreatedMessage = 0;

void OnCreate() {
  InitCommonControls();
  _InitKeyBindCtrl(appInstance);
}

void OnNotify(const NMHDR* header) {
  if (header->idFrom == IDC_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE)) ShowSelectedPage();
}

void ShowAboutBox(HWND window) {
  MSGBOXPARAMSW params = {};
  params.cbSize = sizeof params;
  params.hwndOwner = window;
  params.hInstance = appInstance;
  wchar_t text[512] = {};
  LoadStringW(appInstance, IDS_ABOUT, text, 512);
  const std::wstring caption = Widen("バージョン情報");
  params.lpszText = text;
  params.lpszCaption = caption.c_str();
  params.dwStyle = MB_USERICON;
  params.lpszIcon = MAKEINTRESOURCEW(IDI_SHOWN);
  params.dwLanguageId = 0x400;
  MessageBoxIndirectW(&params);
}

void ChooseRange(int index) {
  SetRangeIndex(index);
  SetPickerTimer(rangeSizes[index] == 1 ? 1 : 0);
}

// The palette's hot key is let go while the dialog is open, so that its
// key-bind controls get that key too.
void ShowSettingsNow(HWND, int page) {
  DropPaletteHotKey();
  ShowSettingsDialog(page);
}

// Not while a drag holds the picker: the drag would end with the picker
// shown.
void OpenSettings(int page) { RunWhenNoDrag(mainWindow, ShowSettingsNow, page); }

void OnClose(HWND window) {
  if (!settingsOpen) return;
  CloseSettingsDialog();
  HoldPaletteHotKey(window);
}

void OnCommand(HWND window, int id) {
  if (id >= CMD_RANGE_FIRST && id < CMD_RANGE_FIRST + rangeCount) {
    ChooseRange(id - CMD_RANGE_FIRST);
    return;
  }
  switch (id) {
    case IDC_ABOUT:
      MessageBeep(MB_ICONASTERISK);
      ShowAboutBox(window);
      break;
    case IDC_APPLY:
      ApplySettings();
      BuildTrayMenu();  // the range list may have changed
      break;
    case IDC_CLOSE: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case CMD_SETTINGS: OpenSettings(0); break;
    case CMD_SHOW_PICKER: TogglePickerShown(); break;
    case CMD_SHOW_PALETTE: TogglePaletteWanted(); break;
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_ZOOM: SetPickerZoom(!zoomActive); break;
    case CMD_ZOOM_X4:
    case CMD_ZOOM_X8:
    case CMD_ZOOM_X12:
    case CMD_ZOOM_X16:
      settings.ZoomLevel = id - CMD_ZOOM;
      if (pickerSuspended == 0 && zoomActive) UpdatePickerSize(pickerWindow);
      break;
  }
}

// The palette and show-picker shortcuts, handed over by the picker thread.
void OnRunShortcut(WPARAM slot) {
  if (settingsOpen) return;
  if (slot == kSlotPalette) TogglePaletteWanted();
  if (slot == kSlotShowPicker) TogglePickerShown();
}

// Windows lets the program take the foreground while it handles its hot
// key: the palette window comes to the front from here.
void OnHotKey(WPARAM id) {
  if (id == kPaletteHotKeyId) OnRunShortcut(kSlotPalette);
}

void OnOpenSettings(WPARAM page) {
  OpenSettings(page < kPageCount ? static_cast<int>(page) : 0);
}

// The shell's side of the picker and the palette window: they run on the
// picker thread or want what only the main window may do, so they post.
void PostPickerFailed() { PostMessageW(mainWindow, UM_PICKERFAILED, 0, 0); }
void PostShortcut(unsigned slot) { PostMessageW(mainWindow, UM_RUNSHORTCUT, slot, 0); }
void PostHdrChanged() { PostMessageW(mainWindow, UM_HDRCHANGED, 0, 0); }
void PostDragEnded() { PostMessageW(mainWindow, UM_DRAGIDLE, 0, 0); }
void PostOpenSettings(int page) { PostMessageW(mainWindow, UM_OPENSETTINGS, static_cast<WPARAM>(page), 0); }

// The palette window runs on the main thread: the picker is switched at once.
void HidePickerBehindPalette(int visible) {
  if (!settings.HidePicker) return;
  SetPickerSuspend(visible ? 1 : (settings.ShowPicker && !settingsOpen ? 0 : 1), 0);
}

// The picker stays out of the way of the palette window's menus, and comes
// back where the cursor is when they close. Meanwhile no drag starts, so
// none that ends brings it back over them.
void HidePickerWhileMenuOpen(int open) {
  if (open) ResetEvent(menuIdleEvent);
  else SetEvent(menuIdleEvent);
  SetPickerSuspend(PickerHiddenByChoice() ? 1 : 0, 0);
}

// Windows may have dropped the hooks while it slept or the session was
// locked.
void OnPowerBroadcast(WPARAM event) {
  if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) ReattachHookCore();
}

void OnSessionChange(WPARAM event) {
  if (event == WTS_SESSION_UNLOCK) ReattachHookCore();
}

void OnTimer(HWND window, WPARAM timer) {
  if (timer == kTrayRetryTimer) AddTrayIcon(window);
  if (timer == kDragWaitTimer) DropHeldAction(window);
}

void OnInitMenuPopup(HMENU menu) {
  if (trayMenu != nullptr && menu == GetSubMenu(trayMenu, 0)) UpdateTrayMenuStates();
}

void OnPickerFailed(HWND window, WPARAM code) {
  if (code != 0) return;
  MessageBoxSjis(window, kPickerFailedText, kErrorCaption, MB_ICONERROR);
  WaitForSingleObject(pickerThread, INFINITE);
  DestroyWindow(window);
}

// Closes the picker and waits for its thread to end.
void StopPickerThread() {
  if (pickerWindow != nullptr) SendMessageW(pickerWindow, UM_CLOSEPICKER, 0, 0);
  if (pickerThread == nullptr) return;
  WaitForSingleObject(pickerThread, INFINITE);
  CloseHandle(pickerThread);
  pickerThread = nullptr;
}

// What start-up made besides the picker, let go of at the end or when
// start-up fails part-way; each part only if it was made.
void ReleaseShellParts() {
  DropPaletteHotKey();
  SetPlacementWindow(nullptr);
  SetPaletteChangedHandler(nullptr);
  if (paletteWindow != nullptr) DestroyWindow(paletteWindow);
  paletteWindow = nullptr;
  if (trayIconData.cbSize != 0) RemoveTrayIcon();
  trayIconData = {};
  if (trayMenu != nullptr) DestroyMenu(trayMenu);  // the range submenu goes with it
  trayMenu = rangeMenu = nullptr;
  if (menuIdleEvent != nullptr) CloseHandle(menuIdleEvent);
  menuIdleEvent = nullptr;
  if (pickerReadyEvent != nullptr) CloseHandle(pickerReadyEvent);
  pickerReadyEvent = nullptr;
  if (user32Module != nullptr) FreeLibrary(user32Module);
  user32Module = nullptr;
  setLayeredWindowAttributes = nullptr;
}

// Saves everything, stops the picker thread and lets go of what start-up made.
void OnDestroy() {
  WTSUnRegisterSessionNotification(mainWindow);
  SaveSettings();
  StopPickerThread();
  ReleaseShellParts();
  FreeRangeList();
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (taskbarCreatedMessage != 0 && msg == taskbarCreatedMessage) {
    AddTrayIcon(hwnd);
    return 0;
  }
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: LayoutSettingsDialog(); return 0;
    case WM_NOTIFY: OnNotify(reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_CLOSE: OnClose(hwnd); return 0;
    case WM_HOTKEY: OnHotKey(wParam); return 0;
    case WM_ENDSESSION:
      if (wParam) SaveSettings();
      return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case UM_PICKERFAILED: OnPickerFailed(hwnd, wParam); return 0;
    case UM_OPENSETTINGS: OnOpenSettings(wParam); return 0;
    case UM_RUNSHORTCUT: OnRunShortcut(wParam); return 0;
    case UM_HDRCHANGED: UpdateTrayTip(); return 0;
    case UM_DRAGIDLE: OnDragIdle(hwnd); return 0;
    case UM_TRAYNOTIFY: OnTrayNotify(hwnd, lParam); return 0;
    case WM_TIMER: OnTimer(hwnd, wParam); return 0;
    case WM_POWERBROADCAST: OnPowerBroadcast(wParam); return TRUE;
    case WM_WTSSESSION_CHANGE: OnSessionChange(wParam); return 0;
  }
  // The frame is a dialog: Tab, arrows and mnemonics need the dialog procedure.
  return DefDlgProcW(hwnd, msg, wParam, lParam);
}

ThreadStarter startThread = CreateThread;

int RunMessageLoop(MessageGetter get) {
  // A failed first get leaves msg as it was: zero, never garbage.
  MSG msg = {};
  BOOL got;
  while ((got = get(&msg, nullptr, 0, 0)) > 0) {
    if (TranslateProgramMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return got < 0 ? -1 : static_cast<int>(msg.wParam);
}

bool RegisterMainWindowClass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWndProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = appInstance;
  wc.hIcon = LoadProgramIcon(IDI_SHOWN, 32);
  wc.hIconSm = LoadProgramIcon(IDI_SHOWN, 16);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainClass;
  return RegisterClassExW(&wc) != 0;
}

HWND CreateMainWindow() {
  return CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_FRAME), nullptr, nullptr, 0);
}

bool TranslateProgramMessage(MSG& msg) {
  // Only keys concern the dialog and the accelerators. Asking for every
  // message costs a server call each under Wine, and the collect palette
  // brings many.
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  if (settingsOpen && (TranslateSettingsKey(msg) || IsDialogMessageW(mainWindow, &msg))) return true;
  return paletteAccelerators != nullptr && TranslateAcceleratorW(paletteWindow, paletteAccelerators, &msg) != 0;
}

int InitMainWindow(HWND window) {
  if (window == nullptr) return kInitNoWindow;
  user32Module = LoadLibraryW(L"user32.dll");
  if (user32Module != nullptr)
    setLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(user32Module, "SetLayeredWindowAttributes")));
  menuIdleEvent = CreateEventW(nullptr, TRUE, TRUE, nullptr);

  // The picker thread makes its window (and, under Wine, its own display
  // connection) while this thread makes the settings tabs, the palette
  // window and the tray icon. It stays suspended until the end of start-up.
  pickerShell = {PostPickerFailed, PostShortcut, PostHdrChanged, PostDragEnded};
  HoldPaletteHotKey(window);  // before the picker thread hands the bindings to the hook core
  pickerReadyEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  pickerThread = startThread(nullptr, 0, PickerThreadMain, nullptr, 0, &pickerThreadId);
  if (pickerThread == nullptr) {
    ReleaseShellParts();
    return kInitNoPickerThread;
  }
  AttachSettingsFrame(window);
  paletteShell = {PostOpenSettings, HidePickerBehindPalette, HidePickerWhileMenuOpen};
  SetPaletteChangedHandler(OnPaletteChanged);
  const bool paletteMade = CreatePaletteWindow() == 0;
  // A picker thread that fails ends without setting the event.
  const HANDLE waits[2] = {pickerReadyEvent, pickerThread};
  if (!paletteMade) {
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    StopPickerThread();
    ReleaseShellParts();
    return kInitNoPaletteWindow;
  }
  SetPlacementWindow(paletteWindow);
  BuildTrayMenu();
  taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
  WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
  AddTrayIcon(window);

  WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  CloseHandle(pickerReadyEvent);
  pickerReadyEvent = nullptr;
  SetPickerSuspend(settings.ShowPicker ? 0 : 1, 0);
  return 0;
}
