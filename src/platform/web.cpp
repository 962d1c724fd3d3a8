// SPDX-License-Identifier: MIT
// web.cpp - the platform in the browser: SDL 2 under emscripten on the page's
// canvas, libpng for PNG files and SDL's reader for BMPs, the page's animation
// frames as the loop's driver, and the player's files in the page's IndexedDB
// (web/pre.js mounts them and stores them after each write). The page itself
// scales the canvas and switches full screen (web/loader.js).
// The game draws into a screen of its own in the desktop's layout (0x00RRGGBB);
// a frame is handed to the canvas as RGBA bytes, the changed part only.
#include <emscripten.h>
#include <png.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

constexpr int kWidth = 800;   // the game's picture, and the canvas's own size
constexpr int kHeight = 600;

// The canvas, and what the loop and the page's tests read back.
struct WebPlatform {
    WebPlatform() = default;
    WebPlatform(const WebPlatform&) = delete;  // owns the screen and its RGBA copy
    WebPlatform& operator=(const WebPlatform&) = delete;
    SDL_Window* window = nullptr;               // the canvas's events; lives as long as the page
    SDL_Surface* screen = nullptr;              // what the game draws on, 800x600 0x00RRGGBB; owned
    uint8_t* rgba = nullptr;                    // the screen as the canvas takes it; owned
    const Uint8* keys = nullptr;                // SDL's key states at the last poll, by scan code
    bool (*frame)(void* context) = nullptr;     // the game's frame, called once a display refresh
    void* context = nullptr;                    // what frame receives
    double firstPictureMs = 0;                  // page time when the first frame was shown (0: not yet)
    static constexpr int kFrameTimes = 4096;    // frames whose main-thread time is kept
    double frameMs[kFrameTimes] = {};           // main-thread time of each frame, oldest overwritten
    int frames = 0;                             // frames run since the loop started
    bool looping = false;                       // the loop runs (the game has not ended)
    bool leaving = false;                       // the page is being hidden: the next poll says so
};
WebPlatform gWeb;

// The game's names of the keys it reacts to; repeats of a held key are no new press.
GameKey gameKey(const SDL_Keysym& k) {
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

// ---- PNG files through libpng, as the desktop's SDL_image gives them ----

void pngError(png_structp png, png_const_charp message) {
    SDL_SetError("%s", message);
    png_longjmp(png, 1);
}
void pngWarning(png_structp, png_const_charp) {}

// Owns what reading one PNG needs; closes it whatever way the read ends.
struct PngFile {
    PngFile() = default;
    PngFile(const PngFile&) = delete;  // owns the file and libpng's records
    PngFile& operator=(const PngFile&) = delete;
    ~PngFile() {
        if (png) png_destroy_read_struct(&png, &info, nullptr);
        if (file) fclose(file);
    }
    FILE* file = nullptr;       // the open file
    png_structp png = nullptr;  // libpng's reader, owned with info
    png_infop info = nullptr;   // the file's header
};

// An RGB picture as a 24-bit surface and one with transparency as 32-bit RGBA,
// bytes in file order (the masks SDL_image uses); null with the reason in SDL_GetError().
SDL_Surface* loadPng(const char* path) {
    PngFile f;
    f.file = fopen(path, "rb");
    if (!f.file) {
        SDL_SetError("Couldn't open %s", path);
        return nullptr;
    }
    f.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (f.png) f.info = png_create_info_struct(f.png);
    if (!f.info) {
        SDL_SetError("Out of memory reading %s", path);
        return nullptr;
    }
    SDL_Surface* volatile surface = nullptr;  // freed if libpng jumps back here
    if (setjmp(png_jmpbuf(f.png))) {
        if (surface) SDL_FreeSurface(surface);
        return nullptr;
    }
    png_init_io(f.png, f.file);
    png_read_info(f.png, f.info);
    // every kind of PNG becomes 8-bit RGB, with alpha when it has transparency
    png_set_expand(f.png);
    png_set_strip_16(f.png);
    png_set_gray_to_rgb(f.png);
    const int passes = png_set_interlace_handling(f.png);
    png_read_update_info(f.png, f.info);
    const int w = static_cast<int>(png_get_image_width(f.png, f.info));
    const int h = static_cast<int>(png_get_image_height(f.png, f.info));
    const bool alpha = (png_get_color_type(f.png, f.info) & PNG_COLOR_MASK_ALPHA) != 0;
    surface = alpha ? SDL_CreateRGBSurface(0, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000)
                    : SDL_CreateRGBSurface(0, w, h, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (!surface) return nullptr;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < h; ++y)
            png_read_row(f.png, static_cast<png_bytep>(surface->pixels) + static_cast<size_t>(y) * surface->pitch,
                         nullptr);
    png_read_end(f.png, nullptr);
    return surface;
}

bool endsWith(const std::string& s, const char* end) {
    const size_t n = strlen(end);
    return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, end) == 0;
}

