// SPDX-License-Identifier: MIT
// scripts_farm.cpp - the farmhouse with its grumpy farmer and the key on the wall,
// the crying girl behind it who wants a witch costume, and the farmer opening the
// door when she fetches the key.
#include <cstdlib>

#include "game/scripts_common.h"

namespace {

constexpr ColumnPlay kFarmerStanding = {0, 1150, 8, kLoop};  // the farmer on his porch

// The girl's sheet: crying, a sniffing pose, talking sad; happy, happy talking.
constexpr int32_t kGirlCrying = 0;
constexpr int32_t kGirlSniffing = 186;
constexpr int32_t kGirlStripEnd = 260;
constexpr int32_t kGirlDelay = 15;
constexpr ColumnPlay kGirlSadTalk = {93, kGirlStripEnd, kGirlDelay, kPlayOnce};
constexpr ColumnPlay kGirlHappy = {279, kGirlStripEnd, kGirlDelay, kPlayOnce};
constexpr ColumnPlay kGirlHappyTalk = {372, kGirlStripEnd, kGirlDelay, kPlayOnce};
constexpr int kGirlPickChance = 3;  // rand() % 3 == 1 picks a new idle pose
constexpr int kGirlPickHit = 1;
constexpr int kGirlVariants = 3;
constexpr int kGirlPoseCrying = 1;
constexpr int kGirlPoseSniffing = 2;

constexpr int32_t kDoorLastFrame = 2538;  // the farmer's door, wide open
constexpr int32_t kFarmSequenceEnd = 8;
constexpr int32_t kGirlLineSeconds = 3;

// One costume part: the item handed over, its flag and what she says while it is missing.
struct CostumePart {
    const char* item;
    StoryFlag handedOver;
    const char* missingLine;
};
constexpr CostumePart kCostume[] = {
    {"Mop", costumeBroom, "GirlNeedBroom"},
    {"Lippenstift", costumeLipstick, "GirlNeedLipstick"},
    {"Umhang", costumeCape, "GirlNeedCape"},
    {"Hut", costumeHat, "GirlNeedHat"},
};

void takeKeyFromWall(GameState& gs) {
    if (!flag(gs, keyFromGirl)) return;
    SceneObject* key = object(gs, "FarmhausKey");
    if (key && key->active) {
        key->active = false;
        rebuildScene(gs);
    }
}

bool costumeDone(GameState& gs) {
    for (const CostumePart& part : kCostume)
        if (!flag(gs, part.handedOver)) return false;
    return true;
}

void makeGirlHappy(GameState& gs) {
    giveItem(gs, kKey);
    flag(gs, keyFromGirl) = 1;
    flag(gs, girlHappy) = 1;
    if (SceneObject* girl = object(gs, "CryGirl")) {
        girl->lookKey = "LOOK_CryGirlHappy";
        girl->takeKey = "NOTAKE_CryGirlHappy";
        girl->useKey = "NOUSE_CryGirlHappy";
        girl->talkKey = "NOTALK_CryGirlHappy";
        girl->dialoguePartner = nullptr;
    }
    goToScene(gs, "FarmhausSequenz");
}

}  // namespace

void enterFarmhaus(GameState& gs) {
    placeOnArrival(gs);
    play(sprite(gs, "FarmhausFarmer"), kFarmerStanding);
    takeKeyFromWall(gs);
}

void alwaysFarmhaus(GameState& gs) { takeKeyFromWall(gs); }

void enterFarmhausHinten(GameState& gs) {
    placeOnArrival(gs);
    play(sprite(gs, "CryGirl"),
         {flag(gs, girlHappy) ? kGirlHappy.srcX : kGirlCrying, kGirlStripEnd, kGirlDelay, kPlayOnce});
}

void alwaysFarmhausHinten(GameState& gs) {
    if (std::rand() % kGirlPickChance == kGirlPickHit) gs.idleVariant = std::rand() % kGirlVariants;
    Graphic* girl = sprite(gs, "CryGirl");
    if (!girl || !object(gs, "CryGirl")) return;
    const bool happy = flag(gs, girlHappy);
    if (!happy && stopped(girl)) {
        if (gs.idleVariant == kGirlPoseCrying) girl->srcX = kGirlCrying;
        if (gs.idleVariant == kGirlPoseSniffing) girl->srcX = kGirlSniffing;
    }
    if (happy && stopped(girl) && gs.idleVariant == kGirlPoseSniffing) play(girl, kGirlHappy);
    // While she speaks her mouth moves: restarting the strip every frame would
    // pin it to its first frame, so it starts again only once it has played.
    const ColumnPlay& talk = happy ? kGirlHappyTalk : kGirlSadTalk;
    if (gs.partnerSpeaking && (stopped(girl) || girl->srcX != talk.srcX)) play(girl, talk);
}

// Each use hands over at most one part; she lists what is still missing.
void useCryGirl(GameState& gs) {
    if (flag(gs, girlHappy)) {
        refuseUse(gs, "CryGirl");
        return;
    }
    sayLine(gs, scriptLine("GirlThanks"), kDarkGreen, kGirlLineSeconds);
    for (const CostumePart& part : kCostume) {
        if (usedWith(gs, part.item)) {
            takeItem(gs, part.item);
            flag(gs, part.handedOver) = 1;
        } else if (!flag(gs, part.handedOver)) {
            sayLine(gs, scriptLine(part.missingLine), kDarkGreen, kGirlLineSeconds);
        }
    }
    if (costumeDone(gs)) {
        flag(gs, costumeComplete) = 1;
        sayLine(gs, scriptLine("GirlKey"), kDarkGreen, kGirlLineSeconds);
    }
    if (flag(gs, costumeComplete)) {
        makeGirlHappy(gs);
        // Entering the door sequence clears the queue; her "Thanks! I still
        // need... ...to get you the key." plays over the opening door instead.
        sayLine(gs, scriptLine("GirlThanks"), kDarkGreen, kGirlLineSeconds);
        sayLine(gs, scriptLine("GirlKey"), kDarkGreen, kGirlLineSeconds);
    }
}

void enterFarmhausSequenz(GameState& gs) {
    play(sprite(gs, "FarmhausSequenzFarmer"), kFarmerStanding);
}

void alwaysFarmhausSequenz(GameState& gs) {
    Graphic* door = sprite(gs, "FarmhausSequenzDoor");
    if (door && stopped(door)) door->srcY = kDoorLastFrame;
    if (gs.clockSeconds > kFarmSequenceEnd || gs.escapePressed) {
        endSequence(gs, "FarmhausHinten");
        sayKey(gs, "CryGirlCostumeThank1");  // said in the girl's scene
    }
}
