// SPDX-License-Identifier: MIT
// platform.h - what differs between the desktop program (SDL 1.2) and the
// browser page (SDL 2 under emscripten): the window and its modes, events,
// pointer and keys, time, reading a picture file, a surface's colour key and
// alpha, the loop's driver, and keeping the files the game writes.
//
// Everything above this folder calls these, plus the surface functions both
// SDL versions share as they are (surfaces, blits, fills, pixel formats, RWops,
// the BMP reader). desktop.cpp implements it on SDL 1.2, web.cpp on SDL 2.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

// ---- keys ----

// The keys the game reacts to when they go down, named alike on every platform.
enum GameKey : int32_t {
    kKeyOther = 0,  // any other key (it ends the Escape level)
    kKeyEscape,     // skips a sequence
    kKeyF5,         // quick save
    kKeyF6,         // the saved games
    kKeyF7,         // quick load
    kKeyF9,         // full screen on and off
    kKeyAltReturn,  // full screen on and off, as desktop players expect
};

// The keys the game reads as levels (held or not) once a frame.
enum HeldKey : int32_t {
    kHeldUp = 0,     // arrow up
    kHeldDown,       // arrow down
    kHeldLeft,       // arrow left
    kHeldRight,      // arrow right
    kHeldTab,        // Tab: the hot-spot markers show
};

// ---- the window ----

// What the player chose for the window. The 800x600 picture is scaled into the
// window or the screen with its shape kept, on black bars.
struct WindowChoice {
    bool fullscreen = false;  // the whole screen
    bool smooth = false;      // filtered scaling instead of sharp pixels
    int width = 800;          // the window's size out of full screen (the player may resize it)
    int height = 600;
};

// Starts SDL's video (the game makes no sound). Prints "Unable to init SDL: ..."
// and returns false when it cannot, or when there is no display to show the
// window on (unless the player chose a driver through SDL_VIDEODRIVER).
bool platformStartVideo(const WindowChoice& choice);
// Opens the window, or changes its mode, with the caption and the icon (a BMP
// file; missing is fine). Returns the 800x600 32-bit screen surface, or null
// after printing "Unable to set video resolution: ...".
SDL_Surface* platformOpenWindow(const WindowChoice& choice, const std::string& caption,
                                const char* iconPath);
// Hands the screen to the window: the whole of it (parts null) or count parts.
void platformPresent(SDL_Surface* screen, const SDL_Rect* parts, int count);
// The window's size on the desktop; false when it cannot be told.
bool platformWindowSize(int& w, int& h);
// The part of the screen a window may take (without panels), video started;
// false when it cannot be told.
bool platformScreenSize(int& w, int& h);
// The game draws its own cursor sprite: the system's pointer is hidden.
void platformHidePointer();

// ---- events and input ----

// Everything the window told us since the last call.
struct PlatformEvents {
    bool quit = false;           // the window was closed
    bool leaving = false;        // the page was hidden or is closing: keep the game, play on
    bool exposed = false;        // uncovered, restored, refocused or resized
    bool leftWentDown = false;   // a left press came (it may be released again by now)
    bool rightWentDown = false;  // the same for the right button
    std::vector<GameKey> keys;   // key-downs in the order they came
};
void platformPollEvents(PlatformEvents& out);
// The pointer in the game's 800x600 pixels and the buttons held now.
void platformPointer(int& x, int& y, bool& left, bool& right);
bool platformKeyHeld(HeldKey key);  // as of the last platformPollEvents

// ---- time ----

uint32_t platformTicks();         // ms since video started
// Gives the processor away for ms; the browser's page paces its frames itself,
// so there it returns at once.
void platformSleep(uint32_t ms);

// ---- pictures and surfaces ----

// A PNG or BMP file at its own depth; null with the reason in SDL_GetError().
SDL_Surface* platformLoadPicture(const std::string& path);
// Pixels equal to key are not drawn (on), or every pixel is (off).
void platformSetColorKey(SDL_Surface* s, bool on, Uint32 key);
// True when the surface has a colour key; key (when given) receives it.
bool platformColorKey(SDL_Surface* s, Uint32* key);
// Blends the whole surface at alpha (blend), or copies it (alpha ignored).
void platformSetAlpha(SDL_Surface* s, bool blend, Uint8 alpha);

// ---- the loop ----

// Calls frame until it returns false. The desktop calls it again at once (the
// frame sleeps through its own rest); the browser calls it once a display
// refresh and hands control back to the page in between. Returns when the
// loop ends (on the web the page lives on).
void platformRunLoop(bool (*frame)(void* context), void* context);

// ---- the files the game writes ----

// Called after a settings or save file was written or removed: the browser
// keeps its files in the page's storage and saves them there now.
void platformFilesWritten();
