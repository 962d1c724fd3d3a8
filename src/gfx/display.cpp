// SPDX-License-Identifier: MIT
// display.cpp - the display list: sprite bookkeeping, drawing with frame animation, fades.
#include "gfx/display.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <vector>

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
bool spriteStep(Graphic& g, DrawStep& step, bool animate = true, bool spareTimeReads = false) {
    int32_t srcW = 0, srcH = 0;
    if (g.visible != 1 || !graphicDecoded(g) || !graphicSize(g, srcW, srcH)) return false;

    const int32_t srcX = g.srcX;
    const int32_t srcY = g.srcY;  // taken before the step: the step shows on the next draw
    if (g.stripEnd != 0) {
        srcH = g.frameHeight;
        if (g.frameWidth != 0) srcW = g.frameWidth;
        if (animate && g.animMode != 0) stepAnimation(g);
    }
    // Blit rectangles are 16-bit; anything beyond that lies far outside screen and image.
    if (!fitsInt16(srcX) || !fitsInt16(srcY) || !fitsInt16(g.x) || !fitsInt16(g.y)) return false;
    // A streamed strip holds only some rows: the picture gives them and their place.
    int32_t rowY = srcY;
    SDL_Surface* picture = graphicRows(g, rowY, srcH, spareTimeReads);
    if (!picture) return false;
    step.kind = kDrawSprite;
    step.surface = picture;
    step.source = g.path;
    step.frameY = srcY;
    step.src.x = static_cast<Sint16>(srcX);
    step.src.y = static_cast<Sint16>(rowY);
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
    platformSetAlpha(picture, !(step.alpha == 255 && picture->format->Amask == 0), step.alpha);
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
               a.frameY == b.frameY &&
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

void noteOrDrawStep(RenderTarget& target, const DrawStep& step) {
    if (target.noting)
        nextStep(target) = step;
    else if (target.screen)
        blitStep(target.screen, step);
}

void noteOrDraw(RenderTarget& target, Graphic& g, bool animate = true) {
    if (target.noting && target.readsAhead && target.framesPresented > 0 && g.visible == 1 &&
        !graphicReady(g)) {
        // Not read yet: the frame waits for it, and its animation starts once it
        // shows (a strip's first rows are read for the frame it stands on).
        // The very first frame reads what it needs: there is no picture to keep yet.
        target.picturesMissing = true;
        return;
    }
    if (target.noting) {
        DrawStep& step = nextStep(target);
        if (!spriteStep(g, step, animate, target.readsAhead)) --target.stepCount;
        return;
    }
    DrawStep step;
    if (spriteStep(g, step, animate) && target.screen) blitStep(target.screen, step);
}

SDL_Rect rectOf(int x, int y, int w, int h) {
    SDL_Rect r;
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    return r;
}

// Adds the part of x, y, w, h that lies on a screen of sw x sh to parts.
void addArea(std::vector<SDL_Rect>& parts, long x, long y, long w, long h, int sw, int sh) {
    long x1 = x + w, y1 = y + h;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    if (x1 > sw) x1 = sw;
    if (y1 > sh) y1 = sh;
    if (x >= x1 || y >= y1) return;
    parts.push_back(rectOf(int(x), int(y), int(x1 - x), int(y1 - y)));
}

// Where a step may change pixels. Text runs down and across from its first
// line (line breaks and wrapping), so it claims the rows from there down.
void addStepArea(std::vector<SDL_Rect>& parts, const DrawStep& step, int sw, int sh) {
    if (step.kind == kDrawSprite)
        addArea(parts, step.x, step.y, step.src.w, step.src.h, sw, sh);
    else
        addArea(parts, 0, step.y, sw, sh - static_cast<long>(step.y), sw, sh);
}

// Whether the rectangle x, y, w, h holds all of inner.
bool contains(const SDL_Rect& inner, long x, long y, long w, long h) {
    return x <= inner.x && y <= inner.y && x + w >= inner.x + inner.w && y + h >= inner.y + inner.h;
}

long areaOf(const SDL_Rect& r) { return long(r.w) * r.h; }

SDL_Rect unionOf(const SDL_Rect& a, const SDL_Rect& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return rectOf(x0, y0, x1 - x0, y1 - y0);
}

// Each part costs a round of every step's drawing and a hand-over of its own:
// two parts become one where that adds no more than a few rows of pixels, and
// the cheapest pairs become one until no more than most are left.
void mergeParts(std::vector<SDL_Rect>& parts, size_t most) {
    constexpr long kPartCost = 8 * 800;  // pixels: what one more part costs, about
    // a part within another goes first (every part is within a whole-screen one)
    for (size_t i = 0; i < parts.size(); ++i)
        for (size_t j = 0; j < parts.size(); ++j) {
            if (i == j || !contains(parts[i], parts[j].x, parts[j].y, parts[j].w, parts[j].h)) continue;
            parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(i--));
            break;
        }
    for (;;) {
        size_t a = 0, b = 0;
        long cheapest = LONG_MAX;
        for (size_t i = 0; i < parts.size(); ++i)
            for (size_t j = i + 1; j < parts.size(); ++j) {
                const long growth = areaOf(unionOf(parts[i], parts[j])) - areaOf(parts[i]) - areaOf(parts[j]);
                if (growth < cheapest) {
                    cheapest = growth;
                    a = i;
                    b = j;
                }
            }
        if (cheapest == LONG_MAX || (cheapest > kPartCost && parts.size() <= most)) return;
        parts[a] = unionOf(parts[a], parts[b]);
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(b));
    }
}

