// SPDX-License-Identifier: MIT
// desktop.cpp - the platform on SDL 1.2 (sdl12-compat over SDL 2) and SDL_image.
//
// The window: SDL 1.2 knows only a fixed-size window and its own full screen.
// sdl12-compat draws the 800x600 picture onto its SDL 2 window with the
// picture's shape kept, whatever that window's size, and maps the pointer
// back; so the window is always opened as an 800x600 window and then arranged
// through SDL 2: full screen, size, place. sdl12-compat's own full screen is
// not used: under a window manager (tried with openbox) the game's cursor no
// longer followed the pointer after switching to it or back, and without a
// window manager it left a small window in the middle of a black screen showing
// a cut-off part of the enlarged picture.
#include <SDL_image.h>
#include <dlfcn.h>
#include <glob.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

// Without a graphics card SDL's own software renderer costs less than a
// software OpenGL: prefer it there, unless the player chose a renderer. The
// window's surface then goes straight to X too: through a software OpenGL it
// would load a compiler of some 60 MB into the game.
void chooseRenderDriver() {
    if (std::getenv("SDL_RENDER_DRIVER")) return;  // the player's choice stands
    glob_t cards = {};
    const bool gpu = glob("/dev/dri/card*", 0, nullptr, &cards) == 0 && cards.gl_pathc > 0;
    globfree(&cards);
    if (gpu) return;
    setenv("SDL_RENDER_DRIVER", "software", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
}

constexpr int kPictureWidth = 800;  // the game's picture: the screen surface's size
constexpr int kPictureHeight = 600;
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
    int (*bordersSize)(void*, int*, int*, int*, int*) = nullptr;  // SDL_GetWindowBordersSize, or
                                                       // null: the window manager's frame
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
    find(s.library, "SDL_GetWindowBordersSize", s.bordersSize);
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

// The window manager's frame around the window, as last seen, and the window
// placed in it. The manager may change the frame after the window is placed (a
// handle to resize it comes once it is resizable; coming back from full screen
// there is none yet): for a second after placing, a changed frame places the
// window again.
struct Placement {
    int top = 0, left = 0, bottom = 0, right = 0;  // the frame's sides; 0 without a manager
    bool settling = false;                         // the frame is watched for changes
    WindowChoice choice;                           // what was placed
    uint32_t at = 0;                               // when (SDL ticks)
};
Placement gPlacement;
constexpr uint32_t kSettleMs = 1000;

// Reads the frame; true when it differs from the one known.
bool readFrame(const Sdl2& s) {
    int t = 0, l = 0, b = 0, r = 0;
    Placement& p = gPlacement;
    if (!s.bordersSize || s.bordersSize(s.window, &t, &l, &b, &r) != 0 || (t | l | b | r) == 0) return false;
    const bool changed = t != p.top || l != p.left || b != p.bottom || r != p.right;
    p.top = t;
    p.left = l;
    p.bottom = b;
    p.right = r;
    return changed;
}

// A window of the chosen size in the middle of the screen's usable part. Where
// it does not fit there in its frame (a title bar on an 800x600 screen), the
// largest window of the picture's shape that does.
void placeWindow(const Sdl2& s, const WindowChoice& choice) {
    const int display = displayIndex(s);
    Rect2 usable;
    if (s.usableBounds(display, &usable) != 0) s.bounds(display, &usable);
    readFrame(s);
    Placement& p = gPlacement;
    const int roomW = std::max(1, usable.w - p.left - p.right), roomH = std::max(1, usable.h - p.top - p.bottom);
    int w = choice.width, h = choice.height;
    if (w > roomW || h > roomH) {
        w = std::max(1, std::min(roomW, roomH * kPictureWidth / kPictureHeight));
        h = std::max(1, w * kPictureHeight / kPictureWidth);
    }
    s.setSize(s.window, w, h);
    if (p.top == 0 && p.left == 0)
        s.setPosition(s.window, kCentred | display, kCentred | display);
    else  // the window's own top left, inside the frame
        s.setPosition(s.window, usable.x + p.left + (roomW - w) / 2, usable.y + p.top + (roomH - h) / 2);
    p.settling = true;
    p.choice = choice;
    p.at = SDL_GetTicks();
}

// Places the window again when its frame changed soon after it was placed.
void settleWindow() {
    Placement& p = gPlacement;
    if (!p.settling) return;
    if (SDL_GetTicks() - p.at > kSettleMs) {
        p.settling = false;
        return;
    }
    Sdl2 s = openSdl2();
    if (s.library && s.window && readFrame(s)) placeWindow(s, p.choice);
    closeSdl2(s);
}

// Full screen, or a resizable window of the chosen size (no larger than the
// screen) in the middle of the screen.
void arrange(const Sdl2& s, const WindowChoice& choice) {
    const int display = displayIndex(s);
    Rect2 screen;
    s.bounds(display, &screen);
    gPlacement.settling = false;
    if (choice.fullscreen && windowManagerRuns()) {
        s.setFullscreen(s.window, kFullscreenDesktop);
    } else if (choice.fullscreen) {
        // No window manager: a window without a frame covering the screen is full screen.
        s.setFullscreen(s.window, 0);
        s.setResizable(s.window, 0);
        s.setBordered(s.window, 0);
        s.setPosition(s.window, screen.x, screen.y);
        s.setSize(s.window, screen.w, screen.h);
    } else {
        s.setFullscreen(s.window, 0);
        s.setBordered(s.window, 1);
        s.setResizable(s.window, 1);
        placeWindow(s, choice);
    }
}

// Why SDL has no window to show, or "" when it has one. SDL falls back to a
// driver without a window when there is no display; that only counts as a
// window when the player asked for it through SDL_VIDEODRIVER.
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

// SDL's key-state array at the last poll, indexed by SDL 1.2 key symbols.
Uint8* gKeys = nullptr;

GameKey gameKey(const SDL_keysym& k) {
    switch (k.sym) {
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_F5: return kKeyF5;
    case SDLK_F6: return kKeyF6;
    case SDLK_F7: return kKeyF7;
    case SDLK_F9: return kKeyF9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return (k.mod & KMOD_ALT) ? kKeyAltReturn : kKeyOther;
    default: return kKeyOther;
    }
}

}  // namespace

