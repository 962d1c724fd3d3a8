// SPDX-License-Identifier: MIT
// scripts.h - the game's scripts, reached by the engine only through their names.
#pragma once

struct GameState;

// Registers every script function under its name (Enter..., Always..., GoScript...,
// USESCRIPT_..., TAKESCRIPT_...): 65 names.
void registerScripts(GameState& gs);