// One display refresh: the game's frame, timed for the page's tests.
void webFrame() {
    const double start = emscripten_get_now();
    const bool goOn = gWeb.frame(gWeb.context);
    gWeb.frameMs[gWeb.frames % WebPlatform::kFrameTimes] = emscripten_get_now() - start;
    ++gWeb.frames;
    if (!goOn) {
        emscripten_cancel_main_loop();
        gWeb.looping = false;
    }
}

}  // namespace

// ---- read by the page's tests and measurements ----
extern "C" {
EMSCRIPTEN_KEEPALIVE int hollowmereFrames() { return gWeb.frames; }
// main-thread ms of frame i (one of the last 4096), or -1
EMSCRIPTEN_KEEPALIVE double hollowmereFrameMs(int i) {
    if (i < 0 || i >= gWeb.frames || i < gWeb.frames - WebPlatform::kFrameTimes) return -1;
    return gWeb.frameMs[i % WebPlatform::kFrameTimes];
}
EMSCRIPTEN_KEEPALIVE double hollowmereFirstPictureMs() { return gWeb.firstPictureMs; }
// Called by the page as it is hidden or closed (web/pre.js): a hidden page gets
// no more frames, so one runs now and keeps the game as a closed window does.
EMSCRIPTEN_KEEPALIVE void hollowmereLeaving() {
    if (!gWeb.looping) return;
    gWeb.leaving = true;
    webFrame();
}
}

bool platformStartVideo(const WindowChoice&) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        printf("Unable to init SDL: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

// The page has one canvas: opened once; a mode change leaves it as it is
// (the page switches full screen itself: browsers allow it only in the key's own event).
SDL_Surface* platformOpenWindow(const WindowChoice&, const std::string&, const char*) {
    // no title: the page keeps its own, and its icon comes from the page too
    if (!gWeb.window) gWeb.window = SDL_CreateWindow(nullptr, 0, 0, kWidth, kHeight, 0);
    if (gWeb.window && !gWeb.screen) {
        gWeb.screen = SDL_CreateRGBSurface(0, kWidth, kHeight, 32, 0xff0000, 0xff00, 0xff, 0);
        gWeb.rgba = new uint8_t[kWidth * kHeight * 4];
    }
    if (!gWeb.screen) printf("Unable to set video resolution: %s\n", SDL_GetError());
    return gWeb.screen;
}

void platformPresent(SDL_Surface* screen, const SDL_Rect* parts, int count) {
    const SDL_Rect all = {0, 0, kWidth, kHeight};
    if (!parts) {
        parts = &all;
        count = 1;
    }
    for (int i = 0; i < count && screen == gWeb.screen; ++i) {
        SDL_Rect part = parts[i];
        if (!SDL_IntersectRect(&part, &all, &part)) continue;
        // 0x00RRGGBB words become R, G, B, 255 bytes
        for (int y = part.y; y < part.y + part.h; ++y) {
            const Uint32* from = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(screen->pixels) +
                                                                 static_cast<size_t>(y) * screen->pitch);
            uint8_t* to = gWeb.rgba + (static_cast<size_t>(y) * kWidth + part.x) * 4;
            for (int x = part.x; x < part.x + part.w; ++x, to += 4) {
                const Uint32 p = from[x];
                to[0] = static_cast<uint8_t>(p >> 16);
                to[1] = static_cast<uint8_t>(p >> 8);
                to[2] = static_cast<uint8_t>(p);
                to[3] = 255;
            }
        }
        EM_ASM({
            var ctx = Module.hollowmereContext || (Module.hollowmereContext = Module.canvas.getContext("2d"));
            var pixels = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, $0, $1 * $2 * 4), $1, $2);
            ctx.putImageData(pixels, 0, 0, $3, $4, $5, $6);
        }, gWeb.rgba, kWidth, kHeight, part.x, part.y, part.w, part.h);
    }
    if (gWeb.firstPictureMs == 0 && screen == gWeb.screen) gWeb.firstPictureMs = emscripten_get_now();
}