// A sprite frame of at least this many pixels (about a fifth of the screen) is
// worth finding out about; smaller ones cost little to draw.
constexpr long kWorthAsking = 100000;

// A frame of a file (its top row in the file, its column and size): what is
// known of its pixels is looked up by this.
std::string frameKey(const std::string& source, int32_t frameY, int32_t x, int32_t w, int32_t h) {
    return source + ' ' + std::to_string(frameY) + ' ' + std::to_string(x) + ' ' + std::to_string(w) + ' ' +
           std::to_string(h);
}

// A big strip's frame stepping to another frame of the same column: what is
// known of where the two differ is looked up by this.
std::string frameChangeKey(const std::string& source, int32_t x, int32_t w, int32_t h, int32_t fromY,
                           int32_t toY) {
    return frameKey(source, fromY, x, w, h) + ' ' + std::to_string(toY);
}

// Where the frame before differs from the frame now, when now is the same
// strip at the same place and only its frame stepped, and that is known; null otherwise.
const std::vector<SDL_Rect>* knownFrameChange(const RenderTarget& t, const DrawStep& before, const DrawStep& now) {
    if (t.frameChanges.empty() || now.kind != kDrawSprite || before.kind != kDrawSprite ||
        long(now.src.w) * now.src.h < kWorthAsking || now.x != before.x ||
        now.y != before.y || now.alpha != before.alpha || now.src.x != before.src.x || now.src.w != before.src.w ||
        now.src.h != before.src.h || now.source != before.source)
        return nullptr;
    auto known = t.frameChanges.find(
        frameChangeKey(now.source, now.src.x, now.src.w, now.src.h, before.frameY, now.frameY));
    return known == t.frameChanges.end() ? nullptr : &known->second;
}

// The parts of the screen whose pixels differ between shown and the noted
// steps, into t.changed; the whole screen when the lists cannot be matched step by step.
void findChangedParts(RenderTarget& t, SDL_Surface* screen) {
    std::vector<SDL_Rect>& parts = t.changed;
    parts.clear();
    const int sw = screen->w, sh = screen->h;
    if (t.composedOn != screen || t.stepCount != t.shownCount) {
        parts.push_back(rectOf(0, 0, sw, sh));
        return;
    }
    for (size_t i = 0; i < t.stepCount; ++i) {
        const DrawStep& now = t.steps[i];
        const DrawStep& before = t.shown[i];
        if (sameStep(now, before)) continue;
        if (const std::vector<SDL_Rect>* change = knownFrameChange(t, before, now)) {
            for (const SDL_Rect& r : *change) addArea(parts, long(now.x) + r.x, long(now.y) + r.y, r.w, r.h, sw, sh);
            continue;
        }
        addStepArea(parts, now, sw, sh);
        addStepArea(parts, before, sw, sh);
    }
    constexpr size_t kMostParts = 8;
    mergeParts(parts, kMostParts);
}

// The part of the picture a sprite step draws, as a screen rectangle.
bool pictureCovers(const DrawStep& step, const SDL_Rect& area) {
    const SDL_Surface* p = step.surface;
    if (step.src.x < 0 || step.src.y < 0) return false;
    const long w = std::min<long>(step.src.w, p->w - static_cast<long>(step.src.x));
    const long h = std::min<long>(step.src.h, p->h - static_cast<long>(step.src.y));
    return contains(area, step.x, step.y, w, h);
}

