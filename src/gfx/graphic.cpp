// SPDX-License-Identifier: MIT
// graphic.cpp - templates and sprites, and the pictures they share: read once
// from the file straight into the screen's 32-bit layout, tall strips a window
// of rows at a time, walk maps as one byte per pixel.
#include "gfx/graphic.h"

#include "platform/platform.h"

#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <cassert>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace {

// A strip taller than four screens is streamed instead of held whole.
constexpr int32_t kStreamMinRows = 2400;
// A streamed strip reads its next frame in this many parts, one per draw.
constexpr int32_t kReadAheadParts = 8;
// Rows of a streamed strip read ahead before its scene: a screen's height, so
// that its first frame shows without a whole frame read in that draw.
constexpr int32_t kHeadRows = 600;
// Rows read between two looks at the clock when a picture is read in parts:
// about a tenth of a millisecond of a screen-wide picture.
constexpr int32_t kPartRows = 16;
constexpr size_t kPngSignature = 8;
// Picture::broken: the head read ahead broke off, said at the first draw.
constexpr uint8_t kBrokenUnreported = 2;

// Bytes of decoded pixels and walk maps the pictures wanted ahead may take:
// what lies beyond it in the order of the scenes is not read, and let go.
constexpr size_t kAheadBudgetBytes = size_t(48) << 20;

// One entry of the read-ahead list: a picture's pixels or its walk map.
struct AheadEntry {
    Picture* picture = nullptr;  // held by the list
    bool floor = false;          // the walk map rather than the pixels
};

// Every picture by path, the read-ahead list and its worker, and the missing
// templates already reported. See graphic.h for who touches what.
struct PictureCache {
    PictureCache() = default;
    PictureCache(const PictureCache&) = delete;  // owns every picture
    PictureCache& operator=(const PictureCache&) = delete;
    std::map<std::string, Picture*> byPath;  // the current picture of each file; owned; main thread
    std::set<std::string> missingTemplates;  // reported once each; main thread
    std::atomic<bool> sdlImageOnly{false};   // test hook: every picture whole through SDL_image
    std::thread worker;                      // reads ahead; joined by stopDecodingAhead
    std::atomic<bool> stopWorker{false};     // the worker stops after the entry in hand
    std::vector<AheadEntry> ahead;           // nearest first, within the budget; fixed while anyone reads it
    std::atomic<size_t> aheadNext{0};        // the next entry to read, taken by worker or spare time
    const AheadEntry* inHand = nullptr;      // the entry the spare time read only in part; main thread
    uint64_t frame = 1;                      // counts beginPictureFrame; main thread
    bool stopsAtExit = false;                // the exit handler that stops the worker is registered
};
// Never destroyed: the pictures stay for whatever still draws while the program ends.
PictureCache& gCache = *new PictureCache();

// ---- SDL_image, the reference path and the one for files the fast path does not read ----

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

// A 24-bit or palette picture as 32-bit pixels in the screen's own layout: the
// same colours, but the blitter copies it without unpacking every pixel.
SDL_Surface* widenedForDrawing(SDL_Surface* s) {
    const int bytes = s->format->BytesPerPixel;
    if ((bytes != 3 && !(bytes == 1 && s->format->palette)) || s->format->Amask != 0) return s;
    SDL_Surface* wide = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff0000, 0xff00, 0xff, 0);
    if (!wide) return s;
    platformSetAlpha(s, false, 255);
    platformSetColorKey(s, false, 0);
    SDL_BlitSurface(s, nullptr, wide, nullptr);
    SDL_FreeSurface(s);
    return wide;
}

// True when the file starts as a BMP does; the read position is kept.
bool isBmp(SDL_RWops* rw) {
    const Sint64 start = SDL_RWtell(rw);
    char magic[2] = {};
    const bool bmp = SDL_RWread(rw, magic, 1, 2) == 2 && magic[0] == 'B' && magic[1] == 'M';
    SDL_RWseek(rw, start, RW_SEEK_SET);
    return bmp;
}

// The file as the platform reads it, at its own depth; a plain 32-bit BMP comes
// back with an alpha channel that is all 0 (or all 255), which is dropped so
// that it neither vanishes nor loses its black key. Prints the reason on failure.
SDL_Surface* loadAsIs(const std::string& path) {
    SDL_Surface* s = platformLoadPicture(path);
    if (!s) {
        std::printf("IMG_Load: %s\n", SDL_GetError());
        return nullptr;
    }
    if (s->format->BytesPerPixel == 4 && alphaIsUniform(s)) {
        SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
        const bool bmp = rw && isBmp(rw);
        if (rw) SDL_RWclose(rw);
        if (bmp) s = withoutAlphaChannel(s);
    }
    return s;
}

