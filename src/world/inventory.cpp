// SPDX-License-Identifier: MIT
// inventory.cpp - what the hero carries, the inventory screen and combining items.
#include "world/inventory.h"

#include <cstdio>

#include "frame/input.h"
#include "gfx/anim.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

namespace {

constexpr const char* kScreenFile = "gfx/gui/invscreen.png";

constexpr int32_t kGridRight = kInvGridLeft + (kInvColumns - 1) * kInvCellW;  // x of the last column

// The look cursor the screen opens with, off screen until it follows the pointer.
constexpr int32_t kCursorX = -164;
constexpr int32_t kCursorY = 64;
constexpr int32_t kCursorW = 55;
constexpr int32_t kCursorH = 48;
constexpr int32_t kCursorDelay = 4;
constexpr int32_t kCursorStripEnd = 960;

// The verb cursor's size: its body, not only its tip, makes the button flash.
constexpr int32_t kVerbCursorW = 55;
constexpr int32_t kVerbCursorH = 48;

void addIcons(GameState& gs) {
    int32_t x = kInvGridLeft;
    int32_t y = kInvGridTop;
    for (const auto& entry : gs.player->inventory) {  // the map keeps byte-wise name order
        const SceneObject* item = entry.second;
        if (!item) continue;
        const Graphic* icon = findGraphic(*gs.graphics, item->iconName);
        if (!icon) {
            // Nothing to show it with; leaving it out keeps the grid without holes.
            printf("Item nicht gefunden!\n");
            continue;
        }
        addSprite(*gs.displayList, icon->path, item->name, x, y, 0, 0, 0, 0, 0);
        x += kInvCellW;
        if (x > kGridRight) {
            x = kInvGridLeft;
            y += kInvCellH;
        }
    }
}

bool itemsCombine(const SceneObject* target, const SceneObject* held) {
    if (!target || !held || !target->combinePartner) return false;
    return held->combinePartner == target || target->combinePartner == held;
}

}  // namespace

bool onInventoryButton(int32_t x, int32_t y) {
    return x >= kInvButtonX && x < kInvButtonX + kInvButtonSize && y >= kInvButtonY &&
           y < kInvButtonY + kInvButtonSize;
}

bool nearInventoryButton(int32_t x, int32_t y) {
    return x + kVerbCursorW >= kInvButtonX && x <= kInvButtonX + kInvButtonSize &&
           y + kVerbCursorH >= kInvButtonY && y <= kInvButtonY + kInvButtonSize;
}

SceneObject* inventoryGet(const PlayerState& p, const std::string& name) {
    auto it = p.inventory.find(name);
    return it == p.inventory.end() ? nullptr : it->second;
}

void inventoryAdd(PlayerState& p, const std::string& name, SceneObject* obj) {
    if (!obj) return;  // nothing to carry; an empty entry would count as absent anyway
    SceneObject*& slot = p.inventory[name];
    if (!slot) slot = obj;  // an item is carried once
}

void inventoryRemove(PlayerState& p, const std::string& name) { p.inventory.erase(name); }

bool isInInventory(const PlayerState& p, const SceneObject* obj) {
    return obj && inventoryGet(p, obj->name) != nullptr;
}

void openInventory(GameState& gs) {
    CursorState& cursor = *gs.cursor;
    DisplayList& list = *gs.displayList;

    clearSpeech(*gs.speechQueue);
    gs.heldItem = nullptr;
    cursor.cursorShown = 1;
    cursor.heldItemGraphic.clear();

    saveHeroPlace(gs);
    gs.player->targetX = kNoTarget;
    gs.player->targetY = kNoTarget;

    clearDisplayList(list);
    // The picture and the icons are shown whole and still: all frame values 0.
    addSprite(list, kScreenFile, "InventoryScreen", 0, 0, 0, 0, 0, 0, 0);
    addIcons(gs);

    // The close button takes the place of the scene's open button and plays its strip once.
    addSprite(list, spriteTemplatePath(*gs.graphics, "InvCursor"), "ExitInventory", kInvButtonX,
              kInvButtonY, kInvButtonSize, kInvButtonSize, kInvButtonDelay, kInvButtonStripEnd,
              kPlayOnce);
    addSprite(list, spriteTemplatePath(*gs.graphics, "LookCursor"), "LookCursor", kCursorX, kCursorY,
              kCursorW, kCursorH, kCursorDelay, kCursorStripEnd, kLoop);

    gs.cursorMode = kModeLook;
    setCursor(cursor, kModeLook);
    gs.inventoryOpen = 1;
    if (cursor.mouse) cursor.mouse->leftClicked = 0;  // the opening click is used up
}

void closeInventory(GameState& gs) {
    CursorState& cursor = *gs.cursor;
    if (cursor.mouse) cursor.mouse->leftClicked = 0;

    gs.cursorMode = kModeWalk;
    setCursor(cursor, kModeWalk);
    gs.inventoryOpen = 0;

    clearDisplayList(*gs.displayList);
    gs.player->lastExit.clear();
    enterScene(gs);

    restoreHeroPlace(gs);  // where he stood before the screen opened
    if (!cursor.heldItemGraphic.empty()) {  // an item was picked up: ready to use it
        gs.cursorMode = kModeUseItem;
        setCursor(cursor, kModeUseItem);
    }
}

void combineItems(GameState& gs, SceneObject* target, SceneObject* held) {
    if (!itemsCombine(target, held)) return;
    SceneObject* result = target->combineResult;
    if (!result) {
        // Without a result both items would just vanish; keep them instead.
        printf("Kombination ohne Ergebnis: %s\n", target->name.c_str());
        return;
    }
    PlayerState& p = *gs.player;
    inventoryAdd(p, result->name, result);
    inventoryRemove(p, target->name);
    inventoryRemove(p, held->name);
    printf("remove item\n");
    if (gs.inventoryOpen == 1) {  // rebuild the icons
        closeInventory(gs);
        openInventory(gs);
    }
}
