#include "core/dpi_scale.h"

int ScaleToDpi(int pixels, int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  const long long scaled = static_cast<long long>(pixels) * dpi;
  const long long half = kBaseDpi / 2;
  return static_cast<int>((scaled + (scaled < 0 ? -half : half)) / kBaseDpi);
}

int UnscaleFromDpi(int pixels, int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  const long long scaled = static_cast<long long>(pixels) * kBaseDpi;
  const long long half = dpi / 2;
  return static_cast<int>((scaled + (scaled < 0 ? -half : half)) / dpi);
}

int ZoomBlockForDpi(int zoomLevel, int dpi) {
  const int block = ScaleToDpi(zoomLevel, dpi);
  return block < 1 ? 1 : block;
}
