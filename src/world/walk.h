// SPDX-License-Identifier: MIT
// walk.h - the hero: his sprite, his walk target and the walk map.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "frame/game_state.h"

struct DisplayList;
struct Graphic;
struct SpeechQueue;
struct InputState;
struct SceneRegistry;
struct RenderTarget;

constexpr int32_t kNoTarget = -666;  // targetX of a hero who has arrived
constexpr const char* kHeroSheetFile = "gfx/char/player/walk.png";  // eight walk strips

// Walk sheet columns, one per direction of the target.
enum WalkColumn {
    kWalkDown = 0,
    kWalkDownLeft = 160,
    kWalkLeft = 320,
    kWalkUpLeft = 480,
    kWalkUp = 640,
    kWalkUpRight = 800,
    kWalkRight = 960,
    kWalkDownRight = 1120,
};

struct PlayerState {
    GraphicStore* graphics = nullptr;               // for the walk map look-up
    DisplayList* sprites = nullptr;                 // where the "Player" sprite lives
    SpeechQueue* speech = nullptr;                  // the speech queue
    InputState* input = nullptr;                    // for walking to the pointer
    SceneRegistry* scenes = nullptr;                // for the current scene's walk map
    RenderTarget* renderTarget = nullptr;           // wired at start-up, not used by the walk
    int32_t footX = 0, footY = 0;                   // last known foot point (sprite top-left + (80, 120))
    int32_t targetX = kNoTarget, targetY = kNoTarget;  // walk target foot point; targetX -666 = arrived
    std::string lastExit;                           // exit object last walked through; "" = none
    std::map<std::string, SceneObject*> inventory;  // carried items by name
};

void createPlayerSprite(PlayerState& p);  // top-left at the stored foot point
void placePlayer(PlayerState& p, int32_t footX, int32_t footY);
// Where the hero's sprite stands now; the stored foot point when he has none.
void heroFootPoint(const PlayerState& p, int32_t& footX, int32_t& footY);
void walkToMouse(PlayerState& p);
void walkPlayer(PlayerState& p);  // one step of one or two pixels
bool isWalkable(const PlayerState& p, int32_t x, int32_t y);
bool heroIdle(const PlayerState& p);  // targetX is -666

Graphic* heroSprite(const DisplayList& list);  // the "Player" sprite; null when absent
// The hero's sprite top-left, kept in the state across a rebuild of the list.
void saveHeroPlace(GameState& gs);
void restoreHeroPlace(GameState& gs);
