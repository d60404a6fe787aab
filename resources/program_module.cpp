#include "resources/program_module.h"

HINSTANCE appInstance = nullptr;

HICON LoadProgramIcon(int id, int size) {
  return static_cast<HICON>(LoadImageW(appInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}
