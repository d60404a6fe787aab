// The eyedropper: the current colour as SpuitFormat text on the clipboard.
#pragma once

void Spuit();
