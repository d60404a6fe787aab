// VELUN.DLL: the system-wide input hook. Low-level keyboard and mouse hooks
// run on a thread of their own, so a busy program never stalls the user's
// input (Windows drops a low-level hook that answers too slowly); the
// callbacks only compare and post.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <new>

#include "hookcore/hook_logic.h"
#include "hookcore/hook_messages.h"

namespace {

HINSTANCE dllInstance = nullptr;
CRITICAL_SECTION configLock;
// Attaching and releasing may come from different threads of the program:
// the hook thread's handle and id change only under this lock.
CRITICAL_SECTION lifeLock;
// How long a release waits for the hook thread before it unhooks by itself.
constexpr DWORD kStopWaitMs = 5000;
HookConfig config = {};  // written by the program's threads, read by the hooks

// The hook thread's own.
HookState state = {};
// The hooks of one attach, removed by its hook thread as it ends or by a
// release that gave up waiting for it: whoever takes a handle first
// unhooks it. Each attach has a set of its own, so a late thread of an
// earlier attach can never remove the hooks of a newer one. Freed by the
// last of its two users, the hook thread and the attach.
struct HookSet {
  HHOOK volatile keyboard = nullptr;
  HHOOK volatile mouse = nullptr;
  LONG volatile users = 2;
};

// Owned by the attaching caller.
HWND volatile target = nullptr;
HANDLE hookThread = nullptr;
DWORD hookThreadId = 0;
HookSet* hooks = nullptr;  // the current attach's, under lifeLock

HookConfig Snapshot() {
  EnterCriticalSection(&configLock);
  const HookConfig c = config;
  LeaveCriticalSection(&configLock);
  return c;
}

template <typename F>
void Configure(F&& change) {
  EnterCriticalSection(&configLock);
  change(config);
  LeaveCriticalSection(&configLock);
}

HeldInput Held() {
  auto down = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
  return {down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU), down(VK_LBUTTON), down(VK_RBUTTON)};
}

// The key sent between Alt's press and release: 0xE8 is assigned to
// nothing, so no program acts on it. Tagged so that this hook lets it pass.
constexpr WORD kMaskKey = 0xE8;
constexpr ULONG_PTR kMaskTag = 0x564C4E4D;

// Sent from inside the hook, so that it comes before any input after the
// event kept back, the release of Alt among it.
void MaskAlt() {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = kMaskKey;
    key.ki.dwExtraInfo = kMaskTag;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

bool Deliver(const HookOutcome& out) {
  HWND to = target;
  if (to != nullptr)
    for (int i = 0; i < out.count; ++i)
      PostMessageW(to, out.reports[i].message, out.reports[i].wParam, out.reports[i].lParam);
  if (out.maskAlt) MaskAlt();
  return out.swallow;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && target != nullptr && k->dwExtraInfo != kMaskTag) {
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    if (Deliver(OnKeyEvent(state, Snapshot(), static_cast<int>(k->vkCode), down, Held()))) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

MouseEvent EventOf(WPARAM message) {
  switch (message) {
    case WM_MOUSEMOVE: return MouseEvent::Move;
    case WM_LBUTTONDOWN: return MouseEvent::LeftDown;
    case WM_LBUTTONUP: return MouseEvent::LeftUp;
    case WM_RBUTTONDOWN: return MouseEvent::RightDown;
    case WM_RBUTTONUP: return MouseEvent::RightUp;
    case WM_MOUSEWHEEL: return MouseEvent::Wheel;
  }
  return MouseEvent::Other;
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && target != nullptr) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const int delta = static_cast<short>(HIWORD(m->mouseData));
    if (Deliver(OnMouseEvent(state, Snapshot(), EventOf(wParam), m->pt.x, m->pt.y, m->time, delta,
                             Held())))
      return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Unhook(HookSet* set) {
  for (HHOOK volatile* slot : {&set->keyboard, &set->mouse}) {
    HHOOK hook = static_cast<HHOOK>(InterlockedExchangePointer(reinterpret_cast<void* volatile*>(slot), nullptr));
    if (hook != nullptr) UnhookWindowsHookEx(hook);
  }
}

void Drop(HookSet* set) {
  if (InterlockedDecrement(&set->users) == 0) delete set;
}

struct StartUp {
  HANDLE ready;
  bool installed;
  HookSet* set;
};

DWORD WINAPI HookThreadMain(LPVOID parameter) {
  auto* start = static_cast<StartUp*>(parameter);
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the queue for WM_QUIT
  state = HookState{};
  HookSet* set = start->set;
  set->keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, dllInstance, 0);
  set->mouse = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, dllInstance, 0);
  start->installed = set->keyboard != nullptr && set->mouse != nullptr;
  const bool installed = start->installed;
  SetEvent(start->ready);  // start is gone after this
  if (installed) {
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  }
  Unhook(set);
  Drop(set);
  return installed ? 0 : 1;
}

