// desktop.cpp - the platform on SDL 1.2 (sdl12-compat over SDL 2) and SDL_image.
#include <SDL_image.h>
#include <dlfcn.h>
#include <glob.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

// Without a graphics card SDL's own software renderer costs less than a
// software OpenGL: prefer it there, unless the player chose a renderer.
void chooseRenderDriver() {
    if (std::getenv("SDL_RENDER_DRIVER")) return;  // the player's choice stands
    glob_t cards = {};
    const bool gpu = glob("/dev/dri/card*", 0, nullptr, &cards) == 0 && cards.gl_pathc > 0;
    globfree(&cards);
    if (!gpu) setenv("SDL_RENDER_DRIVER", "software", 0);
}

// A window `scale` times 800x600 with sharp pixels (sdl12-compat's window
// scaling); scale 1 leaves SDL's defaults.
void requestWindowScale(int scale) {
    if (scale <= 1) return;
    setenv("SDL12COMPAT_WINDOW_SCALING", std::to_string(scale).c_str(), 1);
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);  // sharp pixels unless the player says otherwise
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
    chooseRenderDriver();
    requestWindowScale(choice.scale);
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
    SDL_WM_SetCaption(caption.c_str(), caption.c_str());
    if (SDL_RWops* rw = SDL_RWFromFile(iconPath, "rb")) {
        if (SDL_Surface* icon = SDL_LoadBMP_RW(rw, 1)) {
            SDL_WM_SetIcon(icon, nullptr);
            SDL_FreeSurface(icon);
        }
    }
    Uint32 flags = SDL_HWSURFACE | SDL_DOUBLEBUF;
    if (choice.fullscreen) flags |= SDL_FULLSCREEN;
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, flags);
    if (!screen) printf("Unable to set video resolution: %s\n", SDL_GetError());
    return screen;
}

void platformPresent(SDL_Surface* screen, const SDL_Rect* area) {
    if (!area) {
        SDL_Flip(screen);
        return;
    }
    SDL_Rect part = *area;
    SDL_UpdateRects(screen, 1, &part);
}

bool platformWindowSize(int& w, int& h) {
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
}

void platformPointer(int& x, int& y, bool& left, bool& right) {
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
