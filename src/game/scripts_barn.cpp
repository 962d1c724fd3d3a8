// SPDX-License-Identifier: MIT
// scripts_barn.cpp - the crash site behind the barn, the barn front with its lock
// and mouse, the scarecrow's field and the barn inside with the generator.
#include "game/scripts_common.h"
#include "gfx/cursor.h"

namespace {

constexpr int32_t kGreetingSeconds = 10;
// The generator's band sheet: the empty pulley, then the pulley with the belt on.
constexpr int32_t kBandMissing = 0;
constexpr int32_t kBandFitted = 62;

void showBand(GameState& gs) {
    if (Graphic* band = sprite(gs, "ScheuneInnenBand")) {
        band->srcY = 0;
        band->srcX = flag(gs, beltInstalled) ? kBandFitted : kBandMissing;
    }
}

// The unlocked barn gets its door; the lock goes, which takes one rebuild.
void openBarnDoor(GameState& gs) {
    if (flag(gs, barnUnlocked)) {
        if (SceneObject* door = object(gs, "ScheuneVorneExit")) {
            door->exitTarget = "ScheuneInnen";
            door->active = true;
        }
        SceneObject* lock = object(gs, "ScheuneVorneSchloss");
        if (lock && lock->active) {
            lock->active = false;
            rebuildScene(gs);
        }
    }
    if (flag(gs, mouseCaught)) hide(sprite(gs, "MausScene"));
}

void scarecrowWithoutHat(GameState& gs) {
    if (!flag(gs, hatTaken) || !sprite(gs, "Vogelscheuche")) return;
    if (SceneObject* scarecrow = object(gs, "Vogelscheuche")) {
        scarecrow->lookKey = "LOOK_VogelscheucheOhneHut";
        scarecrow->talkKey = "NOTALK_VogelscheucheOhneHut";
    }
}

}  // namespace

void enterScheuneHinten(GameState& gs) {
    placeOnArrival(gs);
    if (gs.player->lastExit == "MenuExit2")
        sayLine(gs, scriptLine("Greeting"), kWhite, kGreetingSeconds);
    // Coming from the menu the pointer was the exit arrow; play starts with walking.
    gs.cursor->cursorShown = 1;
    gs.cursorMode = kModeWalk;
    setCursor(*gs.cursor, kModeWalk);
}

void alwaysScheuneHinten(GameState& gs) {
    if (!flag(gs, chainHooked)) return;
    setObjectActive(gs, "ScheuneHintenKetteAufgehängt", true);
    SceneObject* chain = object(gs, "ScheuneHintenKette");
    if (chain && chain->active) {
        chain->active = false;
        rebuildScene(gs);
        sayKeyColoured(gs, "UseHaken1", kWhite);
    }
}

void useHaken(GameState& gs) { flag(gs, chainHooked) = 1; }

void enterScheuneVorne(GameState& gs) {
    placeOnArrival(gs);
    openBarnDoor(gs);
}

void alwaysScheuneVorne(GameState& gs) { openBarnDoor(gs); }

// The key stays with the hero; the Always script opens the door in the same frame.
void useSchloss(GameState& gs) {
    if (usedWith(gs, kKey))
        flag(gs, barnUnlocked) = 1;
    else if (!flag(gs, barnUnlocked))
        refuseUse(gs, "ScheuneVorneSchloss");
}

void useMaus(GameState& gs) {
    if (usedWith(gs, kCheese) && !flag(gs, mouseCaught)) {
        flag(gs, mouseCaught) = 1;
        giveItem(gs, "Maus");
        takeItem(gs, kCheese);
        sayKey(gs, "GotMaus");
    } else {
        refuseUse(gs, "MausScene");
    }
}

void enterScheuneFern(GameState& gs) {
    placeOnArrival(gs);
    scarecrowWithoutHat(gs);
}

void alwaysScheuneFern(GameState& gs) { scarecrowWithoutHat(gs); }

void takeHut(GameState& gs) { flag(gs, hatTaken) = 1; }

void enterScheuneInnen(GameState& gs) {
    placeOnArrival(gs);
    showBand(gs);
}

void alwaysScheuneInnen(GameState& gs) {
    if (flag(gs, beltInstalled)) showBand(gs);
}

// Fitting the belt ends the game.
void useLaufbandScheune(GameState& gs) {
    if (usedWith(gs, "Laufband")) {
        takeItem(gs, "Laufband");
        if (SceneObject* band = object(gs, "ScheuneInnenBand")) band->lookKey = "LOOK_ScheuneInnenBand";
        flag(gs, beltInstalled) = 1;
        goToScene(gs, "BenutzeLaufbandSequenz");
    } else if (!flag(gs, beltInstalled)) {
        refuseUse(gs, "ScheuneInnenBand");
    }
}
