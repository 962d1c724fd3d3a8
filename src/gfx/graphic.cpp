// graphic.cpp - loading images into templates and sprites, and the image store.
#include "gfx/graphic.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstring>

namespace {

// True when every pixel of a 32-bit surface carries the same alpha byte.
bool alphaIsUniform(SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    if (f->BytesPerPixel != 4 || f->Amask == 0 || s->w <= 0 || s->h <= 0) return false;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return false;
    const uint8_t* row = static_cast<const uint8_t*>(s->pixels);
    const Uint32 first = *reinterpret_cast<const Uint32*>(row) & f->Amask;
    bool uniform = true;
    for (int y = 0; y < s->h && uniform; ++y, row += s->pitch) {
        const Uint32* p = reinterpret_cast<const Uint32*>(row);
        for (int x = 0; x < s->w; ++x) {
            if ((p[x] & f->Amask) != first) {
                uniform = false;
                break;
            }
        }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return uniform;
}

// The same pixels with the alpha mask dropped; frees the original. Returns the
// original untouched if the copy cannot be made.
SDL_Surface* withoutAlphaChannel(SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    SDL_Surface* plain =
        SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, f->Rmask, f->Gmask, f->Bmask, 0);
    if (!plain) return s;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) {
        SDL_FreeSurface(plain);
        return s;
    }
    const uint8_t* src = static_cast<const uint8_t*>(s->pixels);
    uint8_t* dst = static_cast<uint8_t*>(plain->pixels);
    for (int y = 0; y < s->h; ++y) {
        std::memcpy(dst + y * plain->pitch, src + y * s->pitch, static_cast<size_t>(s->w) * 4);
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return plain;
}

// A 24-bit picture as 32-bit pixels in the screen's own layout: the same
// colours, but the blitter copies it without unpacking every pixel.
SDL_Surface* widenedForDrawing(SDL_Surface* s) {
    if (s->format->BytesPerPixel != 3 || s->format->Amask != 0) return s;
    SDL_Surface* wide = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff0000, 0xff00, 0xff, 0);
    if (!wide) return s;
    SDL_SetAlpha(s, 0, 255);
    SDL_SetColorKey(s, 0, 0);
    SDL_BlitSurface(s, nullptr, wide, nullptr);
    SDL_FreeSurface(s);
    return wide;
}

// Loads path with black as the colour key; prints the reason and returns null on failure.
// Sprites are drawn every frame, so their pictures are widened for the blitter.
SDL_Surface* loadImage(const std::string& path, bool forDrawing) {
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (!rw) {
        std::printf("IMG_Load: %s\n", SDL_GetError());
        return nullptr;
    }
    const bool isBmp = IMG_isBMP(rw) != 0;
    SDL_Surface* s = IMG_Load_RW(rw, 1);
    if (!s) {
        std::printf("IMG_Load: %s\n", SDL_GetError());
        return nullptr;
    }
    // A plain 32-bit BMP comes back with an alpha channel that is all 0 (or all 255);
    // drawn by that channel it would vanish or lose its black key, so drop it.
    if (isBmp && alphaIsUniform(s)) s = withoutAlphaChannel(s);
    if (forDrawing) s = widenedForDrawing(s);
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

Graphic* blankGraphic(const std::string& path, const std::string& name) {
    Graphic* g = new Graphic();
    g->visible = 1;
    g->x = g->y = 0;
    g->srcX = g->srcY = 0;
    g->frameWidth = g->frameHeight = 0;
    g->animMode = 0;
    g->frameDelay = g->delayCurrent = g->delayCounter = 0;
    g->stripEnd = 0;
    g->baseFrameWidth = g->baseFrameHeight = 0;
    g->alpha = 255;
    g->surface = nullptr;
    g->path = path;
    g->name = name;
    return g;
}

}  // namespace

Graphic* newTemplateGraphic(const std::string& path, const std::string& name) {
    Graphic* g = blankGraphic(path, name);
    g->surface = loadImage(path, false);
    return g;
}

Graphic* newSpriteGraphic(const std::string& path, const std::string& name, int32_t x, int32_t y,
                          int32_t frameWidth, int32_t frameHeight, int32_t frameDelay,
                          int32_t stripEnd, int32_t animMode) {
    Graphic* g = blankGraphic(path, name);
    g->x = x;
    g->y = y;
    g->frameWidth = g->baseFrameWidth = frameWidth;
    g->frameHeight = g->baseFrameHeight = frameHeight;
    g->frameDelay = g->delayCurrent = frameDelay;
    g->stripEnd = stripEnd;
    g->animMode = animMode;
    g->surface = loadImage(path, true);
    return g;
}

void deleteGraphic(Graphic* g) {
    if (!g) return;
    if (g->surface) SDL_FreeSurface(g->surface);
    delete g;
}

void loadGraphic(GraphicStore& store, const std::string& name, const std::string& path) {
    if (store.count(name)) return;
    store[name] = newTemplateGraphic(path, name);
}

void configureTemplate(Graphic* g, int32_t frameWidth, int32_t frameHeight, int32_t animMode,
                       int32_t delay, int32_t stripEnd) {
    if (!g) return;
    g->srcX = g->srcY = 0;
    g->frameWidth = g->baseFrameWidth = frameWidth;
    g->frameHeight = g->baseFrameHeight = frameHeight;
    g->stripEnd = stripEnd;
    g->delayCurrent = delay;
    g->animMode = animMode;
}
