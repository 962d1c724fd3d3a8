// markers.h - while Tab is held, a small marker on everything the player can act
// on and the arrow of every exit, drawn over the scene. Nothing in the display
// list changes, so the hit test sees exactly what it sees without them.
#pragma once
#include "platform/platform.h"
#include <cstdint>
#include <string>
#include <vector>

#include "frame/game_state.h"

struct RenderTarget;

struct HotSpotMarker {
    std::string object;         // the object marked
    int32_t x = 0, y = 0;       // centre of its hot area on screen
    int32_t exitDirection = -1;  // arrow of an exit (0..7); -1 = the plain marker
};

// The markers of the scene on screen: one per visible active object and exit,
// none outside interactive play.
std::vector<HotSpotMarker> hotSpotMarkers(const GameState& gs);
// Draws them over the scene, then the cursor again on top; returns how many.
int drawHotSpotMarkers(GameState& gs, RenderTarget& target);
