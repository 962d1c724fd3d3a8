// inventory.h - the items the hero carries, the inventory screen and combinations.
#pragma once
#include <string>

struct GameState;
struct PlayerState;
struct SceneObject;

SceneObject* inventoryGet(const PlayerState& p, const std::string& name);
void inventoryAdd(PlayerState& p, const std::string& name, SceneObject* obj);  // once per name
void inventoryRemove(PlayerState& p, const std::string& name);
bool isInInventory(const PlayerState& p, const SceneObject* obj);

void openInventory(GameState& gs);
void closeInventory(GameState& gs);
// Target clicked with the held item: the target's result replaces both.
void combineItems(GameState& gs, SceneObject* target, SceneObject* held);
