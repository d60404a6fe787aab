#include "picker/picker_view.h"

#include "core/dpi_scale.h"
#include "core/picker_geometry.h"
#include "core/settings.h"
#include "picker/picker_state.h"

PickerView PickerViewNow() {
  PickerView view;
  view.colour = pickerColour;
  view.textColour = pickerTextColour;
  view.format = pickerFormat;
  view.input = SampleInput(view.colour);
  view.font = pickerFont;
  view.marginX = ScaleToDpi(settings.WindowMarginX, pickerDpi);
  view.marginY = ScaleToDpi(settings.WindowMarginY, pickerDpi);
  view.zoom = zoomActive != 0;
  // Each source pixel is a block of whole screen pixels at every scale.
  view.zoomBlock = settings.ZoomLevel > 0 ? ZoomBlockForDpi(settings.ZoomLevel, pickerDpi) : 0;
  view.cursor = cursorPosition;
  view.arrow = settings.DrawArrowOnZoom != 0;
  view.grid = settings.DrawGridOnZoom != 0;
  view.swatch = settings.ShowColorOnZoom != 0;
  if (const RECT* own = PickerPixels()) view.own = *own;
  if (FormatUsesReference(pickerFormat)) view.referenceWidth = ScaleToDpi(kReferenceStrip, pickerDpi);
  view.hdrMark = view.input.hdr;
  return view;
}
