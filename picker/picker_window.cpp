#include "picker/picker_window.h"

#include <windowsx.h>


#include "core/colour.h"
#include "core/dpi_scale.h"
#include "core/palette_model.h"
#include "core/picker_geometry.h"
#include "core/settings.h"
#include "hookcore/hook_messages.h"
#include "hookcore/velun_core.h"
#include "picker/hook_link.h"
#include "picker/picker_drag.h"
#include "picker/picker_paint.h"
#include "picker/picker_size.h"
#include "picker/picker_state.h"
#include "picker/sample.h"
#include "picker/spuit.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"
#include "shared/palette_link.h"

namespace {

constexpr wchar_t kPickerClass[] = L"zq_velun_picker";
constexpr char kPickerTitle[] = "ぬべらピッカー";
constexpr UINT_PTR kRedrawTimer = 0;
constexpr UINT kRedrawInterval = 20;
// The cursor and client positions and the picker's size are written on the
// picker thread only: other threads ask it (UM_SWITCHTIMER and the rest),
// as they must for its timer.

// Once a second the picker looks whether the hooks still report, and
// whether a drag's button is still down.
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchInterval = 1000;

// coreAction: positive attaches the hook core, negative releases it.
void ActOnHookCore(int coreAction) {
  if (coreAction > 0) AttachHookCore(pickerWindow);
  else if (coreAction < 0) ReleaseHookCore();
}

void Repaint(HWND window) { PaintPickerNow(window, PickerViewNow()); }

int SuspendMode() {
  if (!Suspended()) return kHookActive;
  return settings.EnableSpuitOnSuspend ? kHookSuspendedWithSpuit : kHookSuspended;
}

// The picker stands beside the cursor, so a large square reaches under it.
// Windows 10 2004 and later keep a window out of screen reads; elsewhere
// (and under Wine) its pixels are left out of the average and the zoom.
void KeepOutOfScreenReads(HWND window) {
  using SetWindowDisplayAffinityFn = BOOL(WINAPI*)(HWND, DWORD);
  constexpr DWORD kExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
  const auto set = reinterpret_cast<SetWindowDisplayAffinityFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetWindowDisplayAffinity")));
  pickerHiddenFromCapture = set != nullptr && set(window, kExcludeFromCapture);
}

// Where the low-level hook's positions are physical like everything else,
// the picker stands at the move report; elsewhere at GetCursorPos.
bool useReportedPosition = true;

// Samples at cursor and, unless a hidden picker only samples for the spuit,
// places the picker beside it. Picker thread only.
void MoveTo(HWND window, POINT cursor) {
  cursorPosition = cursor;
  POINT client = cursor;
  ScreenToClient(WindowFromPoint(cursor), &client);
  clientPosition = client;
  const std::uint32_t colour = SampleColour(cursor.x, cursor.y, CurrentRange(), PickerPixels());
  pickerColour = colour;
  pickerTextColour = TextColourFor(colour, settings.ThresholdText);
  if (Suspended() && settings.EnableSpuitOnSuspend) return;

  int dpi = kBaseDpi;
  const MonitorArea monitor = MonitorUnder(cursor, dpi);
  FollowDpi(window, dpi);
  const PickerPoint at = PlacePicker(cursor.x, cursor.y, ScaleToDpi(settings.CursorMarginX, pickerDpi),
                                     ScaleToDpi(settings.CursorMarginY, pickerDpi), pickerWidth, pickerHeight,
                                     monitor, settings.AdjustPickerPosition != 0);
  // The old picture is not copied along: all of it is drawn again now.
  SetWindowPos(window, HWND_TOP, at.x, at.y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOCOPYBITS);
  pickerRect = {at.x, at.y, at.x + pickerWidth, at.y + pickerHeight};
  Repaint(window);
}

// A drag ended: after the last the picker comes back, and only then may
// the main thread go on.
void AfterDrag(HWND window) {
  if (!Dragging()) {
    if (settings.ForceUpdateAfterDrag && settings.ShowPicker) InvalidateRect(nullptr, nullptr, TRUE);
    SetPickerSuspend(PickerHiddenByChoice() ? 1 : 0, 0);
    SetEvent(dragIdleEvent);
    if (pickerShell.dragEnded != nullptr) pickerShell.dragEnded();
  }
  MovePicker(window);
}

// The next report of the hook core is another move: placing and painting
// the picker for this one, nobody would see. Under Wine a move costs about
// 3 ms, and a fast mouse reports more often than that.
bool AnotherMoveIsNext(HWND window) {
  MSG next;
  return PeekMessageW(&next, window, HCN_MOUSEMOVE, HCN_ZOOMINPUT, PM_NOREMOVE) && next.message == HCN_MOUSEMOVE;
}

// The hook runs before the system moves the cursor, so the report carries
// the position that GetCursorPos may not give yet.
void OnMouseMove(HWND window, LPARAM lParam) {
  POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  NoteMoveReport(at);
  if (!useReportedPosition && !readCursorPos(&at)) at = cursorPosition;
  if (EndReleasedDrags()) AfterDrag(window);
  if (StartHeldDrags()) SetPickerSuspend(1, 0);
  bool moved = false;
  if ((!Suspended() || settings.EnableSpuitOnSuspend) && !pickerLocked && !Dragging() && !AnotherMoveIsNext(window)) {
    MoveTo(window, at);
    moved = true;
  }
  // The collect palette gathers the colours the cursor passes over. At
  // range 1 the move has just read this very pixel.
  if (!Suspended() && !paletteShown && palettes[kCollectPalette].header.enabled) {
    const std::uint32_t c = moved && CurrentRange() == 1 ? pickerColour.load() : SampleColour(at.x, at.y, 1);
    PostMessageW(paletteWindow, PM_ADDCOLOR, 1, static_cast<LPARAM>(c));
  }
}

void OnShortcutUp(WPARAM slot) {
  if (slot == kSlotZoom && !settings.UseToggleForZoom) SetPickerZoom(0);
}

void OnZoomInput(HWND window, WPARAM kind, LPARAM lParam) {
  if (kind == 0) {
    settings.ZoomLevel = ZoomLevelAfterWheel(settings.ZoomLevel, static_cast<short>(HIWORD(lParam)));
    UpdatePickerSize(window);
    MovePicker(window);
  } else if (kind == 1) {
    POINT p;
    if (!readCursorPos(&p)) p = cursorPosition;  // where it last was
    switch (lParam) {
      case VK_LEFT: --p.x; break;
      case VK_UP: --p.y; break;
      case VK_RIGHT: ++p.x; break;
      case VK_DOWN: ++p.y; break;
    }
    SetCursorPos(p.x, p.y);
    NoteMoveReport(p);  // a move no hook reports
  }
}

void OnCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case CMD_SPUIT: Spuit(); break;
    case CMD_UNLOCK: SetPickerLock(0); break;
  }
}