// The first picture of a frame is drawn on black. Opaque and covering the area,
// it is copied without its colour key: its black pixels are the black below.
bool copyOpaqueCover(SDL_Surface* target, const DrawStep& step, const SDL_Rect& area) {
    SDL_Surface* p = step.surface;
    if (step.alpha != 255 || p->format->Amask != 0 || !pictureCovers(step, area)) return false;
    Uint32 key = 0;
    const bool keyed = platformColorKey(p, &key);
    platformSetColorKey(p, false, 0);
    blitStep(target, step);
    if (keyed) platformSetColorKey(p, true, key);
    return true;
}

bool plainRgb(const SDL_PixelFormat* f) {
    return f->BytesPerPixel == 4 && f->Rmask == 0xff0000 && f->Gmask == 0xff00 &&
           f->Bmask == 0xff && f->Amask == 0;
}

// s * alpha / 255, rounded down, of each channel of an xRGB pixel: red and
// blue side by side in one word, green alone; x / 255 is (x + 1 + x / 256) / 256
// for every x up to 255 * 255.
inline Uint32 scaledOnBlack(Uint32 v, Uint32 alpha) {
    const Uint32 rb = (v & 0xff00ffu) * alpha;
    const Uint32 g = ((v >> 8) & 0xffu) * alpha;
    const Uint32 rbDiv = ((rb + 0x00010001u + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
    const Uint32 gDiv = (g + 1 + (g >> 8)) >> 8;
    return rbDiv | gDiv << 8;
}

// Eight pixels at a time, in the compiler's vectors (plain code where there are
// none); on x86-64 the loops below come twice, for AVX2 and for any processor
// (not under ThreadSanitizer: the choice between them is made before it starts).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define PIXEL_LOOP __attribute__((target_clones("avx2", "default")))
#else
#define PIXEL_LOOP
#endif
using Lanes16 = uint16_t __attribute__((vector_size(32)));  // sixteen 16-bit lanes: a channel each
using Lanes32 = uint32_t __attribute__((vector_size(32)));  // eight pixels
constexpr long kLanePixels = 8;  // pixels in one vector

// A row of scaledOnBlack. Each pixel is two 16-bit lanes, blue and green in
// the first, red and the unused byte in the second; that byte comes out 0.
PIXEL_LOOP void scaleRowOnBlack(Uint32* dst, const Uint32* src, long n, Uint32 alpha) {
    const uint16_t a = static_cast<uint16_t>(alpha);
    const Lanes16 lowBy = a + Lanes16{};
    const Lanes16 highBy = Lanes16{a, 0, a, 0, a, 0, a, 0, a, 0, a, 0, a, 0, a, 0};  // green, then the unused byte
    const Lanes16 low = 0xff + Lanes16{};
    long i = 0;
    for (; i + kLanePixels <= n; i += kLanePixels) {
        Lanes16 v;
        std::memcpy(&v, src + i, sizeof v);
        const Lanes16 lo = (v & low) * lowBy;
        const Lanes16 hi = (v >> 8) * highBy;
        const Lanes16 out = ((lo + 1 + (lo >> 8)) >> 8) | (((hi + 1 + (hi >> 8)) >> 8) << 8);
        std::memcpy(dst + i, &out, sizeof out);
    }
    for (; i < n; ++i) dst[i] = scaledOnBlack(src[i], alpha);
}

// d + (s - d) * alpha / 255 of one channel, the quotient rounded towards 0.
inline Uint32 towards(Uint32 d, Uint32 s, Uint32 alpha) {
    return s >= d ? d + (s - d) * alpha / 255 : d - (d - s) * alpha / 255;
}

// A row of a keyed picture blended at alpha onto what is there, as the blitter
// blends it: towards() of each channel, the key left out, the unused byte 0.
PIXEL_LOOP void blendRow(Uint32* dst, const Uint32* src, long n, Uint32 key, Uint32 alpha) {
    const uint16_t a = static_cast<uint16_t>(alpha);
    const Lanes16 by = a + Lanes16{};
    const Lanes16 low = 0xff + Lanes16{};
    const Lanes32 keys = key + Lanes32{};
    const Lanes32 rgb = 0xffffff + Lanes32{};
    long i = 0;
    for (; i + kLanePixels <= n; i += kLanePixels) {
        Lanes32 v, d;
        std::memcpy(&v, src + i, sizeof v);
        std::memcpy(&d, dst + i, sizeof d);
        const Lanes16 sv = reinterpret_cast<Lanes16>(v), dv = reinterpret_cast<Lanes16>(d);
        // Each channel in a lane of its own, the low bytes and then the high
        // bytes: towards() with a quotient x / 255 that is (x + 1 + x / 256) / 256
        // for every x up to 255 * 255.
        Lanes16 half[2] = {};
        for (int h = 0; h < 2; ++h) {
            const Lanes16 s16 = h == 0 ? sv & low : sv >> 8;
            const Lanes16 d16 = h == 0 ? dv & low : dv >> 8;
            const Lanes16 up = reinterpret_cast<Lanes16>(s16 >= d16);  // all ones where s >= d
            const Lanes16 x = (((s16 - d16) & up) | ((d16 - s16) & ~up)) * by;
            const Lanes16 q = (x + 1 + (x >> 8)) >> 8;
            half[h] = ((d16 + q) & up) | ((d16 - q) & ~up);
        }
        const Lanes32 mixed = reinterpret_cast<Lanes32>(half[0] | half[1] << 8) & rgb;
        const Lanes32 isKey = v == keys;  // all ones where the pixel is the key
        const Lanes32 out = (d & isKey) | (mixed & ~isKey);
        std::memcpy(dst + i, &out, sizeof out);
    }
    for (; i < n; ++i) {
        const Uint32 v = src[i], d = dst[i];
        if (v == key) continue;
        dst[i] = towards(d >> 16 & 0xff, v >> 16 & 0xff, alpha) << 16 |
                 towards(d >> 8 & 0xff, v >> 8 & 0xff, alpha) << 8 | towards(d & 0xff, v & 0xff, alpha);
    }
}

// Whether no lane of a vector holds a bit.
inline bool noBits(Lanes32 v) {
    uint64_t words[4];
    std::memcpy(words, &v, sizeof words);
    return (words[0] | words[1] | words[2] | words[3]) == 0;
}

// A row of a keyed picture: every pixel but the key is copied.
PIXEL_LOOP void keyedRow(Uint32* dst, const Uint32* src, long n, Uint32 key) {
    const Lanes32 keys = key + Lanes32{};
    long i = 0;
    for (; i + kLanePixels <= n; i += kLanePixels) {
        Lanes32 v, d;
        std::memcpy(&v, src + i, sizeof v);
        std::memcpy(&d, dst + i, sizeof d);
        const Lanes32 isKey = v == keys;  // all ones where the pixel is the key
        const Lanes32 out = (d & isKey) | (v & ~isKey);
        std::memcpy(dst + i, &out, sizeof out);
    }
    for (; i < n; ++i) {
        if (src[i] != key) dst[i] = src[i];
    }
}

// A row copied whole; true when it holds the key anywhere.
PIXEL_LOOP bool copyRowFindingKey(Uint32* dst, const Uint32* src, long n, Uint32 key) {
    const Lanes32 keys = key + Lanes32{};
    Lanes32 found = {};
    long i = 0;
    for (; i + kLanePixels <= n; i += kLanePixels) {
        Lanes32 v;
        std::memcpy(&v, src + i, sizeof v);
        found |= v == keys;
        std::memcpy(dst + i, &v, sizeof v);
    }
    bool keyed = false;
    for (long lane = 0; lane < kLanePixels; ++lane) keyed = keyed || found[lane] != 0;
    for (; i < n; ++i) {
        keyed = keyed || src[i] == key;
        dst[i] = src[i];
    }
    return keyed;
}

// Whether a row holds the key anywhere; it stops at the first eight pixels that do.
PIXEL_LOOP bool rowHoldsKey(const Uint32* src, long n, Uint32 key) {
    const Lanes32 keys = key + Lanes32{};
    long i = 0;
    for (; i + kLanePixels <= n; i += kLanePixels) {
        Lanes32 v;
        std::memcpy(&v, src + i, sizeof v);
        if (!noBits(v == keys)) return true;
    }
    for (; i < n; ++i)
        if (src[i] == key) return true;
    return false;
}

// The pixels a sprite step puts within rect when its picture and the target
// are plain 32-bit xRGB, which the loops here read and write themselves: the
// screen rows y0 to y1 and columns x0 to x1.
struct Span {
    long x0 = 0, y0 = 0;  // first screen column and row
    long x1 = 0, y1 = 0;  // one past the last
};

bool plainSpan(SDL_Surface* target, const DrawStep& step, const SDL_Rect& rect, Span& span) {
    const SDL_Surface* p = step.surface;
    if (!plainRgb(p->format) || !plainRgb(target->format) || SDL_MUSTLOCK(p) ||
        SDL_MUSTLOCK(target) || step.src.x < 0 || step.src.y < 0)
        return false;
    const long w = std::min<long>(step.src.w, p->w - static_cast<long>(step.src.x));
    const long h = std::min<long>(step.src.h, p->h - static_cast<long>(step.src.y));
    span.x0 = std::max<long>(step.x, rect.x);
    span.y0 = std::max<long>(step.y, rect.y);
    span.x1 = std::max(span.x0, std::min<long>(step.x + w, rect.x + rect.w));
    span.y1 = std::max(span.y0, std::min<long>(step.y + h, rect.y + rect.h));
    return true;
}

// The picture's pixels for screen row y from column x, and the target's.
const Uint32* pictureRow(const DrawStep& step, long y, long x) {
    const SDL_Surface* p = step.surface;
    return reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(p->pixels) +
                                           (y - step.y + step.src.y) * p->pitch) +
           (x - step.x + step.src.x);
}

// A row of a 32-bit surface from column x: the target's, or a picture's own.
Uint32* targetRow(SDL_Surface* target, long y, long x) {
    return reinterpret_cast<Uint32*>(static_cast<uint8_t*>(target->pixels) + y * target->pitch) + x;
}
const Uint32* targetRow(const SDL_Surface* target, long y, long x) {
    return reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(target->pixels) + y * target->pitch) + x;
}

