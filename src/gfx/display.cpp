// display.cpp - the display list: sprite bookkeeping, drawing with frame animation, fades.
#include "gfx/display.h"

#include <climits>

#include "gfx/graphic.h"

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
    deleteGraphic(list.sprites[index]);
    list.sprites.erase(list.sprites.begin() + static_cast<std::ptrdiff_t>(index));
}

void removeSpriteByName(DisplayList& list, const std::string& name) {
    size_t kept = 0;
    for (size_t i = 0; i < list.sprites.size(); ++i) {
        Graphic* g = list.sprites[i];
        if (g->name == name) {
            deleteGraphic(g);
        } else {
            list.sprites[kept++] = g;
        }
    }
    list.sprites.resize(kept);
}

void clearDisplayList(DisplayList& list) {
    for (Graphic* g : list.sprites) deleteGraphic(g);
    list.sprites.clear();
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
    int32_t srcW = 0, srcH = 0;
    if (g.visible != 1 || !graphicDecoded(g) || !graphicSize(g, srcW, srcH)) return;

    const int32_t srcX = g.srcX;
    const int32_t srcY = g.srcY;  // taken before the step: the step shows on the next draw
    if (g.stripEnd != 0) {
        srcH = g.frameHeight;
        if (g.frameWidth != 0) srcW = g.frameWidth;
        if (g.animMode != 0) stepAnimation(g);
    }

    if (!screen) return;
    // Blit rectangles are 16-bit; anything beyond that lies far outside screen and image.
    if (!fitsInt16(srcX) || !fitsInt16(srcY) || !fitsInt16(g.x) || !fitsInt16(g.y)) return;
    // A streamed strip holds only some rows: the picture gives them and their place.
    int32_t rowY = srcY;
    SDL_Surface* picture = graphicRows(g, rowY, srcH);
    if (!picture) return;
    SDL_Rect src;
    src.x = static_cast<Sint16>(srcX);
    src.y = static_cast<Sint16>(rowY);
    src.w = blitSize(srcW);
    src.h = blitSize(srcH);
    SDL_Rect dst;
    dst.x = static_cast<Sint16>(g.x);
    dst.y = static_cast<Sint16>(g.y);
    dst.w = 0;
    dst.h = 0;
    // An opaque sprite without an alpha channel looks the same blended or copied;
    // copying with the colour key takes the blitter's fast path.
    // The picture is shared, so the sprite's own alpha is set again for every blit.
    if (g.alpha == 255 && picture->format->Amask == 0)
        SDL_SetAlpha(picture, 0, 255);
    else
        SDL_SetAlpha(picture, SDL_SRCALPHA, g.alpha);
    SDL_UpperBlit(picture, &src, screen, &dst);
}

void drawDisplayList(RenderTarget& target) {
    if (!target.displayList) return;
    for (Graphic* g : target.displayList->sprites) drawSprite(target.screen, *g);
}

void drawTopSprite(RenderTarget& target) {
    if (!target.displayList) return;
    Graphic* top = lastSprite(*target.displayList);
    if (top) drawSprite(target.screen, *top);
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
