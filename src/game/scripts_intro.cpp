// SPDX-License-Identifier: MIT
// scripts_intro.cpp - the joke CGA intro, the credits, the crash of the ship,
// the main menu and the walk out through its quit exit.
#include <string>

#include "frame/engine.h"
#include "game/scripts_common.h"
#include "game/slots.h"
#include "gfx/cursor.h"
#include "gfx/speech.h"
#include "gfx/text.h"

namespace {

// ---- CGA intro ----
// The intro background is one tall strip of 800x600 pictures drawn whole from srcY
// down; the CGA-coloured one lies six pictures below the first.
constexpr int32_t kPictureHeight = 600;
constexpr int32_t kCgaPicture = 6 * kPictureHeight;
constexpr int32_t kCgaShiftX = 92;  // the fake low-resolution picture sits off-centre
constexpr int32_t kCgaShiftY = 24;
constexpr uint8_t kOpaque = 255;
constexpr int32_t kLogoFadeUntil = 10;   // the logo fades in during the first seconds
constexpr int32_t kCgaComplaints = 2;    // the team starts to grumble
constexpr int32_t kVgaPatched = 6;       // the full-colour picture replaces the CGA one
constexpr int32_t kNextPictures[] = {16, 22, 24, 26, 28};
constexpr int32_t kIntroEnd = 34;
constexpr int32_t kComplaintSeconds = 2;
constexpr int32_t kFinallySeconds = 4;
constexpr int32_t kPatchPromptX = 316;   // the patch loader's prompt, top centre
constexpr int32_t kPatchLoaderX = 348;
constexpr int32_t kPatchLineY = 8;
constexpr int kFinallyBreaks = 20;       // pushes the version note to the bottom

// ---- credits ----
constexpr int32_t kCreditsTitleX = 16;
constexpr int32_t kCreditsTitleY = 16;
constexpr int32_t kCreditsTitleSize = 24;
constexpr int32_t kCreditsPageX = 64;
constexpr int32_t kCreditsPageY = 160;
// A page starts with a line break drawn one line above it, so its first line
// stands where the font puts every line after a break (a few pixels left of x).
constexpr const char* kCreditsPageLead = " /n ";
constexpr int32_t kCreditsLineHeight = 24;  // a line of the pages' 24 px font
constexpr int32_t kCreditsStart = 1;
constexpr int32_t kCreditsMinimum = 10;  // the credits run at least this long
struct CreditPage {
    const char* id;
    int32_t seconds;
};
constexpr CreditPage kCreditPages[] = {
    {"Credits1", 10}, {"Credits2", 10}, {"Credits3", 15}, {"Credits4", 10},
    {"Credits5", 5},  {"Credits6", 5},  {"Credits7", 5},  {"Credits8", 15},
};

// ---- crash ----
constexpr int32_t kCrashSpinColumn = 640;  // the ship tumbling in space, looping
constexpr int32_t kCrashSpinDelay = 10;
constexpr int32_t kCrashDiveColumn = 0;  // the dive into the planet, played once
constexpr int32_t kCrashDiveDelay = 20;
constexpr int32_t kCrashLastFrame = 4589;    // the ship in the ground
constexpr int32_t kExplosionLastFrame = 2400;
constexpr int32_t kCrashDiveAt = 6;
constexpr int32_t kCrashEnd = 14;
constexpr int32_t kCrashLineSeconds = 4;

// ---- menu ----
constexpr int32_t kFarewellSeconds = 10;

Graphic* background(GameState& gs) { return sprite(gs, "Background"); }

void queueIntroLines(GameState& gs) {
    for (const char* id : {"IntroCga1", "IntroCga2", "IntroCga3", "IntroCga4"})
        sayLine(gs, scriptLine(id), kRed, kComplaintSeconds);
    SpeechQueue& q = *gs.speechQueue;
    const uint32_t white = paletteColour(gs, kWhite);
    sayAt(q, scriptLine("IntroPatch1"), kPatchPromptX, kPatchLineY, white, kComplaintSeconds);
    sayAt(q, scriptLine("IntroPatch2"), kPatchPromptX, kPatchLineY, white, kComplaintSeconds);
    sayAt(q, scriptLine("IntroPatch3"), kPatchLoaderX, kPatchLineY, white, kComplaintSeconds);
    sayAt(q, scriptLine("IntroPatch4"), kPatchLoaderX, kPatchLineY, white, kComplaintSeconds);
    sayAt(q, scriptLine("IntroPatch5"), kPatchLoaderX, kPatchLineY, paletteColour(gs, kDarkGreen),
          kComplaintSeconds);
    std::string finally = scriptLine("IntroFinally");
    for (int i = 0; i < kFinallyBreaks; ++i) finally += " /n ";
    finally += scriptLine("IntroVersion") + " - " + kWebAddress;
    sayLine(gs, finally, kDarkGreen, kFinallySeconds);
}

void fadeIn(Graphic* g) {
    if (g && g->alpha < kOpaque) ++g->alpha;
}

}  // namespace

