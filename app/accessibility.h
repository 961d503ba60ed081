// What a screen reader sees of the window: its controls in focus order (deleted parts are not
// there), each with a role, a name and a description from the window, the tools checkable with
// the chosen one checked, and the buttons pressable.
#pragma once

namespace cw {

// Installs the factory that gives the window and its controls their accessible interfaces;
// call once, before the first window is shown.
void InstallAccessibility();

}  // namespace cw
