// Loading and saving every setting beside the executable.
#pragma once

#include <string>

// Once at start-up, before any window exists.
void LoadSettings();
// On apply, on exit and at Windows shut-down; reports a failure itself.
void SaveSettings();

// The same with the files in directory (ending in a separator).
void LoadSettingsIn(const std::string& directory);
void SaveSettingsIn(const std::string& directory);

// The failure message and its caption.
extern const char kSaveFailedText[];
extern const char kSaveFailedCaption[];