void OnDestroy(HWND window) {
  if (window != pickerWindow) return;  // a picker whose creation failed
  if (settings.RealtimeDraw && !Suspended() && !pickerLocked) KillTimer(window, kRedrawTimer);
  KillTimer(window, kWatchTimer);
  CloseHandle(dragIdleEvent);
  dragIdleEvent = nullptr;
  ReleaseHookCore();
  if (pickerFont != nullptr) DeleteObject(pickerFont);
  pickerFont = nullptr;
  pickerWindow = nullptr;
  PostQuitMessage(0);  // the picker thread ends with 0
}

}  // namespace

void ReattachHookCore() {
  if (pickerWindow != nullptr) PostMessageW(pickerWindow, UM_REATTACH, 0, 0);
}

bool PickerHiddenByChoice() {
  const bool menuOpen = WaitForSingleObject(menuIdleEvent, 0) == WAIT_TIMEOUT;
  return !settings.ShowPicker || settingsOpen || menuOpen || (paletteShown && settings.HidePicker);
}

LRESULT CALLBACK PickerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DESTROY: OnDestroy(hwnd); return 0;
    case WM_PAINT: PaintPicker(hwnd, PickerViewNow()); return 0;
    case WM_NCHITTEST: return HTCAPTION;
    case WM_NCLBUTTONDBLCLK:
      if (pickerLocked) SetPickerLock(0);
      return 0;
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_CLOSE:
    case WM_ERASEBKGND: return 0;
    case WM_TIMER:
      if (wParam == kWatchTimer) {
        WatchHookCore(hwnd);
        if (EndReleasedDrags()) AfterDrag(hwnd);
      } else {
        PickerTick();
      }
      return 0;
    case UM_REATTACH: AttachHookCoreAgain(hwnd); return 0;
    case UM_COREACTION: ActOnHookCore(static_cast<int>(wParam)); return 0;
    case WM_DISPLAYCHANGE: ForgetMonitor(); return 0;
    case WM_DPICHANGED: FollowDpi(hwnd, LOWORD(wParam)); return 0;  // the picker places itself
    case UM_SWITCHTIMER: SetPickerTimer(static_cast<int>(wParam)); return 0;
    case UM_MOVEPICKER: MovePicker(hwnd); return 0;
    case UM_RESIZEPICKER: UpdatePickerSize(hwnd); return 0;
    case UM_CLOSEPICKER: DestroyWindow(hwnd); return 0;
    case HCN_MOUSEMOVE: OnMouseMove(hwnd, lParam); return 0;
    case HCN_BUTTONUP:
      if (EndDragOf(wParam)) AfterDrag(hwnd);
      return 0;
    case HCN_SHORTCUT: OnShortcut(static_cast<unsigned>(wParam)); return 0;
    case HCN_SHORTCUTUP: OnShortcutUp(wParam); return 0;
    case HCN_ZOOMINPUT: OnZoomInput(hwnd, wParam, lParam); return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

