// SPDX-License-Identifier: MIT
// scripts_school.cpp - the school with the ticket kid at the barrier and the bread
// in the bin, and the party inside where three kids hold a burp contest.
#include <cstdlib>

#include "game/scripts_common.h"
#include "gfx/speech.h"
#include "world/dialogue.h"

namespace {

// The ticket kid's sheet: bored, looking around, waving through, letting in.
constexpr int32_t kKidBored = 200;
constexpr int32_t kKidBoredEnd = 1100;
constexpr int32_t kKidBoredDelay = 15;
constexpr int32_t kKidLooking = 400;
constexpr int32_t kKidLookingEnd = 825;
constexpr int32_t kKidLookingDelay = 18;
constexpr int32_t kKidWaving = 0;
constexpr int32_t kKidWavingEnd = 1925;
constexpr int32_t kKidWavingDelay = 15;
constexpr int32_t kKidLettingIn = 800;
constexpr int32_t kKidLettingInEnd = 1375;
constexpr int32_t kKidLettingInDelay = 15;
constexpr int kKidPickChance = 4;  // rand() % 4 == 2 on a tick picks a new idle
constexpr int kKidPickHit = 2;
constexpr int kKidVariants = 4;
constexpr int kKidIdleBored = 1;
constexpr int kKidIdleLooking = 2;
constexpr int kKidIdleWaving = 3;
constexpr int32_t kIdleFrom = 2;

// The barrier strip: open on its first frame, closed on the second; opening plays
// the rest of the strip and comes to rest open again.
constexpr int32_t kBarrierOpen = 0;
constexpr int32_t kBarrierClosed = 148;

// The party kids' gestures, one row per idleVariant (0 leaves them as they are).
// A pose only turns to another column; kid 1 keeps the play-once mode it got on
// entry, so its gestures set column and timing but not the mode.
enum GestureKind { kNoGesture, kPose, kKeepMode, kFullPlay };
struct Gesture {
    GestureKind kind;
    ColumnPlay column;  // stripEnd 0 in a pose keeps the strip
};
constexpr ColumnPlay kKid1Drink = {288, 246, 20, kPlayOnce};
constexpr Gesture kKid1Gestures[] = {
    {kNoGesture, {}},
    {kPose, {192, 0, 0, 0}},             // shrugging
    {kKeepMode, kKid1Drink},
    {kKeepMode, {384, 246, 20, 0}},      // laughing
    {kKeepMode, {96, 246, 20, 0}},       // pointing
    {kKeepMode, {0, 615, 15, 0}},        // the long idle
};
// Kid 2, the burp master.
constexpr ColumnPlay kKid2Drink = {276, 250, 20, kPlayOnce};
constexpr ColumnPlay kKid2Talk = {207, 250, 20, kPlayOnce};
constexpr ColumnPlay kKid2Burp = {0, 1125, 20, kPlayOnce};
constexpr Gesture kKid2Gestures[] = {
    {kNoGesture, {}},
    {kFullPlay, kKid2Drink},
    {kFullPlay, {69, 500, 20, kPlayOnce}},   // flexing
    {kFullPlay, {138, 250, 20, kPlayOnce}},  // grinning
    {kFullPlay, {345, 250, 20, kPlayOnce}},  // taunting
    {kPose, {0, 1125, 0, 0}},                // the burp column, standing still
};
constexpr int kPartyPickChance = 4;
constexpr int kPartyPickHit = 2;
constexpr int kPartyVariants = 6;
constexpr int kKid3RestartsAbove = 2;
// The knocked-out kids with the cape still lying there, and without it.
constexpr int32_t kKnockedOutWithCape = 0;
constexpr int32_t kKnockedOutNoCape = 226;

constexpr const char* kPartyKids[] = {"Burbkid1", "Burbkid2", "Burbkid3"};

void kidIdle(GameState& gs, Graphic* kid) {
    if (gs.clockTicked && gs.clockSeconds > kIdleFrom && std::rand() % kKidPickChance == kKidPickHit)
        gs.idleVariant = std::rand() % kKidVariants;
    if (!kid || !stopped(kid)) return;
    if (gs.idleVariant == kKidIdleBored) {
        kid->srcX = kKidBored;
        kid->stripEnd = kKidBoredEnd;
    }
    if (gs.idleVariant == kKidIdleLooking) {
        kid->srcX = kKidLooking;
        kid->stripEnd = kKidLookingEnd;
        kid->delayCurrent = kKidLookingDelay;
    }
    if (gs.idleVariant == kKidIdleWaving) {
        kid->srcX = kKidWaving;
        kid->stripEnd = kKidWavingEnd;
        kid->delayCurrent = kKidWavingDelay;
    }
}

void knockOutKids(GameState& gs) {
    for (const char* kid : kPartyKids) setObjectActive(gs, kid, false);
    setObjectActive(gs, "BurbkidsKO", true);
    setObjectActive(gs, "Umhang", true);
}

void hideTakenCheese(GameState& gs) {
    // On the inventory screen "Käse" names the icon, which must stay.
    if (flag(gs, cheeseTaken) && !gs.inventoryOpen) hide(sprite(gs, kCheese));
}

void gesture(Graphic* kid, const Gesture* table, int variant) {
    if (!kid || !stopped(kid) || variant < 0 || variant >= kPartyVariants) return;
    const Gesture& g = table[variant];
    switch (g.kind) {
        case kNoGesture:
            break;
        case kPose:
            kid->srcX = g.column.srcX;
            if (g.column.stripEnd) kid->stripEnd = g.column.stripEnd;
            break;
        case kKeepMode:
            kid->srcX = g.column.srcX;
            kid->srcY = 0;
            kid->stripEnd = g.column.stripEnd;
            kid->delayCurrent = g.column.delay;
            break;
        case kFullPlay:
            play(kid, g.column);
            break;
    }
}

void kid3Idle(Graphic* kid, int variant) {
    if (!kid || !stopped(kid) || variant <= kKid3RestartsAbove) return;
    kid->srcY = 0;
    kid->delayCurrent = kid->frameDelay;
    kid->animMode = kPlayOnce;
}

void partyIdle(GameState& gs) {
    if (gs.clockTicked && gs.clockSeconds > kIdleFrom && std::rand() % kPartyPickChance == kPartyPickHit)
        gs.idleVariant = std::rand() % kPartyVariants;
    gesture(sprite(gs, "Burbkid1"), kKid1Gestures, gs.idleVariant);
    gesture(sprite(gs, "Burbkid2"), kKid2Gestures, gs.idleVariant);
    kid3Idle(sprite(gs, "Burbkid3"), gs.idleVariant);
}

// The burp master talks while he speaks, and burps along with his burp line.
void burpMasterTalks(GameState& gs) {
    Graphic* master = sprite(gs, "Burbkid2");
    if (!master) return;
    if (gs.partnerSpeaking && stopped(master)) play(master, kKid2Talk);
    // The burp plays through: restarting it every frame would pin it to its
    // first frame, so it starts again only once it has played.
    if (gs.chosenTopic == "Burb" && gs.partnerLine == scriptLine("BurpLine") &&
        (stopped(master) || master->srcX != kKid2Burp.srcX || master->stripEnd != kKid2Burp.stripEnd))
        play(master, kKid2Burp);
}

}  // namespace

