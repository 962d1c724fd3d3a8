// cursor.h - the game's own mouse cursor: the last sprite of the display list.
#pragma once
#include <cstdint>
#include <string>

#include "frame/game_state.h"  // GraphicStore

struct DisplayList;
struct InputState;

// The verbs and the cursor of each.
enum CursorMode {
    kModeNone = 0,      // "NoCursor"
    kModeUseItem = 1,   // the held item's icon
    kModeWalk = 2,      // "WalkCursor"
    kModeTake = 3,      // "TakeCursor"
    kModeTalk = 4,      // "TalkCursor"
    kModeLook = 5,      // "LookCursor"
    kModeUse = 6,       // "UseCursor"
    kModeClick = 8,     // "ClickCursor", click to continue while speech runs
    kModeWait = 9,      // "WaitCursor"
    kModeExit = 10,     // "ExitCursor", shown on hover over an exit, never the verb
    kModePoint = 11,    // "PointCursor", the dialogue pointer
};

struct CursorState {
    GraphicStore* graphicStore;   // where the cursor templates live
    DisplayList* displayList;     // the list whose last sprite is the cursor
    InputState* mouse;            // current pointer position
    uint8_t cursorShown;          // 1 = setCursor acts; 0 = the cursor is held (speech, dialogue)
    uint8_t cursorEnabled;        // the screen has a cursor that follows the mouse
    std::string heldItemGraphic;  // icon template of the held item; "" = none
};

void loadCursorGraphics(CursorState& c);
// Replaces the cursor sprite by the cursor of mode. A mode without a cursor image
// leaves the list alone, so the last sprite is always a cursor.
void setCursor(CursorState& c, int32_t mode);
bool isCursorSpriteName(const std::string& name);