// Black is the colour key of every picture.
SDL_Surface* keyed(SDL_Surface* s) {
    if (s) platformSetColorKey(s, true, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

SDL_Surface* newScreenLayoutSurface(int32_t w, int32_t h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
}

// ---- the fast path: RGB and palette PNGs read row by row into 32-bit pixels ----

void pngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void pngWarning(png_structp, png_const_charp) {}

}  // namespace

// An open PNG file, or a plain 24-bit BMP, positioned at a row, giving 32-bit xRGB rows.
struct PictureReader {
    FILE* file = nullptr;         // owned
    png_structp png = nullptr;    // owned with info; null for a BMP
    png_infop info = nullptr;     // header of the file
    int32_t width = 0;            // of the picture
    int32_t height = 0;           // of the picture
    int32_t nextRow = 0;          // the row png_read_row gives next
    bool screenLayout = false;    // RGB or palette, not interlaced, no transparency: read by rows
    long bmpPixels = 0;           // BMP: where the pixels start in the file; 0 = a PNG
    int32_t bmpStride = 0;        // BMP: bytes per row in the file, padded to 4
    bool bmpBottomUp = true;      // BMP: the last row comes first in the file
    std::vector<uint8_t> bmpRows; // BMP: a block of rows as the file holds them

    PictureReader() = default;
    PictureReader(const PictureReader&) = delete;  // owns the file and the PNG reader
    PictureReader& operator=(const PictureReader&) = delete;
};

namespace {

void closeReader(PictureReader* r) {
    if (!r) return;
    if (r->png) png_destroy_read_struct(&r->png, &r->info, nullptr);
    if (r->file) std::fclose(r->file);
    delete r;
}

uint32_t littleEndian(const uint8_t* b, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[i];
    return v;
}

// A plain BMP of 24 bits per pixel (no compression, no masks: what SDL reads
// as B, G, R bytes) is read by rows like a PNG; true when r's file is one.
bool openBmp(PictureReader* r) {
    uint8_t h[34];
    if (std::fseek(r->file, 0, SEEK_SET) != 0 || std::fread(h, 1, sizeof h, r->file) != sizeof h ||
        h[0] != 'B' || h[1] != 'M' || littleEndian(h + 14, 4) < 40 || littleEndian(h + 28, 2) != 24 ||
        littleEndian(h + 30, 4) != 0)
        return false;
    const int32_t w = static_cast<int32_t>(littleEndian(h + 18, 4));
    const int32_t height = static_cast<int32_t>(littleEndian(h + 22, 4));
    if (w <= 0 || w > 32768 || height == 0 || height < -32768 || height > 32768) return false;
    r->width = w;
    r->height = height < 0 ? -height : height;
    r->bmpBottomUp = height > 0;
    r->bmpStride = (w * 3 + 3) & ~3;
    r->bmpPixels = static_cast<long>(littleEndian(h + 10, 4));
    r->screenLayout = r->bmpPixels > 0;
    return r->screenLayout;
}

// Reads rows [row, row + count) of a BMP into dst's rows from at in the
// screen's layout, with one read (the rows lie side by side in the file, last
// first when it is bottom-up); false when the file breaks off.
bool readBmpRows(PictureReader* r, SDL_Surface* dst, int32_t row, int32_t at, int32_t count) {
    if (row < 0 || count <= 0 || count > r->height - row) return false;
    const int32_t lowest = r->bmpBottomUp ? r->height - row - count : row;  // the block's first row in the file
    const size_t stride = static_cast<size_t>(r->bmpStride);
    r->bmpRows.resize(stride * static_cast<size_t>(count));
    if (std::fseek(r->file, r->bmpPixels + static_cast<long>(lowest) * r->bmpStride, SEEK_SET) != 0 ||
        std::fread(r->bmpRows.data(), 1, r->bmpRows.size(), r->file) != r->bmpRows.size())
        return false;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t inBlock = r->bmpBottomUp ? count - 1 - i : i;
        const uint8_t* in = r->bmpRows.data() + static_cast<size_t>(inBlock) * stride;
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(dst->pixels) +
                                                static_cast<size_t>(at + i) * dst->pitch);
        for (int32_t x = 0; x < r->width; ++x, in += 3)
            out[x] = (Uint32(in[2]) << 16) | (Uint32(in[1]) << 8) | in[0];  // 0x00RRGGBB, as the screen
    }
    return true;
}

// Opens path and reads its PNG (or plain BMP) header; null when it is no
// readable PNG or BMP of that kind.
PictureReader* openReader(const std::string& path) {
    PictureReader* r = new PictureReader();
    r->file = std::fopen(path.c_str(), "rb");
    png_byte sig[kPngSignature];
    if (r->file && openBmp(r)) return r;
    if (!r->file || std::fseek(r->file, 0, SEEK_SET) != 0 ||
        std::fread(sig, 1, kPngSignature, r->file) != kPngSignature ||
        png_sig_cmp(sig, 0, kPngSignature) != 0) {
        closeReader(r);
        return nullptr;
    }
    r->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (r->png) r->info = png_create_info_struct(r->png);
    if (!r->info) {
        closeReader(r);
        return nullptr;
    }
    if (setjmp(png_jmpbuf(r->png))) {
        closeReader(r);
        return nullptr;
    }
    png_init_io(r->png, r->file);
    png_set_sig_bytes(r->png, static_cast<int>(kPngSignature));
    png_read_info(r->png, r->info);
    r->width = static_cast<int32_t>(png_get_image_width(r->png, r->info));
    r->height = static_cast<int32_t>(png_get_image_height(r->png, r->info));
    const int type = png_get_color_type(r->png, r->info);
    const int depth = png_get_bit_depth(r->png, r->info);
    const bool palette = type == PNG_COLOR_TYPE_PALETTE && png_get_valid(r->png, r->info, PNG_INFO_PLTE);
    r->screenLayout = ((type == PNG_COLOR_TYPE_RGB && depth == 8) || palette) &&
                      png_get_interlace_type(r->png, r->info) == PNG_INTERLACE_NONE &&
                      !png_get_valid(r->png, r->info, PNG_INFO_tRNS) && r->width > 0 && r->height > 0;
    if (r->screenLayout) {
        if (palette) png_set_palette_to_rgb(r->png);  // any depth: unpacked to 8-bit R, G, B
        // B, G, R, 0 in memory: the little-endian word 0x00RRGGBB of the screen.
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
            png_set_filler(r->png, 0, PNG_FILLER_BEFORE);
        } else {
            png_set_bgr(r->png);
            png_set_filler(r->png, 0, PNG_FILLER_AFTER);
        }
        png_read_update_info(r->png, r->info);
    }
    return r;
}

