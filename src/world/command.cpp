// SPDX-License-Identifier: MIT
// command.cpp - the click dispatch: due scene changes, the cursor while speech
// runs, the inventory button, the exit cursor and the verbs on clicked objects.
#include "world/command.h"

#include "frame/input.h"
#include "gfx/anim.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "world/dialogue.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/reply.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

namespace {

// Column of the exit cursor's sheet showing the arrow of each exit direction.
constexpr int32_t kExitArrowSrcX[] = {
    // srcX   exitDirection
    96,   // 0
    288,  // 1
    0,    // 2
    192,  // 3
    48,   // 4
    336,  // 5
    144,  // 6
    240,  // 7
};
constexpr int32_t kExitDirections = sizeof kExitArrowSrcX / sizeof kExitArrowSrcX[0];

Graphic* heroSprite(GameState& gs) { return heroSprite(*gs.displayList); }

// Sends the hero to the object's walk-to point (both coordinates as they are).
void walkThere(GameState& gs, const SceneObject& obj) {
    if (!heroSprite(gs)) return;
    gs.player->targetX = obj.walkToX;
    gs.player->targetY = obj.walkToY;
}

// Take, Use and Use-with first send the hero over unless he already stands
// there (or the inventory is open, where he does not walk).
void walkThereFirst(GameState& gs, const SceneObject& obj) {
    if (heroSprite(gs) && gs.player->footX != obj.walkToX && gs.inventoryOpen != 1)
        walkThere(gs, obj);
}

std::string pointedSprite(GameState& gs) {
    if (gs.displayList->sprites.empty()) return std::string();
    return spriteUnderPointer(*gs.cursor);
}

void performPendingChange(GameState& gs) {
    if (gs.pendingScene.empty() || gs.player->targetX != kNoTarget) return;
    // Cleared before entering so a change that is refused is not tried every frame.
    std::string next = gs.pendingScene;
    gs.pendingScene.clear();
    gs.scenes->currentScene = next;
    enterScene(gs);
}

// While lines are queued the click cursor is shown and held; once they are
// gone the verb comes back (shown a frame later, since setCursor ignores the
// call made while the cursor is still held).
void holdCursorForSpeech(GameState& gs) {
    CursorState& cursor = *gs.cursor;
    if (gs.quitting || !cursor.cursorEnabled) return;
    SpeechQueue& speech = *gs.speechQueue;
    const bool clickCursorUp = findSprite(*gs.displayList, "ClickCursor") != nullptr;
    if (speechQueued(speech)) {
        gs.clockSeconds = speech.lines.front()->seconds;  // scripts wait while someone speaks
        if (!clickCursorUp) {
            setCursor(cursor, kModeClick);
            cursor.cursorShown = 0;
            // Where the click cursor cannot come up (the held pointer of a
            // conversation) this runs every frame; keep the verb from the first.
            if (gs.cursorMode != kModeClick) gs.savedCursorMode = gs.cursorMode;
            gs.cursorMode = kModeClick;
        }
    } else if (clickCursorUp) {
        gs.cursorMode = gs.savedCursorMode;
        setCursor(cursor, gs.savedCursorMode);
        cursor.cursorShown = 1;
    }
}

void handleInventoryButton(GameState& gs) {
    const InputState& in = *gs.cursor->mouse;
    if (!nearInventoryButton(in.x, in.y)) return;
    Graphic* button = findSprite(*gs.displayList, "ExitInventory");
    const bool closes = button != nullptr;
    if (!button) button = findSprite(*gs.displayList, "EnterInventory");
    if (!button) return;
    flashButton(button);
    // Only a click on the button itself opens or closes: the cursor's body may
    // reach over objects lying next to it.
    if (!in.leftClicked || !onInventoryButton(in.x, in.y)) return;
    // Both rebuild the display list, so the button is not touched afterwards.
    if (closes)
        closeInventory(gs);
    else
        openInventory(gs);
}

void handleLeftClick(GameState& gs) {
    InputState& in = *gs.cursor->mouse;
    if (!in.leftClicked) return;
    SpeechQueue& speech = *gs.speechQueue;
    if (!speechQueued(speech)) {
        if (pointedSprite(gs) == "ExitDialog")
            leaveDialogue(gs);
        else if (gs.cursorMode == kModeWalk)
            walkToMouse(*gs.player);
    } else if (!gs.quitting && gs.cursor->cursorEnabled) {
        // The click cuts the line short: it goes at the next clock tick.
        speech.secondsShown = speech.lines.front()->seconds;
    }
}

void handleExitHover(GameState& gs) {
    const SceneObject* hovered = gs.hoveredObject;
    if (hovered && gs.cursorMode != kModeClick && gs.cursorMode != kModeWait &&
        !hovered->exitTarget.empty()) {
        if (gs.hoverCursor != kModeExit) {
            gs.hoverCursor = kModeExit;
            setCursor(*gs.cursor, kModeExit);
        }
        Graphic* arrow = findSprite(*gs.displayList, "ExitCursor");
        const int32_t dir = hovered->exitDirection;
        if (arrow && exitArrowColumn(dir) >= 0) arrow->srcX = exitArrowColumn(dir);
    } else if (gs.hoverCursor != 0) {
        setCursor(*gs.cursor, gs.cursorMode);
        gs.hoverCursor = 0;
        gs.hoveredObject = nullptr;
    }
}

void walkToExit(GameState& gs, SceneObject& obj) {
    gs.pendingScene = obj.exitTarget;
    gs.player->lastExit = obj.name;
    if (heroSprite(gs)) {
        // An exit without a walk-to point leaves from wherever the click sent him.
        if (obj.walkToX != 0) gs.player->targetX = obj.walkToX;
        if (obj.walkToY != 0) gs.player->targetY = obj.walkToY;
    }
    if (!obj.walkScript.empty()) runCallback(gs, obj.walkScript);
}

void useHeldItemWith(GameState& gs, SceneObject& obj) {
    walkThereFirst(gs, obj);
    if (!heroIdle(*gs.player)) return;
    combineItems(gs, &obj, gs.heldItem);  // does nothing unless the two belong together
    if (obj.useScript.empty()) return;
    runCallback(gs, obj.useScript);
    gs.cursorMode = kModeWalk;
    gs.heldItem = nullptr;
    gs.cursor->heldItemGraphic.clear();
    setCursor(*gs.cursor, kModeWalk);
}

void use(GameState& gs, SceneObject& obj) {
    walkThereFirst(gs, obj);
    if (!heroIdle(*gs.player)) return;
    if (!obj.iconName.empty() && gs.inventoryOpen == 1) {  // pick the item up
        gs.heldItem = &obj;
        gs.cursor->heldItemGraphic = obj.iconName;
        gs.cursorMode = kModeUseItem;
        setCursor(*gs.cursor, kModeUseItem);
    }
    if (!obj.useScript.empty())
        runCallback(gs, obj.useScript);
    else if (!obj.useKey.empty() && gs.inventoryOpen != 1)
        sayKey(gs, obj.useKey);
}

void take(GameState& gs, SceneObject& obj) {
    if (!obj.takeable) {
        if (!obj.takeKey.empty()) sayKey(gs, obj.takeKey);
        return;
    }
    walkThereFirst(gs, obj);
    if (!heroIdle(*gs.player)) return;
    inventoryAdd(*gs.player, obj.name, &obj);
    removeSpriteByName(*gs.displayList, obj.name);
    sayKey(gs, obj.confirmTakeKey);
    if (!obj.takeScript.empty()) runCallback(gs, obj.takeScript);
    flashButton(findSprite(*gs.displayList, "EnterInventory"));
}

void talk(GameState& gs, SceneObject& obj) {
    if (!obj.dialoguePartner) {
        if (!obj.talkKey.empty()) sayKey(gs, obj.talkKey);
        return;
    }
    walkThere(gs, obj);
    openDialogue(gs, obj.dialoguePartner);
}

// Each verb is tested on the mode as the verbs before it left it.
void actOnClickedObject(GameState& gs) {
    SceneObject* obj = gs.clickedObject;
    if (!obj) return;
    if (gs.cursorMode == kModeWalk && !obj->exitTarget.empty()) walkToExit(gs, *obj);
    if (gs.cursorMode == kModeLook && !obj->lookKey.empty()) {
        walkThere(gs, *obj);
        sayKey(gs, obj->lookKey);  // he talks while he walks
    }
    if (gs.cursorMode == kModeUseItem && heroIdle(*gs.player)) useHeldItemWith(gs, *obj);
    if (gs.cursorMode == kModeUse && heroIdle(*gs.player)) use(gs, *obj);
    if (gs.cursorMode == kModeTake && heroIdle(*gs.player)) take(gs, *obj);
    if (gs.cursorMode == kModeTalk) talk(gs, *obj);
}

}  // namespace

void flashButton(Graphic* button) {
    if (!button || button->delayCurrent != 0) return;  // already flashing
    button->delayCurrent = button->frameDelay;
    button->srcY = 0;
    button->animMode = kPlayOnce;
}

void dispatchClicks(GameState& gs) {
    performPendingChange(gs);
    holdCursorForSpeech(gs);
    handleInventoryButton(gs);
    handleLeftClick(gs);
    handleExitHover(gs);
    actOnClickedObject(gs);
}

int32_t exitArrowColumn(int32_t direction) {
    return direction >= 0 && direction < kExitDirections ? kExitArrowSrcX[direction] : -1;
}
