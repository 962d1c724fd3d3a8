// SPDX-License-Identifier: MIT
// reply.cpp - saying the stored texts of the text table.
#include "world/reply.h"

#include "frame/game_state.h"
#include "gfx/graphic.h"  // findGraphic
#include "gfx/speech.h"

namespace {

// The stored line under key, or null when the content never defined it.
const SpeechLine* storedLine(const GameState& gs, const std::string& key) {
    if (!gs.textTable || !gs.speechQueue) return nullptr;
    return findGraphic(*gs.textTable, key);
}

}  // namespace

void sayKey(GameState& gs, const std::string& key) {
    const SpeechLine* line = storedLine(gs, key);
    if (!line) return;  // an unknown key says nothing rather than an empty line
    say(*gs.speechQueue, line->text, line->colour, line->seconds);
}

void sayKeyIn(GameState& gs, const std::string& key, uint32_t colour) {
    const SpeechLine* line = storedLine(gs, key);
    if (!line) return;
    say(*gs.speechQueue, line->text, colour, line->seconds);
}
