// SPDX-License-Identifier: MIT
// graphic.h - named images: templates in the store, sprites in the display list,
// and the decoded pictures they share.
#pragma once
#include "platform/platform.h"
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct Graphic;
struct PictureReader;  // graphic.cpp: the open PNG reader of a streamed strip

using GraphicStore = std::map<std::string, Graphic*>;  // name -> image template

// What is known of a picture's pixels.
enum PictureState : uint8_t {
    kPictureUnread = 0,   // only the header was read: decoded on first use
    kPictureDecoded = 1,  // surface holds the pixels (all of them, or a streamed window)
    kPictureFailed = 2,   // the file could not be read; the reason was printed
};

// One file, decoded once and shared by its template and every sprite made from it.
// Pictures live in one cache keyed by path; a picture no sprite draws stays
// decoded while it is on the read-ahead list, and is let go when a new list
// (the next scene's) leaves it out, when the file changes or on releasePictures.
// Tall strips are streamed: surface holds only the rows drawn last, read from
// the file as the animation plays, and they go when the last sprite goes.
//
// Threads. The main thread does everything but one thing: the read-ahead worker
// (decodeAhead) reads pixels, a streamed strip's head, or a walk map of the
// pictures on its list, one picture at a time with that picture's lock held,
// and touches nothing else. So the fields from width on are read and written
// with lock held (or before the picture is in the cache); holders and drawers, the cache's map and the list
// itself belong to the main thread and change only while the worker is stopped
// (decodeAhead and stopDecodingAhead join it first). The test hook that turns
// the decoding path over also stops the worker first, and reads as an atomic.
// At exit, a handler registered after SDL_Quit (so it runs before it) stops the
// worker, so it never reads while SDL shuts down.
//
// A streamed strip's window: file rows [firstRow, firstRow + rowsHeld) are in
// surface; next holds rows from nextFirst, nextRows of them read so far, and
// reader stands at nextFirst + nextRows whenever nextRows > 0. Every sprite of
// the strip draws from that one window, so two of them never draw different
// frames in one frame (debug builds assert it, see shownInFrame).
struct Picture {
    std::string path = "";                 // the file
    int32_t holders = 0;                   // templates, sprites and the read-ahead list holding it; main thread
    int32_t drawers = 0;                   // the graphics among them that point at its surface; main thread
    int32_t width = 0;                     // of the file's picture, from its header
    int32_t height = 0;                    // of the file's picture, from its header
    uint8_t state = kPictureUnread;        // PictureState
    uint8_t streamed = 0;                  // 1 = a tall strip decoded a window of rows at a time
    uint8_t whole = 0;                     // 1 = surface holds the whole picture
    SDL_Surface* surface = nullptr;        // owned; 32-bit screen layout, or the file's own for odd formats
    int32_t firstRow = 0;                  // streamed: file row held in surface row 0
    int32_t rowsHeld = 0;                  // streamed: file rows held in surface, from firstRow
    PictureReader* reader = nullptr;       // streamed: positioned after the rows held and read ahead; owned
    SDL_Surface* next = nullptr;           // streamed: the rows after the window, read a part per draw; owned
    int32_t nextFirst = 0;                 // streamed: file row held in next's row 0
    int32_t nextRows = 0;                  // streamed: rows of next read so far
    SDL_Surface* retired = nullptr;        // a streamed window replaced by the whole picture; owned
    SDL_Surface* head = nullptr;           // streamed, unread: the first rows read ahead, reader after them; owned
    SDL_Surface* filling = nullptr;        // unread: the rows read so far of a picture read in parts (the
                                           // whole picture, or a strip's head), reader after them; owned
    int32_t headFirst = 0;                 // streamed: file row of head's (or filling's) row 0
    uint8_t broken = 0;                    // 1 = the pixels broke off after a good header (reported),
                                           // 2 = the head read ahead broke off (said at the first draw)
    uint64_t fileStamp = 0;                // size, inode and change time of the file when read
    std::vector<uint8_t> floor;            // walk map: 1 per pixel where the hero may stand, row by row
    int32_t floorWidth = 0;                // pixels per row of floor
    uint8_t floorRead = 0;                 // 1 once floor was read from the file (empty when unreadable)
    uint64_t shownInFrame = 0;             // streamed: the frame whose sprites the window was last given to
    std::mutex lock;                       // held while the pixels or floor are read: a worker reads ahead