// Under lifeLock. A hook thread that does not end in time is left to end
// by itself, but its hooks go now: input must never wait on a stuck thread.
void StopHookThread() {
  if (hookThread == nullptr) return;
  PostThreadMessageW(hookThreadId, WM_QUIT, 0, 0);
  if (WaitForSingleObject(hookThread, kStopWaitMs) != WAIT_OBJECT_0) Unhook(hooks);
  Drop(hooks);
  hooks = nullptr;
  CloseHandle(hookThread);
  hookThread = nullptr;
  hookThreadId = 0;
}

int Attach(HWND window) {
  if (window == nullptr || !IsWindow(window)) return kCoreNoWindow;
  if (hookThread != nullptr) {
    target = window;
    return 0;
  }
  Configure([](HookConfig& c) {
    c.doubleClickTime = GetDoubleClickTime();
    c.doubleClickWidth = GetSystemMetrics(SM_CXDOUBLECLK);
    c.doubleClickHeight = GetSystemMetrics(SM_CYDOUBLECLK);
  });
  StartUp start = {CreateEventW(nullptr, TRUE, FALSE, nullptr), false, new (std::nothrow) HookSet};
  if (start.ready == nullptr || start.set == nullptr) {
    if (start.ready != nullptr) CloseHandle(start.ready);
    delete start.set;
    return kCoreNoThread;
  }
  target = window;
  hookThread = CreateThread(nullptr, 0, HookThreadMain, &start, 0, &hookThreadId);
  if (hookThread == nullptr) {
    CloseHandle(start.ready);
    delete start.set;
    target = nullptr;
    return kCoreNoThread;
  }
  hooks = start.set;
  WaitForSingleObject(start.ready, INFINITE);
  CloseHandle(start.ready);
  if (!start.installed) {
    target = nullptr;
    StopHookThread();
    return kCoreHooksRefused;
  }
  return 0;
}

}  // namespace

extern "C" {

int __cdecl SetVelunCore(HWND window) {
  EnterCriticalSection(&lifeLock);
  const int result = Attach(window);
  LeaveCriticalSection(&lifeLock);
  return result;
}

int __cdecl ReleaseVelunCore() {
  EnterCriticalSection(&lifeLock);
  target = nullptr;
  StopHookThread();
  LeaveCriticalSection(&lifeLock);
  return 0;
}

int __cdecl GetVelunCore() { return target != nullptr ? 1 : 0; }

int __cdecl SetVelunSuspend(int mode) {
  Configure([mode](HookConfig& c) { c.suspendMode = mode; });
  return 0;
}

int __cdecl SetVelunShortcut(DWORD word0, DWORD word1, DWORD word2, int slot) {
  if (slot < 0 || slot >= kHookSlots) return kCoreNoSlot;
  const DWORD words[3] = {word0, word1, word2};
  Configure([&](HookConfig& c) { std::memcpy(&c.binds[slot], words, sizeof(KeyBind)); });
  return 0;
}

int __cdecl SetVelunNullMsg(int onShortcut, int onZoom) {
  Configure([=](HookConfig& c) {
    c.nullOnShortcut = onShortcut != 0;
    c.nullOnZoom = onZoom != 0;
  });
  return 0;
}

int __cdecl SetVelunZoom(int zoom, int wheel, int arrow, int toggle) {
  Configure([=](HookConfig& c) {
    c.zoom = zoom != 0;
    c.wheelZoom = wheel != 0;
    c.arrowMove = arrow != 0;
    c.toggleZoom = toggle != 0;
  });
  return 0;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    dllInstance = instance;
    InitializeCriticalSection(&configLock);
    InitializeCriticalSection(&lifeLock);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    DeleteCriticalSection(&configLock);
    DeleteCriticalSection(&lifeLock);
  }
  return TRUE;
}
