// SPDX-License-Identifier: MIT
// scripts_gym.cpp - the fitness studio: the hungry girl at the counter with the
// lipstick, the fat man stuck on the treadmill, and the toilet with its janitor.
#include <cstdlib>

#include "game/scripts_common.h"
#include "gfx/cursor.h"

namespace {

// The studio girl's sheet: idling, filing her nails, complaining, yawning.
constexpr ColumnPlay kGirlIdle = {0, 423, 15, kPlayOnce};
constexpr int32_t kGirlNails = 124;  // a still pose
constexpr ColumnPlay kGirlComplain = {248, 423, 15, kPlayOnce};
constexpr int32_t kGirlYawn = 372;
constexpr int32_t kGirlYawnEnd = 282;
constexpr int32_t kGirlYawnDelay = 20;
constexpr int kGirlPickChance = 4;  // rand() % 4 == 2 on a tick picks a new idle
constexpr int kGirlPickHit = 2;
constexpr int kGirlVariants = 4;
constexpr int kGirlYawns = 1;
constexpr int kGirlFilesNails = 2;
constexpr int kGirlIdles = 3;

// The fat man running on the treadmill, and sitting with his lolly.
constexpr ColumnPlay kFatmanRunning = {0, 2384, 10, kLoop};
constexpr ColumnPlay kFatmanLicking = {0, 1568, 10, kLoop};

// The toilet's sheet: the janitor plunging the jammed bowl, then the bowl alone
// while he still stands in the room; the toolbox with and without the wrench.
constexpr int32_t kToiletAlone = 131;
constexpr int32_t kToolboxWithWrench = 172;
constexpr int32_t kToolboxEmpty = 86;

void studioGirlIdle(GameState& gs, Graphic* girl) {
    if (gs.clockTicked && std::rand() % kGirlPickChance == kGirlPickHit)
        gs.idleVariant = std::rand() % kGirlVariants;
    if (!stopped(girl)) return;
    if (gs.idleVariant == kGirlYawns) {
        girl->srcX = kGirlYawn;
        girl->srcY = 0;
        girl->stripEnd = kGirlYawnEnd;
        girl->delayCurrent = kGirlYawnDelay;
    }
    if (gs.idleVariant == kGirlFilesNails) {
        girl->srcX = kGirlNails;
        girl->srcY = 0;
    }
    if (gs.idleVariant == kGirlIdles) play(girl, kGirlIdle);
}

}  // namespace

void enterFitnessStudioAussen(GameState& gs) { placeOnArrival(gs); }

void alwaysFitnessStudioAussen(GameState&) {}

// Fed, the girl has gone home and left her lipstick on the counter.
void enterFitnessStudioInnen(GameState& gs) {
    placeOnArrival(gs);
    if (flag(gs, studiogirlFed)) {
        if (SceneObject* lipstick = object(gs, "Lippenstift")) lipstick->takeable = true;
        hide(sprite(gs, "Studiogirl"));
    } else {
        play(sprite(gs, "Studiogirl"), kGirlComplain);
    }
}

void alwaysFitnessStudioInnen(GameState& gs) {
    SceneObject* girlObject = object(gs, "Studiogirl");
    Graphic* girl = sprite(gs, "Studiogirl");
    if (!girlObject || !girl) return;
    studioGirlIdle(gs, girl);
    if (gs.cursorMode == kModeTalk && gs.clickedObject == girlObject) play(girl, kGirlComplain);
}

// The plain bread only earns a complaint; the sandwich with the mouse in it wins her.
void useStudiogirl(GameState& gs) {
    if (usedWith(gs, "Brot")) sayKey(gs, "StudioGirlKeinBelag");
    if (usedWith(gs, "MausSandwich")) {
        flag(gs, studiogirlFed) = 1;
        takeItem(gs, "MausSandwich");
        goToScene(gs, "StudiogirlBurgerSequenz");
        return;
    }
    if (!flag(gs, studiogirlFed)) refuseUse(gs, "Studiogirl");
}

void enterTrainingsraum(GameState& gs) {
    placeOnArrival(gs);
    if (flag(gs, fatmanSitting)) {
        setObjectActive(gs, "Fatman", false);
        setObjectActive(gs, "FatmanLutschend", true);
    }
    play(sprite(gs, "Fatman"), kFatmanRunning);
    play(sprite(gs, "FatmanLutschend"), kFatmanLicking);
}

void alwaysTrainingsraum(GameState& gs) {
    if (flag(gs, beltTaken)) hide(sprite(gs, "TrainingsraumLaufband"));
}

// Something sweet gets the fat man off the treadmill.
void useFatman(GameState& gs) {
    if (!usedWith(gs, kLolly) || flag(gs, fatmanGotLolly)) {
        refuseUse(gs, "Fatman");
        return;
    }
    flag(gs, fatmanGotLolly) = 1;
    flag(gs, ladyCalled) = 0;
    setObjectActive(gs, "Fatman", false);
    setObjectActive(gs, "FatmanLutschend", true);
    flag(gs, fatmanSitting) = 1;
    takeItem(gs, kLolly);
    if (SceneObject* fatman = object(gs, "Fatman")) fatman->combinePartner = nullptr;
    goToScene(gs, "FatmanEatingSequenz");
    sayKeyColoured(gs, "GiveLollyFatman1", kWhite);
    sayKeyColoured(gs, "GiveLollyFatman2", kDarkGreen);
}

// The belt comes off with the wrench, but not while the fat man runs on it.
void useLaufbandStudio(GameState& gs) {
    if (flag(gs, fatmanGotLolly) && usedWith(gs, "Tool")) {
        setObjectActive(gs, "TrainingsraumLaufband", false);
        takeItem(gs, "Tool");
        giveItem(gs, "Laufband");
        flag(gs, beltTaken) = 1;
        sayKey(gs, "GotLaufband");
    } else if (flag(gs, beltTaken)) {
        // nothing left to take
    } else if (!flag(gs, fatmanGotLolly)) {
        sayKey(gs, "NotWhileFatmanWalking");
    } else {
        refuseUse(gs, "TrainingsraumLaufband");
    }
}

// While the janitor works here the mop and the toolbox are out of reach.
void enterToilette(GameState& gs) {
    placeOnArrival(gs);
    if (!flag(gs, toiletBlocked)) {
        if (Graphic* toilet = sprite(gs, "Toilette")) toilet->srcX = kToiletAlone;
        hide(sprite(gs, "Mop"));
        hide(sprite(gs, "Toolbox"));
        hide(sprite(gs, "Tool"));
        return;
    }
    if (Graphic* mop = sprite(gs, "Mop")) mop->visible = 1;
    if (Graphic* box = sprite(gs, "Toolbox")) box->srcX = kToolboxWithWrench;
    setObjectActive(gs, "Hausmeister", false);
    hide(sprite(gs, "Hausmeister"));
}

void alwaysToilette(GameState& gs) {
    if (Graphic* box = sprite(gs, "Toolbox"))
        box->srcX = sprite(gs, "Tool") ? kToolboxWithWrench : kToolboxEmpty;
}

void useToilette(GameState& gs) {
    if (usedWith(gs, "Klopapier")) {
        setObjectActive(gs, "Klopapier", false);
        takeItem(gs, "Klopapier");
        flag(gs, toiletBlocked) = 1;
        goToScene(gs, "ToiletteVerstopftSequenz");
    } else if (!flag(gs, toiletBlocked)) {
        refuseUse(gs, "Toilette");
    }
}
