// window.cpp - full screen, the window's size and place, and the display check,
// on sdl12-compat over SDL 2.
//
// SDL 1.2 knows only a fixed-size window and its own full screen. sdl12-compat
// draws the 800x600 picture onto its SDL 2 window with the picture's shape
// kept, whatever that window's size, and maps the pointer back; so the window
// is always opened as an 800x600 window and then arranged here through SDL 2:
// full screen, size, place. sdl12-compat's own full screen is never used: it
// grabs the pointer behind a hidden cursor (the game's cursor then stops
// following the pointer) and, without a window manager, leaves a small window
// in the middle of a black screen.
#include "frame/window.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr unsigned kFullscreenDesktop = 0x00001001;  // SDL 2's SDL_WINDOW_FULLSCREEN_DESKTOP
constexpr int kCentred = 0x2FFF0000;                 // SDL 2's SDL_WINDOWPOS_CENTERED

struct Rect2 {  // SDL 2's SDL_Rect
    int x = 0;  // left edge
    int y = 0;  // top edge
    int w = 0;  // width
    int h = 0;  // height
};

// The SDL 2 functions used here. sdl12-compat loads SDL 2 privately, so they
// are looked up in the library it already loaded.
struct Sdl2 {
    void* library = nullptr;                           // libSDL2, opened again to count a use
    void* window = nullptr;                            // sdl12-compat's window
    void (*getSize)(void*, int*, int*) = nullptr;      // SDL_GetWindowSize
    void (*setSize)(void*, int, int) = nullptr;        // SDL_SetWindowSize
    void (*setPosition)(void*, int, int) = nullptr;    // SDL_SetWindowPosition
    int (*setFullscreen)(void*, unsigned) = nullptr;   // SDL_SetWindowFullscreen
    void (*setResizable)(void*, int) = nullptr;        // SDL_SetWindowResizable
    void (*setBordered)(void*, int) = nullptr;         // SDL_SetWindowBordered
    int (*displayOf)(void*) = nullptr;                 // SDL_GetWindowDisplayIndex
    int (*usableBounds)(int, Rect2*) = nullptr;        // SDL_GetDisplayUsableBounds
    int (*bounds)(int, Rect2*) = nullptr;              // SDL_GetDisplayBounds
};

template <typename F>
void find(void* library, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(library, name));
}

// SDL 2 and the window, or library null when SDL 1.2 is not sdl12-compat.
Sdl2 openSdl2() {
    Sdl2 s;
    using GetWindow = void* (*)();
    auto getWindow = reinterpret_cast<GetWindow>(dlsym(RTLD_DEFAULT, "SDL12COMPAT_GetWindow"));
    s.library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (!s.library) return s;
    s.window = getWindow ? getWindow() : nullptr;
    find(s.library, "SDL_GetWindowSize", s.getSize);
    find(s.library, "SDL_SetWindowSize", s.setSize);
    find(s.library, "SDL_SetWindowPosition", s.setPosition);
    find(s.library, "SDL_SetWindowFullscreen", s.setFullscreen);
    find(s.library, "SDL_SetWindowResizable", s.setResizable);
    find(s.library, "SDL_SetWindowBordered", s.setBordered);
    find(s.library, "SDL_GetWindowDisplayIndex", s.displayOf);
    find(s.library, "SDL_GetDisplayUsableBounds", s.usableBounds);
    find(s.library, "SDL_GetDisplayBounds", s.bounds);
    const bool complete = s.getSize && s.setSize && s.setPosition && s.setFullscreen &&
                          s.setResizable && s.setBordered && s.displayOf && s.usableBounds &&
                          s.bounds;
    if (!complete) {
        dlclose(s.library);
        s.library = nullptr;
    }
    return s;
}

void closeSdl2(Sdl2& s) {
    if (s.library) dlclose(s.library);
    s.library = nullptr;
}

// The display the window is on (the first before there is a window).
int displayIndex(const Sdl2& s) {
    const int i = s.window ? s.displayOf(s.window) : 0;
    return i < 0 ? 0 : i;
}

// Whether a window manager runs on the X display: one owns the WM_S0 selection.
// Without one nobody carries out a request for full screen.
bool windowManagerRuns() {
    const char* display = getenv("DISPLAY");
    void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);  // SDL 2's X11 video uses it
    if (!display || !display[0] || !x11) {
        if (x11) dlclose(x11);
        return true;  // not on X: the system's own full screen
    }
    using Open = void* (*)(const char*);
    using Close = int (*)(void*);
    using Atom = unsigned long (*)(void*, const char*, int);
    using Owner = unsigned long (*)(void*, unsigned long);
    auto open = reinterpret_cast<Open>(dlsym(x11, "XOpenDisplay"));
    auto close = reinterpret_cast<Close>(dlsym(x11, "XCloseDisplay"));
    auto atom = reinterpret_cast<Atom>(dlsym(x11, "XInternAtom"));
    auto owner = reinterpret_cast<Owner>(dlsym(x11, "XGetSelectionOwner"));
    bool runs = true;
    void* d = open && close && atom && owner ? open(display) : nullptr;
    if (d) {
        runs = owner(d, atom(d, "WM_S0", 0)) != 0;
        close(d);
    }
    dlclose(x11);
    return runs;
}

}  // namespace

void chooseScaling(bool smooth) {
    // sdl12-compat scales its picture to the window; sharp pixels unless asked otherwise
    setenv("SDL12COMPAT_SCALE_METHOD", smooth ? "linear" : "nearest", 1);
}

bool usableScreen(int& w, int& h) {
    Sdl2 s = openSdl2();
    Rect2 r;
    const bool known = s.library && s.usableBounds(displayIndex(s), &r) == 0 && r.w > 0 && r.h > 0;
    if (known) {
        w = r.w;
        h = r.h;
    }
    closeSdl2(s);
    return known;
}

bool arrangeWindow(bool fullscreen, int width, int height) {
    Sdl2 s = openSdl2();
    if (!s.library || !s.window) {
        closeSdl2(s);
        return false;
    }
    const int display = displayIndex(s);
    Rect2 screen, usable;
    s.bounds(display, &screen);
    if (s.usableBounds(display, &usable) != 0) usable = screen;
    if (fullscreen && windowManagerRuns()) {
        s.setFullscreen(s.window, kFullscreenDesktop);
    } else if (fullscreen) {
        // No window manager: a window without a frame covering the screen is full screen.
        s.setFullscreen(s.window, 0);
        s.setResizable(s.window, 0);
        s.setBordered(s.window, 0);
        s.setSize(s.window, screen.w, screen.h);
        s.setPosition(s.window, screen.x, screen.y);
    } else {
        s.setFullscreen(s.window, 0);
        s.setBordered(s.window, 1);
        s.setResizable(s.window, 1);
        s.setSize(s.window, std::min(width, usable.w), std::min(height, usable.h));
        s.setPosition(s.window, kCentred | display, kCentred | display);
    }
    closeSdl2(s);
    return true;
}

bool windowSize(int& w, int& h) {
    Sdl2 s = openSdl2();
    const bool known = s.library && s.window;
    if (known) s.getSize(s.window, &w, &h);
    closeSdl2(s);
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