// Reads count rows into dst from its row at; rows before first are read and
// dropped. False when the file breaks off.
bool readRows(PictureReader* r, SDL_Surface* dst, int32_t first, int32_t at, int32_t count) {
    if (!r->png) {  // a BMP: any row can be read at once, a block of them with one read
        constexpr int32_t kBmpBlockRows = 64;
        r->nextRow = std::max(r->nextRow, first);
        for (int32_t done = 0; done < count;) {
            const int32_t rows = std::min(count - done, kBmpBlockRows);
            if (!readBmpRows(r, dst, r->nextRow, at + done, rows)) return false;
            done += rows;
            r->nextRow += rows;
        }
        return true;
    }
    if (setjmp(png_jmpbuf(r->png))) return false;
    uint8_t* base = static_cast<uint8_t*>(dst->pixels);
    while (r->nextRow < first) {  // the window's own rows serve as scratch
        png_read_row(r->png, base + static_cast<size_t>(at) * dst->pitch, nullptr);
        ++r->nextRow;
    }
    for (int32_t i = 0; i < count; ++i) {
        png_read_row(r->png, base + static_cast<size_t>(at + i) * dst->pitch, nullptr);
        ++r->nextRow;
    }
    return true;
}

uint64_t fileStamp(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return 0;
    uint64_t h = 1469598103934665603ull;
    for (uint64_t v : {uint64_t(st.st_size), uint64_t(st.st_ino), uint64_t(st.st_dev),
                       uint64_t(st.st_mtim.tv_sec), uint64_t(st.st_mtim.tv_nsec),
                       uint64_t(st.st_ctim.tv_nsec)}) {
        h = (h ^ v) * 1099511628211ull;
    }
    return h | 1;  // never 0, which is "no file"
}

void freePixels(Picture* p) {
    if (p->surface) SDL_FreeSurface(p->surface);
    if (p->retired) SDL_FreeSurface(p->retired);
    if (p->next) SDL_FreeSurface(p->next);
    if (p->head) SDL_FreeSurface(p->head);
    if (p->filling) SDL_FreeSurface(p->filling);
    p->surface = p->retired = p->next = p->head = p->filling = nullptr;
    p->nextFirst = p->nextRows = 0;
    closeReader(p->reader);
    p->reader = nullptr;
    p->firstRow = p->rowsHeld = 0;
    p->whole = 0;
}

void deletePicture(Picture* p) {
    freePixels(p);
    delete p;
}

// The picture as SDL_image gives it, widened for the blitter; failed when unreadable.
void decodeAsIs(Picture* p) {
    SDL_Surface* s = loadAsIs(p->path);
    if (!s) {
        p->state = kPictureFailed;
        return;
    }
    p->surface = keyed(widenedForDrawing(s));
    p->width = p->surface->w;
    p->height = p->surface->h;
    if (p->streamed) p->streamed = 0;
    p->whole = 1;
    p->state = kPictureDecoded;
}

// A strip whose rows break off is drawn no more; SDL_image says why, once
// (on the main thread: a head read ahead that broke off waits for its draw).
void reportBroken(Picture* p) {
    if (p->broken) return;
    p->broken = 1;
    if (SDL_Surface* s = loadAsIs(p->path)) SDL_FreeSurface(s);  // prints why
}

// Reads a picture in parts of at most maxRows rows (read or passed over),
// straight into the screen's layout: the whole picture, or (head) only the
// rows of a streamed strip from row from on. Between calls filling holds the
// rows read and reader stands after them. True once done: the picture decoded
// (through SDL_image where the fast path cannot, which reports a broken file),
// the head read, or nothing to read.
bool readPart(Picture* p, int32_t maxRows, bool head, int32_t from = 0) {
    if (!p->filling) {
        PictureReader* r = gCache.sdlImageOnly ? nullptr : openReader(p->path);
        from = head ? std::max(0, std::min(from, p->height - 1)) : 0;
        const int32_t rows = !r || !r->screenLayout ? 0 : head ? std::min(r->height - from, kHeadRows) : r->height;
        p->headFirst = from;
        p->filling = rows > 0 ? newScreenLayoutSurface(r->width, rows) : nullptr;
        if (!p->filling) {
            closeReader(r);
            if (head)
                p->broken = kBrokenUnreported;
            else
                decodeAsIs(p);  // reports an unreadable file
            return true;
        }
        closeReader(p->reader);
        p->reader = r;
    }
    PictureReader* r = p->reader;
    SDL_Surface* s = p->filling;
    const int32_t end = p->headFirst + s->h;
    const int32_t count = std::min(maxRows, end - r->nextRow);
    const bool ok = r->nextRow < p->headFirst  // the rows before it are passed over, a part at a time
                        ? readRows(r, s, std::min(r->nextRow + maxRows, p->headFirst), 0, 0)
                        : readRows(r, s, r->nextRow, r->nextRow - p->headFirst, count);
    if (ok && r->nextRow < end) return false;
    p->filling = nullptr;
    if (ok && head) {
        p->head = s;  // the reader stays after it
        return true;
    }
    closeReader(r);
    p->reader = nullptr;
    if (!ok) {
        SDL_FreeSurface(s);
        if (head)
            p->broken = kBrokenUnreported;
        else
            decodeAsIs(p);
        return true;
    }
    p->surface = keyed(s);
    p->width = s->w;
    p->height = s->h;
    p->whole = 1;
    p->state = kPictureDecoded;
    return true;
}