void enterSchule(GameState& gs) {
    placeOnArrival(gs);
    if (Graphic* kid = sprite(gs, "TicketstandKid")) {
        kid->srcX = kKidBored;
        kid->stripEnd = kKidBoredEnd;
        kid->delayCurrent = kKidBoredDelay;
    }
    // Combined into the sandwich the bread left the inventory; the bin stays empty.
    if (flag(gs, breadTaken)) hide(sprite(gs, "Brot"));
    if (Graphic* barrier = sprite(gs, "TicketstandSchranke")) {
        if (flag(gs, barrierOpen)) {
            barrier->srcY = kBarrierOpen;
        } else {
            barrier->srcY = kBarrierClosed;
            barrier->animMode = kStill;
        }
    }
}

void alwaysSchule(GameState& gs) {
    if (gs.clockTicked && flag(gs, barrierOpen)) {
        if (SceneObject* gate = object(gs, "SchuleExit2")) gate->exitTarget = "Schulparty";
        if (SceneObject* barrier = object(gs, "TicketstandSchranke"))
            barrier->lookKey = "LOOK_TicketstandSchrankeOffen";
    }
    kidIdle(gs, sprite(gs, "TicketstandKid"));
}

void useTicketstandKid(GameState& gs) {
    if (!usedWith(gs, "Ticket")) {
        if (!flag(gs, barrierOpen)) refuseUse(gs, "TicketstandKid");
        return;
    }
    if (flag(gs, barrierOpen)) {
        sayKeyColoured(gs, "OpenSchranke4", kDarkBlue);
        sayKeyColoured(gs, "OpenSchranke5", kWhite);
        return;
    }
    flag(gs, barrierOpen) = 1;
    if (Graphic* barrier = sprite(gs, "TicketstandSchranke")) {
        barrier->srcY = kBarrierClosed;
        barrier->animMode = kPlayOnce;
    }
    restartClock(gs);
    sayKeyColoured(gs, "OpenSchranke1", kDarkBlue);
    sayKeyColoured(gs, "OpenSchranke2", kWhite);
    sayKeyColoured(gs, "OpenSchranke3", kDarkBlue);
    if (Graphic* kid = sprite(gs, "TicketstandKid"))
        playColumn(kid, kKidLettingIn, kKidLettingInEnd, kKidLettingInDelay, kid->animMode);
}

void enterSchulparty(GameState& gs) {
    placeOnArrival(gs);
    if (flag(gs, burpContestWon)) {
        knockOutKids(gs);
        return;
    }
    play(sprite(gs, "Burbkid1"), kKid1Drink);
    hideTakenCheese(gs);
    play(sprite(gs, "Burbkid2"), kKid2Drink);
    if (Graphic* kid3 = sprite(gs, "Burbkid3")) {
        kid3->srcY = 0;
        kid3->animMode = kPlayOnce;
    }
}

void alwaysSchulparty(GameState& gs) {
    if (Graphic* knockedOut = sprite(gs, "BurbkidsKO"))
        knockedOut->srcX = sprite(gs, "Umhang") ? kKnockedOutWithCape : kKnockedOutNoCape;
    hideTakenCheese(gs);
    if (flag(gs, burpContestWon)) {
        hide(sprite(gs, "Knoblauch"));
        hide(sprite(gs, "Bowle"));
        return;
    }
    partyIdle(gs);
    burpMasterTalks(gs);
}

// Garlic wins the contest, but only washed down with the punch.
void useKnoblauch(GameState& gs) {
    if (usedWith(gs, "Knoblauch")) {
        if (!carries(gs, "Bowle")) {
            sayKey(gs, "TrinkenBurbContest");
            return;
        }
        flag(gs, burpContestWon) = 1;
        knockOutKids(gs);
        takeItem(gs, "Knoblauch");
        takeItem(gs, "Bowle");
        goToScene(gs, "BurbSequenz");
    } else if (!flag(gs, burpContestWon)) {
        refuseUse(gs, "Burbkid2");
    }
}

void takeBrot(GameState& gs) { flag(gs, breadTaken) = 1; }

void takeCheese(GameState& gs) { flag(gs, cheeseTaken) = 1; }
