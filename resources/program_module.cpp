#include "resources/program_module.h"

HINSTANCE appInstance = nullptr;

HICON LoadProgramIcon(int id, int size) {
  return static_cast<HICON>(LoadImageA(appInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