// The whole picture in surface at once.
void decodeWhole(Picture* p) {
    while (!readPart(p, INT32_MAX, false)) {
    }
}

// Width and height from a BMP header; false when it is not one.
bool bmpSize(SDL_RWops* rw, int32_t& w, int32_t& h) {
    if (!isBmp(rw)) return false;
    Uint8 head[26];
    if (SDL_RWread(rw, head, 1, sizeof head) != sizeof head) return false;
    auto word = [&](int at) { return int32_t(head[at] | head[at + 1] << 8 | head[at + 2] << 16 | uint32_t(head[at + 3]) << 24); };
    auto half = [&](int at) { return int32_t(int16_t(head[at] | head[at + 1] << 8)); };
    const bool core = word(14) == 12;  // the old header with 16-bit sizes
    w = core ? half(18) : word(18);
    h = core ? half(20) : word(22);
    if (h < 0) h = -h;  // stored top-down
    return w > 0 && h > 0;
}

// Reads the header: the size, and whether the picture is streamed. A file that
// is neither PNG nor BMP is decoded now through SDL_image, which reports one
// that cannot be read, as does a file that cannot be opened.
void readHeader(Picture* p) {
    if (!gCache.sdlImageOnly) {
        if (PictureReader* r = openReader(p->path)) {
            p->width = r->width;
            p->height = r->height;
            p->streamed = r->screenLayout && r->height > kStreamMinRows && r->png;  // BMPs are held whole
            closeReader(r);
            return;
        }
        if (SDL_RWops* rw = SDL_RWFromFile(p->path.c_str(), "rb")) {
            const bool bmp = bmpSize(rw, p->width, p->height);
            SDL_RWclose(rw);
            if (bmp) return;
        }
    }
    decodeAsIs(p);
}

// The current picture of path, read anew when the file changed or could not
// be read before.
Picture* acquirePicture(const std::string& path) {
    const uint64_t stamp = fileStamp(path);
    auto it = gCache.byPath.find(path);
    if (it != gCache.byPath.end()) {
        Picture* old = it->second;
        bool usable;
        {
            std::lock_guard<std::mutex> hold(old->lock);
            usable = stamp != 0 && old->fileStamp == stamp && old->state != kPictureFailed;
        }
        if (usable) {
            ++old->holders;
            return old;
        }
        gCache.byPath.erase(it);
        if (old->holders == 0) deletePicture(old);  // else it goes with its last holder
    }
    Picture* p = new Picture();
    p->path = path;
    p->fileStamp = stamp;
    readHeader(p);
    gCache.byPath[path] = p;
    ++p->holders;
    return p;
}

// A streamed strip's pixels go when the last sprite drawing it goes; any other
// picture stays for the next sprite until nobody holds it and it left the cache.
void dropPicture(Graphic* g) {
    Picture* p = g->picture;
    if (!p) return;
    if (g->surface && --p->drawers == 0 && p->streamed) {
        std::lock_guard<std::mutex> hold(p->lock);
        freePixels(p);
        p->state = kPictureUnread;
        p->broken = 0;  // the next sprite tries the file again
    }
    g->surface = nullptr;
    g->picture = nullptr;
    if (--p->holders > 0) return;
    auto it = gCache.byPath.find(p->path);
    if (it == gCache.byPath.end() || it->second != p) deletePicture(p);
}

// Makes [first, first + count) of a streamed strip the rows held; false when the file breaks off.
bool holdRows(Picture* p, int32_t first, int32_t count) {
    if (first >= p->firstRow && first + count <= p->firstRow + p->rowsHeld) return true;
    // The rows read ahead become the window once the rest of them is read.
    if (p->next && p->reader && p->nextFirst == first && count <= p->next->h &&
        p->reader->nextRow == first + p->nextRows &&
        (p->nextRows >= count ||
         readRows(p->reader, p->next, first + p->nextRows, p->nextRows, count - p->nextRows))) {
        std::swap(p->surface, p->next);  // both stay: sprites may point at either
        p->firstRow = first;
        p->rowsHeld = count;
        p->nextFirst = first + count;
        p->nextRows = 0;
        return true;
    }
    p->nextRows = 0;
    if (p->reader && p->reader->nextRow > first) {
        closeReader(p->reader);  // behind us: start the file again
        p->reader = nullptr;
    }
    if (!p->reader) p->reader = openReader(p->path);
    p->firstRow = p->rowsHeld = 0;
    if (!p->reader || !p->reader->screenLayout || !readRows(p->reader, p->surface, first, 0, count)) {
        closeReader(p->reader);
        p->reader = nullptr;
        reportBroken(p);
        return false;
    }
    p->firstRow = first;
    p->rowsHeld = count;
    p->nextFirst = first + count;
    return true;
}