bool platformWindowSize(int& w, int& h) {
    if (!gWeb.window) return false;
    SDL_GetWindowSize(gWeb.window, &w, &h);
    return true;
}

// The page sizes the canvas itself: the game never fits a window to a screen here.
bool platformScreenSize(int&, int&) { return false; }

void platformHidePointer() { SDL_ShowCursor(SDL_DISABLE); }

void platformPollEvents(PlatformEvents& out) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT: out.quit = true; break;
        case SDL_KEYDOWN:
            if (!event.key.repeat) out.keys.push_back(gameKey(event.key.keysym));
            break;
        case SDL_WINDOWEVENT:
            // the canvas may have been cleared or resized: the next frame is handed over
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SHOWN ||
                event.window.event == SDL_WINDOWEVENT_RESTORED || event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                out.exposed = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) out.leftWentDown = true;
            if (event.button.button == SDL_BUTTON_RIGHT) out.rightWentDown = true;
            break;
        default: break;
        }
    }
    gWeb.keys = SDL_GetKeyboardState(nullptr);
    out.leaving = gWeb.leaving;
    gWeb.leaving = false;
}

void platformPointer(int& x, int& y, bool& left, bool& right) {
    // SDL maps the page's pointer to the canvas's own 800x600 at any shown size
    const Uint32 buttons = SDL_GetMouseState(&x, &y);
    left = (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
    right = (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
}

bool platformKeyHeld(HeldKey key) {
    static const SDL_Scancode kScanCodes[] = {
        SDL_SCANCODE_UP,     // kHeldUp
        SDL_SCANCODE_DOWN,   // kHeldDown
        SDL_SCANCODE_LEFT,   // kHeldLeft
        SDL_SCANCODE_RIGHT,  // kHeldRight
        SDL_SCANCODE_TAB,    // kHeldTab
    };
    return gWeb.keys && gWeb.keys[kScanCodes[key]] != 0;
}

uint32_t platformTicks() { return SDL_GetTicks(); }

void platformSleep(uint32_t) {}  // the page paces the frames

SDL_Surface* platformLoadPicture(const std::string& path) {
    if (endsWith(path, ".bmp")) return SDL_LoadBMP(path.c_str());
    return loadPng(path.c_str());
}

void platformSetColorKey(SDL_Surface* s, bool on, Uint32 key) {
    SDL_SetColorKey(s, on ? SDL_TRUE : SDL_FALSE, on ? key : 0);
}

bool platformColorKey(SDL_Surface* s, Uint32* key) {
    Uint32 k = 0;
    const bool keyed = SDL_GetColorKey(s, &k) == 0;
    if (keyed && key) *key = k;
    return keyed;
}

void platformSetAlpha(SDL_Surface* s, bool blend, Uint8 alpha) {
    SDL_SetSurfaceAlphaMod(s, blend ? alpha : 255);
    SDL_SetSurfaceBlendMode(s, blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
}

void platformRunLoop(bool (*frame)(void* context), void* context) {
    gWeb.frame = frame;
    gWeb.context = context;
    gWeb.looping = true;
    // once a display refresh; main() ends here and the page goes on calling
    emscripten_set_main_loop(webFrame, 0, 1);
}

void platformFilesWritten() {
    EM_ASM({
        if (Module.hollowmereSync) Module.hollowmereSync(true);  // after this frame
    });
}