// An opaque keyed picture drawn as the blitter draws it, but in the loops
// here: every pixel but the key copied.
bool copyKeyed(SDL_Surface* target, const DrawStep& step, const SDL_Rect& rect) {
    Uint32 key = 0;
    Span span;
    if (step.alpha != 255 || !platformColorKey(step.surface, &key) ||
        !plainSpan(target, step, rect, span))
        return false;
    for (long y = span.y0; y < span.y1; ++y)
        keyedRow(targetRow(target, y, span.x0), pictureRow(step, y, span.x0), span.x1 - span.x0, key);
    return true;
}

// A half-faded keyed picture (the fades) blended as the blitter blends it,
// d + (s - d) * alpha / 255 per channel, but without its slow keyed path.
// On black (the first picture of a frame, covering the area) d is 0.
bool blendFaded(SDL_Surface* target, const DrawStep& step, const SDL_Rect& area, bool onBlack) {
    Uint32 key = 0;
    Span span;
    if (step.alpha == 255 || !platformColorKey(step.surface, &key) ||
        !plainSpan(target, step, area, span))
        return false;
    if (onBlack && !pictureCovers(step, area)) return false;
    if (onBlack && step.alpha == 0) SDL_FillRect(target, nullptr, 0);  // within the clip: area
    if (step.alpha == 0) return true;
    const Uint32 a = step.alpha;
    const long n = span.x1 - span.x0;
    for (long y = span.y0; y < span.y1; ++y) {
        const Uint32* src = pictureRow(step, y, span.x0);
        Uint32* dst = targetRow(target, y, span.x0);
        if (onBlack && key == 0) {  // black stays black: the key needs no test
            scaleRowOnBlack(dst, src, n, a);
            continue;
        }
        if (onBlack) std::memset(dst, 0, static_cast<size_t>(n) * sizeof(Uint32));
        blendRow(dst, src, n, key, a);
    }
    return true;
}

