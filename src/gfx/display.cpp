// display.cpp - the display list: sprite bookkeeping, drawing with frame animation, fades.
#include "gfx/display.h"

#include <climits>
#include <cstdlib>
#include <glob.h>

#include "gfx/graphic.h"
#include "gfx/text.h"

namespace {

bool fitsInt16(int32_t v) { return v >= INT16_MIN && v <= INT16_MAX; }

Uint16 blitSize(int32_t v) {
    if (v < 0) return 0;
    return v > UINT16_MAX ? UINT16_MAX : static_cast<Uint16>(v);
}

// Adds without wrapping: a strip whose end is never met keeps growing srcY.
int32_t addSaturated(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

// One animation step per draw; the frame drawn is the one before the step.
void stepAnimation(Graphic& g) {
    if (g.animMode == 1 && g.delayCurrent == 0) g.delayCurrent = g.frameDelay;
    if (g.delayCounter == g.delayCurrent) {
        g.srcY = addSaturated(g.srcY, g.frameHeight);
        g.delayCounter = 0;
    }
    if (g.delayCurrent != 0 && g.delayCounter < INT32_MAX) g.delayCounter += 1;
    if (g.srcY == g.stripEnd) {
        g.srcY = 0;
        if (g.animMode != 1) g.delayCurrent = 0;  // play-once rests on its first frame
    }
}

// A removed sprite may still be in the frame being noted: it is freed once that frame is composed.
void retire(DisplayList& list, Graphic* g) {
    if (list.holdRemoved)
        list.removed.push_back(g);
    else
        deleteGraphic(g);
}

void freeRemoved(DisplayList& list) {
    for (Graphic* g : list.removed) deleteGraphic(g);
    list.removed.clear();
}

// What drawing g now would put on screen; false when it draws nothing. Steps the animation.
bool spriteStep(Graphic& g, DrawStep& step) {
    if (g.visible != 1 || !g.surface) return false;

    int32_t srcW = g.surface->w;
    int32_t srcH = g.surface->h;
    const int32_t srcX = g.srcX;
    const int32_t srcY = g.srcY;  // taken before the step: the step shows on the next draw
    if (g.stripEnd != 0) {
        srcH = g.frameHeight;
        if (g.frameWidth != 0) srcW = g.frameWidth;
        if (g.animMode != 0) stepAnimation(g);
    }
    // Blit rectangles are 16-bit; anything beyond that lies far outside screen and image.
    if (!fitsInt16(srcX) || !fitsInt16(srcY) || !fitsInt16(g.x) || !fitsInt16(g.y)) return false;
    step.kind = kDrawSprite;
    step.surface = g.surface;
    step.source = g.path;
    step.src.x = static_cast<Sint16>(srcX);
    step.src.y = static_cast<Sint16>(srcY);
    step.src.w = blitSize(srcW);
    step.src.h = blitSize(srcH);
    step.x = g.x;
    step.y = g.y;
    step.alpha = g.alpha;
    return true;
}

void blitStep(SDL_Surface* screen, const DrawStep& step) {
    SDL_Surface* picture = step.surface;
    SDL_Rect src = step.src;
    SDL_Rect dst;
    dst.x = static_cast<Sint16>(step.x);
    dst.y = static_cast<Sint16>(step.y);
    dst.w = 0;
    dst.h = 0;
    // An opaque sprite without an alpha channel looks the same blended or copied;
    // copying with the colour key takes the blitter's fast path.
    if (step.alpha == 255 && picture->format->Amask == 0)
        SDL_SetAlpha(picture, 0, 255);
    else
        SDL_SetAlpha(picture, SDL_SRCALPHA, step.alpha);
    SDL_UpperBlit(picture, &src, screen, &dst);
}

void drawStep(SDL_Surface* screen, const DrawStep& step) {
    switch (step.kind) {
    case kDrawSprite: blitStep(screen, step); break;
    case kDrawText:
        drawText(*step.text, step.source, step.x, step.y, step.size, step.colour);
        break;
    case kDrawNumber: drawNumber(*step.text, step.number, step.x, step.y, step.size); break;
    }
}

bool sameRect(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Two steps put the same pixels on screen (a picture is known by its surface and file).
bool sameStep(const DrawStep& a, const DrawStep& b) {
    if (a.kind != b.kind || a.x != b.x || a.y != b.y) return false;
    switch (a.kind) {
    case kDrawSprite:
        return a.surface == b.surface && a.alpha == b.alpha && sameRect(a.src, b.src) &&
               a.source == b.source;
    case kDrawText:
        return a.text == b.text && a.size == b.size && a.colour == b.colour && a.source == b.source;
    case kDrawNumber: return a.text == b.text && a.size == b.size && a.number == b.number;
    }
    return false;
}

// The next free step of the frame, reusing what an earlier frame left there.
DrawStep& nextStep(RenderTarget& t) {
    if (t.stepCount == t.steps.size()) t.steps.emplace_back();
    return t.steps[t.stepCount++];
}

void noteOrDraw(RenderTarget& target, Graphic& g) {
    if (target.noting) {
        DrawStep& step = nextStep(target);
        if (!spriteStep(g, step)) --target.stepCount;
        return;
    }
    drawSprite(target.screen, g);
}

}  // namespace

Graphic* addSprite(DisplayList& list, const std::string& path, const std::string& name,
                   int32_t x, int32_t y, int32_t frameWidth, int32_t frameHeight,
                   int32_t frameDelay, int32_t stripEnd, int32_t animMode) {
    Graphic* g = newSpriteGraphic(path, name, x, y, frameWidth, frameHeight, frameDelay, stripEnd,
                                  animMode);
    list.sprites.push_back(g);
    return g;
}

void removeSprite(DisplayList& list, size_t index) {
    if (index >= list.sprites.size()) return;
    retire(list, list.sprites[index]);
    list.sprites.erase(list.sprites.begin() + static_cast<std::ptrdiff_t>(index));
}

void removeSpriteByName(DisplayList& list, const std::string& name) {
    size_t kept = 0;
    for (size_t i = 0; i < list.sprites.size(); ++i) {
        Graphic* g = list.sprites[i];
        if (g->name == name) {
            retire(list, g);
        } else {
            list.sprites[kept++] = g;
        }
    }
    list.sprites.resize(kept);
}

void clearDisplayList(DisplayList& list) {
    for (Graphic* g : list.sprites) retire(list, g);
    list.sprites.clear();
    if (!list.holdRemoved) freeRemoved(list);
}

Graphic* findSprite(const DisplayList& list, const std::string& name) {
    for (Graphic* g : list.sprites) {
        if (g->name == name) return g;
    }
    return nullptr;
}

Graphic* lastSprite(const DisplayList& list) {
    return list.sprites.empty() ? nullptr : list.sprites.back();
}

void drawSprite(SDL_Surface* screen, Graphic& g) {
    DrawStep step;
    if (spriteStep(g, step) && screen) blitStep(screen, step);
}

void drawDisplayList(RenderTarget& target) {
    if (!target.displayList) return;
    for (Graphic* g : target.displayList->sprites) noteOrDraw(target, *g);
}

void drawTopSprite(RenderTarget& target) {
    if (!target.displayList) return;
    Graphic* top = lastSprite(*target.displayList);
    if (top) noteOrDraw(target, *top);
}

void beginFrameDrawing(RenderTarget& target) {
    target.stepCount = 0;
    if (target.composeEveryFrame) {
        // The old way: a black screen, then everything drawn at once as the frame goes.
        target.noting = false;
        target.composedOn = nullptr;
        if (target.screen)
            SDL_FillRect(target.screen, nullptr, SDL_MapRGB(target.screen->format, 0, 0, 0));
        return;
    }
    target.noting = true;
    if (target.displayList) target.displayList->holdRemoved = true;
}

bool composeFrame(RenderTarget& t) {
    const bool noted = t.noting;
    t.noting = false;
    bool handOver = false;
    SDL_Surface* screen = t.screen;
    if (screen && !noted) {
        handOver = true;  // drawn as it went
    } else if (screen) {
        bool same = t.composedOn == screen && t.stepCount == t.shownCount;
        for (size_t i = 0; same && i < t.stepCount; ++i) same = sameStep(t.steps[i], t.shown[i]);
        if (!same) {
            SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
            for (size_t i = 0; i < t.stepCount; ++i) drawStep(screen, t.steps[i]);
            t.steps.swap(t.shown);
            t.shownCount = t.stepCount;
            t.composedOn = screen;
        }
        handOver = !same || t.presentNext;
    }
    if (handOver) {
        SDL_Flip(screen);
        t.presentNext = false;
        ++t.framesPresented;
    }
    t.stepCount = 0;
    if (t.displayList) {
        t.displayList->holdRemoved = false;
        freeRemoved(*t.displayList);
    }
    return handOver;
}

bool noteText(TextRenderer& r, RenderTarget* target, const std::string& text, int x, int y,
              int size, uint32_t colour) {
    if (!target || !target->noting) return false;
    DrawStep& step = nextStep(*target);
    step.kind = kDrawText;
    step.text = &r;
    step.source.assign(text);
    step.x = x;
    step.y = y;
    step.size = size;
    step.colour = colour;
    return true;
}

bool noteNumber(TextRenderer& r, RenderTarget* target, int32_t value, int x, int y, int size) {
    if (!target || !target->noting) return false;
    DrawStep& step = nextStep(*target);
    step.kind = kDrawNumber;
    step.text = &r;
    step.number = value;
    step.x = x;
    step.y = y;
    step.size = size;
    return true;
}

void chooseRenderDriver() {
    if (std::getenv("SDL_RENDER_DRIVER")) return;  // the player's choice stands
    glob_t cards = {};
    const bool gpu = glob("/dev/dri/card*", 0, nullptr, &cards) == 0 && cards.gl_pathc > 0;
    globfree(&cards);
    if (!gpu) setenv("SDL_RENDER_DRIVER", "software", 0);
}

void setAlphaAll(DisplayList& list, uint8_t alpha) {
    for (Graphic* g : list.sprites) g->alpha = alpha;
}

void fadeInStep(DisplayList& list) {
    for (Graphic* g : list.sprites) {
        if (g->alpha < 255) g->alpha = static_cast<uint8_t>(g->alpha + 1);
    }
}

void fadeOutStep(DisplayList& list) {
    for (Graphic* g : list.sprites) {
        if (g->alpha > 0) g->alpha = static_cast<uint8_t>(g->alpha - 1);
    }
}
