// display.h - the ordered sprites of the current screen, drawn back to front.
// The last sprite of an interface screen is always the cursor.
#pragma once
#include <SDL.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Graphic;

struct DisplayList {
    std::vector<Graphic*> sprites;  // index 0 drawn first; owns its sprites
};

struct RenderTarget {
    uint8_t fullscreen;        // 1 = full-screen video mode (F9)
    SDL_Surface* screen;       // the 800x600x32 video surface
    DisplayList* displayList;  // the one display list
};

// Loads path anew and appends the sprite; returns it.
Graphic* addSprite(DisplayList& list, const std::string& path, const std::string& name,
                   int32_t x, int32_t y, int32_t frameWidth, int32_t frameHeight,
                   int32_t frameDelay, int32_t stripEnd, int32_t animMode);
void removeSprite(DisplayList& list, size_t index);  // out of range does nothing
void removeSpriteByName(DisplayList& list, const std::string& name);
void clearDisplayList(DisplayList& list);
Graphic* findSprite(const DisplayList& list, const std::string& name);  // first from index 0
Graphic* lastSprite(const DisplayList& list);                           // null when empty

void drawSprite(SDL_Surface* screen, Graphic& g);  // draws and steps the animation
void drawDisplayList(RenderTarget& target);
void drawTopSprite(RenderTarget& target);  // the cursor once more, above dialogue text

// Fades: one step per frame, clamped at both ends.
void setAlphaAll(DisplayList& list, uint8_t alpha);
void fadeInStep(DisplayList& list);
void fadeOutStep(DisplayList& list);