// A frame all of the colour key draws nothing.
bool blank(const DrawStep& step) { return step.facts && step.facts->blank; }

// A frame whose rows mostly hold the colour key (a cockpit's window): as a
// cover, the pictures below would be drawn under most of it and it again over
// them, which costs more than drawing them all and it once.
bool fullOfHoles(const DrawStep& step) {
    return step.facts && 2 * step.facts->keyedRows > step.facts->rows;
}

// Draws the frame's steps from index from up to (not including) to on target,
// clipped to rect; from 0 they go on black, which the first picture may stand in for.
void composeSteps(RenderTarget& t, SDL_Surface* target, const SDL_Rect& rect, size_t from,
                  size_t to) {
    SDL_Rect clip = rect;
    SDL_SetClipRect(target, &clip);
    size_t first = from;
    if (from == 0) {
        const bool pictureFirst = to > 0 && t.steps[0].kind == kDrawSprite && !blank(t.steps[0]);
        if (pictureFirst && (copyOpaqueCover(target, t.steps[0], rect) ||
                             blendFaded(target, t.steps[0], rect, true)))
            first = 1;
        else
            SDL_FillRect(target, &clip, SDL_MapRGB(target->format, 0, 0, 0));
    }
    for (size_t i = first; i < to; ++i) {
        const DrawStep& step = t.steps[i];
        if (blank(step)) continue;
        if (step.kind != kDrawSprite && step.y >= rect.y + rect.h) continue;  // text lies below
        if (step.kind == kDrawSprite &&
            (blendFaded(target, step, rect, false) || copyKeyed(target, step, rect)))
            continue;
        drawStep(target, step);
    }
}

