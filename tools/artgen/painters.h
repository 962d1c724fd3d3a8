// SPDX-License-Identifier: MIT
// painters.h - every picture's painter, grouped by the file that draws it.
#pragma once
#include "art.h"

// gui.cpp: cursors, interface, inventory icons, window icon
void paintPointerCursor(cairo_t* cr, int column, int frame, int frames);  // walk
void paintTakeCursor(cairo_t* cr, int column, int frame, int frames);
void paintTalkCursor(cairo_t* cr, int column, int frame, int frames);
void paintLookCursor(cairo_t* cr, int column, int frame, int frames);
void paintUseCursor(cairo_t* cr, int column, int frame, int frames);
void paintWaitCursor(cairo_t* cr, int column, int frame, int frames);
void paintClickCursor(cairo_t* cr, int column, int frame, int frames);
void paintNoCursor(cairo_t* cr, int column, int frame, int frames);
void paintExitCursor(cairo_t* cr, int column, int frame, int frames);
void paintInvButton(cairo_t* cr, int column, int frame, int frames);
void paintDialogBar(cairo_t* cr, int w, int h);
void paintDialogExit(cairo_t* cr, int w, int h);
void paintPointer(cairo_t* cr, int w, int h);
void paintInvScreen(cairo_t* cr, int w, int h);
void paintWindowIcon(cairo_t* cr, int w, int h);
void paintHotSpotMarker(cairo_t* cr, int w, int h);  // marker.cpp
void paintCreditBar(cairo_t* cr, int w, int h);
void paintBlank(cairo_t* cr, int w, int h);
void paintIconLolly(cairo_t* cr, int w, int h);
void paintIconHat(cairo_t* cr, int w, int h);
void paintIconTicket(cairo_t* cr, int w, int h);
void paintIconKey(cairo_t* cr, int w, int h);
void paintIconTool(cairo_t* cr, int w, int h);
void paintIconBelt(cairo_t* cr, int w, int h);
void paintIconLipstick(cairo_t* cr, int w, int h);
void paintIconGarlic(cairo_t* cr, int w, int h);
void paintIconPunch(cairo_t* cr, int w, int h);
void paintIconSandwich(cairo_t* cr, int w, int h);
void paintIconBread(cairo_t* cr, int w, int h);
void paintIconMouse(cairo_t* cr, int w, int h);
void paintIconMop(cairo_t* cr, int w, int h);
void paintIconCheese(cairo_t* cr, int w, int h);
void paintIconCape(cairo_t* cr, int w, int h);

// slots.cpp: the saved-games screen and the menu's buttons for it
void paintSlotsBg(cairo_t* cr, int w, int h);
void paintSlotPlate(cairo_t* cr, int w, int h);
void paintSlotPlateChosen(cairo_t* cr, int w, int h);
void paintSlotButton(cairo_t* cr, int w, int h);
void paintSlotButtonOff(cairo_t* cr, int w, int h);
void paintSlotConfirm(cairo_t* cr, int w, int h);
void paintMenuContinue(cairo_t* cr, int w, int h);
void paintMenuSlots(cairo_t* cr, int w, int h);

// hero.cpp
void paintHeroWalk(cairo_t* cr, int column, int frame, int frames);

// people.cpp: the character sheets
void paintFarmer(cairo_t* cr, int column, int frame, int frames);
void paintCryGirl(cairo_t* cr, int column, int frame, int frames);
void paintFreak(cairo_t* cr, int column, int frame, int frames);
void paintStudiogirl(cairo_t* cr, int column, int frame, int frames);
void paintFatman(cairo_t* cr, int column, int frame, int frames);
void paintFatmanLicking(cairo_t* cr, int column, int frame, int frames);
void paintJanitor(cairo_t* cr, int column, int frame, int frames);
void paintToiletAnim(cairo_t* cr, int column, int frame, int frames);
void paintOldLady(cairo_t* cr, int column, int frame, int frames);
void paintTicketKid(cairo_t* cr, int column, int frame, int frames);
void paintBarrier(cairo_t* cr, int column, int frame, int frames);
void paintBurbkid1(cairo_t* cr, int column, int frame, int frames);
void paintBurbkid2(cairo_t* cr, int column, int frame, int frames);
void paintBurbkid3(cairo_t* cr, int column, int frame, int frames);
void paintBurbkidsKO(cairo_t* cr, int column, int frame, int frames);
void paintFarmDoor(cairo_t* cr, int column, int frame, int frames);
void paintToolbox(cairo_t* cr, int column, int frame, int frames);
void paintBeltSlot(cairo_t* cr, int column, int frame, int frames);

