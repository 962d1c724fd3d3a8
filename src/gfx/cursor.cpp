// cursor.cpp - the interface images and the verb cursor, kept as the last sprite.
#include "gfx/cursor.h"

#include "gfx/display.h"
#include "gfx/graphic.h"

namespace {

// Interface images loaded into the store at start-up.
struct GuiImage {
    const char* name;  // store name
    const char* path;  // file under gfx/gui
};
const GuiImage kGuiImages[] = {
    // store name      file
    {"WalkCursor",  "gfx/gui/walk.png"},
    {"TakeCursor",  "gfx/gui/take.png"},
    {"TalkCursor",  "gfx/gui/talk.png"},
    {"LookCursor",  "gfx/gui/look.png"},
    {"UseCursor",   "gfx/gui/use.png"},
    {"InvCursor",   "gfx/gui/inv.png"},
    {"ClickCursor", "gfx/gui/click.bmp"},
    {"WaitCursor",  "gfx/gui/load_c.bmp"},
    {"ExitCursor",  "gfx/gui/exit.png"},
    {"NoCursor",    "gfx/gui/none.bmp"},
    {"DialogBar",   "gfx/gui/dialogbar.png"},
    {"NoTalk",      "gfx/gui/exit_dialog.png"},
};

// Where a cursor's image comes from.
enum CursorSource {
    kFromTemplate,  // the store template named in the row
    kFromHeldItem,  // the store template named by heldItemGraphic
    kFromFile,      // the file named in the row, loaded directly
};

// One cursor per mode; the frame settings are these, whatever the template holds.
struct CursorRow {
    int32_t mode;         // CursorMode
    const char* sprite;   // sprite name
    CursorSource source;  // where the image comes from
    const char* image;    // template name or file
    int32_t x, y;         // start position, off screen until the pointer moves it
    int32_t frameWidth;   // 0 = whole image
    int32_t frameHeight;  // height of one frame of the strip
    int32_t delay;        // draws per frame
    int32_t stripEnd;     // frames x frame height; 0 = still image
    int32_t animMode;     // 1 loop, 0 still
};
const CursorRow kCursors[] = {
    // mode        sprite         source         image              x     y   w   h  delay end  anim
    {kModeNone,    "NoCursor",    kFromTemplate, "NoCursor",        -164, 64, 55, 48, 2, 96,  1},
    {kModeUseItem, "ItemCursor",  kFromHeldItem, "",                -164, 64, 0,  0,  0, 0,   0},
    {kModeWalk,    "WalkCursor",  kFromTemplate, "WalkCursor",      -164, 64, 55, 48, 4, 960, 1},
    {kModeTake,    "TakeCursor",  kFromTemplate, "TakeCursor",      -164, 64, 55, 48, 4, 960, 1},
    {kModeTalk,    "TalkCursor",  kFromTemplate, "TalkCursor",      -164, 64, 55, 48, 8, 96,  1},
    {kModeLook,    "LookCursor",  kFromTemplate, "LookCursor",      -164, 64, 55, 48, 4, 960, 1},
    {kModeUse,     "UseCursor",   kFromTemplate, "UseCursor",       -164, 64, 55, 48, 4, 960, 1},
    {kModeClick,   "ClickCursor", kFromTemplate, "ClickCursor",     -164, 64, 36, 48, 4, 912, 1},
    {kModeWait,    "WaitCursor",  kFromTemplate, "WaitCursor",      -164, 64, 55, 48, 4, 960, 1},
    {kModeExit,    "ExitCursor",  kFromTemplate, "ExitCursor",      -164, 64, 48, 48, 4, 960, 1},
    {kModePoint,   "PointCursor", kFromFile,     "gfx/gui/cur.png", 48,   48, 0,  0,  0, 0,   0},
};

const char* const kCursorSpriteNames[] = {
    "NoCursor",  "ItemCursor", "WalkCursor",  "TakeCursor", "TalkCursor",  "LookCursor",
    "UseCursor", "ClickCursor", "WaitCursor", "ExitCursor", "PointCursor",
};

const CursorRow* cursorRow(int32_t mode) {
    for (const CursorRow& row : kCursors) {
        if (row.mode == mode) return &row;
    }
    return nullptr;
}

// The file the cursor of row is loaded from; false when it has none (no held
// item, or its template is missing from the store).
bool cursorPath(const CursorState& c, const CursorRow& row, std::string& path) {
    if (row.source == kFromFile) {
        path = row.image;
        return true;
    }
    if (!c.graphicStore) return false;
    const std::string name = row.source == kFromHeldItem ? c.heldItemGraphic : row.image;
    if (name.empty()) return false;
    const Graphic* t = findGraphic(*c.graphicStore, name);
    if (!t) return false;
    path = t->path;
    return true;
}

}  // namespace

void loadCursorGraphics(CursorState& c) {
    if (!c.graphicStore) return;
    for (const GuiImage& img : kGuiImages) loadGraphic(*c.graphicStore, img.name, img.path);
}

bool isCursorSpriteName(const std::string& name) {
    for (const char* n : kCursorSpriteNames) {
        if (name == n) return true;
    }
    return false;
}

void setCursor(CursorState& c, int32_t mode) {
    if (c.cursorShown != 1 || c.cursorEnabled == 0 || !c.displayList) return;
    const CursorRow* row = cursorRow(mode);
    std::string path;
    // A mode without a cursor image leaves the old cursor in place, so it stays last.
    if (!row || !cursorPath(c, *row, path)) return;

    DisplayList& list = *c.displayList;
    // Only a cursor is ever replaced; a list that ends in something else (or is
    // empty) gets the cursor appended, which makes it the last sprite again.
    const Graphic* last = lastSprite(list);
    if (last && isCursorSpriteName(last->name)) removeSprite(list, list.sprites.size() - 1);
    addSprite(list, path, row->sprite, row->x, row->y, row->frameWidth, row->frameHeight,
              row->delay, row->stripEnd, row->animMode);
}
