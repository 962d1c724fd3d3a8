// SPDX-License-Identifier: MIT
// script.cpp - the idioms every scene and object script is written with: the
// script clock, scene changes, animation columns, flags, the hero's arrival
// through an exit, and the literal lines of the edition.
#include "game/script.h"

#include <cstring>
#include <map>

#include "frame/clock.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "gfx/text.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

// The clock restarts at second 0 and counts as ticked, so a step at second 0
// fires in the frame of the restart.
void restartClock(GameState& gs) {
    gs.clockStartTicks = ticksNow();
    gs.clockTicked = 1;
    gs.clockSeconds = 0;
    gs.speechQueue->secondsShown = 0;
}

// clockTicked is true in one frame only, so a step guarded by it fires once
// however many frames the second lasts.
bool atSecond(const GameState& gs, int32_t n) {
    return gs.clockTicked && gs.clockSeconds == n;
}

void goToScene(GameState& gs, const std::string& name) {
    gs.scenes->currentScene = name;
    changeSceneKeepingPlayer(gs);
}

// The skip key is cleared first: a sequence skipped with Escape must not skip
// the scene it hands over to.
void endSequence(GameState& gs, const std::string& next) {
    gs.escapePressed = 0;
    clearSpeech(*gs.speechQueue);
    goToScene(gs, next);
}

void playColumn(Graphic* g, int32_t srcX, int32_t stripEnd, int32_t delay, int32_t animMode) {
    if (!g) return;
    g->srcX = srcX;
    g->srcY = 0;
    g->stripEnd = stripEnd;
    g->delayCurrent = delay;
    g->animMode = animMode;
}

// A missing sprite has not "stopped": scripts that wait for a strip must not
// act on a sprite the scene does not show.
bool stopped(const Graphic* g) {
    return g && g->delayCurrent == 0;
}

bool usedWith(const GameState& gs, const std::string& item) {
    return gs.cursorMode == kModeUseItem && gs.heldItem && gs.heldItem->name == item;
}

uint8_t& flag(GameState& gs, StoryFlag f) {
    return gs.storyFlags[f];
}

void setObjectActive(GameState& gs, const std::string& name, bool active) {
    if (SceneObject* obj = findObject(*gs.objects, name)) obj->active = active;
}

// ---- Arrivals ----
// Where the hero stands when he comes into a scene through an exit, and where
// he walks to so that he steps clear of the way he came in. "place" rows give
// his foot point, the others the top-left of his 160x120 sprite.
//   scene                  arriving through             place  x    y    walk target
const ArrivalRow kArrivalTable[] = {
    {"ScheuneHinten",       "MenuExit2",                 true,  500, 535, kNoTarget, kNoTarget},
    {"ScheuneHinten",       "ScheuneVorneExit2",         false, 540, 340, 520, 480},
    {"ScheuneVorne",        "ScheuneInnenExit",          false, 300, 420, 380, 544},
    {"ScheuneVorne",        "ScheuneFernExit",           false, 280, 460, 360, 574},
    {"ScheuneVorne",        "ScheuneHintenExit",         false, 160, 340, 240, 480},
    {"ScheuneFern",         "ScheuneVorneExit3",         false, 230, 300, 300, 434},
    {"ScheuneFern",         "FarmhausExit",              false,  20, 470, 120, 544},
    {"ScheuneInnen",        kAnyExit,                    false, 392, 400, kNoTarget, kNoTarget},
    {"ScheuneInnen",        "ScheuneVorneExit",          false, 320, 460, 400, 574},
    {"Farmhaus",            "ScheuneFernExit2",          false, 620, 300, 460, 440},
    {"Farmhaus",            "FarmhausHintenExit",        false,  10, 300,  90, 440},
    {"Farmhaus",            "KreuzungExit",              false,  10, 320,  96, 440},
    {"FarmhausHinten",      "FarmhausExit3",             false, 540, 340, 600, 520},
    {"Kreuzung",            "FarmhausExit2",             false, 620, 260, 580, 380},
    {"Kreuzung",            "FitnessStudioAussenExit",   true,  585, 586, 570, 560},
    {"Kreuzung",            "HausAlteDameExit",          true,  203, 316, 212, 332},
    {"Kreuzung",            "SchuleExit",                true,   40, 332,  60, 340},
    {"FitnessStudioAussen", "KreuzungExit3",             true,   84, 392, 116, 410},
    {"FitnessStudioAussen", "FitnessStudioInnenExit",    true,  263, 387, 270, 412},
    {"FitnessStudioInnen",  "FitnessStudioAussenExit2",  true,  400, 570, 400, 550},
    {"FitnessStudioInnen",  "TrainingsraumExit",         true,  656, 490, 656, 512},
    {"FitnessStudioInnen",  "ToiletteExit",              true,  152, 486, 172, 492},
    {"Trainingsraum",       "FitnessStudioInnenExit2",   true,   90, 480, 110, 490},
    {"Toilette",            "FitnessStudioInnenExit3",   true,  680, 472, 640, 480},
    {"HausAlteDame",        "KreuzungExit4",             true,  230, 596, 230, 586},
    {"Schule",              "KreuzungExit2",             true,  792, 492, 760, 500},
    {"Schule",              "SchulpartyExit",            true,  490, 420, 490, 450},
    {"Schulparty",          "SchuleExit2",               true,   96, 458, 112, 472},
};
const size_t kArrivalTableSize = sizeof(kArrivalTable) / sizeof(kArrivalTable[0]);

