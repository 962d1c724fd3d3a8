// walk.h - the hero: his sprite, his walk target and the walk map.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "frame/game_state.h"

struct DisplayList;
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
    GraphicStore* graphics;      // for the walk map look-up
    DisplayList* sprites;        // where the "Player" sprite lives
    SpeechQueue* speech;         // the speech queue
    InputState* input;           // for walking to the pointer
    SceneRegistry* scenes;       // for the current scene's walk map
    RenderTarget* renderTarget;  // wired at start-up, not used by the walk
    int32_t footX, footY;        // last known foot point (sprite top-left + (80, 120))
    int32_t targetX, targetY;    // walk target foot point; targetX -666 = arrived
    std::string lastExit;        // exit object last walked through; "" = none
    std::map<std::string, SceneObject*> inventory;  // carried items by name
};

void createPlayerSprite(PlayerState& p);  // top-left at the stored foot point
void placePlayer(PlayerState& p, int32_t footX, int32_t footY);
void walkToMouse(PlayerState& p);
void walkPlayer(PlayerState& p);  // one step of one or two pixels
bool isWalkable(const PlayerState& p, int32_t x, int32_t y);
bool heroIdle(const PlayerState& p);  // targetX is -666
