// SPDX-License-Identifier: MIT
// scene.h - one screen of the game and the switching between screens.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "frame/game_state.h"

struct SceneObject;

struct Scene {
    std::string name;                   // key in the scene registry
    std::string backgroundName;         // image template of the background (may be animated)
    std::string walkMapName;            // image template of the walk map
    std::string enterCallback;          // run on entry ("Enter" + name)
    std::string alwaysCallback;         // run every frame ("Always" + name)
    std::vector<SceneObject*> objects;  // in draw order
    int32_t showInterface = 1;          // 1 = inventory button and verb cursor
    int32_t hasPlayer = 1;              // 1 = the hero's sprite is created on entry
    std::vector<std::string> successors;  // scenes its scripts lead to (besides its exits)
};

struct SceneRegistry {
    SceneRegistry() = default;
    SceneRegistry(const SceneRegistry&) = delete;  // owns its scenes
    SceneRegistry& operator=(const SceneRegistry&) = delete;

    GraphicStore* graphics = nullptr;      // backgrounds and walk maps
    std::string currentScene;              // the scene on screen
    std::map<std::string, Scene*> scenes;  // every scene by name, owned
    std::string enteredScene;              // the scene last built; put back when a change names no scene
};

Scene* newScene(const std::string& name, const std::string& backgroundName,
                const std::string& walkMapName);  // interface and hero on
void registerScene(SceneRegistry& reg, const std::string& name, Scene* scene);  // first wins
Scene* findScene(const SceneRegistry& reg, const std::string& name);
void addObjectToScene(Scene* scene, SceneObject* obj);

// Builds the current scene's display list and runs its Enter script. An
// unregistered name is refused: the old scene name is put back and reported.
void enterScene(GameState& gs);
// Enters the current scene with the hero kept at his screen position.
void changeSceneKeepingPlayer(GameState& gs);
// The pictures to read ahead from scene from, nearest first: its own, then
// the hero and every picture no scene names (interface, icons), then the scenes its
// exits and scripts lead to, breadth first. Walk maps are wished as floors.
std::vector<PictureWish> picturesAheadOf(const SceneRegistry& reg, const GraphicStore& store,
                                         const std::string& from);
// Adds the sprite of every active object not in the inventory (scene entry and dialogue).
void addSceneObjectSprites(GameState& gs, const Scene& scene);

// Play the player can act in: a scene with interface and hero, no conversation,
// no quit question, the inventory closed and the cursor his.
bool inInteractivePlay(const GameState& gs);