// One part of the rows after the window, so that no draw reads a whole frame.
void readAhead(Picture* p) {
    // After the strip's last frame its first comes again: the file is opened
    // anew for it now, so the loop needs no whole frame read in one draw.
    if (p->nextFirst == 0 && p->nextRows == 0 && p->reader && p->reader->nextRow > 0) {
        closeReader(p->reader);
        p->reader = openReader(p->path);
        if (p->reader && !p->reader->screenLayout) {
            closeReader(p->reader);
            p->reader = nullptr;
        }
    }
    const int32_t want = std::min(p->surface->h, p->height - p->nextFirst);
    if (want <= p->nextRows || !p->reader || p->reader->nextRow != p->nextFirst + p->nextRows) return;
    if (!p->next) p->next = keyed(newScreenLayoutSurface(p->width, p->surface->h));
    if (!p->next) return;
    const int32_t part = std::min(want - p->nextRows, (p->surface->h + kReadAheadParts - 1) / kReadAheadParts);
    if (readRows(p->reader, p->next, p->nextFirst + p->nextRows, p->nextRows, part)) {
        p->nextRows += part;
    } else {  // the next window starts the file again and reports what is wrong
        closeReader(p->reader);
        p->reader = nullptr;
        p->nextRows = 0;
    }
}

// A streamed strip becomes a whole picture (a sprite draws more than its window).
void holdWhole(Picture* p) {
    if (p->retired) SDL_FreeSurface(p->retired);
    p->retired = p->surface;  // sprites may still point at it until their next draw
    p->surface = nullptr;
    p->nextRows = 0;  // next stays until the pixels go: a sprite may point at it
    closeReader(p->reader);
    p->reader = nullptr;
    p->firstRow = p->rowsHeld = 0;
    decodeWhole(p);
    if (p->state == kPictureFailed) p->broken = 1;
    p->state = p->surface ? kPictureDecoded : kPictureUnread;
}

// A new window takes its rows from the head read ahead: the first frame, and
// the rows after it as the start of the next frame. A frame too short or too
// tall for the head reads from the file as usual.
void takeHead(Picture* p) {
    SDL_Surface* h = p->head;
    p->head = nullptr;
    if (!h) return;
    const int32_t rows = p->surface->h;
    const int32_t rest = h->h - rows;
    if (p->reader && !p->next && rest >= 0 && rest <= rows) {
        if (rest > 0) p->next = keyed(newScreenLayoutSurface(p->width, rows));
        if (rest == 0 || p->next) {
            const uint8_t* src = static_cast<const uint8_t*>(h->pixels);
            const size_t bytes = static_cast<size_t>(p->width) * 4;
            for (int32_t y = 0; y < h->h; ++y) {
                SDL_Surface* dst = y < rows ? p->surface : p->next;
                const int32_t at = y < rows ? y : y - rows;
                std::memcpy(static_cast<uint8_t*>(dst->pixels) + static_cast<size_t>(at) * dst->pitch,
                            src + static_cast<size_t>(y) * h->pitch, bytes);
            }
            p->firstRow = p->headFirst;
            p->rowsHeld = rows;
            p->nextFirst = p->headFirst + rows;
            p->nextRows = rest;
            SDL_FreeSurface(h);
            return;
        }
    }
    closeReader(p->reader);  // the rows are read from the file's start as they are drawn
    p->reader = nullptr;
    SDL_FreeSurface(h);
}

// Whether g draws a window of a strip rather than the whole picture.
bool drawsWindow(const Graphic& g, const Picture& p) {
    return g.stripEnd != 0 && g.frameHeight > 0 && g.frameHeight < p.height;
}

}  // namespace

Graphic* newTemplateGraphic(const std::string& path, const std::string& name) {
    Graphic* g = new Graphic();
    g->path = path;
    g->name = name;
    g->picture = acquirePicture(path);
    return g;
}

Graphic* newSpriteGraphic(const std::string& path, const std::string& name, int32_t x, int32_t y,
                          int32_t frameWidth, int32_t frameHeight, int32_t frameDelay,
                          int32_t stripEnd, int32_t animMode) {
    Graphic* g = new Graphic();
    g->path = path;
    g->name = name;
    g->x = x;
    g->y = y;
    g->frameWidth = g->baseFrameWidth = frameWidth;
    g->frameHeight = g->baseFrameHeight = frameHeight;
    g->frameDelay = g->delayCurrent = frameDelay;
    g->stripEnd = stripEnd;
    g->animMode = animMode;
    if (path.empty()) return g;  // its template was missing and has been reported
    g->picture = acquirePicture(path);  // its pixels are read when it is first drawn
    return g;
}