// The picture above the others that hides at least half of area, and a
// quarter of the target, where it is opaque (a film frame): the steps below it
// need drawing only around it. It must lie above every text (speech is drawn
// over a film, never under it).
// Returns the step's index, or 0 when there is none (the first picture has a
// way of its own, copyOpaqueCover).
size_t coverStep(const RenderTarget& t, SDL_Surface* target, const SDL_Rect& area) {
    size_t cover = 0;
    for (size_t i = t.stepCount; i-- > 1;) {
        const DrawStep& step = t.steps[i];
        Span span;
        if (step.kind != kDrawSprite) cover = 0;
        if (step.kind != kDrawSprite || cover != 0 || blank(step) || fullOfHoles(step)) continue;
        if (step.alpha != 255 || !plainSpan(target, step, area, span)) continue;
        const long covered = (span.x1 - span.x0) * (span.y1 - span.y0);
        if (2 * covered >= long(area.w) * area.h && 4 * covered >= long(target->w) * target->h)
            cover = i;
    }
    if (cover != 0 && t.steps[0].kind != kDrawSprite) return 0;
    return cover;
}

// Composes the cover step's part of area first, every row copied whole; the
// steps below it are then drawn around it and under the rows that hold its
// colour key, where it is drawn again with the key.
void composeAroundCover(RenderTarget& t, SDL_Surface* target, const SDL_Rect& area, size_t cover) {
    const DrawStep& step = t.steps[cover];
    Span span;
    plainSpan(target, step, area, span);
    Uint32 key = 0;
    const bool keyed = platformColorKey(step.surface, &key);
    const long n = span.x1 - span.x0;
    std::vector<SDL_Rect>& below = t.belowCover;
    below.clear();
    // Around it: the rows above and below, then the columns left and right.
    const long ax1 = area.x + area.w, ay1 = area.y + area.h;
    auto add = [&](long x0, long y0, long x1, long y1) {
        if (x0 < x1 && y0 < y1) below.push_back(rectOf(int(x0), int(y0), int(x1 - x0), int(y1 - y0)));
    };
    add(area.x, area.y, ax1, span.y0);
    add(area.x, span.y1, ax1, ay1);
    add(area.x, span.y0, span.x0, span.y1);
    add(span.x1, span.y0, ax1, span.y1);
    const size_t around = below.size();
    long runFrom = -1;  // first row of the current run of rows with the key
    for (long y = span.y0; y <= span.y1; ++y) {
        bool hasKey = false;
        if (y < span.y1) {
            const Uint32* src = pictureRow(step, y, span.x0);
            Uint32* dst = targetRow(target, y, span.x0);
            if (keyed)
                hasKey = copyRowFindingKey(dst, src, n, key);
            else
                std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(Uint32));
        }
        if (hasKey && runFrom < 0) runFrom = y;
        if (!hasKey && runFrom >= 0) {
            add(span.x0, runFrom, span.x1, y);
            runFrom = -1;
        }
    }
    for (size_t i = 0; i < below.size(); ++i) {
        composeSteps(t, target, below[i], 0, cover);
        if (i >= around) copyKeyed(target, step, below[i]);
    }
}

