// SPDX-License-Identifier: MIT
// verbs.h - the verbs the player clicks with, the cursor of each and the
// right-click change between them.
#pragma once
#include <cstdint>
#include <string>

struct CursorState;
struct GameState;

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

// Replaces the cursor sprite by the cursor of mode. A mode without a cursor image
// leaves the list alone, so the last sprite is always a cursor.
void setCursor(CursorState& c, int32_t mode);
bool isCursorSpriteName(const std::string& name);
void cycleCursorMode(GameState& gs);  // the right-click verb change
