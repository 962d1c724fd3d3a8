// window.cpp - window scale and the display check, on sdl12-compat over SDL 2.
#include "frame/window.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

void requestWindowScale(int scale) {
    if (scale <= 1) return;
    setenv("SDL12COMPAT_WINDOW_SCALING", std::to_string(scale).c_str(), 1);
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);  // sharp pixels unless the player says otherwise
}

bool windowSize(int& w, int& h) {
    // sdl12-compat names its SDL 2 window; SDL 2 itself is loaded privately by it.
    using GetWindow = void* (*)();
    using GetWindowSize = void (*)(void*, int*, int*);
    auto getWindow = reinterpret_cast<GetWindow>(dlsym(RTLD_DEFAULT, "SDL12COMPAT_GetWindow"));
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    auto getSize = sdl2 ? reinterpret_cast<GetWindowSize>(dlsym(sdl2, "SDL_GetWindowSize")) : nullptr;
    void* window = getWindow ? getWindow() : nullptr;
    const bool known = window && getSize;
    if (known) getSize(window, &w, &h);
    if (sdl2) dlclose(sdl2);
    return known;
}

std::string missingDisplayReason() {
    const char* asked = getenv("SDL_VIDEODRIVER");
    if (asked && asked[0]) return "";
    char name[32] = "";
    if (!SDL_VideoDriverName(name, sizeof name)) return "";
    if (strcmp(name, "dummy") != 0 && strcmp(name, "offscreen") != 0) return "";
    const char* display = getenv("DISPLAY");
    if (!display || !display[0]) return "no display to open the window on (DISPLAY is not set)";
    return std::string("no display to open the window on (DISPLAY ") + display + " does not answer)";
}
