// SPDX-License-Identifier: MIT
// scripts_sequences.cpp - the short cut-scenes after a puzzle is solved, and the
// end of the game. Each plays by itself and can be skipped with Escape; their
// Enter script is the plain clock restart except for the end.
#include "game/scripts_common.h"

namespace {

constexpr int32_t kFatmanEatingEnd = 5;
constexpr int32_t kToiletSoundFrom = 2;  // the janitor's cry stands from second 3 on
constexpr int32_t kToiletLastFrame = 17577;
constexpr int32_t kBurgerLastFrame = 14768;
constexpr int32_t kBurpLastFrame = 27832;
constexpr int32_t kEndTextSeconds = 20;
constexpr int32_t kEndSequenceEnd = 40;

// A one-shot film: when it has played, rest on its last frame and move on. A film
// whose sprite is missing counts as played, so the game cannot hang here.
void endWhenPlayed(GameState& gs, const char* film, int32_t lastFrame, const char* next) {
    Graphic* g = sprite(gs, film);
    if (g && !stopped(g) && !gs.escapePressed) return;
    if (g) g->srcY = lastFrame;
    endSequence(gs, next);
}

}  // namespace

void alwaysFatmanEatingSequenz(GameState& gs) {
    if ((gs.clockTicked && gs.clockSeconds > kFatmanEatingEnd) || gs.escapePressed) {
        // The change clears the queue; his second line, still up, is said again
        // in the training room so that it stays there for its full time.
        const bool stillTalking = speechQueued(*gs.speechQueue);
        endSequence(gs, "Trainingsraum");
        if (stillTalking) sayKeyColoured(gs, "GiveLollyFatman2", kDarkGreen);
    }
}

void alwaysToiletteVerstopftSequenz(GameState& gs) {
    if (gs.clockSeconds > kToiletSoundFrom) sayKey(gs, "ToiletteSequenz");
    endWhenPlayed(gs, "ToiletteSequenz", kToiletLastFrame, "Toilette");
}

void alwaysStudiogirlBurgerSequenz(GameState& gs) {
    endWhenPlayed(gs, "MausBurgerSequenz", kBurgerLastFrame, "FitnessStudioInnen");
}

void alwaysBurbSequenz(GameState& gs) {
    endWhenPlayed(gs, "BurbSequenzAni", kBurpLastFrame, "Schulparty");
}

void enterBenutzeLaufbandSequenz(GameState& gs) {
    restartClock(gs);
    sayLine(gs, scriptLine("EndEpilogue"), kDarkGreen, kEndTextSeconds);
    sayLine(gs, scriptLine("EndClosing"), kYellow, kEndTextSeconds);
}

void alwaysBenutzeLaufbandSequenz(GameState& gs) {
    if (gs.clockSeconds > kEndSequenceEnd || gs.escapePressed) endSequence(gs, "Credits");
}
