// window.h - the window as the player sees it: full screen or a window of any
// size, the picture scaled into it with its shape kept, and whether SDL found a
// display to open it on at all.
#pragma once
#include <string>

// Sharp or filtered scaling for the window SDL is about to open.
void chooseScaling(bool smooth);
// The part of the screen a window may use (without panels); false when SDL cannot tell.
bool usableScreen(int& w, int& h);
// Shows the open window in full screen or as a window of width x height,
// resizable, on screen. Returns false when the window cannot be reached
// (SDL 1.2 without sdl12-compat): the window then stays as SDL opened it.
bool arrangeWindow(bool fullscreen, int width, int height);
// The window's size on the desktop; false when SDL cannot tell (no sdl12-compat).
bool windowSize(int& w, int& h);
// Why SDL has no window to show, or "" when it has one. SDL falls back to a
// driver without a window when there is no display; that only counts as a
// window when the player asked for it through SDL_VIDEODRIVER.
std::string missingDisplayReason();
