// SPDX-License-Identifier: MIT
// cursor.cpp - the cursor and interface images.
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

}  // namespace

void loadCursorGraphics(CursorState& c) {
    if (!c.graphicStore) return;
    for (const GuiImage& img : kGuiImages) loadGraphic(*c.graphicStore, img.name, img.path);
}