bool platformStartVideo(const WindowChoice& choice) {
    // Pictures come and go by the megabyte: the allocator keeps what was freed
    // for the next one rather than giving it back to the system and taking
    // fresh pages (each faulted in on first touch, dear on a virtual machine).
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    chooseRenderDriver();
    // sdl12-compat scales its picture to the window: sharp pixels unless asked otherwise
    setenv("SDL12COMPAT_SCALE_METHOD", choice.smooth ? "linear" : "nearest", 1);
    // The game makes no sound: video alone, no sound server is ever touched.
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        printf("Unable to init SDL: %s\n", SDL_GetError());
        return false;
    }
    const std::string noDisplay = missingDisplayReason();
    if (!noDisplay.empty()) {  // a game nobody can see is no start
        printf("Unable to init SDL: %s\n", noDisplay.c_str());
        SDL_Quit();
        return false;
    }
    static bool quitRegistered = false;  // SDL_Quit needs registering once
    if (!quitRegistered) {
        atexit(SDL_Quit);
        quitRegistered = true;
    }
    return true;
}

SDL_Surface* platformOpenWindow(const WindowChoice& choice, const std::string& caption,
                                const char* iconPath) {
    static SDL_Surface* screen = nullptr;  // the window's surface once open; a mode change keeps it
    Sdl2 sdl2 = openSdl2();
    const bool open = screen && sdl2.window && SDL_GetVideoSurface() == screen;
    if (!open) {
        SDL_WM_SetCaption(caption.c_str(), caption.c_str());
        if (SDL_RWops* rw = SDL_RWFromFile(iconPath, "rb")) {
            if (SDL_Surface* icon = SDL_LoadBMP_RW(rw, 1)) {
                SDL_WM_SetIcon(icon, nullptr);
                SDL_FreeSurface(icon);
            }
        }
        closeSdl2(sdl2);
        Uint32 flags = SDL_HWSURFACE | SDL_DOUBLEBUF;
        // Without SDL 2 underneath there is only SDL 1.2's own full screen.
        if (choice.fullscreen && !sdl2.library) flags |= SDL_FULLSCREEN;
        screen = SDL_SetVideoMode(kPictureWidth, kPictureHeight, 32, flags);
        if (!screen) {
            printf("Unable to set video resolution: %s\n", SDL_GetError());
            return nullptr;
        }
        sdl2 = openSdl2();
    }
    if (sdl2.library && sdl2.window) arrange(sdl2, choice);
    closeSdl2(sdl2);
    return screen;
}