void enterIntroCGA1(GameState& gs) {
    if (Graphic* logo = sprite(gs, "TeamGrelLogo")) logo->alpha = 0;
    if (Graphic* bg = background(gs)) {
        bg->x += kCgaShiftX;
        bg->y += kCgaShiftY;
        bg->srcY += kCgaPicture;
    }
}

void alwaysIntroCGA1(GameState& gs) {
    if (gs.escapePressed) gs.clockSeconds = kIntroEnd;
    Graphic* bg = background(gs);
    if (gs.clockSeconds < kLogoFadeUntil) fadeIn(sprite(gs, "TeamGrelLogo"));
    if (atSecond(gs, kCgaComplaints)) queueIntroLines(gs);
    if (atSecond(gs, kVgaPatched) && bg) {
        bg->srcY -= kCgaPicture;
        bg->alpha = 0;
    }
    if (gs.clockSeconds > kVgaPatched) fadeIn(bg);
    for (int32_t second : kNextPictures)
        if (atSecond(gs, second) && bg) bg->srcY += kPictureHeight;
    if (atSecond(gs, kIntroEnd) || gs.escapePressed) endSequence(gs, "Credits");
}

void alwaysCredits(GameState& gs) {
    drawText(*gs.textRenderer, scriptLine("CreditsTitle"), kCreditsTitleX, kCreditsTitleY,
             kCreditsTitleSize, paletteColour(gs, kYellow));
    if (atSecond(gs, kCreditsStart))
        for (const CreditPage& page : kCreditPages)
            sayAt(*gs.speechQueue, kCreditsPageLead + scriptLine(page.id), kCreditsPageX,
                  kCreditsPageY - kCreditsLineHeight, paletteColour(gs, kYellow), page.seconds);
    // The credits end by themselves once the last page has gone.
    if (gs.clockSeconds > kCreditsMinimum && !speechQueued(*gs.speechQueue))
        gs.escapePressed = 1;
    if (gs.escapePressed) endSequence(gs, "IntroCrash");
}

void enterIntroCrash(GameState& gs) {
    restartClock(gs);
    sayLine(gs, scriptLine("CrashPanic"), kWhite, kCrashLineSeconds);
    if (Graphic* crash = sprite(gs, "IntroCrash")) {
        crash->delayCurrent = kCrashSpinDelay;
        crash->srcX = kCrashSpinColumn;
    }
}

void alwaysIntroCrash(GameState& gs) {
    // Escape holds the clock at the last second, so the menu comes at the next tick.
    if (gs.escapePressed) gs.clockSeconds = kCrashEnd;
    Graphic* crash = sprite(gs, "IntroCrash");
    Graphic* explosion = sprite(gs, "IntroExplode");
    if (atSecond(gs, kCrashDiveAt)) {
        if (crash) playColumn(crash, kCrashDiveColumn, crash->stripEnd, kCrashDiveDelay, kPlayOnce);
        sayLine(gs, scriptLine("CrashRacing"), kWhite, kCrashLineSeconds);
    }
    if (crash && stopped(crash)) {
        crash->srcY = kCrashLastFrame;
        if (explosion) explosion->animMode = kPlayOnce;
    }
    if (explosion && stopped(explosion) && explosion->srcY == 0) explosion->srcY = kExplosionLastFrame;
    if (atSecond(gs, kCrashEnd)) endSequence(gs, "Menu");
}

void enterMenu(GameState& gs) {
    DisplayList& list = *gs.displayList;
    if (!gs.quitting) {
        gs.playedSeconds = 0;  // a game started from here is a new one
        addMenuSaveButtons(gs);
        gs.cursor->cursorShown = 1;
        if (gs.cursorMode != kModeWalk) {
            gs.cursorMode = kModeWalk;
            setCursor(*gs.cursor, kModeExit);  // the exit arrow is the menu's pointer
        }
        setAlphaAll(list, 0);
        return;
    }
    // Back through the quit exit: no inventory, a farewell, then the fade-out.
    setAlphaAll(list, kOpaque);
    const size_t n = list.sprites.size();
    if (n >= 2 && list.sprites[n - 2]->name == "EnterInventory") removeSprite(list, n - 2);
    sayLine(gs, scriptLine("QuitFarewell") + kWebAddress, kWhite, kFarewellSeconds);
    gs.cursorMode = kModeWait;
    setCursor(*gs.cursor, kModeWait);
}

void alwaysMenu(GameState& gs) {
    if (gs.quitting) {
        fadeOutStep(*gs.displayList);
        return;
    }
    fadeInStep(*gs.displayList);
    if (menuSaveButtonClicked(gs)) return;
    if (gs.cursorMode != kModeWalk) {
        gs.cursorMode = kModeWalk;
        setCursor(*gs.cursor, kModeExit);
    }
    // The menu has no hero; a target left over would hold back the exits.
    PlayerState& p = *gs.player;
    if (p.targetX != kNoTarget) {
        p.targetX = kNoTarget;
        p.targetY = kNoTarget;
    }
}

void goScriptMenuQuit(GameState& gs) {
    gs.quitting = 1;
    restartClock(gs);
}