    Picture() = default;
    Picture(const Picture&) = delete;  // owns its surface and reader
    Picture& operator=(const Picture&) = delete;
};

// An animated image holds its frames stacked downwards from y 0; a sheet holds
// several such strips side by side, one per animation, selected with srcX.
struct Graphic {
    int32_t visible = 1;          // 1 = drawn and animated; anything else = skipped
    int32_t x = 0, y = 0;         // screen position of the top-left corner
    int32_t srcX = 0;             // left edge of the frame in the image: the animation column
    int32_t srcY = 0;             // top edge of the current frame; the animation adds frameHeight
    int32_t frameWidth = 0;       // 0 = the whole image width
    int32_t frameHeight = 0;      // used only when stripEnd is not 0
    int32_t animMode = 0;         // 0 none, 1 loop, anything else = play once and rest on frame 0
    int32_t frameDelay = 0;       // configured draws per animation step
    int32_t delayCurrent = 0;     // working delay; 0 = a play-once strip has ended. Templates keep their delay here
    int32_t delayCounter = 0;     // draws since the last step
    int32_t stripEnd = 0;         // srcY at which the strip ends (frames x frameHeight); 0 = not a strip
    int32_t baseFrameWidth = 0;   // frame width given at creation
    int32_t baseFrameHeight = 0;  // frame height given at creation
    uint8_t alpha = 255;          // per-surface alpha, 255 = opaque
    SDL_Surface* surface = nullptr;  // picture->surface once decoded (set on the main thread); not owned
    Picture* picture = nullptr;   // the shared decoded file, held; null for a sprite without a file
    std::string path = "";        // file it was loaded from
    std::string name = "";        // store key of a template, sprite name of a sprite

    Graphic() = default;
    Graphic(const Graphic&) = delete;  // holds its picture
    Graphic& operator=(const Graphic&) = delete;
};

// Template: no geometry; reads the file's header now and its pixels on first use.
// Prints "IMG_Load: %s\n" when the file cannot be read.
Graphic* newTemplateGraphic(const std::string& path, const std::string& name);
// Sprite with the given frame settings, sharing the file's decoded picture; a
// file that could not be read is tried again (and reported) for every sprite.
Graphic* newSpriteGraphic(const std::string& path, const std::string& name, int32_t x, int32_t y,
                          int32_t frameWidth, int32_t frameHeight, int32_t frameDelay,
                          int32_t stripEnd, int32_t animMode);
void deleteGraphic(Graphic* g);  // lets go of its picture; null is fine

// Inserts a template under name unless the name is taken (the first load wins).
void loadGraphic(GraphicStore& store, const std::string& name, const std::string& path);
// Sets a template's frame geometry and animation right after loading it.
void configureTemplate(Graphic* g, int32_t frameWidth, int32_t frameHeight, int32_t animMode,
                       int32_t delay, int32_t stripEnd);
// The template a sprite is made from; a missing one is reported once per name
// ("IMG_Load: no picture named %s\n") and gives null.
const Graphic* spriteTemplate(const GraphicStore& store, const std::string& name);
// Its path, or "" (a sprite without a picture, drawn as nothing) when it is missing.
std::string spriteTemplatePath(const GraphicStore& store, const std::string& name);