// What is known of a big sprite frame, found out the first time it is composed:
// whether it is all black, its colour key (an explosion's empty frame before it
// goes off), and how many of its rows hold the key. Small frames cost little to
// draw and are not asked about (null).
FrameFacts* frameFactsOf(RenderTarget& t, const DrawStep& step) {
    SDL_Surface* s = step.surface;
    Uint32 key = 1;
    if (step.kind != kDrawSprite || !s || long(step.src.w) * step.src.h < kWorthAsking ||
        s->format->BytesPerPixel != 4 || s->format->Amask != 0 || !platformColorKey(s, &key) || key != 0)
        return nullptr;
    const std::string id = frameKey(step.source, step.frameY, step.src.x, step.src.w, step.src.h);
    auto known = t.frameFacts.find(id);
    if (known != t.frameFacts.end()) return &known->second;
    FrameFacts& facts = t.frameFacts[id];
    bool blank = true;
    const int x0 = std::max(0, int(step.src.x)), x1 = std::min(s->w, int(step.src.x) + int(step.src.w));
    const int y0 = std::max(0, int(step.src.y)), y1 = std::min(s->h, int(step.src.y) + int(step.src.h));
    for (int y = y0; y < y1 && blank; ++y) {
        const Uint32* row = targetRow(s, y, x0);
        Uint32 any = 0;
        for (int x = 0; x < x1 - x0; ++x) any |= row[x] & 0xffffff;
        blank = any == 0;
    }
    facts.blank = blank;
    // Whether it is full of holes, from every eighth row (a film is mostly opaque rows)
    constexpr int kSampleEvery = 8;
    for (int y = y0; y < y1 && !blank; y += kSampleEvery) {
        ++facts.rows;
        if (rowHoldsKey(targetRow(s, y, x0), x1 - x0, key)) ++facts.keyedRows;
    }
    return &facts;
}

// Where two rows differ, the unused byte left out: [first, end), empty when they do not.
void rowDifference(const Uint32* a, const Uint32* b, long n, long& first, long& end) {
    first = end = 0;
    if (std::memcmp(a, b, static_cast<size_t>(n) * sizeof(Uint32)) == 0) return;
    auto differs = [&](long i) { return ((a[i] ^ b[i]) & 0xffffff) != 0; };
    long i = 0;
    while (i < n && !differs(i)) ++i;
    if (i == n) return;
    first = i;
    end = n;
    while (!differs(end - 1)) --end;
}

// Where frame fromY of g's strip differs from frame toY, in bands of rows
// within the frame, merged into a few parts; false while either is not held
// (or its pixels are of a kind not compared).
bool learnFrameChange(RenderTarget& t, Graphic& g, int32_t width, int32_t fromY, int32_t toY) {
    const std::string key = frameChangeKey(g.path, g.srcX, width, g.frameHeight, fromY, toY);
    if (fromY == toY || t.frameChanges.count(key)) return true;
    std::vector<SDL_Rect> parts;
    bool compared = false;  // plain xRGB pixels, the only kind compared here
    lookAtHeldFrames(g, fromY, toY, g.frameHeight, [&](const SDL_Surface* a, int32_t ay, const SDL_Surface* b,
                                                       int32_t by) {
        if (!plainRgb(a->format) || !plainRgb(b->format)) return;
        compared = true;
        const long x0 = std::max<long>(g.srcX, 0);
        const long n = std::min<long>({long(g.srcX) + width, a->w, b->w}) - x0;
        if (n <= 0) return;  // the frame lies beside the picture: nothing drawn, nothing changes
        constexpr int32_t kBandRows = 16;
        for (int32_t band = 0; band < g.frameHeight; band += kBandRows) {
            long bx0 = LONG_MAX, bx1 = 0, by0 = -1, by1 = 0;
            for (int32_t y = band; y < std::min(band + kBandRows, g.frameHeight); ++y) {
                long first = 0, end = 0;
                rowDifference(targetRow(a, ay + y, int(x0)), targetRow(b, by + y, int(x0)), n, first, end);
                if (first == end) continue;
                bx0 = std::min(bx0, first);
                bx1 = std::max(bx1, end);
                if (by0 < 0) by0 = y;
                by1 = y + 1;
            }
            if (by0 >= 0) parts.push_back(rectOf(int(x0 - g.srcX + bx0), int(by0), int(bx1 - bx0), int(by1 - by0)));
        }
    });
    if (!compared) return false;
    constexpr size_t kMostParts = 4;
    mergeParts(parts, kMostParts);
    t.frameChanges[key] = parts;
    return true;
}

