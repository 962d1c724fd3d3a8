// SPDX-License-Identifier: MIT
// game_state.cpp - the callback table through which the engine reaches the scripts.
#include "frame/game_state.h"

void registerCallback(GameState& gs, const std::string& name, ScriptFn fn) {
    gs.callbacks.emplace(name, fn);  // emplace keeps an existing entry: the first wins
}

void runCallback(GameState& gs, const std::string& name) {
    auto it = gs.callbacks.find(name);
    if (it != gs.callbacks.end() && it->second) it->second(gs);
}
