// Free GDI handles, counted by making brushes until none is left and giving
// them all back: Wine's GetGuiResources always answers 0.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline int CountFreeGdiHandles() {
  std::vector<HBRUSH> brushes;
  for (HBRUSH b; brushes.size() < 200000 && (b = CreateSolidBrush(0)) != nullptr;) brushes.push_back(b);
  for (HBRUSH b : brushes) DeleteObject(b);
  return static_cast<int>(brushes.size());
}

// Another thread of the process that draws meanwhile holds a few handles for
// a moment; the best of three counts leaves them out, a leak stays in all.
inline int FreeGdiHandles() {
  return std::max({CountFreeGdiHandles(), CountFreeGdiHandles(), CountFreeGdiHandles()});
}

// On a busy machine that thread may hold them longer, or wait on this one: answer its sent
// messages and count again, for a bounded while, until as many are free. A leak never gets there.
inline int FreeGdiHandlesBackTo(int before) {
  int best = 0;
  for (const DWORD start = GetTickCount(); best < before && GetTickCount() - start < 10000; Sleep(20)) {
    MSG sent;
    PeekMessageW(&sent, nullptr, 0, 0, PM_NOREMOVE);
    best = std::max(best, CountFreeGdiHandles());
  }
  return best;
}
