// window.h - the window as the player sees it: its scale, its real size, and
// whether SDL found a display to open it on at all.
#pragma once
#include <string>

// Asks for a window `scale` times 800x600 with sharp pixels (sdl12-compat's
// window scaling). Call before SDL starts; scale 1 leaves SDL's defaults.
void requestWindowScale(int scale);
// The window's size on the desktop; false when SDL cannot tell (no sdl12-compat).
bool windowSize(int& w, int& h);
// Why SDL has no window to show, or "" when it has one. SDL falls back to a
// driver without a window when there is no display; that only counts as a
// window when the player asked for it through SDL_VIDEODRIVER.
std::string missingDisplayReason();