// Decodes g's picture if that has not happened yet and sets g.surface; false
// when there is nothing to draw. A streamed strip only gets room for its rows.
bool graphicDecoded(Graphic& g);
// The surface holding rows [srcY, srcY + rows) of g's picture for a blit, with
// srcY turned into the surface's own row; streamed strips read the rows as needed,
// and a part of the next frame's rows with each draw unless spareTimeReads (then
// readStripAheadUntil reads them between frames).
SDL_Surface* graphicRows(Graphic& g, int32_t& srcY, int32_t& rows, bool spareTimeReads = false);
// Reads the rows a streamed strip shows next, the window after the one g draws,
// until they are all read or deadline has passed (a frame's spare time).
void readStripAheadUntil(Graphic& g, std::chrono::steady_clock::time_point deadline);
// Runs look on the rows of two frames of g's picture, the frames starting at
// file rows firstY and secondY, rows tall, each given as its surface and that
// surface's own row, with the picture's lock held; only when both are held now
// (nothing is read for it: a streamed strip's window and the rows read after
// it). False when look did not run.
using HeldFramesLook =
    std::function<void(const SDL_Surface* first, int32_t firstRow, const SDL_Surface* second, int32_t secondRow)>;
bool lookAtHeldFrames(Graphic& g, int32_t firstY, int32_t secondY, int32_t rows, const HeldFramesLook& look);
// Whether g can be drawn without reading its file first: its pixels are
// decoded, a streamed strip's first rows were read ahead, or there is nothing
// to read (no file, an unreadable one). False while another thread reads it.
bool graphicReady(Graphic& g);
// Reads g's picture a few rows at a time until it is ready or deadline has
// passed (a frame's spare time); true when it is ready.
bool readGraphicUntil(Graphic& g, std::chrono::steady_clock::time_point deadline);
// Whole picture size of g (decoding nothing); false when the file was unreadable.
bool graphicSize(Graphic& g, int32_t& width, int32_t& height);
// The area g covers on screen, the hot area of the hit test: its frame, or the
// whole picture where no frame size is set (0 x 0 for an unreadable file).
void graphicHotSize(Graphic& g, int32_t& width, int32_t& height);
// Walk map test: true where the picture at (x, y) is not black, read at the
// file's own depth; false outside it and for an unreadable file.
bool pictureFloorAt(Graphic& g, int32_t x, int32_t y);

#ifndef HOLLOWMERE_THREADS
#define HOLLOWMERE_THREADS 1
#endif
// Whether decodeAhead starts a worker thread unless told otherwise; the browser
// build has none and reads ahead in each frame's spare time only.
constexpr bool kDecodeWorker = HOLLOWMERE_THREADS != 0;

// One picture to read before it is needed: its pixels, or its walk map.
struct PictureWish {
    std::string path = "";  // the file
    bool floor = false;     // true = the walk map, false = the pixels
};
// Replaces the read-ahead list with these wishes, nearest first, as far as
// the byte budget reaches; pixels no sprite draws and walk maps that are not
// on the list are let go now. The entries are read by a worker thread (when
// worker is true) and by decodeAheadFor; streamed strips only get their head.
// What the main thread needs first it reads itself.
void decodeAhead(const std::vector<PictureWish>& wishes, bool worker = kDecodeWorker);
// Reads entries of the list on this thread until budgetMs have passed (the
// frame's spare time, before the loop sleeps), a few rows at a time: a
// picture it could not finish is finished by the next call.
void decodeAheadFor(uint32_t budgetMs);
// Stops the worker after the entry in hand and lets go of the list's holds.
void stopDecodingAhead();
// Reads everything on the list, with or without the worker (benchmarks and tests).
void waitForDecodingAhead();
// Test hook: on, every picture is decoded whole through the platform's picture
// reader, as the game once did, and nothing is read ahead; tests compare what
// the two ways draw. Stops the worker before it changes.
void testHookDecodeThroughSdlImage(bool on);
// Frees every picture nobody holds (stops the worker first) (the engine's release; tests start clean).
void releasePictures();
// A new frame begins: a streamed strip's window may move again (checked in debug builds).
void beginPictureFrame();
// Bytes of decoded pixels and walk maps the cache holds now (for the benchmarks).
size_t picturesBytes();

// Reads one pixel of any depth as a pixel value of its own format; the caller
// keeps (x, y) inside the surface and has it locked.
Uint32 readPixel(const SDL_Surface* s, int x, int y);

// Look-up by name in the image store or the text table; null when absent.
template <typename T>
T* findGraphic(const std::map<std::string, T*>& map, const std::string& name) {
    auto it = map.find(name);
    return it == map.end() ? nullptr : it->second;
}