void deleteGraphic(Graphic* g) {
    if (!g) return;
    dropPicture(g);
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

const Graphic* spriteTemplate(const GraphicStore& store, const std::string& name) {
    const Graphic* t = findGraphic(store, name);
    if (!t && gCache.missingTemplates.insert(name).second)
        std::printf("IMG_Load: no picture named %s\n", name.c_str());
    return t;
}

std::string spriteTemplatePath(const GraphicStore& store, const std::string& name) {
    const Graphic* t = spriteTemplate(store, name);
    return t ? t->path : std::string();
}

namespace {

// graphicDecoded with the picture's lock held.
bool decodedLocked(Graphic& g) {
    Picture* p = g.picture;
    if (p->broken == kBrokenUnreported) {
        p->broken = 0;
        reportBroken(p);
    }
    if (p->state == kPictureFailed || p->broken) return false;
    if (p->state == kPictureUnread) {
        if (p->streamed && drawsWindow(g, *p)) {
            while (p->filling && !readPart(p, INT32_MAX, true)) {  // a head begun is finished
            }
            p->surface = newScreenLayoutSurface(p->width, g.frameHeight);
            if (!p->surface) return false;
            keyed(p->surface);
            p->state = kPictureDecoded;  // the rows are read as they are drawn
            takeHead(p);
        } else {
            if (p->streamed) freePixels(p);  // the whole picture is read from the start, not the head
            decodeWhole(p);
            if (p->state != kPictureDecoded) return false;
        }
    } else if (p->streamed && !p->whole && !drawsWindow(g, *p)) {
        holdWhole(p);
        if (!p->surface) return false;
    }
    if (!g.surface) ++p->drawers;
    g.surface = p->surface;
    return true;
}

// The walk map at the file's own depth: 1 where the colour is not black.
void readFloor(Picture* p) {
    p->floorRead = 1;
    SDL_Surface* s = platformLoadPicture(p->path);
    if (!s) return;
    const int bpp = s->format->BytesPerPixel;
    if (bpp >= 1 && bpp <= 4 && s->pixels && (!SDL_MUSTLOCK(s) || SDL_LockSurface(s) == 0)) {
        p->floorWidth = s->w;
        p->floor.resize(static_cast<size_t>(s->w) * s->h);
        const SDL_Palette* colours = s->format->palette;
        if (bpp == 1 && colours) {  // the generator's maps: a look-up per colour, not per pixel
            uint8_t isFloor[256] = {};
            for (int i = 0; i < colours->ncolors && i < 256; ++i)
                isFloor[i] = (colours->colors[i].r | colours->colors[i].g | colours->colors[i].b) != 0;
            for (int row = 0; row < s->h; ++row) {
                const uint8_t* src = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(row) * s->pitch;
                uint8_t* dst = p->floor.data() + static_cast<size_t>(row) * s->w;
                for (int col = 0; col < s->w; ++col) dst[col] = isFloor[src[col]];
            }
        } else {
            for (int row = 0; row < s->h; ++row) {
                for (int col = 0; col < s->w; ++col) {
                    Uint8 r, gr, b;
                    SDL_GetRGB(readPixel(s, col, row), s->format, &r, &gr, &b);
                    // black by the colour, not the raw value: an alpha channel does not make it floor
                    p->floor[static_cast<size_t>(row) * s->w + col] = (r | gr | b) != 0;
                }
            }
        }
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    }
    SDL_FreeSurface(s);
}

// Reads an entry of the list, with its picture's lock held, until it is done
// or deadline has passed; true when done.
bool readEntryUntil(const AheadEntry& e, std::chrono::steady_clock::time_point deadline) {
    Picture* p = e.picture;
    if (e.floor) {
        if (!p->floorRead && p->state != kPictureFailed) readFloor(p);
        return true;
    }
    if (p->state != kPictureUnread || (p->streamed && p->head)) return true;
    while (!readPart(p, kPartRows, p->streamed != 0))  // a strip's head: its first rows
        if (std::chrono::steady_clock::now() >= deadline) return false;
    return true;
}

// The worker reads the next entry of the list not taken yet, whole; false
// when none is left. The worker and the frame's spare time both take
// entries, each under the picture's lock.
bool readNextAhead() {
    const size_t i = gCache.aheadNext.fetch_add(1);
    if (i >= gCache.ahead.size()) return false;
    std::lock_guard<std::mutex> hold(gCache.ahead[i].picture->lock);
    readEntryUntil(gCache.ahead[i], std::chrono::steady_clock::time_point::max());
    return true;
}

[[maybe_unused]] void workAhead() {  // the worker thread's whole work
    while (!gCache.stopWorker && readNextAhead()) {
    }
}

// What an entry costs once read: a streamed strip only its head.
size_t entryBytes(const AheadEntry& e) {
    const Picture& p = *e.picture;
    if (e.floor) return size_t(p.width) * p.height;
    const int32_t rows = p.streamed ? std::min(p.height, kHeadRows) : p.height;
    return size_t(p.width) * rows * 4;
}

// Lets go of the pixels no sprite draws and the walk maps of pictures not in
// the list (the worker is stopped).
void letGoOfUnwanted() {
    std::set<const Picture*> pixels, floors;
    for (const AheadEntry& e : gCache.ahead) (e.floor ? floors : pixels).insert(e.picture);
    for (auto& it : gCache.byPath) {
        Picture* p = it.second;
        if (p->drawers == 0 && p->state == kPictureDecoded && !pixels.count(p)) {
            freePixels(p);
            p->state = kPictureUnread;
        } else if (p->drawers == 0 && (p->head || p->filling) && !pixels.count(p)) {
            freePixels(p);
        }
        if (p->floorRead && !floors.count(p)) {
            std::vector<uint8_t>().swap(p->floor);
            p->floorWidth = 0;
            p->floorRead = 0;
        }
    }
}

}  // namespace

bool graphicDecoded(Graphic& g) {
    if (!g.picture) return false;
    std::lock_guard<std::mutex> hold(g.picture->lock);
    return decodedLocked(g);
}

namespace {

// graphicReady with the picture's lock held.
bool readyLocked(const Graphic& g) {
    const Picture& p = *g.picture;
    if (p.state != kPictureUnread || p.broken) return true;
    if (!p.streamed) return false;
    // a strip drawn whole is read when drawn; a window needs its rows read ahead
    return !drawsWindow(g, p) || (p.head && p.headFirst == g.srcY);
}

}  // namespace

bool graphicReady(Graphic& g) {
    if (!g.picture) return true;
    std::unique_lock<std::mutex> hold(g.picture->lock, std::try_to_lock);
    return hold.owns_lock() && readyLocked(g);
}

bool readGraphicUntil(Graphic& g, std::chrono::steady_clock::time_point deadline) {
    if (!g.picture) return true;
    std::unique_lock<std::mutex> hold(g.picture->lock, std::try_to_lock);
    if (!hold.owns_lock()) return false;  // the worker reads it
    Picture* p = g.picture;
    const bool head = p->streamed != 0;
    if (head && (p->head || p->filling) && p->headFirst != g.srcY) {
        freePixels(p);  // read ahead from another frame than the one the sprite shows first
        p->state = kPictureUnread;
    }
    while (!readyLocked(g)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        readPart(p, kPartRows, head, g.srcY);
    }
    return true;
}

SDL_Surface* graphicRows(Graphic& g, int32_t& srcY, int32_t& rows, bool spareTimeReads) {
    if (!g.picture) return nullptr;
    std::lock_guard<std::mutex> hold(g.picture->lock);
    if (!decodedLocked(g)) return nullptr;
    Picture* p = g.picture;
    if (!p->streamed || p->whole) return g.surface;
    const int32_t first = std::max(srcY, 0);
    const int32_t end = int32_t(std::min<int64_t>(int64_t(srcY) + rows, p->height));
    if (first >= end) return nullptr;  // the frame lies below the picture: nothing to draw
    if (end - first > p->surface->h) {
        holdWhole(p);
        if (!p->surface) return nullptr;
        g.surface = p->surface;
        return g.surface;
    }
    const bool moves = first < p->firstRow || end > p->firstRow + p->rowsHeld;
    // Sprites of one strip share its window: moving it for a second sprite in
    // the same frame would change what the first one draws.
    assert(!moves || p->shownInFrame != gCache.frame);
    p->shownInFrame = gCache.frame;
    if (!holdRows(p, first, end - first)) return nullptr;
    assert(p->rowsHeld <= p->surface->h && first >= p->firstRow && end <= p->firstRow + p->rowsHeld);
    assert(p->nextRows == 0 || !p->reader || p->reader->nextRow >= p->nextFirst + p->nextRows);
    // A strip's last frame is followed by its first (stepping past the end
    // rests on or loops to frame 0), so that is the frame read ahead.
    if (g.frameHeight > 0 && first == srcY && int64_t(srcY) + g.frameHeight == g.stripEnd &&
        p->nextFirst != 0) {
        p->nextFirst = 0;
        p->nextRows = 0;
    }
    // The draw that moves the window also shows a whole new frame: when the
    // frame stays long enough for every part, it reads none of them.
    if (!spareTimeReads && (!moves || g.delayCurrent <= kReadAheadParts)) readAhead(p);
    srcY -= p->firstRow;  // negative stays negative: the blit clips it as on the whole picture
    rows = std::min(rows, p->rowsHeld - srcY);
    return p->surface;
}

void readStripAheadUntil(Graphic& g, std::chrono::steady_clock::time_point deadline) {
    if (!g.picture) return;
    std::unique_lock<std::mutex> hold(g.picture->lock, std::try_to_lock);
    Picture* p = g.picture;
    if (!hold.owns_lock() || !p->streamed || p->whole || p->state != kPictureDecoded || !p->surface) return;
    while (std::chrono::steady_clock::now() < deadline) {
        const int32_t before = p->nextRows;
        const PictureReader* reader = p->reader;
        readAhead(p);  // a part at a time
        if (p->nextRows == before && p->reader == reader) return;  // all read, or nothing to read
    }
}

namespace {

// The surface holding file rows [y, y + rows) of p now, y turned into its own
// row; null when they are not all held.
const SDL_Surface* heldRows(const Picture& p, int32_t& y, int32_t rows) {
    if (p.state != kPictureDecoded || !p.surface || y < 0 || rows <= 0 || int64_t(y) + rows > p.height)
        return nullptr;
    if (!p.streamed || p.whole) return p.surface;
    if (y >= p.firstRow && y + rows <= p.firstRow + p.rowsHeld) {
        y -= p.firstRow;
        return p.surface;
    }
    if (p.next && y >= p.nextFirst && y + rows <= p.nextFirst + p.nextRows) {
        y -= p.nextFirst;
        return p.next;
    }
    return nullptr;
}

}  // namespace

bool lookAtHeldFrames(Graphic& g, int32_t firstY, int32_t secondY, int32_t rows, const HeldFramesLook& look) {
    if (!g.picture) return false;
    std::unique_lock<std::mutex> hold(g.picture->lock, std::try_to_lock);
    if (!hold.owns_lock()) return false;  // the worker reads it
    const SDL_Surface* first = heldRows(*g.picture, firstY, rows);
    const SDL_Surface* second = heldRows(*g.picture, secondY, rows);
    if (!first || !second) return false;
    look(first, firstY, second, secondY);
    return true;
}

void graphicHotSize(Graphic& g, int32_t& width, int32_t& height) {
    int32_t w = 0, h = 0;
    graphicSize(g, w, h);
    width = g.frameWidth != 0 ? g.frameWidth : w;
    height = g.frameHeight != 0 ? g.frameHeight : h;
}

bool graphicSize(Graphic& g, int32_t& width, int32_t& height) {
    Picture* p = g.picture;
    if (!p) return false;
    std::lock_guard<std::mutex> hold(p->lock);
    if (p->state == kPictureFailed) return false;
    width = p->width;
    height = p->height;
    return true;
}

bool pictureFloorAt(Graphic& g, int32_t x, int32_t y) {
    Picture* p = g.picture;
    if (!p) return false;
    std::lock_guard<std::mutex> hold(p->lock);
    if (p->state == kPictureFailed) return false;
    if (!p->floorRead) readFloor(p);
    if (x < 0 || y < 0 || x >= p->floorWidth) return false;
    const size_t at = static_cast<size_t>(y) * p->floorWidth + x;
    return at < p->floor.size() && p->floor[at] != 0;
}

// Runs before SDL_Quit (registered after it, so it runs first): the worker
// stops before SDL and the pictures it reads go away.
[[maybe_unused]] static void stopWorkerAtExit() {
    gCache.stopWorker = true;
    if (gCache.worker.joinable()) gCache.worker.join();
}

void decodeAhead(const std::vector<PictureWish>& wishes, bool worker) {
    stopDecodingAhead();
    if (gCache.sdlImageOnly) return;
    size_t bytes = 0;
    std::set<std::pair<std::string, bool>> seen;
    for (const PictureWish& w : wishes) {
        if (!seen.insert({w.path, w.floor}).second) continue;
        AheadEntry e;
        e.picture = acquirePicture(w.path);
        e.floor = w.floor;
        bytes += entryBytes(e);
        if (bytes > kAheadBudgetBytes) {
            Graphic holder;  // beyond the budget: let go at once
            holder.picture = e.picture;
            dropPicture(&holder);
            break;
        }
        gCache.ahead.push_back(e);
    }
    letGoOfUnwanted();
    gCache.aheadNext = 0;
    gCache.stopWorker = false;
#if HOLLOWMERE_THREADS
    if (worker) {
        if (!gCache.stopsAtExit) gCache.stopsAtExit = std::atexit(stopWorkerAtExit) == 0;
        gCache.worker = std::thread(workAhead);
    }
#else
    (void)worker;
#endif
}

void decodeAheadFor(uint32_t budgetMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(budgetMs);
    while (budgetMs > 0 && !gCache.stopWorker && Clock::now() < end) {
        if (!gCache.inHand) {
            const size_t i = gCache.aheadNext.fetch_add(1);
            if (i >= gCache.ahead.size()) return;
            gCache.inHand = &gCache.ahead[i];
        }
        std::lock_guard<std::mutex> hold(gCache.inHand->picture->lock);
        if (readEntryUntil(*gCache.inHand, end)) gCache.inHand = nullptr;
    }
}

void waitForDecodingAhead() {
    if (gCache.worker.joinable()) gCache.worker.join();
    if (const AheadEntry* e = gCache.inHand) {
        std::lock_guard<std::mutex> hold(e->picture->lock);
        readEntryUntil(*e, std::chrono::steady_clock::time_point::max());
        gCache.inHand = nullptr;
    }
    while (readNextAhead()) {
    }
}

void stopDecodingAhead() {
    gCache.stopWorker = true;
    if (gCache.worker.joinable()) gCache.worker.join();
    gCache.inHand = nullptr;  // what it read stays in the picture for whoever reads it next
    for (const AheadEntry& e : gCache.ahead) {
        Graphic holder;  // lets go the way a graphic does
        holder.picture = e.picture;
        dropPicture(&holder);
    }
    gCache.ahead.clear();
    gCache.aheadNext = 0;
}

void releasePictures() {
    stopDecodingAhead();
    for (auto it = gCache.byPath.begin(); it != gCache.byPath.end();) {
        if (it->second->holders == 0) {
            deletePicture(it->second);
            it = gCache.byPath.erase(it);
        } else {
            ++it;
        }
    }
    gCache.missingTemplates.clear();
}

void testHookDecodeThroughSdlImage(bool on) {
    stopDecodingAhead();  // the worker never sees it change
    gCache.sdlImageOnly = on;
}

void beginPictureFrame() { ++gCache.frame; }

size_t picturesBytes() {
    size_t bytes = 0;
    for (const auto& it : gCache.byPath) {
        Picture* p = it.second;
        std::lock_guard<std::mutex> hold(p->lock);
        if (p->surface) bytes += static_cast<size_t>(p->surface->pitch) * p->surface->h;
        if (p->retired) bytes += static_cast<size_t>(p->retired->pitch) * p->retired->h;
        if (p->next) bytes += static_cast<size_t>(p->next->pitch) * p->next->h;
        if (p->head) bytes += static_cast<size_t>(p->head->pitch) * p->head->h;
        if (p->filling) bytes += static_cast<size_t>(p->filling->pitch) * p->filling->h;
        bytes += p->floor.size();
    }
    return bytes;
}

Uint32 readPixel(const SDL_Surface* s, int x, int y) {
    const int bpp = s->format->BytesPerPixel;
    const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * bpp;
    switch (bpp) {
        case 1: return *p;
        case 2: {
            Uint16 v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
        case 3:
            if (SDL_BYTEORDER == SDL_BIG_ENDIAN) return (p[0] << 16) | (p[1] << 8) | p[2];
            return p[0] | (p[1] << 8) | (p[2] << 16);
        default: {
            Uint32 v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
    }
}
