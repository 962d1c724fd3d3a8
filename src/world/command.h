// command.h - the click dispatch: verbs on the clicked object, exits, speech cursor.
#pragma once

struct GameState;
struct Graphic;

void dispatchClicks(GameState& gs);  // once per frame, after pollInput and followMouse
// The inventory button's flash: play its strip once unless it is already playing.
void flashButton(Graphic* button);
