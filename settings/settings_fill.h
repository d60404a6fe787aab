// Filling the settings pages from the live settings when the dialog opens.
#pragma once

// Every page by the control-to-setting map; makes the working copies.
void FillSettingsPages();
// The transparency track bar's position as a percentage beside it.
void ShowLayeredPercent();
