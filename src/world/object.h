// SPDX-License-Identifier: MIT
// object.h - everything the player can point at, and the registry of them by name.
#pragma once
#include <cstdint>
#include <string>

#include "frame/game_state.h"  // ObjectRegistry

struct DialoguePartner;

struct SceneObject {
    int32_t x = 0, y = 0;                        // top-left of its sprite
    std::string name;                            // registry key, sprite name and inventory name
    std::string graphicName;                     // image template shown in the scene
    std::string iconName;                        // inventory icon and item cursor; "" = cannot be held
    int32_t walkToX = 0, walkToY = 0;            // foot point the hero walks to first; 0 = none
    std::string lookKey;                         // said on Look; "" = Look does nothing
    std::string takeKey;                         // said when Take is refused
    std::string confirmTakeKey;                  // said after a successful Take
    std::string talkKey;                         // said when Talk has no dialogue
    std::string useKey;                          // said when Use has no script
    SceneObject* combinePartner = nullptr;       // the object this one combines with
    SceneObject* combineResult = nullptr;        // what the combination yields
    bool takeable = false;                       // Take moves it into the inventory
    DialoguePartner* dialoguePartner = nullptr;  // conversation opened by Talk; null = none
    std::string walkScript;                      // callback run when clicked with Walk ("GoScript...")
    std::string takeScript;                      // callback run after it was taken ("TAKESCRIPT_...")
    std::string useScript;                       // callback run on Use and use-with ("USESCRIPT_...")
    std::string exitTarget;                      // scene name; non-empty makes the object an exit
    int32_t exitDirection = 0;                   // 0..7, the arrow of the exit cursor
    bool active = true;                          // only active objects get a sprite on scene entry
};

// Defaults: no look text, the four default replies, not takeable, active, no exit.
SceneObject* newSceneObject(int32_t x, int32_t y, const std::string& name,
                            const std::string& graphicName, const std::string& iconName);
void registerObject(ObjectRegistry& reg, const std::string& name, SceneObject* obj);  // first wins
SceneObject* findObject(const ObjectRegistry& reg, const std::string& name);  // null when absent
