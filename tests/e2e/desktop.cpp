#include "desktop.h"

#include <algorithm>

#include "input.h"
#include "screen_capture.h"
#include "test_window.h"
#include "velun_process.h"

namespace {

constexpr COLORREF kDropRed = RGB(255, 0, 0);
constexpr COLORREF kOutlineGrey = RGB(128, 128, 128);

bool IsDark(COLORREF c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; }

int Count(const ScreenImage& image, COLORREF colour) {
  return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

}  // namespace

bool FindTrayIcon(RECT& icon) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (taskbar == nullptr) return false;
  RECT bar;
  GetWindowRect(taskbar, &bar);
  const ScreenImage image = CaptureScreen(bar);
  int minX = image.width(), minY = image.height();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.at(x, y) == kDropRed) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
      }
  if (minX == image.width()) return false;
  icon.left = bar.left + minX - 1;
  icon.top = bar.top + minY - 12;
  icon.right = icon.left + 16;
  icon.bottom = icon.top + 16;
  return true;
}

IconLook LookOf(const RECT& icon) {
  const ScreenImage image = CaptureScreen(icon);
  if (Count(image, kDropRed) > 0) return IconLook::Shown;
  if (Count(image, kOutlineGrey) > 10) return IconLook::Hidden;
  return IconLook::Missing;
}

void ClickAt(int x, int y, bool right) {
  MoveMouse(x, y);
  Click(right ? Button::Right : Button::Left);
}

void DoubleClickAt(int x, int y) {
  MoveMouse(x, y);
  Click(Button::Left);
  Click(Button::Left);
}

std::vector<MenuBand> ReadMenu(HWND menu) {
  RECT r;
  GetWindowRect(menu, &r);
  const ScreenImage image = CaptureScreen(r);
  const COLORREF background = GetSysColor(COLOR_MENU);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const int w = image.width();
  const int checkColumn = 3 + GetSystemMetrics(SM_CXMENUCHECK);
  auto blank = [&](int y) {
    for (int x = 3; x < w - 3; ++x) {
      const COLORREF c = image.at(x, y);
      if (c != background && c != highlight) return false;
    }
    return true;
  };

  std::vector<MenuBand> bands;
  for (int y = 2; y < image.height() - 2;) {
    if (blank(y)) {
      ++y;
      continue;
    }
    MenuBand band = {r.top + y, 0, false, false, false};
    int wide = 0, darkText = 0, text = 0;
    const int top = y;
    for (; y < image.height() - 2 && !blank(y); ++y) {
      int inRow = 0;
      for (int x = 3; x < w - 3; ++x) {
        const COLORREF c = image.at(x, y);
        if (c == background || c == highlight) continue;
        ++inRow;
        if (x < checkColumn) band.checked = band.checked || IsDark(c);
        else if (x < w - 16) {  // leave out the submenu arrow
          darkText += IsDark(c);
          ++text;
        }
      }
      wide = std::max(wide, inRow);
    }
    band.bottom = r.top + y;
    band.separator = y - top <= 2 && wide > (w - 6) / 2;
    // Disabled text is drawn in a grey whose shade varies with the theme.
    band.greyed = !band.separator && darkText == 0 && text > 0;
    if (band.separator) band.checked = false;
    bands.push_back(band);
  }
  return bands;
}

HWND WaitForMenu(DWORD pid, const std::vector<HWND>& known, DWORD ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : WindowsOf(pid, "#32768"))
          if (std::find(known.begin(), known.end(), w) == known.end()) found = w;
        return found != nullptr;
      },
      ms);
  if (found != nullptr) PumpMessages(300);  // let it finish drawing
  return found;
}

void PointAtBand(HWND menu, const MenuBand& band) {
  RECT r;
  GetWindowRect(menu, &r);
  MoveMouse(r.left + 40, (band.top + band.bottom) / 2);
}

void ClickBand(HWND menu, const MenuBand& band) {
  RECT r;
  GetWindowRect(menu, &r);
  ClickAt(r.left + 40, (band.top + band.bottom) / 2);
}

bool PickTrayMenuItem(DWORD pid, const RECT& icon, int index) {
  ClickAt((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, true);
  HWND menu = WaitForMenu(pid);
  if (menu == nullptr) return false;
  const std::vector<MenuBand> items = ReadMenu(menu);
  if (items.size() != 8u || index < 0 || index >= 8) return false;
  ClickBand(menu, items[static_cast<std::size_t>(index)]);
  return true;
}
