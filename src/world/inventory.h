// SPDX-License-Identifier: MIT
// inventory.h - the items the hero carries, the inventory screen and combinations.
#pragma once
#include <cstdint>
#include <string>

struct GameState;
struct PlayerState;
struct SceneObject;

// The inventory button in the bottom right corner: it opens the inventory on a
// scene and closes it on the inventory screen, a 20-frame flash strip.
constexpr int32_t kInvButtonX = 672;
constexpr int32_t kInvButtonY = 472;
constexpr int32_t kInvButtonSize = 128;  // square frame
constexpr int32_t kInvButtonDelay = 4;
constexpr int32_t kInvButtonStripEnd = 2560;
// The inventory screen's icons fill a grid from its top left, a row at a time;
// the generator draws the screen's slots on the same grid.
constexpr int32_t kInvGridLeft = 60;  // top left of the first icon
constexpr int32_t kInvGridTop = 100;
constexpr int32_t kInvCellW = 100;    // from one icon to the next in a row
constexpr int32_t kInvCellH = 60;     // from one row to the next
constexpr int32_t kInvColumns = 7;    // icons in a row
constexpr int32_t kInvSlotRows = 4;   // rows of slots drawn: room for every item of the game

// A click at (x, y) belongs to the button: the pointer's tip is on the button itself.
bool onInventoryButton(int32_t x, int32_t y);
// The button flashes while the verb cursor's body (55x48 from its tip) touches it.
bool nearInventoryButton(int32_t x, int32_t y);

SceneObject* inventoryGet(const PlayerState& p, const std::string& name);
void inventoryAdd(PlayerState& p, const std::string& name, SceneObject* obj);  // once per name
void inventoryRemove(PlayerState& p, const std::string& name);
bool isInInventory(const PlayerState& p, const SceneObject* obj);

void openInventory(GameState& gs);
void closeInventory(GameState& gs);
// Target clicked with the held item: the target's result replaces both.
void combineItems(GameState& gs, SceneObject* target, SceneObject* held);
