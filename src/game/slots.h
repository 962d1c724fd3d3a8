// SPDX-License-Identifier: MIT
// slots.h - the saved-games screen: the ten slots with their pictures, where
// the player saves, loads and deletes with the mouse; and the menu's Continue.
#pragma once

struct Engine;
struct GameState;

constexpr const char* kSavedGamesScene = "SavedGames";  // the screen's scene name

// The screen's scene, pictures and scripts ("SavedGames" opens it with F6).
void registerSavedGamesScreen(Engine& e);
// The menu's Continue and saved-games buttons, shown only when a save exists;
// call before the menu's sprites fade in.
void addMenuSaveButtons(GameState& gs);
// A click on one of them: true when it was acted on.
bool menuSaveButtonClicked(GameState& gs);
// On the screen opened from play: saves the moment F6 kept into a slot (the
// autosave when the window closes there); false anywhere else.
bool saveKeptMoment(GameState& gs, int slot);
