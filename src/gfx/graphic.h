// graphic.h - named images: templates in the store, sprites in the display list.
#pragma once
#include <SDL.h>
#include <cstdint>
#include <map>
#include <string>

#include "frame/game_state.h"  // GraphicStore

// An animated image holds its frames stacked downwards from y 0; a sheet holds
// several such strips side by side, one per animation, selected with srcX.
struct Graphic {
    int32_t visible;          // 1 = drawn and animated; anything else = skipped
    int32_t x, y;             // screen position of the top-left corner
    int32_t srcX;             // left edge of the frame in the image: the animation column
    int32_t srcY;             // top edge of the current frame; the animation adds frameHeight
    int32_t frameWidth;       // 0 = the whole image width
    int32_t frameHeight;      // used only when stripEnd is not 0
    int32_t animMode;         // 0 none, 1 loop, anything else = play once and rest on frame 0
    int32_t frameDelay;       // configured draws per animation step
    int32_t delayCurrent;     // working delay; 0 = a play-once strip has ended. Templates keep their delay here
    int32_t delayCounter;     // draws since the last step
    int32_t stripEnd;         // srcY at which the strip ends (frames x frameHeight); 0 = not a strip
    int32_t baseFrameWidth;   // frame width given at creation
    int32_t baseFrameHeight;  // frame height given at creation
    uint8_t alpha;            // per-surface alpha, 255 = opaque
    SDL_Surface* surface;     // the loaded image, owned; null after a failed load
    std::string path;         // file it was loaded from
    std::string name;         // store key of a template, sprite name of a sprite
};

// Template: no geometry, loads path. Prints "IMG_Load: %s\n" when it cannot.
Graphic* newTemplateGraphic(const std::string& path, const std::string& name);
// Sprite: its own copy of the file with the given frame settings.
Graphic* newSpriteGraphic(const std::string& path, const std::string& name, int32_t x, int32_t y,
                          int32_t frameWidth, int32_t frameHeight, int32_t frameDelay,
                          int32_t stripEnd, int32_t animMode);
void deleteGraphic(Graphic* g);  // frees the surface too; null is fine

// Inserts a template under name unless the name is taken (the first load wins).
void loadGraphic(GraphicStore& store, const std::string& name, const std::string& path);
// Sets a template's frame geometry and animation right after loading it.
void configureTemplate(Graphic* g, int32_t frameWidth, int32_t frameHeight, int32_t animMode,
                       int32_t delay, int32_t stripEnd);

// Look-up by name in the image store or the text table; null when absent.
template <typename T>
T* findGraphic(const std::map<std::string, T*>& map, const std::string& name) {
    auto it = map.find(name);
    return it == map.end() ? nullptr : it->second;
}