// scenes.cpp: backgrounds, exits and objects
void paintMenuBg(cairo_t* cr, int w, int h);
void paintMenuQuit(cairo_t* cr, int w, int h);
void paintMenuStart(cairo_t* cr, int w, int h);
void paintScheuneHintenBg(cairo_t* cr, int w, int h);
void paintScheuneVorneBg(cairo_t* cr, int w, int h);
void paintScheuneFernBg(cairo_t* cr, int w, int h);
void paintScheuneInnenBg(cairo_t* cr, int w, int h);
void paintFarmhausBg(cairo_t* cr, int w, int h);
void paintFarmhausHintenBg(cairo_t* cr, int w, int h);
void paintKreuzungBg(cairo_t* cr, int w, int h);
void paintStudioAussenBg(cairo_t* cr, int w, int h);
void paintStudioInnenBg(cairo_t* cr, int w, int h);
void paintTrainingBg(cairo_t* cr, int w, int h);
void paintToiletteBg(cairo_t* cr, int w, int h);
void paintAlteDameBg(cairo_t* cr, int w, int h);
void paintSchuleBg(cairo_t* cr, int w, int h);
void paintSchulpartyBg(cairo_t* cr, int w, int h);
void paintExitDoorway(cairo_t* cr, int w, int h);  // rim light round a doorway
void paintExitEdge(cairo_t* cr, int w, int h);     // a path leaving at the screen edge
void paintExitPath(cairo_t* cr, int w, int h);     // a path into the distance
void paintBarnDoorOpen(cairo_t* cr, int w, int h);
void paintLock(cairo_t* cr, int w, int h);
void paintMouse(cairo_t* cr, int w, int h);
void paintShip(cairo_t* cr, int w, int h);
void paintChain(cairo_t* cr, int w, int h);
void paintChainHung(cairo_t* cr, int w, int h);
void paintScarecrow(cairo_t* cr, int w, int h);
void paintHat(cairo_t* cr, int w, int h);
void paintSlime(cairo_t* cr, int w, int h);
void paintKey(cairo_t* cr, int w, int h);
void paintDoorDark(cairo_t* cr, int w, int h);
void paintLipstick(cairo_t* cr, int w, int h);
void paintTreadmillBelt(cairo_t* cr, int w, int h);
void paintToiletPaper(cairo_t* cr, int w, int h);
void paintMop(cairo_t* cr, int w, int h);
void paintTrash(cairo_t* cr, int w, int h);
void paintCheese(cairo_t* cr, int w, int h);
void paintGarlic(cairo_t* cr, int w, int h);
void paintPunch(cairo_t* cr, int w, int h);

// sequences.cpp: intro, crash and the story sequences
void paintIntroStrip(cairo_t* cr, int w, int h);
void paintTeamLogo(cairo_t* cr, int w, int h);
void paintCrashBg(cairo_t* cr, int w, int h);
void paintCrash(cairo_t* cr, int column, int frame, int frames);
void paintExplosion(cairo_t* cr, int column, int frame, int frames);
void paintCockpit(cairo_t* cr, int column, int frame, int frames);
void paintBurgerSeq(cairo_t* cr, int column, int frame, int frames);
void paintFatmanSeq(cairo_t* cr, int column, int frame, int frames);
void paintToiletSeq(cairo_t* cr, int column, int frame, int frames);
void paintBurpSeq(cairo_t* cr, int column, int frame, int frames);

// Shared by scenes and sequences: a scene background painted into any context.
void paintSceneBackground(cairo_t* cr, const char* scene);