void platformPresent(SDL_Surface* screen, const SDL_Rect* parts, int count) {
    if (!parts) {
        SDL_Flip(screen);
        return;
    }
    SDL_UpdateRects(screen, count, const_cast<SDL_Rect*>(parts));
}

bool platformWindowSize(int& w, int& h) {
    Sdl2 s = openSdl2();
    const bool known = s.library && s.window;
    if (known) s.getSize(s.window, &w, &h);
    closeSdl2(s);
    return known;
}

bool platformScreenSize(int& w, int& h) {
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

void platformHidePointer() { SDL_ShowCursor(SDL_DISABLE); }

void platformPollEvents(PlatformEvents& out) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT: out.quit = true; break;
        case SDL_KEYDOWN: out.keys.push_back(gameKey(event.key.keysym)); break;
        // The window's contents may be gone: the next frame is handed over even if unchanged.
        case SDL_VIDEOEXPOSE:
        case SDL_ACTIVEEVENT:
        case SDL_VIDEORESIZE: out.exposed = true; break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) out.leftWentDown = true;
            if (event.button.button == SDL_BUTTON_RIGHT) out.rightWentDown = true;
            break;
        default: break;
        }
    }
    SDL_PumpEvents();
    gKeys = SDL_GetKeyState(nullptr);
    settleWindow();
}

void platformPointer(int& x, int& y, bool& left, bool& right) {
    // On the black bars beside or above the picture SDL gives the nearest edge.
    const Uint8 buttons = SDL_GetMouseState(&x, &y);
    left = (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
    right = (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
}

bool platformKeyHeld(HeldKey key) {
    static const SDLKey kSymbols[] = {
        SDLK_UP,     // kHeldUp
        SDLK_DOWN,   // kHeldDown
        SDLK_LEFT,   // kHeldLeft
        SDLK_RIGHT,  // kHeldRight
        SDLK_TAB,    // kHeldTab
    };
    return gKeys && gKeys[kSymbols[key]] != 0;
}

uint32_t platformTicks() { return SDL_GetTicks(); }

void platformSleep(uint32_t ms) { SDL_Delay(ms); }

SDL_Surface* platformLoadPicture(const std::string& path) { return IMG_Load(path.c_str()); }

void platformSetColorKey(SDL_Surface* s, bool on, Uint32 key) {
    SDL_SetColorKey(s, on ? SDL_SRCCOLORKEY : 0, on ? key : 0);
}

bool platformColorKey(SDL_Surface* s, Uint32* key) {
    const bool keyed = (s->flags & SDL_SRCCOLORKEY) != 0;
    if (keyed && key) *key = s->format->colorkey;
    return keyed;
}

void platformSetAlpha(SDL_Surface* s, bool blend, Uint8 alpha) {
    SDL_SetAlpha(s, blend ? SDL_SRCALPHA : 0, blend ? alpha : 255);
}

void platformRunLoop(bool (*frame)(void* context), void* context) {
    while (frame(context)) {
    }
}

void platformFilesWritten() {}  // the desktop's files are on disk already
