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
