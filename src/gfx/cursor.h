// SPDX-License-Identifier: MIT
// cursor.h - the game's own mouse cursor: the last sprite of the display list.
// Which cursor each verb shows is the verbs' business (world/verbs.h).
#pragma once
#include <cstdint>
#include <string>

#include "gfx/graphic.h"  // GraphicStore

struct DisplayList;
struct InputState;

struct CursorState {
    GraphicStore* graphicStore = nullptr;  // where the cursor templates live
    DisplayList* displayList = nullptr;    // the list whose last sprite is the cursor
    InputState* mouse = nullptr;           // current pointer position
    uint8_t cursorShown = 0;     // 1 = setCursor acts; 0 = the cursor is held (speech, dialogue)
    uint8_t cursorEnabled = 0;   // the screen has a cursor that follows the mouse
    std::string heldItemGraphic;  // icon template of the held item; "" = none
};

// The cursor and interface images, into the store.
void loadCursorGraphics(CursorState& c);