DWORD WINAPI PickerThreadMain(LPVOID) {
  if (CreatePicker(nullptr) != 0) {
    if (pickerShell.pickerFailed != nullptr) pickerShell.pickerFailed();
    return static_cast<DWORD>(-1);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<DWORD>(msg.wParam);
}

int CreatePicker(HWND parent) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_NOCLOSE | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
  wc.lpfnWndProc = PickerWndProc;
  wc.hInstance = appInstance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kPickerClass;
  if (!RegisterClassExW(&wc)) return kPickerNoWindow;

  pickerWindow = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPickerClass, Widen(kPickerTitle).c_str(),
                                 WS_POPUP | WS_SYSMENU, 0, 0, 0, 0, parent, nullptr, appInstance,
                                 nullptr);
  if (pickerWindow == nullptr) return kPickerNoWindow;
  dragIdleEvent = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  int result = 0;
  if (dragIdleEvent == nullptr) {
    result = kPickerNoWindow;  // without it the main thread could not tell a drag from none
  } else {
    PassSettingsToHookCore(0);
    if (!AttachHookCore(pickerWindow)) {
      ReleaseHookCore();
      result = kPickerCoreRefused;
    }
  }
  if (result != 0) {
    HWND failed = pickerWindow;
    pickerWindow = nullptr;
    DestroyWindow(failed);
    if (dragIdleEvent != nullptr) CloseHandle(dragIdleEvent);
    dragIdleEvent = nullptr;
    return result;
  }
  pickerSuspended = -1;
  SetTimer(pickerWindow, kWatchTimer, kWatchInterval, nullptr);
  KeepOutOfScreenReads(pickerWindow);
  useReportedPosition = PerMonitorAware();
  POINT cursor = {};
  readCursorPos(&cursor);
  FollowDpi(pickerWindow, MonitorDpiAt(cursor));
  SetPickerLayered(settings.Layered && !settings.LayeredOnZoomOnly);
  Repaint(pickerWindow);
  SetEvent(pickerReadyEvent);
  return 0;
}

void MovePicker(HWND window) {
  if (window == nullptr || HandedToPickerThread(window, UM_MOVEPICKER, 0, true)) return;
  // Where the cursor cannot be read (a secure desktop), it stays where it was.
  POINT cursor;
  if (!readCursorPos(&cursor)) cursor = cursorPosition;
  MoveTo(window, cursor);
}

