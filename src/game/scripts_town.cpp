// SPDX-License-Identifier: MIT
// scripts_town.cpp - the crossroads where the freak in his sci-fi costume walks
// about, and the old lady's door where trick-or-treating earns a lolly.
#include <cstdlib>

#include "game/scripts_common.h"
#include "world/command.h"

namespace {

// The freak's sheet: walking, standing, talking; the same three again with a lolly.
constexpr int32_t kFreakWalk = 0;
constexpr int32_t kFreakStand = 137;
constexpr int32_t kFreakTalk = 274;
constexpr int32_t kFreakWalkFed = 548;  // walking, lolly in hand
constexpr int32_t kFreakStandFed = 685;
constexpr int32_t kFreakTalkFed = 822;
constexpr int32_t kFreakStandEnd = 520;
constexpr int32_t kFreakStandDelay = 15;
constexpr int32_t kFreakWalkEnd = 1300;
constexpr int32_t kFreakWalkDelay = 10;
constexpr int32_t kFreakTalkEnd = 260;
constexpr int32_t kFreakTalkDelay = 15;
constexpr int32_t kFreakWidth = 137;  // off the left edge he comes back on the right
constexpr int32_t kScreenRight = 800;
constexpr int32_t kFreakIdleFrom = 2;
constexpr int kFreakPickChance = 4;  // rand() % 4 == 2 on a tick picks a new idle
constexpr int kFreakPickHit = 2;
constexpr int kFreakVariants = 3;
constexpr int kFreakStands = 1;
constexpr int kFreakWalks = 2;

// The old lady's sheet: her door (closed from the second frame on), then her talking.
constexpr ColumnPlay kDoorOpening = {0, 1719, 10, kPlayOnce};
constexpr int32_t kDoorClosedFrame = 191;
constexpr ColumnPlay kLadyTalking = {162, 573, 10, kLoop};
constexpr int32_t kLadyVisit = 10;  // seconds the door stays open

struct LollyLine {
    const char* key;
    TextColour colour;
};
constexpr LollyLine kLollyScene[] = {
    {"GetLolly1", kWhite}, {"GetLolly2", kDarkGreen}, {"GetLolly3", kWhite},
    {"GetLolly4", kDarkGreen}, {"GetLolly5", kWhite}, {"GetLolly6", kDarkGreen},
};

Graphic* freakSprite(GameState& gs) { return sprite(gs, "Freak"); }

bool freakWalking(const Graphic* g) {
    return (g->srcX == kFreakWalk || g->srcX == kFreakWalkFed) && !stopped(g);
}

void walkFreak(Graphic* freak) {
    if (!freakWalking(freak)) return;
    freak->x -= 1;
    if (freak->x < -kFreakWidth) freak->x = kScreenRight;
}

void freakIdle(GameState& gs, Graphic* freak) {
    if (gs.clockTicked && gs.clockSeconds > kFreakIdleFrom &&
        std::rand() % kFreakPickChance == kFreakPickHit)
        gs.idleVariant = std::rand() % kFreakVariants;
    if (!stopped(freak)) return;
    const bool fed = flag(gs, freakFed);
    if (gs.idleVariant == kFreakStands)
        play(freak, {fed ? kFreakStandFed : kFreakStand, kFreakStandEnd, kFreakStandDelay, kPlayOnce});
    if (gs.idleVariant == kFreakWalks)
        play(freak, {fed ? kFreakWalkFed : kFreakWalk, kFreakWalkEnd, kFreakWalkDelay, kPlayOnce});
}

void showClosedDoor(GameState& gs) {
    if (Graphic* door = sprite(gs, "AlteDame")) {
        door->srcX = kDoorOpening.srcX;
        door->stripEnd = kDoorOpening.stripEnd;
        door->delayCurrent = kDoorOpening.delay;
        door->srcY = kDoorClosedFrame;
        door->animMode = kStill;
    }
}

void openDoor(GameState& gs) {
    if (Graphic* door = sprite(gs, "AlteDame")) {
        play(door, kDoorOpening);
        door->srcY = kDoorClosedFrame;
    }
}

void handOverLolly(GameState& gs) {
    play(sprite(gs, "AlteDame"), kLadyTalking);
    for (const LollyLine& line : kLollyScene) sayKeyColoured(gs, line.key, line.colour);
    if (Graphic* button = sprite(gs, "EnterInventory")) flashButton(button);
    giveItem(gs, kLolly);
}

}  // namespace

void enterKreuzung(GameState& gs) {
    placeOnArrival(gs);
    play(freakSprite(gs), {flag(gs, freakFed) ? kFreakStandFed : kFreakStand, kFreakStandEnd,
                           kFreakStandDelay, kPlayOnce});
}

void alwaysKreuzung(GameState& gs) {
    Graphic* freak = freakSprite(gs);
    if (!freak) return;
    if (!inDialogue(gs)) {
        walkFreak(freak);
        freakIdle(gs, freak);
        return;
    }
    if (gs.partnerSpeaking && stopped(freak))
        play(freak, {flag(gs, freakFed) ? kFreakTalkFed : kFreakTalk, kFreakTalkEnd, kFreakTalkDelay,
                     kPlayOnce});
}

// The lolly buys the party ticket; the lady will give another one after this.
void useFreak(GameState& gs) {
    if (usedWith(gs, kLolly) && !flag(gs, freakFed)) {
        flag(gs, freakFed) = 1;
        flag(gs, ladyCalled) = 0;
        takeItem(gs, kLolly);
        if (SceneObject* freak = object(gs, "Freak")) {
            freak->combinePartner = nullptr;
            freak->lookKey = "LOOK_FreakSatt";
            freak->useKey = "NOUSE_FreakSatt";
            freak->takeKey = "NOTAKE_FreakSatt";
            freak->talkKey = "NOTALK_FreakSatt";
            freak->dialoguePartner = nullptr;
        }
        for (const char* key : {"GiveLolly1", "GiveLolly2", "GiveLolly3"})
            sayKeyColoured(gs, key, kWhite);
        giveItem(gs, "Ticket");
        play(freakSprite(gs), {kFreakStandFed, kFreakStandEnd, kFreakStandDelay, kPlayOnce});
    } else if (flag(gs, freakFed)) {
        sayKey(gs, "NOUSE_FreakSatt");
    } else {
        refuseUse(gs, "Freak");
    }
}

void enterHausAlteDame(GameState& gs) {
    placeOnArrival(gs);
    showClosedDoor(gs);
}

// Knocking opens the door and restarts the clock; the visit lasts while it is young.
void useAlteDame(GameState& gs) {
    if (flag(gs, ladyCalled)) {
        refuseUse(gs, "AlteDame");
        return;
    }
    flag(gs, ladyCalled) = 1;
    openDoor(gs);
    restartClock(gs);
}

void alwaysHausAlteDame(GameState& gs) {
    const bool visiting = flag(gs, ladyCalled) && gs.clockSeconds < kLadyVisit;
    if (!visiting)
        showClosedDoor(gs);
    else if (!carries(gs, kLolly))
        handOverLolly(gs);
}
