#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
