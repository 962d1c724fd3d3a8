// SPDX-License-Identifier: MIT
// command.h - the click dispatch: verbs on the clicked object, exits, speech cursor.
#pragma once
#include <cstdint>

struct GameState;
struct Graphic;

void dispatchClicks(GameState& gs);  // once per frame, after pollInput and followMouse
// The inventory button's flash: play its strip once unless it is already playing.
void flashButton(Graphic* button);
// Column of the exit cursor's sheet with the arrow of an exit direction; -1 when none.
int32_t exitArrowColumn(int32_t direction);
