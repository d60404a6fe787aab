// Loading and saving every setting beside the executable.
#pragma once

#include <windows.h>

#include <string>

// Once at start-up, before any window exists.
void LoadSettings();
// On apply, on exit and at Windows shut-down; reports a failure itself.
void SaveSettings();

// The window whose normal rectangle is saved as X, Y, CX and CY: the palette
// window, named by the shell once it exists.
void SetPlacementWindow(HWND window);

// Where LoadSettings and SaveSettings keep the files: beside the executable,
// unless a directory (ending in a separator) was named here; tests do.
void UseDataDirectory(const std::string& directory);

// The same with the files in directory (ending in a separator), wide or in
// the ANSI code page.
void LoadSettingsIn(const std::wstring& directory);
void SaveSettingsIn(const std::wstring& directory);
void LoadSettingsIn(const std::string& directory);
void SaveSettingsIn(const std::string& directory);

// The failure message and its caption.
extern const char kSaveFailedText[];
extern const char kSaveFailedCaption[];