static void applyArrival(PlayerState& player, Graphic& hero, const ArrivalRow& row) {
    if (row.place) {
        placePlayer(player, row.x, row.y);
    } else {
        hero.x = row.x;
        hero.y = row.y;
    }
    if (row.targetX != kNoTarget) {
        player.targetX = row.targetX;
        player.targetY = row.targetY;
    }
}

// Rows for any exit come first, so a scene can have a default spot that the row
// of the exit actually taken then corrects.
void placeOnArrival(GameState& gs) {
    Graphic* hero = heroSprite(*gs.displayList);
    if (!hero) return;
    const std::string& scene = gs.scenes->currentScene;
    const std::string& via = gs.player->lastExit;
    for (size_t i = 0; i < kArrivalTableSize; ++i) {
        const ArrivalRow& row = kArrivalTable[i];
        if (scene != row.scene) continue;
        if (std::strcmp(row.viaExit, kAnyExit) == 0) {
            applyArrival(*gs.player, *hero, row);
        } else if (via == row.viaExit) {
            applyArrival(*gs.player, *hero, row);
            return;
        }
    }
}

// ---- Literal script lines ----
// Converted once at start-up, so the scripts hand the fonts Latin-1 bytes
// without converting anything per frame.
static std::map<std::string, std::string>& scriptLines() {
    static std::map<std::string, std::string> lines;
    return lines;
}

void loadScriptLines(const Edition& ed) {
    std::map<std::string, std::string>& lines = scriptLines();
    lines.clear();
    for (size_t i = 0; i < ed.scriptLineCount; ++i)
        lines.emplace(ed.scriptLines[i].id, latin1(ed.scriptLines[i].text));
}

const std::string& scriptLine(const std::string& id) {
    static const std::string none;
    const std::map<std::string, std::string>& lines = scriptLines();
    auto it = lines.find(id);
    return it == lines.end() ? none : it->second;
}

uint32_t paletteColour(const GameState& gs, int colour) {
    const TextRenderer& r = *gs.textRenderer;
    switch (colour) {
        case kBlack: return r.black;
        case kYellow: return r.yellow;
        case kRed: return r.red;
        case kLightRed: return r.lightRed;
        case kDarkBlue: return r.darkBlue;
        case kDarkGreen: return r.darkGreen;
        case kLightGreen: return r.lightGreen;
        case kWhite:
        default: return r.white;
    }
}
