// SPDX-License-Identifier: MIT
// display.h - the ordered sprites of the current screen, drawn back to front.
// The last sprite of an interface screen is always the cursor.
//
// A frame does not draw straight away: the sprites, texts and numbers it would
// draw are noted in the render target's draw list, and the picture is composed
// at the end of the frame only when that list differs from the one on the
// window. An idle scene therefore costs no pixels at all.
#pragma once
#include "platform/platform.h"
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Graphic;
struct TextRenderer;

struct DisplayList {
    std::vector<Graphic*> sprites;  // index 0 drawn first; owns its sprites
    std::vector<Graphic*> removed;  // taken off while a frame is noted; freed once it is composed
    bool holdRemoved = false;       // a frame is being noted: removed sprites wait in removed

    DisplayList() = default;
    DisplayList(const DisplayList&) = delete;
    DisplayList& operator=(const DisplayList&) = delete;
};

enum DrawKind : uint8_t {
    kDrawSprite = 0,  // a frame of a sprite's picture
    kDrawText = 1,    // a line of text in one of the fonts
    kDrawNumber = 2,  // ten digits
};

// What composing has found out about a big sprite frame's pixels; they never
// change for a file's frame, so it is found once.
struct FrameFacts {
    bool blank = false;      // every pixel is the colour key (an explosion's empty frame)
    int32_t rows = 0;        // rows looked at: every eighth
    int32_t keyedRows = 0;   // of those, the rows holding the colour key
};

// One thing a frame draws, with everything its pixels depend on.
struct DrawStep {
    DrawKind kind = kDrawSprite;        // what is drawn
    SDL_Surface* surface = nullptr;     // sprite: the picture
    std::string source;                 // sprite: the picture's file; text: the text
    SDL_Rect src = {0, 0, 0, 0};        // sprite: the frame's rectangle in the picture
    int32_t frameY = 0;                 // sprite: the frame's top in the whole file (a streamed
                                        // strip's rows come and go in one surface)
    int32_t x = 0, y = 0;               // top-left on screen
    uint8_t alpha = 255;                // sprite: per-surface alpha
    TextRenderer* text = nullptr;       // text, number: the fonts
    int32_t size = 0;                   // text, number: font size selector
    uint32_t colour = 0;                // text: the caller's colour
    int32_t number = 0;                 // number: the value
    FrameFacts* facts = nullptr;        // sprite: what is known of a big frame's pixels, or null
                                        // (set when composed; not part of what it shows)
};

struct RenderTarget {
    uint8_t fullscreen = 0;                // 1 = full-screen video mode (F9)
    SDL_Surface* screen = nullptr;         // the 800x600x32 video surface
    DisplayList* displayList = nullptr;    // the one display list
    bool noting = false;                   // between beginFrameDrawing and composeFrame
    bool testHookDrawAtOnce = false;       // test hook: draw at once and hand every frame over, as the
                                           // game once did; tests compare the noted frames with it
    bool presentNext = false;              // the window needs the next frame even if unchanged
    bool readsAhead = false;               // pictures are read ahead and in the frames' spare time: once
                                           // a frame is shown, none reads a picture itself, it waits for it
    bool picturesMissing = false;          // this frame has a sprite whose picture is not read yet: it
                                           // is not composed, the window keeps the last one
    std::vector<DrawStep> steps;           // what this frame draws, in order
    size_t stepCount = 0;                  // steps used this frame (the rest keep their capacity)
    std::vector<DrawStep> shown;           // what the screen shows now, in order
    size_t shownCount = 0;                 // entries of shown in use
    SDL_Surface* composedOn = nullptr;     // the surface shown was composed on; null = none
    std::map<std::string, FrameFacts> frameFacts;  // big sprite frames by file and frame's place:
                                           // an empty frame is skipped, a frame full of holes is
                                           // drawn over the pictures below, not around them
    std::map<std::string, std::vector<SDL_Rect>> frameChanges;  // where a big strip's frame differs from
                                           // the one next to it, in the frame, by file, column, size and
                                           // the two frames' rows: only that changes when it steps
    std::vector<SDL_Rect> changed;         // the parts of the screen this frame composes (kept for its capacity)
    std::vector<SDL_Rect> belowCover;      // the parts of a changed part that a film frame leaves
                                           // to the pictures below it (kept for its capacity)
    uint64_t framesPresented = 0;          // frames handed to the window so far

    RenderTarget() = default;
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;
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
// Both step the animations; while the target notes a frame they note instead of drawing.
void drawDisplayList(RenderTarget& target);
// The cursor once more, above dialogue text; animate false shows its frame without a step.
void drawTopSprite(RenderTarget& target, bool animate = true);
// A frame of a picture drawn once where no sprite is (nothing steps), noted like a sprite.
void drawPicture(RenderTarget& target, SDL_Surface* picture, const std::string& source,
                 const SDL_Rect& src, int32_t x, int32_t y);

// The frame's drawing: begin noting, then compose once at the end. Text and
// numbers are noted through noteText/noteNumber, which the text drawing asks first.
void beginFrameDrawing(RenderTarget& target);
// Composes and hands the frame to the window unless it is the frame already
// shown (and nothing asked for it again) or a picture it needs is not read yet;
// returns whether it was handed over. Only the part that changed is composed
// again and handed over.
bool composeFrame(RenderTarget& target);
// Reads the pictures the display list's sprites still miss, a few rows at a
// time, then the rows their strips show next, until budgetMs have passed; true
// when no picture is missing.
bool readMissingPictures(RenderTarget& target, uint32_t budgetMs);
// Finds out where the big strips on screen change when they step, from the
// frame each shows to the frames before and after it, while both are held;
// until deadline (a frame's spare time). Nothing is read for it.
void learnFrameChanges(RenderTarget& target, std::chrono::steady_clock::time_point deadline);
// True when the text was noted for later instead of drawn now.
bool noteText(TextRenderer& r, RenderTarget* target, const std::string& text, int x, int y,
              int size, uint32_t colour);
bool noteNumber(TextRenderer& r, RenderTarget* target, int32_t value, int x, int y, int size);

// Fades: one step per frame, clamped at both ends.
void setAlphaAll(DisplayList& list, uint8_t alpha);
void fadeInStep(DisplayList& list);
void fadeOutStep(DisplayList& list);