// Composes area of the frame on target: black, then every step in order,
// clipped to area. The steps' facts are found first.
void composeArea(RenderTarget& t, SDL_Surface* target, const SDL_Rect& area) {
    SDL_Surface* screen = t.screen;
    t.screen = target;  // text draws on the render target's screen
    const size_t cover = coverStep(t, target, area);
    if (cover != 0) {
        composeAroundCover(t, target, area, cover);
        composeSteps(t, target, area, cover + 1, t.stepCount);
    } else {
        composeSteps(t, target, area, 0, t.stepCount);
    }
    t.screen = screen;
    SDL_SetClipRect(target, nullptr);
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

void drawTopSprite(RenderTarget& target, bool animate) {
    if (!target.displayList) return;
    Graphic* top = lastSprite(*target.displayList);
    if (top) noteOrDraw(target, *top, animate);
}

void drawPicture(RenderTarget& target, SDL_Surface* picture, const std::string& source,
                 const SDL_Rect& src, int32_t x, int32_t y) {
    if (!picture) return;
    DrawStep step;
    step.kind = kDrawSprite;
    step.surface = picture;
    step.source = source;
    step.src = src;
    step.x = x;
    step.y = y;
    noteOrDrawStep(target, step);
}

void beginFrameDrawing(RenderTarget& target) {
    beginPictureFrame();
    target.stepCount = 0;
    if (target.testHookDrawAtOnce) {
        // The old way: a black screen, then everything drawn at once as the frame goes.
        target.noting = false;
        target.composedOn = nullptr;
        if (target.screen)
            SDL_FillRect(target.screen, nullptr, SDL_MapRGB(target.screen->format, 0, 0, 0));
        return;
    }
    target.noting = true;
    target.picturesMissing = false;
    if (target.displayList) target.displayList->holdRemoved = true;
}

bool composeFrame(RenderTarget& t) {
    const bool noted = t.noting;
    t.noting = false;
    bool handOver = false;
    SDL_Surface* screen = t.screen;
    if (screen && !noted) {
        if (t.testHookDrawAtOnce) platformPresent(screen, nullptr, 0);  // drawn as it went
        handOver = t.testHookDrawAtOnce;
    } else if (screen && !t.picturesMissing) {
        // Only the changed parts are composed, on the screen itself: every step,
        // text too, keeps to the clip, and what lies around them is already there.
        findChangedParts(t, screen);
        const std::vector<SDL_Rect>& parts = t.changed;
        const bool whole = parts.size() == 1 && parts[0].w == screen->w && parts[0].h == screen->h;
        if (!parts.empty()) {
            for (size_t i = 0; i < t.stepCount; ++i) t.steps[i].facts = frameFactsOf(t, t.steps[i]);
            for (const SDL_Rect& part : parts) composeArea(t, screen, part);
            if (!whole && !t.presentNext) platformPresent(screen, parts.data(), int(parts.size()));
            t.steps.swap(t.shown);
            t.shownCount = t.stepCount;
            t.composedOn = screen;
        }
        if (whole || t.presentNext) platformPresent(screen, nullptr, 0);
        handOver = !parts.empty() || t.presentNext;
    }
    if (handOver) {
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

bool readMissingPictures(RenderTarget& t, uint32_t budgetMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(budgetMs);
    bool all = true;
    if (t.displayList)
        for (Graphic* g : t.displayList->sprites)
            if (g->visible == 1 && !readGraphicUntil(*g, deadline)) all = false;
    // then the rows the films show next, so that no draw reads them
    if (t.displayList)
        for (Graphic* g : t.displayList->sprites)
            if (g->visible == 1) readStripAheadUntil(*g, deadline);
    learnFrameChanges(t, deadline);
    return all;
}

void learnFrameChanges(RenderTarget& t, std::chrono::steady_clock::time_point deadline) {
    if (!t.displayList) return;
    for (Graphic* g : t.displayList->sprites) {
        int32_t w = 0, h = 0;
        const int32_t rows = g->frameHeight;
        if (g->visible != 1 || g->stripEnd <= 0 || rows <= 0 || !graphicSize(*g, w, h)) continue;
        if (g->frameWidth != 0) w = g->frameWidth;
        if (long(w) * rows < kWorthAsking) continue;
        // A strip steps a frame down and after its last frame comes its first.
        const int32_t before = g->srcY >= rows ? g->srcY - rows : g->stripEnd - rows;
        const int32_t after = g->srcY + rows >= g->stripEnd ? 0 : g->srcY + rows;
        const int32_t steps[2][2] = {{before, g->srcY}, {g->srcY, after}};
        for (const auto& step : steps) {
            if (std::chrono::steady_clock::now() >= deadline) return;
            learnFrameChange(t, *g, w, step[0], step[1]);
        }
    }
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