void PickerTick() {
  if (Suspended() || pickerLocked || Dragging()) return;
  const std::uint32_t c = SampleColour(cursorPosition.x, cursorPosition.y, CurrentRange(), PickerPixels());
  if (!zoomActive && c == pickerColour) return;
  pickerColour = c;
  pickerTextColour = TextColourFor(c, settings.ThresholdText);
  Repaint(pickerWindow);
}

void SetPickerTimer(int on) {
  if (pickerWindow == nullptr || HandedToPickerThread(pickerWindow, UM_SWITCHTIMER, on, false)) return;
  if (!on) {
    KillTimer(pickerWindow, kRedrawTimer);
    return;
  }
  if (settings.RealtimeDraw && !Suspended() && !pickerLocked &&
      (CurrentRange() <= 1 || !settings.UseLimiterForRealtimeDraw))
    SetTimer(pickerWindow, kRedrawTimer, kRedrawInterval, nullptr);
}

void SetPickerSuspend(int suspend, int coreAction) {
  if (suspend == pickerSuspended && coreAction == 0) return;
  if (suspend == 0 && coreAction == 0 && __GetVelunCore() == 0) return;  // stays hidden
  pickerSuspended = suspend;
  // The hook core's attachment is the picker thread's to keep.
  if (coreAction != 0 && !HandedToPickerThread(pickerWindow, UM_COREACTION, static_cast<WPARAM>(coreAction), true))
    ActOnHookCore(coreAction);
  __SetVelunSuspend(SuspendMode());
  if (!Suspended() && !pickerLocked) MovePicker(pickerWindow);
  SetPickerTimer(!Suspended());
  ShowWindow(pickerWindow, Suspended() ? SW_HIDE : SW_SHOWNA);
}

void SetPickerLock(int on) {
  if (on == pickerLocked) return;
  pickerLocked = on;
  SetPickerTimer(!pickerLocked);
  if (pickerLocked) Repaint(pickerWindow);
  else MovePicker(pickerWindow);
}

void SetPickerZoom(int on) {
  if (on == zoomActive || settings.ZoomLevel == 0 || (settings.ZoomType == 1 && settings.ZoomRect == 0))
    return;
  zoomActive = on;
  if (settings.Layered && settings.LayeredOnZoomOnly) SetPickerLayered(on);
  UpdatePickerSize(pickerWindow);
  MovePicker(pickerWindow);
  __SetVelunZoom(zoomActive, settings.ChangeZoomLevelByWheel, settings.AdjustCurPosByArrow,
                 settings.UseToggleForZoom);
}

void SetPickerLayered(int on) {
  if (setLayeredWindowAttributes == nullptr || pickerWindow == nullptr) return;
  const LONG style = GetWindowLongW(pickerWindow, GWL_EXSTYLE);
  if (on) {
    if (!(style & WS_EX_LAYERED)) SetWindowLongW(pickerWindow, GWL_EXSTYLE, style | WS_EX_LAYERED);
    setLayeredWindowAttributes(pickerWindow, 0, static_cast<BYTE>(255 - settings.LayeredLevel), LWA_ALPHA);
  } else if (style & WS_EX_LAYERED) {
    SetWindowLongW(pickerWindow, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
  }
}

void OnShortcut(unsigned slot) {
  if (settingsOpen) return;
  switch (slot) {
    case kSlotSpuit:
      if ((!Suspended() || settings.EnableSpuitOnSuspend) && !Dragging()) Spuit();
      break;
    case kSlotPalette:
      // The palette window and the tray icon belong to the main thread.
      if (pickerShell.runShortcut != nullptr) pickerShell.runShortcut(slot);
      break;
    case kSlotLock:
      if (!Suspended() && !zoomActive && !Dragging()) SetPickerLock(!pickerLocked);
      break;
    case kSlotZoom:
      if (!Suspended() && !pickerLocked && !Dragging()) SetPickerZoom(!zoomActive);
      break;
    case kSlotShowPicker:
      if (!pickerLocked && !Dragging() && pickerShell.runShortcut != nullptr) pickerShell.runShortcut(slot);
      break;
  }
}
