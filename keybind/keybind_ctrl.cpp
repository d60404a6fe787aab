// The "zq_keybind" control: a flat box that shows a key binding and replaces
// it with whatever key or click the user makes while it has the focus.
#include <windows.h>

#include "keybind/keybind.h"
#include "keybind/keybind_text.h"
#include "resources/wide_text.h"

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"zq_keybind";

// Colours and drawing objects are taken once, when the control is created.
struct KeyBindCtrl {
  COLORREF highlight;
  COLORREF window;
  COLORREF highlightText;
  COLORREF windowText;
  HBRUSH windowBrush;
  HBRUSH highlightBrush;
  HFONT font;
  HPEN pen;
  KeyBind bind;
};

// Held flags of the modifiers, shared by every control of the process: a
// held modifier's auto-repeat must not be captured again.
bool shiftHeld = false;
bool ctrlHeld = false;
bool altHeld = false;

bool* HeldFlag(WPARAM key) {
  switch (key) {
    case VK_SHIFT: return &shiftHeld;
    case VK_CONTROL: return &ctrlHeld;
    case VK_MENU: return &altHeld;
  }
  return nullptr;
}

bool IsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

KeyBindCtrl* Instance(HWND hwnd) {
  return reinterpret_cast<KeyBindCtrl*>(GetWindowLongPtrW(hwnd, 0));
}

LRESULT OnCreate(HWND hwnd) {
  auto* ctrl = static_cast<KeyBindCtrl*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(KeyBindCtrl)));
  if (ctrl == nullptr) return -1;  // creation fails; no handler ever sees missing data
  ctrl->highlight = GetSysColor(COLOR_HIGHLIGHT);
  ctrl->window = GetSysColor(COLOR_WINDOW);
  ctrl->highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  ctrl->windowText = GetSysColor(COLOR_WINDOWTEXT);
  ctrl->windowBrush = CreateSolidBrush(ctrl->window);
  ctrl->highlightBrush = CreateSolidBrush(ctrl->highlight);
  ctrl->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  ctrl->pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(ctrl));
  return 0;
}

void OnDestroy(HWND hwnd, KeyBindCtrl* ctrl) {
  DeleteObject(ctrl->windowBrush);
  DeleteObject(ctrl->highlightBrush);
  DeleteObject(ctrl->pen);  // the font is its giver's or the stock one, not ours
  SetWindowLongPtrW(hwnd, 0, 0);
  HeapFree(GetProcessHeap(), 0, ctrl);
}

std::wstring ShownText(const KeyBindCtrl* ctrl) {
  char text[kKeyBindTextSize];
  KeyBindText(text, ctrl->bind);
  return Widen(text);
}

void OnPaint(HWND hwnd, const KeyBindCtrl* ctrl) {
  const std::wstring text = ShownText(ctrl);
  RECT client;
  GetClientRect(hwnd, &client);
  const bool focused = GetFocus() == hwnd;

  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  HGDIOBJ oldBrush = SelectObject(dc, focused ? ctrl->highlightBrush : ctrl->windowBrush);
  HGDIOBJ oldFont = SelectObject(dc, ctrl->font);
  HGDIOBJ oldPen = SelectObject(dc, ctrl->pen);
  SetBkColor(dc, focused ? ctrl->highlight : ctrl->window);
  SetTextColor(dc, focused ? ctrl->highlightText : ctrl->windowText);
  SetBkMode(dc, OPAQUE);
  Rectangle(dc, 0, 0, client.right, client.bottom);
  TextOutW(dc, 3, 3, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  EndPaint(hwnd, &ps);
}

// The dialog gives its own font, made for its DPI; null means the system's.
// The font stays its owner's.
void OnSetFont(HWND hwnd, KeyBindCtrl* ctrl, HFONT font, bool redraw) {
  ctrl->font = font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

void OnKeyDown(HWND hwnd, KeyBindCtrl* ctrl, WPARAM key) {
  if (bool* held = HeldFlag(key)) {
    if (*held) return;  // auto-repeat of a held modifier
    *held = true;
  }
  KeyBind& b = ctrl->bind;
  b.code = static_cast<std::int32_t>(key);
  b.shift = key != VK_SHIFT && IsDown(VK_SHIFT);
  b.ctrl = key != VK_CONTROL && IsDown(VK_CONTROL);
  b.alt = key != VK_MENU && IsDown(VK_MENU);
  b.lhold = IsDown(VK_LBUTTON);
  b.rhold = IsDown(VK_RBUTTON);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void OnKeyUp(WPARAM key) {
  if (bool* held = HeldFlag(key)) *held = false;
}

void CaptureClick(HWND hwnd, KeyBindCtrl* ctrl, UINT message) {
  KeyBind& b = ctrl->bind;
  b.code = static_cast<std::int32_t>(message);
  b.shift = IsDown(VK_SHIFT);
  b.ctrl = IsDown(VK_CONTROL);
  b.alt = IsDown(VK_MENU);
  const bool left = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  b.lhold = !left && IsDown(VK_LBUTTON);
  b.rhold = left && IsDown(VK_RBUTTON);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The first click on a control without the focus only focuses it.
void OnButtonDown(HWND hwnd, KeyBindCtrl* ctrl, UINT message) {
  if (GetFocus() != hwnd) {
    SetFocus(hwnd);
    return;
  }
  CaptureClick(hwnd, ctrl, message);
}

// The window's text is the key's name, as drawn: screen readers and other
// programs read it.
LRESULT OnGetText(const KeyBindCtrl* ctrl, WPARAM size, LPARAM target) {
  const std::wstring text = ShownText(ctrl);
  if (size == 0 || target == 0) return 0;
  const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
  CopyMemory(reinterpret_cast<wchar_t*>(target), text.c_str(), n * sizeof(wchar_t));
  reinterpret_cast<wchar_t*>(target)[n] = L'\0';
  return static_cast<LRESULT>(n);
}

void OnGetBind(const KeyBindCtrl* ctrl, LPARAM target) {
  if (target != 0) CopyMemory(reinterpret_cast<void*>(target), &ctrl->bind, sizeof(KeyBind));
}

void OnSetBind(HWND hwnd, KeyBindCtrl* ctrl, LPARAM source) {
  if (source == 0) return;
  CopyMemory(&ctrl->bind, reinterpret_cast<const void*>(source), sizeof(KeyBind));
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK KeyBindWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) return OnCreate(hwnd);
  KeyBindCtrl* ctrl = Instance(hwnd);
  if (ctrl == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);

  switch (msg) {
    case WM_DESTROY: OnDestroy(hwnd, ctrl); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_PAINT: OnPaint(hwnd, ctrl); return 0;
    case WM_SETFONT: OnSetFont(hwnd, ctrl, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(ctrl->font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: OnKeyDown(hwnd, ctrl, wParam); return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP: OnKeyUp(wParam); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: OnButtonDown(hwnd, ctrl, msg); return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: CaptureClick(hwnd, ctrl, msg); return 0;
    case WM_GETTEXT: return OnGetText(ctrl, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(ShownText(ctrl).size());
    case KBM_GETBIND: OnGetBind(ctrl, lParam); return 0;
    case KBM_SETBIND: OnSetBind(hwnd, ctrl, lParam); return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

// Exported as _InitKeyBindCtrl (see lumet.def).
extern "C" int __cdecl InitKeyBindCtrl(HINSTANCE instance) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = KeyBindWndProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0 ? 0 : -1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
