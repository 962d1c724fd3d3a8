// SPDX-License-Identifier: MIT
// verbs.cpp - the cursor of each verb, kept as the last sprite, and the
// right-click change between the verbs.
#include "world/verbs.h"

#include "frame/game_state.h"
#include "gfx/anim.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"

namespace {

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
    int32_t animMode;     // kLoop or kStill
};
const CursorRow kCursors[] = {
    // mode        sprite         source         image              x     y   w   h  delay end  anim
    {kModeNone,    "NoCursor",    kFromTemplate, "NoCursor",        -164, 64, 55, 48, 2, 96,  kLoop},
    {kModeUseItem, "ItemCursor",  kFromHeldItem, "",                -164, 64, 0,  0,  0, 0,   kStill},
    {kModeWalk,    "WalkCursor",  kFromTemplate, "WalkCursor",      -164, 64, 55, 48, 4, 960, kLoop},
    {kModeTake,    "TakeCursor",  kFromTemplate, "TakeCursor",      -164, 64, 55, 48, 4, 960, kLoop},
    {kModeTalk,    "TalkCursor",  kFromTemplate, "TalkCursor",      -164, 64, 55, 48, 8, 96,  kLoop},
    {kModeLook,    "LookCursor",  kFromTemplate, "LookCursor",      -164, 64, 55, 48, 4, 960, kLoop},
    {kModeUse,     "UseCursor",   kFromTemplate, "UseCursor",       -164, 64, 55, 48, 4, 960, kLoop},
    {kModeClick,   "ClickCursor", kFromTemplate, "ClickCursor",     -164, 64, 36, 48, 4, 912, kLoop},
    {kModeWait,    "WaitCursor",  kFromTemplate, "WaitCursor",      -164, 64, 55, 48, 4, 960, kLoop},
    {kModeExit,    "ExitCursor",  kFromTemplate, "ExitCursor",      -164, 64, 48, 48, 4, 960, kLoop},
    {kModePoint,   "PointCursor", kFromFile,     "gfx/gui/cur.png", 48,   48, 0,  0,  0, 0,   kStill},
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

bool isCursorSpriteName(const std::string& name) {
    for (const CursorRow& row : kCursors) {
        if (name == row.sprite) return true;
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

void cycleCursorMode(GameState& gs) {
    int32_t& mode = gs.cursorMode;
    if (gs.inventoryOpen == 1) {  // in the inventory only look and use alternate
        mode = mode == kModeLook ? kModeUse : kModeLook;
        return;
    }
    if (mode < kModeUse)
        mode += 1;
    else
        mode = gs.cursor->heldItemGraphic.empty() ? kModeWalk : kModeUseItem;
}
