// SPDX-License-Identifier: MIT
// script.h - the idioms every scene and object script is written with.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/game_state.h"

struct Graphic;
struct Edition;

void restartClock(GameState& gs);
// A timed step at second n: fires once, in the frame in which the clock reaches n.
bool atSecond(const GameState& gs, int32_t n);
// Current scene := name, then rebuild with the hero kept in place.
void goToScene(GameState& gs, const std::string& name);
// How every sequence ends or is skipped: Escape cleared, speech cleared, next scene.
void endSequence(GameState& gs, const std::string& next);
// The play-a-column command: strip srcX from its first frame.
void playColumn(Graphic* g, int32_t srcX, int32_t stripEnd, int32_t delay, int32_t animMode);
bool stopped(const Graphic* g);  // a play-once strip has ended (delayCurrent 0)
// cursorMode is 1 and the held item is named item.
bool usedWith(const GameState& gs, const std::string& item);
uint8_t& flag(GameState& gs, StoryFlag f);
void setObjectActive(GameState& gs, const std::string& name, bool active);

// Where the hero appears when he comes through an exit.
struct ArrivalRow {
    const char* scene = nullptr;       // scene entered
    const char* viaExit = nullptr;     // lastExit that selects the row
    bool place = false;                // true: (x, y) is a foot point for placePlayer; false: sprite top-left
    int32_t x = 0, y = 0;              // where he appears (see place)
    int32_t targetX = 0, targetY = 0;  // walk target; kNoTarget = none
};
// Applies the first row of the current scene whose exit matches lastExit.
void placeOnArrival(GameState& gs);

// A row with this exit applies on every entry of its scene, before the matching row.
constexpr const char* kAnyExit = "";
extern const ArrivalRow kArrivalTable[];  // every arrival of the town, scene by scene
extern const size_t kArrivalTableSize;

// Literal script lines of the edition, converted to Latin-1 at start-up.
void loadScriptLines(const Edition& ed);
const std::string& scriptLine(const std::string& id);  // "" for an unknown id
uint32_t paletteColour(const GameState& gs, int colour);  // TextColour -> pixel value
